#include "games/fraction.h"

#include <QFontMetricsF>

#include "core/arithmetic.h"
#include "core/random.h"
#include "core/primes.h"

namespace {
// The small primes indexed from 1; the draws reach index 4 (7) at most.
constexpr auto kPrimes = FirstPrimes<9>();

// The blanks in Label8 that the third fraction stands in.
const QString kGap = QString(10, u' ');

// Expression row: whole parts and signs, and the stacked fractions beside them.
constexpr int kRowTop = 128, kNumeratorTop = 100, kBarTop = 150, kDenominatorTop = 162;
constexpr int kFractionWidth = 60;
}  // namespace

SignedMixed NormaliseSum(int64_t W, int64_t N, int64_t D) {
    SignedMixed s;
    const auto reduceAndTakeWholes = [&](int64_t step) {
        const int64_t g = Gcd(N, D);
        N /= g;
        D /= g;
        W += step * (N / D);
        N %= D;
    };
    if (N > 0) {
        reduceAndTakeWholes(1);
        if (W < 0 && N != 0) {
            W += 1;
            N = D - N;
            if (W == 0) s.minusBelowOne = true;
        }
    } else if (N < 0) {
        const bool wholeNegative = W < 0;
        N = -N;
        reduceAndTakeWholes(-1);
        if (!wholeNegative) {
            if (W == 0 && N != 0) {
                s.minusBelowOne = true;
            } else if (W > 0 && N != 0) {
                W -= 1;
                N = D - N;
            }
        }
    }
    s.whole = W;
    s.numerator = N;
    s.denominator = D;
    s.wholeText = s.minusBelowOne ? QStringLiteral("-") : W == 0 ? QString() : QString::number(W);
    if (N != 0) {
        s.numeratorText = QString::number(N);
        s.denominatorText = QString::number(D);
    }
    return s;
}

FractionProblem DrawFractionProblem() {
    FractionProblem p;
    bool used[9] = {};
    const int k = kPrimes[DrawCategory(39, 10)];
    // f, g, h: 2, 3 and 5 in a random order.
    int factors[3];
    for (int& factor : factors) {
        int index = DrawCategory(29, 10);
        while (used[index]) index = DrawCategory(29, 10);
        used[index] = true;
        factor = kPrimes[index];
    }
    for (int i = 0; i < 3; ++i) p.denominator[i] = k * factors[i];
    for (int i = 0; i < 3; ++i) p.numerator[i] = 1 + Random(p.denominator[i] - 2);
    for (int i = 0; i < 3; ++i) p.whole[i] = DrawCategory(89, 10);
    p.minus[0] = p.minus[1] = true;
    if (Random(100) > 50) p.minus[0] = false;
    // Drawn whatever the first sign: "+", "+" never occurs.
    if (Random(100) > 50 && p.minus[0]) p.minus[1] = false;

    const int64_t d1 = p.denominator[0], d2 = p.denominator[1], d3 = p.denominator[2];
    const int64_t sign2 = p.minus[0] ? -1 : 1, sign3 = p.minus[1] ? -1 : 1;
    const int64_t W = p.whole[0] + sign2 * p.whole[1] + sign3 * p.whole[2];
    const int64_t N = p.numerator[0] * d2 * d3 + sign2 * p.numerator[1] * d1 * d3 + sign3 * p.numerator[2] * d1 * d2;
    p.sum = NormaliseSum(W, N, d1 * d2 * d3);
    return p;
}

TForm35::TForm35() : DrillGame(QStringLiteral("Form35"), QSize(1010, 720)) {
    addButton(1, 800, 20, 190, 50, 28);
    addButton(2, 40, 30, 220, 60, 32);
    addButton(3, 800, 124, 190, 60, 32);
    addButton(4, 800, 124, 190, 60, 32);
    addButton(5, 985, 695, 20, 20, 10);

    // The expression; arrangeExpression moves its parts along the row.
    addLabel(2, 40, kRowTop, 37);
    addLabel(5, 120, kRowTop, 37);
    addLabel(8, 280, kRowTop, 37);
    const int fractions[3][2] = {{3, 4}, {6, 7}, {9, 10}};
    for (int i = 0; i < 3; ++i) {
        const int left = 70 + 160 * i;
        for (int j = 0; j < 2; ++j) {
            Label* number = addLabel(fractions[i][j], left, j ? kDenominatorTop : kNumeratorTop, 32, kFractionWidth, 40);
            number->setAlignment(Qt::AlignCenter);
        }
        addImage(1 + i, left, kBarTop, kFractionWidth, 12, Picture::Fit::Stretch);
    }

    // The answer: a whole part beside a fraction of two boxes.
    for (QLineEdit* box : {addEdit(1, 600, 124, 80, 56, 32), addEdit(2, 700, 80, 80, 52, 32), addEdit(3, 700, 160, 80, 52, 32)}) {
        setFontHeight(box, 32, true);
        box->setAlignment(Qt::AlignCenter);
    }
    addImage(4, 700, 140, 80, 12, Picture::Fit::Stretch);
    // The right answer after a wrong one: under the whole part, above and below the fraction.
    const int corrections[3][3] = {{13, 600, 190}, {14, 700, 30}, {15, 700, 218}};
    for (const auto& c : corrections) {
        Label* l = addLabel(c[0], c[1], c[2], 32, 80, 42);
        l->setAlignment(Qt::AlignCenter);
    }

    addLabel(11, 40, 270, 37);
    addLabel(1, 40, 330, 37);
    addLabel(12, 40, 390, 32);
    addImage(5, 40, 460, 393, 57, Picture::Fit::Stretch);
    addImage(6, 600, 300, 369, 353, Picture::Fit::Stretch);

    onClick(button(1), &TForm35::Button1Click);
    onClick(button(2), &TForm35::Button2Click);
    onClick(button(3), &TForm35::Button3Click);
    onClick(button(4), &TForm35::Button4Click);

    markAnnounced(label(11));  // "Правильно" / "Неправильно"
    setDrillControls({button(3), button(4), image(6), image(5), label(1), label(12)});
}

