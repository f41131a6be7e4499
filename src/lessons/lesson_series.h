#pragma once
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "app/attempt_record.h"
#include "app/screen.h"

// What every lesson screen shares: a series of generated exercises begun by a
// lesson (choice) button, checked one at a time, with a progress picture that
// grows with each right exercise and, at the end, the time, a mark picture and
// one line in the lesson's results log. A lesson screen supplies its controls,
// its exercises and the names of its files; the rules of the series live here.
//
// The choice buttons never come back: one series per run of the program, and a
// finished or abandoned series stays on the screen as it was left.
class LessonSeries : public Screen {
public:
    LessonSeries(const QString& caption, QSize page);

    int level() const { return level_; }
    // 1 … seriesLength() once a series runs; 0 before.
    int exerciseNumber() const { return exercise_; }
    int seriesLength() const { return length_; }
    int errorCount() const { return errors_; }
    int correctCount() const { return correct_; }
    bool seriesStarted() const { return exercise_ > 0; }
    bool seriesOver() const { return over_; }
    const AttemptRecord& attempt() const { return attempt_; }

protected:
    // The controls the series drives; all of them belong to the lesson screen.
    struct SeriesControls {
        QPushButton* check = nullptr;     // "Перевірка"
        QPushButton* next = nullptr;      // "Продовження"
        std::vector<QPushButton*> choices;  // lesson (and topic) buttons, hidden for good at the start
        Picture* progress = nullptr;      // the picture revealed by right exercises
        Picture* mark = nullptr;          // the mark strip
        Label* congratulation = nullptr;  // "Поздоровляю!"
        Label* time = nullptr;            // "Час " + seconds + " c"
    };
    // Also puts "Перевірка" after the answer boxes for Tab and has the end announced.
    void setSeriesControls(const SeriesControls& controls);
    const SeriesControls& seriesControls() const { return controls_; }

    // The files of the lesson. progressPictureBase: the progress picture's name
    // without its stage and extension ("Deli\01" gives "Deli\01(9).bmp" … "Deli\01.bmp").
    virtual QString progressPictureBase() const = 0;
    // The mark picture for the mark of this series ("deli\ocenka10.bmp").
    virtual QString markPictureName(int mark) const = 0;
    virtual QString logPath() const = 0;
    // What follows " c" at the end of the log line; by default " " + " рівень " + level.
    virtual QString logTail() const;
    // The mark: by default one point for each exercise not counted wrong, never below 0.
    virtual int mark() const;

    // The attempt's clock starts; normally called by startSeries, earlier by a
    // lesson that starts it at a topic choice.
    void beginAttempt();
    // A choice button starts the series: the attempt begins (unless begun
    // already), the choice buttons are hidden for good, the level is set,
    // this is exercise 1 and "Перевірка" is shown. The lesson then draws and
    // shows its first exercise. False when a series was already started.
    bool startSeries(int level, int length = 10);
    // "Продовження": "Перевірка" back, "Продовження" away, the next exercise
    // counted. The lesson then clears its boxes and draws. False when there is
    // no next exercise (the series is over or not started).
    bool advanceExercise();

    bool isLastExercise() const { return exercise_ >= length_; }
    // Whether "Перевірка" may judge now: a series runs, this exercise is not
    // judged yet and the series is not over.
    bool acceptingAnswers() const;
    // A wrong exercise (or, where the lesson counts boxes, a wrong box).
    void countErrors(int n = 1) { errors_ += n; }
    // "Перевірка" gives way to "Продовження", unless the series is at its last exercise.
    void offerNextExercise();
    // A right exercise advances the progress picture: with c exercises right
    // before this one, the stage length − 1 − c, and the whole picture for the last.
    void advanceProgress();
    // The end of the series: "Перевірка" and "Продовження" hidden,
    // "Поздоровляю!", the elapsed time, then the log line and the mark picture.
    // Only once: a series writes one log line.
    void finishSeries();
    // The verdict of a whole exercise, after the lesson has shown it: a right
    // one is counted, "Продовження" offered, the series ended after its last
    // exercise and only then the progress picture loaded; a wrong one counts
    // `errors` (one, or a wrong box each where the lesson counts boxes). The
    // right exercise is counted before the end, so a mark by solved exercises
    // includes it, and the end comes before any picture, so a missing picture
    // never costs the teacher the log line.
    void judgeExercise(bool right, int errors = 1);

    // Enter in this answer box, while "Перевірка" is shown and the box is in use
    // (shown and enabled): with every box of the exercise filled, or in the last
    // one and it is not empty, Enter does what "Перевірка" does; otherwise it moves
    // to the next box in use. Boxes count in the order they were given here. An
    // accidental or held-down Enter in an empty box never checks, and an Enter
    // in an early box never marks the boxes after it.
    void checkOnEnter(QLineEdit* box);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Rows of fractions whose operation lines leave a run of blanks for a
    // fraction written over them ("+               =" with the second fraction
    // in its gap) are laid out here; called after every rescale of the page.
    virtual void layoutExercise() {}
    // The width of a text in the label's font, in page units.
    int textWidth(const Label* label, const QString& text) const;
    // Widens the longest run of blanks of the line, the gap left for a fraction,
    // to at least `room` page units, so that a long number never runs under the
    // sign or letter after it; the text itself stays as it is. Gives the gap's
    // left and right ends on the page.
    struct Gap {
        int left = 0;
        int right = 0;
    };
    Gap widenBlanks(Label* line, int room);
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void loadProgressStage(int rightBefore);
    void enterIn(QLineEdit* box);

    SeriesControls controls_;
    AttemptRecord attempt_;
    bool attemptBegun_ = false;
    bool over_ = false;
    int level_ = 0;
    int exercise_ = 0;
    int length_ = 10;
    int errors_ = 0;
    int correct_ = 0;
    std::vector<QLineEdit*> enterBoxes_;
};
