#include "lessons/fraction_addition.h"

#include <algorithm>

#include "core/arithmetic.h"
#include "core/look_alike.h"
#include "core/number_text.h"
#include "core/random.h"

namespace {
using P = LessonPrimes;

qint64 Numerator(qint64 d) { return Random(int(d - 3)) + 1; }

// Whole parts and numerators of 0 are not written.
QString Shown(qint64 n) { return n == 0 ? QString() : QString::number(n); }

// After this many failed redraws in a row the first numerator grows, so that a
// second fraction not above the first can be found.
constexpr int kRedrawsBeforeGrowing = 1001;

// The value of t1/d1 op1 t2/d2 op2 t3/d3, reduced after each step.
Fraction Value(const AdditionExercise& e) {
    const int s1 = e.op1 == QStringLiteral("-") ? -1 : 1, s2 = e.op2 == QStringLiteral("-") ? -1 : 1;
    Fraction f = Reduce({e.t[0] * e.d[1] + s1 * e.t[1] * e.d[0], e.d[0] * e.d[1]});
    return Reduce({f.num * e.d[2] + s2 * e.t[2] * f.den, f.den * e.d[2]});
}

void SetAnswer(AdditionExercise& e, Fraction f) {
    const Mixed m = SplitWhileGreater(Reduce(f));
    e.whole = Shown(m.whole);
    e.num = QString::number(m.num);
    e.den = QString::number(m.den);
}

void ThreeFractions(AdditionExercise& e, LessonPrimes& primes) {
    const qint64 p = primes.draw(39, 10);
    const qint64 a = primes.draw(49, 10, P::Mark);
    const qint64 b = primes.draw(49, 10, P::AvoidAndMark);
    const qint64 c = primes.draw(49, 10, P::Avoid);
    e.d[0] = p * a, e.d[1] = p * b, e.d[2] = p * c;
    qint64& t1 = e.t[0];
    t1 = Numerator(e.d[0]);
    // Every partial result stays not below nought.
    if (Random(100) <= 50) {
        e.op1 = QStringLiteral("-"), e.op2 = QStringLiteral("+");
        int failed = 0;
        for (e.t[1] = Numerator(e.d[1]); e.t[1] * e.d[0] > t1 * e.d[1]; e.t[1] = Numerator(e.d[1])) {
            if (++failed == kRedrawsBeforeGrowing) {
                if (t1 + 1 < e.d[0]) ++t1;
                failed = 0;
            }
        }
        e.t[2] = Numerator(e.d[2]);
    } else {
        e.op1 = QStringLiteral("+"), e.op2 = QStringLiteral("-");
        do {
            e.t[1] = Numerator(e.d[1]);
            e.t[2] = Numerator(e.d[2]);
            // t3/d3 ≥ t1/d1 + t2/d2, by cross products.
        } while (e.t[2] * e.d[0] * e.d[1] >= (t1 * e.d[1] + e.t[1] * e.d[0]) * e.d[2]);
    }
}

// X of the equation: the largest prime of the table dividing the denominator
// over the smallest (1 and 2 when none divides).
void Equation(AdditionExercise& e, Fraction s) {
    qint64 big = 1, small = 2;
    for (int i = 15; i >= 1; --i)
        if (s.den % P::At(i) == 0) {
            big = P::At(i);
            break;
        }
    for (int i = 1; i <= 15; ++i)
        if (s.den % P::At(i) == 0) {
            small = P::At(i);
            break;
        }
    SetAnswer(e, {big, small});
    const Mixed r = SplitWhileGreater(Reduce({s.num * big, s.den * small}));
    e.rightWhole = Shown(r.whole);
    e.rightNum = QString::number(r.num);
    e.rightDen = QString::number(r.den);
}

// Type 4: t/d × u/10 with d = u × f is t/(10 f), added up that way.
void Decimals(AdditionExercise& e, LessonPrimes& primes) {
    qint64 f[3];
    for (int i = 0; i < 3; ++i) {
        const qint64 u = primes.draw(59, 50, i == 0 ? P::Mark : P::AvoidAndMark);
        f[i] = primes.draw(39, 10);
        e.d[i] = u * f[i];
        e.t[i] = Numerator(e.d[i]);
        e.values[i] = TenthsText(u);
    }
    Fraction v = Reduce({e.t[0] * 10 * f[1] + e.t[1] * 10 * f[0], 100 * f[0] * f[1]});
    v = Reduce({v.num * 10 * f[2] + e.t[2] * v.den, v.den * 10 * f[2]});
    Mixed m = SplitWhileGreater(v);
    // A whole number is written as it is, with empty numerator and denominator.
    if (m.num == 1 && m.den == 1) m = {m.whole + 1, 0, 0};
    e.whole = Shown(m.whole);
    e.num = Shown(m.num);
    e.den = Shown(m.den);
}

const char* const kLetters[] = {"a", "b", "c", "d", "m", "n"};

constexpr int kFont = 24;
constexpr int kGap = 6;
constexpr int kRowLeft = 24, kFractionTop = 150, kBarTop = 186, kBottomTop = 194, kMiddleTop = 170;
constexpr int kAnswerLeft = 300, kAnswerTop = 300;  // the right answer, beside the verdict
}  // namespace

