#include "problems/stage_ladder.h"

StageLadder::StageLadder(const QString& caption, QSize page, ProblemSetPlan plan, StageLadderPlan ladder)
    : ProblemSet(caption, page, std::move(plan)), ladder_(std::move(ladder)) {}

void StageLadder::WireLadder() {
    onClick(button(1), &ProblemSet::Button1Click);
    onClick(button(2), &StageLadder::Button2Click);
    onClick(button(3), &StageLadder::Button3Click);
    onTimer(timer(1), &ProblemSet::Timer1Timer);
}

void StageLadder::FormCreate() {
    ProblemSet::FormCreate();
    Stage = 0;
}

void StageLadder::Button2Click() {
    // Only while tries remain and no problem is waiting for its check.
    if (problemOpen_ || ProblemNo >= ladder_.checks) return;
    if (ProblemNo == 0) {
        StartAttempt();
        FirstProblem();
    }
    button(2)->hide();
    button(3)->show();
    ClearProblem();
    CurrentKind = Stage;  // the ladder's "kind" is its stage
    // Open before generating: should a generator fail half way, "Перевірка" still
    // marks the problem and the attempt can be finished.
    problemOpen_ = true;
    Generate(Stage);
    label(plan().titleLabel)->setText(QStringLiteral("Задача %1").arg(ProblemNo + 1));
    NameControls();
}

void StageLadder::Button3Click() {
    // One check per problem: a second one would spend a try on the same answer.
    if (!problemOpen_) return;
    problemOpen_ = false;
    button(3)->hide();
    button(2)->setText(QStringLiteral("Продовження"));
    button(2)->show();
    ++ProblemNo;

    if (AnswerIsRight()) {
        ++RightCount;
        label(plan().verdictLabel)->setText(QStringLiteral("Правильно"));
        if (Stage < ladder_.stagePictures.size()) {
            LoadPictureOrReport(image(ladder_.stageImage), ladder_.stagePictures[Stage]);
            image(ladder_.stageImage)->setAccessibleName(
                QStringLiteral("Пройдено етапів: %1 з %2").arg(Stage + 1).arg(ladder_.checks));
        }
        ++Stage;
        if (Stage == ladder_.checks) AnimStep = 1;  // every check right: the reward loops
    } else {
        ++ErrorCount;
        label(plan().verdictLabel)->setText(QStringLiteral("Неправильно"));
        if (plan().rightCaptionLabel > 0)
            label(plan().rightCaptionLabel)->setText(QStringLiteral("Правильна відповідь:"));
        ShowRightAnswers();
    }

    if (ProblemNo == ladder_.checks) FinishSet(ProblemNo - Stage, ladder_.markPicture.arg(Stage));
}
