#pragma once
#include <QString>
#include <QStringList>

#include "problems/problem_set.h"

// What a staged screen fixes beyond the problem-set plan.
struct StageLadderPlan {
    int checks = 0;             // checks in an attempt, right or wrong; also the number of stages
    QStringList stagePictures;  // shown after a right answer at stage 0, 1, …
    int stageImage = 1;         // the Image that shows them
    QString markPicture;        // "%1" is the stage reached: "zcircle\\ocenka%1ps.bmp"
};

// The problem-set flow for a fixed ladder of stages instead of kinds drawn at
// random: a right answer climbs one stage, a wrong one costs a try and the next
// problem is a fresh one of the same stage. The attempt ends after a fixed number
// of checks; reaching the top stage (every check right) starts the reward
// animation. Mark, time and log line end the attempt as in every set, with the
// errors counted as checks less stages climbed.
//
// The screen's Generate(stage) draws a problem of that stage. Button2Click and
// Button3Click here take the place of the kind-drawing ones of ProblemSet;
// WireLadder connects these.
class StageLadder : public ProblemSet {
public:
    StageLadder(const QString& caption, QSize page, ProblemSetPlan plan, StageLadderPlan ladder);

    void FormCreate() override;
    void Button2Click();
    void Button3Click();

    int stage() const { return Stage; }
    const StageLadderPlan& ladder() const { return ladder_; }

protected:
    // Connects Button1 … Button3 and Timer1 (the screen makes Timer1 first).
    void WireLadder();
    // Runs at the first press of "Початок", after the attempt record is started.
    virtual void FirstProblem() {}

    int Stage = 0;

private:
    StageLadderPlan ladder_;
    bool problemOpen_ = false;  // a problem is shown and not yet checked
};
