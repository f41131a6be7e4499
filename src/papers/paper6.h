#pragma once

#include "papers/paper_flow.h"
#include "papers/prime_draws.h"

// Test paper 6: inverse proportion, the circumference and area of a circle,
// division in a ratio, probability, a table of direct proportion and division
// of a number in a double ratio.
class TForm8 : public TestPaper {
public:
    TForm8();
    void FormCreate() override;

private:
    void DrawProblem1();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
    void DrawProblem5();
    void DrawProblem6();
    void DrawProblem7();
    void LayOut();

    PrimeDraws primes_;
};
