#include "problems/set2.h"

#include "core/arithmetic.h"
#include "core/random.h"

namespace {
QString N(int64_t n) { return QString::number(n); }

// The numerator m2 of the second fraction: the largest below m1/d1 counting down
// from `top`, or the smallest above it counting up from 1, as Random(100) decides.
int64_t CompareNumerator(int64_t m1, int64_t d1, int64_t d2, int64_t top) {
    int64_t m2 = 0;
    if (Random(100) <= 50) {
        m2 = top;
        while (m2 * d1 >= m1 * d2) --m2;
    } else {
        m2 = 1;
        while (m2 * d1 <= m1 * d2) ++m2;
    }
    return m2;
}
}  // namespace

TForm25::TForm25()
    : ProblemSet(QStringLiteral("Form25"), QSize(1010, 760),
                 ProblemSetPlan{
                     .folder = QStringLiteral("z2"),
                     .level = 2,
                     .kindCount = 5,
                     .kindDrawN = 49,
                     .kindDrawBase = 10,
                     // The stills are shown from the fourth back to the first.
                     .stillPictures = {QStringLiteral("z2\\i1(4).bmp"), QStringLiteral("z2\\i1(3).bmp"),
                                       QStringLiteral("z2\\i1(2).bmp"), QStringLiteral("z2\\i1(1).bmp")},
                     .frames = {QStringLiteral("z2\\i1.bmp"), QStringLiteral("z2\\i2.bmp"), QStringLiteral("z2\\i3.bmp"),
                                QStringLiteral("z2\\i4.bmp"), QStringLiteral("z2\\i5.bmp")},
                     .rewardImage = 1,
                     .markImage = 2,
                     .titleLabel = 1,
                     .answerCaptionLabel = 7,
                     .verdictLabel = 8,
                     .rightCaptionLabel = 9,
                     .timeLabel = 24,
                 }) {
    using Fit = Picture::Fit;
    addLabel(1, 420, 12, 34);
    // The problem lines; kinds 3 to 5 write Label5 and Label6 on the first two rows.
    addLabel(2, 20, 80, 20);
    addLabel(3, 20, 150, 20);
    addLabel(4, 20, 220, 20);
    addLabel(5, 20, 80, 20);
    addLabel(6, 20, 150, 20);
    // Problem fractions, placed into the gaps of the lines when shown.
    for (int n : {18, 19, 20, 21, 12, 13, 22, 23}) addLabel(n, 0, 0, 18);
    for (int n : {3, 4, 6, 7}) addImage(n, 0, 0, 41, 17);
    // The answer: the two lists, or a whole part left of a fraction.
    addLabel(7, 20, 356, 22);
    addComboBox(1, 200, 350, 90, 36, {QStringLiteral("1"), QStringLiteral("2")}, 22);
    addComboBox(2, 200, 350, 150, 36, {QStringLiteral("легкова"), QStringLiteral("вантажна")}, 22);
    addEdit(3, 310, 370, 60, 36, 22);
    addEdit(1, 380, 330, 80, 34, 22);
    addImage(5, 380, 366, 80, 8, Fit::Stretch);
    addEdit(2, 380, 376, 80, 34, 22);
    // The verdict and the right answer beside the answer fields.
    addLabel(8, 500, 320, 26);
    addLabel(9, 500, 362, 18);
    addLabel(10, 700, 358, 22);
    addLabel(15, 500, 398, 22);
    addLabel(17, 560, 392, 20);
    addLabel(16, 560, 422, 20);
    addLabel(24, 20, 560, 24);
    addImage(1, 785, 300, 210, 340, Fit::Proportional);
    addImage(2, 290, 590, 440, 120, Fit::Proportional);
    addLabel(25, 880, 726, 0);
    AddFlowButtons(480);
    addTimer(1, 500);
    WireFlow();
}

void TForm25::FormCreate() {
    ProblemSet::FormCreate();
    for (int n = 1; n <= 24; ++n)
        if (Label* l = label(n)) l->setText(QString());
    label(25)->setText(QStringLiteral("255-295 (5)"));
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
    comboBox(1)->hide();
    comboBox(2)->hide();
    for (int n : {3, 4, 5, 6, 7}) image(n)->hide();
}

void TForm25::ClearProblem() {
    for (int n = 2; n <= 23; ++n)
        if (Label* l = label(n)) l->setText(QString());
    for (int n = 1; n <= 3; ++n) edit(n)->hide();
    comboBox(1)->hide();
    comboBox(2)->hide();
    for (int n : {3, 4, 5, 6, 7}) image(n)->hide();
    rightChoice_ = 0;
    whole_ = num_ = 0;
    den_ = 1;
}

