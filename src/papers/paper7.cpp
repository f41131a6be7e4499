#include "papers/paper7.h"

#include "core/picture_texts.h"

#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/random.h"
#include "core/truncated_decimal.h"

namespace {
const int kTextFont = 20;  // problem texts
const int kSumFont = 22;   // problems 2 and 3, where inputs and fractions stand in the gaps
const int kPartFont = 18;  // numerators, denominators and whole parts
const int kRowLeft = 210;  // problem 1: the picture and the eleven columns of boxes under it
const int kCell = 70;
const int kFractionWidth = 44;

QString N(long long value) { return QString::number(value); }
QString T(long long tenths) { return TenthsText(tenths); }

// A run of two or more blanks in a line of text, in page coordinates.
struct Gap {
    int left, right;
    int centre() const { return (left + right) / 2; }
};

// ---- the problem texts; the layout measures them with sample numbers ----

// The grave accent stands for the apostrophe, as on the printed paper.
const QStringList kRowCaptions = {QStringLiteral("натуральні"), QStringLiteral("цілі"), QStringLiteral("додатні"),
                                  QStringLiteral("цілі від`ємні"), QStringLiteral("дробові від`ємні")};

QString Problem2Text(int x, int y, int u, int v) {
    return QStringLiteral("2. Порівняйте числа:   1) -") + T(x) + QStringLiteral("          ") + T(y) +
           QStringLiteral("     2) -") + T(u) + QStringLiteral("      ") + QStringLiteral("   -") + T(v);
}

const QString kProblem3Text = QStringLiteral("3. Обчисліть:  1)           +  -           =                     2)     ") +
                              QStringLiteral(" -              -   -");
QString SecondWholeText(int l) { return N(l) + QStringLiteral("           ="); }

// "Х" in "значення Х" and "-Х=" is Cyrillic, the two "X=" are Latin.
QString Problem4Text(int x, int y) {
    return QStringLiteral("4. Знайдіть значення Х якщо:  1)  -Х=-") + N(x) + QStringLiteral(";  X=           2) -(-X)=") +
           T(y) + QStringLiteral(";     X=");
}

// The first "Х" is Cyrillic, the one of the second equation Latin.
QString Problem5First(int x) { return QStringLiteral("5. Розв`яжіть рівняння:  1)  Х =") + N(x) + QStringLiteral(";"); }
QString Problem5Roots(int x, int y) {
    return QStringLiteral("-") + N(x) + QStringLiteral("  ") + N(x) + QStringLiteral("  немає коренів     2)  X =-") +
           T(y) + QStringLiteral(";     -") + T(y) + QStringLiteral("  ") + T(y) + QStringLiteral("  немає коренів");
}

// "Х" in "значення Х" is Cyrillic, the two others Latin.
QString Problem6Text(int x) {
    return QStringLiteral("6. Знайдіть найбільше ціле значення Х, при якому є правильною нерівність") +
           QStringLiteral(" X    -") + N(x) + QStringLiteral(";  X=");
}

const QString kRuler = QStringLiteral("0        1        2       3       4        5       6       7        8") +
                       QStringLiteral("       9");
const int kRulerLeft = 120;

const QString kProblem8Text =
    QStringLiteral("8. Знайдіть два числа, кожне з яких менше за  -        ,  але більше від") +
    QStringLiteral("  -               -           ;  -");

// ---- the kinds of the row pictures ----

using Kind = TForm9::Kind;
constexpr Kind N_ = Kind::Natural, Z0 = Kind::Zero, P_ = Kind::PositiveFraction, ZM = Kind::NegativeInteger,
               FM = Kind::NegativeFraction;
const std::array<std::array<Kind, 11>, 10> kRowKinds = {{
    {N_, ZM, Z0, P_, FM, P_, P_, P_, N_, ZM, FM},
    {ZM, N_, P_, P_, P_, ZM, FM, FM, Z0, FM, N_},
    {P_, P_, P_, FM, ZM, Z0, N_, P_, N_, FM, P_},
    {P_, P_, N_, P_, FM, N_, Z0, ZM, ZM, P_, P_},
    {P_, N_, ZM, N_, P_, N_, ZM, Z0, N_, FM, N_},
    {N_, P_, ZM, N_, P_, P_, P_, FM, N_, Z0, ZM},
    {FM, ZM, P_, N_, N_, ZM, P_, N_, N_, FM, Z0},
    {ZM, FM, N_, ZM, P_, N_, P_, P_, Z0, N_, P_},
    {Z0, P_, FM, N_, FM, N_, ZM, P_, P_, P_, N_},
    {N_, Z0, FM, N_, P_, FM, N_, N_, ZM, P_, P_},
}};
}  // namespace

