#include "lessons/lesson_series.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <cmath>
#include <algorithm>

#include "app/results_log.h"

LessonSeries::LessonSeries(const QString& caption, QSize page) : Screen(caption, page) {}

void LessonSeries::setSeriesControls(const SeriesControls& controls) {
    controls_ = controls;
    setJudgingButton(controls_.check);
    markAnnounced(controls_.congratulation);
    markAnnounced(controls_.time);
}

QString LessonSeries::logTail() const { return QStringLiteral("  рівень ") + QString::number(level_); }

int LessonSeries::mark() const { return std::max(0, length_ - errors_); }

void LessonSeries::beginAttempt() {
    BeginAttempt(attempt_);
    attemptBegun_ = true;
}

bool LessonSeries::startSeries(int level, int length) {
    if (seriesStarted()) return false;
    if (!attemptBegun_) beginAttempt();
    for (QPushButton* b : controls_.choices) b->hide();
    level_ = level;
    length_ = std::max(1, length);
    exercise_ = 1;
    controls_.check->show();
    Announce(QStringLiteral("Вправа 1 з %1").arg(length_));
    return true;
}

bool LessonSeries::advanceExercise() {
    if (!seriesStarted() || over_ || isLastExercise()) return false;
    controls_.next->hide();
    controls_.check->show();
    ++exercise_;
    Announce(QStringLiteral("Вправа %1 з %2").arg(exercise_).arg(length_));
    return true;
}

bool LessonSeries::acceptingAnswers() const {
    return seriesStarted() && !over_ && controls_.check && !controls_.check->isHidden();
}

void LessonSeries::offerNextExercise() {
    controls_.check->hide();
    if (!isLastExercise()) {
        controls_.next->show();
        // Otherwise focus falls to "Повернення", and a stray Space would leave the lesson.
        controls_.next->setFocus();
    }
}

void LessonSeries::advanceProgress() {
    // Counted before the picture is loaded: a missing picture must not cost the
    // pupil a stage of the next one.
    loadProgressStage(correct_++);
}

void LessonSeries::loadProgressStage(int rightBefore) {
    const int stage = length_ - 1 - rightBefore;
    const QString name = progressPictureBase() + (stage > 0 ? QStringLiteral("(%1).bmp").arg(stage) : QStringLiteral(".bmp"));
    LoadPicture(controls_.progress, name);
    controls_.progress->setAccessibleName(QStringLiteral("Правильних вправ: %1 з %2").arg(rightBefore + 1).arg(length_));
}

void LessonSeries::judgeExercise(bool right, int errors) {
    const int before = correct_;
    if (right) {
        ++correct_;
    } else {
        countErrors(errors);
    }
    offerNextExercise();
    if (isLastExercise()) finishSeries();
    if (right) loadProgressStage(before);
}

void LessonSeries::finishSeries() {
    if (over_) return;
    over_ = true;
    controls_.check->hide();
    controls_.next->hide();
    controls_.congratulation->setText(QStringLiteral("Поздоровляю!"));
    attempt_.errorCount = errors_;
    FinishAttempt(attempt_);
    // The time goes on screen before anything that can fail; the log line comes
    // before the mark picture, so that a missing picture never costs the teacher
    // the result. " c" with a Latin c, as the logs have always had it.
    controls_.time->setText(QStringLiteral("Час ") + QString::number(attempt_.elapsedSeconds) + QStringLiteral(" c"));
    attempt_.logLine += QString::number(errors_) + QStringLiteral(" час виконання ") +
                        QString::number(attempt_.elapsedSeconds) + QStringLiteral(" c") + logTail();
    AppendLine(logPath(), attempt_.logLine);
    LoadPicture(controls_.mark, markPictureName(mark()));
}

void LessonSeries::checkOnEnter(QLineEdit* box) {
    enterBoxes_.push_back(box);
    box->installEventFilter(this);
}

bool LessonSeries::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        std::find(enterBoxes_.begin(), enterBoxes_.end(), watched) != enterBoxes_.end()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (!key->isAutoRepeat()) enterIn(static_cast<QLineEdit*>(watched));
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

void LessonSeries::enterIn(QLineEdit* box) {
    if (!controls_.check || controls_.check->isHidden()) return;
    // The boxes of this exercise, in the order the lesson gave them.
    std::vector<QLineEdit*> inUse;
    for (QLineEdit* b : enterBoxes_)
        if (b->isEnabled() && !b->isHidden()) inUse.push_back(b);
    const auto at = std::find(inUse.begin(), inUse.end(), box);
    if (at == inUse.end()) return;
    const bool allFilled =
        std::none_of(inUse.begin(), inUse.end(), [](const QLineEdit* b) { return b->text().isEmpty(); });
    // A box may rightly stay empty (a whole part of nought), so Enter walks on
    // through the exercise; it checks only where the pupil is done with it.
    if (allFilled || (at + 1 == inUse.end() && !box->text().isEmpty())) {
        controls_.check->click();
    } else if (at + 1 != inUse.end()) {
        (*(at + 1))->setFocus(Qt::TabFocusReason);
    }
}

int LessonSeries::textWidth(const Label* label, const QString& text) const {
    return int(std::ceil(QFontMetricsF(label->font()).horizontalAdvance(text) / pageScale()));
}

LessonSeries::Gap LessonSeries::widenBlanks(Label* line, int room) {
    const QString text = line->text();
    // The longest run of blanks.
    int runStart = 0, runEnd = 0;
    for (int i = 0; i < text.size();) {
        int j = i;
        while (j < text.size() && text[j] == u' ') ++j;
        if (j - i > runEnd - runStart) runStart = i, runEnd = j;
        i = j + 1;
    }
    QFont font = line->font();
    // The gap's width in pixels for a word spacing: how the toolkit spreads it
    // over the blanks is its own business, the gap grows in a straight line.
    auto gapWidth = [&](double spacing) {
        font.setWordSpacing(spacing);
        const QFontMetricsF metrics(font);
        return metrics.horizontalAdvance(text.left(runEnd)) - metrics.horizontalAdvance(text.left(runStart));
    };
    const double wanted = room * pageScale();
    const double natural = gapWidth(0), growth = gapWidth(10) - natural;
    double spacing = 0;
    if (natural < wanted && growth > 0) spacing = (wanted - natural) * 10 / growth;
    font.setWordSpacing(spacing);
    line->setFont(font);
    line->fitText();
    const int left = designRect(line).left();
    return {left + textWidth(line, text.left(runStart)), left + textWidth(line, text.left(runEnd))};
}

void LessonSeries::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    layoutExercise();
}

void LessonSeries::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    layoutExercise();
}
