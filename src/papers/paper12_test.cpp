#include <gtest/gtest.h>

#include "papers/line_layout.h"
#include "papers/paper12.h"
#include "papers/paper_oracle.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

using namespace oracle;

namespace {
const std::vector<int> kWorkedPaper = {
    10, 0, 30, 0, 12,  // item 1: m = 1 3/7; y = 13,1 − 2,1 = 11,0 is drawn again: (-11,3+9,2)
    20, 10, 0,         // item 2: divisor 1 3/8, q = 2: s = 20, t = 9 over 16
    0, 1, 2, 2,        // items 3 and 4: p = 5, n = 3, k = 4, L = 240
    5, 10, 9,          // items 5 and 6: 100 and 25 kg, 10 taken, 65 added
    10, 40,            // item 7: b = 7, t = 5 becomes 6
};

std::unique_ptr<TForm13> WorkedPaper() {
    ScriptedRandom random(kWorkedPaper);
    auto paper = CreateScreen<TForm13>();
    EXPECT_TRUE(random.exhausted()) << "drew " << random.used() << " values";
    return paper;
}

QString Text(const TForm13& p, int n) { return p.label(n)->text(); }

const QStringList kRightAnswers = {"-3", "-", "1", "2", "144", "360", "100", "25"};
}  // namespace

TEST(Test12, TheWorkedPaperMarkedUntouchedThenAnswered) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = WorkedPaper();
    EXPECT_EQ(Text(*p, 1), "Контрольна робота №12");
    EXPECT_EQ(Text(*p, 3), "1. Знайдіть значення виразу: 1)  (-11,3+9,2)    1         =");
    EXPECT_EQ(Text(*p, 7), "; 2) (1       -        ):(-1      )=");
    QStringList fractions;
    for (int n : {4, 5, 8, 9, 10, 11, 12, 13}) fractions << Text(*p, n);
    EXPECT_EQ(fractions, QStringList({"3", "7", "1", "4", "9", "16", "3", "8"}));
    EXPECT_EQ(Text(*p, 17), "2. Дріт розрізали на три частини. Довжина однієї частини дорівнювала 240м. Довжина другої ");
    EXPECT_EQ(Text(*p, 18), "частини становила        довжини першої частини і 40% довжини третьої частини. Знайдіть");
    EXPECT_EQ(QStringList({Text(*p, 19), Text(*p, 20)}), QStringList({"3", "5"}));
    EXPECT_EQ(Text(*p, 21), "довжини другої і третьої частини.     Відповідь:");
    EXPECT_EQ(Text(*p, 24), "3. У першому ящику було в 4 рази більше мандаринів, ніж у другому. Коли з першого ящика");
    EXPECT_EQ(Text(*p, 25), "взяли 10 кг мандаринів, а в другий поклали ще 65 кг, то в обох ящиках мандаринів стало порівну.");
    EXPECT_EQ(Text(*p, 26), "Скільки кілограмів мандаринів було в кожному ящику спочатку?   Відповідь:");
    // "Х-довільне" begins with a Cyrillic Х; the X of the equation is Latin.
    EXPECT_EQ(Text(*p, 29), "4. Розв`яжіть рівняння: 1,4(5X-6)=2-(10,4-7X)     X=                 Немає коренів     Х-довільне");
    EXPECT_EQ(QStringList({Text(*p, 22), Text(*p, 23), Text(*p, 27), Text(*p, 28)}),
              QStringList({"Друга частина", "Третя частина", "Перший ящик", "Другий ящик"}));
    EXPECT_EQ(p->image(1)->pictureName(), "kr\\umn.bmp");
    EXPECT_EQ(p->image(7)->pictureName(), "kr\\chdr4.bmp");
    EXPECT_EQ(p->itemCount(), 7);
    // CheckBox1, the one that scores, stands under "Х-довільне", CheckBox2 under "Немає коренів".
    const QString line = Text(*p, 29);
    const int left = p->designRect(p->label(29)).left();
    auto centre = [&](int box) { return p->designRect(p->checkBox(box)).center().x(); };
    const int any = left + TextWidth(line.left(line.indexOf(QStringLiteral("Х-довільне"))), 18);
    const int none = left + TextWidth(line.left(line.indexOf(QStringLiteral("Немає"))), 18);
    EXPECT_GT(centre(1), any);
    EXPECT_LT(centre(1), left + TextWidth(line, 18));
    EXPECT_GT(centre(2), none);
    EXPECT_LT(centre(2), any);

    clock.advance(30);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 7);
    EXPECT_EQ(Text(*p, 2), "Помилок 100%");
    const int labels[] = {6, 14, 15, 16, 22, 23, 27, 28};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Text(*p, labels[i]), kRightAnswers[i]) << labels[i];
    for (int n = 1; n <= 9; ++n) EXPECT_TRUE(IsRed(p->edit(n)) && !p->edit(n)->isEnabled()) << n;
    EXPECT_TRUE(IsRed(p->checkBox(1)) && IsRed(p->checkBox(2)) && !p->checkBox(1)->isEnabled());
    EXPECT_FALSE(p->button(2)->isEnabled());
    EXPECT_EQ(folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 100% час виконання 30 c К.р.№12 Ваpіант № + "});

    // Item 7 looks only at CheckBox1; item 1 needs its minus, item 2 exactly "-" and "1".
    const struct { QString e1, e2, e3; bool tick1, tick2; QString root; int errors; } cases[] = {
        {"-3", "-", "1", true, false, "", 0},    {"-3", "-", "1", true, true, "7", 0},
        {"3", "-0", "1", true, false, "", 2},    {"-3", "-", "01", false, true, "", 2},
    };
    for (const auto& c : cases) {
        const auto q = WorkedPaper();
        for (int i = 0; i < 8; ++i) Type(q->edit(i + 1), kRightAnswers[i]);
        Type(q->edit(1), c.e1);
        Type(q->edit(2), c.e2);
        Type(q->edit(3), c.e3);
        Type(q->edit(9), c.root);
        if (c.tick1) Click(q->checkBox(1));
        if (c.tick2) Click(q->checkBox(2));
        Click(q->button(2));
        EXPECT_EQ(q->errorCount(), c.errors) << c.e1.toStdString() << c.e2.toStdString() << c.e3.toStdString();
        EXPECT_EQ(IsRed(q->checkBox(1)), !c.tick1);
    }
}