const std::array<TForm9::Kind, 11>& TForm9::RowKinds(int picture) { return kRowKinds.at(size_t(picture - 1)); }

QString TForm9::SpokenName(QWidget* control) const {
    const auto& numbers = Paper7Numbers(picture_);
    if (control == image(1)) {
        QStringList all;
        for (const char16_t* n : numbers) all << QString::fromUtf16(n);
        return QStringLiteral("Числа: ") + all.join(QStringLiteral("; "));
    }
    if (qobject_cast<QCheckBox*>(control)) {
        const int box = QStringView(control->objectName()).mid(8).toInt();  // "CheckBox12"
        if (box >= 1 && box <= 55) {
            const int row = (box - 1) / 11, column = (box - 1) % 11;
            return kRowCaptions[row] + QStringLiteral(": ") + QString::fromUtf16(numbers[size_t(column)]);
        }
    }
    return TestPaper::SpokenName(control);
}

bool TForm9::ShouldTick(Kind kind, int row) {
    switch (row) {
        case 1: return kind == Kind::Natural;                                                // натуральні
        case 2: return kind == Kind::Natural || kind == Kind::Zero || kind == Kind::NegativeInteger;  // цілі
        case 3: return kind == Kind::Natural || kind == Kind::PositiveFraction;             // додатні
        case 4: return kind == Kind::NegativeInteger;                                        // цілі від`ємні
        case 5: return kind == Kind::NegativeFraction;                                       // дробові від`ємні
    }
    return false;
}

