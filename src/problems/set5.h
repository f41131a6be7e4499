#pragma once
#include <QString>
#include <cstdint>

#include "problems/problem_set.h"

// Problem set 5: a fraction and a percentage of a quantity, in seven kinds of
// word problems (right and straight angles, mushrooms, vegetables, an alloy, a
// fraction of a decimal against a percentage, chestnuts and oaks); an attempt
// meets five of them.
class TForm28 : public ProblemSet {
public:
    TForm28();
    void FormCreate() override;

protected:
    void ClearProblem() override;
    void Generate(int kind) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void Angle(int table, int drawN, const QString& angle);
    void Mushrooms();
    void Vegetables();
    void Alloy();
    void DecimalAgainstPercent();
    void ChestnutsAndOaks();
    // A numerator below d and prime to it.
    static int64_t CoprimeNumerator(int64_t d);
    void AskNumber(const QString& right);

    QString right_;              // Edit1's right text
    int64_t num_ = 0, den_ = 1;  // the fraction of kind 7
};
