#pragma once
#include <array>

#include "papers/paper_flow.h"

// Item 2 of test paper 9: the product of two negative mixed numbers.
struct MixedProduct {
    int w1 = 0, n1 = 0, d1 = 1;  // the first number, W1 N1/D1
    int w2 = 0, n2 = 0, d2 = 1;  // the second, W2 N2/D2
    int attempts = 0;            // how many times the draw began again
};
// Draws the two numbers. A draw whose fraction comes out whole begins again
// from its first step with every prime free again, so it always ends.
MixedProduct DrawMixedProduct();

// Test paper 9: multiplying and dividing rational numbers, and simplifying
// letter expressions, one of them shown as a picture.
class TForm11 : public TestPaper {
public:
    TForm11();
    void FormCreate() override;

protected:
    // The expression picture says its expression.
    QString SpokenName(QWidget* control) const override;

private:
    void DrawProblem1();
    void DrawProblem2();
    void DrawProblem3();
    void DrawProblem4();
    void DrawProblem5();
    void LoadPictures();

    int expression_ = 1;  // which picture "kr/prK.bmp" item 12 shows
};
