#pragma once
#include <QStringList>

#include "papers/paper_flow.h"
#include "papers/prime_draws.h"

// Test paper 4: dividing fractions and mixed numbers, equations, a periodic
// decimal, two word problems and an expression with four mixed numbers.
class TForm6 : public TestPaper {
public:
    TForm6();
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

    void AddFractionItem(int firstEdit, const QStringList& right, int numAnswer, int denAnswer);
    void AddMixedItem(int firstEdit, const QStringList& right, int firstAnswer);

    PrimeDraws primes_;
    QStringList pictures_;  // the picture of Image1, Image2, … in order
};