TForm9::TForm9()
    : TestPaper(QStringLiteral("Form9"), QSize(1010, 1000),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::HiddenAfterMarking,
                      .percentSign = QStringLiteral("%"),
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№7 Ваpіант № + "),
                      .answerLabels = {15, 16, 17, 24, 25, 26, 28, 29, 33, 42, 43}}) {
    addLabel(1, 20, 12, 28);
    addLabel(2, 420, 16, 24);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);

    // Problem 1: the row of numbers, five captioned rows of eleven boxes under it.
    addLabel(3, 20, 58, kTextFont);
    addImage(1, kRowLeft, 88, kCell * 11, 100);
    for (int row = 0; row < 5; ++row) {
        addLabel(4 + row, 20, 196 + 30 * row, kPartFont);
        for (int column = 0; column < 11; ++column)
            addCheckBox(1 + 11 * row + column, kRowLeft + kCell * column + kCell / 2 - 10, 198 + 30 * row);
    }

    // The problem lines. What stands in their gaps (lists, fractions, bars, inputs)
    // is placed by LayOutGaps, measured on the lines as they are drawn.
    const QStringList orders = {QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("=")};
    addLabel(9, 20, 350, kSumFont);
    addComboBox(1, 0, 349, 50, 28, orders, kPartFont);
    addComboBox(2, 0, 349, 50, 28, orders, kPartFont);

    addLabel(10, 20, 440, kSumFont);
    addLabel(20, 0, 441, kSumFont);
    addLabel(21, 0, 440, kSumFont);
    for (int n : {11, 12, 13, 14, 18, 19, 22, 23, 38, 39, 40, 41})
        addLabel(n, 0, 0, kPartFont, kFractionWidth, 21)->setAlignment(Qt::AlignCenter);
    for (int n : {2, 3, 10, 13, 8, 15}) addImage(n, 0, 0, kFractionWidth, 3, Picture::Fit::Stretch);
    for (int n : {4, 5, 6, 7, 9, 11, 12, 14, 16, 17, 18, 19}) addImage(n, 0, 0, 3, 30, Picture::Fit::Stretch);
    // Mixed-number answers: whole part, numerator over denominator, the right answer under them in the same shape.
    for (int first : {1, 4}) {
        addEdit(first, 0, 0, 30, 28, kPartFont);
        addEdit(first + 1, 0, 0, 62, 27, kPartFont);
        addEdit(first + 2, 0, 0, 62, 27, kPartFont);
    }
    addImage(21, 0, 0, 62, 3, Picture::Fit::Stretch);
    addImage(22, 0, 0, 62, 3, Picture::Fit::Stretch);
    for (int n : {15, 16, 17, 24, 25, 26}) addLabel(n, 0, 0);

    addLabel(27, 20, 540, kTextFont);
    addEdit(7, 0, 537, 50, 28, kTextFont);
    addEdit(8, 0, 537, 60, 28, kTextFont);
    addLabel(28, 0, 567);
    addLabel(29, 0, 567);

    addLabel(30, 20, 600, kTextFont);
    addLabel(31, 0, 600, kTextFont);
    for (int n = 56; n <= 61; ++n) addCheckBox(n, 0, 628);

    addLabel(32, 20, 670, kTextFont);
    addImage(20, 0, 0, 22, 22, Picture::Fit::Proportional);
    addEdit(9, 0, 667, 60, 28, kTextFont);
    addLabel(33, 0, 697);

    addLabel(34, 20, 725, kTextFont);
    addLabel(35, 40, 752, kTextFont);
    addLabel(36, kRulerLeft, 782, kTextFont);
    for (int n = 62; n <= 71; ++n) addCheckBox(n, 0, 810);

    addLabel(37, 20, 870, kTextFont);
    for (int n : {10, 11, 12, 13}) addEdit(n, 0, 0, 44, 27, kPartFont);
    addImage(23, 0, 0, 44, 3, Picture::Fit::Stretch);
    addImage(24, 0, 0, 44, 3, Picture::Fit::Stretch);
    addLabel(42, 0, 0);
    addLabel(43, 0, 0);

    addButton(1, 840, 945, 150, 40, 20);
    LayOutGaps();
    ConnectPaper();
}

void TForm9::resizeEvent(QResizeEvent* event) {
    TestPaper::resizeEvent(event);
    LayOutGaps();
}

void TForm9::showEvent(QShowEvent* event) {
    TestPaper::showEvent(event);
    LayOutGaps();
}

