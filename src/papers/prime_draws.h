#pragma once
#include <array>
#include "core/primes.h"

// The papers' table of the first thirteen primes, indexed from 1 (2, 3, 5, …, 41),
// with a taken mark per index so that the primes of one task come out different.
class PrimeDraws {
public:
    static constexpr std::array<int, 14> kPrimes = FirstPrimes<14>();

    int operator[](int i) const { return kPrimes[i]; }
    void Clear() { taken_.fill(false); }
    bool Taken(int i) const { return taken_[i]; }
    // Primes[i] with its index marked as taken.
    int Take(int i);
    // Primes[D(m, b)], drawn again while its index is taken; the index is then marked.
    // Should every index D(m, b) can give be taken already, the last draw stands.
    int Fresh(int m, int b);

private:
    std::array<bool, 14> taken_{};
};
