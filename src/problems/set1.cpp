#include "problems/set1.h"

#include "core/noun_form.h"
#include "core/random.h"

namespace {
QString N(int64_t n) { return QString::number(n); }
}  // namespace

const std::array<QString, 7>& TForm24::Weekdays() {
    // "п`ятницю" with a backquote and "субботу" stand as the pupils know them here.
    static const std::array<QString, 7> days{
        QStringLiteral("понеділок"), QStringLiteral("вівторок"), QStringLiteral("середу"),
        QStringLiteral("четвер"),    QStringLiteral("п`ятницю"), QStringLiteral("субботу"),
        QStringLiteral("неділю")};
    return days;
}

TForm24::TForm24()
    : ProblemSet(QStringLiteral("Form24"), QSize(1010, 760),
                 ProblemSetPlan{
                     .folder = QStringLiteral("z1"),
                     .level = 1,
                     .kindCount = 6,
                     .kindDrawN = 59,
                     .kindDrawBase = 10,
                     .stillPictures = {QStringLiteral("z1\\g1(1).bmp"), QStringLiteral("z1\\g1(2).bmp"),
                                       QStringLiteral("z1\\g1(3).bmp"), QStringLiteral("z1\\g1(4).bmp")},
                     .frames = {QStringLiteral("z1\\g1.bmp"), QStringLiteral("z1\\g2.bmp"), QStringLiteral("z1\\g3.bmp"),
                                QStringLiteral("z1\\g4.bmp"), QStringLiteral("z1\\g5.bmp")},
                     .rewardImage = 1,
                     .markImage = 2,
                     .titleLabel = 1,
                     .answerCaptionLabel = 7,
                     .verdictLabel = 8,
                     .rightCaptionLabel = 9,
                     .timeLabel = 6,
                 }) {
    using Fit = Picture::Fit;
    addLabel(1, 420, 12, 34);
    // The problem text, three lines across the page.
    addLabel(2, 20, 72, 20);
    addLabel(3, 20, 104, 20);
    addLabel(4, 20, 136, 20);
    addLabel(5, 20, 168, 20);
    // The answer row: captions above the fields; ComboBox1 lies over Edit2.
    addLabel(17, 200, 208);
    addLabel(11, 350, 208);
    addLabel(12, 500, 208);
    addLabel(13, 650, 208);
    addLabel(7, 20, 236, 22);
    addEdit(1, 200, 230, 120, 36, 22);
    addEdit(2, 350, 230, 120, 36, 22);
    addEdit(3, 500, 230, 120, 36, 22);
    addEdit(4, 650, 230, 120, 36, 22);
    QStringList days;
    for (const QString& day : Weekdays()) days << day;
    addComboBox(1, 350, 230, 170, 36, days, 22);
    // The verdict, and the right answers under their fields.
    addLabel(8, 200, 284, 26);
    addLabel(9, 20, 334, 20);
    addLabel(10, 200, 364, 22);
    addLabel(14, 350, 364, 22);
    addLabel(15, 500, 364, 22);
    addLabel(16, 650, 364, 22);
    addLabel(6, 20, 420, 24);
    addImage(1, 785, 180, 210, 340, Fit::Proportional);
    addImage(2, 290, 560, 440, 120, Fit::Proportional);
    addLabel(18, 880, 726, 0);
    AddFlowButtons(470);
    addTimer(1, 100);
    WireFlow();
}

void TForm24::FormCreate() {
    ProblemSet::FormCreate();
    label(18)->setText(QStringLiteral("158 - 183 (6)"));
    for (int n = 1; n <= 17; ++n) label(n)->setText(QString());
    for (int n = 1; n <= 4; ++n) edit(n)->hide();
    comboBox(1)->hide();
}

void TForm24::ClearProblem() {
    OpenField(edit(1));
    edit(2)->hide();
    edit(3)->hide();
    edit(4)->hide();
    comboBox(1)->hide();
    for (int n = 8; n <= 17; ++n) label(n)->setText(QString());
    right_.fill(0);
    rightWeekday_ = 0;
}

void TForm24::Generate(int kind) {
    switch (kind) {
        case 1: Dictionaries(); break;
        case 2: Gifts(); break;
        case 3: Roses(); break;
        case 4: Steps(); break;
        case 5: Pool(); break;
        case 6: Sweets(); break;
        default: break;
    }
}

void TForm24::ShowText(const QString& line2, const QString& line3, const QString& line4) {
    label(2)->setText(line2);
    label(3)->setText(line3);
    label(4)->setText(line4);
}

