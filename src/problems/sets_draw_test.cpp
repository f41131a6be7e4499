#include <gtest/gtest.h>

#include "problems/set2.h"
#include "problems/set3.h"
#include "problems/set4.h"
#include "problems/set5.h"
#include "problems/set6.h"
#include "problems/set7.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"

namespace {

// Reaches a set's generators one kind at a time, as often as wanted: the flow
// itself allows each kind once an attempt.
template <class S>
struct Drawer : S {
    void Draw(int kind) {
        this->ClearProblem();
        this->PrimeUsed.fill(false);
        this->Generate(kind);
    }
};

template <class S>
void DrawEveryKind(int kinds, int times) {
    auto s = CreateScreen<Drawer<S>>();
    for (int kind = 1; kind <= kinds; ++kind)
        for (int n = 0; n < times; ++n) s->Draw(kind);
}

}  // namespace

// Every retry loop of every generator ends, however the draws fall: a loop that
// could run out of fresh primes would hang here.
TEST(ProblemSetDraws, EveryGeneratorOfSetsTwoToSevenEnds) {
    TempDataFolder folder;
    SeededRandom random(1208);
    const int times = 400;
    DrawEveryKind<TForm25>(5, times);
    DrawEveryKind<TForm26>(8, times);
    DrawEveryKind<TForm27>(5, times);
    DrawEveryKind<TForm28>(7, times);
    DrawEveryKind<TForm29>(5, times);
    DrawEveryKind<TForm30>(5, times);
}
