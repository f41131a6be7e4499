#include "papers/paper12.h"

#include <array>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/primes.h"
#include "core/random.h"
#include "papers/line_layout.h"
#include "papers/paper_draws.h"

namespace {
const int kText = 18;
const int kFraction = 15;
const int kBox = 28;
const int kRow1 = 66, kRow2 = 150, kRow2b = 182, kRow2c = 212, kRow2d = 246, kRow3 = 310, kRow3d = 394,
          kRow4 = 470;

constexpr std::array<int, 14> kPrimes = FirstPrimes<14>();

QString N(long long v) { return QString::number(v); }

// Item 7: the start of the right side, by b (6 … 9) and t (1 … 8, never 5).
const char16_t* RightSide(int b, int t) {
    static const char16_t* table[4][8] = {
        {u"9-(10,2-", u"8-(10,4-", u"7-(10,6-", u"6-(10,8-", nullptr, u"3-(10,2-", u"2-(10,4-", u"1-(10,6-"},
        {u"9-(10,4-", u"8-(10,8-", u"6-(10,2-", u"5-(10,6-", nullptr, u"2-(10,4-", u"1-(10,8-", nullptr},
        {u"9-(10,6-", u"7-(10,2-", u"6-(10,8-", u"4-(10,4-", nullptr, u"1-(10,6-", nullptr, nullptr},
        {u"9-(10,8-", u"7-(10,6-", u"5-(10,4-", u"3-(10,2-", nullptr, nullptr, nullptr, nullptr},
    };
    return table[b - 6][t - 1];
}
}  // namespace

TForm13::TForm13()
    : TestPaper(QStringLiteral("Form13"), QSize(1010, 580),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::DisabledAfterMarking,
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№12 Ваpіант № + "),
                      .answerLabels = {2, 6, 14, 15, 16}}) {
    addLabel(1, 20, 12, 26);
    addLabel(2, 420, 16, 22);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);

    // Problem 1: a product and a quotient of mixed numbers in one line.
    addLabel(3, 20, kRow1, kText);
    addImage(1, 0, kRow1 + 6, 9, 9, Picture::Fit::Stretch);
    for (int n = 4; n <= 5; ++n) addLabel(n, 0, 0, kFraction);
    for (int n = 8; n <= 13; ++n) addLabel(n, 0, 0, kFraction);
    for (int n = 2; n <= 5; ++n) addImage(n, 0, 0, 20, 3, Picture::Fit::Stretch);
    addEdit(1, 0, kRow1 - 3, 56, kBox, kText);
    addLabel(6, 0, kRow1 + 28);
    addLabel(7, 0, kRow1, kText);
    addEdit(2, 0, kRow1 - 4, 36, kBox, kText);
    addEdit(3, 0, kRow1 - 20, 40, 24, kFraction);
    addImage(6, 0, kRow1 + 6, 40, 3, Picture::Fit::Stretch);
    addEdit(4, 0, kRow1 + 12, 40, 24, kFraction);
    addLabel(14, 0, kRow1 + 40);
    addLabel(15, 0, kRow1 - 16);
    addLabel(16, 0, kRow1 + 16);

    // Problem 2: the wire.
    addLabel(17, 20, kRow2, kText);
    addLabel(18, 20, kRow2b, kText);
    addLabel(19, 0, 0, kFraction);
    addLabel(20, 0, 0, kFraction);
    addImage(7, 0, 0, 20, 3, Picture::Fit::Stretch);
    addLabel(21, 20, kRow2c, kText);
    addLabel(22, 40, kRow2d + 4, 16);
    addEdit(5, 180, kRow2d, 80, kBox, kText);
    addLabel(23, 320, kRow2d + 4, 16);
    addEdit(6, 460, kRow2d, 80, kBox, kText);

    // Problem 3: the mandarins.
    addLabel(24, 20, kRow3, kText);
    addLabel(25, 20, kRow3 + 26, kText);
    addLabel(26, 20, kRow3 + 52, kText);
    addLabel(27, 40, kRow3d + 4, 16);
    addEdit(7, 180, kRow3d, 80, kBox, kText);
    addLabel(28, 320, kRow3d + 4, 16);
    addEdit(8, 460, kRow3d, 80, kBox, kText);

    // Problem 4: a root, or a box under "Немає коренів" or "Х-довільне".
    addLabel(29, 20, kRow4, kText);
    addEdit(9, 0, kRow4 - 3, 60, kBox, kText);
    addCheckBox(1, 0, kRow4 + 30);
    addCheckBox(2, 0, kRow4 + 30);

    addButton(1, 840, 525, 150, 40, 20);
    ConnectPaper();
}

