#pragma once
#include <QPushButton>

#include "app/attempt_record.h"
#include "app/screen.h"

// What the finger and fraction games share: ten problems a game, checked one at
// a time; every right answer uncovers the next stage of a picture, and after the
// tenth answer the game shows "Поздоровляю!", the time and a mark picture on the
// ten-point scale and appends one line to "vch\stat.txt". A game screen supplies
// its controls, its problems and how it shows a verdict; the count lives here.
//
// A game is played once per run of the program: nothing resets it when the
// screen is closed and opened again.
class DrillGame : public Screen {
public:
    DrillGame(const QString& caption, QSize page);

    int rightCount() const { return right_; }
    int errorCount() const { return errors_; }
    bool gameStarted() const { return started_; }
    bool gameOver() const { return over_; }
    const AttemptRecord& attempt() const { return attempt_; }

    static constexpr int kProblems = 10;

protected:
    struct DrillControls {
        QPushButton* check = nullptr;     // "Перевірка"
        QPushButton* next = nullptr;      // "Продовження"
        Picture* stage = nullptr;         // the picture uncovered by right answers
        Picture* mark = nullptr;          // the mark picture
        Label* congratulation = nullptr;  // "Поздоровляю!"
        Label* time = nullptr;            // "Час " + seconds + " c"
    };
    // Also puts "Перевірка" after the answer boxes for Tab and has the end announced.
    void setDrillControls(const DrillControls& controls);

    // FormCreate: no answers yet, "Перевірка" and "Продовження" hidden.
    void resetGame();
    // The attempt's clock starts and "Перевірка" is shown. False when a game
    // was already started: one game per run.
    bool startGame(int level);
    // Whether "Перевірка" may judge now: the game runs and this problem is not judged yet.
    bool acceptingAnswers() const;
    // "Продовження": true (and "Перевірка" back) when there is a next problem to draw.
    bool advanceProblem();
    // Counts a judged answer after the screen has shown its verdict: a right one
    // uncovers the next stage of "vch\" + stageSeries ("01" or "02"); the tenth
    // answer ends the game.
    void scoreAnswer(bool right, const QString& stageSeries);

private:
    // The end of the game on screen and in the attempt: "Поздоровляю!", the time, the log line made.
    void showFinish();

    DrillControls controls_;
    AttemptRecord attempt_;
    int level_ = 0;
    int right_ = 0;
    int errors_ = 0;
    bool started_ = false;
    bool over_ = false;
};