AdditionExercise DrawAdditionExercise(int type, LessonPrimes& primes) {
    primes.clearMarks();
    AdditionExercise e;
    e.type = type;
    if (type == 4) {
        Decimals(e, primes);
        return e;
    }
    if (type == 2) e.letter = QString::fromLatin1(kLetters[primes.drawIndex(59, 10) - 1]);
    if (type == 3) e.letter = QStringLiteral("X");
    ThreeFractions(e, primes);
    const Fraction s = Value(e);
    if (type == 3) {
        Equation(e, s);
    } else {
        SetAnswer(e, s);
    }
    return e;
}

TForm23::TForm23() : LessonSeries(QStringLiteral("Form23"), QSize(804, 520)) {
    addLabel(1, 24, 14, 26);
    addLabel(2, 24, 58, 20);
    // The row: each line's run of blanks leaves the gap its fraction stands in.
    addLabel(3, kRowLeft, kMiddleTop, kFont);
    addLabel(4, 40, kFractionTop, kFont);
    addImage(1, 40, kBarTop, 40, 3, Picture::Fit::Stretch);
    addLabel(5, 40, kBottomTop, kFont);
    addLabel(6, 120, kMiddleTop, kFont);
    addLabel(7, 140, kFractionTop, kFont);
    addImage(2, 140, kBarTop, 40, 3, Picture::Fit::Stretch);
    addLabel(8, 140, kBottomTop, kFont);
    addLabel(9, 220, kMiddleTop, kFont);
    addLabel(10, 240, kFractionTop, kFont);
    addImage(3, 240, kBarTop, 40, 3, Picture::Fit::Stretch);
    addLabel(11, 240, kBottomTop, kFont);
    // The answer boxes, or for the equation R, "X=" and the boxes of X.
    addLabel(18, 330, kMiddleTop, kFont);
    addLabel(19, 350, kFractionTop, kFont);
    addLabel(20, 350, kBottomTop, kFont);
    addLabel(17, 420, kMiddleTop, kFont);
    for (int n : {1, 5}) addEdit(n, 330, kMiddleTop - 4, 46, 36, 22);
    for (int n : {2, 6}) addEdit(n, 382, kFractionTop - 6, 64, 36, 22);
    addImage(4, 382, kBarTop, 64, 3, Picture::Fit::Stretch);
    addImage(6, 382, kBarTop, 64, 3, Picture::Fit::Stretch);
    for (int n : {3, 7}) addEdit(n, 382, kBottomTop - 2, 64, 36, 22);
    addEdit(4, 452, kMiddleTop - 4, 40, 36, 22);
    for (int n = 1; n <= 7; ++n) {
        setFontHeight(edit(n), 22, true);
        edit(n)->setAlignment(Qt::AlignHCenter);
        checkOnEnter(edit(n));
    }
    addLabel(21, 24, 234, 22);
    // The verdict and the right answer under the row.
    addLabel(12, 24, 268, 24);
    addLabel(13, kAnswerLeft, 272, 20);
    addLabel(14, kAnswerLeft, kAnswerTop + 20, kFont);
    addLabel(15, kAnswerLeft + 40, kAnswerTop, kFont);
    addImage(5, kAnswerLeft + 40, kAnswerTop + 36, 40, 3, Picture::Fit::Stretch);
    addLabel(16, kAnswerLeft + 40, kAnswerTop + 44, kFont);
    addLabel(22, 24, 310, 22);
    addImage(7, 24, 350, 220, 160, Picture::Fit::Proportional);
    addImage(8, 330, 400, 280, 108, Picture::Fit::Proportional);

    // The right column: the eight lessons, then "Перевірка" and "Продовження" in their place.
    const int lessonButtons[] = {2, 5, 6, 7, 8, 9, 10, 11};
    for (int i = 0; i < 8; ++i) addButton(lessonButtons[i], 640, 14 + i * 50, 150, 42, 22);
    addButton(3, 620, 14, 170, 44, 22);
    addButton(4, 620, 68, 170, 44, 22);
    addButton(1, 640, 466, 150, 42, 22);
    addButton(12, 786, 2, 16, 16, 8);

    onClick(button(1), &TForm23::Button1Click);
    onClick(button(2), &TForm23::Button2Click);
    onClick(button(5), &TForm23::Button5Click);
    onClick(button(6), &TForm23::Button6Click);
    onClick(button(7), &TForm23::Button7Click);
    onClick(button(8), &TForm23::Button8Click);
    onClick(button(9), &TForm23::Button9Click);
    onClick(button(10), &TForm23::Button10Click);
    onClick(button(11), &TForm23::Button11Click);
    onClick(button(3), &TForm23::Button3Click);
    onClick(button(4), &TForm23::Button4Click);

    std::vector<QPushButton*> choices;
    for (int n : lessonButtons) choices.push_back(button(n));
    markAnnounced(label(12));  // "Правильно" / "Неправильно"
    setSeriesControls({.check = button(3),
                       .next = button(4),
                       .choices = choices,
                       .progress = image(7),
                       .mark = image(8),
                       .congratulation = label(1),
                       .time = label(22)});
}

