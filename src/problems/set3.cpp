#include "problems/set3.h"

#include "core/arithmetic.h"
#include "core/random.h"

namespace {
QString N(int64_t n) { return QString::number(n); }

// A whole plus a fraction plus another fraction, reduced and carried once, as
// the box sums are written: the sum of two proper fractions needs one carry at most.
Mixed AddOnce(int64_t whole, Fraction a, Fraction b) {
    Fraction sum = Reduce({a.num * b.den + b.num * a.den, a.den * b.den});
    if (sum.num > sum.den) {
        sum.num -= sum.den;
        ++whole;
    }
    return {whole, sum.num, sum.den};
}

// A numerator 1 … d − 3 made prime to d by stepping down.
int64_t ProperCoprime(int64_t d) {
    int64_t m = 1 + Random(int(d - 3));
    while (Gcd(m, d) != 1) --m;
    return m;
}
}  // namespace

TForm26::TForm26()
    : ProblemSet(QStringLiteral("Form26"), QSize(1010, 760),
                 ProblemSetPlan{
                     .folder = QStringLiteral("z3"),
                     .level = 3,
                     .kindCount = 8,
                     .kindDrawN = 79,
                     .kindDrawBase = 10,
                     .stillPictures = {QStringLiteral("z3\\e1(1).bmp"), QStringLiteral("z3\\e1(2).bmp"),
                                       QStringLiteral("z3\\e1(3).bmp"), QStringLiteral("z3\\e1(4).bmp")},
                     .frames = {QStringLiteral("z3\\e1.bmp"), QStringLiteral("z3\\e2.bmp"), QStringLiteral("z3\\e3.bmp"),
                                QStringLiteral("z3\\e4.bmp")},
                     .rewardImage = 4,
                     .markImage = 11,
                     .titleLabel = 1,
                     .answerCaptionLabel = 6,
                     .verdictLabel = 13,
                     .rightCaptionLabel = 0,
                     .timeLabel = 24,
                 }) {
    using Fit = Picture::Fit;
    addLabel(1, 420, 12, 34);
    for (int n = 2; n <= 5; ++n) addLabel(n, 20, 70 + 65 * (n - 2), 20);
    for (int n : {7, 8, 9, 10, 11, 12, 26, 27, 28, 29, 30, 31}) addLabel(n, 0, 0, 18);
    for (int n : {1, 2, 3, 8, 9, 10}) addImage(n, 0, 0, 41, 17);
    addLabel(6, 20, 372, 22);
    // Three answer groups: a whole part left of a fraction, a caption above, the
    // right values below after a wrong answer. Label24 also shows the time at the end.
    for (int g = 0; g < 3; ++g) {
        const int x = 160 + 200 * g;
        addLabel(23 + g, x, 318, 18);
        addEdit(1 + 3 * g, x, 372, 55, 34, 22);
        addEdit(2 + 3 * g, x + 62, 342, 70, 32, 22);
        addImage(5 + g, x + 62, 376, 70, 8, Fit::Stretch);
        addEdit(3 + 3 * g, x + 62, 386, 70, 32, 22);
        addLabel(14 + 3 * g, x + 10, 440, 20);
        addLabel(15 + 3 * g, x + 75, 428, 20);
        addLabel(16 + 3 * g, x + 75, 454, 20);
    }
    addLabel(13, 20, 430, 26);
    addImage(4, 785, 300, 210, 340, Fit::Proportional);
    addImage(11, 290, 590, 440, 120, Fit::Proportional);
    addLabel(32, 880, 726, 0);
    AddFlowButtons(510);
    addTimer(1, 250);
    WireFlow();
}

void TForm26::FormCreate() {
    ProblemSet::FormCreate();
    for (int n = 1; n <= 31; ++n) label(n)->setText(QString());
    label(32)->setText(QStringLiteral("302 - 315 (8)"));
    for (int n = 1; n <= 9; ++n) edit(n)->hide();
    for (int n : {1, 2, 3, 5, 6, 7, 8, 9, 10}) image(n)->hide();
}

