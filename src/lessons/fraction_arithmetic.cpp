#include "lessons/fraction_arithmetic.h"

#include <algorithm>
#include <cmath>

#include "core/arithmetic.h"
#include "core/random.h"

namespace {
using P = LessonPrimes;

qint64 Numerator(qint64 d) { return Random(int(d - 3)) + 1; }

// Two denominators with a common part and different last primes; numerators by the rule.
struct Pair {
    qint64 t1, d1, t2, d2;
};
Pair DrawPair(int kind, LessonPrimes& primes) {
    primes.clearMarks();
    qint64 common = 1;
    int aRange = 49;
    if (kind == 1) {
        common = primes.draw(49, 10);
    } else if (kind == 2) {
        common = primes.draw(39, 10);
        common *= primes.draw(39, 10);
    } else {
        common = primes.draw(39, 10);
        common *= primes.draw(49, 10);
        aRange = 89;
    }
    const qint64 a = primes.draw(aRange, 10, P::Mark);
    const qint64 b = primes.draw(49, 10, P::Avoid);
    Pair pair{0, common * a, 0, common * b};
    pair.t1 = Numerator(pair.d1);
    pair.t2 = Numerator(pair.d2);
    return pair;
}

// Compared by cross products: the denominators are positive.
bool SecondGreater(const Pair& p) { return p.t2 * p.d1 > p.t1 * p.d2; }
bool Equal(const Pair& p) { return p.t2 * p.d1 == p.t1 * p.d2; }

// Subtraction draws again when the two fractions are equal: the difference of
// their fractional parts would be 0 over the unreduced d1·d2, which no pupil
// would write. Lesson 1 has always done so; the others do the same.
Pair DrawSubtractionPair(int kind, LessonPrimes& primes) {
    Pair p = DrawPair(kind, primes);
    while (Equal(p)) p = DrawPair(kind, primes);
    return p;
}

void SetResult(ArithmeticExercise& e, Fraction f, qint64 wholeStart, bool split) {
    f = Reduce(f);
    if (split) {
        const Mixed m = SplitWhileGreater(f);
        e.whole = wholeStart + m.whole;
        e.num = m.num;
        e.den = m.den;
    } else {
        e.whole = wholeStart;
        e.num = f.num;
        e.den = f.den;
    }
}

ArithmeticExercise Addition(int lesson, LessonPrimes& primes) {
    ArithmeticExercise e;
    const Pair p = DrawPair(lesson == 4 ? 2 : lesson, primes);
    e.t1 = p.t1, e.d1 = p.d1, e.t2 = p.t2, e.d2 = p.d2;
    if (lesson == 4) {
        e.mixed = true;
        e.w1 = Random(8) + 1;
        e.w2 = Random(8) + 1;
    }
    SetResult(e, {p.t1 * p.d2 + p.t2 * p.d1, p.d1 * p.d2}, e.w1 + e.w2, true);
    return e;
}

ArithmeticExercise Subtraction(int lesson, LessonPrimes& primes) {
    ArithmeticExercise e;
    if (lesson <= 3) {
        Pair p = DrawSubtractionPair(lesson, primes);
        if (SecondGreater(p)) p = {p.t2, p.d2, p.t1, p.d1};
        e.t1 = p.t1, e.d1 = p.d1, e.t2 = p.t2, e.d2 = p.d2;
        SetResult(e, {p.t1 * p.d2 - p.t2 * p.d1, p.d1 * p.d2}, 0, true);
        return e;
    }
    const Pair p = DrawSubtractionPair(2, primes);
    e.t1 = p.t1, e.d1 = p.d1, e.t2 = p.t2, e.d2 = p.d2;
    e.mixed = true;
    const qint64 den = p.d1 * p.d2;
    if (lesson == 4) {
        e.w1 = Random(4) + 5;
        e.w2 = Random(4) + 1;
        qint64 w1 = e.w1;
        qint64 num = p.t1 * p.d2 - p.t2 * p.d1;
        if (num < 0) {
            --w1;
            num += den;
        }
        SetResult(e, {num, den}, w1 - e.w2, false);
        return e;
    }
    // Lesson 5: the result may be negative; the smaller number is taken from the
    // larger and the minus goes on the whole part (or stands alone below 1).
    e.w1 = Random(8) + 1;
    e.w2 = Random(8) + 1;
    qint64 w1 = e.w1, w2 = e.w2, num = 0;
    const bool negative = e.w2 > e.w1 || (e.w2 == e.w1 && (SecondGreater(p) || Equal(p)));
    if (negative) {
        num = p.t2 * p.d1 - p.t1 * p.d2;
        if (num < 0) {
            --w2;
            num += den;
        }
    } else {
        num = p.t1 * p.d2 - p.t2 * p.d1;
        if (num < 0) {
            --w1;
            num += den;
        }
    }
    SetResult(e, {num, den}, w1 - w2, false);
    if (negative && e.whole == 0) e.sign = QStringLiteral("-");
    return e;
}

// The coin of the multiplication and division lessons: 51 chances in 100 for the first form.
bool FirstForm() { return Random(100) <= 50; }

ArithmeticExercise Multiplication(int lesson, LessonPrimes& primes) {
    primes.clearMarks();
    ArithmeticExercise e;
    const bool first = FirstForm();
    if (lesson == 1) {
        const qint64 p = primes.draw(39, 10);
        const qint64 k = primes.draw(49, 40, P::Mark);
        const qint64 q = primes.draw(39, 10, P::AvoidAndMark);
        const qint64 s = primes.draw(39, 10, P::AvoidAndMark);
        const qint64 r = primes.draw(49, 40, P::Avoid);
        if (first) {
            e.t1 = p * q, e.d1 = r, e.t2 = s, e.d2 = p * k;
        } else {
            e.t1 = s, e.d1 = p * k, e.t2 = p * q, e.d2 = r;
        }
    } else if (lesson == 2 || lesson == 3) {
        const qint64 p = primes.draw(39, 10), q = primes.draw(39, 10), s = primes.draw(39, 10);
        const qint64 u = lesson == 3 ? primes.draw(39, 10) : 1;
        const qint64 k = primes.draw(39, 50);
        const qint64 r = first ? primes.draw(49, 40) : primes.draw(39, 50);
        if (first) {
            e.t1 = p * q, e.d1 = s * r, e.t2 = s * u, e.d2 = p * k;
        } else {
            e.t1 = s * u, e.d1 = p * k, e.t2 = p * q, e.d2 = s * r;
        }
    } else {
        const qint64 p = primes.draw(39, 10), q = primes.draw(39, 10), s = primes.draw(39, 10);
        const qint64 k = primes.draw(39, 50), m = primes.draw(39, 50);
        if (first) {
            e.t1 = p * k, e.d1 = s, e.t2 = m, e.d2 = p * q;
        } else {
            e.t1 = m, e.d1 = p * q, e.t2 = p * k, e.d2 = s;
        }
    }
    SetResult(e, {e.t1 * e.t2, e.d1 * e.d2}, 0, lesson == 4);
    return e;
}

ArithmeticExercise Division(int lesson, LessonPrimes& primes) {
    primes.clearMarks();
    ArithmeticExercise e;
    const bool first = FirstForm();
    if (lesson == 1 && first) {
        const qint64 p = primes.draw(39, 10);
        const qint64 q = primes.draw(39, 10, P::Mark);
        const qint64 s = primes.draw(39, 10, P::AvoidAndMark);
        const qint64 k = primes.draw(39, 50, P::AvoidAndMark);
        const qint64 r = primes.draw(39, 50, P::Avoid);
        e.t1 = p * s, e.d1 = r, e.t2 = p * q, e.d2 = k;
    } else if (lesson == 1) {
        const qint64 p = primes.draw(39, 10);
        const qint64 k = primes.draw(39, 50, P::Mark);
        const qint64 r = primes.draw(39, 50, P::AvoidAndMark);
        const qint64 s = primes.draw(39, 10, P::AvoidAndMark);
        const qint64 u = primes.draw(39, 20, P::Avoid);
        e.t1 = s, e.d1 = p * k, e.t2 = u, e.d2 = p * r;
    } else if (lesson <= 3 && first) {
        const qint64 p = primes.draw(39, 10), q = primes.draw(39, 10), s = primes.draw(39, 10);
        const qint64 k = primes.draw(39, 50);
        const qint64 m = primes.draw(39, 50, P::Mark);
        const qint64 r = primes.draw(39, 50, P::Avoid);
        const qint64 x = lesson == 3 ? primes.draw(29, 90) : 1;
        const qint64 y = lesson == 3 ? primes.draw(29, 90) : 1;
        e.t1 = p * s, e.d1 = k * r * x, e.t2 = p * q, e.d2 = k * m * y;
    } else if (lesson <= 3) {
        const qint64 p = primes.draw(39, 10);
        const qint64 k = primes.draw(39, 50, P::Mark);
        const qint64 r = primes.draw(39, 50, P::Avoid);
        const qint64 x = lesson == 3 ? primes.draw(29, 90) : 1;
        const qint64 y = lesson == 3 ? primes.draw(29, 90) : 1;
        const qint64 s = primes.draw(39, 10, P::Mark);
        const qint64 u = primes.draw(39, 10, P::Mark);
        const qint64 v = primes.draw(39, 20, P::Avoid);
        e.t1 = s * u, e.d1 = p * k * x, e.t2 = s * v, e.d2 = p * r * y;
    } else if (first) {
        const qint64 k = primes.draw(39, 50), m = primes.draw(39, 50), s = primes.draw(39, 50);
        const qint64 p = primes.draw(39, 10);
        const qint64 q = primes.draw(39, 10, P::Mark);
        const qint64 r = primes.draw(39, 10, P::Avoid);
        e.t1 = k * s, e.d1 = p * r, e.t2 = k * m, e.d2 = p * q;
    } else {
        const qint64 p = primes.draw(39, 10);
        const qint64 q = primes.draw(39, 10, P::Mark);
        const qint64 r = primes.draw(39, 10, P::Avoid);
        const qint64 k = primes.draw(39, 50, P::Mark);
        const qint64 s = primes.draw(39, 50, P::Mark);
        const qint64 m = primes.draw(39, 50, P::Avoid);
        e.t1 = k * s, e.d1 = p * q, e.t2 = k * m, e.d2 = p * r;
    }
    SetResult(e, {e.t1 * e.d2, e.d1 * e.t2}, 0, true);
    return e;
}

// Mixed operands of multiplication and division are shown with their whole parts
// taken out, after the answer was worked out from the improper fractions.
void ShowAsMixed(ArithmeticExercise& e) {
    e.mixed = true;
    const Mixed first = SplitWhileGreater({e.t1, e.d1});
    const Mixed second = SplitWhileGreater({e.t2, e.d2});
    e.w1 = first.whole, e.t1 = first.num;
    e.w2 = second.whole, e.t2 = second.num;
}

// A whole part of 0 is not written.
QString WholeShown(qint64 w) { return w == 0 ? QString() : QString::number(w); }

const QString kSigns[] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("x"), QStringLiteral(":")};
const QString kWords[] = {QStringLiteral(" додавання "), QStringLiteral(" віднімання "), QStringLiteral(" множення "),
                          QStringLiteral(" ділення ")};