void TForm25::Generate(int kind) {
    switch (kind) {
        case 1: Cheese(); break;
        case 2: Cars(); break;
        case 3: SourCream(); break;
        case 4: Cinderella(); break;
        case 5: Boat(); break;
        default: break;
    }
}

void TForm25::OpenMixedAnswer() {
    ShowBar(5, QStringLiteral("kr\\chdr4.bmp"));
    for (int n = 1; n <= 3; ++n) OpenField(edit(n));
}

static void OpenChoice(QComboBox* combo) {
    combo->setCurrentIndex(-1);
    combo->setEnabled(true);
    combo->show();
}

// Two cheeses cut into equal pieces: whose piece is larger.
void TForm25::Cheese() {
    const int first = DrawPrime(39, 10);
    const int second = DrawPrime(39, 10);
    const int f = DrawPrime(49, 10);
    int g = 0;
    do g = DrawPrime(49, 10); while (g == f);
    const int64_t d1 = int64_t(first) * second * f, d2 = int64_t(first) * second * g;
    int64_t m1 = 0, m2 = 0;
    // A cheese of no mass is no problem for a pupil: such a draw is made again.
    do {
        m1 = 2 + Random(int(d1 - 3));
        m2 = CompareNumerator(m1, d1, d2, d2 - 1);
    } while (m2 <= 0);
    rightChoice_ = m2 * d1 >= m1 * d2 ? 1 : 0;
    label(4)->setText(QStringLiteral("Мишкові, який дуже його полюбляє?"));
    // The p that begins "pівних" is Latin, as the pupils have always seen it.
    label(2)->setText(QStringLiteral("Головку сиру масою ") + N(m1) + QStringLiteral(" кг поділили на ") + N(d1) +
                      QStringLiteral(" pівних кусочків, а ") + QStringLiteral("головку масою ") + N(m2) +
                      QStringLiteral(" кг на ") + N(d2));
    label(3)->setText(QStringLiteral("pівних кусочків. Кусочок якої головки сиру, першої чи другої, ви ") +
                      QStringLiteral(" порадите з`їсти"));
    OpenChoice(comboBox(1));
}

// A car and a lorry on the same road: which covers more in the given hours.
void TForm25::Cars() {
    const int64_t d1 = 5 + Random(10);
    const int64_t m1 = d1 + 1 + Random(7);
    const int64_t d2 = d1 + 1 + Random(5);
    const int64_t m2 = CompareNumerator(m1, d1, d2, 10 * d2);
    rightChoice_ = m2 * d1 >= m1 * d2 ? 1 : 0;
    label(2)->setText(QStringLiteral("Відстань між двома містами легкова машина долає за ") + N(d1) +
                      QStringLiteral(" год, а ") + QStringLiteral("вантажна - за ") + N(m1) +
                      QStringLiteral(" год. Яка "));
    label(3)->setText(QStringLiteral("машина проїде більшу відстань: легкова за ") + N(d2) +
                      QStringLiteral(" год чи вантажна за ") + N(m2) + QStringLiteral(" год?"));
    OpenChoice(comboBox(2));
}

// Two jugs of sour cream: which holds more, and by how much.
void TForm25::SourCream() {
    const int d1 = DrawFreshPrime(39, 50, true);
    const int d2 = DrawFreshPrime(39, 50, false);
    const int64_t m1 = 1 + Random(d1 / 2);
    const int64_t m2 = 1 + Random(d2 / 2);
    rightChoice_ = m2 * d1 >= m1 * d2 ? 1 : 0;
    const Fraction difference =
        Reduce({rightChoice_ == 1 ? m2 * d1 - m1 * d2 : m1 * d2 - m2 * d1, int64_t(d1) * d2});
    num_ = difference.num;
    den_ = difference.den;
    label(5)->setText(QStringLiteral("В одному глечику було         л сметани, а в другому -      ") +
                      QStringLiteral(" л. У якому глечику було більше "));
    label(6)->setText(QStringLiteral("сметани і на кільки?"));
    ShowFraction(5, 0, 18, 3, 19, N(m1), N(d1));
    ShowFraction(5, 1, 20, 4, 21, N(m2), N(d2));
    ShowBar(5, QStringLiteral("kr\\chdr4.bmp"));
    OpenField(edit(1));
    OpenField(edit(2));
    OpenChoice(comboBox(1));
}

