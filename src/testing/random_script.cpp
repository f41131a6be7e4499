#include "testing/random_script.h"

#include <gtest/gtest.h>
#include <stdexcept>

ScriptedRandom::ScriptedRandom(std::vector<int> values) : values_(std::move(values)) { setRandomSource(this); }

ScriptedRandom::~ScriptedRandom() { setRandomSource(nullptr); }

void ScriptedRandom::then(const std::vector<int>& values) { values_.insert(values_.end(), values.begin(), values.end()); }

int ScriptedRandom::next(int n) {
    if (position_ >= values_.size()) {
        ADD_FAILURE() << "the random script ran out at draw " << position_ + 1 << " (Random(" << n << "))";
        throw std::runtime_error("random script exhausted");
    }
    const int value = values_[position_++];
    if (value < 0 || value >= n) {
        ADD_FAILURE() << "scripted value " << value << " at draw " << position_ << " is not below " << n;
        throw std::runtime_error("scripted value out of range");
    }
    return value;
}

SeededRandom::SeededRandom(uint32_t seed) : generator_(seed) { setRandomSource(this); }

SeededRandom::~SeededRandom() { setRandomSource(nullptr); }
