#include "papers/prime_draws.h"

#include "core/random.h"

int PrimeDraws::Take(int i) {
    taken_[i] = true;
    return kPrimes[i];
}

int PrimeDraws::Fresh(int m, int b) {
    bool anyFree = false;
    for (int i = b / 10; i <= (m - 1 + b) / 10 && i < int(taken_.size()); ++i) anyFree = anyFree || !taken_[i];
    int i;
    do i = DrawCategory(m, b);
    while (anyFree && taken_[i]);
    return Take(i);
}