// Where each operation's pictures begin among "Add\01" … "Add\17".
const int kFirstPicture[] = {1, 5, 10, 14};

constexpr int kFont = 29;
constexpr int kGap = 6;
constexpr int kFractionTop = 208, kBarTop = 248, kBottomTop = 268, kMiddleTop = 236;
}  // namespace

QString ArithmeticExercise::wholeText() const { return whole == 0 ? sign : QString::number(whole); }

int ArithmeticLessonCount(FractionOperation operation) { return operation == FractionOperation::Subtract ? 5 : 4; }

ArithmeticExercise DrawArithmeticExercise(FractionOperation operation, int lesson, LessonPrimes& primes) {
    switch (operation) {
        case FractionOperation::Add: return Addition(lesson, primes);
        case FractionOperation::Subtract: return Subtraction(lesson, primes);
        case FractionOperation::Multiply: {
            ArithmeticExercise e = Multiplication(lesson, primes);
            if (lesson == 4) ShowAsMixed(e);
            return e;
        }
        case FractionOperation::Divide: {
            ArithmeticExercise e = Division(lesson, primes);
            if (lesson == 4) ShowAsMixed(e);
            return e;
        }
    }
    return {};
}

TForm22::TForm22() : LessonSeries(QStringLiteral("Form22"), QSize(830, 479)) {
    addLabel(1, 40, 20, 26);
    addLabel(2, 40, 66, 22);
    // The exercise row in 29-pixel type: w1, the first fraction, the operation
    // line (sign, w2, "="), the second fraction, then the answer boxes.
    addLabel(3, 40, kMiddleTop, kFont);
    addLabel(4, 96, kFractionTop, kFont);
    addImage(1, 95, kBarTop, 50, 4, Picture::Fit::Stretch);
    addLabel(5, 96, kBottomTop, kFont);
    addLabel(6, 163, kMiddleTop, kFont);
    addLabel(7, 232, kFractionTop, kFont);
    addImage(2, 231, kBarTop, 50, 4, Picture::Fit::Stretch);
    addLabel(8, 232, kBottomTop, kFont);
    addEdit(1, 355, kMiddleTop - 4, 50, 40, 24);
    addEdit(2, 411, kFractionTop - 4, 70, 40, 24);
    addImage(3, 414, kBarTop, 64, 4, Picture::Fit::Stretch);
    addEdit(3, 411, kBottomTop - 8, 70, 40, 24);
    for (int n = 1; n <= 3; ++n) {
        setFontHeight(edit(n), 24, true);
        edit(n)->setAlignment(Qt::AlignHCenter);
        checkOnEnter(edit(n));
    }
    // The right answer in the same shape.
    addLabel(9, 528, 110, 26);
    addLabel(10, 528, 160, 20);
    addLabel(11, 528, kMiddleTop, kFont);
    addLabel(12, 576, kFractionTop, kFont);
    addImage(4, 579, kBarTop, 64, 4, Picture::Fit::Stretch);
    addLabel(13, 576, kBottomTop, kFont);
    addLabel(14, 300, 318, 22);
    addImage(5, 20, 312, 240, 160, Picture::Fit::Proportional);
    addImage(6, 300, 356, 300, 112, Picture::Fit::Proportional);

    // The right column: operations, then lessons in their place.
    for (int n = 2; n <= 5; ++n) addButton(n, 680, 20 + (n - 2) * 54, 130, 44, 26);
    for (int n = 6; n <= 10; ++n) addButton(n, 680, 20 + (n - 6) * 54, 130, 44, 22);
    addButton(11, 660, 300, 160, 44, 22);
    addButton(12, 660, 354, 160, 44, 22);
    addButton(1, 660, 420, 160, 44, 22);
    addButton(13, 812, 2, 16, 16, 8);

    onClick(button(1), &TForm22::Button1Click);
    onClick(button(2), &TForm22::Button2Click);
    onClick(button(3), &TForm22::Button3Click);
    onClick(button(4), &TForm22::Button4Click);
    onClick(button(5), &TForm22::Button5Click);
    onClick(button(6), &TForm22::Button6Click);
    onClick(button(7), &TForm22::Button7Click);
    onClick(button(8), &TForm22::Button8Click);
    onClick(button(9), &TForm22::Button9Click);
    onClick(button(10), &TForm22::Button10Click);
    onClick(button(11), &TForm22::Button11Click);
    onClick(button(12), &TForm22::Button12Click);

    markAnnounced(label(9));  // "Правильно" / "Неправильно"
    setSeriesControls({.check = button(11),
                       .next = button(12),
                       .choices = {button(2), button(3), button(4), button(5), button(6), button(7), button(8),
                                   button(9), button(10)},
                       .progress = image(5),
                       .mark = image(6),
                       .congratulation = label(1),
                       .time = label(14)});
}

