#include "papers/paper2.h"

#include <QFontMetrics>

#include "core/random.h"
#include "core/written_form.h"
#include "papers/paper_row.h"

namespace {
const int kFont = 18;  // problem texts, shown numbers and answer boxes
// One bar for each fraction the paper shows or asks for: 6 in problem 1, 6 in 2, 17 in 3,
// 3 in 4, 7 in 5, 3 in 6 and 2 in 7. A 45th would have no fraction to stand in.
const int kBars = 44;

QString N(long long value) { return QString::number(value); }

// The bars of the wider fractions lower on the paper.
bool WideBar(int image) {
    for (int n : {37, 38, 39, 41, 42, 44, 45})
        if (n == image) return true;
    return false;
}

// W1 a1/d1 − W2 a2/d2 the paper's way: the wholes apart, the fractions over the
// least common multiple, one borrowed when they come out negative, then lowest
// terms (so equal fractions leave 0 over the common denominator).
Mixed Difference(int w1, int a1, int d1, int w2, int a2, int d2) {
    const int64_t l = Lcm(d1, d2);
    int64_t whole = w1 - w2;
    int64_t num = a1 * l / d1 - a2 * l / d2;
    if (num < 0) {
        --whole;
        num += l;
    }
    const Fraction f = LowestTerms(num, l);
    return {whole, f.num, f.den};
}

// W1 a1/d1 + W2 a2/d2: one carried only when the fractions pass a whole.
Mixed Sum(int64_t w1, int64_t a1, int64_t d1, int64_t w2, int64_t a2, int64_t d2) {
    const int64_t l = Lcm(d1, d2);
    int64_t whole = w1 + w2;
    int64_t num = a1 * l / d1 + a2 * l / d2;
    if (num > l) {
        ++whole;
        num -= l;
    }
    const Fraction f = LowestTerms(num, l);
    return {whole, f.num, f.den};
}

// Two mixed numbers W a/d with a := Random(5) + 5 and d := a + Random(5) + extra,
// the second drawn again while it repeats the first.
struct MixedPair {
    int w1, a1, d1, w2, a2, d2;
};
MixedPair DrawMixedPair(int wholeRange1, int wholeBase1, int wholeRange2, int wholeBase2, int extra) {
    MixedPair m{};
    m.w1 = Random(wholeRange1) + wholeBase1;
    m.w2 = Random(wholeRange2) + wholeBase2;
    m.a1 = Random(5) + 5;
    m.d1 = m.a1 + Random(5) + extra;
    do {
        m.a2 = Random(5) + 5;
        m.d2 = m.a2 + Random(5) + extra;
    } while (m.a2 == m.a1 && m.d2 == m.d1);
    return m;
}
}  // namespace

TForm4::TForm4()
    : TestPaper(QStringLiteral("Form4"), QSize(1010, 1330),
                Rules{.resultLabel = 5,
                      .checkButton = CheckButton::DisabledAfterMarking,
                      .percentSign = QStringLiteral(" %"),
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№2 Ваpіант № + "),
                      .answerLabels = {6,  7,  10, 11, 15, 16, 36, 37, 43, 44,  49,  50,  58,  59,  60,  69,
                                       70, 71, 76, 77, 78, 86, 87, 88, 96, 97, 98, 106, 107, 108, 116, 117}}) {
    addLabel(1, 20, 12, 26);
    addLabel(5, 360, 16, 22);
    addButton(1, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);

    // Everything else is placed by LayOut once the numbers are drawn.
    const std::vector<int> answers = {6,  7,  10, 11, 15, 16, 36, 37, 43, 44,  49,  50,  58,  59,  60,  69,
                                      70, 71, 76, 77, 78, 86, 87, 88, 96, 97, 98, 106, 107, 108, 116, 117};
    for (int n = 2; n <= 125; ++n) {
        if (n == 5) continue;
        const bool answer = std::find(answers.begin(), answers.end(), n) != answers.end();
        addLabel(n, 0, 0, answer ? 0 : kFont);
    }
    for (int n = 1; n <= 32; ++n) addEdit(n, 0, 0, 40, PaperRow::kBoxHeight, kFont);
    const QStringList signs = {QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("=")};
    for (int n = 1; n <= 3; ++n) addComboBox(n, 0, 0, 52, PaperRow::kBoxHeight, signs, kFont);
    for (int n = 1; n <= 20; ++n) addCheckBox(n, 0, 0);
    for (int n = 1; n <= kBars; ++n) addImage(n, 0, 0, 30, 3, Picture::Fit::Stretch);
    // At the very bottom of the paper.
    addButton(2, 840, 1270, 150, 40, 20);
    ConnectPaper();
}

