#include "games/maugli.h"

#include "app/results_log.h"
#include "core/random.h"

namespace {
const int kWinningScore = 12;
const int kLostScore = 13;

QString gtm(const QString& name) { return QStringLiteral("GTM\\") + name + QStringLiteral(".bmp"); }
}  // namespace

TForm36::TForm36() : Screen(QStringLiteral("Form36"), QSize(1100, 720)) {
    addButton(1, 930, 16, 160, 44, 24);
    addButton(3, 930, 250, 160, 52, 24);
    addButton(2, 930, 330, 160, 52, 24);
    addButton(4, 930, 396, 160, 52, 24);
    addButton(5, 930, 462, 160, 52, 24);
    addButton(6, 930, 528, 160, 52, 24);
    addButton(7, 1060, 690, 30, 20, 10);

    addEdit(1, 869, 139, 70, 46, 28);
    addEdit(2, 951, 108, 80, 46, 28);
    addEdit(3, 951, 179, 80, 46, 28);

    // The fraction display: the blanks of the operation line put its signs
    // between the two stacked fractions.
    addLabel(1, 599, 143, 32);
    addLabel(3, 639, 123, 32);
    addLabel(4, 639, 167, 32);
    addLabel(5, 783, 123, 32);
    addLabel(6, 783, 167, 32);
    addLabel(2, 728, 284, 32);
    addLabel(9, 472, 312, 28);
    addLabel(10, 520, 280, 28);
    addLabel(11, 520, 344, 28);
    addLabel(12, 599, 406, 24);
    addLabel(13, 599, 446, 20);
    addLabel(14, 575, 470, 20);
    addLabel(15, 599, 494, 20);
    addLabel(7, 632, 576, 32);
    addLabel(8, 632, 640, 32);

    addImage(1, 32, 352, 393, 313, Picture::Fit::Stretch);
    addImage(2, 32, 32, 393, 313, Picture::Fit::Stretch);
    addImage(3, 638, 155, 41, 17, Picture::Fit::Stretch);
    addImage(4, 782, 155, 41, 17, Picture::Fit::Stretch);
    addImage(5, 7, 392, 26, 217, Picture::Fit::Stretch);

    addTimer(1, 1000);

    onClick(button(1), &TForm36::Button1Click);
    onClick(button(2), &TForm36::Button2Click);
    onClick(button(3), &TForm36::Button3Click);
    onClick(button(4), &TForm36::Button4Click);
    onClick(button(5), &TForm36::Button5Click);
    onClick(button(6), &TForm36::Button6Click);
    onTimer(timer(1), &TForm36::Timer1Timer);
}

void TForm36::FormCreate() {
    setDumpButton(button(7));
    score_ = 0;
    pose_ = 0;
    pending_ = None;
    idleTicks_ = 0;
    frame_ = 0;
    Randomize();
    for (int n = 1; n <= 15; ++n) label(n)->setText(QString());
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Сад 1"));
    button(3)->setText(QStringLiteral("Перевірка"));
    button(4)->setText(QStringLiteral("Сад 2"));
    button(5)->setText(QStringLiteral("Сад 3"));
    button(6)->setText(QStringLiteral("Сад 4"));
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
    button(3)->hide();
    LoadPicture(image(1), gtm(QStringLiteral("first")));
}

void TForm36::Button1Click() { Close(); }
void TForm36::Button2Click() { startGarden(1); }
void TForm36::Button4Click() { startGarden(2); }
void TForm36::Button5Click() { startGarden(3); }
void TForm36::Button6Click() { startGarden(4); }

void TForm36::startGarden(int garden) {
    BeginAttempt(attempt_);
    // This game counts no errors: a single blank stands where the others write " помилок ".
    attempt_.logLine = QStringLiteral("дата ") + attempt_.dateText + QStringLiteral(" час початку ") +
                       attempt_.startTimeText + QStringLiteral(" ");
    garden_ = garden;
    if (garden == 2) end_ = Playing;
    for (int n = 1; n <= 3; ++n) edit(n)->show();
    button(3)->show();
    for (int n : {2, 4, 5, 6}) button(n)->hide();  // one game per run
    ++idleTicks_;
    // The other gardens open with the wrong-answer animation; its first tick shows nothing.
    if (garden != 1) pending_ = WrongAnimation;
    label(2)->setText(QString());
    edit(1)->clear();
    showNextProblem(true);
    // Pictures last: a missing one must not leave the game without its first problem.
    LoadPicture(image(1), gtm(QStringLiteral("m1")));
    LoadPicture(image(3), gtm(QStringLiteral("chdr4")));
    LoadPicture(image(4), gtm(QStringLiteral("chdr4")));
    LoadPicture(image(5), gtm(QStringLiteral("level0")));
}

void TForm36::showNextProblem(bool first) {
    problem_ = generator_.next(garden_, score_);
    label(1)->setText(OperationLine(garden_, score_, first, problem_));
    label(3)->setText(problem_.t1);
    label(4)->setText(problem_.d1);
    label(5)->setText(problem_.t2);
    label(6)->setText(problem_.d2);
}

