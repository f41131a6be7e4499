#include "lessons/prime_divisors.h"

#include "core/random.h"
#include "core/primes.h"

namespace {
// The first fifteen primes, indexed from 1; the draws reach index 11 (31) at most.
constexpr std::array<int, 16> kPrimes = FirstPrimes<16>();

// The range of the draw of each level: r := Random(M) + 10, index := Trunc(r / 10).
int RangeOf(int level) {
    switch (level) {
        case 1: return 39;
        case 2: return 59;
        case 3: return 99;
        default: return 109;
    }
}
// Later exercises of levels 4 and 5 draw their first two factors from 2, 3, 5.
constexpr int kSmallRange = 29;

// Answer boxes: the left column (number, quotients) has odd numbers, the right
// column (divisors) even ones; Edit1 holds the number.
constexpr int kFirstAnswerBox = 2;
constexpr int kLastAnswerBox = 11;
constexpr int kBoxWidthLeft = 200;
constexpr int kBoxWidthRight = 90;
constexpr int kBoxHeight = 56;
constexpr int kRowTop = 112;
constexpr int kRowStep = 76;
}  // namespace

int PrimeFactorCount(int level) { return level <= 3 ? 3 : level == 4 ? 4 : 5; }

PrimeExercise DrawPrimeExercise(int level, bool firstOfSeries) {
    PrimeExercise e;
    e.factorCount = PrimeFactorCount(level);
    e.number = 1;
    for (int i = 0; i < e.factorCount; ++i) {
        const bool small = !firstOfSeries && level >= 4 && i < 2;
        const int index = (Random(small ? kSmallRange : RangeOf(level)) + 10) / 10;
        e.factors[size_t(i)] = kPrimes[size_t(index)];
        e.number *= e.factors[size_t(i)];
    }
    return e;
}

TForm19::TForm19() : LessonSeries(QStringLiteral("Form19"), QSize(1010, 720)) {
    // The column: the number and its quotients on the left, divisors on the right.
    for (int row = 0; row < 6; ++row) {
        const int top = kRowTop + row * kRowStep;
        QLineEdit* left = addEdit(1 + 2 * row, 40, top, kBoxWidthLeft, kBoxHeight, 36);
        setFontHeight(left, 36, true);
        left->setAlignment(Qt::AlignRight);
        if (row < 5) {
            QLineEdit* right = addEdit(2 + 2 * row, 40 + kBoxWidthLeft + 12, top, kBoxWidthRight, kBoxHeight, 36);
            setFontHeight(right, 36, true);
        }
    }
    addLabel(1, 20, 14, 28);
    addLabel(3, 20, 62, 24);
    addLabel(2, 40, 578, 32);
    addButton(3, 20, 652, 210, 52, 26);
    addButton(4, 250, 652, 230, 52, 26);

    // The right half: the reward, the mark strip and the lesson buttons.
    addLabel(5, 560, 10, 36);
    addImage(2, 560, 62, 430, 124, Picture::Fit::Proportional);
    addLabel(4, 560, 192, 26);
    addImage(1, 540, 232, 450, 412, Picture::Fit::Proportional);
    addButton(2, 830, 20, 160, 46, 24);
    addButton(5, 830, 76, 160, 46, 24);
    addButton(6, 830, 132, 160, 46, 24);
    addButton(7, 830, 188, 160, 46, 24);
    addButton(8, 830, 244, 160, 46, 24);
    addButton(1, 780, 660, 210, 46, 24);
    addButton(9, 990, 2, 16, 16, 8);

    onClick(button(1), &TForm19::Button1Click);
    onClick(button(2), &TForm19::Button2Click);
    onClick(button(5), &TForm19::Button5Click);
    onClick(button(6), &TForm19::Button6Click);
    onClick(button(7), &TForm19::Button7Click);
    onClick(button(8), &TForm19::Button8Click);
    onClick(button(3), &TForm19::Button3Click);
    onClick(button(4), &TForm19::Button4Click);
    for (int n = kFirstAnswerBox; n <= kLastAnswerBox; ++n) checkOnEnter(edit(n));

    markAnnounced(label(2));  // "Правильно" / "Неправильно"
    setSeriesControls({.check = button(3),
                       .next = button(4),
                       .choices = {button(2), button(5), button(6), button(7), button(8)},
                       .progress = image(1),
                       .mark = image(2),
                       .congratulation = label(5),
                       .time = label(4)});
}

