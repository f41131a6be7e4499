#include "problems/set4.h"

#include "core/arithmetic.h"
#include "core/random.h"

namespace {
QString N(int64_t n) { return QString::number(n); }

// A value a pupil can type as a mixed number: above 0 and not whole, since a whole
// number would have to be written with the fraction 1/1. Other draws are made again.
bool TypableMixed(Fraction value) {
    const Fraction reduced = Reduce(value);
    if (reduced.num <= 0) return false;
    const Mixed m = SplitWhileGreater(reduced);
    return m.num != m.den;
}
}  // namespace

TForm27::TForm27()
    : ProblemSet(QStringLiteral("Form27"), QSize(1010, 760),
                 ProblemSetPlan{
                     .folder = QStringLiteral("z4"),
                     .level = 4,
                     .kindCount = 5,
                     .kindDrawN = 49,
                     .kindDrawBase = 10,
                     .stillPictures = {QStringLiteral("z4\\k1(1).bmp"), QStringLiteral("z4\\k1(2).bmp"),
                                       QStringLiteral("z4\\k1(3).bmp"), QStringLiteral("z4\\k1(4).bmp")},
                     .frames = {QStringLiteral("z4\\k1.bmp"), QStringLiteral("z4\\k2.bmp"), QStringLiteral("z4\\k3.bmp"),
                                QStringLiteral("z4\\k4.bmp")},
                     .rewardImage = 2,
                     .markImage = 9,
                     .titleLabel = 1,
                     .answerCaptionLabel = 5,
                     .verdictLabel = 9,
                     .rightCaptionLabel = 0,
                     .timeLabel = 22,
                 }) {
    using Fit = Picture::Fit;
    addLabel(1, 420, 12, 34);
    addLabel(2, 20, 80, 20);
    addLabel(3, 20, 150, 20);
    addLabel(4, 20, 220, 20);
    for (int n : {6, 7, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21}) addLabel(n, 0, 0, 18);
    for (int n : {1, 4, 5, 6, 7, 8}) addImage(n, 0, 0, 41, 17);
    // The answer: a whole part left of a fraction; the right values beside it.
    addLabel(5, 20, 366, 22);
    addEdit(1, 200, 360, 80, 36, 22);
    addEdit(2, 290, 324, 80, 34, 22);
    addImage(3, 290, 360, 80, 8, Fit::Stretch);
    addEdit(3, 290, 370, 80, 34, 22);
    addLabel(9, 420, 324, 26);
    addLabel(8, 420, 374, 22);
    addLabel(12, 500, 360, 20);
    addLabel(13, 500, 388, 20);
    addLabel(22, 20, 560, 24);
    addImage(2, 785, 300, 210, 340, Fit::Proportional);
    addImage(9, 290, 590, 440, 120, Fit::Proportional);
    addLabel(23, 880, 726, 0);
    AddFlowButtons(480);
    addTimer(1, 250);
    WireFlow();
}

void TForm27::FormCreate() {
    ProblemSet::FormCreate();
    for (int n = 1; n <= 22; ++n) label(n)->setText(QString());
    label(23)->setText(QStringLiteral("354-379  (5)"));
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
    for (int n : {1, 3, 4, 5, 6, 7, 8}) image(n)->hide();
}

void TForm27::ClearProblem() {
    for (int n = 2; n <= 21; ++n)
        if (n != 5 && n != 9) label(n)->setText(QString());
    label(9)->setText(QString());
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
    for (int n : {1, 3, 4, 5, 6, 7, 8}) image(n)->hide();
    whole_ = num_ = 0;
    den_ = 1;
}

void TForm27::Generate(int kind) {
    switch (kind) {
        case 1: Car(); break;
        case 2: Bananas(); break;
        case 3: TwoShips(); break;
        case 4: Rectangle(); break;
        case 5: RectangleTimes(); break;
        default: break;
    }
}

