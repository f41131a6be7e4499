#include "papers/paper5.h"

#include "core/number_text.h"
#include "core/random.h"
#include "core/written_form.h"
#include "papers/paper_row.h"

namespace {
const int kFont = 18;
QString N(long long value) { return QString::number(value); }
// Tenths as the paper writes them, a final ",0" dropped (20 tenths is "2").
QString Tenths(long long tenths) { return TrimmedDecimalText(tenths, 1); }
}  // namespace

TForm7::TForm7()
    : TestPaper(QStringLiteral("Form7"), QSize(1010, 840),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::HiddenAfterMarking,
                      .percentSign = QStringLiteral("%"),
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№5 Ваpіант № + "),
                      .answerLabels = {5, 8, 11, 17, 18, 19, 22, 25}}) {
    addLabel(1, 20, 12, 26);
    addLabel(2, 360, 16, 22);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);
    const std::vector<int> answers = {5, 8, 11, 17, 18, 19, 22, 25};
    for (int n = 3; n <= 25; ++n) {
        const bool answer = std::find(answers.begin(), answers.end(), n) != answers.end();
        addLabel(n, 0, 0, answer ? 0 : kFont);
    }
    for (int n = 1; n <= 7; ++n) addEdit(n, 0, 0, 40, PaperRow::kBoxHeight, kFont);
    addComboBox(1, 0, 0, 130, PaperRow::kBoxHeight, {QStringLiteral("в першій"), QStringLiteral("в другій")}, kFont);
    for (int n = 1; n <= 3; ++n) addImage(n, 0, 0, 30, 3, Picture::Fit::Stretch);
    addButton(1, 840, 785, 150, 40, 20);
    ConnectPaper();
}