void TForm22::FormCreate() {
    setDumpButton(button(13));
    for (int n = 1; n <= 14; ++n) label(n)->setText(QString());
    button(1)->setText(QStringLiteral("Повернення"));
    for (int n = 2; n <= 5; ++n) button(n)->setText(kSigns[n - 2]);
    for (int n = 6; n <= 10; ++n) button(n)->setText(QStringLiteral("Урок ") + QString::number(n - 5));
    button(11)->setText(QStringLiteral("Перевірка"));
    button(12)->setText(QStringLiteral("Продовження"));
    for (int n = 6; n <= 12; ++n) button(n)->hide();
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
    image(4)->hide();
}

void TForm22::Button1Click() { Close(); }
void TForm22::Button2Click() { chooseOperation(FractionOperation::Add); }
void TForm22::Button3Click() { chooseOperation(FractionOperation::Subtract); }
void TForm22::Button4Click() { chooseOperation(FractionOperation::Multiply); }
void TForm22::Button5Click() { chooseOperation(FractionOperation::Divide); }
void TForm22::Button6Click() { startLesson(1); }
void TForm22::Button7Click() { startLesson(2); }
void TForm22::Button8Click() { startLesson(3); }
void TForm22::Button9Click() { startLesson(4); }
void TForm22::Button10Click() { startLesson(5); }

