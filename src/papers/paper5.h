#pragma once

#include "papers/paper_flow.h"
#include "papers/prime_draws.h"

// Test paper 5: proportions with decimals, percentages, an equation with
// fractions and a comparison of the iron in two ores.
class TForm7 : public TestPaper {
public:
    TForm7();
    void FormCreate() override;

private:
    void DrawProblem1();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
    void DrawProblem5();
    void DrawProblem6();
    void LayOut();

    PrimeDraws primes_;
};
