#include "papers/paper3.h"

#include "core/noun_form.h"
#include "core/random.h"
#include "core/written_form.h"
#include "papers/paper_row.h"

namespace {
const int kFont = 18;
const int kPictures = 33;
QString N(long long value) { return QString::number(value); }
}  // namespace

TForm5::TForm5()
    : TestPaper(QStringLiteral("Form5"), QSize(1010, 900),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::HiddenAfterMarking,
                      .percentSign = QStringLiteral("%"),
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№3 Ваpіант № + "),
                      .answerLabels = {8, 9, 17, 18, 19, 23, 24, 25, 31, 41, 42, 43, 54, 74, 75, 76, 83, 84}}) {
    addLabel(1, 20, 12, 26);
    addLabel(2, 360, 16, 22);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);
    const std::vector<int> answers = {8, 9, 17, 18, 19, 23, 24, 25, 31, 41, 42, 43, 54, 74, 75, 76, 83, 84};
    for (int n = 3; n <= 84; ++n) {
        const bool answer = std::find(answers.begin(), answers.end(), n) != answers.end();
        addLabel(n, 0, 0, answer ? 0 : kFont);
    }
    for (int n = 1; n <= 18; ++n) addEdit(n, 0, 0, 40, PaperRow::kBoxHeight, kFont);
    for (int n = 1; n <= kPictures; ++n) addImage(n, 0, 0, 30, 3, Picture::Fit::Stretch);
    addButton(1, 840, 840, 150, 40, 20);
    ConnectPaper();
}

