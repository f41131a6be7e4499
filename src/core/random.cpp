#include "core/random.h"

#include <QDateTime>

namespace {
LinearRandom& ownSource() {
    static LinearRandom source(0);
    return source;
}
RandomSource* current = nullptr;
}  // namespace

int LinearRandom::next(int n) {
    state_ = state_ * 0x08088405u + 1u;
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<uint64_t>(state_) * static_cast<uint64_t>(n)) >> 32);
}

void LinearRandom::randomize() {
    state_ = static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

void setRandomSource(RandomSource* source) { current = source; }

RandomSource& randomSource() { return current ? *current : ownSource(); }

int Random(int n) { return randomSource().next(n); }

void Randomize() { randomSource().randomize(); }

int DrawCategory(int n, int b) { return (Random(n) + b) / 10; }
