#pragma once
#include <QString>
#include <array>
#include <cstdint>

#include "problems/problem_set.h"

// Problem set 2: comparing, subtracting and adding fractions in five kinds of
// word problems (cheese, cars, sour cream, Cinderella, the boat); every attempt
// meets each kind once.
class TForm25 : public ProblemSet {
public:
    TForm25();
    void FormCreate() override;

protected:
    void ClearProblem() override;
    void Generate(int kind) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void Cheese();
    void Cars();
    void SourCream();
    void Cinderella();
    void Boat();
    void OpenMixedAnswer();

    int rightChoice_ = 0;                 // W: 1 when the second quantity is the larger
    int64_t whole_ = 0, num_ = 0, den_ = 1;  // the fraction or mixed number asked for
};
