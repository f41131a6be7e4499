#include "papers/paper1.h"

#include <QFont>
#include <QFontMetrics>

#include "core/noun_form.h"
#include "core/random.h"

namespace {
const int kTextFont = 20;  // problem texts, numbers and inputs
const int kRowLeft = 200;  // problem 1: where the six numbers begin
const int kRowStep = 80;
const int kAnswerColumn = 780;  // inputs of problems 3, 4, 5 and 7, answer labels under them

// The digit ruler over the ten check boxes of each part of problem 6.
const QString kRuler = QStringLiteral("0      1      2      3       4      5      6       7      8      9");
const int kRulerLeft = 120;

QString N(long long value) { return QString::number(value); }

// Left edges for ten check boxes centred under the digits of the ruler, as the
// ruler's serif face lays them out.
std::array<int, 10> RulerBoxLefts(int boxWidth) {
    const QFontMetrics metrics(PageFace(kTextFont));
    std::array<int, 10> lefts{};
    int digit = 0;
    for (int i = 0; i < kRuler.size() && digit < 10; ++i) {
        if (!kRuler[i].isDigit()) continue;
        const int centre = metrics.horizontalAdvance(kRuler.left(i)) + metrics.horizontalAdvance(kRuler[i]) / 2;
        lefts[digit++] = kRulerLeft + centre - boxWidth / 2;
    }
    return lefts;
}

// Problem 1's divisors and problem 6's: a category from 1 to 4 names one.
int DivisorOf(int category, const std::array<int, 4>& divisors) { return divisors[category - 1]; }
const std::array<int, 4> kRowDivisors = {2, 3, 5, 7};
const std::array<int, 4> kDigitDivisors = {2, 3, 5, 9};

// The digits x for which the number t followed by x divides by the divisor.
bool DigitFits(int digit, int divisor, int digitSum) {
    switch (divisor) {
        case 2: return digit % 2 == 0;
        case 5: return digit == 0 || digit == 5;
        case 3: return (digitSum + digit) % 3 == 0;
        case 9: return (digitSum + digit) % 9 == 0;
    }
    return false;
}
}  // namespace

TForm3::TForm3()
    : TestPaper(QStringLiteral("Form3"), QSize(1010, 980),
                Rules{.resultLabel = 48,
                      .checkButton = CheckButton::DisabledAtPress,
                      .percentSign = QStringLiteral("%"),
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№1 Ваpіант № + "),
                      .answerLabels = {19, 20, 22, 24, 26, 28, 38, 39, 40, 41, 42, 43, 44, 45, 46}}) {
    addLabel(1, 20, 12, 28);
    addLabel(48, 420, 16, 24);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);

    // Problem 1: two rows of six numbers, a check box under each.
    addLabel(2, 20, 70, kTextFont);
    addLabel(9, 20, 140, kTextFont);
    for (int i = 0; i < 6; ++i) {
        const int left = kRowLeft + kRowStep * i;
        addLabel(3 + i, left, 70, kTextFont);
        addLabel(10 + i, left, 140, kTextFont);
        addCheckBox(1 + i, left + 8, 100);
        addCheckBox(7 + i, left + 8, 170);
    }

    // Problem 2: nine factor boxes in a row, answer labels under them.
    addLabel(16, 20, 215, kTextFont);
    for (int i = 0; i < 9; ++i) addEdit(1 + i, 40 + 100 * i, 250, 80, 30, kTextFont);
    for (int i = 0; i < 8; ++i) addLabel(39 + i, 42 + 100 * i, 284);

    // Problems 3 and 4: one line per pair, its input to the right, its answer label under the input.
    const struct { int text, edit, answer, left, top; } lines[] = {
        {17, 10, 19, 20, 320}, {18, 11, 20, 40, 370},                          // greatest common divisors
        {21, 12, 22, 20, 430}, {23, 13, 24, 40, 480}, {25, 14, 26, 40, 530},  // least common multiples
    };
    for (const auto& line : lines) {
        addLabel(line.text, line.left, line.top, kTextFont);
        addEdit(line.edit, kAnswerColumn, line.top - 2, 110, 30, kTextFont);
        addLabel(line.answer, kAnswerColumn + 2, line.top + 30);
    }

    // Problem 5.
    addLabel(27, 20, 590, kTextFont);
    addComboBox(1, kAnswerColumn, 588, 110, 30, {QStringLiteral("так"), QStringLiteral("ні")}, kTextFont);
    addLabel(28, kAnswerColumn + 2, 620);

    // Problem 6: two digit rulers, each over its row of ten check boxes.
    addLabel(29, 20, 650, kTextFont);
    const std::array<int, 10> boxLefts = RulerBoxLefts(20);
    const struct { int part, ruler, hint, firstBox, top; } rulers[] = {{30, 31, 32, 13, 690}, {34, 33, 35, 23, 755}};
    for (const auto& r : rulers) {
        addLabel(r.part, 40, r.top, kTextFont);
        addLabel(r.ruler, kRulerLeft, r.top, kTextFont);
        for (int digit = 0; digit < 10; ++digit) addCheckBox(r.firstBox + digit, boxLefts[digit], r.top + 30);
        addLabel(r.hint, boxLefts[9] + 60, r.top + 28, kTextFont);
    }

    // Problem 7.
    addLabel(36, 20, 825, kTextFont);
    addLabel(37, 40, 860, kTextFont);
    addEdit(15, kAnswerColumn, 858, 110, 30, kTextFont);
    addLabel(38, kAnswerColumn + 2, 890);

    addButton(1, 840, 925, 150, 40, 20);
    ConnectPaper();
}