// The answer as a mixed number: reduced, then whole units taken out.
void TForm27::AskMixed(Fraction value) {
    const Mixed m = SplitWhileGreater(Reduce(value));
    whole_ = m.whole;
    num_ = m.num;
    den_ = m.den;
    ShowBar(3, QStringLiteral("kr\\chdr2.bmp"));
    for (int n = 1; n <= 3; ++n) OpenField(edit(n));
}

// Speed times a mixed number of hours.
void TForm27::Car() {
    const int64_t d1 = 4 + Random(6);
    const int64_t A = 4 + Random(3);
    const int64_t m1 = 1 + Random(int(d1 - 3));
    const int64_t p = DrawPrime(39, 50);
    whole_ = p * (A * d1 + m1);
    label(2)->setText(QStringLiteral("Яку відстань проїде автомобіль за ") + N(A) + QStringLiteral("         год, якщо його ") +
                      QStringLiteral("швидкість становить ") + N(d1 * p) + QStringLiteral(" км/год?"));
    ShowFraction(2, 0, 6, 1, 7, N(m1), N(d1));
    OpenField(edit(1));
}

// A mixed mass times a mixed price.
void TForm27::Bananas() {
    int64_t A = 0, B = 0, m1 = 0, m2 = 0, d1 = 0, d2 = 0;
    do {
        // Each round draws its four primes afresh, so a retry cannot run out of them.
        PrimeUsed.fill(false);
        A = 4 + Random(4);
        do B = 4 + Random(4); while (B == A);
        m1 = DrawFreshPrime(39, 10, true);
        m2 = DrawFreshPrime(39, 10, true);
        d1 = DrawFreshPrime(39, 50, true);
        d2 = DrawFreshPrime(39, 50, true);
    } while (!TypableMixed({(A * d1 + m1) * (B * d2 + m2), d1 * d2}));
    label(2)->setText(QStringLiteral("                          Скільки коштують ") + N(A) +
                      QStringLiteral("         кг бананів, ") + QStringLiteral("якщо ціна 1 кг бананів становить ") +
                      N(B) + QStringLiteral("        грн?"));
    ShowFraction(2, 0, 6, 1, 7, N(m1), N(d1));
    ShowFraction(2, 1, 10, 4, 11, N(m2), N(d2));
    AskMixed({(A * d1 + m1) * (B * d2 + m2), d1 * d2});
}

// Two ships leave together: how far apart after a mixed number of hours.
void TForm27::TwoShips() {
    int64_t A = 0, B = 0, d1 = 0, d2 = 0, m1 = 0, m2 = 0, tn = 0, td = 0;
    Fraction distance;
    do {
        PrimeUsed.fill(false);
        A = 32 + Random(20);
        B = 20 + Random(10);
        const int64_t k = DrawPrime(39, 10);
        d1 = k * DrawFreshPrime(39, 10, true);
        d2 = k * DrawFreshPrime(39, 10, false);
        m1 = 1 + Random(int(d1 - 3));
        m2 = 1 + Random(int(d2 - 3));
        const Fraction speed = Reduce({(A * d1 + m1) * d2 - (B * d2 + m2) * d1, d1 * d2});
        // A time whose denominator cancels against the speed difference.
        int64_t p1 = 3, p2 = 2;
        for (int i = 1; i <= 10; ++i)
            if (speed.num % Primes[size_t(i)] == 0) {
                p1 = Primes[size_t(i)];
                break;
            }
        for (int i = 1; i <= 10; ++i)
            if (speed.num % Primes[size_t(i)] != 0) {
                p2 = Primes[size_t(i)];
                break;
            }
        td = p1 * p2;
        int64_t q = td + 1;
        for (int i = 11; i >= 1; --i)
            if (speed.den % Primes[size_t(i)] == 0) {
                q = Primes[size_t(i)];
                break;
            }
        if (q < td) q += td;
        tn = q;
        distance = {speed.num * tn, speed.den * td};
    } while (!TypableMixed(distance));
    int64_t timeWhole = 0;
    while (tn > td) {
        tn -= td;
        ++timeWhole;
    }
    label(2)->setText(QStringLiteral("З одного порту в інший одночасно вийшли теплохід і катер. Швидкість") +
                      QStringLiteral(" теплохода дорівнює"));
    label(3)->setText(N(A) + QStringLiteral("        км/год, а швидкість катера - ") + N(B) +
                      QStringLiteral("        км/год. Якою ") + QStringLiteral("буде відстань між ними через ") +
                      N(timeWhole));
    label(4)->setText(QStringLiteral("год після початку руху?"));
    ShowFraction(3, 0, 14, 5, 15, N(m1), N(d1));
    ShowFraction(3, 1, 16, 6, 17, N(m2), N(d2));
    ShowFraction(3, 2, 18, 7, 19, N(tn), N(td));
    AskMixed(distance);
}