void TForm23::FormCreate() {
    setDumpButton(button(12));
    for (int n = 1; n <= 22; ++n) label(n)->setText(QString());
    button(1)->setText(QStringLiteral("Повернення"));
    const int lessonButtons[] = {2, 5, 6, 7, 8, 9, 10, 11};
    // The short series are marked with a Latin C.
    for (int i = 0; i < 8; ++i)
        button(lessonButtons[i])->setText(QStringLiteral("Урок ") + QString::number(i % 4 + 1) +
                                          (i < 4 ? QString() : QStringLiteral("C")));
    button(3)->setText(QStringLiteral("Перевірка"));
    button(4)->setText(QStringLiteral("Продовження"));
    button(3)->hide();
    button(4)->hide();
    for (int n = 1; n <= 7; ++n) edit(n)->hide();
    image(5)->hide();
}

void TForm23::Button1Click() { Close(); }
void TForm23::Button2Click() { startLesson(1, false); }
void TForm23::Button5Click() { startLesson(2, false); }
void TForm23::Button6Click() { startLesson(3, false); }
void TForm23::Button7Click() { startLesson(4, false); }
void TForm23::Button8Click() { startLesson(1, true); }
void TForm23::Button9Click() { startLesson(2, true); }
void TForm23::Button10Click() { startLesson(3, true); }
void TForm23::Button11Click() { startLesson(4, true); }

void TForm23::startLesson(int type, bool shortOne) {
    if (!startSeries(type, shortOne ? 5 : 10)) return;
    lessonName_ = QStringLiteral("Урок ") + QString::number(type) + (shortOne ? QStringLiteral("C") : QString());
    image(6)->setVisible(type == 3);
    for (QLineEdit* box : answerBoxes()) box->show();
    showExercise();
    // The bars last: a missing picture costs only the bar.
    for (int n = 1; n <= 4; ++n) LoadPicture(image(n), QStringLiteral("kr\\chdr2.bmp"));
    if (type == 3) LoadPicture(image(6), QStringLiteral("kr\\chdr2.bmp"));
}