void TForm3::FormCreate() {
    StartPaper();
    k_ = 0;
    factors_.fill(0);
    multiplicity_.fill(0);
    entered_.fill(0);
    ClearUsedPrimes();
    Randomize();
    label(1)->setText(QStringLiteral("Контрольна робота № 1"));
    DrawPaper();
}

void TForm3::DrawPaper() {
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    DrawProblem6();
    DrawProblem7();
}

// ---- drawing ----

std::array<int, 6> TForm3::DrawRow(int d) {
    const int pos = DrawCategory(59, 10);
    std::array<int, 6> x{};
    for (int i = 1; i <= 6; ++i) {
        bool repeated;
        do {
            x[i - 1] = Random(980) + 20;
            if (i == pos && x[i - 1] % d != 0) x[i - 1] = d * (Random(90) + 10);
            repeated = false;
            for (int j = 1; j < i; ++j) repeated = repeated || x[j - 1] == x[i - 1];
        } while (repeated);
    }
    return x;
}

int TForm3::FreshPrime(int m, int b) {
    int i;
    do i = DrawCategory(m, b);
    while (used_[i]);
    used_[i] = true;
    return kPrimes[i];
}

void TForm3::DrawProblem1() {
    const int d1 = DivisorOf(DrawCategory(39, 10), kRowDivisors);
    int d2;
    do d2 = DivisorOf(DrawCategory(39, 10), kRowDivisors);
    while (d2 == d1);

    // Each row: its heading label, its first number label, its first check box and its divisor.
    const struct { int heading, firstNumber, firstBox, divisor; const char16_t* text; } rows[] = {
        {2, 3, 1, d1, u"1. 1)Які з чисел:"},
        {9, 10, 7, d2, u"   2)Які з чисел:"},
    };
    for (const auto& row : rows) {
        const std::array<int, 6> x = DrawRow(row.divisor);
        label(row.heading)->setText(QString::fromUtf16(row.text));
        for (int i = 0; i < 5; ++i) label(row.firstNumber + i)->setText(N(x[i]) + QStringLiteral(", "));
        label(row.firstNumber + 5)->setText(N(x[5]) + QStringLiteral("   діляться націло на ") + N(row.divisor) +
                                            QStringLiteral(" ?"));
        for (int i = 0; i < 6; ++i) AddCheckItem(row.firstBox + i, x[i] % row.divisor == 0);
    }
}

