#pragma once
#include <array>
#include <cstdint>

#include "problems/problem_set.h"

// Problem set 3: adding and subtracting mixed numbers, and joint work, in eight
// kinds of word problems (three boxes, the triangle, the treasure, ploughing,
// painters, the watermelon, filling and draining, the second pipe); an attempt
// meets five of them.
class TForm26 : public ProblemSet {
public:
    TForm26();
    void FormCreate() override;

protected:
    void ClearProblem() override;
    void Generate(int kind) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void ThreeBoxes();
    void Triangle();
    void Treasure();
    void Ploughing();
    void Painters();
    void Watermelon();
    void FillingAndDraining();
    void SecondPipe();
    // Two factors of one small prime: d1 takes a marked prime, d2 a fresh one.
    std::pair<int64_t, int64_t> SharedDenominators(int n, int base);
    void Ask(std::initializer_list<int> fields, std::initializer_list<int> bars);

    // Right answers of Edit1 … Edit9, as the edits show them; asked_ the edits of this kind.
    std::array<int64_t, 10> right_{};
    std::vector<int> asked_;
};
