#include "papers/paper8.h"

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/random.h"
#include "papers/line_layout.h"
#include "papers/paper_draws.h"

namespace {
const int kText = 18;      // problem texts
const int kFraction = 15;  // numbers of the fractions inside them
const int kBox = 28;       // height of an answer box

// Rows of the paper: the top of each problem line.
const int kRow1 = 60, kRow2 = 150, kRow3 = 255, kRow4 = 360, kRow5 = 460, kRow6 = 525, kRow6b = 551, kRow7 = 640;

QString N(long long v) { return QString::number(v); }
QString T(long long v) { return TenthsText(v); }
QString H(long long v) { return HundredthsText(v); }

// a and b, each not a multiple of 10, drawn again together until a ± b is not one either.
std::pair<int, int> DrawPair(int ka, int ma, int kb, int mb, bool sum) {
    int a, b;
    do {
        a = DrawNotMultiple(ka, ma);
        b = DrawNotMultiple(kb, mb);
    } while ((sum ? a + b : a - b) % 10 == 0);
    return {a, b};
}
}  // namespace

TForm10::TForm10()
    : TestPaper(QStringLiteral("Form10"), QSize(1010, 740),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::DisabledAfterMarking,
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№8 Ваpіант № + "),
                      .answerLabels = {2, 4, 5, 6, 8, 9, 10, 11, 13, 18, 19, 20, 22, 33, 34, 35, 39, 40, 45, 46}}) {
    addLabel(1, 20, 12, 26);
    addLabel(2, 420, 16, 22);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);

    // Problem 1: two lines of sums, a box under the "=" of each, its answer label under the box.
    addLabel(3, 20, kRow1, kText);
    addLabel(7, 20, kRow2, kText);
    for (int i = 0; i < 3; ++i) {
        addEdit(1 + i, 0, kRow1 + 28, 70, kBox, kText);
        addLabel(4 + i, 0, kRow1 + 58);
    }
    for (int i = 0; i < 4; ++i) {
        addEdit(4 + i, 0, kRow2 + 28, 70, kBox, kText);
        addLabel(8 + i, 0, kRow2 + 58);
    }

    // Problem 2: a decimal equation and one in mixed numbers.
    addLabel(12, 20, kRow3, kText);
    addEdit(8, 0, kRow3 + 34, 70, kBox, kText);
    addLabel(13, 0, kRow3 + 64);
    for (int n = 14; n <= 17; ++n) addLabel(n, 0, 0, kFraction);
    addImage(1, 0, 0, 20, 3, Picture::Fit::Stretch);
    addImage(2, 0, 0, 20, 3, Picture::Fit::Stretch);
    // The answer: a whole part, then the numerator over a bar over the denominator.
    addEdit(9, 0, kRow3 - 4, 44, kBox, kText);
    addEdit(10, 0, kRow3 - 20, 46, 24, kFraction);
    addImage(3, 0, kRow3 + 6, 46, 3, Picture::Fit::Stretch);
    addEdit(11, 0, kRow3 + 12, 46, 24, kFraction);
    addLabel(18, 0, kRow3 + 40);
    addLabel(19, 0, kRow3 + 40);
    addLabel(20, 0, kRow3 + 54);

    // Problem 3: a sum of whole numbers and a chain of mixed numbers.
    addLabel(21, 20, kRow4, kText);
    addEdit(12, 0, kRow4 + 34, 60, kBox, kText);
    addLabel(22, 0, kRow4 + 64);
    for (int n = 23; n <= 32; ++n) addLabel(n, 0, 0, kFraction);
    for (int n = 4; n <= 8; ++n) addImage(n, 0, 0, 20, 3, Picture::Fit::Stretch);
    addEdit(13, 0, kRow4 - 4, 44, kBox, kText);
    addEdit(14, 0, kRow4 - 20, 46, 24, kFraction);
    addImage(9, 0, kRow4 + 6, 46, 3, Picture::Fit::Stretch);
    addEdit(15, 0, kRow4 + 12, 46, 24, kFraction);
    addLabel(33, 0, kRow4 + 40);
    addLabel(34, 0, kRow4 + 40);
    addLabel(35, 0, kRow4 + 54);

    // Problem 4: two comparisons, a list under each gap.
    addLabel(36, 20, kRow5, kText);
    addComboBox(1, 0, kRow5 + 28, 56, kBox, {QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("=")}, kText);
    addComboBox(2, 0, kRow5 + 28, 56, kBox, {QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("=")}, kText);

    // Problem 5: its second line holds the two boxes.
    addLabel(37, 20, kRow6, kText);
    addLabel(38, 20, kRow6b, kText);
    addEdit(16, 0, kRow6b - 3, 40, kBox, kText);
    addEdit(17, 0, kRow6b - 3, 60, kBox, kText);
    addLabel(39, 0, kRow6b + 28);
    addLabel(40, 0, kRow6b + 28);

    // Problem 6: |X ± u| = v between absolute-value bars, each bar two pictures high.
    addLabel(41, 20, kRow7, kText);
    for (int n = 10; n <= 13; ++n) addImage(n, 0, 0, 4, 14, Picture::Fit::Stretch);
    addLabel(42, 0, kRow7 + 10, 12);
    addEdit(18, 0, kRow7 - 3, 50, kBox, kText);
    addLabel(43, 0, kRow7, kText);
    addLabel(44, 0, kRow7 + 10, 12);
    addEdit(19, 0, kRow7 - 3, 50, kBox, kText);
    addLabel(45, 0, kRow7 + 28);
    addLabel(46, 0, kRow7 + 28);

    addButton(1, 840, 685, 150, 40, 20);
    ConnectPaper();
}

