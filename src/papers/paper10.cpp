#include "papers/paper10.h"

#include <array>

#include "core/number_text.h"
#include "core/primes.h"
#include "core/random.h"
#include "papers/line_layout.h"

namespace {
const int kText = 18;
const int kFraction = 15;
const int kBox = 28;
const int kRow1 = 64, kRow2 = 124, kRow3 = 238, kRow4 = 298, kRow4b = 336, kRow4c = 364, kRow4d = 400, kRow5 = 488;

constexpr std::array<int, 14> kPrimes = FirstPrimes<14>();

QString N(long long v) { return QString::number(v); }
// 2, 3, 5 or 7.
int SmallPrime() { return kPrimes[DrawCategory(39, 10)]; }
}  // namespace

TForm12::TForm12()
    : TestPaper(QStringLiteral("Form12"), QSize(1010, 590),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::DisabledAfterMarking,
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№10 Ваpіант № + "),
                      .answerLabels = {2, 4, 8, 10, 22, 23}}) {
    addLabel(1, 20, 12, 26);
    addLabel(2, 420, 16, 22);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);

    addLabel(3, 20, kRow1, kText);
    addEdit(1, 0, kRow1 - 3, 70, kBox, kText);
    addLabel(4, 0, kRow1 + 28);

    addLabel(5, 20, kRow2, kText);
    addLabel(6, 20, kRow2 + 26, kText);
    addLabel(7, 20, kRow2 + 52, kText);
    addEdit(2, 0, kRow2 + 49, 70, kBox, kText);
    addLabel(8, 0, kRow2 + 80);

    addLabel(9, 20, kRow3, kText);
    addEdit(3, 0, kRow3 - 3, 70, kBox, kText);
    addLabel(10, 0, kRow3 + 28);

    // Tourists: the share of the third day is a fraction inside the second line.
    addLabel(11, 20, kRow4, kText);
    addLabel(12, 20, kRow4b, kText);
    addLabel(13, 0, 0, kFraction);
    addLabel(14, 0, 0, kFraction);
    addImage(1, 0, 0, 20, 3, Picture::Fit::Stretch);
    addLabel(15, 20, kRow4c, kText);
    for (int i = 0; i < 3; ++i) {
        addLabel(16 + i, 40 + 230 * i, kRow4d + 4, 16);
        addEdit(4 + i, 160 + 230 * i, kRow4d, 70, kBox, kText);
    }

    // A product equal to zero: two boxes, each after its "Y =" with a small index.
    addLabel(19, 20, kRow5, kText);
    addLabel(20, 0, kRow5 + 10, 12);
    addLabel(21, 0, kRow5 + 10, 12);
    addEdit(7, 0, kRow5 - 3, 70, kBox, kText);
    addEdit(8, 0, kRow5 - 3, 70, kBox, kText);
    addLabel(22, 0, kRow5 + 28);
    addLabel(23, 0, kRow5 + 28);

    addButton(1, 840, 535, 150, 40, 20);
    ConnectPaper();
}

