#include "games/drill_game.h"

#include "app/results_log.h"

DrillGame::DrillGame(const QString& caption, QSize page) : Screen(caption, page) {}

void DrillGame::setDrillControls(const DrillControls& controls) {
    controls_ = controls;
    setJudgingButton(controls_.check);
    markAnnounced(controls_.congratulation);
    markAnnounced(controls_.time);
}

void DrillGame::resetGame() {
    right_ = 0;
    errors_ = 0;
    controls_.check->hide();
    controls_.next->hide();
}

bool DrillGame::startGame(int level) {
    if (started_) return false;
    started_ = true;
    level_ = level;
    BeginAttempt(attempt_);
    controls_.next->hide();
    controls_.check->show();
    Announce(QStringLiteral("Приклад 1 з %1").arg(kProblems));
    return true;
}

bool DrillGame::acceptingAnswers() const { return started_ && !over_ && !controls_.check->isHidden(); }

bool DrillGame::advanceProblem() {
    if (!started_ || over_ || acceptingAnswers()) return false;
    controls_.next->hide();
    controls_.check->show();
    Announce(QStringLiteral("Приклад %1 з %2").arg(right_ + errors_ + 1).arg(kProblems));
    return true;
}

void DrillGame::scoreAnswer(bool right, const QString& stageSeries) {
    controls_.check->hide();
    controls_.next->show();
    // Otherwise focus falls to "Повернення", and a stray Space would leave the game.
    controls_.next->setFocus();
    if (right) ++right_;
    else ++errors_;
    const bool last = right_ + errors_ == kProblems;
    if (last) showFinish();
    // The pictures come before the log line, and neither stops the handler: a
    // missing picture must not cost the teacher the line, nor a missing or
    // locked log the pupil the tenth stage and the mark.
    if (right) {
        // Stage 9 for the first right answer, … 1 for the ninth, the whole picture for the tenth.
        const int stage = kProblems - right_;
        LoadPictureOrReport(controls_.stage, QStringLiteral("vch\\") + stageSeries +
                                                 (stage > 0 ? QStringLiteral("(%1).bmp").arg(stage) : QStringLiteral(".bmp")));
        controls_.stage->setAccessibleName(QStringLiteral("Правильних відповідей: %1 з %2").arg(right_).arg(kProblems));
    }
    if (last) {
        LoadPictureOrReport(controls_.mark, QStringLiteral("vch\\ocenka%1.bmp").arg(kProblems - errors_));
        AppendLine(QStringLiteral("vch\\stat.txt"), attempt_.logLine);
    }
}

void DrillGame::showFinish() {
    over_ = true;
    controls_.congratulation->setText(QStringLiteral("Поздоровляю!"));
    controls_.check->hide();
    controls_.next->hide();
    attempt_.errorCount = errors_;
    FinishAttempt(attempt_);
    const QString seconds = QString::number(attempt_.elapsedSeconds);
    // " c" with a Latin c.
    controls_.time->setText(QStringLiteral("Час ") + seconds + QStringLiteral(" c"));
    attempt_.logLine += QString::number(errors_) + QStringLiteral(" час виконання ") + seconds + QStringLiteral(" c ") +
                        QStringLiteral(" рівень ") + QString::number(level_);
}
