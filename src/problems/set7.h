#pragma once
#include <array>
#include <cstdint>

#include "problems/problem_set.h"

// Problem set 7: ratios, unit conversion, motion and joint work in five kinds of
// word problems (oil tanks, a speed in metres a minute, the tram, two painters,
// the second worker); every attempt meets each kind once.
class TForm30 : public ProblemSet {
public:
    TForm30();
    void FormCreate() override;

protected:
    void ClearProblem() override;
    void Generate(int kind) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void OilTanks();
    void SpeedConversion();
    void Tram();
    void TwoPainters();
    void SecondWorker();

    // Right answers of Edit1 … Edit4, and the edits this kind asks for.
    std::array<int64_t, 5> right_{};
    std::vector<int> asked_;
};
