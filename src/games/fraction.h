#pragma once
#include <QString>
#include <cstdint>

#include "games/drill_game.h"

// A sum W + N/D (N of either sign, D > 0) as a signed mixed number in lowest
// terms whose fraction part is never negative: W + N/D for W ≥ 0, W − N/D for
// W < 0, and −N/D (`minusBelowOne`) between −1 and 0; with the three texts the
// pupil types: "-" alone below 1, nothing for a zero whole part or fraction.
struct SignedMixed {
    int64_t whole = 0, numerator = 0, denominator = 1;
    bool minusBelowOne = false;
    QString wholeText, numeratorText, denominatorText;
};
SignedMixed NormaliseSum(int64_t W, int64_t N, int64_t D);

// One problem of the fraction game: three mixed numbers W + m/d added, the
// second and third perhaps negative, and their sum.
struct FractionProblem {
    int whole[3] = {0, 0, 0};
    int numerator[3] = {0, 0, 0};
    int denominator[3] = {0, 0, 0};
    bool minus[2] = {false, false};  // the operations before terms 2 and 3
    SignedMixed sum;
};

FractionProblem DrawFractionProblem();

// Game "fraction": adding three signed mixed numbers, the subtractions written
// as additions of negative numbers in brackets; the answer is a signed mixed
// number in three boxes. Ten problems, then the mark and a line in "vch\stat.txt".
class TForm35 : public DrillGame {
public:
    TForm35();
    void FormCreate() override;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    const FractionProblem& problem() const { return problem_; }

private:
    void showProblem();
    // Puts each part of the expression right after the one before it, the third
    // fraction in the blanks of Label8.
    void arrangeExpression();

    FractionProblem problem_;
};
