#include "lessons/lesson_primes.h"

#include "core/random.h"
#include "core/primes.h"

namespace {
constexpr std::array<int, 16> kPrimes = FirstPrimes<16>();
// Every draw of the lessons leaves an unmarked index in its range; should a
// generator ever mark them all, the redraw still ends instead of hanging the lesson.
constexpr int kMostRedraws = 100000;
}  // namespace

int LessonPrimes::At(int index) { return kPrimes[std::size_t(index)]; }

int LessonPrimes::drawIndex(int m, int b, Use use) {
    int index = DrawCategory(m, b);
    for (int tries = 0; (use & Avoid) && marked(index) && tries < kMostRedraws; ++tries) index = DrawCategory(m, b);
    if (use & Mark) markIndex(index);
    return index;
}