void TForm7::FormCreate() {
    StartPaper();
    // No seeding: test 5 goes on with the generator test 1 has seeded.
    label(1)->setText(QStringLiteral("Контрольна робота №5"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    DrawProblem6();
    LayOut();
    LoadPicture(image(1), QStringLiteral("kr\\chdr.bmp"));
    LoadPicture(image(2), QStringLiteral("kr\\chdr2.bmp"));
    LoadPicture(image(3), QStringLiteral("kr\\chdr4.bmp"));
}

// ---- drawing ----

void TForm7::DrawProblem1() {
    // Seeds a and sunflower s in tenths of a kilogram.
    const int a = primes_[DrawCategory(29, 10)] * primes_[DrawCategory(29, 10)];
    const int s = primes_[DrawCategory(29, 40)] * primes_[DrawCategory(29, 40)];
    const int f = primes_[DrawCategory(39, 10)];
    label(3)->setText(QStringLiteral("1. З ") + Tenths(s) + QStringLiteral(" кг соняшника отримують ") + Tenths(a) +
                      QStringLiteral(" кг чистого насіння. ") + QStringLiteral("Скільки потрібно соняшника, щоб"));
    label(4)->setText(QStringLiteral("отримати ") + Tenths(f * a) + QStringLiteral(" кг  чистого насіння?   Відповідь:"));
    AddEditItem(edit(1), Tenths(f * s), label(5));
}

void TForm7::DrawProblem2() {
    int q = Random(30) + 10;
    if (q % 2 == 0) ++q;
    const int k = Random(6) + 4;
    label(6)->setText(QStringLiteral("2. У будинку було ") + N(k * q) +
                      QStringLiteral(" двокімнатних квартир, що становило ") + N(q) + QStringLiteral("%") +
                      QStringLiteral(" усіх квартир. Скільки квартир"));
    label(7)->setText(QStringLiteral("було у будинку?   Відповідь:"));
    AddEditItem(edit(2), N(100 * k), label(8));
}

void TForm7::DrawProblem3() {
    const int b = primes_[DrawCategory(29, 20)];
    const int c = Random(10);
    label(9)->setText(QStringLiteral("3. Ціна шафи підвищилась із ") + N(20 * b) + QStringLiteral(" грн. до ") +
                      N(b * (c + 25)) + QStringLiteral(" грн. На скільки") +
                      QStringLiteral(" відсотків підвищилась ціна шафи?"));
    label(10)->setText(QStringLiteral("Відповідь:"));
    AddEditItem(edit(3), N(5 * c + 25), label(11));
}

void TForm7::DrawProblem4() {
    // (A·X − B)/C = D/E, C and E sharing the prime P.
    primes_.Clear();
    const int p = primes_.Fresh(49, 10);
    const int c = p * primes_.Fresh(49, 10);
    const int e = p * primes_.Fresh(39, 30);
    const int a = Random(8) + 2, b = Random(8) + 2, d = Random(8) + 2;
    label(12)->setText(QStringLiteral("4. Розв") + QChar(96) +
                       QStringLiteral("яжіть рівняння             =              X="));
    label(13)->setText(N(a) + QStringLiteral("X-") + N(b));  // the Latin X
    label(14)->setText(N(c));
    label(15)->setText(N(d));
    label(16)->setText(N(e));
    AddGroupItem({edit(4), edit(5), edit(6)}, Texts(LowestMixedWhileGreater(1LL * b * e + 1LL * c * d, 1LL * a * e)),
                 {label(17), label(18), label(19)});
}

void TForm7::DrawProblem5() {
    int a, b, c, d;
    int rounds = 0;
    do {
        a = Random(22) + 11;
        b = Random(22) + 11;
        ++rounds;
    } while ((a * b) % 10 == 0 && rounds <= 1000);
    do {
        c = Random(22) + 11;
        d = Random(22) + 11;
        ++rounds;
    } while ((c == a || c == b || d == a || d == b || (c * d) % 10 == 0) && rounds <= 1000);
    if (rounds > 1000) a = 11, b = 12, c = 13, d = 14;
    label(20)->setText(QStringLiteral("5. Відомо, що ") + N(10 * a) + QStringLiteral(" кг руди одного сорту містять ") +
                       TenthsText(a * b) + QStringLiteral(" кг заліза, а ") + N(10 * c) +
                       QStringLiteral(" кг руди іншого сорту -") + TenthsText(c * d) + QStringLiteral(" кг "));
    label(21)->setText(QStringLiteral("заліза. В якій руді вищий відсотковий вміст заліза?         Відповідь:"));
    // The ores hold b and d per cent of iron; a wrong choice shows the two percentages compared.
    const QString right = d >= b ? QStringLiteral("в другій") : QStringLiteral("в першій");
    const QString shown = N(b) + (d < b ? QStringLiteral(">") : QStringLiteral("<")) + N(d);
    AddComboItem(comboBox(1), right, label(22), shown);
}

void TForm7::DrawProblem6() {
    static const struct { int p, answer; } rows[] = {{200, 50}, {400, 25},   {500, 20}, {1000, 10},
                                                     {2000, 5}, {2500, 4}, {5000, 2}};
    const auto& row = rows[DrawCategory(69, 10) - 1];
    // The "а" is Cyrillic, the "b" Latin.
    label(23)->setText(QStringLiteral("6. Число а становить ") + N(row.p) +
                       QStringLiteral(" % від числа b. Скільки відсотків становить ") +
                       QStringLiteral("число b від числа а?"));
    label(24)->setText(QStringLiteral("Відповідь: "));
    AnswerItem item;
    item.inputs = {edit(7)};
    item.answerLabels = {label(25)};
    item.shownWhenWrong = {N(row.answer) + QStringLiteral("%")};
    item.isRight = [box = edit(7), right = N(row.answer)] { return box->text() == right; };
    AddItem(std::move(item));
}

// ---- the paper's arrangement ----

void TForm7::LayOut() {
    PaperRow row(*this, 20, 90);
    row.text(label(3));
    row.line(40, 135).text(label(4)).box(edit(1), 80, label(5));
    row.line(20, 205).text(label(6));
    row.line(40, 250).text(label(7)).box(edit(2), 80, label(8));
    row.line(20, 320).text(label(9));
    row.line(40, 365).text(label(10)).box(edit(3), 80, label(11));
    row.line(20, 460).text(label(12), {1, 1}).fraction(label(13), label(14), image(1));
    row.fraction(label(15), label(16), image(2));
    row.boxes(edit(4), edit(5), edit(6), image(3), label(17), label(18), label(19));
    row.line(20, 570).text(label(20));
    row.line(40, 615).text(label(21)).box(comboBox(1), 130, label(22));
    row.line(20, 690).text(label(23));
    row.line(40, 735).text(label(24)).box(edit(7), 80, label(25));
}