void TForm5::FormCreate() {
    StartPaper();
    Randomize();
    label(1)->setText(QStringLiteral("Контрольна робота № 3"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    DrawProblem6();
    LayOut();
    for (int n = 1; n <= kPictures && n <= pictures_.size(); ++n) LoadPicture(image(n), pictures_[n - 1]);
}

void TForm5::ShowMixed(int wholeLabel, int numLabel, int denLabel, long long num, long long den) {
    const Mixed m = SplitWhileGreater({num, den});
    label(wholeLabel)->setText(N(m.whole));
    ShowFraction(numLabel, denLabel, m.num, m.den);
}

// ---- drawing ----

void TForm5::DrawProblem1() {
    label(3)->setText(QStringLiteral("1. Виконайте множення:  1)                  =           2)"));
    label(16)->setText(QStringLiteral("=                 3)                 ="));
    // 1) two fractions sharing one prime.
    {
        const int p = primes_[DrawCategory(49, 10)];
        const int x1 = DrawCategory(49, 20), x2 = DrawCategory(49, 20);
        const int y1 = DrawCategory(49, 70), y2 = DrawCategory(49, 70);
        ShowFraction(4, 5, p * x1, p * y1);
        ShowFraction(6, 7, p * x2, p * y2);
        AddGroupItem({edit(1), edit(2)}, Texts(LowestTerms(1LL * p * x1 * p * x2, 1LL * p * y1 * p * y2)),
                     {label(8), label(9)});
    }
    // 2) two mixed numbers b/a and d/c.
    {
        const int p = primes_[DrawCategory(49, 10)];
        int q;
        do q = primes_[DrawCategory(49, 10)];
        while (q == p);
        auto pair = [](int first, int second, long long& x, long long& y) {
            do {
                x = 1LL * first * DrawCategory(49, 20);
                y = 1LL * second * DrawCategory(49, 70);
            } while (x == y);
        };
        long long a, b, c, d;
        pair(p, q, a, b);
        pair(q, p, c, d);
        ShowMixed(10, 11, 12, b, a);
        ShowMixed(13, 14, 15, d, c);
        AddGroupItem({edit(3), edit(4), edit(5)}, Texts(LowestMixedWhileNotLess(b * d, a * c)),
                     {label(17), label(18), label(19)});
    }
    // 3) a whole number times a fraction.
    {
        primes_.Clear();
        const int i = DrawCategory(39, 10), j = DrawCategory(39, 10);
        const long long s = primes_.Take(i) * primes_.Take(j);
        int first, second;
        do {
            first = primes_.Fresh(99, 10);
            second = primes_.Fresh(99, 10);
        } while (1LL * first * second <= s);
        const long long u = 1LL * first * second;
        const long long t = 1LL * first * primes_.Fresh(99, 10);
        label(20)->setText(N(s));
        ShowFraction(22, 21, t, u);
        AddGroupItem({edit(6), edit(7), edit(8)}, Texts(LowestMixedWhileGreater(s * t, u)),
                     {label(23), label(24), label(25)});
    }
}

void TForm5::DrawProblem2() {
    const int q = primes_[DrawCategory(69, 40)];
    const int p = Random(q - 2) + 2;
    const int b = Random(9) + 2;
    const int total = b * q;
    // The word agrees with the total: 102 and 104 "зошити", 111 "зошитів", 121 "зошит".
    const QString word = NounForm(total, QStringLiteral(" зошит, "), QStringLiteral(" зошити, "),
                                  QStringLiteral(" зошитів, "));
    // The first letter of "cтановили" is a Latin c.
    label(26)->setText(QStringLiteral("2. У хлопчика було ") + N(total) + word +
                       QStringLiteral("з них            cтановили зошити в клітинку."));
    ShowFraction(27, 28, p, q);
    label(29)->setText(QStringLiteral(" Скільки зошитів"));
    label(30)->setText(QStringLiteral("у клітинку було у хлопчика?     Відповідь:"));
    AddEditItem(edit(9), N(b * p), label(31));
}

void TForm5::DrawProblem3() {
    const int w = Random(4) + 12;
    primes_.Clear();
    const int e = primes_.Fresh(29, 10);
    const int f = primes_.Fresh(29, 40);
    const int r1 = primes_.Fresh(39, 50), r2 = primes_.Fresh(39, 50);
    const int l1 = std::max(r1, r2), s1 = std::min(r1, r2);
    const int r3 = primes_.Fresh(79, 10), r4 = primes_.Fresh(79, 10);
    const int l2 = std::max(r3, r4), s2 = std::min(r3, r4);
    const int z = primes_[DrawCategory(29, 110)];
    const int cNum = z + Random(50) + 2;

    // A = e·S1/(f·L1), B = f·L2/(e·S2) as a mixed number, C = cNum/z as a mixed number.
    const Mixed b = SplitWhileGreater({1LL * f * l2, 1LL * e * s2});
    label(32)->setText(QStringLiteral("3. Виконайте дії: (") + N(w) + QStringLiteral(" -              ") + N(b.whole) +
                       QStringLiteral("           )"));
    ShowFraction(33, 34, 1LL * e * s1, 1LL * f * l1);
    ShowFraction(35, 36, b.num, b.den);
    ShowMixed(37, 38, 39, cNum, z);
    label(40)->setText(QStringLiteral("="));
    const long long den = 1LL * f * l1 * e * s2;
    const long long num = (w * den - 1LL * e * s1 * f * l2) * cNum;
    AddGroupItem({edit(10), edit(11), edit(12)}, Texts(LowestMixedWhileGreater(num, den * z)),
                 {label(41), label(42), label(43)});
}

void TForm5::DrawProblem4() {
    const int pct = 10 * (Random(9) + 1);
    int p, q;
    do {
        p = Random(3) + 3;
        q = Random(10) + 6;
    } while (Gcd(q, p) != 1 || Gcd(1LL * pct * p, q) != 1);
    label(44)->setText(QStringLiteral("4. Ширина прямокутного паралелепіпеда дорівнює                см, його "));
    ShowMixed(45, 46, 47, 1LL * pct * p, q);
    label(48)->setText(QStringLiteral("довжина в              раза"));
    ShowMixed(49, 50, 51, q, p);
    label(52)->setText(QStringLiteral("більша за ширину,  а висота становить ") + N(2 * q) +
                       QStringLiteral("% довжини. Обчисліть об") + QChar(96) + QStringLiteral("єм"));
    label(53)->setText(QStringLiteral("паралелепіпеда."));
    AddEditItem(edit(13), N(2LL * p * pct * pct * pct / 100), label(54));
}

void TForm5::DrawProblem5() {
    const int m0 = Random(3) + 1, m1 = Random(5) + 5, m2 = Random(10) + 10;
    primes_.Clear();
    const int pIndex = DrawCategory(29, 10);
    const int p = primes_.Take(pIndex);
    std::array<int, 3> dens{};
    for (;;) {
        for (int& den : dens) den = p * primes_.Fresh(59, 10);
        if (dens[0] != m2 && dens[1] != m2 && dens[2] != m2) break;
        // All three drawn again: their primes are free once more, P's stays taken.
        primes_.Clear();
        primes_.Take(pIndex);
    }
    std::array<int, 3> wholes{}, nums{};
    for (int k = 0; k < 3; ++k) {
        wholes[k] = Random(5) + 5;
        nums[k] = Random(dens[k] - 2) + 1;
    }
    label(55)->setText(QStringLiteral("5. Обчисліть найзручнішим способом:                       +"));
    const struct { int whole, num, den; } x[3] = {{56, 57, 58}, {62, 63, 64}, {71, 72, 73}};
    for (int k = 0; k < 3; ++k) {
        label(x[k].whole)->setText(N(wholes[k]));
        ShowFraction(x[k].num, x[k].den, nums[k], dens[k]);
    }
    label(59)->setText(N(m0));
    ShowFraction(60, 61, m1, m2);
    label(65)->setText(N(m0) + QStringLiteral("        -"));
    ShowFraction(66, 67, m1, m2);
    label(68)->setText(N(m0) + QStringLiteral("                     ="));
    ShowFraction(69, 70, m1, m2);

    // M·(X1 + X2 − X3) over the product of the four denominators.
    const long long d = 1LL * m2 * dens[0] * dens[1] * dens[2];
    auto part = [&](int k) { return (1LL * wholes[k] * dens[k] + nums[k]) * (d / m2 / dens[k]); };
    const long long sum = part(0) + part(1) - part(2);
    const long long mNum = 1LL * m0 * m2 + m1;
    AddGroupItem({edit(14), edit(15), edit(16)}, Texts(LowestMixedWhileGreater(mNum * sum, d)),
                 {label(76), label(74), label(75)});
}

void TForm5::DrawProblem6() {
    const int t = Random(30) + 20;
    const int a = Random(t + 1) / 3 + 2;
    const int rest = t - a;
    const int b = Random(rest - 2) + 1;
    const int c = t - a - b;
    // The share of the whole sum, as it stands over T: not reduced.
    label(77)->setText(QStringLiteral("6. Між трьома школами розподілили гроші на придбання комп") + QChar(96) +
                       QStringLiteral("ютерів. ") + QStringLiteral("Перша школа отримала"));
    ShowFraction(78, 79, a, t);
    label(80)->setText(QStringLiteral("усієї суми, друга -          остачі, а третя - решту. Яка найбільша ") +
                       QStringLiteral("сума? Відповідь:"));
    ShowFraction(81, 82, b, rest);
    AddGroupItem({edit(17), edit(18)}, {N(std::max({a, b, c})), N(t)}, {label(83), label(84)});
}

// ---- the paper's arrangement ----

void TForm5::LayOut() {
    pictures_.clear();
    auto bar = [this](bool answer = false) {
        pictures_ << (answer ? QStringLiteral("kr/chdr4.bmp") : QStringLiteral("kr/chdr2.bmp"));
        return image(int(pictures_.size()));
    };
    auto dot = [this] {
        pictures_ << QStringLiteral("kr/umn.bmp");
        return image(int(pictures_.size()));
    };
    PaperRow row(*this, 20, 90);
    row.text(label(3), {3, 1});
    row.fraction(label(4), label(5), bar()).picture(dot(), 14, 14).fraction(label(6), label(7), bar());
    row.boxes(nullptr, edit(1), edit(2), bar(true), nullptr, label(8), label(9));
    row.mixed(label(10), label(11), label(12), bar()).picture(dot(), 14, 14);
    row.mixed(label(13), label(14), label(15), bar());
    row.text(label(16), {1, 3});
    row.boxes(edit(3), edit(4), edit(5), bar(true), label(17), label(18), label(19));
    row.word(label(20)).picture(dot(), 14, 14).fraction(label(22), label(21), bar());
    row.boxes(edit(6), edit(7), edit(8), bar(true), label(23), label(24), label(25));

    row.line(20, 200).text(label(26), {1}).fraction(label(27), label(28), bar()).text(label(29));
    row.line(40, 250).text(label(30)).box(edit(9), 70, label(31));

    row.line(20, 330).text(label(32), {2, 1});
    row.fraction(label(33), label(34), bar()).picture(dot(), 14, 14).fraction(label(35), label(36), bar());
    row.picture(dot(), 14, 14).mixed(label(37), label(38), label(39), bar()).text(label(40));
    row.boxes(edit(10), edit(11), edit(12), bar(true), label(41), label(42), label(43));

    row.line(20, 440).text(label(44), {1}).mixed(label(45), label(46), label(47), bar());
    row.text(label(48), {1}).mixed(label(49), label(50), label(51), bar());
    row.line(40, 490).text(label(52)).text(label(53)).box(edit(13), 90, label(54));

    row.line(20, 580).text(label(55), {3});
    row.mixed(label(56), label(57), label(58), bar()).picture(dot(), 14, 14).mixed(label(59), label(60), label(61), bar());
    row.mixed(label(62), label(63), label(64), bar()).picture(dot(), 14, 14);
    row.text(label(65), {1}).fraction(label(66), label(67), bar());
    row.text(label(68), {3}).fraction(label(69), label(70), bar()).picture(dot(), 14, 14);
    row.mixed(label(71), label(72), label(73), bar());
    row.boxes(edit(14), edit(15), edit(16), bar(true), label(76), label(74), label(75));

    row.line(20, 700).text(label(77)).fraction(label(78), label(79), bar());
    row.line(40, 760).text(label(80), {1}).fraction(label(81), label(82), bar());
    row.boxes(nullptr, edit(17), edit(18), bar(true), nullptr, label(83), label(84));
}