void TForm36::Button3Click() {
    // A right answer is already scored; until the next tick brings the next
    // problem, a second press would score it again.
    if (pending_ == RightAnswer) return;
    const bool right = end_ == Playing && edit(1)->text() == problem_.whole &&
                       edit(2)->text() == problem_.numerator && edit(3)->text() == problem_.denominator;
    if (right) {
        ++pose_;
        idleTicks_ = 1;
        label(2)->setText(QStringLiteral("Правильно"));
        pending_ = RightAnswer;
        ++score_;
        for (int n = 12; n <= 15; ++n) label(n)->setText(QString());
    } else {
        label(2)->setText(QStringLiteral("Неправильно"));
        pending_ = WrongAnimation;
        frame_ = 1;
        label(12)->setText(QStringLiteral("Було введено"));
        label(13)->setText(edit(2)->text());
        label(14)->setText(edit(1)->text());
        label(15)->setText(edit(3)->text());
    }
    if (score_ == kWinningScore) {
        label(7)->setText(QStringLiteral("Поздоровляю!"));
        button(3)->hide();
        FinishAttempt(attempt_);
        const QString seconds = QString::number(attempt_.elapsedSeconds);
        // The time is shown before the log is written, so a missing log costs the pupil nothing on screen.
        label(8)->setText(QStringLiteral("Час ") + seconds + QStringLiteral(" c"));  // Latin c
        AppendLine(QStringLiteral("GTM\\stat.txt"), attempt_.logLine + QStringLiteral(" час виконання ") + seconds +
                                                        QStringLiteral(" c ") + QStringLiteral(" рівень ") +
                                                        QString::number(garden_));  // Latin c
    }
}

void TForm36::Timer1Timer() {
    if (pending_ == WrongAnimation) playWrongAnimation();
    if (pending_ == RightAnswer) {
        pending_ = Processed;
        if (score_ != kWinningScore) {
            label(2)->setText(QString());
            for (int n = 1; n <= 3; ++n) edit(n)->clear();
            showNextProblem(false);
        }
        LoadPicture(image(5), QStringLiteral("GTM\\level%1.bmp").arg(score_));
    }
    if (idleTicks_ != 0) ++idleTicks_;
    playPoseAnimation();
    if (score_ < kWinningScore) checkTimeLimit();
    if (end_ == Lost) {
        label(9)->setText(problem_.whole);
        label(10)->setText(problem_.numerator);
        label(11)->setText(problem_.denominator);
    }
    if (score_ == kWinningScore) {
        if (end_ == Playing) {
            end_ = Rewarded;
            const int k = DrawCategory(59, 10);
            LoadPicture(image(2), QStringLiteral("GTM\\a%1.bmp").arg(6 * (garden_ - 1) + k));
        }
        LoadPicture(image(1), gtm(QStringLiteral("face")));
    }
}

// Four frames after a wrong answer, from the rest pose the character stands in.
// The state moves before the picture loads, so a missing picture cannot stall the game.
void TForm36::playWrongAnimation() {
    static const char* const fromPose0or7[] = {"m222", "m1vis2", "m222", "m1"};
    static const char* const fromPose4[] = {"m444", "m1vis", "m444", "m3"};
    const char* picture = nullptr;
    if (frame_ >= 1 && frame_ <= 4) {
        if (pose_ == 0 || pose_ == 7) picture = fromPose0or7[frame_ - 1];
        else if (pose_ == 4) picture = fromPose4[frame_ - 1];
    }
    ++frame_;
    if (frame_ > 4) pending_ = None;
    if (picture) LoadPicture(image(1), gtm(QString::fromLatin1(picture)));
}

// After a right answer the character moves on from one rest pose (0, 4, 7) to the next.
void TForm36::playPoseAnimation() {
    static const char* const frames[] = {nullptr, "m1", "m2", "m3", nullptr, "m11", "m22", nullptr, "m33", "m44"};
    const char* picture = pose_ >= 1 && pose_ <= 9 ? frames[pose_] : nullptr;
    if (picture) {
        ++pose_;
        idleTicks_ = 1;
    }
    if (pose_ > 9) pose_ = 4;
    if (picture) LoadPicture(image(1), gtm(QString::fromLatin1(picture)));
}

void TForm36::checkTimeLimit() {
    const bool firstRest = pose_ == 0 || pose_ == 7;
    if (!firstRest && pose_ != 4) return;
    if (idleTicks_ == 30) {
        LoadPicture(image(1), gtm(firstRest ? QStringLiteral("g!1") : QStringLiteral("gg1")));
    } else if (idleTicks_ == 60) {
        LoadPicture(image(1), gtm(firstRest ? QStringLiteral("g!2") : QStringLiteral("gg2")));
    } else if (idleTicks_ == 90) {
        ++idleTicks_;
        LoadPicture(image(1), gtm(firstRest ? QStringLiteral("g!2") : QStringLiteral("gg3")));
    } else if (idleTicks_ == 92) {
        for (int n = 1; n <= 3; ++n) edit(n)->setEnabled(false);
        end_ = Lost;
        score_ = kLostScore;
        LoadPicture(image(1), gtm(QStringLiteral("uneslo")));
    }
}
