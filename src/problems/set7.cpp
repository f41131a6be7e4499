#include "problems/set7.h"

#include "core/arithmetic.h"
#include "core/noun_form.h"
#include "core/random.h"

namespace {
QString N(int64_t n) { return QString::number(n); }
}  // namespace

TForm30::TForm30()
    : ProblemSet(QStringLiteral("Form30"), QSize(1010, 760),
                 ProblemSetPlan{
                     .folder = QStringLiteral("z7"),
                     .level = 7,
                     .kindCount = 5,
                     .kindDrawN = 49,
                     .kindDrawBase = 10,
                     .stillPictures = {QStringLiteral("z7\\o1(4).bmp"), QStringLiteral("z7\\o1(3).bmp"),
                                       QStringLiteral("z7\\o1(2).bmp"), QStringLiteral("z7\\o1(1).bmp")},
                     .frames = {QStringLiteral("z7\\o1.bmp"), QStringLiteral("z7\\o2.bmp"), QStringLiteral("z7\\o3.bmp"),
                                QStringLiteral("z7\\o4.bmp"), QStringLiteral("z7\\o5.bmp"), QStringLiteral("z7\\o6.bmp"),
                                QStringLiteral("z7\\o7.bmp"), QStringLiteral("z7\\o8.bmp"), QStringLiteral("z7\\o9.bmp"),
                                QStringLiteral("z7\\o10.bmp")},
                     .rewardImage = 2,
                     .markImage = 7,
                     .titleLabel = 1,
                     .answerCaptionLabel = 5,
                     .verdictLabel = 10,
                     .rightCaptionLabel = 0,
                     .timeLabel = 23,
                 }) {
    using Fit = Picture::Fit;
    addLabel(1, 420, 12, 34);
    addLabel(2, 20, 80, 20);
    addLabel(3, 20, 150, 20);
    addLabel(4, 20, 220, 20);
    for (int n : {12, 13, 17, 18, 19, 20, 21, 22}) addLabel(n, 0, 0, 18);
    for (int n : {1, 4, 5, 6}) addImage(n, 0, 0, 41, 17);
    // The answer: two numbers side by side, or a whole part left of a fraction.
    addLabel(5, 20, 346, 22);
    addLabel(6, 200, 314, 18);
    addLabel(7, 400, 314, 18);
    addEdit(1, 200, 340, 150, 36, 22);
    addEdit(2, 400, 340, 150, 36, 22);
    addLabel(16, 360, 346, 22);
    addEdit(3, 360, 316, 80, 34, 22);
    addImage(3, 360, 352, 80, 8, Fit::Stretch);
    addEdit(4, 360, 362, 80, 34, 22);
    addLabel(10, 580, 306, 26);
    addLabel(8, 580, 362, 22);
    addLabel(9, 700, 362, 22);
    addLabel(14, 650, 350, 20);
    addLabel(15, 650, 378, 20);
    addLabel(23, 20, 560, 24);
    addImage(2, 785, 300, 210, 340, Fit::Proportional);
    addImage(7, 290, 590, 440, 120, Fit::Proportional);
    addLabel(11, 880, 726, 0);
    AddFlowButtons(480);
    addTimer(1, 250);
    WireFlow();
}

void TForm30::FormCreate() {
    ProblemSet::FormCreate();
    for (int n = 1; n <= 23; ++n)
        if (n != 11) label(n)->setText(QString());
    label(11)->setText(QStringLiteral("475-497  (5)"));
    for (int n = 1; n <= 4; ++n) edit(n)->hide();
    for (int n : {1, 3, 4, 5, 6}) image(n)->hide();
}

void TForm30::ClearProblem() {
    // The reference goes with the first problem and does not come back.
    for (int n = 2; n <= 22; ++n)
        if (n != 5) label(n)->setText(QString());
    for (int n = 1; n <= 4; ++n) edit(n)->hide();
    for (int n : {1, 3, 4, 5, 6}) image(n)->hide();
    right_.fill(0);
    asked_.clear();
}

void TForm30::Generate(int kind) {
    switch (kind) {
        case 1: OilTanks(); break;
        case 2: SpeedConversion(); break;
        case 3: Tram(); break;
        case 4: TwoPainters(); break;
        case 5: SecondWorker(); break;
        default: break;
    }
    for (int n : asked_) OpenField(edit(n));
}

// The oil of two tanks and how many times more one holds: each tank.
void TForm30::OilTanks() {
    int64_t N0 = 0, d = 0;
    do {
        N0 = 40 + Random(20);
        d = DrawPrime(39, 40);
    } while (Gcd(N0, d) != 1);
    const int64_t k = 3 + Random(11);
    const int64_t total = k * N0;
    right_[2] = k * d;
    right_[1] = total - right_[2];
    // The ratio (N0 − d)/d as a mixed number.
    int64_t num = N0, whole = -1;
    while (num > d) {
        num -= d;
        ++whole;
    }
    label(2)->setText(QStringLiteral("У двох резервуарах було ") + N(total) + QStringLiteral(" т нафти. Скільки тонн нафти було ") +
                      QStringLiteral(" в кожній цистерні, якщо в одній "));
    label(3)->setText(QStringLiteral("з них було в ") + N(whole) + QStringLiteral("          раза більше нафти ніж у другій?"));
    ShowFraction(3, 0, 12, 1, 13, N(num), N(d));
    label(6)->setText(QStringLiteral("Перший резервуар"));
    label(7)->setText(QStringLiteral("Другий резервуар"));
    asked_ = {1, 2};
}

