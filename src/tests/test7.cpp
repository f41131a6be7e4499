#include "tests/test7.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <cmath>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/random.h"

namespace {
const int kTextFont = 20;  // problem texts
const int kSumFont = 22;   // problems 2 and 3, where inputs and fractions stand in the gaps
const int kPartFont = 18;  // numerators, denominators and whole parts
const int kRowLeft = 210;  // problem 1: the picture and the eleven columns of boxes under it
const int kCell = 70;
const int kFractionWidth = 44;

QString N(long long value) { return QString::number(value); }
QString T(long long tenths) { return TenthsText(tenths); }

QFont Serif(int px) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(px);
    return font;
}

double Advance(const QString& text, int px) { return QFontMetricsF(Serif(px)).horizontalAdvance(text); }

// Where character `index` of a label's text begins on the page.
int At(int left, const QString& text, int index, int px) {
    return left + int(std::lround(Advance(text.left(index), px)));
}

// The height of a line of text: where minus signs and fraction bars sit.
int Axis(int top, int px) {
    const QFontMetricsF m(Serif(px));
    return top + int(std::lround(m.ascent() - m.xHeight() / 2));
}

// The runs of two or more blanks of a text, as [first, past-the-end) page positions.
struct Gap {
    int left, right;
    int centre() const { return (left + right) / 2; }
};
std::vector<Gap> Gaps(int left, const QString& text, int px) {
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    std::vector<Gap> gaps;
    for (auto it = blanks.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        gaps.push_back({At(left, text, int(m.capturedStart()), px), At(left, text, int(m.capturedEnd()), px)});
    }
    return gaps;
}

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