// Two kinds of dictionaries shared out between schools: the gcd, found among
// the divisors by a lower bound that only the gcd itself passes.
void TForm24::Dictionaries() {
    const int p = DrawPrime(39, 10);
    MarkPrime(p);
    const int P = DrawPrime(59, 90);
    const int64_t G = int64_t(p) * P;
    const int64_t L = G - 1 - Random(5);
    const int q = DrawFreshPrime(49, 10, true);
    const int r = DrawFreshPrime(49, 10, false);
    const int64_t x = G * q, y = G * r;
    right_[0] = G;
    ShowText(QStringLiteral("Між шкільними бібліотеками поділили ") + N(x) + QStringLiteral(" тлумачних і ") + N(y) +
                 QStringLiteral(" орфографіч") + QStringLiteral("них словників"),
             QStringLiteral("української мови. Скільки було шкіл, якщо відомо, що їх не менше ніж ") + N(L) +
                 QStringLiteral(" і кожна школа"),
             QStringLiteral("отримала однакову кількість словників кожного виду."));
}

// The common factor of the gifts and the roses. The three draws are separate
// statements: the operands of one product may be evaluated in any order, and the
// generator is shared, so the order of the draws is part of the result.
int64_t TForm24::DrawCommonFactor() {
    const int first = DrawPrime(39, 10);
    const int second = DrawPrime(39, 10);
    const int third = DrawPrime(29, 10);
    return int64_t(first) * second * third;
}

// Chocolates, oranges and bananas: the most gifts and what goes into each.
void TForm24::Gifts() {
    const int64_t G = DrawCommonFactor();
    const int s1 = DrawPrime(29, 10), s2 = DrawPrime(29, 10), s3 = DrawPrime(29, 10);
    const int64_t x = G * s1 * s2 * s3;
    const int64_t y = G * DrawPrime(19, 50);
    const int64_t z = G * DrawPrime(19, 70);
    right_ = {G, x / G, y / G, z / G};
    const QString xs = N(x) + NounForm(x, QStringLiteral(" шоколадка, "), QStringLiteral(" шоколадки, "),
                                       QStringLiteral(" шоколадок, "));
    const QString ys = N(y) + NounForm(y, QStringLiteral(" апельсин, "), QStringLiteral(" апельсини, "),
                                       QStringLiteral(" апельсинів, "));
    const QString zs =
        N(z) + NounForm(z, QStringLiteral(" банан. "), QStringLiteral(" банани. "), QStringLiteral(" бананів. "));
    ShowText(QStringLiteral("Для новорічних подарунків придбали ") + xs + ys + QStringLiteral(" і ") + zs,
             QStringLiteral("Яку найбільшу кількість однакових подарунків можна з них зробити? ") +
                 QStringLiteral("Скільки окремих"),
             QStringLiteral("шоколадок, апельсинів і бананів буде в кожному подарунку?"));
    for (int n = 2; n <= 4; ++n) OpenField(edit(n));
    label(17)->setText(QStringLiteral("подарунків"));
    label(11)->setText(QStringLiteral("шоколадок"));
    label(12)->setText(QStringLiteral("апельсинів"));
    label(13)->setText(QStringLiteral("бананів"));
}

// Bunches of roses of three colours: the gcd.
void TForm24::Roses() {
    const int64_t G = DrawCommonFactor();
    const int s1 = DrawPrime(29, 10), s2 = DrawPrime(29, 10);
    const int64_t x = G * s1 * s2;
    const int64_t y = G * DrawPrime(19, 50);
    const int64_t z = G * DrawPrime(19, 70);
    right_[0] = G;
    ShowText(QStringLiteral("Із ") + N(x) + QStringLiteral(" жовтих, ") + N(y) + QStringLiteral(" білих і ") + N(z) +
                 QStringLiteral(" червоних троянд склали букети. ") + QStringLiteral("Яку найбільшу кількість"),
             QStringLiteral("букетів можна скласти, щоб у всіх букетах троянд кожного кольору було ") +
                 QStringLiteral(" порівну?"),
             QString());
}

