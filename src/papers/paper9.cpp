#include "papers/paper9.h"

#include "core/picture_texts.h"

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
const int kRow1 = 62, kRow2 = 150, kRow3 = 228, kRow4 = 306, kRow5 = 384, kRow6 = 462, kRow6b = 496,
          kRow7 = 556, kRow8 = 660;

// The paper's primes, indexed from 1.
constexpr std::array<int, 14> kPrimes = FirstPrimes<14>();

QString N(long long v) { return QString::number(v); }
QString T(long long v) { return TenthsText(v); }
QString H(long long v) { return HundredthsText(v); }
// A whole number with its sign always written: "+4", "-4".
QString Signed(long long v) { return v > 0 ? u'+' + N(v) : N(v); }

// Random(8) + 2, drawn again while it is 5.
int DrawNotFive() {
    int x;
    do x = Random(8) + 2;
    while (x == 5);
    return x;
}

// Item 12: the simplified forms of each picture's expression, the values of
// its letters and its value there.
struct ExpressionRow {
    const char16_t* forms[2];
    const char16_t* letters[2];
    const char16_t* value;
};
const ExpressionRow kExpressions[12] = {
    {{u"1,2m-17n", u"-17n+1,2m"}, {u"m=10", u"n=0,1"}, u"10,3"},
    {{u"-0,6p-15m", u"-15m-0,6p"}, {u"p=10", u"m=-0,1"}, u"-4,5"},
    {{u"2,8m-13n", u"-13n+2,8m"}, {u"m=10", u"n=0,1"}, u"26,7"},
    {{u"-4,2m-9,5n", u"-9,5n-4,2m"}, {u"m=-10", u"n=0,1"}, u"41,05"},
    {{u"-3,2m-8n", u"-8n-3,2m"}, {u"m=-10", u"n=0,1"}, u"31,2"},
    {{u"-2,8m-6n", u"-6n-2,8m"}, {u"m=-10", u"n=0,1"}, u"27,4"},
    {{u"1,2m-13n", u"-13n+1,2m"}, {u"m=10", u"n=0,1"}, u"10,7"},
    {{u"-1,8p-9,5m", u"-9,5m-1,8p"}, {u"p=-10", u"m=1"}, u"8,5"},
    {{u"-0,6p-12,5m", u"-12,5m-0,6p"}, {u"p=-10", u"m=0,1"}, u"4,75"},
    {{u"0,8p-8m", u"-8m+0,8p"}, {u"p=10", u"m=0,1"}, u"7,2"},
    {{u"4,4p-17m", u"-17m+4,4p"}, {u"p=10", u"m=0,1"}, u"42,3"},
    {{u"-1,2p-10m", u"-10m-1,2p"}, {u"p=-10", u"m=0,1"}, u"11"},
};
QString S(const char16_t* text) { return QString::fromUtf16(text); }
}  // namespace

MixedProduct DrawMixedProduct() {
    MixedProduct m;
    std::array<bool, 14> used{};
    // Index i of prime[i] drawn by Trunc((Random(k) + 10) / 10) again until it is free.
    auto freeIndex = [&used](int k) {
        int i;
        do i = DrawCategory(k, 10);
        while (used[i]);
        return i;
    };
    for (;;) {
        // Step 1: every prime free.
        used.fill(false);
        int n1 = Random(7) + 4;
        int d1 = n1;
        for (;;) {
            // Step 2: from the second attempt on the numerator is drawn again.
            ++m.attempts;
            if (m.attempts > 1) {
                n1 = Random(7) + 4;
                d1 = n1;
            }
            int d2 = n1;
            const int i1 = DrawCategory(39, 10);
            n1 *= kPrimes[i1];
            used[i1] = true;
            const int i2 = freeIndex(59);
            d2 *= kPrimes[i2];
            d1 = Random(n1 - 3) + 2;
            if (d1 / 2 > 8) d1 /= 2;
            int n2 = d1;
            used[i2] = true;
            n2 *= kPrimes[freeIndex(59)];
            do n2 *= kPrimes[DrawCategory(29, 10)];
            while (n2 <= d2);
            m.w1 = (n1 - 1) / d1;  // whole units taken out while the numerator is greater
            n1 -= m.w1 * d1;
            if (n1 == d1) {
                // A whole first number: begin again from step 1, primes freed, so
                // that retries never run out of free primes.
                break;
            }
            m.w2 = (n2 - 1) / d2;
            n2 -= m.w2 * d2;
            if (n2 == d2) break;
            m.n1 = n1;
            m.d1 = d1;
            m.n2 = n2;
            m.d2 = d2;
            return m;
        }
    }
}

