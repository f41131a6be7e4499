#pragma once
#include <array>

#include "core/primes.h"
#include "papers/paper_flow.h"

// Test paper 1: divisibility. Which numbers divide by a prime, a prime
// factorisation, greatest common divisors, least common multiples, coprimality,
// the digit that makes a number divisible by 2, 3, 5 or 9, and a word problem
// on a common multiple.
class TForm3 : public TestPaper {
public:
    TForm3();
    void FormCreate() override;

private:
    // Draws all seven problems in order and declares their answer items.
    void DrawPaper();
    void DrawProblem1();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
    void DrawProblem5();
    void DrawProblem6();
    void DrawProblem7();

    // Six different numbers from 20 to 999, the one at a drawn place divisible by d.
    std::array<int, 6> DrawRow(int d);
    // Primes[i] for i drawn by D(m, b), again while that prime is already used for this problem.
    int FreshPrime(int m, int b);
    void ClearUsedPrimes() { used_.fill(false); }
    void DeclareFactorItems();

    // The first ten primes, indexed from 1.
    static constexpr std::array<int, 11> kPrimes = FirstPrimes<11>();
    std::array<bool, 11> used_{};

    // Problem 2: the factors in the order drawn, each prime's multiplicity in n,
    // and how many of the pupil's entries have been counted for it at marking.
    int k_ = 0;
    std::array<int, 9> factors_{};
    std::array<int, 11> multiplicity_{};
    std::array<int, 11> entered_{};
};