// Kilometres an hour into metres a minute.
void TForm30::SpeedConversion() {
    int64_t V = 50 + Random(60);
    if (V % 3 == 0) ++V;
    const int64_t metres = 1000 * V;
    const int64_t whole = metres / 60;
    const Fraction rest = Reduce({metres - 60 * whole, 60});
    right_ = {0, whole, 0, rest.num, rest.den};
    label(2)->setText(QStringLiteral("Автомобіль їхав зі швидкістю ") + N(V) + QStringLiteral(" км/год. Яка швидкість автомобіля ") +
                      QStringLiteral(" в метрах за хвилину? "));
    ShowBar(3, QStringLiteral("kr\\chdr4.bmp"));
    asked_ = {1, 3, 4};
}

// A mixed route at a mixed speed, with stops of 1 1/m minutes: the whole time.
void TForm30::Tram() {
    const int64_t k = DrawFreshPrime(49, 50, true);
    const int64_t p2 = DrawFreshPrime(49, 50, true);
    const int64_t p3 = DrawFreshPrime(19, 20, true);
    const int64_t p4 = DrawFreshPrime(29, 20, false);
    int64_t m = 0, n = 0;
    switch (DrawCategory(79, 10)) {
        case 1: m = 2, n = 2 * (5 + Random(5)); break;
        case 2: m = 3, n = 3 * (4 + Random(4)); break;
        case 3: m = 4, n = 4 * (3 + Random(4)); break;
        case 4: m = 5, n = 5 * (3 + Random(2)); break;
        case 5: m = 6, n = 6 * (2 + Random(3)); break;
        case 6: m = 10, n = 10 * (1 + Random(2)); break;
        case 7: m = 12, n = 12; break;
        default: m = 20, n = 20; break;
    }
    // Moving: 60 · (k·p2/p4) / (k·p3/(2·p4)) minutes; the stops n · (m + 1)/m.
    right_[1] = 120 * p2 / p3 + n * (m + 1) / m;
    const Mixed length = SplitWhileGreater({k * p2, p4});
    const Mixed speed = SplitWhileGreater({k * p3, 2 * p4});
    label(2)->setText(QStringLiteral("Довжина трамвайного маршруту дорівнює ") + N(length.whole) +
                      QStringLiteral("           км. На маршруті є ") + N(n) +
                      NounForm(n, QStringLiteral(" зупинка"), QStringLiteral(" зупинки"), QStringLiteral(" зупинок")) +
                      QStringLiteral(", на кожну з"));
    label(3)->setText(QStringLiteral("яких трамвай витрачає в середньому 1          хв. За який час ") +
                      QStringLiteral("трамвай подолає весь маршрут, якщо"));
    label(4)->setText(QStringLiteral("його швидкість дорівнює ") + N(speed.whole) + QStringLiteral("          км/год."));
    ShowFraction(2, 0, 17, 4, 18, N(length.num), N(length.den));
    ShowFraction(3, 0, 19, 5, 20, QStringLiteral("1"), N(m));
    ShowFraction(4, 0, 21, 6, 22, N(speed.num), N(speed.den));
    label(16)->setText(QStringLiteral("хв"));
    asked_ = {1};
}

// Two painters, each alone in A and B hours: together.
void TForm30::TwoPainters() {
    const int64_t x = 5 + Random(5);
    const int64_t y = 5 + Random(5);
    const int64_t B = y * (x + 1);
    const int64_t A = x * B;
    right_[1] = x * y;
    label(2)->setText(QStringLiteral("Маляр Іван Іванович може відремонтувати кабінет математики за ") + N(A) +
                      QStringLiteral(" год,") + QStringLiteral(" а маляр Петро "));
    label(3)->setText(QStringLiteral("Петрович - за ") + N(B) + QStringLiteral(" год. За скільки годин, працюючи разом вони ") +
                      QStringLiteral("відремонтують цей кабінет?"));
    asked_ = {1};
}

// Two workers together, and one alone: the other alone.
void TForm30::SecondWorker() {
    const int64_t x = 5 + Random(5);
    const int64_t y = 5 + Random(5);
    right_[1] = x * y * (x + 1);
    label(2)->setText(QStringLiteral("Два робітники, працюючи разом, можуть виконати певну роботу за ") + N(x * y) +
                      QStringLiteral(" год.") + QStringLiteral(" Один із них, "));
    label(3)->setText(QStringLiteral("працюючи самостійно, може виконати цю роботу за ") + N(y * (x + 1)) + QStringLiteral(" год. ") +
                      QStringLiteral("За скільки годин її може виконати"));
    label(4)->setText(QStringLiteral("самостійно другий робітник?"));
    asked_ = {1};
}

bool TForm30::AnswerIsRight() {
    bool right = !asked_.empty();
    for (int n : asked_) {
        right = Matches(edit(n), right_[size_t(n)]) && right;
        edit(n)->setEnabled(false);
    }
    return right;
}

void TForm30::ShowRightAnswers() {
    label(8)->setText(N(right_[1]));
    if (CurrentKind == 1) label(9)->setText(N(right_[2]));
    if (CurrentKind == 2) {
        label(14)->setText(N(right_[3]));
        label(15)->setText(N(right_[4]));
    }
}
