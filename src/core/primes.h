#pragma once
#include <array>
#include <cstddef>

// The prime tables every module draws from by index: index 0 holds 0, then the
// primes in order (2, 3, 5, …). Each module's table is the first N entries, so a
// draw past the end of its own table stays an error in the size of its array.
inline constexpr std::array<int, 16> kFirstPrimes{0, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};

template <std::size_t N>
constexpr std::array<int, N> FirstPrimes() {
    static_assert(N <= kFirstPrimes.size());
    std::array<int, N> table{};
    for (std::size_t i = 0; i < N; ++i) table[i] = kFirstPrimes[i];
    return table;
}
