#pragma once
#include <QString>
#include <cstdint>

#include "problems/problem_set.h"

// Problem set 6: successive parts and percentages in five kinds of word problems
// (sweets over three weeks, a bank's profit, the canteen, the orchard, a cord);
// every attempt meets each kind once.
class TForm29 : public ProblemSet {
public:
    TForm29();
    void FormCreate() override;

protected:
    void ClearProblem() override;
    void Generate(int kind) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void Sweets();
    void BankProfit();
    void Canteen();
    void Orchard();
    void Cord();

    QString right_;  // Edit1's right text
};