void TForm22::chooseOperation(FractionOperation operation) {
    if (operation_ != FractionOperation{} || seriesStarted()) return;
    operation_ = operation;
    for (int n = 2; n <= 5; ++n) button(n)->hide();
    for (int n = 6; n <= 5 + ArithmeticLessonCount(operation); ++n) button(n)->show();
}

void TForm22::startLesson(int lesson) {
    if (operation_ == FractionOperation{} || lesson > ArithmeticLessonCount(operation_) || !startSeries(lesson))
        return;
    for (int n = 1; n <= 3; ++n) edit(n)->show();
    showExercise();
    // The bars last: a missing picture costs only the bar.
    for (int n = 1; n <= 3; ++n) LoadPicture(image(n), QStringLiteral("kr\\chdr2.bmp"));
}

void TForm22::showExercise() {
    exercise_ = DrawArithmeticExercise(operation_, level(), primes_);
    const ArithmeticExercise& e = exercise_;
    label(1)->setText(QStringLiteral("Обчисліть"));
    label(2)->setText(QStringLiteral("Урок ") + QString::number(level()));
    label(3)->setText(e.mixed ? WholeShown(e.w1) : QString());
    label(4)->setText(QString::number(e.t1));
    label(5)->setText(QString::number(e.d1));
    label(7)->setText(QString::number(e.t2));
    label(8)->setText(QString::number(e.d2));
    const QString& sign = kSigns[int(operation_) - 1];
    label(6)->setText(e.mixed ? sign + QStringLiteral(" ") + WholeShown(e.w2) + QString(13, u' ') + QStringLiteral("=")
                              : sign + QString(15, u' ') + QStringLiteral("="));
    layoutExercise();
    edit(1)->setFocus();
}

