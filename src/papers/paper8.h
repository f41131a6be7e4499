#pragma once
#include <array>

#include "core/primes.h"
#include "papers/paper_flow.h"

// Test paper 8: sums of positive and negative decimals, equations with decimals
// and mixed numbers, a chain of mixed numbers, comparisons, counting the
// integers between two numbers, and an equation with an absolute value.
class TForm10 : public TestPaper {
public:
    TForm10();
    void FormCreate() override;

private:
    void DrawProblem1();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
    void DrawProblem5();
    void DrawProblem6();
    void LoadPictures();

    // The primes of the paper, indexed from 1, with used marks for item 9.
    static constexpr std::array<int, 14> kPrimes = FirstPrimes<14>();
    std::array<bool, 14> used_{};
};
