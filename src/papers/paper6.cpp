#include "papers/paper6.h"

#include "core/number_text.h"
#include "core/random.h"
#include "core/written_form.h"
#include "papers/line_layout.h"
#include "papers/paper_row.h"

namespace {
const int kFont = 18;
const int kCell = 70;  // the table's boxes
QString N(long long value) { return QString::number(value); }
}  // namespace

TForm8::TForm8()
    : TestPaper(QStringLiteral("Form8"), QSize(1010, 1010),
                Rules{.resultLabel = 2,
                      .checkButton = CheckButton::HiddenAfterMarking,
                      .percentSign = QStringLiteral("%"),
                      // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
                      .closingText = QStringLiteral(" c К.р.№6 Ваpіант № + "),
                      .answerLabels = {5, 8, 11, 20, 21, 22, 23, 25, 26, 27}}) {
    addLabel(1, 20, 12, 26);
    addLabel(2, 360, 16, 22);
    addButton(2, 840, 10, 150, 40, 20);
    addButton(3, 988, 60, 20, 16, 8);
    const std::vector<int> answers = {5, 8, 11, 20, 21, 22, 23, 25, 26, 27};
    for (int n = 3; n <= 31; ++n) {
        const bool answer = std::find(answers.begin(), answers.end(), n) != answers.end();
        addLabel(n, 0, 0, answer ? 0 : kFont);
    }
    for (int n = 1; n <= 23; ++n) addEdit(n, 0, 0, 40, PaperRow::kBoxHeight, kFont);
    addImage(1, 0, 0, 34, 34, Picture::Fit::Proportional);
    addImage(2, 0, 0, 30, 3, Picture::Fit::Stretch);
    addImage(3, 0, 0, 30, 3, Picture::Fit::Stretch);
    addButton(1, 840, 955, 150, 40, 20);
    ConnectPaper();
}

void TForm8::FormCreate() {
    StartPaper();
    // No seeding: test 6 goes on with the generator test 1 has seeded.
    label(1)->setText(QStringLiteral("Контрольна робота №6"));
    DrawProblem1();
    DrawProblem2();
    DrawProblem3();
    DrawProblem4();
    DrawProblem5();
    DrawProblem6();
    DrawProblem7();
    LayOut();
    LoadPicture(image(1), QStringLiteral("kr\\pi.bmp"));
    LoadPicture(image(2), QStringLiteral("kr\\chdr2.bmp"));
    LoadPicture(image(3), QStringLiteral("kr\\chdr2.bmp"));
}

// ---- drawing ----

void TForm8::DrawProblem1() {
    auto draw = [] {
        int v;
        do v = Random(89) + 11;
        while (v % 10 == 0);
        return v;
    };
    const int t = draw();
    const int k = draw();
    label(3)->setText(QStringLiteral("1. Автомобіль проїжджає певну відстань за ") + TenthsText(t) +
                      QStringLiteral(" год. За який час він ") + QStringLiteral("проїде відстань у ") + TenthsText(k) +
                      QStringLiteral(" раза"));
    label(4)->setText(QStringLiteral("більшу з тією самою швидкістю?    Відповідь:"));
    // Hundredths with their trailing zero kept: 1,80.
    AddEditItem(edit(1), HundredthsText(t * k), label(5));
}

void TForm8::DrawProblem2() {
    // The radius in hundredths of a centimetre; the circumference 6,28·r/100 in ten-thousandths.
    int r;
    do {
        do r = Random(899) + 100;
        while (r % 5 == 0);
    } while (628 * r / 100 % 10 == 9);
    // "п" stands for π.
    label(6)->setText(QStringLiteral("2. Знайдіть довжину кола, якщо його радіус дорівнює ") + HundredthsText(r) +
                      QStringLiteral(" см (число ") + QStringLiteral("п округліть до сотих)."));
    label(7)->setText(QStringLiteral("Відповідь округліть до сотих.    Відповідь:"));
    AddEditItem(edit(2), RoundedDecimalText(628LL * r, 4, 2), label(8));
}

