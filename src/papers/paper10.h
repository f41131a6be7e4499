#pragma once
#include "papers/paper_flow.h"

// Test paper 10: linear equations with rational numbers, trains, tourists, and
// a product equal to zero whose two roots may be written in either order.
class TForm12 : public TestPaper {
public:
    TForm12();
    void FormCreate() override;

private:
    void DrawProblem1();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
    void DrawProblem5();
};