void TForm26::ClearProblem() {
    for (int n = 2; n <= 31; ++n)
        if (n != 6) label(n)->setText(QString());
    for (int n = 1; n <= 9; ++n) edit(n)->hide();
    for (int n : {1, 2, 3, 5, 6, 7, 8, 9, 10}) image(n)->hide();
    right_.fill(0);
    asked_.clear();
}

void TForm26::Generate(int kind) {
    switch (kind) {
        case 1: ThreeBoxes(); break;
        case 2: Triangle(); break;
        case 3: Treasure(); break;
        case 4: Ploughing(); break;
        case 5: Painters(); break;
        case 6: Watermelon(); break;
        case 7: FillingAndDraining(); break;
        case 8: SecondPipe(); break;
        default: break;
    }
}

void TForm26::Ask(std::initializer_list<int> fields, std::initializer_list<int> bars) {
    for (int bar : bars) ShowBar(bar, QStringLiteral("kr\\chdr2.bmp"));
    asked_.assign(fields);
    for (int n : asked_) OpenField(edit(n));
}

std::pair<int64_t, int64_t> TForm26::SharedDenominators(int n, int base) {
    const int64_t k = DrawPrime(n, base);
    const int64_t d1 = k * DrawFreshPrime(39, 10, true);
    const int64_t d2 = k * DrawFreshPrime(39, 10, false);
    return {d1, d2};
}

// Three boxes of oranges known by their pairwise sums and the total.
void TForm26::ThreeBoxes() {
    const int64_t a1 = 10 + Random(10);
    int64_t a2 = 0, a3 = 0;
    do a2 = 10 + Random(10); while (a2 == a1);
    do a3 = 10 + Random(10); while (a3 == a1 || a3 == a2);
    const int64_t k = DrawPrime(39, 10);
    const int64_t d1 = k * DrawFreshPrime(39, 10, true);
    const int64_t d2 = k * DrawFreshPrime(39, 10, true);
    const int64_t d3 = k * DrawFreshPrime(39, 10, true);
    const int64_t m1 = ProperCoprime(d1);
    const int64_t m2 = ProperCoprime(d2);
    const int64_t m3 = ProperCoprime(d3);
    const Mixed s12 = AddOnce(a1 + a2, {m1, d1}, {m2, d2});
    const Mixed s13 = AddOnce(a1 + a3, {m1, d1}, {m3, d3});
    const Mixed t = AddOnce(s12.whole + a3, {s12.num, s12.den}, {m3, d3});
    right_ = {0, a1, m1, d1, a2, m2, d2, a3, m3, d3};
    label(2)->setText(QStringLiteral("В трьох ящиках було ") + N(t.whole) +
                      QStringLiteral("          кг апельсинів. У першому і другому ") + QStringLiteral("ящиках було ") +
                      N(s12.whole) + QStringLiteral("          кг"));
    label(3)->setText(QStringLiteral("апельсинів, а в першому і третьому -") + N(s13.whole) +
                      QStringLiteral("          кг. Скільки") + QStringLiteral(" кілограмів апельсинів було в"));
    label(4)->setText(QStringLiteral("кожному ящику?"));
    ShowFraction(2, 0, 7, 1, 8, N(t.num), N(t.den));
    ShowFraction(2, 1, 9, 2, 10, N(s12.num), N(s12.den));
    ShowFraction(3, 0, 11, 3, 12, N(s13.num), N(s13.den));
    label(23)->setText(QStringLiteral("перший"));
    label(24)->setText(QStringLiteral("другий"));
    label(25)->setText(QStringLiteral("третій"));
    Ask({1, 2, 3, 4, 5, 6, 7, 8, 9}, {5, 6, 7});
}