// Text widths do not grow exactly with the page (font sizes are whole pixels), so
// whatever stands in a gap of a line is placed from the line as it is drawn at the
// current scale. The lines are measured with sample numbers: every digit is as
// wide as any other, so the drawn numbers take the same room.
void TForm9::LayOutGaps() {
    const double scale = pageScale();
    const auto at = [&](int n, const QString& text, int index) {
        const double width = QFontMetricsF(label(n)->font()).horizontalAdvance(text.left(index));
        return designRect(label(n)).left() + int(std::lround(width / scale));
    };
    const auto end = [&](int n, const QString& text) { return at(n, text, int(text.size())); };
    // Where minus signs and fraction bars sit.
    const auto axis = [&](int n) {
        const QFontMetricsF m(label(n)->font());
        return designRect(label(n)).top() + int(std::lround((m.ascent() - m.xHeight() / 2) / scale));
    };
    const auto gaps = [&](int n, const QString& text) {
        // A gap is a run of two blanks or more.
        std::vector<Gap> found;
        for (qsizetype start = 0; start < text.size();) {
            qsizetype end = start;
            while (end < text.size() && text[end] == u' ') ++end;
            if (end - start >= 2) found.push_back({at(n, text, int(start)), at(n, text, int(end))});
            start = std::max(end, start + 1);
        }
        return found;
    };
    const auto fraction = [&](int numerator, int bar, int left, int y, int width = kFractionWidth) {
        const int height = designRect(label(numerator)).height();
        setBounds(label(numerator), left, y - 1 - height, width, height);
        setBounds(image(bar), left, y - 1, width, 3);
        setBounds(label(numerator + 1), left, y + 3, width, height);
    };
    const auto modulus = [&](int n, int centre, int y) { place(image(n), centre - 1, y - 15); };
    const auto mixedAnswer = [&](int firstEdit, int firstLabel, int bar, int left, int y) {
        place(edit(firstEdit), left, y - 14);
        place(edit(firstEdit + 1), left + 36, y - 29);
        place(image(bar), left + 36, y - 1);
        place(edit(firstEdit + 2), left + 36, y + 3);
        place(label(firstLabel), left + 2, y + 40);
        place(label(firstLabel + 1), left + 40, y + 32);
        place(label(firstLabel + 2), left + 40, y + 48);
    };

    // Problem 2: a list in the gap of each pair.
    const std::vector<Gap> g2 = gaps(9, Problem2Text(57, 57, 21, 24));
    for (int i : {1, 2}) {
        const Gap gap = g2[size_t(2 * i - 1)];
        const int width = std::min(50, gap.right - gap.left - 4);
        setBounds(comboBox(i), gap.centre() - width / 2, designRect(comboBox(i)).top(), width, 28);
    }

    // Problem 3: |a/b| + |-c/d| = …   |-k a/b| - |-l c/d| = …
    const int y3 = axis(10);
    const std::vector<Gap> g3 = gaps(10, kProblem3Text);
    modulus(4, g3[1].left + 4, y3);
    fraction(11, 2, g3[1].centre() - kFractionWidth / 2, y3);
    modulus(5, g3[1].right - 4, y3);
    modulus(6, g3[2].centre(), y3);
    fraction(13, 3, g3[3].centre() - kFractionWidth / 2 - 1, y3);
    modulus(7, g3[3].right - 4, y3);
    mixedAnswer(1, 15, 21, g3[4].left + 6, y3);
    modulus(9, g3[5].right - 4, y3);
    place(label(20), g3[6].left + 3, designRect(label(20)).top());
    fraction(18, 10, g3[6].left + 18, y3);
    modulus(11, g3[6].right - 4, y3);
    modulus(12, g3[7].centre(), y3);
    place(label(21), end(10, kProblem3Text) + 4, designRect(label(21)).top());
    const QString second = SecondWholeText(1);
    const Gap g21 = gaps(21, second)[0];
    fraction(22, 13, g21.centre() - kFractionWidth / 2 - 1, y3);
    modulus(14, g21.right - 4, y3);
    mixedAnswer(4, 24, 22, end(21, second) + 8, y3);

    // Problem 4: each answer after its "X=".
    const QString text4 = Problem4Text(57, 57);
    const Gap after4 = gaps(27, text4)[3];
    setBounds(edit(7), after4.left + 2, designRect(edit(7)).top(), after4.right - after4.left - 6, 28);
    place(label(28), after4.left + 4, designRect(label(28)).top());
    place(edit(8), end(27, text4) + 6, designRect(edit(8)).top());
    place(label(29), end(27, text4) + 8, designRect(label(29)).top());

    // Problem 5: bars around X, each a little clear of it; a box under every candidate root.
    const int y5 = axis(30);
    const QString first5 = Problem5First(57);
    const int x5 = int(first5.indexOf(QStringLiteral("Х =")));
    modulus(16, at(30, first5, x5) - 3, y5);
    modulus(17, at(30, first5, x5 + 1) + 2, y5);
    place(label(31), end(30, first5) + 12, designRect(label(31)).top());
    const QString roots = Problem5Roots(57, 57);
    const int x31 = int(roots.indexOf(QStringLiteral("X =")));
    modulus(18, at(31, roots, x31) - 3, y5);
    modulus(19, at(31, roots, x31 + 1) + 2, y5);
    const QString none = QStringLiteral("немає коренів");
    const int secondRoots = int(roots.indexOf(QStringLiteral(";     -"))) + 6;
    const struct { int from, length; } candidates[] = {
        {0, 3}, {5, 2}, {int(roots.indexOf(none)), int(none.size())},
        {secondRoots, 4}, {secondRoots + 6, 3}, {int(roots.lastIndexOf(none)), int(none.size())}};
    for (int i = 0; i < 6; ++i) {
        const int centre = (at(31, roots, candidates[i].from) + at(31, roots, candidates[i].from + candidates[i].length)) / 2;
        place(checkBox(56 + i), centre - 10, designRect(checkBox(56 + i)).top());
    }

    // Problem 6: the sign between X and -x, the answer after "X=".
    const QString text6 = Problem6Text(57);
    place(image(20), gaps(32, text6).front().centre() - 11, axis(32) - 11);  // " X    -"
    place(edit(9), end(32, text6) + 6, designRect(edit(9)).top());
    place(label(33), end(32, text6) + 8, designRect(label(33)).top());

    // Problem 7: a box under every digit of the ruler.
    int digit = 0;
    for (int i = 0; i < kRuler.size(); ++i) {
        if (!kRuler[i].isDigit()) continue;
        QCheckBox* box = checkBox(62 + digit++);
        place(box, (at(36, kRuler, i) + at(36, kRuler, i + 1)) / 2 - 10, designRect(box).top());
    }

    // Problem 8: the bounds and the pupil's two fractions stand in the gaps, each after its minus.
    const int y8 = axis(37);
    const std::vector<Gap> g8 = gaps(37, kProblem8Text);
    fraction(38, 8, g8[1].left + 2, y8, g8[1].right - g8[1].left - 4);
    fraction(40, 15, g8[4].left + 2, y8, 40);
    const auto pair = [&](int numerator, int bar, int left) {
        place(edit(numerator), left, y8 - 29);
        place(image(bar), left, y8 - 1);
        place(edit(numerator + 1), left, y8 + 3);
    };
    const int firstPair = g8[5].left + 2, secondPair = end(37, kProblem8Text) + 2;
    pair(10, 23, firstPair);
    pair(12, 24, secondPair);
    // Each pair's answer under it; the second a line lower, as the two are wider than the room between the pairs.
    place(label(42), firstPair - 62, y8 + 34);
    place(label(43), secondPair - 62, y8 + 52);
}