void TForm4::FormCreate() {
    StartPaper();
    // No seeding: test 2 goes on with the generator test 1 has seeded.
    label(1)->setText(QStringLiteral("Контрольна робота № 2"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    DrawProblem6();
    DrawProblem7();
    LayOut();
    LoadBars();
}

void TForm4::AddFractionItem(int firstEdit, const Fraction& right, int numAnswer, int denAnswer) {
    AddGroupItem({edit(firstEdit), edit(firstEdit + 1)}, Texts(right), {label(numAnswer), label(denAnswer)});
}

void TForm4::AddMixedItem(int firstEdit, const Mixed& right, int wholeAnswer, int numAnswer, int denAnswer) {
    AddGroupItem({edit(firstEdit), edit(firstEdit + 1), edit(firstEdit + 2)}, Texts(right),
                 {label(wholeAnswer), label(numAnswer), label(denAnswer)});
}

// ---- drawing ----

void TForm4::DrawProblem1() {
    label(2)->setText(QStringLiteral("1. Скоротіть дроби:           =                       ="));
    label(14)->setText(QStringLiteral("="));
    // Per fraction: the factor's draw, the numerator's and the denominator's, and where it shows.
    const struct { int km, kb, im, jm, num, den, edit, numAnswer, denAnswer; } fractions[] = {
        {39, 10, 19, 39, 3, 4, 1, 6, 7},
        {59, 10, 29, 39, 8, 9, 3, 10, 11},
        {49, 50, 39, 49, 12, 13, 5, 15, 16},
    };
    long long first[2] = {0, 0};
    for (int f = 0; f < 3; ++f) {
        const auto& c = fractions[f];
        int k, i, j;
        do {
            k = kPrimes[DrawCategory(c.km, c.kb)];
            i = DrawCategory(c.im, 10);
            do j = DrawCategory(c.jm, 10);
            while (j <= i);
            // The second fraction may not repeat the first.
        } while (f == 1 && k * kPrimes[i] == first[0] && k * kPrimes[j] == first[1]);
        if (f == 0) first[0] = k * kPrimes[i], first[1] = k * kPrimes[j];
        ShowFraction(c.num, c.den, k * kPrimes[i], k * kPrimes[j]);
        AddFractionItem(c.edit, {kPrimes[i], kPrimes[j]}, c.numAnswer, c.denAnswer);
    }
}

void TForm4::DrawProblem2() {
    label(17)->setText(QStringLiteral("2. Порівняйте дроби: 1)                                   2)"));
    label(30)->setText(QStringLiteral("3)"));
    const struct { int numRange, numBase, denRange, denBase, firstLabel; } comparisons[] = {
        {5, 1, 5, 4, 18}, {6, 3, 6, 7, 22}, {10, 9, 10, 9, 26}};
    for (int c = 0; c < 3; ++c) {
        const auto& k = comparisons[c];
        auto proper = [&k](int& p, int& q) {
            do {
                p = Random(k.numRange) + k.numBase;
                q = Random(k.denRange) + k.denBase;
            } while (p >= q);
        };
        int p1, q1, p2, q2;
        proper(p1, q1);
        do proper(p2, q2);
        while (p2 == p1 && q2 == q1);
        ShowFraction(k.firstLabel, k.firstLabel + 1, p1, q1);
        ShowFraction(k.firstLabel + 2, k.firstLabel + 3, p2, q2);
        const long long left = 1LL * p1 * q2, right = 1LL * p2 * q1;
        const QString sign = left > right ? QStringLiteral(">") : left < right ? QStringLiteral("<") : QStringLiteral("=");
        AddComboItem(comboBox(c + 1), sign);
    }
}

void TForm4::DrawProblem3() {
    label(31)->setText(QStringLiteral("3. Обчисліть: 1)          +          =          2)          -"));
    label(42)->setText(QStringLiteral("=            3)            -          ="));
    label(51)->setText(QStringLiteral("4)                  -             =                    5)"));
    label(67)->setText(QStringLiteral("+"));
    label(68)->setText(QStringLiteral("=                     6)        -            ="));

    // 1) two fractions below one half, their sum.
    {
        const int b1 = Random(5) + 5;
        int b2;
        do b2 = Random(5) + 5;
        while (b2 == b1);
        const int a1 = Random(b1 / 2 - 1) + 1;
        const int a2 = Random(b2 / 2 - 1) + 1;
        ShowFraction(32, 33, a1, b1);
        ShowFraction(34, 35, a2, b2);
        AddFractionItem(7, LowestTerms(1LL * a1 * b2 + 1LL * a2 * b1, 1LL * b1 * b2), 36, 37);
    }
    // 2) and 3) a difference that stays positive.
    const struct { int firstLabel, edit, numAnswer, denAnswer; } differences[] = {{38, 9, 43, 44}, {45, 11, 49, 50}};
    for (const auto& d : differences) {
        int a1, b1, a2, b2;
        do {
            b1 = Random(5) + 5;
            do b2 = Random(5) + 5;
            while (b2 == b1);
            a1 = Random(b1 - 2) + 1;
            a2 = Random(b2 - 2) + 1;
        } while (1LL * a2 * b1 >= 1LL * a1 * b2);
        ShowFraction(d.firstLabel, d.firstLabel + 1, a1, b1);
        ShowFraction(d.firstLabel + 2, d.firstLabel + 3, a2, b2);
        const int64_t l = Lcm(b1, b2);
        AddFractionItem(d.edit, LowestTerms(a1 * l / b1 - a2 * l / b2, l), d.numAnswer, d.denAnswer);
    }
    // 4) a difference of mixed numbers.
    {
        const MixedPair m = DrawMixedPair(5, 5, 4, 1, 1);
        label(56)->setText(N(m.w1));
        ShowFraction(52, 53, m.a1, m.d1);
        label(57)->setText(N(m.w2));
        ShowFraction(54, 55, m.a2, m.d2);
        AddMixedItem(13, Difference(m.w1, m.a1, m.d1, m.w2, m.a2, m.d2), 60, 58, 59);
    }
    // 5) a sum of mixed numbers.
    {
        const MixedPair m = DrawMixedPair(5, 5, 4, 1, 1);
        label(61)->setText(N(m.w1));
        ShowFraction(62, 63, m.a1, m.d1);
        label(64)->setText(N(m.w2));
        ShowFraction(65, 66, m.a2, m.d2);
        AddMixedItem(16, Sum(m.w1, m.a1, m.d1, m.w2, m.a2, m.d2), 71, 69, 70);
    }
    // 6) a whole number less a mixed number.
    {
        const int w1 = Random(5) + 5;
        const int w2 = Random(3) + 1;
        const int d = Random(30) + 30;
        const int n = Random(15) + 10;
        label(72)->setText(N(w1));
        label(73)->setText(N(w2));
        ShowFraction(74, 75, n, d);
        const Fraction rest = LowestTerms(d - n, d);
        AddMixedItem(19, {w1 - w2 - 1, rest.num, rest.den}, 76, 77, 78);
    }
}

void TForm4::DrawProblem4() {
    MixedPair m;
    Mixed total;
    for (;;) {
        m = DrawMixedPair(5, 5, 4, 1, 1);
        const Mixed second = Difference(m.w1, m.a1, m.d1, m.w2, m.a2, m.d2);
        const int64_t l = Lcm(m.d1, second.den);
        const int64_t num = m.a1 * l / m.d1 + second.num * l / second.den;
        // Fractional parts that add up to exactly one are drawn again.
        if (num == l) continue;
        total = Sum(m.w1, m.a1, m.d1, second.whole, second.num, second.den);
        break;
    }
    label(79)->setText(QStringLiteral("4. Першого дня продали ") + N(m.w1) +
                       QStringLiteral("          ц яблук, а другого - на ") + N(m.w2));
    ShowFraction(80, 81, m.a1, m.d1);
    ShowFraction(82, 83, m.a2, m.d2);
    label(84)->setText(QStringLiteral("ц менше, ніж першого. Скільки"));
    label(85)->setText(QStringLiteral("центнерів яблук продали за два дні разом?     Відповідь:"));
    AddMixedItem(22, total, 86, 87, 88);
}

void TForm4::DrawProblem5() {
    // 1) W1 a1/d1 − X = W2 a2/d2. The X here is the Latin letter.
    {
        const MixedPair m = DrawMixedPair(10, 10, 4, 5, 2);
        label(89)->setText(QStringLiteral("5. Розв") + QChar(96) +
                           QStringLiteral("яжіть рівняння: 1)                 -X=              ; X="));
        label(90)->setText(N(m.w1));
        ShowFraction(91, 92, m.a1, m.d1);
        label(93)->setText(N(m.w2));
        ShowFraction(94, 95, m.a2, m.d2);
        AddMixedItem(25, Difference(m.w1, m.a1, m.d1, m.w2, m.a2, m.d2), 96, 97, 98);
    }
    // 2) (a/b + X) − c/d = e/f, so X = e/f + c/d − a/b, never exactly 1.
    int a, b, c, d, e, f;
    Mixed x;
    do {
        a = Random(3) + 2;
        b = Random(10) + 10;
        c = Random(3) + 2;
        d = Random(5) + 5;
        e = Random(10) + 10;
        f = e + Random(3) + 1;
        const int64_t l1 = Lcm(d, f);
        const Fraction s = LowestTerms(c * l1 / d + e * l1 / f, l1);
        const int64_t l2 = Lcm(b, s.den);
        const Fraction r = LowestTerms(s.num * l2 / s.den - a * l2 / b, l2);
        x = r.num > r.den ? Mixed{1, r.num - r.den, r.den} : Mixed{0, r.num, r.den};
    } while (x.whole == 0 && x.num == x.den);
    label(99)->setText(QStringLiteral("2)  (      +X)-       =       ; X="));
    ShowFraction(100, 101, a, b);
    ShowFraction(102, 103, c, d);
    ShowFraction(104, 105, e, f);
    AddMixedItem(28, x, 106, 107, 108);
}

void TForm4::DrawProblem6() {
    const int a = Random(3) + 2;
    const int b = Random(10) + 15;
    int c, d;
    do {
        c = Random(4) + 4;
        d = Random(5) + 22;
    } while (c == a && d == b);
    label(109)->setText(QStringLiteral("6. Першого дня турист пройшов         наміченого маршруту, за другий -"));
    ShowFraction(110, 111, a, b);
    ShowFraction(112, 113, c, d);
    label(114)->setText(QStringLiteral("маршруту, за"));
    label(115)->setText(QStringLiteral("третій - решту. Яку частину маршруту пройшов турист за третій день?") +
                        QStringLiteral("    Відповідь:"));
    const int64_t l = Lcm(b, d);
    AddFractionItem(31, LowestTerms(l - a * l / b - c * l / d, l), 116, 117);
}

void TForm4::DrawProblem7() {
    const int c = Random(6) + 4;
    const int b = kPrimes[DrawCategory(29, 30)];
    const int h = b * c / 2;
    const int e = Random(h - 2) + h + 1;
    // The natural X with X/c < e/(b·c), that is X < e/b.
    const int m = e / b - (e % b == 0 ? 1 : 0);
    // "Х" in the question is Cyrillic, the "X" of the fraction Latin.
    label(118)->setText(QStringLiteral("7. Знайдіть усі натуральні значення Х, при яких є правильною нерівність:"));
    label(119)->setText(QStringLiteral("X"));
    label(120)->setText(N(c));
    label(121)->setText(QStringLiteral("<"));
    ShowFraction(122, 123, e, b * c);
    label(124)->setText(QStringLiteral("1       2     3     4      5     6     7     8     9     10"));
    label(125)->setText(QStringLiteral("11   12   13    14   15    16   17   18    19   20"));
    for (int box = 1; box <= 20; ++box) AddCheckItem(box, box <= m);
}

// ---- the paper's arrangement ----

void TForm4::LayOut() {
    auto bar = [this](int n) { return image(n); };
    auto boxes = [this](int first, int count) -> std::array<QLineEdit*, 3> {
        if (count == 2) return {nullptr, edit(first), edit(first + 1)};
        return {edit(first), edit(first + 1), edit(first + 2)};
    };
    PaperRow row(*this, 20, 90);
    auto answer = [&](int first, int count, int image, int a1, int a2, int a3 = 0) {
        const auto e = boxes(first, count);
        if (count == 2) row.boxes(nullptr, e[1], e[2], bar(image), nullptr, label(a1), label(a2));
        else row.boxes(e[0], e[1], e[2], bar(image), label(a1), label(a2), label(a3));
    };

    // 1. Reducing.
    row.text(label(2), {1, 2}).fraction(label(3), label(4), bar(1));
    answer(1, 2, 2, 6, 7);
    row.fraction(label(8), label(9), bar(3));
    answer(3, 2, 4, 10, 11);
    row.space(10).fraction(label(12), label(13), bar(5)).text(label(14));
    answer(5, 2, 6, 15, 16);

    // 2. Comparing.
    row.line(20, 190).text(label(17), {3});
    int image = 7;
    for (int c = 0; c < 3; ++c) {
        if (c == 1) row.space(14);
        if (c == 2) row.space(14).text(label(30));
        const int first = 18 + 4 * c;
        row.fraction(label(first), label(first + 1), bar(image++));
        row.box(comboBox(c + 1), 52);
        row.fraction(label(first + 2), label(first + 3), bar(image++));
    }

    // 3. Computing.
    row.line(20, 290).text(label(31), {1, 1, 1, 1});
    row.fraction(label(32), label(33), bar(13)).fraction(label(34), label(35), bar(14));
    answer(7, 2, 15, 36, 37);
    row.fraction(label(38), label(39), bar(16)).fraction(label(40), label(41), bar(17));
    row.text(label(42), {1, 1, 1});
    answer(9, 2, 18, 43, 44);
    row.fraction(label(45), label(46), bar(19)).fraction(label(47), label(48), bar(20));
    answer(11, 2, 21, 49, 50);

    row.line(20, 400).text(label(51), {1, 1, 1});
    row.mixed(label(56), label(52), label(53), bar(22)).mixed(label(57), label(54), label(55), bar(23));
    answer(13, 3, 24, 60, 58, 59);
    row.mixed(label(61), label(62), label(63), bar(25)).text(label(67));
    row.mixed(label(64), label(65), label(66), bar(26));
    row.text(label(68), {1, 1, 1});
    answer(16, 3, 27, 71, 69, 70);
    // 6): the whole number W1 is a piece of its own in the blanks before "-".
    row.word(label(72));
    row.mixed(label(73), label(74), label(75), bar(28));
    answer(19, 3, 29, 76, 77, 78);

    // 4. Apples.
    row.line(20, 510).text(label(79), {1}).fraction(label(80), label(81), bar(30));
    row.fraction(label(82), label(83), bar(31)).text(label(84));
    row.line(40, 560).text(label(85));
    answer(22, 3, 32, 86, 87, 88);

    // 5. Equations.
    row.line(20, 660).text(label(89), {1, 1});
    row.mixed(label(90), label(91), label(92), bar(33)).mixed(label(93), label(94), label(95), bar(34));
    answer(25, 3, 35, 96, 97, 98);
    row.line(40, 760).text(label(99), {1, 1, 1});
    row.fraction(label(100), label(101), bar(36)).fraction(label(102), label(103), bar(37));
    row.fraction(label(104), label(105), bar(38));
    answer(28, 3, 39, 106, 107, 108);

    // 6. The tourist.
    row.line(20, 860).text(label(109), {1}).fraction(label(110), label(111), bar(40));
    row.fraction(label(112), label(113), bar(41)).text(label(114));
    row.line(40, 910).text(label(115));
    answer(31, 2, 42, 116, 117);

    // 7. The inequality, its twenty boxes under the two number rulers.
    row.line(20, 1010).text(label(118));
    row.line(60, 1070).fraction(label(119), label(120), bar(43)).text(label(121));
    row.fraction(label(122), label(123), bar(44));
    row.line(60, 1140).text(label(124)).space(12).text(label(125));
    int box = 1;
    for (int ruler : {124, 125}) {
        Label* l = label(ruler);
        const QFontMetrics metrics(l->font());
        const QString t = l->text();
        const int left = designRect(l).left();
        for (int i = 0; i < t.size(); ++i) {
            if (!t[i].isDigit() || (i > 0 && t[i - 1].isDigit())) continue;
            int j = i;
            while (j < t.size() && t[j].isDigit()) ++j;
            const double centre = (metrics.horizontalAdvance(t.left(i)) + metrics.horizontalAdvance(t.left(j))) / 2.0;
            setBounds(checkBox(box++), left + int(centre / pageScale()) - 10, 1172, 20, 20);
        }
    }
}

void TForm4::LoadBars() {
    for (int n = 1; n <= kBars; ++n)
        LoadPicture(image(n), WideBar(n) ? QStringLiteral("kr/chdr4.bmp") : QStringLiteral("kr/chdr2.bmp"));
}
