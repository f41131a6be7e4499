#pragma once
#include <cstdint>

// The one random generator every screen draws from.
//   Random(n)          an integer in 0 … n − 1 (0 when n ≤ 0)
//   Randomize()        seeds the generator from the clock
//   DrawCategory(n, b) Trunc((Random(n) + b) / 10)
// Tests swap the source for a scripted or seeded one (src/testing/random_script.h).
int Random(int n);
void Randomize();
int DrawCategory(int n, int b);

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int next(int n) = 0;
    virtual void randomize() = 0;
};

// A linear congruential generator with a 32-bit state: the value for n is the
// high half of state × n, so every n gets an even spread.
class LinearRandom : public RandomSource {
public:
    explicit LinearRandom(uint32_t seed = 0) : state_(seed) {}
    int next(int n) override;
    void randomize() override;
    void seed(uint32_t s) { state_ = s; }

private:
    uint32_t state_;
};

// Installs a source (nullptr brings back the program's own). The caller keeps ownership.
void setRandomSource(RandomSource* source);
RandomSource& randomSource();
