#pragma once
#include <array>

#include "core/primes.h"
#include "papers/paper_flow.h"

// Test paper 7: rational numbers. Sorting a row of numbers into five kinds,
// comparing negative decimals, sums and differences of mixed numbers with
// absolute values, simple equations, the greatest integer under a bound, the
// digits that may replace a star, and two fractions between two others.
class TForm9 : public TestPaper {
public:
    TForm9();
    void FormCreate() override;

    // The five kinds of the numbers in the row pictures.
    enum class Kind { Natural, Zero, PositiveFraction, NegativeInteger, NegativeFraction };
    // The kinds of the eleven numbers of "kr\t<picture>.bmp", left to right.
    static const std::array<Kind, 11>& RowKinds(int picture);
    // Whether the box of a kind in caption row 1 … 5 must be ticked.
    static bool ShouldTick(Kind kind, int row);

protected:
    // Problem 1's boxes say their row and number ("натуральні: 25"), its picture its numbers.
    QString SpokenName(QWidget* control) const override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Places what stands in the gaps of the problem lines at the current scale.
    void LayOutGaps();
    void DrawProblem1();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
    void DrawProblem5();
    void DrawProblem6();
    void DrawProblem7();
    void DrawProblem8();

    // prime[i] for i drawn as Trunc((Random(m) + b) / 10), again while i is taken.
    int FreshPrime(int m, int b);
    void DeclareFractionPair(int numeratorEdit, int denominatorEdit, int answerLabel);

    // The primes, indexed from 1; only the first six are ever drawn.
    static constexpr std::array<int, 14> kPrimes = FirstPrimes<14>();
    std::array<bool, 14> taken_{};
    int picture_ = 1;  // problem 1: the row "kr\t<picture_>.bmp"
    // Problem 8: the bounds are −(b + 2)/p and −(b + 1)/p.
    int p8_ = 7;
    int b8_ = 0;
};