void TForm3::DrawProblem2() {
    k_ = DrawCategory(19, 70);
    long long n = 1;
    for (int j = 1; j <= k_; ++j) {
        const int i = DrawCategory(49, 10);
        factors_[j] = kPrimes[i];
        ++multiplicity_[i];
        n *= factors_[j];
    }
    label(16)->setText(QStringLiteral("2. Розкладіть число ") + N(n) + QStringLiteral(" на прості множники"));
    DeclareFactorItems();
}

// The factors may be written in any order, each prime as often as it occurs in
// n. Entries are read as whole numbers, so " 3", "+3" and "03" count as 3.
// A wrong entry shows the whole factor list under the boxes.
void TForm3::DeclareFactorItems() {
    std::vector<Label*> answerLabels;
    QStringList factorTexts;
    for (int j = 1; j <= k_; ++j) {
        answerLabels.push_back(label(38 + j));
        factorTexts << N(factors_[j]);
    }
    for (int j = 1; j <= k_; ++j) {
        QLineEdit* box = edit(j);
        AnswerItem item{{box}, answerLabels, factorTexts, [this, box] {
                            const std::optional<int> value = ReadInteger(box->text());
                            if (!value) return false;
                            for (int i = 1; i <= 10; ++i)
                                if (kPrimes[i] == *value && multiplicity_[i] > 0)
                                    return ++entered_[i] <= multiplicity_[i];
                            return false;
                        }};
        AddItem(std::move(item));
    }
    // Spare boxes are not items, but anything written in them is an error.
    AnswerItem spare9{{edit(9)}, {}, {}, [box = edit(9)] { return box->text().isEmpty(); }, false};
    AddItem(std::move(spare9));
    if (k_ == 7) {
        AnswerItem spare8{{edit(8)}, answerLabels, factorTexts, [box = edit(8)] { return box->text().isEmpty(); },
                          false};
        AddItem(std::move(spare8));
    }
}

void TForm3::DrawProblem3() {
    // g times two primes and g times two other primes: g is the greatest common divisor.
    const struct { int m, b, primesM, text, edit, answer; const char16_t* prefix; } pairs[] = {
        {59, 40, 59, 17, 10, 19, u"3. Знайдіть найбільший спільний дільник чисел: 1) "},
        {79, 130, 79, 18, 11, 20, u"2) "},
    };
    for (const auto& pair : pairs) {
        ClearUsedPrimes();
        const int g = DrawCategory(pair.m, pair.b);
        const int p1 = FreshPrime(pair.primesM, 10);
        const int p2 = FreshPrime(pair.primesM, 10);
        const int p3 = FreshPrime(pair.primesM, 10);
        const int p4 = FreshPrime(pair.primesM, 10);
        label(pair.text)->setText(QString::fromUtf16(pair.prefix) + N(g * p1 * p2) + QStringLiteral(" i ") +
                                  N(g * p3 * p4));  // " i " with a Latin i
        AddEditItem(edit(pair.edit), N(g), label(pair.answer));
    }
}

void TForm3::DrawProblem4() {
    // g·p1 and g·p2 with two different primes: the least common multiple is g·p1·p2.
    const struct { int m, b, primesM, text, edit, answer; const char16_t* prefix; } pairs[] = {
        {59, 40, 39, 21, 12, 22, u"4. Знайдіть найменше спільне кратне чисел: 1) "},
        {59, 100, 49, 23, 13, 24, u"2) "},
        {109, 100, 69, 25, 14, 26, u"3) "},
    };
    for (const auto& pair : pairs) {
        ClearUsedPrimes();
        const int g = DrawCategory(pair.m, pair.b);
        const int p1 = FreshPrime(pair.primesM, 10);
        const int p2 = FreshPrime(pair.primesM, 10);
        label(pair.text)->setText(QString::fromUtf16(pair.prefix) + N(g * p1) + QStringLiteral(" i ") + N(g * p2));
        AddEditItem(edit(pair.edit), N(g * p1 * p2), label(pair.answer));
    }
}