std::vector<QLineEdit*> TForm23::answerBoxes() const {
    if (level() == 3) return {edit(5), edit(6), edit(7)};
    if (level() == 2) return {edit(1), edit(2), edit(3), edit(4)};
    return {edit(1), edit(2), edit(3)};
}

void TForm23::showExercise() {
    exercise_ = DrawAdditionExercise(level(), primes_);
    const AdditionExercise& e = exercise_;
    label(2)->setText(lessonName_);
    for (int i = 0; i < 3; ++i) {
        label(4 + 3 * i)->setText(QString::number(e.t[i]));
        label(5 + 3 * i)->setText(QString::number(e.d[i]));
    }
    const QString letter = e.letter;
    switch (level()) {
        case 1:
            label(1)->setText(QStringLiteral("Обчисліть значення виразу:"));
            label(3)->setText(QString());
            label(6)->setText(e.op1);
            label(9)->setText(e.op2 + QString(16, u' ') + QStringLiteral("="));
            break;
        case 2:
        case 3:
            label(1)->setText(level() == 2 ? QStringLiteral("Спростіть вираз:") : QStringLiteral("Розв`яжіть рівняння:"));
            label(3)->setText(QString(15, u' ') + letter);
            label(6)->setText(e.op1 + QString(13, u' ') + letter);
            label(9)->setText(e.op2 + QString(13, u' ') + letter + QStringLiteral(" ="));
            break;
        default:
            label(1)->setText(QStringLiteral("Обчисліть значення виразу:"));
            label(3)->setText(QStringLiteral("                a"));
            label(6)->setText(QStringLiteral("+             b"));
            label(9)->setText(QStringLiteral("+              c ="));
            label(21)->setText(QStringLiteral("При: a=") + e.values[0] + QStringLiteral("  b=") + e.values[1] +
                               QStringLiteral("  c=") + e.values[2]);
            break;
    }
    if (level() == 3) {
        label(17)->setText(QStringLiteral("X="));
        label(18)->setText(e.rightWhole);
        label(19)->setText(e.rightNum);
        label(20)->setText(e.rightDen);
    }
    layoutExercise();
    answerBoxes().front()->setFocus();
}

int TForm23::fractionWidth(int over, int under) const {
    return std::max(textWidth(label(over), label(over)->text()), textWidth(label(under), label(under)->text()));
}

int TForm23::placeFraction(int over, int under, int bar, int left, int top) {
    const int width = fractionWidth(over, under);
    label(over)->setAlignment(Qt::AlignHCenter);
    label(under)->setAlignment(Qt::AlignHCenter);
    setBounds(label(over), left, top, width, kFont + 8);
    setBounds(label(under), left, top + kBottomTop - kFractionTop, width, kFont + 8);
    setBounds(image(bar), left - 1, top + kBarTop - kFractionTop, width + 2, 3);
    return left + width + kGap;
}

// A line with a gap holds its fraction in the gap; a line without one (a bare
// sign) is followed by its fraction. Gives where the next thing may start.
int TForm23::placeLine(int line, int over, int under, int bar, int left) {
    place(label(line), left, kMiddleTop);
    const int width = fractionWidth(over, under);
    if (label(line)->text().contains(QStringLiteral("     "))) {
        const Gap gap = widenBlanks(label(line), width + 2 * kGap);
        placeFraction(over, under, bar, (gap.left + gap.right - width) / 2, kFractionTop);
        return designRect(label(line)).right() + 1 + kGap;
    }
    const int after = label(line)->text().isEmpty() ? left : designRect(label(line)).right() + 1 + kGap;
    return placeFraction(over, under, bar, after, kFractionTop);
}

