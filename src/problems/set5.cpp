#include "problems/set5.h"

#include <array>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/random.h"

namespace {
QString N(int64_t n) { return QString::number(n); }

// The parts a right angle (90°) and a straight angle (180°) are cut into.
constexpr std::array<int, 10> kRightAngleParts{2, 3, 5, 6, 9, 10, 15, 18, 30, 45};
constexpr std::array<int, 16> kStraightAngleParts{2, 3, 4, 5, 6, 9, 10, 12, 15, 18, 20, 30, 36, 45, 60, 90};
}  // namespace

TForm28::TForm28()
    : ProblemSet(QStringLiteral("Form28"), QSize(1010, 760),
                 ProblemSetPlan{
                     .folder = QStringLiteral("z5"),
                     .level = 5,
                     .kindCount = 7,
                     .kindDrawN = 69,
                     .kindDrawBase = 10,
                     .stillPictures = {QStringLiteral("z5\\n1(4).bmp"), QStringLiteral("z5\\n1(3).bmp"),
                                       QStringLiteral("z5\\n1(2).bmp"), QStringLiteral("z5\\n1(1).bmp")},
                     .frames = {QStringLiteral("z5\\n1.bmp"), QStringLiteral("z5\\n2.bmp"), QStringLiteral("z5\\n3.bmp"),
                                QStringLiteral("z5\\n4.bmp")},
                     .rewardImage = 2,
                     .markImage = 5,
                     .titleLabel = 1,
                     .answerCaptionLabel = 5,
                     .verdictLabel = 8,
                     .rightCaptionLabel = 0,
                     .timeLabel = 14,
                 }) {
    using Fit = Picture::Fit;
    addLabel(1, 420, 12, 34);
    addLabel(2, 20, 80, 20);
    addLabel(3, 20, 150, 20);
    addLabel(4, 20, 220, 20);
    for (int n : {6, 7, 12, 13}) addLabel(n, 0, 0, 18);
    addImage(1, 0, 0, 41, 17);
    addImage(4, 0, 0, 41, 17);
    // The answer: one number in Edit1, or a fraction Edit2 over Edit3.
    addLabel(5, 20, 346, 22);
    addEdit(1, 200, 340, 140, 36, 22);
    addEdit(2, 200, 316, 80, 34, 22);
    addImage(3, 200, 352, 80, 8, Fit::Stretch);
    addEdit(3, 200, 362, 80, 34, 22);
    addLabel(8, 420, 316, 26);
    addLabel(9, 420, 362, 22);
    addLabel(10, 430, 352, 20);
    addLabel(11, 430, 380, 20);
    addLabel(14, 20, 560, 24);
    addImage(2, 785, 300, 210, 340, Fit::Proportional);
    addImage(5, 290, 590, 440, 120, Fit::Proportional);
    addLabel(15, 880, 726, 0);
    AddFlowButtons(480);
    addTimer(1, 250);
    WireFlow();
}

void TForm28::FormCreate() {
    ProblemSet::FormCreate();
    for (int n = 1; n <= 14; ++n) label(n)->setText(QString());
    label(15)->setText(QStringLiteral("404-423  (7)"));
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
    for (int n : {1, 3, 4}) image(n)->hide();
}

void TForm28::ClearProblem() {
    for (int n : {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13}) label(n)->setText(QString());
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
    for (int n : {1, 3, 4}) image(n)->hide();
    right_.clear();
    num_ = 0;
    den_ = 1;
}

void TForm28::Generate(int kind) {
    switch (kind) {
        case 1: Angle(1, 99, QStringLiteral("прямого")); break;
        case 2: Angle(2, 159, QStringLiteral("розгорнутого")); break;
        case 3: Mushrooms(); break;
        case 4: Vegetables(); break;
        case 5: Alloy(); break;
        case 6: DecimalAgainstPercent(); break;
        case 7: ChestnutsAndOaks(); break;
        default: break;
    }
}

int64_t TForm28::CoprimeNumerator(int64_t d) {
    int64_t m = 0;
    do m = 1 + Random(int(d - 1)); while (Gcd(m, d) > 1);
    return m;
}

void TForm28::AskNumber(const QString& right) {
    right_ = right;
    OpenField(edit(1));
}

// A part of a right or a straight angle in degrees.
void TForm28::Angle(int table, int drawN, const QString& angle) {
    const int row = DrawCategory(drawN, 10);
    const int64_t d = table == 1 ? kRightAngleParts[size_t(row - 1)] : kStraightAngleParts[size_t(row - 1)];
    const int64_t unit = (table == 1 ? 90 : 180) / d;
    const int64_t m = CoprimeNumerator(d);
    label(2)->setText(QStringLiteral("            Скільки градусів становлять           ") + angle + QStringLiteral(" кута?"));
    ShowFraction(2, 0, 6, 1, 7, N(m), N(d));
    AskNumber(N(unit * m));
}

