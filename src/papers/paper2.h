#pragma once
#include <array>

#include "core/arithmetic.h"
#include "core/primes.h"
#include "papers/paper_flow.h"

// Test paper 2: common fractions. Reducing, comparing, adding and subtracting
// fractions and mixed numbers, two word problems, two equations and an
// inequality whose natural solutions are ticked. The paper is taller than the
// screen and scrolls; "Перевірка" stands at its very bottom.
class TForm4 : public TestPaper {
public:
    TForm4();
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
    void LoadBars();

    // Declares answer boxes 'first' … as one item against a fraction or a mixed number.
    void AddFractionItem(int firstEdit, const Fraction& right, int numAnswer, int denAnswer);
    void AddMixedItem(int firstEdit, const Mixed& right, int wholeAnswer, int numAnswer, int denAnswer);

    // The first ten primes, indexed from 1.
    static constexpr std::array<int, 11> kPrimes = FirstPrimes<11>();
};