// Cleaning took m2/d2 hours more than the dishes: both together.
void TForm25::Cinderella() {
    int64_t d1 = DrawPrime(39, 10);
    int64_t d2 = d1;
    d1 *= DrawFreshPrime(39, 10, true);
    d2 *= DrawFreshPrime(29, 30, false);
    const int64_t m1 = d1 == 4 ? 3 : 1 + d1 / 2 + Random(3);
    const int64_t m2 = 1 + Random(3);
    const Mixed total = SplitWhileGreater(Reduce({2 * m1 * d2 - m2 * d1, d1 * d2}));
    whole_ = total.whole;
    num_ = total.num;
    den_ = total.den;
    label(5)->setText(QStringLiteral("                  Попелюшка             год прибирала кімнати, що на ") +
                      QStringLiteral("        год більше часу, який вона "));
    label(6)->setText(QStringLiteral("витратила на миття посуду. Скільки часу Попелюшка витратила на прибирання") +
                      QStringLiteral(" і миття посуду?"));
    ShowFraction(5, 0, 18, 3, 19, N(m1), N(d1));
    ShowFraction(5, 1, 12, 6, 13, N(m2), N(d2));
    OpenMixedAnswer();
}

// Downstream speed and the current's: the speed upstream.
void TForm25::Boat() {
    const int64_t S = 15 + Random(30);
    const int64_t C = 2 + Random(5);
    int64_t d1 = DrawPrime(39, 10);
    int64_t d2 = d1;
    d1 *= DrawFreshPrime(39, 10, true);
    d2 *= DrawFreshPrime(49, 20, false);
    int64_t m1 = 0, m2 = 0, whole = 0, num = 0;
    Mixed speed;
    // A whole speed would have to be typed as "w 1/1", which no pupil writes: such
    // a draw is made again, as set 4 does with its bananas.
    do {
        m1 = 1 + Random(int(d1 - 3));
        m2 = 1 + Random(3);
        whole = S - 2 * C;
        if (m1 * d2 - 2 * m2 * d1 <= 0) {
            --whole;  // borrow one whole so the fraction stays positive
            num = (d1 + m1) * d2 - 2 * m2 * d1;
        } else {
            num = m1 * d2 - 2 * m2 * d1;
        }
        if (num > 0) speed = SplitWhileGreater(Reduce({num, d1 * d2}));
    } while (num <= 0 || speed.num == speed.den);
    whole_ = whole + speed.whole;
    num_ = speed.num;
    den_ = speed.den;
    label(5)->setText(QStringLiteral("    Швидкість катера за течією річки становить   ") + N(S) +
                      QStringLiteral("         км/год, а") + QStringLiteral(" швидкість течії ") + N(C) +
                      QStringLiteral("          км/год."));
    label(6)->setText(QStringLiteral("Визначте швидкість катера проти течії річки."));
    ShowFraction(5, 0, 20, 4, 21, N(m1), N(d1));
    ShowFraction(5, 1, 22, 7, 23, N(m2), N(d2));
    OpenMixedAnswer();
}

bool TForm25::AnswerIsRight() {
    bool right = false;
    switch (CurrentKind) {
        case 1: right = comboBox(1)->currentIndex() == rightChoice_; break;
        case 2: right = comboBox(2)->currentIndex() == rightChoice_; break;
        case 3:
            right = comboBox(1)->currentIndex() == rightChoice_ && Matches(edit(1), num_) && Matches(edit(2), den_);
            break;
        default:
            right = Matches(edit(1), num_) && MatchesWholeOrEmpty(edit(3), whole_) && Matches(edit(2), den_);
            break;
    }
    for (int n = 1; n <= 3; ++n) edit(n)->setEnabled(false);
    comboBox(1)->setEnabled(false);
    comboBox(2)->setEnabled(false);
    return right;
}

void TForm25::ShowRightAnswers() {
    switch (CurrentKind) {
        case 1: label(10)->setText(N(rightChoice_ + 1)); break;
        case 2: label(10)->setText(rightChoice_ == 1 ? QStringLiteral("вантажна") : QStringLiteral("легкова")); break;
        case 3:
            label(17)->setText(N(num_));
            label(16)->setText(N(den_));
            label(10)->setText(N(rightChoice_ + 1));
            break;
        default:
            label(17)->setText(N(num_));
            label(16)->setText(N(den_));
            label(15)->setText(whole_ == 0 ? QString() : N(whole_));
            break;
    }
}
