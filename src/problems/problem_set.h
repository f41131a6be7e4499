#pragma once
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "app/attempt_record.h"
#include "app/screen.h"
#include "core/random.h"
#include "core/primes.h"

// What one problem-set screen fixes about the shared flow: where its pictures
// and log live, which of its controls show what, and how its kinds are drawn.
struct ProblemSetPlan {
    QString folder;            // module folder of pictures and log: "z1"
    int level = 0;             // the number that ends the log line
    int kindCount = 0;         // kinds 1 … kindCount
    int kindDrawN = 0;         // a kind is DrawCategory(kindDrawN, kindDrawBase)
    int kindDrawBase = 10;
    QStringList stillPictures; // shown after the 1st … 4th right answer
    QStringList frames;        // the reward animation after a faultless set
    int rewardImage = 1;       // Image that shows stills and frames
    int markImage = 2;         // Image that shows the mark picture
    int titleLabel = 1;        // "Задача n", "Поздоровляю!"
    int answerCaptionLabel = 0;  // "Відповідь: "
    int verdictLabel = 0;        // "Правильно" / "Неправильно"
    int rightCaptionLabel = 0;   // "Правильна відповідь:"; 0 where the set shows none
    int timeLabel = 0;           // "Час " + seconds + " c"
};

// The problem-set flow every set shares: "Початок"/"Продовження" draws the next
// problem of a kind not drawn before in this attempt, "Перевірка" marks it at
// once (one error per wrong problem), and after the fifth check the mark
// picture, the time and one results-log line. A faultless set starts a reward
// animation on Timer1. Nothing is reset until the program restarts, so closing
// and reopening the screen continues the attempt.
//
// Button1 is "Повернення", Button2 next problem, Button3 check, Button4 the
// hidden layout-dump button. A set builds its controls, then its flow buttons
// (AddFlowButtons) and its timer, then calls WireFlow().
class ProblemSet : public Screen {
public:
    static constexpr int kProblemsPerAttempt = 5;

    ProblemSet(const QString& caption, QSize page, ProblemSetPlan plan);

    void FormCreate() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Timer1Timer();

    int problemNo() const { return ProblemNo; }
    int errorCount() const { return ErrorCount; }
    int currentKind() const { return CurrentKind; }
    bool animating() const { return AnimStep != 0; }
    const AttemptRecord& attempt() const { return attempt_; }

    // The first fifteen primes, indexed from 1 as the generators draw them.
    static constexpr std::array<int, 16> Primes = FirstPrimes<16>();

protected:
    // Makes the flow's buttons, in this order: Button2 and Button3 side by side at
    // rowTop, Button1 at backTop under them, Button4 (the dump button) in the corner.
    void AddFlowButtons(int rowTop, int backTop = 696, int width = 230);
    // Connects Button1 … Button3 and Timer1 (100 ms unless the set made its own).
    void WireFlow();

    // The set's own steps of the flow.
    virtual void ClearProblem() = 0;            // hide and empty what any kind may have shown
    virtual void Generate(int kind) = 0;        // draw the numbers, show the text and fields
    virtual bool AnswerIsRight() = 0;           // read and disable the fields, compare
    virtual void ShowRightAnswers() = 0;        // after a wrong answer

    // Draws helpers for the generators. PrimeUsed is cleared before every generator.
    static int DrawPrime(int n, int base) { return Primes[size_t(DrawCategory(n, base))]; }
    // A prime at index D(n, base) not used yet in this problem; marks it when asked.
    int DrawFreshPrime(int n, int base, bool mark);
    void MarkPrime(int prime);
    std::array<bool, 16> PrimeUsed{};

    // Exact comparison: the typed text must be the decimal text of the value.
    static bool Matches(const QLineEdit* edit, int64_t value) { return edit->text() == QString::number(value); }
    // Shows an edit enabled and empty.
    static void OpenField(QLineEdit* edit);

    // The end of an attempt: "Поздоровляю!", the mark picture, the time and the
    // log line with `errors`. The staged screens, which count their own errors
    // and name their own marks, end through it too.
    void FinishSet(int errors, const QString& markPicture);

    // For flows built on this one (the stage ladders): the plan, and the start
    // of the attempt record at a first problem they draw themselves.
    const ProblemSetPlan& plan() const { return plan_; }
    void StartAttempt() { BeginAttempt(attempt_); }

    // A fraction inside a problem line: the numerator label over the bar picture
    // ("kr\chdr4.bmp") over the denominator label, centred in the gap-th run of
    // blanks of the line (runs of four or more, leading blanks not counted); a
    // gap past the last run puts the fraction a blank after the text. The bar
    // never covers a letter of the line: in a narrow run it is drawn narrower.
    void ShowFraction(int line, int gap, int numLabel, int bar, int denLabel, const QString& num, const QString& den);
    // Shows an answer bar picture.
    void ShowBar(int bar, const QString& picture);
    // The typed whole part of a mixed answer where an empty box stands for 0.
    static bool MatchesWholeOrEmpty(const QLineEdit* edit, int64_t whole) {
        return edit->text() == (whole == 0 ? QString() : QString::number(whole));
    }

    int ProblemNo = 0;
    int ErrorCount = 0;
    int RightCount = 0;
    int AnimStep = 0;
    int CurrentKind = 0;
    std::array<bool, 16> KindUsed{};

private:
    ProblemSetPlan plan_;
    AttemptRecord attempt_;
    bool problemOpen_ = false;  // a problem is shown and not yet checked
};