TEST(Test12, OracleRightAnswersScoreZero) {
    TempDataFolder folder;
    FakeClock clock;
    for (int seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm13>();
        auto d = [&](int label) {
            QList<Q> values;
            for (const QString& t : Decimals(Text(*p, label))) values << ReadDecimal(t);
            return values;
        };
        auto whole = [&](int n) { return Text(*p, n).toLongLong(); };
        auto frac = [&](int n) { return Q(whole(n), whole(n + 1)); };
        // Item 1: "1." "1)" x y whole.
        const auto l3 = d(3);
        const Q v1 = (Q(0) - l3[2] + l3[3]) * (l3[4] + frac(4));
        ASSERT_EQ(v1.d, 1);
        Type(p->edit(1), Decimal(v1));
        // Item 2: (W1 N1/D1 − N2/D2) : (−(W3 N3/D3)).
        const auto l7 = d(7);
        const Q w1 = l7.size() == 3 ? l7[1] : Q(0), w3 = l7.back();
        const Q v2 = (w1 + frac(8) - frac(10)) / (Q(0) - (w3 + frac(12)));
        const QStringList boxes = Mixed(v2);
        ASSERT_EQ(boxes.value(0), "-");
        for (int i = 0; i < 3; ++i) Type(p->edit(2 + i), boxes[i]);
        // The wire: second = L·n/p, which is k·10 % of the third.
        const Q L = d(17)[1], second = L * frac(19), third = second / (d(18)[0] / Q(100));
        ASSERT_TRUE(second.d == 1 && third.d == 1);
        Type(p->edit(5), Decimal(second));
        Type(p->edit(6), Decimal(third));
        // Mandarins: m·s − take = s + add.
        const Q m = d(24)[1], take = d(25)[0], add = d(25)[1];
        const Q s = (take + add) / (m - Q(1));
        ASSERT_EQ(s.d, 1);
        Type(p->edit(7), Decimal(m * s));
        Type(p->edit(8), Decimal(s));
        // Item 7: both sides agree at two points, so for every X.
        const QString text = Text(*p, 29);
        const int from = int(text.indexOf(QStringLiteral(": "))) + 2;
        const QStringList sides = text.mid(from, text.indexOf(QStringLiteral("     X=")) - from).split(u'=');
        for (int x = 0; x <= 1; ++x) {
            bool ok1 = false, ok2 = false;
            const Q lhs = Expression(sides[0], u'X', x, u'Z', 0).value(&ok1);
            const Q rhs = Expression(sides[1], u'X', x, u'Z', 0).value(&ok2);
            ASSERT_TRUE(ok1 && ok2 && lhs == rhs) << text.toStdString();
        }
        Click(p->checkBox(1));

        Click(p->button(2));
        QString red;
        for (int n = 1; n <= 9; ++n)
            if (IsRed(p->edit(n))) red += QStringLiteral(" Edit%1 %2").arg(n).arg(p->edit(n)->text());
        ASSERT_EQ(p->errorCount(), 0) << red.toStdString();
    }
}
