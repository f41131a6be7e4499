#pragma once
#include "papers/paper_flow.h"

// Test paper 12 (the menu's Kr12): expressions with mixed numbers, a wire cut in
// three, boxes of mandarins, and an equation that holds for every X.
class TForm13 : public TestPaper {
public:
    TForm13();
    void FormCreate() override;

private:
    void DrawProblem1();
    void DrawQuotient();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
};