void TForm23::layoutExercise() {
    if (!seriesStarted()) return;
    int x = placeLine(3, 4, 5, 1, kRowLeft);
    x = placeLine(6, 7, 8, 2, x);
    x = placeLine(9, 10, 11, 3, x);
    // The type-1 line ends in "=" after its fraction; the others in the letter and " =".
    x += kGap;
    if (level() == 3) {
        place(label(18), x, kMiddleTop);
        if (!label(18)->text().isEmpty()) x += textWidth(label(18), label(18)->text()) + kGap;
        x = placeFraction(19, 20, 4, x, kFractionTop) + kGap;
        place(label(17), x, kMiddleTop);
        x += textWidth(label(17), label(17)->text()) + kGap;
    }
    const std::vector<QLineEdit*> boxes = answerBoxes();
    place(boxes[0], x, kMiddleTop - 4);
    x += 52;
    place(boxes[1], x, kFractionTop - 6);
    place(boxes[2], x, kBottomTop - 2);
    place(image(level() == 3 ? 6 : 4), x, kBarTop);
    if (boxes.size() > 3) place(boxes[3], x + 70, kMiddleTop - 4);
    // The right answer: for the expression with a letter, the fraction stands in
    // the gap of the whole part's line, before the letter.
    place(label(14), kAnswerLeft, kAnswerTop + 20);
    if (label(14)->text().contains(QStringLiteral("     "))) {
        const int width = fractionWidth(15, 16);
        const Gap gap = widenBlanks(label(14), width + 2 * kGap);
        placeFraction(15, 16, 5, (gap.left + gap.right - width) / 2, kAnswerTop);
    } else {
        const int after = label(14)->text().isEmpty() ? kAnswerLeft : designRect(label(14)).right() + 1 + kGap;
        placeFraction(15, 16, 5, after, kAnswerTop);
    }
}

void TForm23::Button3Click() {
    if (!acceptingAnswers()) return;
    const AdditionExercise& e = exercise_;
    const std::vector<QLineEdit*> boxes = answerBoxes();
    for (QLineEdit* box : boxes) box->setEnabled(false);
    bool right = boxes[0]->text() == e.whole && boxes[1]->text() == e.num && boxes[2]->text() == e.den;
    // The letter may come from the Ukrainian layout: Cyrillic а and с read as a and c.
    if (level() == 2) right = right && LooksTheSame(boxes[3]->text(), e.letter);
    if (right) {
        label(12)->setText(QStringLiteral("Правильно"));
    } else {
        label(12)->setText(QStringLiteral("Неправильно"));
        label(13)->setText(QStringLiteral("Правильна відповідь:"));
        label(14)->setText(level() == 2 ? e.whole + QString(19, u' ') + e.letter : e.whole);
        label(15)->setText(e.num);
        label(16)->setText(e.den);
        layoutExercise();
    }
    // Judged before the bar is loaded: a missing picture never stops the series.
    judgeExercise(right);
    if (!right) {
        image(5)->show();
        LoadPicture(image(5), QStringLiteral("kr\\chdr2.bmp"));
    }
}

void TForm23::Button4Click() {
    if (!advanceExercise()) return;
    for (QLineEdit* box : answerBoxes()) {
        box->setEnabled(true);
        box->clear();
    }
    image(5)->hide();
    for (int n = 12; n <= 16; ++n) label(n)->setText(QString());
    showExercise();
}

QString TForm23::progressPictureBase() const {
    if (!shortSeries()) return QStringLiteral("dd\\0") + QString::number(level());
    return level() % 2 == 1 ? QStringLiteral("dd\\s01") : QStringLiteral("dd\\s02");
}

QString TForm23::markPictureName(int mark) const {
    return QStringLiteral("DD\\ocenka") + QString::number(mark) + (shortSeries() ? QStringLiteral("s.bmp") : QStringLiteral(".bmp"));
}

QString TForm23::logPath() const { return QStringLiteral("dd\\stat.txt"); }

QString TForm23::logTail() const {
    return LessonSeries::logTail() + (shortSeries() ? QStringLiteral(" короткий") : QString());
}
