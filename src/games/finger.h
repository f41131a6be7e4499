#pragma once
#include <QString>
#include <cstdint>

#include "games/drill_game.h"

// One problem of the finger game: a chain of signed terms ending in "=" and the
// text of its sum.
struct FingerProblem {
    QString chain;
    int64_t sum = 0;  // in tenths in lesson 2
    QString answer;
};

// The level the number of right answers so far gives (errors never raise it): 1 … 4.
int FingerLevel(int rightCount);
// Draws a problem of lesson 1 (signed integers) or lesson 2 (signed integers and
// signed decimals with one decimal digit) at the level of rightCount.
FingerProblem DrawFingerProblem(int lesson, int rightCount);

// Game "finger": mental addition of signed numbers. The pupil picks "Урок 1"
// (integers) or "Урок 2" (integers and decimals); each problem is a chain of
// four to six terms, longer and larger as right answers grow. Enter in the
// answer box checks like "Перевірка".
class TForm34 : public DrillGame {
public:
    TForm34();
    void FormCreate() override;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Edit1KeyDown(int key);

    int lesson() const { return lesson_; }
    const FingerProblem& problem() const { return problem_; }

private:
    void startLesson(int lesson);
    void showNextProblem();

    int lesson_ = 0;
    FingerProblem problem_;
};
