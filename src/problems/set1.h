#pragma once
#include <QString>
#include <array>

#include "problems/problem_set.h"

// Problem set 1: greatest common divisor and least common multiple in six kinds
// of word problems (dictionaries, gifts, roses, steps, the pool, sweets).
class TForm24 : public ProblemSet {
public:
    TForm24();
    void FormCreate() override;

    // The weekdays as the pool problem names them, Monday first.
    static const std::array<QString, 7>& Weekdays();

protected:
    void ClearProblem() override;
    void Generate(int kind) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void Dictionaries();
    void Gifts();
    void Roses();
    void Steps();
    void Pool();
    void Sweets();
    int64_t DrawCommonFactor();
    void ShowText(const QString& line2, const QString& line3, const QString& line4);

    // Right answers of the problem on screen: Edit1 … Edit4; the pool's weekday 1 … 7.
    std::array<int64_t, 4> right_{};
    int rightWeekday_ = 0;
};