void TForm10::FormCreate() {
    StartPaper();
    used_.fill(false);
    Randomize();
    label(1)->setText(QStringLiteral("Контрольна робота №8"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    DrawProblem6();
    // Pictures come last: a missing one leaves a paper that can still be taken.
    LoadPictures();
}

void TForm10::LoadPictures() {
    for (int n : {1, 2, 4, 5, 6, 7, 8}) LoadPicture(image(n), QStringLiteral("kr\\chdr4.bmp"));
    for (int n : {3, 9}) LoadPicture(image(n), QStringLiteral("kr\\chdr2.bmp"));
    for (int n = 10; n <= 13; ++n) LoadPicture(image(n), QStringLiteral("kr\\mod.bmp"));
}

// Seven sums of decimals in two lines; each box stands under the "=" its item ends with.
void TForm10::DrawProblem1() {
    auto [a1, b1] = DrawPair(29, 10, 49, 50, false);
    const QString item1 = QStringLiteral("1. Виконайте дії: 1)  ") + T(a1) + QStringLiteral("+(-") + T(b1) +
                          QStringLiteral(")=");
    const QString right1 = u'-' + T(b1 - a1);
    auto [a2, b2] = DrawPair(29, 10, 49, 50, false);
    const QString item2 = QStringLiteral("            2)  -") + T(a2) + u'+' + T(b2) + u'=';
    const QString right2 = T(b2 - a2);
    auto [a3, b3] = DrawPair(89, 10, 89, 10, true);
    const QString item3 = QStringLiteral("            3)  -") + T(a3) + QStringLiteral("+(-") + T(b3) +
                          QStringLiteral(")=");
    const QString right3 = u'-' + T(a3 + b3);
    const int x = DrawNotMultiple(89, 10);
    const QString item4 = QStringLiteral("4)  -") + T(x) + u'+' + T(x);
    auto [a5, b5] = DrawPair(29, 10, 49, 50, false);
    const QString item5 = QStringLiteral("=          5) ") + T(a5) + u'-' + T(b5);
    const QString right5 = u'-' + T(b5 - a5);
    auto [a6, b6] = DrawPair(89, 100, 89, 10, true);
    const QString item6 = QStringLiteral("=             6)  -") + T(a6) + u'-' + T(b6);
    const QString right6 = u'-' + T(a6 + b6);
    auto [a7, b7] = DrawPair(89, 10, 89, 200, false);
    const QString item7 = QStringLiteral("=             7)  -") + T(a7) + QStringLiteral("-(-") + T(b7) +
                          QStringLiteral(")=");
    const QString right7 = T(b7 - a7);

    label(3)->setText(item1 + item2 + item3);
    label(7)->setText(item4 + item5 + item6 + item7);
    // Where each "=" stands: at the end of items 1 to 3, at the start of the item after 4 to 6.
    const int ends1[] = {EndOf(*this, label(3), item1, kText) - 8, EndOf(*this, label(3), item1 + item2, kText) - 8,
                         EndOf(*this, label(3), item1 + item2 + item3, kText) - 8};
    const int ends2[] = {EndOf(*this, label(7), item4, kText), EndOf(*this, label(7), item4 + item5, kText),
                         EndOf(*this, label(7), item4 + item5 + item6, kText),
                         EndOf(*this, label(7), item4 + item5 + item6 + item7, kText) - 8};
    for (int i = 0; i < 3; ++i) {
        place(edit(1 + i), ends1[i], kRow1 + 28);
        place(label(4 + i), ends1[i] + 2, kRow1 + 58);
    }
    for (int i = 0; i < 4; ++i) {
        place(edit(4 + i), ends2[i], kRow2 + 28);
        place(label(8 + i), ends2[i] + 2, kRow2 + 58);
    }
    AddEditItem(edit(1), right1, label(4));
    AddEditItem(edit(2), right2, label(5));
    AddEditItem(edit(3), right3, label(6));
    AddEditItem(edit(4), QStringLiteral("0"), label(8));
    AddEditItem(edit(5), right5, label(9));
    AddEditItem(edit(6), right6, label(10));
    AddEditItem(edit(7), right7, label(11));
}

void TForm10::DrawProblem2() {
    auto [a, b] = DrawPair(389, 600, 389, 100, false);
    const QString item8 = QStringLiteral("2. Знайдіть корінь рівняння:  1)  ") + H(a) + QStringLiteral("+X=") + H(b) +
                          QStringLiteral(";   X=");

    // Item 9: −(k n/p) − Y = −(l s/D), where D = p·q for two different primes.
    const int k = Random(5) + 5;
    const int l = Random(3) + 1;
    int p, q, n, s, D;
    do {
        used_.fill(false);
        const int pi = DrawCategory(29, 20);
        p = kPrimes[pi];
        used_[pi] = true;
        int qi;
        do qi = DrawCategory(39, 10);
        while (used_[qi]);
        q = kPrimes[qi];
        D = p * q;
        n = Random(p - 2) + 1;
        s = D;
        do s = Random(D - 2) + 1;
        while (D % s == 0);
    } while (n * q == s);
    long long whole = k - l;
    long long num = n * q - s;
    if (num < 0) {
        --whole;
        num += D;
    }
    const Fraction rest = Reduce({num, D});

    const QString toK = QStringLiteral("             2)") + QStringLiteral("  -") + N(k);
    const QString toL = QStringLiteral("        -Y= -") + N(l);
    const QString line = item8 + toK + toL + QStringLiteral("       ;  Y=");
    label(12)->setText(line);
    label(14)->setText(N(n));
    label(15)->setText(N(p));
    label(16)->setText(N(s));
    label(17)->setText(N(D));
    PlaceFraction(*this, label(14), image(1), label(15), EndOf(*this, label(12), item8 + toK, kText) + 2, kRow3, 18,
                  kFraction);
    PlaceFraction(*this, label(16), image(2), label(17), EndOf(*this, label(12), item8 + toK + toL, kText) + 2,
                  kRow3, 18, kFraction);

    const int x = EndOf(*this, label(12), item8, kText) - 14;
    place(edit(8), x, kRow3 + 34);
    place(label(13), x + 2, kRow3 + 64);
    const int y = EndOf(*this, label(12), line, kText) + 6;
    place(edit(9), y, kRow3 - 4);
    place(edit(10), y + 48, kRow3 - 20);
    place(image(3), y + 48, kRow3 + 6);
    place(edit(11), y + 48, kRow3 + 12);
    place(label(18), y + 2, kRow3 + 40);
    place(label(19), y + 100, kRow3 - 16);
    place(label(20), y + 100, kRow3 + 16);

    AddEditItem(edit(8), u'-' + H(a - b), label(13));
    AddGroupItem({edit(9), edit(10), edit(11)}, {u'-' + N(whole), N(rest.num), N(rest.den)},
                 {label(18), label(19), label(20)});
}

void TForm10::DrawProblem3() {
    const int A = Random(5) + 5;
    int B;
    do B = Random(5) + 5;
    while (B == A);
    const int C = Random(9) + 10;
    const int E = Random(9) + 20;
    const QString item10 = QStringLiteral("3. Обчисліть:  1) ") + N(A) + QStringLiteral("+(-") + N(B) +
                           QStringLiteral(")-(-") + N(C) + QStringLiteral(")-(-") + N(A) + QStringLiteral(")+") +
                           N(C) + u'-' + N(E) + QStringLiteral("=    ");

    // Item 11: (w1 a/P) − (−(w2 b/Q)) + (−c/R) − (−d/S) − (w3 e/T), denominators made of 2, 3 and 5.
    auto prime = [] { return kPrimes[DrawCategory(29, 10)]; };
    const int w1 = Random(5) + 3;
    int w2, w3;
    do w2 = Random(6) + 2;
    while (w2 == w1);
    do w3 = Random(5) + 1;
    while (w3 == w1 || w3 == w2);
    const int P = prime() * prime();
    const int Q = prime();
    int R, S, T;
    do R = prime() * prime();
    while (R == P);
    do S = prime() * prime() * prime();
    while (S == P || S == Q);
    do T = prime();
    while (T == Q);
    int a, c, d;
    do a = Random(P - 2) + 1;
    while (Gcd(a, P) != 1);
    const int b = RandomOrZero(Q - 2) + 1;
    do c = Random(R - 2) + 1;
    while (Gcd(c, R) != 1);
    do d = Random(S - 2) + 1;
    while (Gcd(d, S) != 1);
    const int e = RandomOrZero(T - 2) + 1;

    // Y − Z exactly, over P·Q·S·R·T.
    const long long den = 1LL * P * Q * S * R * T;
    const long long y = (1LL * w1 * P + a) * (den / P) + (1LL * w2 * Q + b) * (den / Q) + 1LL * d * (den / S);
    const long long z = 1LL * w3 * den + 1LL * c * (den / R) + 1LL * e * (den / T);
    const QStringList right11 = SignedMixedTexts(y - z, den);

    const QString toA = QStringLiteral("       2) ") + N(w1);
    const QString toB = QStringLiteral("       -(-") + N(w2);
    const QString toC = QStringLiteral("      )+(-");
    const QString toD = QStringLiteral("      )-(-");
    const QString toE = QStringLiteral("        )-") + N(w3);
    const QString line = item10 + toA + toB + toC + toD + toE + QStringLiteral("   ") + QStringLiteral("   =");
    label(21)->setText(line);
    const int values[] = {a, P, b, Q, c, R, d, S, e, T};
    for (int i = 0; i < 10; ++i) label(23 + i)->setText(N(values[i]));
    const QString prefixes[] = {item10 + toA, item10 + toA + toB, item10 + toA + toB + toC,
                                item10 + toA + toB + toC + toD, item10 + toA + toB + toC + toD + toE};
    for (int i = 0; i < 5; ++i)
        PlaceFraction(*this, label(23 + 2 * i), image(4 + i), label(24 + 2 * i),
                      EndOf(*this, label(21), prefixes[i], kText) + 2, kRow4, 18, kFraction);

    const int x = EndOf(*this, label(21), item10, kText) - 30;
    place(edit(12), x, kRow4 + 34);
    place(label(22), x + 2, kRow4 + 64);
    const int g = EndOf(*this, label(21), line, kText) + 6;
    place(edit(13), g, kRow4 - 4);
    place(edit(14), g + 48, kRow4 - 20);
    place(image(9), g + 48, kRow4 + 6);
    place(edit(15), g + 48, kRow4 + 12);
    place(label(33), g + 2, kRow4 + 40);
    place(label(34), g + 100, kRow4 - 16);
    place(label(35), g + 100, kRow4 + 16);

    AddEditItem(edit(12), N(2 * A + 2 * C - B - E), label(22));
    AddGroupItem({edit(13), edit(14), edit(15)}, right11, {label(33), label(34), label(35)});
}

void TForm10::DrawProblem4() {
    const int x = DrawNotMultiple(899, 100);
    const int y = DrawNotMultiple(899, 100);
    const int c = Random(39) + 10;
    const int d = Random(49) + 50;
    const int m = Random(49) + 50;
    const int n = Random(39) + 10;
    // "а=" begins with a Cyrillic а, "b=" with a Latin b.
    const QString toFirst = QStringLiteral("4. Порівняйте: 1) а=") + u'-' + H(x) + QStringLiteral(";  b=") + u'-' + H(y) +
                            QStringLiteral("   (a+b)");
    const QString toSecond = QStringLiteral("          (a-b);  2) c=") + u'-' + N(c) + QStringLiteral(";  d=") + N(d) +
                             QStringLiteral("; m=") + u'-' + N(m) + QStringLiteral("; n=") + N(n) +
                             QStringLiteral("  (c+d)");
    label(36)->setText(toFirst + toSecond + QStringLiteral("         (m+n)"));
    place(comboBox(1), EndOf(*this, label(36), toFirst, kText) - 6, kRow5 + 28);
    place(comboBox(2), EndOf(*this, label(36), toFirst + toSecond, kText) - 8, kRow5 + 28);
    // a + b < a − b for a negative b; c + d is positive and m + n negative.
    AddComboItem(comboBox(1), QStringLiteral("<"));
    AddComboItem(comboBox(2), QStringLiteral(">"));
}

void TForm10::DrawProblem5() {
    const int t = Random(39);
    label(37)->setText(QStringLiteral("5. Скільки цілих чисел розташовано на координатній прямій між числами ") +
                       u'-' + N(t + 28) + QStringLiteral(" та ") + N(t + 30) + QStringLiteral("? Чому "));
    // The C of "Cкільки" is a Latin letter.
    const QString toCount = QStringLiteral("дорівнює їх сума?     Cкільки чисел =");
    const QString line = toCount + QStringLiteral("          Сума чисел=");
    label(38)->setText(line);
    const int x = EndOf(*this, label(38), toCount, kText) + 2;
    const int y = EndOf(*this, label(38), line, kText) + 4;
    place(edit(16), x, kRow6b - 3);
    place(label(39), x + 2, kRow6b + 28);
    place(edit(17), y, kRow6b - 3);
    place(label(40), y + 2, kRow6b + 28);
    // From −(t + 27) to t + 29: 2t + 57 numbers, which are also their sum.
    AddEditItem(edit(16), N(2 * t + 57), label(39));
    AddEditItem(edit(17), N(2 * (t + 30) - 3), label(40));
}

void TForm10::DrawProblem6() {
    const int r = Random(100);
    const int u = Random(4) + 1;
    const int v = Random(4) + 5;
    const bool minus = r <= 50;
    const QString U = (minus ? QStringLiteral("-") : QStringLiteral("+")) + N(u);
    // |X| ± u = v: the bars stand around X.
    const QString toBar = QStringLiteral("6. Розв`яжіть рівняння:   ");
    const QString toX = toBar + QStringLiteral("  X");
    const QString toRoot = toX + QStringLiteral("  ") + U + QStringLiteral("  =") + N(v) + QStringLiteral("       X");
    label(41)->setText(toRoot + QStringLiteral("  ="));
    label(42)->setText(QStringLiteral("1"));
    label(43)->setText(QStringLiteral("X  ="));
    label(44)->setText(QStringLiteral("2"));

    // Each bar is two pictures, one above the other.
    const int left = EndOf(*this, label(41), toBar, kText) + 4;
    const int right = EndOf(*this, label(41), toX, kText) + 3;
    place(image(10), left, kRow7 - 2);
    place(image(11), left, kRow7 + 12);
    place(image(12), right, kRow7 - 2);
    place(image(13), right, kRow7 + 12);
    place(label(42), EndOf(*this, label(41), toRoot, kText), kRow7 + 10);
    const int box1 = EndOf(*this, label(41), label(41)->text(), kText) + 4;
    place(edit(18), box1, kRow7 - 3);
    place(label(45), box1 + 2, kRow7 + 28);
    const int second = box1 + 70;
    place(label(43), second, kRow7);
    place(label(44), second + TextWidth(QStringLiteral("X"), kText), kRow7 + 10);
    const int box2 = second + TextWidth(QStringLiteral("X  ="), kText) + 4;
    place(edit(19), box2, kRow7 - 3);
    place(label(46), box2 + 2, kRow7 + 28);

    const QString r1 = N(minus ? v + u : v - u);
    const QString r2 = N(minus ? -v - u : u - v);
    // Either root in either box; the same root in both is right twice.
    AddEditItem(edit(18), QStringList{r1, r2}, label(45));
    AnswerItem second17;
    second17.inputs = {edit(19)};
    second17.isRight = [this, r1, r2] {
        const QString typed = edit(19)->text();
        if (typed == r1 || typed == r2) return true;
        // Show the root the first box does not hold.
        label(46)->setText(edit(18)->text() == r2 ? r1 : r2);
        return false;
    };
    AddItem(std::move(second17));
}