void TForm28::Mushrooms() {
    const int64_t d = DrawPrime(49, 50);
    const int64_t m = CoprimeNumerator(d);
    const int64_t w = 100 + 10 * Random(30);
    label(2)->setText(QStringLiteral("Михайлик зібрав ") + N(w * d) + QStringLiteral(" грибів, з них         становили білі.") +
                      QStringLiteral(" Скільки білих грибів зібрав Михайлик?"));
    ShowFraction(2, 0, 6, 1, 7, N(m), N(d));
    AskNumber(N(w * m));
}

void TForm28::Vegetables() {
    const int64_t total = 400 + 20 * Random(30);
    const int64_t p = 5 * ((Random(189) + 10) / 10);
    label(2)->setText(QStringLiteral("Магазин продав ") + N(total) + QStringLiteral(" кг огірків і помідорів, причому огірки") +
                      QStringLiteral(" становили ") + N(p) + QStringLiteral(" % цих овочів."));
    label(3)->setText(QStringLiteral("Слільки кілограмів огірків продали?"));
    AskNumber(N(total * p / 100));
}

void TForm28::Alloy() {
    const int64_t d = DrawPrime(39, 40);
    const int64_t m = CoprimeNumerator(d);
    const int64_t w = 100 + 10 * Random(30);
    label(2)->setText(QStringLiteral("                                   Мідь становить        маси сплаву.") +
                      QStringLiteral(" Скільки кілограмів міді міститься"));
    label(3)->setText(QStringLiteral("у ") + N(w * d) + QStringLiteral(" кг такого сплаву?"));
    ShowFraction(2, 0, 6, 1, 7, N(m), N(d));
    AskNumber(N(w * m));
}

// m/d of 0,x against P/10 per cent of Q, in thousandths.
void TForm28::DecimalAgainstPercent() {
    int64_t d = 0, xPart = 0, x = 0, m = 0, P = 0, Q = 0, A = 0;
    do {
        do {
            d = (Random(79) + 20) / 10;
            do xPart = (Random(79) + 20) / 10; while (xPart * d <= 9);
            x = xPart * d;
        } while (x % 10 == 0);
        m = CoprimeNumerator(d);
        P = (Random(69) + 20) / 10;
        if (P % 2 == 0) ++P;
        P *= 5;
        Q = 20 + 2 * Random(20);
        A = P * Q - 10 * m * xPart;
    } while (A <= 0);
    label(2)->setText(QStringLiteral("                                           На скільки        від числа ") +
                      QStringLiteral("0,") + N(x) + QStringLiteral(" менше ніж ") + N(P / 10) + QStringLiteral(",") +
                      N(P % 10) + QStringLiteral("% від числа ") + N(Q) + QStringLiteral("?"));
    ShowFraction(2, 0, 6, 1, 7, N(m), N(d));
    // A whole result is written without a comma ("2", not "2,"), as everywhere else.
    AskNumber(TrimmedDecimalText(A, 3));
}

// A part of the trees, and a part of that part.
void TForm28::ChestnutsAndOaks() {
    const int64_t p1 = DrawFreshPrime(39, 10, true);
    // q may equal p1 (denominators 25 and 49); only c must differ from both.
    const int64_t q = DrawPrime(29, 30);
    MarkPrime(int(q));
    const int64_t c = DrawFreshPrime(29, 10, false);
    const int64_t r = DrawPrime(29, 50);
    const int64_t h = DrawPrime(29, 10);
    const Fraction oaks = Reduce({h * p1 * c, p1 * q * c * r});
    num_ = oaks.num;
    den_ = oaks.den;
    label(2)->setText(QStringLiteral("                          Каштани становлять         усіх дерев ") +
                      QStringLiteral(" що ростуть у парку, а дуби -           від"));
    label(3)->setText(QStringLiteral("кількості каштанів. Яку частину всіх дерев у парку становлять") + QStringLiteral(" дуби?"));
    ShowFraction(2, 0, 6, 1, 7, N(c), N(p1 * q));
    ShowFraction(2, 1, 12, 4, 13, N(h * p1), N(c * r));
    ShowBar(3, QStringLiteral("kr\\chdr2.bmp"));
    OpenField(edit(2));
    OpenField(edit(3));
}

bool TForm28::AnswerIsRight() {
    for (int n = 1; n <= 3; ++n) edit(n)->setEnabled(false);
    if (CurrentKind == 7) return Matches(edit(2), num_) && Matches(edit(3), den_);
    return !right_.isEmpty() && edit(1)->text() == right_;
}

void TForm28::ShowRightAnswers() {
    if (CurrentKind == 7) {
        label(10)->setText(N(num_));
        label(11)->setText(N(den_));
    } else {
        label(9)->setText(right_);
    }
}