void TForm13::FormCreate() {
    StartPaper();
    Randomize();
    label(1)->setText(QStringLiteral("Контрольна робота №12"));
    label(22)->setText(QStringLiteral("Друга частина"));
    label(23)->setText(QStringLiteral("Третя частина"));
    label(27)->setText(QStringLiteral("Перший ящик"));
    label(28)->setText(QStringLiteral("Другий ящик"));
    DrawProblem1();
    DrawQuotient();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    // Pictures come last: a missing one leaves a paper that can still be taken.
    LoadPicture(image(1), QStringLiteral("kr\\umn.bmp"));
    for (int n = 2; n <= 7; ++n) LoadPicture(image(n), QStringLiteral("kr\\chdr4.bmp"));
}

// Item 1: (−x/10 + y/10) · m with m = 10/E, whose value is −q.
void TForm13::DrawProblem1() {
    static const struct { int whole, num, den, E; } mixed[3] = {{3, 1, 3, 3}, {1, 3, 7, 7}, {1, 1, 9, 9}};
    const auto& m = mixed[DrawCategory(29, 10) - 1];
    static const int qs[3] = {3, 7, 11};
    int q, x, y;
    do {
        q = qs[DrawCategory(29, 10) - 1];
        x = DrawNotMultiple(40, 101);
        y = x - m.E * q;
    } while (y % 10 == 0);
    const QString toTimes = QStringLiteral("1. Знайдіть значення виразу: 1)  (-") + TenthsText(x) + u'+' + TenthsText(y) +
                            u')';
    const QString toFraction = toTimes + QStringLiteral("    ") + N(m.whole);
    label(3)->setText(toFraction + QStringLiteral("         ="));
    label(4)->setText(N(m.num));
    label(5)->setText(N(m.den));
    place(image(1), EndOf(*this, label(3), toTimes, kText) + 6, kRow1 + 6);
    PlaceFraction(*this, label(4), image(2), label(5), EndOf(*this, label(3), toFraction, kText) + 2, kRow1, 16,
                  kFraction);
    const int x1 = EndOf(*this, label(3), label(3)->text(), kText) + 4;
    place(edit(1), x1, kRow1 - 3);
    place(label(6), x1 + 2, kRow1 + 28);
    AddEditItem(edit(1), u'-' + N(q), label(6));
}

// Item 2: (s/f − t/f) : (−b/D3), whose value is −1/q.
void TForm13::DrawQuotient() {
    static const struct { int whole, num, den; } divisors[2][4] = {
        {{1, 5, 6}, {1, 3, 8}, {1, 2, 9}, {1, 1, 10}},   // all of them 11 over their denominator
        {{2, 1, 6}, {1, 5, 8}, {1, 4, 9}, {1, 3, 10}},   // and 13
    };
    static const int qs[3] = {2, 3, 7};
    int b, q, f, s = 0, t = 0;
    int w3 = 0, n3 = 0, d3 = 1;
    for (bool found = false; !found;) {
        const bool high = Random(100) > 50;
        const auto& d = divisors[high][DrawCategory(39, 10) - 1];
        b = high ? 13 : 11;
        w3 = d.whole;
        n3 = d.num;
        d3 = d.den;
        q = qs[DrawCategory(29, 10) - 1];
        f = q * d3;
        // t from b − 1 down: the last s = b + t and the last t sharing a factor with f.
        int sharedS = 0, sharedT = 0;
        for (int tt = b - 1; tt >= f / 2 && !(sharedS && sharedT); --tt) {
            if (Gcd(b + tt, f) > 1) sharedS = b + tt;
            if (Gcd(tt, f) > 1) sharedT = tt;
        }
        if (sharedS) {
            s = sharedS;
            t = s - b;
            found = true;
        } else if (sharedT) {
            t = sharedT;
            s = b + t;
            found = true;
        }
    }
    const Fraction minuend = Reduce({s, f});
    const int w1 = minuend.num > minuend.den ? 1 : 0;
    const Fraction subtrahend = Reduce({t, f});
    const QString toFirst = QStringLiteral("; 2) (") + (w1 ? N(w1) : QStringLiteral("  "));
    const QString toSecond = toFirst + QStringLiteral("       -") + QStringLiteral("  ");
    const QString toThird = toSecond + QStringLiteral("      ):(-") + N(w3);
    label(7)->setText(toThird + QStringLiteral("      )="));
    const int left = designRect(edit(1)).right() + 8;
    place(label(7), left, kRow1);
    const long long fractions[] = {minuend.num - w1 * minuend.den, minuend.den, subtrahend.num, subtrahend.den, n3, d3};
    for (int i = 0; i < 6; ++i) label(8 + i)->setText(N(fractions[i]));
    const QString prefixes[] = {toFirst, toSecond, toThird};
    for (int i = 0; i < 3; ++i)
        PlaceFraction(*this, label(8 + 2 * i), image(3 + i), label(9 + 2 * i),
                      EndOf(*this, label(7), prefixes[i], kText) + 2, kRow1, 18, kFraction);
    const int g = EndOf(*this, label(7), label(7)->text(), kText) + 6;
    place(edit(2), g, kRow1 - 4);
    place(edit(3), g + 40, kRow1 - 20);
    place(image(6), g + 40, kRow1 + 6);
    place(edit(4), g + 40, kRow1 + 12);
    place(label(14), g + 2, kRow1 + 40);
    place(label(15), g + 86, kRow1 - 16);
    place(label(16), g + 86, kRow1 + 16);
    AddGroupItem({edit(2), edit(3), edit(4)}, {QStringLiteral("-"), QStringLiteral("1"), N(q)},
                 {label(14), label(15), label(16)});
}