void TForm35::FormCreate() {
    setDumpButton(button(5));
    resetGame();
    button(2)->setText(QStringLiteral("Початок"));
    button(3)->setText(QStringLiteral("Перевірка"));
    button(4)->setText(QStringLiteral("Продовження"));
    button(1)->setText(QStringLiteral("Повернення"));
    for (int n = 1; n <= 15; ++n) label(n)->setText(QString());
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
}

void TForm35::Button1Click() { Close(); }

void TForm35::Button2Click() {
    if (!startGame(3)) return;
    button(2)->hide();
    for (int n = 1; n <= 3; ++n) edit(n)->show();
    edit(1)->setFocus();
    problem_ = DrawFractionProblem();
    showProblem();
    // Pictures last: a missing bar must not leave the game without its first problem.
    for (int n = 1; n <= 4; ++n) LoadPicture(image(n), QStringLiteral("vch\\chdr2.bmp"));
}

void TForm35::Button4Click() {
    if (!advanceProblem()) return;
    problem_ = DrawFractionProblem();
    label(11)->setText(QString());
    for (int n = 13; n <= 15; ++n) label(n)->setText(QString());
    for (int n = 1; n <= 3; ++n) {
        edit(n)->setEnabled(true);
        Unpaint(edit(n));
        edit(n)->clear();
    }
    edit(1)->setFocus();
    showProblem();
}

void TForm35::showProblem() {
    const FractionProblem& p = problem_;
    const QString w2 = QString::number(p.whole[1]), w3 = QString::number(p.whole[2]);
    label(2)->setText(QString::number(p.whole[0]));
    label(5)->setText(p.minus[0] ? QStringLiteral("+(-") + w2 : QStringLiteral("+") + w2);
    // Only the second term can have a bracket to close.
    if (!p.minus[1]) label(8)->setText(QStringLiteral(")+") + w3 + kGap + QStringLiteral("="));
    else if (!p.minus[0]) label(8)->setText(QStringLiteral("+(-") + w3 + kGap + QStringLiteral(")="));
    else label(8)->setText(QStringLiteral(")+(-") + w3 + kGap + QStringLiteral(")="));
    const int numbers[3][2] = {{3, 4}, {6, 7}, {9, 10}};
    for (int i = 0; i < 3; ++i) {
        label(numbers[i][0])->setText(QString::number(p.numerator[i]));
        label(numbers[i][1])->setText(QString::number(p.denominator[i]));
    }
    arrangeExpression();
}

void TForm35::arrangeExpression() {
    const auto width = [this](Label* l, const QString& text) {
        return int(QFontMetricsF(l->font()).horizontalAdvance(text) / pageScale()) + 1;
    };
    const auto placeFraction = [this](int i, int left) {
        const int numbers[3][2] = {{3, 4}, {6, 7}, {9, 10}};
        place(label(numbers[i][0]), left, kNumeratorTop);
        place(image(1 + i), left, kBarTop);
        place(label(numbers[i][1]), left, kDenominatorTop);
    };
    int x = designRect(label(2)).left() + width(label(2), label(2)->text()) + 2;
    placeFraction(0, x);
    x += kFractionWidth + 2;
    place(label(5), x, kRowTop);
    x += width(label(5), label(5)->text()) + 2;
    placeFraction(1, x);
    x += kFractionWidth + 2;
    place(label(8), x, kRowTop);
    const QString& line = label(8)->text();
    const int gapAt = int(line.indexOf(kGap));
    const int gapWidth = width(label(8), kGap);
    placeFraction(2, x + width(label(8), line.left(gapAt)) + std::max(0, (gapWidth - kFractionWidth) / 2));
}

void TForm35::Button3Click() {
    if (!acceptingAnswers()) return;
    const bool right = edit(1)->text() == problem_.sum.wholeText && edit(2)->text() == problem_.sum.numeratorText &&
                       edit(3)->text() == problem_.sum.denominatorText;
    for (int n = 1; n <= 3; ++n) edit(n)->setEnabled(false);
    if (right) {
        label(11)->setText(QStringLiteral("Правильно"));
    } else {
        label(11)->setText(QStringLiteral("Неправильно"));
        label(13)->setText(problem_.sum.wholeText);
        label(14)->setText(problem_.sum.numeratorText);
        label(15)->setText(problem_.sum.denominatorText);
        for (int n = 1; n <= 3; ++n) Paint(edit(n), kWrongRed);
    }
    // The fraction game uncovers the first lesson's picture of the finger game.
    scoreAnswer(right, QStringLiteral("01"));
}