// The row stands at its design places; a long number pushes what follows it to
// the right rather than under it. Each fraction is centred over its bar, and the
// second one stands in the gap of the operation line, before its "=".
int TForm22::fractionWidth(int over, int under) const {
    return std::max(textWidth(label(over), label(over)->text()), textWidth(label(under), label(under)->text()));
}

int TForm22::placeFraction(int over, int under, int bar, int left) {
    const int width = fractionWidth(over, under);
    for (int n : {over, under}) {
        label(n)->setAlignment(Qt::AlignHCenter);
        setBounds(label(n), left, designRect(label(n)).top(), width, kFont + 8);
    }
    setBounds(image(bar), left - 1, kBarTop, width + 2, 4);
    return left + width + kGap;
}

void TForm22::layoutExercise() {
    if (!seriesStarted()) return;
    place(label(3), 40, kMiddleTop);
    const int afterWhole = label(3)->text().isEmpty() ? 0 : 40 + textWidth(label(3), label(3)->text()) + kGap;
    const int afterFirst = placeFraction(4, 5, 1, std::max(96, afterWhole));
    place(label(6), std::max(163, afterFirst), kMiddleTop);
    // The second fraction stands in the gap of the operation line, before its "=".
    const int second = fractionWidth(7, 8);
    const Gap gap = widenBlanks(label(6), second + 2 * kGap);
    placeFraction(7, 8, 2, (gap.left + gap.right - second) / 2);
    const int wholeBox = std::max(355, designRect(label(6)).right() + 1 + kGap);
    place(edit(1), wholeBox, designRect(edit(1)).top());
    const int boxes = std::max(411, wholeBox + 56);
    place(edit(2), boxes, designRect(edit(2)).top());
    place(edit(3), boxes, designRect(edit(3)).top());
    place(image(3), boxes + 3, kBarTop);
    // The right answer, in the same shape.
    const int answer = std::max(528, boxes + 70 + 40);
    for (int n : {9, 10}) place(label(n), answer, designRect(label(n)).top());
    place(label(11), answer, kMiddleTop);
    const int afterAnswerWhole = label(11)->text().isEmpty() ? 0 : answer + textWidth(label(11), label(11)->text()) + kGap;
    placeFraction(12, 13, 4, std::max(576, afterAnswerWhole));
}