// The length, and how much wider it is than the width: the area.
void TForm27::Rectangle() {
    int64_t A = 0, B = 0, d1 = 0, d2 = 0, m1 = 0, m2 = 0;
    Fraction area;
    do {
        PrimeUsed.fill(false);
        A = 7 + Random(3);
        B = 2 + Random(3);
        const int64_t k = DrawPrime(39, 10);
        d1 = k * DrawFreshPrime(39, 10, true);
        d2 = k * DrawFreshPrime(39, 10, false);
        m1 = 1 + Random(int(d1 - 3));
        m2 = 1 + Random(int(d2 - 3));
        const Fraction width = Reduce({(A * d1 + m1) * d2 - (B * d2 + m2) * d1, d1 * d2});
        area = {(A * d1 + m1) * width.num, width.den * d1};
    } while (!TypableMixed(area));
    label(2)->setText(QStringLiteral("Довжина прямокутника дорівнює ") + N(A) + QStringLiteral("         дм, що на ") + N(B) +
                      QStringLiteral("          дм більше за ширину. Обчисліть"));
    label(3)->setText(QStringLiteral("площу прямокутника."));
    ShowFraction(2, 0, 6, 1, 7, N(m1), N(d1));
    ShowFraction(2, 1, 20, 8, 21, N(m2), N(d2));
    AskMixed(area);
}

// One side, and the other 1 1/d2 times as long: the area.
void TForm27::RectangleTimes() {
    int64_t A = 0, d1 = 0, d2 = 0, m1 = 0;
    const int64_t B = 1, m2 = 1;
    Fraction area;
    do {
        A = 7 + Random(3);
        const int64_t p = DrawPrime(29, 20);
        d2 = p - 1;
        d1 = p * DrawPrime(39, 10);
        m1 = 1 + Random(int(d1 - 3));
        const Fraction other = Reduce({(A * d1 + m1) * (d2 + 1), d1 * d2});
        area = {(A * d1 + m1) * other.num, other.den * d1};
    } while (!TypableMixed(area));
    label(2)->setText(QStringLiteral("Сторона прямокутника дорівнює ") + N(A) + QStringLiteral("         дм, інша в ") + N(B) +
                      QStringLiteral("          дм більше за неї. Обчисліть"));
    label(3)->setText(QStringLiteral("площу прямокутника."));
    ShowFraction(2, 0, 6, 1, 7, N(m1), N(d1));
    ShowFraction(2, 1, 20, 8, 21, N(m2), N(d2));
    AskMixed(area);
}

bool TForm27::AnswerIsRight() {
    bool right = Matches(edit(1), whole_);
    if (CurrentKind != 1) right = right && Matches(edit(2), num_) && Matches(edit(3), den_);
    for (int n = 1; n <= 3; ++n) edit(n)->setEnabled(false);
    return right;
}

void TForm27::ShowRightAnswers() {
    label(8)->setText(N(whole_));
    if (CurrentKind != 1) {
        label(12)->setText(N(num_));
        label(13)->setText(N(den_));
    }
}