TForm11::TForm11()
    : TestPaper(QStringLiteral("Form11"), QSize(1010, 760),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::DisabledAfterMarking,
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№9 Ваpіант № + "),
                      .answerLabels = {2, 4, 9, 10, 11, 13, 14, 16, 17, 19, 20, 22, 31}}) {
    addLabel(1, 20, 12, 26);
    addLabel(2, 420, 16, 22);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);

    // Problem 1: a product of decimals and one of mixed numbers.
    addLabel(3, 20, kRow1, kText);
    addImage(1, 0, kRow1 + 7, 9, 9, Picture::Fit::Stretch);
    addEdit(1, 0, kRow1 + 34, 70, kBox, kText);
    addLabel(4, 0, kRow1 + 64);
    for (int n = 5; n <= 8; ++n) addLabel(n, 0, 0, kFraction);
    addImage(2, 0, 0, 20, 3, Picture::Fit::Stretch);
    addImage(3, 0, 0, 20, 3, Picture::Fit::Stretch);
    addEdit(2, 0, kRow1 - 4, 44, kBox, kText);
    addEdit(3, 0, kRow1 - 20, 50, 24, kFraction);
    addImage(4, 0, kRow1 + 6, 50, 3, Picture::Fit::Stretch);
    addEdit(4, 0, kRow1 + 12, 50, 24, kFraction);
    addLabel(9, 0, kRow1 + 40);
    addLabel(10, 0, kRow1 - 16);
    addLabel(11, 0, kRow1 + 16);
    addLabel(12, 20, kRow2, kText);
    addEdit(5, 0, kRow2 + 28, 70, kBox, kText);
    addEdit(6, 0, kRow2 + 28, 70, kBox, kText);
    addLabel(13, 0, kRow2 + 58);
    addLabel(14, 0, kRow2 + 58);

    // Problem 2: four expressions to simplify.
    addLabel(15, 20, kRow3, kText);
    addImage(5, 0, kRow3 + 7, 9, 9, Picture::Fit::Stretch);
    addEdit(7, 0, kRow3 + 28, 110, kBox, kText);
    addEdit(8, 0, kRow3 + 28, 110, kBox, kText);
    addLabel(16, 0, kRow3 + 58);
    addLabel(17, 0, kRow3 + 58);
    addLabel(18, 20, kRow4, kText);
    addEdit(9, 0, kRow4 + 28, 110, kBox, kText);
    addEdit(10, 0, kRow4 + 28, 110, kBox, kText);
    addLabel(19, 0, kRow4 + 58);
    addLabel(20, 0, kRow4 + 58);

    // Problem 3.
    addLabel(21, 20, kRow5, kText);
    addImage(6, 0, kRow5 + 7, 9, 9, Picture::Fit::Stretch);
    addEdit(11, 0, kRow5 + 28, 70, kBox, kText);
    addLabel(22, 0, kRow5 + 58);

    // Problem 4: an expression to simplify and evaluate, and one shown as a picture.
    addLabel(23, 20, kRow6, kText);
    addLabel(24, 40, kRow6b + 4, 16);
    addEdit(12, 200, kRow6b, 220, kBox, kText);
    addLabel(25, 440, kRow6b + 2, kText);
    addLabel(27, 620, kRow6b + 4, 16);
    addEdit(13, 760, kRow6b, 110, kBox, kText);
    addImage(7, 20, kRow7, 330, 60, Picture::Fit::Proportional);
    addLabel(26, 360, kRow7 + 18, kText);
    addLabel(29, 560, kRow7, 16);
    addEdit(14, 560, kRow7 + 24, 180, kBox, kText);
    addLabel(30, 770, kRow7, 16);
    addEdit(15, 770, kRow7 + 24, 110, kBox, kText);

    // Problem 5.
    addLabel(28, 20, kRow8, kText);
    addEdit(16, 0, kRow8 - 3, 80, kBox, kText);
    addLabel(31, 0, kRow8 + 28);

    addButton(1, 840, 705, 150, 40, 20);
    ConnectPaper();
}