void TForm3::DrawProblem5() {
    ClearUsedPrimes();
    long long a, b;
    int c;
    if (Random(100) <= 50) {
        // A common prime p1; the others all different, and never 5.
        const int p1 = FreshPrime(39, 20);
        std::array<int, 5> p{};
        for (int& prime : p) {
            int i;
            do i = DrawCategory(89, 20);
            while (i == 3 || used_[i]);
            used_[i] = true;
            prime = kPrimes[i];
        }
        a = 1LL * p1 * p[0] * p[1];
        b = 1LL * p1 * p[2] * p[3] * p[4];
        c = p1;
    } else {
        // Seven different primes: nothing in common.
        const int p1 = FreshPrime(69, 10);
        std::array<int, 6> p{};
        for (int& prime : p) prime = FreshPrime(99, 10);
        a = 1LL * p1 * p[0] * p[1];
        b = 1LL * p[2] * p[3] * p[4] * p[5];
        c = 1;
    }
    label(27)->setText(QStringLiteral("5. Установіть, чи є числа ") + N(a) + QStringLiteral(" i ") + N(b) +
                       QStringLiteral(" взаємно простими"));
    // A wrong answer shows the greatest common divisor, not the word.
    AddComboItem(comboBox(1), c == 1 ? QStringLiteral("так") : QStringLiteral("ні"), label(28), N(c));
}

void TForm3::DrawProblem6() {
    const int t = DrawCategory(8990, 1000);
    const int s = t / 100 + t / 10 % 10 + t % 10;
    const int e1 = DivisorOf(DrawCategory(39, 10), kDigitDivisors);
    int e2;
    do e2 = DivisorOf(DrawCategory(39, 10), kDigitDivisors);
    while (e2 == e1);

    // "oтримане" begins with a Latin o.
    label(29)->setText(QStringLiteral("6. Замість зірочки в числі ") + N(t) +
                       QStringLiteral("* поставте таку цифру, щоб oтримане ") + QStringLiteral("число було кратне:"));
    label(30)->setText(QStringLiteral("1) ") + N(e1));
    label(31)->setText(kRuler);
    label(33)->setText(kRuler);
    label(32)->setText(QStringLiteral("Розгляньте всі можливі варіанти."));
    label(35)->setText(QStringLiteral("Розгляньте всі можливі варіанти."));
    label(34)->setText(QStringLiteral("2) ") + N(e2));
    for (int digit = 0; digit < 10; ++digit) AddCheckItem(13 + digit, DigitFits(digit, e1, s));
    for (int digit = 0; digit < 10; ++digit) AddCheckItem(23 + digit, DigitFits(digit, e2, s));
}

void TForm3::DrawProblem7() {
    const int q1 = kPrimes[DrawCategory(39, 10)];
    const int q2 = kPrimes[DrawCategory(39, 10)];
    const int q3 = kPrimes[DrawCategory(39, 10)];
    const int v = kPrimes[DrawCategory(39, 50)];
    const int u = q1 * q2;
    const int w = u * q3 * v;
    const int hi = w + 32 + Random(5);
    const int lo = w - 32 - Random(5);
    const QString boxes = NounForm(u, QStringLiteral(" шухлядку"), QStringLiteral(" шухлядки"),
                                   QStringLiteral(" шухлядок"));
    label(36)->setText(QStringLiteral("7. Тарасик розклав зібрані горіхи порівну у ") + N(u) + boxes +
                       QStringLiteral(", а потім ") + QStringLiteral("преклав їх у ") + N(v) +
                       QStringLiteral(" шухлядок. "));
    label(37)->setText(QStringLiteral("Скільки горіхів зібрав Тарасик, якщо їх було більше ") + N(lo) +
                       QStringLiteral(" і менше ") + N(hi) + QStringLiteral("?"));
    AddEditItem(edit(15), N(w), label(38));
}
