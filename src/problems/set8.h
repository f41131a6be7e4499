#pragma once
#include <array>
#include <cstdint>

#include "problems/stage_ladder.h"

// Problem set 8: five stages of dividing a number in a given ratio, from two
// parts to three parts given by two ratios X:Y and Y:Z.
class TForm32 : public StageLadder {
public:
    TForm32();
    void FormCreate() override;

protected:
    void ClearProblem() override;
    void Generate(int stage) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void TwoParts();
    void ThreeParts();
    void Triangle();
    void FourParts();
    void TwoRatios();
    // Shows Edit1 … Edit<count> open and hides the rest.
    void OpenFields(int count);
    static int DrawFactor();

    std::array<int64_t, 4> right_{};
    int fields_ = 0;  // edits the problem on screen asks for
};
