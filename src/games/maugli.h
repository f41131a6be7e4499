#pragma once
#include "app/attempt_record.h"
#include "app/screen.h"
#include "games/maugli_problems.h"

// Game "Мауглі": the pupil picks one of four gardens and solves its twelve
// fraction problems; each right answer fills the score bar and moves the
// character, about ninety seconds without a right answer lose the game, and
// twelve right answers win a reward picture and a line in "GTM\stat.txt".
// A one-second timer drives the animation and the idle count; it ticks from
// start-up, also while the screen is closed.
class TForm36 : public Screen {
public:
    TForm36();
    void FormCreate() override;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Timer1Timer();

    // What a right answer waits for before the next tick takes it up.
    enum Pending { None = 0, RightAnswer = 5, WrongAnimation = 7, Processed = 9 };
    enum End { Playing = 0, Rewarded = 1, Lost = 2 };

    int garden() const { return garden_; }
    int score() const { return score_; }
    int pose() const { return pose_; }
    int idleTicks() const { return idleTicks_; }
    int pendingEvent() const { return pending_; }
    int endState() const { return end_; }
    const MaugliProblem& problem() const { return problem_; }

private:
    void startGarden(int garden);
    // Draws the problem the schedule gives for the current score and shows it.
    void showNextProblem(bool first);
    void playWrongAnimation();
    void playPoseAnimation();
    void checkTimeLimit();

    int garden_ = 0;
    int score_ = 0;
    int pose_ = 0;
    int idleTicks_ = 0;  // 0: the game has not started and nothing is counted
    int pending_ = None;
    int frame_ = 0;
    int end_ = Playing;
    MaugliGenerator generator_;
    MaugliProblem problem_;
    AttemptRecord attempt_;
};
