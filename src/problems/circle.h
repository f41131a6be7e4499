#pragma once
#include <QString>

#include "problems/stage_ladder.h"

// The circle: eight stages on the circumference and the area of a circle, from
// a diameter in two units to the red line and the yellow area of a drawing.
class TForm31 : public StageLadder {
public:
    TForm31();
    void FormCreate() override;

protected:
    void FirstProblem() override;
    void ClearProblem() override;
    void Generate(int stage) override;
    bool AnswerIsRight() override;
    void ShowRightAnswers() override;

private:
    void Diameter();
    void TwoCircles();
    void Circumference();
    void Area();
    void DiameterFromCircumference();
    void Wheel();
    void RedLine();
    void YellowArea();
    void ShowDrawing(const QString& name);
    // Puts the small "1" and "2" of O₁ and O₂ into the gaps of the text line.
    void PlaceSubscripts();

    // The right answer of Edit1, and of Edit2 at stage 0; what Label10 says after a wrong answer.
    QString right1_, right2_, rightShown_;
};
