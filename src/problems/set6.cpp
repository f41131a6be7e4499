#include "problems/set6.h"

#include <algorithm>
#include <array>

#include "app/data_folder.h"
#include "app/error_box.h"
#include "core/arithmetic.h"
#include "core/errors.h"
#include "core/noun_form.h"
#include "core/number_text.h"
#include "core/random.h"
#include "core/text_file.h"

namespace {
QString N(int64_t n) { return QString::number(n); }

// Trees in all, and the per cents of apple and pear trees that are equal; in
// every row total·pears% / (apples% + pears%) = apples%, the number of apple trees.
struct OrchardRow {
    int total, apples, pears;
};
constexpr std::array<OrchardRow, 21> kOrchard{{{100, 20, 5},   {100, 60, 90},   {100, 80, 320},  {100, 90, 810},
                                               {200, 40, 10},  {300, 50, 10},   {300, 60, 15},   {400, 80, 20},
                                               {500, 100, 25}, {600, 100, 20},  {600, 120, 30},  {600, 150, 50},
                                               {600, 200, 100}, {600, 240, 160}, {700, 140, 35}, {700, 200, 80},
                                               {700, 210, 90}, {800, 160, 40},  {900, 90, 10},   {900, 150, 30},
                                               {900, 180, 45}}};

// A cord of L metres cut by 1/a and 1/b of its length, then by 1/c of the rest.
struct CordRow {
    int length, a, b, c;
};
constexpr std::array<CordRow, 14> kCord{{{10, 4, 5, 11},  {10, 5, 25, 19}, {12, 4, 5, 11},  {12, 5, 25, 19},
                                         {15, 4, 5, 11},  {15, 5, 25, 19}, {16, 4, 5, 11},  {16, 5, 25, 19},
                                         {20, 4, 5, 11},  {20, 5, 25, 19}, {24, 4, 5, 11},  {24, 5, 25, 19},
                                         {22, 5, 25, 19}, {26, 4, 5, 11}}};
// Rows 15 … 21 give the length and c; a and b are drawn from these pairs.
constexpr std::array<std::array<int, 2>, 7> kCordTail{{{22, 11}, {21, 7}, {26, 13}, {34, 17}, {38, 19}, {77, 7}, {77, 11}}};
constexpr std::array<std::array<int, 2>, 6> kCordCuts{{{2, 4}, {2, 5}, {2, 25}, {4, 5}, {4, 25}, {5, 25}}};
}  // namespace

TForm29::TForm29()
    : ProblemSet(QStringLiteral("Form29"), QSize(1010, 760),
                 ProblemSetPlan{
                     .folder = QStringLiteral("z6"),
                     .level = 6,
                     .kindCount = 5,
                     .kindDrawN = 49,
                     .kindDrawBase = 10,
                     .stillPictures = {QStringLiteral("z6\\l5(4).bmp"), QStringLiteral("z6\\l5(3).bmp"),
                                       QStringLiteral("z6\\l5(2).bmp"), QStringLiteral("z6\\l5(1).bmp")},
                     .frames = {QStringLiteral("z6\\l1.bmp"), QStringLiteral("z6\\l2.bmp"), QStringLiteral("z6\\l3.bmp"),
                                QStringLiteral("z6\\l4.bmp"), QStringLiteral("z6\\l5.bmp")},
                     .rewardImage = 2,
                     .markImage = 6,
                     .titleLabel = 1,
                     .answerCaptionLabel = 5,
                     .verdictLabel = 11,
                     .rightCaptionLabel = 0,
                     .timeLabel = 17,
                 }) {
    using Fit = Picture::Fit;
    addLabel(1, 420, 12, 34);
    addLabel(2, 20, 80, 20);
    addLabel(3, 20, 150, 20);
    addLabel(4, 20, 220, 20);
    for (int n : {7, 8, 9, 10, 13, 14, 15, 16}) addLabel(n, 0, 0, 18);
    for (int n : {1, 3, 4, 5}) addImage(n, 0, 0, 41, 17);
    addLabel(5, 20, 346, 22);
    addEdit(1, 200, 340, 140, 36, 22);
    addLabel(11, 420, 316, 26);
    addLabel(12, 420, 362, 22);
    addLabel(17, 20, 560, 24);
    addImage(2, 785, 300, 210, 340, Fit::Proportional);
    addImage(6, 290, 590, 440, 120, Fit::Proportional);
    addLabel(6, 880, 726, 0);
    AddFlowButtons(480);
    addTimer(1, 125);
    WireFlow();
}