void TForm13::DrawProblem2() {
    const int p = kPrimes[DrawCategory(39, 30)];
    const int n = Random(p - 3) + 2;
    const int k = Random(8) + 2;
    const int L = p * k * (Random(10) + 10);
    label(17)->setText(QStringLiteral("2. Дріт розрізали на три частини. Довжина однієї частини дорівнювала ") + N(L) +
                       QStringLiteral("м. Довжина другої "));
    const QString toFraction = QStringLiteral("частини становила");
    label(18)->setText(toFraction + QStringLiteral("        довжини першої частини і ") + N(k) +
                       QStringLiteral("0% довжини ") + QStringLiteral("третьої частини. Знайдіть"));
    label(19)->setText(N(n));
    label(20)->setText(N(p));
    PlaceFraction(*this, label(19), image(7), label(20), EndOf(*this, label(18), toFraction, kText) + 8, kRow2b, 20,
                  kFraction);
    label(21)->setText(QStringLiteral("довжини другої і третьої частини.     Відповідь:"));
    // The second part is n/p of the first and k·10 % of the third.
    const int second = L / p * n;
    AddEditItem(edit(5), N(second), label(22));
    AddEditItem(edit(6), N(second * 10 / k), label(23));
}

void TForm13::DrawProblem3() {
    const int second = Random(10) + 20;
    const int m = DrawCategory(69, 30);
    const int first = m * second;
    const int take = Random((first - second) / 3) + 1;
    const int add = first - take - second;
    label(24)->setText(QStringLiteral("3. У першому ящику було в ") + N(m) +
                       (m <= 4 ? QStringLiteral(" рази ") : QStringLiteral(" разів ")) +
                       QStringLiteral("більше мандаринів, ніж у другому. Коли з ") + QStringLiteral("першого ящика"));
    label(25)->setText(QStringLiteral("взяли ") + N(take) + QStringLiteral(" кг мандаринів, а в другий поклали ще ") +
                       N(add) + QStringLiteral(" кг, то в обох ") + QStringLiteral("ящиках мандаринів стало порівну."));
    label(26)->setText(QStringLiteral("Скільки кілограмів мандаринів було в кожному ящику спочатку?   Відповідь:"));
    AddEditItem(edit(7), N(first), label(27));
    AddEditItem(edit(8), N(second), label(28));
}

// Item 7: b/5·(5X − t) against a right side equal to it for every X.
void TForm13::DrawProblem4() {
    const int b = DrawCategory(39, 60);
    static const char16_t* lefts[4] = {u"1,2(5X-", u"1,4(5X-", u"1,6(5X-", u"1,8(5X-"};
    static const int ranges[4] = {79, 69, 59, 39};
    int t = DrawCategory(ranges[b - 6], 10);
    if (t == 5) t = 6;
    const QString toBox = QStringLiteral("4. Розв`яжіть рівняння: ") + QString::fromUtf16(lefts[b - 6]) + N(t) +
                          QStringLiteral(")=") + QString::fromUtf16(RightSide(b, t)) + N(b) + QStringLiteral("X)     X=");
    const QString toNone = toBox + QStringLiteral("                 ");
    const QString none = QStringLiteral("Немає коренів");
    const QString toAny = toNone + none + QStringLiteral("     ");
    // "Х-довільне" begins with a Cyrillic Х.
    const QString any = QStringLiteral("Х-довільне");
    label(29)->setText(toNone + none + QStringLiteral("     ") + any);
    place(edit(9), EndOf(*this, label(29), toBox, kText) + 4, kRow4 - 3);
    // CheckBox1, the box that scores, stands under "Х-довільне": every equation drawn holds for every X.
    place(checkBox(2), EndOf(*this, label(29), toNone, kText) + TextWidth(none, kText) / 2 - 10, kRow4 + 30);
    place(checkBox(1), EndOf(*this, label(29), toAny, kText) + TextWidth(any, kText) / 2 - 10, kRow4 + 30);
    AnswerItem item{{edit(9), checkBox(1), checkBox(2)}, {}, {}, [this] { return ticked(1); }};
    AddItem(std::move(item));
}