void TForm12::FormCreate() {
    StartPaper();
    Randomize();
    label(1)->setText(QStringLiteral("Контрольна робота №10"));
    label(16)->setText(QStringLiteral("Перший день"));
    label(17)->setText(QStringLiteral("Другий день"));
    label(18)->setText(QStringLiteral("Третій день"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    LoadPicture(image(1), QStringLiteral("kr\\chdr4.bmp"));
}

void TForm12::DrawProblem1() {
    const int a = Random(10) + 10;
    const int p = SmallPrime();
    const int c = a - p;
    const int B = p * (Random(10) + 10);
    const int e = Random(B - 2) + 2;
    const int f = B - e;
    label(3)->setText(QStringLiteral("1. Розв`яжіть рівняння: ") + N(a) + QStringLiteral("X-") + N(e) + u'=' + N(c) +
                      QStringLiteral("X+") + N(f) + QStringLiteral("     X="));
    const int x = EndOf(*this, label(3), label(3)->text(), kText) + 4;
    place(edit(1), x, kRow1 - 3);
    place(label(4), x + 2, kRow1 + 28);
    AddEditItem(edit(1), N(B / p), label(4));
}

void TForm12::DrawProblem2() {
    const int t1 = Random(5) + 5;
    const int p = SmallPrime();
    const int t2 = t1 + p;
    const int c = Random(20) + 10;
    label(5)->setText(QStringLiteral("2. Пасажирський поїзд за ") + N(t1) +
                      QStringLiteral(" год пройшов таку саму відстань, як і ") + QStringLiteral("товарний за ") + N(t2) +
                      QStringLiteral(" год. Знайдіть"));
    label(6)->setText(QStringLiteral("швидкість пасажирського поїзда, якщо відомо, що вона на ") + N(p * c) +
                      QStringLiteral(" км/год ") + QStringLiteral("більша за швидкість"));
    label(7)->setText(QStringLiteral("товарного.       Відповідь:"));
    const int x = EndOf(*this, label(7), label(7)->text(), kText) + 6;
    place(edit(2), x, kRow2 + 49);
    place(label(8), x + 2, kRow2 + 80);
    AddEditItem(edit(2), N(c * t2), label(8));
}

void TForm12::DrawProblem3() {
    // Item 3: R/10 − D/10·(X − E) = A·(b − C/10·X). With D = A·C it would hold for
    // every X while only the drawn one is accepted, so such a draw is made again.
    int A, b, C, X, D, E, R;
    do {
        A = Random(8) + 2;
        b = Random(8) + 2;
        C = Random(8) + 2;
        X = Random(50) + 11;
        D = Random(50) + 11;
        E = Random(8) + 1;
        R = (10 * b - C * X) * A + (X - E) * D;
    } while (R == 0 || R % 10 == 0 || D == A * C);
    label(9)->setText(QStringLiteral("3. Знайдіть корінь рівняння: ") + TenthsText(R) + u'-' + TenthsText(D) +
                      QStringLiteral("(X-") + N(E) + QStringLiteral(")=") + N(A) + u'(' + N(b) + u'-' +
                      QStringLiteral("0,") + N(C) + QStringLiteral("X)          X="));
    const int x3 = EndOf(*this, label(9), label(9)->text(), kText) + 4;
    place(edit(3), x3, kRow3 - 3);
    place(label(10), x3 + 2, kRow3 + 28);
    AddEditItem(edit(3), N(X), label(10));
}

void TForm12::DrawProblem4() {
    const int x = DrawCategory(39, 20);
    const int k = Random(5) + 5;
    const int y = DrawCategory(29, 20);
    const int day1 = 10 * x, day2 = x * k, day3 = 2 * x * y;
    label(11)->setText(QStringLiteral("4. За три дні туристи пройшли ") + N(day1 + day2 + day3) +
                       QStringLiteral(" км. За другий день вони пройшли ") + N(10 * k) +
                       QStringLiteral("% відстані, пройденої за"));
    const QString toFraction = QStringLiteral("перший день, а за третій -");
    label(12)->setText(toFraction + QStringLiteral("            відстані, пройденої за перший день.") +
                       QStringLiteral("Скільки кілометрів"));
    label(15)->setText(QStringLiteral("проходили туристи кожного дня? "));
    label(13)->setText(N(y));
    label(14)->setText(QStringLiteral("5"));
    PlaceFraction(*this, label(13), image(1), label(14), EndOf(*this, label(12), toFraction, kText) + 8, kRow4b, 20,
                  kFraction);
    // The captions of the three boxes show the right numbers when wrong.
    AddEditItem(edit(4), N(day1), label(16));
    AddEditItem(edit(5), N(day2), label(17));
    AddEditItem(edit(6), N(day3), label(18));
}

// (a0·p·Y + b0·p)(r2·e/10 − e/10·Y) = 0: the roots −b0/a0 and r2, in either box.
void TForm12::DrawProblem5() {
    const bool firstHigh = Random(100) > 50;
    const bool secondHigh = Random(100) > 50;
    struct Factor { int a0, b0; const char* root; };
    static const Factor factors[2][2] = {{{2, 7, "-3,5"}, {2, 5, "-2,5"}}, {{5, 7, "-1,4"}, {5, 11, "-2,2"}}};
    const Factor& factor = factors[firstHigh][secondHigh];
    const int p = SmallPrime();
    const int e = Random(7) + 3;
    const int r2 = Random(6) + 4;
    const QString toFirst = QStringLiteral("5. Розв`яжіть рівняння: (") + N(factor.a0 * p) + QStringLiteral("Y+") +
                            N(factor.b0 * p) + QStringLiteral(")(") + TenthsText(r2 * e) + u'-' + QStringLiteral("0,") +
                            N(e) + QStringLiteral("Y)=0        Y");
    const QString toBox = toFirst + QStringLiteral(" =    ");
    const QString toSecond = toBox + QStringLiteral("                    Y");
    label(19)->setText(toSecond + QStringLiteral(" ="));
    label(20)->setText(QStringLiteral("1"));
    label(21)->setText(QStringLiteral("2"));
    place(label(20), EndOf(*this, label(19), toFirst, kText), kRow5 + 10);
    place(label(21), EndOf(*this, label(19), toSecond, kText), kRow5 + 10);
    const int x7 = EndOf(*this, label(19), toBox, kText) - 14;
    const int x8 = EndOf(*this, label(19), label(19)->text(), kText) + 6;
    place(edit(7), x7, kRow5 - 3);
    place(label(22), x7 + 2, kRow5 + 28);
    place(edit(8), x8, kRow5 - 3);
    place(label(23), x8 + 2, kRow5 + 28);

    // The two boxes give at most one error between them.
    const QString r1 = QString::fromUtf8(factor.root), root2 = N(r2);
    auto isRoot = [r1, root2](QLineEdit* box) { return box->text() == r1 || box->text() == root2; };
    auto otherRoot = [r1, root2](QLineEdit* box) { return box->text() == r1 ? root2 : r1; };
    QLineEdit* first = edit(7);
    QLineEdit* second = edit(8);
    AnswerItem neither{{first, second}, {label(22), label(23)}, {r1, root2},
                       [=] { return isRoot(first) || isRoot(second); }};
    AddItem(std::move(neither));
    AnswerItem firstOnly{{first}, {}, {}, [=, this] {
                             if (isRoot(first) || !isRoot(second)) return true;
                             label(22)->setText(otherRoot(second));
                             return false;
                         }};
    AddItem(std::move(firstOnly));
    AnswerItem secondOnly{{second}, {}, {}, [=, this] {
                              if (isRoot(second) || !isRoot(first)) return true;
                              label(23)->setText(otherRoot(first));
                              return false;
                          }, false};
    AddItem(std::move(secondOnly));
}