void TForm8::DrawProblem3() {
    int r;
    do r = Random(10) + 5;
    while (r == 10);
    label(9)->setText(QStringLiteral("3. Знайдіть площу круга, якщо його радіус дорівнює ") + N(r) +
                      QStringLiteral(" см (число п ") + QStringLiteral("округліть до десятих)."));
    label(10)->setText(QStringLiteral("Відповідь округліть до десятих.    Відповідь:"));
    // π taken as 3,1: 31·r² tenths.
    AddEditItem(edit(3), TenthsText(31 * r * r), label(11));
}

void TForm8::DrawProblem4() {
    const int a = Random(8) + 2;
    int b, c;
    do b = Random(8) + 2;
    while (b == a);
    do c = Random(8) + 2;
    while (c == a || c == b);
    const int u = Random(200) + 100;
    label(12)->setText(QStringLiteral("4. Між трьома школами розподілили ") + N(u * (a + b + c)) +
                       QStringLiteral(" кг апельсинів у відношенні ") + N(a) + QStringLiteral(":") + N(b) +
                       QStringLiteral(":") + N(c) + QStringLiteral(". Скільки кілограмів"));
    label(13)->setText(QStringLiteral("апельсинів одержала кожна школа?     Відповідь:"));
    // The labels that name the boxes show the right numbers when the answer is wrong.
    label(14)->setText(QStringLiteral("перша"));
    label(15)->setText(QStringLiteral("друга"));
    label(16)->setText(QStringLiteral("третя"));
    AddGroupItem({edit(4), edit(5), edit(6)}, {N(u * a), N(u * b), N(u * c)}, {label(14), label(15), label(16)});
}

void TForm8::DrawProblem5() {
    const int cards = 2 * (Random(5) + 5);
    const int first = DrawCategory(39, 10);
    int second;
    do second = DrawCategory(39, 10);
    while (second == first);
    auto event = [](int kind) {
        switch (kind) {
            case 1: return QStringLiteral("парне число");
            case 2: return QStringLiteral("число кратне ") + N(3);
            case 3: return QStringLiteral("число кратне ") + N(5);
            default: return QStringLiteral("непарне число");
        }
    };
    auto count = [cards](int kind) {
        switch (kind) {
            case 2: return cards / 3;
            case 3: return cards / 5;
            default: return cards / 2;  // as many even cards as odd ones
        }
    };
    label(17)->setText(QStringLiteral("5. У коробці лежать ") + N(cards) +
                       QStringLiteral(" карток, пронумерованих числами від 1 до ") + N(cards) +
                       QStringLiteral(". Яка ймовірність того, що"));
    label(18)->setText(QStringLiteral("на навмання вибраній картці буде написано 1) ") + event(first) +
                       QStringLiteral("           "));
    label(19)->setText(QStringLiteral("2) ") + event(second));
    AddGroupItem({edit(7), edit(8)}, Texts(LowestTerms(count(first), cards)), {label(20), label(21)});
    AddGroupItem({edit(9), edit(10)}, Texts(LowestTerms(count(second), cards)), {label(22), label(23)});
}

void TForm8::DrawProblem6() {
    int k;
    do k = Random(8) + 2;
    while (k == 5);
    std::array<int, 4> x{};
    for (int i = 0; i < 4; ++i) {
        bool again;
        do {
            x[i] = Random(89) + 10;
            again = x[i] % 5 == 0;
            for (int j = 0; j < i; ++j) again = again || x[j] == x[i];
        } while (again);
    }
    // m and n are Latin letters.
    label(24)->setText(QStringLiteral("6. Заповніть таблицю, якщо величина m прямо пропорційна величині n:"));
    // The given cells, filled in and out of the pupil's reach.
    const struct { int box; QString text; } given[] = {
        {11, QStringLiteral("m")}, {12, TenthsText(x[0])},     {13, TenthsText(x[1])},     {15, TenthsText(x[3])},
        {16, QStringLiteral("n")}, {18, TenthsText(k * x[1])}, {19, TenthsText(k * x[2])},
    };
    for (const auto& g : given) {
        edit(g.box)->setText(g.text);
        edit(g.box)->setEnabled(false);
    }
    AddEditItem(edit(17), TenthsText(k * x[0]), label(25));
    AddEditItem(edit(14), TenthsText(x[2]), label(26));
    AddEditItem(edit(20), TenthsText(k * x[3]), label(27));
}

