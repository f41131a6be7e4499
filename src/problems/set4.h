#pragma once
#include <cstdint>

#include "core/arithmetic.h"
#include "problems/problem_set.h"

// Problem set 4: multiplying mixed numbers in motion and area problems (the car,
// bananas, two ships, two rectangles); every attempt meets each kind once.
class TForm27 : public ProblemSet {
public:
    TForm27();
    void FormCreate() override;

protected:
    void ClearProblem() override;
    void Generate(int kind) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void Car();
    void Bananas();
    void TwoShips();
    void Rectangle();
    void RectangleTimes();
    void AskMixed(Fraction value);

    int64_t whole_ = 0, num_ = 0, den_ = 1;  // kind 1 asks for whole_ only
};
