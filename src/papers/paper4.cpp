#include "papers/paper4.h"

#include "core/number_text.h"
#include "core/random.h"
#include "core/written_form.h"
#include "papers/paper_row.h"

namespace {
const int kFont = 18;
const int kPictures = 20;
QString N(long long value) { return QString::number(value); }

// The largest of the first ten primes that divides n, or 0 when none does.
int LargestFactor(long long n) {
    for (int i = 10; i >= 1; --i)
        if (n % PrimeDraws::kPrimes[i] == 0) return PrimeDraws::kPrimes[i];
    return 0;
}
}  // namespace

TForm6::TForm6()
    : TestPaper(QStringLiteral("Form6"), QSize(1010, 1010),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::HiddenAfterMarking,
                      .percentSign = QStringLiteral("%"),
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№4 Ваpіант № + "),
                      .answerLabels = {8, 9, 16, 17, 18, 22, 23, 29, 33, 37, 38, 42, 49, 59, 60, 61, 66}}) {
    addLabel(1, 20, 12, 26);
    addLabel(2, 360, 16, 22);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);
    const std::vector<int> answers = {8, 9, 16, 17, 18, 22, 23, 29, 33, 37, 38, 42, 49, 59, 60, 61, 66};
    for (int n = 3; n <= 66; ++n) {
        const bool answer = std::find(answers.begin(), answers.end(), n) != answers.end();
        addLabel(n, 0, 0, answer ? 0 : kFont);
    }
    for (int n = 1; n <= 17; ++n) addEdit(n, 0, 0, 40, PaperRow::kBoxHeight, kFont);
    for (int n = 1; n <= kPictures; ++n) addImage(n, 0, 0, 30, 3, Picture::Fit::Stretch);
    addButton(1, 840, 955, 150, 40, 20);
    ConnectPaper();
}