// Two walkers with different steps: the least common multiple.
void TForm24::Steps() {
    const int k = DrawPrime(39, 10);
    const int64_t x = int64_t(k) * DrawPrime(39, 10);
    const int64_t y = int64_t(k) * DrawPrime(19, 50);
    right_[0] = x * y / k;
    ShowText(QStringLiteral("Довжина кроку Чебурашки дорівнює ") + N(x) + QStringLiteral(" см, а крокодила Гени - ") +
                 N(y) + QStringLiteral(" см.") + QStringLiteral(" Яку найменшу однакову"),
             QStringLiteral("відстань має пройти кожний з них, щоб вони обидва зробили по цілому ") +
                 QStringLiteral(" числу кроків?"),
             QString());
}

// Three boys at the pool every a, b and c days: when and on which weekday they meet again.
void TForm24::Pool() {
    const int a = DrawCategory(49, 20);
    int b = 0, c = 0;
    do b = DrawCategory(49, 20); while (b == a);
    do c = DrawCategory(49, 20); while (c == a || c == b);
    const int w = DrawCategory(69, 10);
    // The least common multiple of three distinct numbers of 2 … 6 is at most 60.
    int M = 0;
    for (int n = 60; n >= 2; --n)
        if (n % a == 0 && n % b == 0 && n % c == 0) M = n;
    int W = w + M % 7;
    if (W > 7) W -= 7;
    right_[0] = M;
    rightWeekday_ = W;
    auto days = [](int n) { return N(n) + (n <= 4 ? QStringLiteral(" дні") : QStringLiteral(" днів")); };
    ShowText(QStringLiteral("Сашко ходить до басейну один раз на ") + days(a) + QStringLiteral(", Миколка - на ") +
                 days(b) + QStringLiteral(", Петрик - на ") + days(c) + QStringLiteral("."),
             QStringLiteral("Вони зустрілися в басейні у ") + Weekdays()[size_t(w - 1)] +
                 QStringLiteral(". Через скільки днів і в який день тижня вони зустрінуться"),
             QStringLiteral("наступного разу?"));
    comboBox(1)->setCurrentIndex(-1);
    comboBox(1)->setEnabled(true);
    comboBox(1)->show();
    comboBox(1)->raise();
    label(17)->setText(QStringLiteral("скільки днів"));
    label(11)->setText(QStringLiteral("день тижня"));
}

// Sweets packed by x or by y a gift: the one common multiple between the bounds.
void TForm24::Sweets() {
    const int p1 = DrawPrime(39, 20);
    const int p2 = DrawPrime(39, 20);
    MarkPrime(p2);
    const int p3 = DrawFreshPrime(49, 20, false);
    const int64_t x = int64_t(p1) * p2, y = int64_t(p1) * p3, K = int64_t(p1) * p2 * p3;
    const int c = DrawPrime(49, 70);
    const int64_t N0 = K * c;
    const int64_t h = K / 2;
    const int64_t low = N0 - Random(int(h - 2)) - h;
    const int64_t high = N0 + Random(int(h - 2)) + h;
    right_[0] = N0;
    const QString ys =
        N(y) + NounForm(y, QStringLiteral(" штуці "), QStringLiteral(" штуки "), QStringLiteral(" штук "));
    ShowText(QStringLiteral("Готуючи подарунки до Нового року, члени батьківського комітету побачили, ") +
                 QStringLiteral(" що цукерки,"),
             QStringLiteral("які в них є, можна розкласти порівну по ") + N(x) + QStringLiteral(" або по ") + ys +
                 QStringLiteral("в один ") + QStringLiteral(" подарунок. Скільки"),
             QStringLiteral("було цукерок, якщо відомо, що їх було більше за ") + N(low) + QStringLiteral(" і менше від ") +
                 N(high) + QStringLiteral("?"));
}

bool TForm24::AnswerIsRight() {
    bool right = Matches(edit(1), right_[0]);
    edit(1)->setEnabled(false);
    if (CurrentKind == 2) {
        for (int n = 2; n <= 4; ++n) {
            right = Matches(edit(n), right_[size_t(n - 1)]) && right;
            edit(n)->setEnabled(false);
        }
    } else if (CurrentKind == 5) {
        // No weekday chosen (index −1) is wrong.
        right = comboBox(1)->currentIndex() + 1 == rightWeekday_ && right;
        comboBox(1)->setEnabled(false);
    }
    return right;
}

void TForm24::ShowRightAnswers() {
    label(10)->setText(N(right_[0]));
    if (CurrentKind == 2) {
        for (int n = 2; n <= 4; ++n) label(12 + n)->setText(N(right_[size_t(n - 1)]));
    } else if (CurrentKind == 5) {
        label(14)->setText(Weekdays()[size_t(rightWeekday_ - 1)]);
    }
}