void TForm9::FormCreate() {
    StartPaper();
    taken_.fill(false);
    Randomize();
    label(1)->setText(QStringLiteral("Контрольна робота №7"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    DrawProblem6();
    DrawProblem7();
    DrawProblem8();

    // The pictures come last, so a missing one costs the paper its pictures, not its problems.
    LoadPicture(image(1), QStringLiteral("kr\\t%1.bmp").arg(picture_));
    for (int n : {2, 3, 10, 13, 21, 22}) LoadPicture(image(n), QStringLiteral("kr\\chdr4.bmp"));
    for (int n : {8, 15, 23, 24}) LoadPicture(image(n), QStringLiteral("kr\\chdr2.bmp"));
    for (int n : {4, 5, 6, 7, 9, 11, 12, 14, 16, 17, 18, 19}) LoadPicture(image(n), QStringLiteral("kr\\mod.bmp"));
    LoadPicture(image(20), QStringLiteral("kr\\ner.bmp"));
}

int TForm9::FreshPrime(int m, int b) {
    int i;
    do i = DrawCategory(m, b);
    while (taken_[size_t(i)]);
    taken_[size_t(i)] = true;
    return kPrimes[size_t(i)];
}

void TForm9::DrawProblem1() {
    label(3)->setText(QStringLiteral("1. Виберіть серед чисел"));
    for (int row = 0; row < 5; ++row) label(4 + row)->setText(kRowCaptions[row]);
    const int h = picture_ = DrawCategory(99, 10);
    for (int row = 1; row <= 5; ++row)
        for (int column = 0; column < 11; ++column)
            AddCheckItem(11 * (row - 1) + column + 1, ShouldTick(RowKinds(h)[size_t(column)], row));
}

void TForm9::DrawProblem2() {
    int x, y;
    do x = Random(40) + 50;
    while (x % 10 == 0);
    do y = Random(39) + 10;
    while (y % 10 == 0);
    const int u = 10 * (Random(5) + 2) + 1;
    const int v = u + 3 + Random(3);
    label(9)->setText(Problem2Text(x, y, u, v));
    // -x is below every positive y, and -u,1 above -v with v > u: the answers never change.
    AddComboItem(comboBox(1), QStringLiteral("<"));
    AddComboItem(comboBox(2), QStringLiteral(">"));
}

void TForm9::DrawProblem3() {
    label(10)->setText(kProblem3Text);

    // Part 1: a/b + c/d, denominators sharing the prime p, as a mixed number.
    taken_.fill(false);
    int q0 = DrawCategory(49, 10);
    taken_[size_t(q0)] = true;
    long long b = kPrimes[size_t(q0)] * FreshPrime(49, 10);
    long long d = kPrimes[size_t(q0)] * FreshPrime(49, 10);
    long long a = Random(int(b - 5)) + 1;
    long long c = Random(int(d - 5)) + 1;
    long long g = Gcd(b, d);
    long long L = g > 1 ? b * d / g : b * d;
    long long s = L / b * a + L / d * c;
    long long whole = 0;
    while (s > L) s -= L, ++whole;
    g = Gcd(s, L);
    if (g > 1) s /= g, L /= g;
    label(11)->setText(N(a));
    label(12)->setText(N(b));
    label(13)->setText(N(c));
    label(14)->setText(N(d));
    // No whole part is written as an empty box.
    AddGroupItem({edit(1), edit(2), edit(3)}, {whole == 0 ? QString() : N(whole), N(s), N(L)},
                 {label(15), label(16), label(17)});

    // Part 2: (k + a/b) - (l + c/d) over the plain product of the denominators.
    const int k = Random(4) + 6;
    const int l = Random(3) + 1;
    taken_.fill(false);
    q0 = DrawCategory(29, 30);
    taken_[size_t(q0)] = true;
    b = kPrimes[size_t(q0)] * FreshPrime(49, 10);
    d = kPrimes[size_t(q0)] * FreshPrime(49, 10);
    a = Random(int(b - 5)) + 1;
    c = Random(int(d - 5)) + 1;
    L = b * d;
    long long m = d * a - b * c;
    whole = k - l;
    if (m < 0) m += L, whole = k - l - 1;
    g = Gcd(m, L);
    if (g > 1) m /= g, L /= g;
    label(20)->setText(N(k));
    label(21)->setText(SecondWholeText(l));
    label(18)->setText(N(a));
    label(19)->setText(N(b));
    label(22)->setText(N(c));
    label(23)->setText(N(d));
    AddGroupItem({edit(4), edit(5), edit(6)}, {N(whole), N(m), N(L)}, {label(24), label(25), label(26)});
}

void TForm9::DrawProblem4() {
    const int x = Random(89) + 10;
    const int y = Random(89) + 10;
    label(27)->setText(Problem4Text(x, y));
    AddEditItem(edit(7), N(x), label(28));
    AddEditItem(edit(8), T(y), label(29));
}

void TForm9::DrawProblem5() {
    int x, y;
    do x = Random(89) + 10;
    while (x % 10 == 0);
    do y = Random(89) + 10;
    while (y % 10 == 0);
    label(30)->setText(Problem5First(x));
    label(31)->setText(Problem5Roots(x, y));
    // |X| = x has the roots -x and x; |X| = -y has none.
    const bool ticks[] = {true, true, false, false, false, true};
    for (int i = 0; i < 6; ++i) AddCheckItem(56 + i, ticks[i]);
}

void TForm9::DrawProblem6() {
    const int x = Random(89) + 10;
    label(32)->setText(Problem6Text(x));
    // X ≤ -x: the greatest integer is -x itself.
    AddEditItem(edit(9), QStringLiteral("-") + N(x), label(33));
}

void TForm9::DrawProblem7() {
    const int a = Random(9) + 1;
    const int b = Random(9) + 1;
    const int c = Random(4) + 5;
    const int e = Random(8) + 1;
    const int f = e + 1;
    label(34)->setText(QStringLiteral("7. Яку цифру можна поставити замість зірочки, щоб утворилась правильна ") +
                       QStringLiteral("нерівність (розглянути"));
    label(35)->setText(QStringLiteral("всі можливі випадки): -") + N(a) + QStringLiteral(",") + N(b) +
                       QStringLiteral("*") + N(f) + QStringLiteral(">-") + N(a) + QStringLiteral(",") + N(b) + N(c) +
                       N(e));
    label(36)->setText(kRuler);
    // -a,b*f > -a,bce exactly when *f < ce, that is when * < c, since f = e + 1.
    for (int digit = 0; digit <= 9; ++digit) AddCheckItem(62 + digit, digit < c);
}

void TForm9::DrawProblem8() {
    p8_ = kPrimes[size_t(DrawCategory(29, 40))];
    b8_ = Random(p8_ - 3);
    label(37)->setText(kProblem8Text);
    label(38)->setText(N(b8_ + 1));
    label(39)->setText(N(p8_));
    label(40)->setText(N(b8_ + 2));
    label(41)->setText(N(p8_));
    DeclareFractionPair(10, 11, 42);
    DeclareFractionPair(12, 13, 43);
}

// The pupil's fraction -n/d, read as whole numbers (what is not one, or is 0,
// counts as 1), is right strictly between the bounds. A wrong one shows the
// bounds and its own value to three decimals.
void TForm9::DeclareFractionPair(int numeratorEdit, int denominatorEdit, int answerLabel) {
    const auto value = [this, numeratorEdit, denominatorEdit] {
        const auto read = [](QLineEdit* e) {
            const std::optional<int> v = ReadInteger(e->text());
            return !v || *v == 0 ? 1LL : static_cast<long long>(*v);
        };
        long long n = read(edit(numeratorEdit)), d = read(edit(denominatorEdit));
        if (d < 0) n = -n, d = -d;
        return Fraction{-n, d};
    };
    AnswerItem item;
    item.inputs = {edit(numeratorEdit), edit(denominatorEdit)};
    item.answerLabels = {label(answerLabel)};
    item.isRight = [this, value] {
        const Fraction v = value();
        // -(b+2)/p < v < -(b+1)/p, with v.den > 0.
        return -(b8_ + 2LL) * v.den < v.num * p8_ && v.num * p8_ < -(b8_ + 1LL) * v.den;
    };
    item.shownAtMarking = [this, value] {
        const Fraction v = value();
        return QStringList{ThreeDecimalsText(-(b8_ + 2), p8_) + QStringLiteral("<") + ThreeDecimalsText(v.num, v.den) +
                           QStringLiteral("<") + ThreeDecimalsText(-(b8_ + 1), p8_)};
    };
    AddItem(std::move(item));
}
