#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/random.h"

// Random(n) returns the given values in order; a value not below n, or a draw
// past the end of the script, fails the test. Randomize does nothing.
// Installed while it lives.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values);
    ~ScriptedRandom() override;
    int next(int n) override;
    void randomize() override {}
    // Appends values to the script.
    void then(const std::vector<int>& values);
    bool exhausted() const { return position_ >= values_.size(); }
    size_t used() const { return position_; }

private:
    std::vector<int> values_;
    size_t position_ = 0;
};

// The program's own generator with a fixed seed that Randomize leaves alone:
// a reproducible run. Installed while it lives.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint32_t seed);
    ~SeededRandom() override;
    int next(int n) override { return generator_.next(n); }
    void randomize() override {}
    void reseed(uint32_t seed) { generator_.seed(seed); }

private:
    LinearRandom generator_;
};
