#pragma once
#include <array>
#include <cstddef>

// The prime table the fraction lessons draw their factors from: the first
// fifteen primes, indexed 1 … 15, each index with a used mark so that the
// factors of one exercise can be kept distinct.
class LessonPrimes {
public:
    // How a draw treats the marks: Avoid redraws while the index is marked,
    // Mark marks the index drawn.
    enum Use { Free = 0, Avoid = 1, Mark = 2, AvoidAndMark = 3 };

    static int At(int index);
    // The index Trunc((Random(m) + b) / 10), by the rule of `use`.
    int drawIndex(int m, int b, Use use = Free);
    // The prime at such an index.
    int draw(int m, int b, Use use = Free) { return At(drawIndex(m, b, use)); }
    void markIndex(int index) { used_[std::size_t(index)] = true; }
    bool marked(int index) const { return used_[std::size_t(index)]; }
    void clearMarks() { used_.fill(false); }

private:
    std::array<bool, 16> used_{};
};