QString ThreeDecimalsText(long long num, long long den) {
    const bool negative = num != 0 && (num < 0) != (den < 0);
    const long long a = num < 0 ? -num : num, d = den < 0 ? -den : den;
    const long long thousandths = a % d * 1000 / d;
    return (negative ? QStringLiteral("-") : QString()) + N(a / d) + QStringLiteral(",") +
           QStringLiteral("%1").arg(thousandths, 3, 10, QLatin1Char('0'));
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

    // A fraction: numerator over a bar over denominator, centred on the line's axis.
    const auto fraction = [this](int numerator, int denominator, int bar, int left, int axis, int width = kFractionWidth) {
        const int height = int(std::lround(QFontMetricsF(Serif(kPartFont)).height()));
        addLabel(numerator, left, axis - 1 - height, kPartFont, width, height)->setAlignment(Qt::AlignCenter);
        addImage(bar, left, axis - 1, width, 3, Picture::Fit::Stretch);
        addLabel(denominator, left, axis + 2, kPartFont, width, height)->setAlignment(Qt::AlignCenter);
    };
    const auto modulus = [this](int n, int centre, int axis) { addImage(n, centre - 1, axis - 15, 3, 30, Picture::Fit::Stretch); };
    // A mixed-number answer: whole part, then numerator over denominator; the right
    // answer is shown under it in the same shape.
    const auto mixedAnswer = [this](int firstEdit, int firstLabel, int bar, int left, int axis) {
        addEdit(firstEdit, left, axis - 14, 30, 28, kPartFont);
        addEdit(firstEdit + 1, left + 36, axis - 29, 62, 27, kPartFont);
        addImage(bar, left + 36, axis - 1, 62, 3, Picture::Fit::Stretch);
        addEdit(firstEdit + 2, left + 36, axis + 2, 62, 27, kPartFont);
        addLabel(firstLabel, left + 2, axis + 40);
        addLabel(firstLabel + 1, left + 40, axis + 32);
        addLabel(firstLabel + 2, left + 40, axis + 48);
    };

    // Problem 1: the row of numbers, five captioned rows of eleven boxes under it.
    addLabel(3, 20, 58, kTextFont);
    addImage(1, kRowLeft, 88, kCell * 11, 100);
    for (int row = 0; row < 5; ++row) {
        addLabel(4 + row, 20, 196 + 30 * row, kPartFont);
        for (int column = 0; column < 11; ++column)
            addCheckBox(1 + 11 * row + column, kRowLeft + kCell * column + kCell / 2 - 10, 198 + 30 * row);
    }

    // Problem 2: a list in the gap of each pair.
    const int top2 = 350;
    addLabel(9, 20, top2, kSumFont);
    const std::vector<Gap> gaps2 = Gaps(20, Problem2Text(57, 57, 21, 24), kSumFont);
    for (int i : {1, 3}) {
        const int width = std::min(50, gaps2[size_t(i)].right - gaps2[size_t(i)].left - 4);
        addComboBox(i == 1 ? 1 : 2, gaps2[size_t(i)].centre() - width / 2, top2 - 1, width, 28,
                    {QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("=")}, kPartFont);
    }

    // Problem 3: |a/b| + |-c/d| = …   |-k a/b| - |-l c/d| = …
    const int top3 = 440, axis3 = Axis(top3, kSumFont);
    addLabel(10, 20, top3, kSumFont);
    const std::vector<Gap> g3 = Gaps(20, kProblem3Text, kSumFont);
    modulus(4, g3[1].left + 4, axis3);
    fraction(11, 12, 2, g3[1].centre() - kFractionWidth / 2, axis3);
    modulus(5, g3[1].right - 4, axis3);
    modulus(6, g3[2].centre(), axis3);
    fraction(13, 14, 3, g3[3].centre() - kFractionWidth / 2 - 1, axis3);
    modulus(7, g3[3].right - 4, axis3);
    mixedAnswer(1, 15, 21, g3[4].left + 6, axis3);
    modulus(9, g3[5].right - 4, axis3);
    addLabel(20, g3[6].left + 3, top3 + 1, kSumFont);
    fraction(18, 19, 10, g3[6].left + 18, axis3);
    modulus(11, g3[6].right - 4, axis3);
    modulus(12, g3[7].centre(), axis3);
    const int left21 = At(20, kProblem3Text, int(kProblem3Text.size()), kSumFont) + 4;
    addLabel(21, left21, top3, kSumFont);
    const std::vector<Gap> g21 = Gaps(left21, SecondWholeText(1), kSumFont);
    fraction(22, 23, 13, g21[0].centre() - kFractionWidth / 2 - 1, axis3);
    modulus(14, g21[0].right - 4, axis3);
    mixedAnswer(4, 24, 22, At(left21, SecondWholeText(1), int(SecondWholeText(1).size()), kSumFont) + 8, axis3);

    // Problem 4: each answer after its "X=".
    const int top4 = 540;
    addLabel(27, 20, top4, kTextFont);
    const QString text4 = Problem4Text(57, 57);
    const Gap after4 = Gaps(20, text4, kTextFont)[3];
    addEdit(7, after4.left + 2, top4 - 3, after4.right - after4.left - 6, 28, kTextFont);
    addLabel(28, after4.left + 4, top4 + 27);
    const int end4 = At(20, text4, int(text4.size()), kTextFont);
    addEdit(8, end4 + 6, top4 - 3, 60, 28, kTextFont);
    addLabel(29, end4 + 8, top4 + 27);

    // Problem 5: the bars around X, a box under every candidate root.
    const int top5 = 600, axis5 = Axis(top5, kTextFont);
    addLabel(30, 20, top5, kTextFont);
    const QString first5 = Problem5First(57);
    const int x5 = int(first5.indexOf(QStringLiteral("Х =")));
    // Each bar a little clear of the letter it embraces.
    modulus(16, At(20, first5, x5, kTextFont) - 3, axis5);
    modulus(17, At(20, first5, x5 + 1, kTextFont) + 2, axis5);
    const int left31 = At(20, first5, int(first5.size()), kTextFont) + 12;
    addLabel(31, left31, top5, kTextFont);
    const QString roots = Problem5Roots(57, 57);
    const int x31 = int(roots.indexOf(QStringLiteral("X =")));
    modulus(18, At(left31, roots, x31, kTextFont) - 3, axis5);
    modulus(19, At(left31, roots, x31 + 1, kTextFont) + 2, axis5);
    const QString none = QStringLiteral("немає коренів");
    const int second = int(roots.indexOf(QStringLiteral(";     -"))) + 6;
    const struct { int at, length; } candidates[] = {
        {0, 3}, {5, 2}, {int(roots.indexOf(none)), int(none.size())},
        {second, 4}, {second + 6, 3}, {int(roots.lastIndexOf(none)), int(none.size())}};
    for (int i = 0; i < 6; ++i) {
        const int centre = (At(left31, roots, candidates[i].at, kTextFont) +
                            At(left31, roots, candidates[i].at + candidates[i].length, kTextFont)) / 2;
        addCheckBox(56 + i, centre - 10, top5 + 28);
    }

    // Problem 6: the sign between X and -x, the answer after "X=".
    const int top6 = 670;
    addLabel(32, 20, top6, kTextFont);
    const QString text6 = Problem6Text(57);
    const Gap sign = Gaps(20, text6, kTextFont).front();  // " X    -"
    addImage(20, sign.centre() - 11, Axis(top6, kTextFont) - 11, 22, 22, Picture::Fit::Proportional);
    const int end6 = At(20, text6, int(text6.size()), kTextFont);
    addEdit(9, end6 + 6, top6 - 3, 60, 28, kTextFont);
    addLabel(33, end6 + 8, top6 + 27);

    // Problem 7: a box under every digit of the ruler.
    addLabel(34, 20, 725, kTextFont);
    addLabel(35, 40, 752, kTextFont);
    addLabel(36, kRulerLeft, 782, kTextFont);
    int digit = 0;
    for (int i = 0; i < kRuler.size(); ++i) {
        if (!kRuler[i].isDigit()) continue;
        addCheckBox(62 + digit++, (At(kRulerLeft, kRuler, i, kTextFont) + At(kRulerLeft, kRuler, i + 1, kTextFont)) / 2 - 10,
                    810);
    }

    // Problem 8: the bounds and the pupil's two fractions stand in the gaps, each after its minus.
    const int top8 = 870, axis8 = Axis(top8, kTextFont);
    addLabel(37, 20, top8, kTextFont);
    const std::vector<Gap> g8 = Gaps(20, kProblem8Text, kTextFont);
    fraction(38, 39, 8, g8[1].left + 2, axis8, g8[1].right - g8[1].left - 4);
    fraction(40, 41, 15, g8[4].left + 2, axis8, 40);
    const auto pair = [&](int numerator, int bar, int left) {
        addEdit(numerator, left, axis8 - 29, 44, 27, kPartFont);
        addImage(bar, left, axis8 - 1, 44, 3, Picture::Fit::Stretch);
        addEdit(numerator + 1, left, axis8 + 2, 44, 27, kPartFont);
    };
    pair(10, 23, g8[5].left + 2);
    const int end8 = At(20, kProblem8Text, int(kProblem8Text.size()), kTextFont);
    pair(12, 24, end8 + 2);
    addLabel(42, g8[5].left - 60, axis8 + 34);
    addLabel(43, g8[5].left - 60, axis8 + 52);

    addButton(1, 840, 945, 150, 40, 20);
    ConnectPaper();
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