// One side, and how much longer and shorter it is than the other two: the perimeter.
void TForm26::Triangle() {
    int64_t t = 0, x = 0, y = 0, d1 = 0, d2 = 0, d3 = 0, m1 = 0, m2 = 0, m3 = 0, whole = 0, num = 0, cd = 0;
    int64_t A = 0, B = 0;
    do {
        PrimeUsed.fill(false);
        t = 50 + Random(10);
        x = 10 + Random(10);
        do y = 10 + Random(10); while (y == x);
        std::tie(d1, d2) = SharedDenominators(39, 10);
        d3 = DrawPrime(19, 50);
        m1 = 1 + Random(int(d1 - 3));
        m2 = 1 + Random(int(d2 - 3));
        m3 = 1 + Random(int(d3 - 3));
        whole = 3 * t + y - x;
        const Fraction F = Reduce({3 * m1 * d3 + m3 * d1, d1 * d3});
        cd = F.den * d2;
        A = F.num * d2;
        B = m2 * F.den;
        if (A > B) {
            num = A - B;
        } else if (A < B) {
            --whole;  // borrow one whole so the fraction stays positive
            num = A - B + cd;
        }
    } while (A == B);
    const Mixed p = SplitWhileGreater(Reduce({num, cd}));
    right_[1] = whole + p.whole;
    right_[2] = p.num;
    right_[3] = p.den;
    label(2)->setText(QStringLiteral("Довжина однієї з сторін трикутника дорівнює ") + N(t) + QStringLiteral("          см, ") +
                      QStringLiteral("що на ") + N(x) + QStringLiteral("          см більше"));
    label(3)->setText(QStringLiteral("   за  довжину  другої  сторони  і  на  ") + N(y) + QStringLiteral("          см менше від") +
                      QStringLiteral(" довжини третьої. Обчисліть"));
    label(4)->setText(QStringLiteral("периметр трикутника."));
    ShowFraction(2, 0, 26, 8, 27, N(m1), N(d1));
    ShowFraction(2, 1, 28, 9, 29, N(m2), N(d2));
    ShowFraction(3, 0, 11, 3, 12, N(m3), N(d3));
    Ask({1, 2, 3}, {5});
}

// Three shares of a treasure: what is left for the fourth.
void TForm26::Treasure() {
    const int64_t k = DrawFreshPrime(39, 10, true);
    const int64_t d1 = k * DrawFreshPrime(39, 10, true);
    const int64_t d2 = k * DrawFreshPrime(49, 10, true);
    const int64_t d3 = k * DrawFreshPrime(49, 10, false);
    // The largest shares not above 1/6, 1/5 and 1/4.
    const int64_t m1 = d1 / 6, m2 = d2 / 5, m3 = d3 / 4;
    const Fraction shared = Reduce({d3 * (m1 * d2 + m2 * d1) + m3 * d1 * d2, d1 * d2 * d3});
    right_[2] = shared.den - shared.num;
    right_[3] = shared.den;
    label(2)->setText(QStringLiteral(" Золотов,  Сріблов,  Платинов  і  Діамантов  знайшли  скарб.  Золотову ") +
                      QStringLiteral("дісталось              скарбу,"));
    label(3)->setText(QStringLiteral("        Сріблову -               Платинову -               ") +
                      QStringLiteral(", а решта - Діамантову. Яку частину скарбу"));
    label(4)->setText(QStringLiteral("отримав Діамантов?"));
    ShowFraction(2, 0, 9, 2, 10, N(m1), N(d1));
    ShowFraction(3, 0, 30, 10, 31, N(m2), N(d2));
    ShowFraction(3, 1, 11, 3, 12, N(m3), N(d3));
    Ask({2, 3}, {5});
}

// Two ploughmen together: the part ploughed in one hour and in two.
void TForm26::Ploughing() {
    auto [d1, d2] = SharedDenominators(39, 50);
    if (d1 < d2) std::swap(d1, d2);
    const Fraction one = Reduce({d1 + d2, d1 * d2});
    const Fraction two = Reduce({2 * one.num, one.den});
    right_[2] = one.num, right_[3] = one.den, right_[5] = two.num, right_[6] = two.den;
    label(4)->setText(QStringLiteral("Івасик-Телесик може зорати поле за ") + N(d1) + QStringLiteral(" год, а Котигорошко за ") +
                      N(d2) + QStringLiteral(" год. Яку частину поля"));
    label(5)->setText(QStringLiteral("зорють вони разом за 1 год? За 2 год?"));
    label(23)->setText(QStringLiteral("за 1 год"));
    label(24)->setText(QStringLiteral("за 2 год"));
    Ask({2, 3, 5, 6}, {5, 6});
}