void TForm11::FormCreate() {
    StartPaper();
    Randomize();
    label(1)->setText(QStringLiteral("Контрольна робота №9"));
    label(24)->setText(QStringLiteral("Спрощений вигляд"));
    label(29)->setText(QStringLiteral("Спрощений вигляд"));
    label(27)->setText(QStringLiteral("Значення виразу"));
    label(30)->setText(QStringLiteral("Значення виразу"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    // Pictures come last: a missing one leaves a paper that can still be taken.
    LoadPictures();
}

QString TForm11::SpokenName(QWidget* control) const {
    if (control == image(7) && expression_ >= 1 && expression_ <= 12)
        return QStringLiteral("Вираз ") + Test9Expressions()[size_t(expression_ - 1)];
    return TestPaper::SpokenName(control);
}

void TForm11::LoadPictures() {
    for (int n : {1, 5, 6}) LoadPicture(image(n), QStringLiteral("kr/umn.bmp"));
    LoadPicture(image(2), QStringLiteral("kr/chdr4pumn.bmp"));
    LoadPicture(image(3), QStringLiteral("kr/chdr4.bmp"));
    LoadPicture(image(4), QStringLiteral("kr/chdr2.bmp"));
    LoadPicture(image(7), QStringLiteral("kr/pr") + N(expression_) + QStringLiteral(".bmp"));
}

// Products and quotients of negative numbers.
void TForm11::DrawProblem1() {
    const int a = DrawNotMultiple(89, 10, 5);
    const int b = DrawNotMultiple(89, 10, 5);
    const QString toTimes = QStringLiteral("1. Виконайте дії:  1) -") + T(a);
    const QString item1 = toTimes + QStringLiteral("   ") + T(b) + u'=';

    const MixedProduct m = DrawMixedProduct();
    const QString toFirst = item1 + QStringLiteral("               ;  2)  -") + N(m.w1);
    const QString toSecond = toFirst + QStringLiteral("        (-") + N(m.w2);
    const QString line = toSecond + (m.w2 < 10 ? QStringLiteral("  ") : QString()) + QStringLiteral("        )=");
    label(3)->setText(line);
    label(5)->setText(N(m.n1));
    label(6)->setText(N(m.d1));
    label(7)->setText(N(m.n2));
    label(8)->setText(N(m.d2));

    place(image(1), EndOf(*this, label(3), toTimes, kText) + 2, kRow1 + 7);
    const int x1 = EndOf(*this, label(3), item1, kText) - 8;
    place(edit(1), x1, kRow1 + 34);
    place(label(4), x1 + 2, kRow1 + 64);
    // The first fraction's bar carries the multiplication sign after it.
    const int first = EndOf(*this, label(3), toFirst, kText) + 2;
    PlaceFraction(*this, label(5), image(2), label(6), first, kRow1, 18, kFraction);
    const QRect bar = designRect(image(2));
    setBounds(image(2), bar.left(), bar.top() - 5, bar.width() + 16, 13);
    PlaceFraction(*this, label(7), image(3), label(8), EndOf(*this, label(3), toSecond, kText) + 2, kRow1, 18,
                  kFraction);
    const int g = EndOf(*this, label(3), line, kText) + 6;
    place(edit(2), g, kRow1 - 4);
    place(edit(3), g + 48, kRow1 - 20);
    place(image(4), g + 48, kRow1 + 6);
    place(edit(4), g + 48, kRow1 + 12);
    place(label(9), g + 2, kRow1 + 40);
    place(label(10), g + 104, kRow1 - 16);
    place(label(11), g + 104, kRow1 + 16);

    // The product, reduced, with whole units taken out while the numerator is greater.
    const Fraction product = Reduce({1LL * (m.w1 * m.d1 + m.n1) * (m.w2 * m.d2 + m.n2), 1LL * m.d1 * m.d2});
    const Mixed mixed = SplitWhileGreater(product);

    // Quotients: items 3 and 4.
    const int a3 = DrawNotMultiple(89, 10, 5);
    const int b3 = DrawNotMultiple(89, 10, 5);
    const int a4 = DrawNotMultiple(89, 10, 5);
    const int b4 = DrawNotMultiple(89, 10, 5);
    const QString item3 = QStringLiteral("3)  ") + u'-' + H(a3 * b3) + QStringLiteral(":(") + u'-' + T(b3) +
                          QStringLiteral(")=");
    const QString item4 = QStringLiteral("              ; 4)  ") + H(a4 * b4) + QStringLiteral(":(-") + N(b4) +
                          QStringLiteral(")=");
    label(12)->setText(item3 + item4);
    const int x3 = EndOf(*this, label(12), item3, kText) - 8;
    const int x4 = EndOf(*this, label(12), item3 + item4, kText) - 8;
    place(edit(5), x3, kRow2 + 28);
    place(label(13), x3 + 2, kRow2 + 58);
    place(edit(6), x4, kRow2 + 28);
    place(label(14), x4 + 2, kRow2 + 58);

    AddEditItem(edit(1), u'-' + H(a * b), label(4));
    AddGroupItem({edit(2), edit(3), edit(4)}, {N(mixed.whole), N(mixed.num), N(mixed.den)},
                 {label(9), label(10), label(11)});
    AddEditItem(edit(5), T(a3), label(13));
    AddEditItem(edit(6), QStringLiteral("-0,") + N(a4), label(14));
}

// Letter expressions: the number may stand before either order of the letters,
// and a sum may be written in either order.
void TForm11::DrawProblem2() {
    const int a = DrawNotMultiple(89, 10, 5);
    const int c = DrawNotFive();
    const QString toTimes = QStringLiteral("2. Спростіть вираз:  1)  -") + T(a) + u'a';
    const QString item5 = toTimes + QStringLiteral("    (-") + N(c) + QStringLiteral("b)=");
    const int x = Random(7) + 3;
    const int y = Random(4) + 6;
    const int z = Random(2) + 2;
    const QString item6 = QStringLiteral("                   ; 2)  ") + N(x) + QStringLiteral("a-a-") + N(y) +
                          QStringLiteral("b+") + N(z) + QStringLiteral("b=");
    label(15)->setText(item5 + item6);
    place(image(5), EndOf(*this, label(15), toTimes, kText) + 6, kRow3 + 7);
    const int x5 = EndOf(*this, label(15), item5, kText) - 8;
    const int x6 = EndOf(*this, label(15), item5 + item6, kText) - 8;
    place(edit(7), x5, kRow3 + 28);
    place(label(16), x5 + 2, kRow3 + 58);
    place(edit(8), x6, kRow3 + 28);
    place(label(17), x6 + 2, kRow3 + 58);

    const int p = Random(89) + 10;
    const int q = Random(89) + 10;
    const QString item7 = QStringLiteral("3)  a+(a-") + N(p) + QStringLiteral(")-(") + N(q) + QStringLiteral("+a)=");
    const int r1 = Random(2) + 2;
    const int r2 = Random(8) + 2;
    const int r3 = Random(5) + 5;
    const int r4 = Random(8) + 2;
    const QString item8 = QStringLiteral("               ;  4) -") + N(r1) + QStringLiteral("(b-") + N(r2) +
                          QStringLiteral(")+") + N(r3) + QStringLiteral("(b+") + N(r4) + QStringLiteral(")=");
    label(18)->setText(item7 + item8);
    const int x7 = EndOf(*this, label(18), item7, kText) - 8;
    const int x8 = EndOf(*this, label(18), item7 + item8, kText) - 8;
    place(edit(9), x7, kRow4 + 28);
    place(label(19), x7 + 2, kRow4 + 58);
    place(edit(10), x8, kRow4 + 28);
    place(label(20), x8 + 2, kRow4 + 58);

    // The letter answers take a Cyrillic look-alike for a Latin letter.
    const QString t = T(a * c);
    AddLetterItem(edit(7), QStringList{t + QStringLiteral("ab"), t + QStringLiteral("ba")}, label(16));
    const QString xa = N(x - 1) + u'a', yb = N(y - z) + u'b';
    AddLetterItem(edit(8), QStringList{xa + u'-' + yb, u'-' + yb + u'+' + xa}, label(17));
    const QString pq = N(p + q);
    AddLetterItem(edit(9), QStringList{QStringLiteral("a-") + pq, u'-' + pq + QStringLiteral("+a")}, label(19));
    const QString bTerm = N(r3 - r1) + u'b', constant = N(r1 * r2 + r3 * r4);
    AddLetterItem(edit(10), QStringList{bTerm + u'+' + constant, constant + u'+' + bTerm}, label(20));
}

void TForm11::DrawProblem3() {
    const int u = DrawNotFive();
    const int v = DrawNotFive();
    int w, value, d, X;
    do {
        w = Random(6) + 4;
        value = Random(29) + 40;
        const int f = value * w;
        const int g = f / 3 - 10;
        d = DrawNotMultiple(g, 100);
        X = f + d;
    } while (X % 10 == 0);
    const QString toTimes = QStringLiteral("3. Знайдіть значення виразу: (-") + H(X) + QStringLiteral("-(-") + H(d) +
                            QStringLiteral(")):(-") + QStringLiteral("0,") + N(w) + QStringLiteral(")+") +
                            QStringLiteral("0,") + N(u);
    const QString line = toTimes + QStringLiteral("    (-") + N(v) + QStringLiteral(")=");
    label(21)->setText(line);
    place(image(6), EndOf(*this, label(21), toTimes, kText) + 4, kRow5 + 7);
    const int x = EndOf(*this, label(21), line, kText) - 8;
    place(edit(11), x, kRow5 + 28);
    place(label(22), x + 2, kRow5 + 58);
    // (value − u·v) tenths; a whole number loses its ",0".
    AddEditItem(edit(11), TrimmedDecimalText(value - u * v, 1), label(22));
}

void TForm11::DrawProblem4() {
    const int m = Random(8) + 2;
    const int n = DrawNotMultiple(88, 11, 5);
    int A, B, C, D, E, F, G;
    do {
        A = Random(8) + 2;
        std::array<int, 4> drawn{};
        for (int i = 0; i < 4; ++i) {
            bool repeated;
            do {
                drawn[size_t(i)] = Random(50) + 11;
                repeated = drawn[size_t(i)] % 5 == 0;
                for (int j = 0; j < i; ++j) repeated = repeated || drawn[size_t(j)] == drawn[size_t(i)];
            } while (repeated);
        }
        B = drawn[0];
        C = drawn[1];
        D = drawn[2];
        E = drawn[3];
        F = A * B - D * E;
        G = A * C + 10 * D;
    } while (F == 0 || G == 0 || F % 10 == 0 || G % 10 == 0);
    label(23)->setText(QStringLiteral("4. Спростіть вираз і обчисліть його значення: 1) ") + QStringLiteral("0,") +
                       N(A) + u'(' + T(B) + QStringLiteral("X-") + T(C) + QStringLiteral("Y)-") + T(D) + u'(' +
                       T(E) + QStringLiteral("X+Y)="));
    label(25)->setText(QStringLiteral("X=") + N(m) + QStringLiteral("  Y=") + T(n));

    // F/100·X − G/100·Y, the letters in either case, the terms in either order.
    const QString f = H(F), g = H(G), fSigned = F > 0 ? u'+' + f : f;
    QStringList forms;
    for (const auto& [x, y] : {std::pair{u'X', u'Y'}, {u'X', u'y'}, {u'x', u'y'}, {u'x', u'Y'}})
        forms << f + x + u'-' + g + y;
    for (const auto& [y, x] : {std::pair{u'Y', u'X'}, {u'Y', u'x'}, {u'y', u'X'}, {u'y', u'x'}})
        forms << u'-' + g + y + fSigned + x;
    AddLetterItem(edit(12), forms, label(24));
    AddEditItem(edit(13), ThousandthsText(10LL * F * m - 1LL * G * n), label(27));

    expression_ = DrawCategory(119, 10);
    const ExpressionRow& row = kExpressions[expression_ - 1];
    label(26)->setText(S(row.letters[0]) + QStringLiteral("   ") + S(row.letters[1]));
    AddLetterItem(edit(14), QStringList{S(row.forms[0]), S(row.forms[1])}, label(29));
    AddEditItem(edit(15), S(row.value), label(30));
}

void TForm11::DrawProblem5() {
    int k, A, B, c1, c2, c3, c4, O, P;
    do {
        k = Random(6) + 2;
        A = Random(6) + 2;
        do B = Random(6) + 2;
        while (B == A);
        if (Random(100) > 50) B = -B;
        c1 = Random(6) + 2;
        do c2 = Random(6) + 2;
        while (c2 == c1);
        do c3 = Random(6) + 2;
        while (c3 == c1);
        do c4 = Random(6) + 2;
        while (c4 == c1 || c4 == c2 || c4 == c3);
        if (Random(100) > 50) c4 = -c4;
        if (Random(100) > 50) c3 = -c3;
        O = A * c1 + B * c2;
        P = A * c3 + B * c4;
    } while (O == 0 || P == 0);
    const int x = Random(5) + 1;
    const int y = Random(5) + 1;
    const int Q = O * x + P * y;
    const QString line = QStringLiteral("5. Знайдіть значення виразу ") + N(A) + u'(' + N(c1 * k) + u'X' +
                         Signed(c3 * k) + QStringLiteral("Y)") + Signed(B) + u'(' + N(c2 * k) + u'X' +
                         Signed(c4 * k) + QStringLiteral("Y)") + QStringLiteral("  якщо ") + N(O) + u'X' +
                         Signed(P) + QStringLiteral("Y=") + N(Q) + QStringLiteral("  Відповідь:");
    label(28)->setText(line);
    const int x16 = EndOf(*this, label(28), line, kText) + 6;
    place(edit(16), x16, kRow8 - 3);
    place(label(31), x16 + 2, kRow8 + 28);
    AddEditItem(edit(16), N(1LL * k * Q), label(31));
}
