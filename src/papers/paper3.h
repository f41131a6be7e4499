#pragma once
#include <QStringList>

#include "papers/paper_flow.h"
#include "papers/prime_draws.h"

// Test paper 3: multiplying fractions and mixed numbers, with word problems on
// shares of a whole (notebooks, a box's volume, three schools' money).
class TForm5 : public TestPaper {
public:
    TForm5();
    void FormCreate() override;

private:
    void DrawProblem1();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
    void DrawProblem5();
    void DrawProblem6();
    void LayOut();

    // A mixed number by the while-greater rule, not reduced, in three labels.
    void ShowMixed(int wholeLabel, int numLabel, int denLabel, long long num, long long den);

    PrimeDraws primes_;
    QStringList pictures_;  // the picture of Image1, Image2, … in order
};