void TForm29::FormCreate() {
    ProblemSet::FormCreate();
    for (int n = 1; n <= 17; ++n)
        if (n != 6) label(n)->setText(QString());
    label(6)->setText(QStringLiteral("430-444  (5)"));
    edit(1)->hide();
    for (int n : {1, 3, 4, 5}) image(n)->hide();
}

void TForm29::ClearProblem() {
    // The reference goes with the first problem and does not come back.
    for (int n : {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}) label(n)->setText(QString());
    for (int n : {1, 3, 4, 5}) image(n)->hide();
    edit(1)->hide();
    right_.clear();
}

void TForm29::Generate(int kind) {
    switch (kind) {
        case 1: Sweets(); break;
        case 2: BankProfit(); break;
        case 3: Canteen(); break;
        case 4: Orchard(); break;
        case 5: Cord(); break;
        default: break;
    }
    OpenField(edit(1));
}

// A part sold in week 1, a part of the rest in week 2: what was left for week 3.
void TForm29::Sweets() {
    int64_t p = 0, q1 = 0, q2 = 0, d1 = 0, t1 = 0;
    do {
        PrimeUsed.fill(false);
        p = DrawFreshPrime(29, 30, true);
        q1 = DrawFreshPrime(39, 10, true);
        d1 = p * q1;
        q2 = DrawFreshPrime(39, 10, false);
        t1 = d1 - q2;
    } while (Gcd(t1, d1) != 1);
    MarkPrime(int(q2));
    int64_t r = 0, s = 0, d2 = 0, t2 = 0;
    for (;;) {
        r = DrawFreshPrime(39, 40, true);
        s = DrawFreshPrime(49, 10, true);
        d2 = q2 * r;
        t2 = q1 * s;
        if (t2 < d2) break;
        // Both go back: a kept s would leave fewer and fewer, and at last none, to draw.
        PrimeUsed[size_t(std::find(Primes.begin(), Primes.end(), r) - Primes.begin())] = false;
        PrimeUsed[size_t(std::find(Primes.begin(), Primes.end(), s) - Primes.begin())] = false;
    }
    const int64_t N0 = d1 * r * (Random(100) < 51 ? 3 : 2);
    const int64_t week1 = N0 * t1 / d1;
    const int64_t rest = N0 - week1;
    const int64_t week2 = rest * t2 / d2;
    right_ = N(rest - week2);
    label(2)->setText(QStringLiteral("За три тижні продали ") + N(N0) +
                      NounForm(N0, QStringLiteral(" коробка"), QStringLiteral(" коробки"), QStringLiteral(" коробок")) +
                      QStringLiteral(" цукерок. За перший тиждень ") + QStringLiteral("продали           цієї кількості,"));
    label(3)->setText(QStringLiteral("за другий -           решти. Скільки коробок цукерок продали за третій ") +
                      QStringLiteral("тиждень?"));
    ShowFraction(2, 0, 7, 1, 8, N(t1), N(d1));
    ShowFraction(3, 0, 9, 3, 10, N(t2), N(d2));
}