// Three painters together: one hour and three.
void TForm26::Painters() {
    const int64_t k = DrawPrime(39, 50);
    const int64_t d1 = k * DrawFreshPrime(39, 10, true);
    const int64_t d2 = k * DrawFreshPrime(39, 10, true);
    const int64_t d3 = k * DrawFreshPrime(39, 10, false);
    const Fraction one = Reduce({d3 * (d1 + d2) + d1 * d2, d1 * d2 * d3});
    const Fraction three = Reduce({3 * one.num, one.den});
    right_[2] = one.num, right_[3] = one.den, right_[5] = three.num, right_[6] = three.den;
    label(4)->setText(QStringLiteral("Один робітник може пофарбувати паркан за ") + N(d1) + QStringLiteral(" год, другий за ") +
                      N(d2) + QStringLiteral(" год, а третій за ") + N(d3) + QStringLiteral(" год."));
    label(5)->setText(QStringLiteral("Яку частину паркану вони пофарбують разом за 1 год? За 3 год?"));
    label(23)->setText(QStringLiteral("за 1 год"));
    label(24)->setText(QStringLiteral("за 3 год"));
    Ask({2, 3, 5, 6}, {5, 6});
}

// Two boys eat one watermelon: what is left after a minute.
void TForm26::Watermelon() {
    const auto [d1, d2] = SharedDenominators(39, 10);
    const Fraction eaten = Reduce({d1 + d2, d1 * d2});
    right_[2] = eaten.den - eaten.num;
    right_[3] = eaten.den;
    label(5)->setText(QStringLiteral("через 1 хв, якщо хлопчики почнуть їсти його одночасно?"));
    label(4)->setText(QStringLiteral("Михайлик може з`їсти кавун за ") + N(d1) + QStringLiteral(" хв, а Миколка - за ") + N(d2) +
                      QStringLiteral(" хв. Яка частина кавуна залишиться"));
    Ask({2, 3}, {5});
}

// One pipe fills, the other drains: what stays empty after an hour.
void TForm26::FillingAndDraining() {
    auto [d1, d2] = SharedDenominators(39, 10);
    if (d1 > d2) std::swap(d1, d2);
    const Fraction filled = Reduce({d2 - d1, d1 * d2});
    right_[2] = filled.den - filled.num;
    right_[3] = filled.den;
    label(4)->setText(QStringLiteral("Басейн можна заповнити водою за ") + N(d1) + QStringLiteral(" год через одну трубу і ") +
                      QStringLiteral(" споржнити за ") + N(d2) + QStringLiteral(" через другу. Петро"));
    label(5)->setText(QStringLiteral("Забудько відкрив одночасно дві труби. Яка частина басейну буде") +
                      QStringLiteral(" незаповненою через 1 год?"));
    Ask({2, 3}, {5});
}

// Two pipes together and one alone: the other pipe's part in an hour.
void TForm26::SecondPipe() {
    const int64_t d1 = DrawPrime(29, 10);
    const int64_t d2 = DrawPrime(29, 40);
    const Fraction part = Reduce({d2 - d1, d1 * d2});
    right_[2] = part.num;
    right_[3] = part.den;
    label(4)->setText(QStringLiteral("Через дві труби басейн можна заповнити водою за ") + N(d1) + QStringLiteral(" год. ") +
                      QStringLiteral(" Яку частину басейну можна заповнити"));
    label(5)->setText(QStringLiteral("за 1 год через одну з цих труб, якщо через другу трубу його") +
                      QStringLiteral(" можна заповнити за ") + N(d2) + QStringLiteral(" год?"));
    Ask({2, 3}, {5});
}

bool TForm26::AnswerIsRight() {
    bool right = true;
    for (int n : asked_) {
        right = Matches(edit(n), right_[size_t(n)]) && right;
        edit(n)->setEnabled(false);
    }
    return right;
}

void TForm26::ShowRightAnswers() {
    for (int n : asked_) label(13 + n)->setText(N(right_[size_t(n)]));
}