void TForm19::FormCreate() {
    setDumpButton(button(9));
    for (int n = 1; n <= kLastAnswerBox; ++n) edit(n)->hide();
    button(3)->hide();
    button(4)->hide();
    for (int n = 1; n <= 5; ++n) label(n)->setText(QString());
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Урок 1"));
    button(5)->setText(QStringLiteral("Урок 2"));
    button(6)->setText(QStringLiteral("Урок 3"));
    button(7)->setText(QStringLiteral("Урок 4"));
    button(8)->setText(QStringLiteral("Урок 5"));
    button(3)->setText(QStringLiteral("Перевірка"));
    button(4)->setText(QStringLiteral("Продовження"));
}

void TForm19::Button1Click() { Close(); }
void TForm19::Button2Click() { startLesson(1); }
void TForm19::Button5Click() { startLesson(2); }
void TForm19::Button6Click() { startLesson(3); }
void TForm19::Button7Click() { startLesson(4); }
void TForm19::Button8Click() { startLesson(5); }

void TForm19::startLesson(int level) {
    if (!startSeries(level)) return;
    showExercise(true);
}

void TForm19::Button4Click() {
    if (!advanceExercise()) return;
    for (int n = kFirstAnswerBox; n <= kLastAnswerBox; ++n) {
        edit(n)->clear();
        edit(n)->setEnabled(true);
        edit(n)->hide();
    }
    label(2)->setText(QString());
    showExercise(false);
}

void TForm19::showExercise(bool firstOfSeries) {
    step_ = 0;
    used_.fill(false);
    exercise_ = DrawPrimeExercise(level(), firstOfSeries);
    remaining_ = exercise_.number;
    lastQuotient_ = remaining_;
    label(3)->setText(QStringLiteral("Урок №") + QString::number(level()));
    label(1)->setText(QStringLiteral("Розкладіть число на прості множники:"));
    edit(1)->setText(QString::number(exercise_.number));
    edit(1)->setEnabled(false);
    edit(1)->show();
    edit(2)->show();
    edit(2)->setFocus();
}

// Each press reads the box after the last one read: even steps read a divisor
// (right column), odd steps the quotient under the number (left column).
void TForm19::Button3Click() {
    if (!acceptingAnswers() || step_ > kLastAnswerBox - 3) return;
    QLineEdit* box = edit(kFirstAnswerBox + step_);
    const bool divisorStep = step_ % 2 == 0;
    ++step_;
    const QString typed = box->text();
    if (divisorStep) {
        if (!matchDivisor(typed)) return wrongAnswer();
    } else if (typed != QString::number(lastQuotient_)) {
        return wrongAnswer();
    }
    box->setEnabled(false);
    QLineEdit* following = edit(kFirstAnswerBox + step_);
    following->show();
    if (divisorStep && remaining_ == 1) return solved();
    following->setFocus();
}

// Any prime of the exercise not yet divided out, written exactly as its decimal
// text, is accepted; a prime that occurs twice is accepted twice.
bool TForm19::matchDivisor(const QString& typed) {
    for (int i = 0; i < exercise_.factorCount; ++i) {
        if (used_[size_t(i)] || typed != QString::number(exercise_.factors[size_t(i)])) continue;
        used_[size_t(i)] = true;
        remaining_ /= exercise_.factors[size_t(i)];
        lastQuotient_ = remaining_;
        return true;
    }
    return false;
}

void TForm19::wrongAnswer() {
    label(2)->setText(QStringLiteral("Неправильно"));
    countErrors();
    offerNextExercise();
    if (isLastExercise()) finishSeries();
}

void TForm19::solved() {
    // The last quotient is 1: written for the pupil under the last divisor.
    QLineEdit* last = edit(kFirstAnswerBox + step_);
    last->setText(QStringLiteral("1"));
    last->setEnabled(false);
    label(1)->setText(QString());
    label(2)->setText(QStringLiteral("Правильно"));
    offerNextExercise();
    if (isLastExercise()) finishSeries();
    advanceProgress();
}

QString TForm19::progressPictureBase() const { return QStringLiteral("Deli\\0") + QString::number(level()); }

QString TForm19::markPictureName(int mark) const {
    return QStringLiteral("deli\\ocenka") + QString::number(mark) + QStringLiteral(".bmp");
}

QString TForm19::logPath() const { return QStringLiteral("deli\\stat.txt"); }