void TForm8::DrawProblem7() {
    primes_.Clear();
    const int c = primes_.Fresh(39, 10);
    const int d = primes_.Fresh(39, 10);
    const int e = primes_.Fresh(39, 30), f = primes_.Fresh(39, 30);
    const int g = Random(5) + 5;
    const int m = c * e * g, n = d * e * g, q = f * d * g;
    // m, n, i, q and a are Latin letters.
    label(28)->setText(QStringLiteral("7. Поділіть число ") + N(m + n + q) +
                       QStringLiteral(" на три частини m, n i q так, щоб  m:n=") + N(c) + QStringLiteral(":") + N(d) +
                       QStringLiteral(", a n:q=") + N(e) + QStringLiteral(":") + N(f));
    label(29)->setText(QStringLiteral("m"));
    label(30)->setText(QStringLiteral("n"));
    label(31)->setText(QStringLiteral("q"));
    AddGroupItem({edit(21), edit(22), edit(23)}, {N(m), N(n), N(q)}, {label(29), label(30), label(31)});
}

// ---- the paper's arrangement ----

void TForm8::LayOut() {
    PaperRow row(*this, 20, 90);
    row.text(label(3));
    row.line(40, 135).text(label(4)).box(edit(1), 80, label(5));
    row.line(20, 205).text(label(6));
    // The π badge stands right above the "п" that means π, clear of the text.
    const QString circle = label(6)->text();
    const int letter = int(circle.indexOf(QStringLiteral("число п"))) + 6;
    const int centre = (EndOf(*this, label(6), circle.left(letter), kFont) +
                        EndOf(*this, label(6), circle.left(letter + 1), kFont)) / 2;
    setBounds(image(1), centre - 17, 205 - 34, 34, 34);
    row.line(40, 250).text(label(7)).box(edit(2), 80, label(8));
    row.line(20, 320).text(label(9));
    row.line(40, 365).text(label(10)).box(edit(3), 80, label(11));
    row.line(20, 435).text(label(12));
    row.line(40, 480).text(label(13));
    for (int i = 0; i < 3; ++i) row.tag(label(14 + i), 56).box(edit(4 + i), 60).space(4);
    row.line(20, 560).text(label(17));
    row.line(40, 615).text(label(18), {1}).boxes(nullptr, edit(7), edit(8), image(2), nullptr, label(20), label(21));
    row.text(label(19)).boxes(nullptr, edit(9), edit(10), image(3), nullptr, label(22), label(23));

    // The table: two rows of five boxes, each answer label under its box.
    row.line(20, 705).text(label(24));
    for (int col = 0; col < 5; ++col) {
        const int left = 60 + col * (kCell + 6);
        setBounds(edit(11 + col), left, 745, kCell, PaperRow::kBoxHeight);
        setBounds(edit(16 + col), left, 790, kCell, PaperRow::kBoxHeight);
    }
    const struct { int answer, box, top; } under[] = {{25, 17, 815}, {26, 14, 770}, {27, 20, 815}};
    for (const auto& u : under) {
        label(u.answer)->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        setBounds(label(u.answer), designRect(edit(u.box)).left(), u.top, kCell, 15);
    }

    row.line(20, 860).text(label(28));
    row.line(40, 905);
    for (int i = 0; i < 3; ++i) row.tag(label(29 + i), 50).box(edit(21 + i), 70).space(4);
}