void TForm6::FormCreate() {
    StartPaper();
    // No seeding: test 4 goes on with the generator test 1 has seeded.
    label(1)->setText(QStringLiteral("Контрольна робота №4"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    DrawProblem6();
    DrawProblem7();
    LayOut();
    for (int n = 1; n <= kPictures && n <= pictures_.size(); ++n) LoadPicture(image(n), pictures_[n - 1]);
}

void TForm6::AddFractionItem(int firstEdit, const QStringList& right, int numAnswer, int denAnswer) {
    AddGroupItem({edit(firstEdit), edit(firstEdit + 1)}, right, {label(numAnswer), label(denAnswer)});
}

void TForm6::AddMixedItem(int firstEdit, const QStringList& right, int firstAnswer) {
    AddGroupItem({edit(firstEdit), edit(firstEdit + 1), edit(firstEdit + 2)}, right,
                 {label(firstAnswer), label(firstAnswer + 1), label(firstAnswer + 2)});
}

// ---- drawing ----

void TForm6::DrawProblem1() {
    label(3)->setText(QStringLiteral("1. Виконайте ділення: 1)        :        =            2)          :") +
                      QStringLiteral("           ="));
    // 1) P1/(e·h) : P1·f/(e·g) = g/(f·h), five different primes.
    {
        primes_.Clear();
        const int p1 = primes_.Fresh(39, 10);
        const int e = primes_.Fresh(39, 10), f = primes_.Fresh(39, 10);
        const int g = primes_.Fresh(39, 50), h = primes_.Fresh(39, 50);
        ShowFraction(4, 5, p1, e * h);
        ShowFraction(6, 7, p1 * f, e * g);
        AddFractionItem(1, Texts(LowestTerms(g, f * h)), 8, 9);
    }
    // 2) two mixed numbers whose quotient is below one.
    {
        primes_.Clear();
        const int p1 = primes_.Fresh(39, 10);
        const int p2 = primes_.Fresh(39, 20);
        const int p3 = primes_.Fresh(39, 50), p4 = primes_.Fresh(39, 50);
        const int p5 = primes_.Fresh(39, 10);
        const Mixed a = SplitWhileGreater({p2 * p3, p1 * p5});
        const Mixed b = SplitWhileGreater({p2 * p4, p1});
        label(10)->setText(N(a.whole));
        ShowFraction(11, 12, a.num, a.den);
        label(13)->setText(N(b.whole));
        ShowFraction(14, 15, b.num, b.den);
        AddMixedItem(3, Texts(LowestMixedWhileGreater(1LL * p2 * p3 * p1, 1LL * p1 * p5 * p2 * p4)), 16);
    }
    // 3) a fraction divided by a whole number. The quotient is written in lowest
    // terms even when j is one of the denominator's primes (7/77 is 1/11).
    {
        primes_.Clear();
        const int c = primes_.Fresh(39, 10);
        const int j = primes_.Fresh(39, 10);
        const int f = primes_[DrawCategory(39, 40)], g = primes_[DrawCategory(39, 40)];
        label(19)->setText(QStringLiteral("3)        :") + N(c) + QStringLiteral("  ="));
        ShowFraction(20, 21, c * j, f * g);
        AddFractionItem(6, Texts(LowestTerms(j, f * g)), 22, 23);
    }
}

void TForm6::DrawProblem2() {
    const int a = primes_[DrawCategory(29, 10)];
    const int b = primes_[DrawCategory(29, 40)];
    const int d = primes_[DrawCategory(49, 40)];
    label(24)->setText(QStringLiteral("2. Поїзд пойшов          усього шляху, що становило ") + N(a * d) +
                       QStringLiteral(" км."));
    ShowFraction(25, 26, a, b);
    label(27)->setText(QStringLiteral("Скільки кілометрів становить"));
    label(28)->setText(QStringLiteral("довжина всього шляху?      Відповідь:"));
    AddEditItem(edit(8), N(b * d), label(29));
}

void TForm6::DrawProblem3() {
    // The X in these equations is the Latin letter.
    {
        const int a = primes_[DrawCategory(29, 30)];
        int b;
        do b = primes_[DrawCategory(39, 50)];
        while (b <= a);
        const int f = primes_[DrawCategory(39, 20)];
        label(30)->setText(QStringLiteral("3. Розв") + QChar(96) + QStringLiteral("яжіть рівняння: 1)       X=") +
                           TenthsText(a * f) + QStringLiteral("; X=              2)"));
        ShowFraction(31, 32, a, b);
        AddEditItem(edit(9), CommaOrPoint(TenthsText(f * b)), label(33));
    }
    {
        const int a = primes_[DrawCategory(39, 10)];
        const int b = primes_[DrawCategory(39, 50)];
        const int w = Random(5) + 2;
        label(34)->setText(N(w) + QStringLiteral("        X=1;  X="));
        ShowFraction(35, 36, a, b);
        AddFractionItem(10, Texts(LowestTerms(b, w * b + a)), 37, 38);
    }
}

void TForm6::DrawProblem4() {
    const int k = DrawCategory(39, 10);
    int v = 0, period = 9;
    switch (k) {
        case 1: v = DrawCategory(79, 10); break;
        case 2:
            period = 99;
            do v = DrawCategory(979, 10);
            while (v % 11 == 0);
            break;
        case 3:
            period = 999;
            do v = DrawCategory(9799, 100);
            while (v % 111 == 0);
            break;
        default:
            // A multiple of 101 repeats a shorter period (9797 is 0,(97)): drawn again too.
            period = 9999;
            do v = DrawCategory(97999, 1000);
            while (v % 1111 == 0 || v % 101 == 0);
            break;
    }
    long long num = v, den = period;
    for (int divisor : {3, 11, k == 3 ? 37 : 101})
        while (num % divisor == 0 && den % divisor == 0) num /= divisor, den /= divisor;
    label(39)->setText(QStringLiteral("4. Перетворіть звичайний дріб у десятковий") +
                       QStringLiteral(" і вкажіть період:                ="));
    ShowFraction(40, 41, num, den);
    const QString digits = QStringLiteral("%1").arg(v, k, 10, QChar(u'0'));
    AddEditItem(edit(12), {QStringLiteral("0,(") + digits + u')', QStringLiteral("0.(") + digits + u')'}, label(42));
}

void TForm6::DrawProblem5() {
    const int s1 = primes_[DrawCategory(29, 30)];
    int s2;
    do s2 = primes_[DrawCategory(39, 40)];
    while (s2 <= s1);
    const int d = primes_[DrawCategory(39, 10)];
    const int sum = 2 * d * s1 + 2 * d * s2;
    int t;
    if (sum % 10 != 0) {
        t = 10 * Random(6) + 25;
    } else {
        do t = Random(69) + 20;
        while (t % 10 == 0);
    }
    const int r = Random(49) + 40;
    const long long distance = 1LL * sum * t / 10 + r;
    label(43)->setText(QStringLiteral("5. З двох міст одночасно назустріч один одному  вирушають два автомобілі.") +
                       QStringLiteral(" Швидкість одного з"));
    label(44)->setText(QStringLiteral("них дорівнює ") + N(2 * d * s1) +
                       QStringLiteral(" км/год, що становить           швидкості другого. Якою") +
                       QStringLiteral(" буде відстань між"));
    ShowFraction(45, 46, s1, s2);
    label(47)->setText(QStringLiteral("автомобілями через ") + TenthsText(t) +
                       QStringLiteral(" год після початку руху, якщо відомо, що ") +
                       QStringLiteral("відстань між автомобілями"));
    label(48)->setText(QStringLiteral("дорівнює ") + N(distance) + QStringLiteral(" км?      Відповідь:"));
    AddEditItem(edit(13), N(r), label(49));
}

void TForm6::DrawProblem6() {
    // (M1 − M2) : M3 + M4 : w5.
    primes_.Clear();
    const int a = primes_.Fresh(39, 30), b = primes_.Fresh(39, 30), c = primes_.Fresh(39, 30);
    const bool threeFirst = Random(100) <= 50;
    const int e1 = threeFirst ? 3 : 2, e2 = threeFirst ? 2 : 3;
    const int w1 = Random(4) + 4, w2 = Random(3) + 1;
    const Fraction x = LowestTerms((1LL * (w1 - w2) * a * b + e1) * c - 1LL * e2 * b, 1LL * a * b * c);

    const int dx = LargestFactor(x.den), nx = LargestFactor(x.num);
    const long long d3 = (dx ? dx : 1) * primes_[DrawCategory(29, 10)];
    long long t3 = (nx ? nx : 1) * primes_[DrawCategory(29, 40)];
    while (t3 <= d3) t3 *= Random(100) <= 50 ? 3 : 2;
    const Mixed m3 = LowestMixedWhileGreater(t3, d3);
    const Fraction y = LowestTerms(x.num * d3, x.den * t3);

    const int w5 = primes_[DrawCategory(39, 10)];
    const int w4 = Random(3) + 3;
    const int cy = LargestFactor(y.den);
    const int c4 = cy ? cy : primes_[DrawCategory(39, 50)];
    const long long whole4 = 1LL * w4 * c4;
    long long t4 = w5;
    if (whole4 % w5 != 0) {
        t4 = 1;
        while ((whole4 + t4) % w5 != 0) ++t4;
    }
    // M4 : w5 = ((D + t4) / w5) / c4, added to Y over the common denominator.
    const long long q4 = (whole4 + t4) / w5;
    const long long l = Lcm(y.den, c4);
    const Mixed right = LowestMixedWhileGreater(y.num * (l / y.den) + q4 * (l / c4), l);

    label(50)->setText(QStringLiteral("6. Виконайте дії: (") + N(w1) + QStringLiteral("        -") + N(w2) +
                       QStringLiteral("        ):") + N(m3.whole) + QStringLiteral("        +") + N(w4) +
                       QStringLiteral("        :") + N(w5) + QStringLiteral("   ="));
    ShowFraction(51, 52, e1, a * b);
    ShowFraction(53, 54, e2, a * c);
    ShowFraction(55, 56, m3.num, m3.den);
    ShowFraction(57, 58, t4, c4);
    AddMixedItem(14, Texts(right), 59);
}

void TForm6::DrawProblem7() {
    int a, b;
    do {
        a = Random(8) + 8;
        b = Random(10) + 20;
        if (a % 2 == 0) ++a;
        if (b % 2 == 0) ++b;
    } while (Gcd(a, b) != 1);
    const int pct = 5 * DrawCategory(89, 10);
    const int f = Random(100) <= 50 ? 3 : 2;
    const int birches = f * (100 - pct) * (b - a) / 10;
    label(62)->setText(QStringLiteral("7. Каштани становили           дерев, що росли в парку, клени - ") + N(pct) +
                       QStringLiteral("%") + QStringLiteral(" остачі, а берези - решту дерев"));
    ShowFraction(63, 64, a, b);
    label(65)->setText(N(birches) + QStringLiteral(". Скільки всього дерев росло в парку?   Відповідь: "));
    AddEditItem(edit(17), N(10 * f * b), label(66));
}

// ---- the paper's arrangement ----

void TForm6::LayOut() {
    pictures_.clear();
    auto bar = [this](bool answer = false) {
        pictures_ << (answer ? QStringLiteral("kr/chdr4.bmp") : QStringLiteral("kr/chdr2.bmp"));
        return image(int(pictures_.size()));
    };
    PaperRow row(*this, 20, 90);
    row.text(label(3), {1, 1, 1, 1, 1});
    row.fraction(label(4), label(5), bar()).fraction(label(6), label(7), bar());
    row.boxes(nullptr, edit(1), edit(2), bar(true), nullptr, label(8), label(9));
    row.mixed(label(10), label(11), label(12), bar()).mixed(label(13), label(14), label(15), bar());
    row.boxes(edit(3), edit(4), edit(5), bar(true), label(16), label(17), label(18));
    row.space(10).text(label(19), {1}).fraction(label(20), label(21), bar());
    row.boxes(nullptr, edit(6), edit(7), bar(true), nullptr, label(22), label(23));

    row.line(20, 200).text(label(24), {1}).fraction(label(25), label(26), bar()).text(label(27));
    row.line(40, 250).text(label(28)).box(edit(8), 70, label(29));

    row.line(20, 330).text(label(30), {1, 1}).fraction(label(31), label(32), bar()).box(edit(9), 60, label(33));
    row.text(label(34), {1}).fraction(label(35), label(36), bar());
    row.boxes(nullptr, edit(10), edit(11), bar(true), nullptr, label(37), label(38));

    row.line(20, 440).text(label(39), {1}).fraction(label(40), label(41), bar()).box(edit(12), 100, label(42));

    row.line(20, 520).text(label(43));
    row.line(20, 570).text(label(44), {1}).fraction(label(45), label(46), bar());
    row.line(20, 620).text(label(47));
    row.line(20, 660).text(label(48)).box(edit(13), 70, label(49));

    row.line(20, 750).text(label(50), {1, 1, 1, 1});
    row.fraction(label(51), label(52), bar()).fraction(label(53), label(54), bar());
    row.fraction(label(55), label(56), bar()).fraction(label(57), label(58), bar());
    row.boxes(edit(14), edit(15), edit(16), bar(true), label(59), label(60), label(61));

    row.line(20, 860).text(label(62), {1}).fraction(label(63), label(64), bar());
    row.line(40, 910).text(label(65)).box(edit(17), 70, label(66));
}