void TForm22::Button11Click() {
    if (!acceptingAnswers()) return;
    const ArithmeticExercise& e = exercise_;
    for (int n = 1; n <= 3; ++n) edit(n)->setEnabled(false);
    const bool right = edit(1)->text() == e.wholeText() && edit(2)->text() == QString::number(e.num) &&
                       edit(3)->text() == QString::number(e.den);
    if (right) {
        label(9)->setText(QStringLiteral("Правильно"));
    } else {
        label(9)->setText(QStringLiteral("Неправильно"));
        label(10)->setText(QStringLiteral("Правильна відповідь:"));
        label(11)->setText(e.wholeText());
        label(12)->setText(QString::number(e.num));
        label(13)->setText(QString::number(e.den));
        layoutExercise();
    }
    // Judged before the bar is loaded: a missing picture never stops the series.
    judgeExercise(right);
    if (!right) {
        image(4)->show();
        LoadPicture(image(4), QStringLiteral("kr\\chdr2.bmp"));
    }
}

void TForm22::Button12Click() {
    if (!advanceExercise()) return;
    for (int n : {3, 6, 9, 10, 11, 12, 13}) label(n)->setText(QString());
    for (int n = 1; n <= 3; ++n) {
        edit(n)->setEnabled(true);
        edit(n)->clear();
    }
    image(4)->hide();
    showExercise();
}

QString TForm22::progressPictureBase() const {
    const int picture = kFirstPicture[int(operation_) - 1] + level() - 1;
    return QStringLiteral("Add\\%1").arg(picture, 2, 10, QLatin1Char('0'));
}

QString TForm22::markPictureName(int mark) const {
    return QStringLiteral("ADD\\ocenka") + QString::number(mark) + QStringLiteral(".bmp");
}

QString TForm22::logPath() const { return QStringLiteral("Add\\stat.txt"); }

QString TForm22::logTail() const {
    return QStringLiteral("  урок ") + QString::number(level()) + kWords[int(operation_) - 1];
}