// June's profit, July's as a decimal part of it, August's as a fraction of July's.
void TForm29::BankProfit() {
    const int index = DrawCategory(39, 50);
    const int64_t d = Primes[size_t(index)];
    const int64_t n = d + 1 + Random(5);
    int64_t y = 5 * d;
    if (d <= 13 && Random(100) > 50) y = 7 * d;
    const int64_t e = (Random(79) + 20) / 10;
    const int64_t X = 100 * e;
    const int64_t july = e * y;
    const int64_t august = july * n / d;
    right_ = N(X + july + august);
    label(2)->setText(QStringLiteral("Банк \"Ламаний гріш\" отримав у червні ") + N(X) + QStringLiteral(" сольдо прибутку, ") +
                      QStringLiteral("у липні - ") + QStringLiteral("0,") + N(y) + QStringLiteral(" від прибутку"));
    label(3)->setText(QStringLiteral("червня, у серпні -               від прибутку липня. Скільки ") +
                      QStringLiteral("сольдо становив прибуток банку"));
    label(4)->setText(QStringLiteral("за три літніх місяця?"));
    ShowFraction(3, 0, 13, 4, 14, N(n), N(d));
    OpenField(edit(1));
    // The three numbers of the draw are kept for the teacher, once the problem
    // stands: a file that cannot be written is reported and the pupil goes on.
    try {
        RewriteTextLines(DataPath(QStringLiteral("otlz6.txt")), {N(d), N(index), N(y)});
    } catch (const ToolkitError& error) {
        ShowErrorBox(error.message());
    }
}

// Carrots and potatoes as per cents of the cabbage: the cabbage.
void TForm29::Canteen() {
    int64_t A = 12 + Random(38);
    if (A % 10 == 0) --A;
    int64_t B = 112 + Random(38);
    if (B % 10 == 0) --B;
    const int64_t c = (Random(799) + 200) / 10;
    right_ = N(100 * c);
    label(2)->setText(QStringLiteral("До їдальні завезли ") + N((100 + A + B) * c) +
                      QStringLiteral(" кілограмів овочів: капусту, моркву та ") + QStringLiteral("картоплю. Морква становила"));
    label(3)->setText(N(A) + QStringLiteral("% від капусти, картопля ") + N(B) + QStringLiteral("% від капусти. Скільки кілограмів ") +
                      QStringLiteral("капусти завезли до їдальні?"));
}

void TForm29::Orchard() {
    const OrchardRow& row = kOrchard[size_t(DrawCategory(209, 10) - 1)];
    right_ = N(row.apples);
    label(2)->setText(QStringLiteral("У саду росли груші і яблуні, всьго ") + N(row.total) +
                      QStringLiteral(" дерев. Скільки яблунь росло в ") + QStringLiteral("саду, якщо ") + N(row.apples) +
                      QStringLiteral("% їх"));
    label(3)->setText(QStringLiteral("кількості дорівнює ") + N(row.pears) + QStringLiteral("% кількості груш?"));
}

// What is left of a cord after three cuts, in metres to the thousandth.
void TForm29::Cord() {
    const int r = DrawCategory(209, 10);
    CordRow row{};
    if (r <= 14) {
        row = kCord[size_t(r - 1)];
    } else {
        const auto& tail = kCordTail[size_t(r - 15)];
        const auto& cuts = kCordCuts[size_t(DrawCategory(59, 10) - 1)];
        row = {tail[0], cuts[0], cuts[1], tail[1]};
    }
    const int64_t C = 1000 * int64_t(row.length);
    const int64_t rest = C - C / row.a - C / row.b;
    // No comma is left when no decimals remain: 5 metres is "5".
    right_ = TrimmedDecimalText(rest - rest / row.c, 3);
    label(2)->setText(QStringLiteral("                                    Від шнура, довжина якого  ") + N(row.length) +
                      QStringLiteral(" м,  ") + QStringLiteral("спочатку відрізали           його довжини,"));
    label(3)->setText(QStringLiteral("         потім -          початкової довжини, а потім -           ") +
                      QStringLiteral("того, що залишилось. Скільки метрів"));
    label(4)->setText(QStringLiteral("шнура залишилось після цих трьох операцій?"));
    ShowFraction(2, 0, 7, 1, 8, QStringLiteral("1"), N(row.a));
    ShowFraction(3, 0, 9, 3, 10, QStringLiteral("1"), N(row.b));
    ShowFraction(3, 1, 15, 5, 16, QStringLiteral("1"), N(row.c));
}

bool TForm29::AnswerIsRight() {
    edit(1)->setEnabled(false);
    return !right_.isEmpty() && edit(1)->text() == right_;
}

void TForm29::ShowRightAnswers() { label(12)->setText(right_); }
