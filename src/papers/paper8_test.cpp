#include <gtest/gtest.h>

#include "papers/paper8.h"
#include "papers/paper_oracle.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

using namespace oracle;

namespace {
// Every draw of the worked paper, in order, item 11 apart.
const std::vector<int> kUpToItem11 = {
    10, 5, 12,        // item 1: a = 20 is drawn again, then 1,5 and 6,2
    13, 21,           // item 2: 2,3 and 7,1
    24, 47,           // item 3: 3,4 and 5,7
    35,               // item 4: 4,5
    2, 48,            // item 5: 1,2 and 9,8
    23, 35,           // item 6: 12,3 and 4,5
    11, 56,           // item 7: 2,1 and 25,6
    112, 245,         // item 8: 7,12 and 3,45
    2, 1,             // item 9: k = 7, l = 2
    10, 20, 10,       //   p = 5; the index of 5 again, then 3: D = 15
    1, 4, 6,          //   n = 2; s = 5 divides 15 and is drawn again: s = 7
    1, 1, 3, 2, 5,    // item 10: A = 6, B = 6 again, then 8, C = 12, E = 25
};
const std::vector<int> kWorkedItem11 = {
    1, 3, 2,          // item 11: w1 = 4, w2 = 5, w3 = 3
    0, 10, 20,        //   P = 2·3, Q = 5
    0, 0, 0, 0, 10,   //   R = 2·2, S = 2·2·3
    0,                //   T = 2
    1, 0, 2, 0, 4,    //   a = 2 shares 2 with 6, then 1; b = 3; c = 1; d = 5; e needs no draw
};
// Item 11 worth nothing: (3 1/4) + (2 1/3) + 1/12 − (5 1/6 + 1/2) = 0.
const std::vector<int> kZeroItem11 = {
    0, 0, 4,          // w1 = 3, w2 = 2, w3 = 5
    0, 0, 10,         //   P = 2·2, Q = 3
    0, 10, 0, 0, 10,  //   R = 2·3, S = 2·2·3
    0,                //   T = 2
    0, 0, 0, 0,       //   a, b, c, d = 1; e needs no draw
};
const std::vector<int> kAfterItem11 = {
    23, 356, 2, 5, 10, 3,  // problem 4
    2,                     // problem 5: t = 2
    30, 2, 0,              // problem 6: |X-3| = 5
};

std::unique_ptr<TForm10> WorkedPaper(const std::vector<int>& item11 = kWorkedItem11) {
    std::vector<int> script = kUpToItem11;
    script.insert(script.end(), item11.begin(), item11.end());
    script.insert(script.end(), kAfterItem11.begin(), kAfterItem11.end());
    ScriptedRandom random(script);
    auto paper = CreateScreen<TForm10>();
    EXPECT_TRUE(random.exhausted()) << "drew " << random.used() << " values";
    return paper;
}

QString Text(const TForm10& p, int n) { return p.label(n)->text(); }

void TypeAll(TForm10& p, const QStringList& answers) {
    for (int i = 0; i < answers.size(); ++i) Type(p.edit(i + 1), answers[i]);
}

const QStringList kRightAnswers = {"-4,7", "4,8", "-9,1", "0", "-8,6", "-16,8", "23,5", "-3,67", "-4", "14", "15",
                                   "3", "6", "13", "30", "61", "61", "8", "-8"};
}  // namespace

TEST(Test8, TheWorkedPaperMarkedUntouchedThenAnswered) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = WorkedPaper();
    EXPECT_EQ(Text(*p, 1), "Контрольна робота №8");
    EXPECT_EQ(Text(*p, 3), "1. Виконайте дії: 1)  1,5+(-6,2)=            2)  -2,3+7,1=            3)  -3,4+(-5,7)=");
    EXPECT_EQ(Text(*p, 7), "4)  -4,5+4,5=          5) 1,2-9,8=             6)  -12,3-4,5=             7)  -2,1-(-25,6)=");
    EXPECT_EQ(Text(*p, 12), "2. Знайдіть корінь рівняння:  1)  7,12+X=3,45;   X=             2)  -7        -Y= -2       ;  Y=");
    EXPECT_EQ(QStringList({Text(*p, 14), Text(*p, 15), Text(*p, 16), Text(*p, 17)}), QStringList({"2", "5", "7", "15"}));
    EXPECT_EQ(Text(*p, 21), "3. Обчисліть:  1) 6+(-8)-(-12)-(-6)+12-25=           2) 4       -(-5      )+(-      )-(-        )-3      =");
    QStringList fractions;
    for (int n = 23; n <= 32; ++n) fractions << Text(*p, n);
    EXPECT_EQ(fractions, QStringList({"1", "6", "3", "5", "1", "4", "5", "12", "1", "2"}));
    // "а=" begins with a Cyrillic а.
    EXPECT_EQ(Text(*p, 36), "4. Порівняйте: 1) а=-1,23;  b=-4,56   (a+b)          (a-b);  2) c=-12;  d=55; m=-60; n=13  (c+d)         (m+n)");
    EXPECT_EQ(Text(*p, 37), "5. Скільки цілих чисел розташовано на координатній прямій між числами -30 та 32? Чому ");
    // The C of "Cкільки" is Latin.
    EXPECT_EQ(Text(*p, 38), "дорівнює їх сума?     Cкільки чисел =          Сума чисел=");
    EXPECT_EQ(Text(*p, 41), "6. Розв`яжіть рівняння:     X  -3  =5       X  =");
    EXPECT_EQ(QStringList({Text(*p, 42), Text(*p, 43), Text(*p, 44)}), QStringList({"1", "X  =", "2"}));
    EXPECT_EQ(p->image(1)->pictureName(), "kr\\chdr4.bmp");
    EXPECT_EQ(p->image(9)->pictureName(), "kr\\chdr2.bmp");
    EXPECT_EQ(p->image(13)->pictureName(), "kr\\mod.bmp");
    EXPECT_EQ(p->itemCount(), 17);

    clock.advance(640);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 17);
    EXPECT_EQ(Text(*p, 2), "Помилок 100%");
    EXPECT_TRUE(IsYellow(p->label(2)));
    for (int n = 1; n <= 19; ++n) EXPECT_TRUE(IsRed(p->edit(n)) && !p->edit(n)->isEnabled()) << n;
    EXPECT_TRUE(IsRed(p->comboBox(1)) && IsRed(p->comboBox(2)));
    EXPECT_FALSE(p->button(2)->isEnabled());
    const int labels[] = {4, 5, 6, 8, 9, 10, 11, 13, 18, 19, 20, 22, 33, 34, 35, 39, 40, 45, 46};
    for (int i = 0; i < 19; ++i) EXPECT_EQ(Text(*p, labels[i]), kRightAnswers[i]) << labels[i];
    EXPECT_EQ(folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 100% час виконання 640 c К.р.№8 Ваpіант № + "});
    // The same line as the teacher's Notepad reads it, byte by byte from the Windows-1251 table
    // (c and the p of "Ваpіант" are Latin; і b3, № b9), then CR LF.
    const QByteArray logLine = QByteArray::fromHex(
        "e4e0f2e0 20 30382e31322e32303236 20 f7e0f1 20 efeef7e0f2eaf3 20 393a30353a3033 20 efeeece8ebeeea 20 31303025"
        " 20 f7e0f1 20 e2e8eaeeede0ededff 20 363430 20 63 20 ca2ef02eb938 20 c2e070b3e0edf2 20 b9 20 2b 20 0d0a");
    EXPECT_EQ(folder.bytes("stat.txt").toHex(' '), logLine.toHex(' '));

    // The same paper answered: the roots in either order, the same root twice.
    const struct { QString root1, root2, shown2; int errors; } pairs[] = {
        {"8", "-8", "", 0}, {"-8", "8", "", 0}, {"8", "8", "", 0}, {"-8", "x", "8", 1}, {"8", "", "-8", 1}};
    for (const auto& pair : pairs) {
        const auto q = WorkedPaper();
        TypeAll(*q, kRightAnswers);
        Choose(q->comboBox(1), 1);
        Choose(q->comboBox(2), 0);
        Type(q->edit(18), pair.root1);
        Type(q->edit(19), pair.root2);
        Click(q->button(2));
        EXPECT_EQ(q->errorCount(), pair.errors) << pair.root1.toStdString() << " " << pair.root2.toStdString();
        EXPECT_EQ(Text(*q, 46), pair.shown2);
    }
    // Item 4 takes only "0"; the other items compare exact texts.
    const auto r = WorkedPaper();
    TypeAll(*r, kRightAnswers);
    Type(r->edit(4), "-0");
    Type(r->edit(1), "-4.7");
    Type(r->edit(9), "4");
    Click(r->button(2));
    EXPECT_EQ(r->errorCount(), 5);  // three slips and the two lists
    EXPECT_EQ(Text(*r, 2), "Помилок 29%");

    // Item 11 worth nothing is a whole part "0" with the fraction boxes empty; left untouched it is wrong.
    for (const QString whole : {"", "0"}) {
        const auto z = WorkedPaper(kZeroItem11);
        QStringList fractions;
        for (int n = 23; n <= 32; ++n) fractions << Text(*z, n);
        ASSERT_EQ(fractions, QStringList({"1", "4", "1", "3", "1", "6", "1", "12", "1", "2"}));
        TypeAll(*z, kRightAnswers.mid(0, 12));
        Type(z->edit(13), whole);
        Click(z->button(2));
        EXPECT_EQ(IsRed(z->edit(13)), whole.isEmpty());
        EXPECT_EQ(QStringList({Text(*z, 33), Text(*z, 34), Text(*z, 35)}),
                  whole.isEmpty() ? QStringList({"0", "", ""}) : QStringList({"", "", ""}));
    }
}

// Thousands of papers read back from the screen and solved here with exact fractions.
TEST(Test8, OracleRightAnswersScoreZero) {
    TempDataFolder folder;
    FakeClock clock;
    int negativeProper = 0;
    for (int seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm10>();
        auto d = [&](int label) {
            QList<Q> values;
            for (const QString& t : Decimals(Text(*p, label))) values << ReadDecimal(t);
            return values;
        };
        // Problem 1.
        const auto l3 = d(3), l7 = d(7);  // the item numbers are read too
        Type(p->edit(1), Decimal(l3[2] - l3[3]));
        Type(p->edit(2), Decimal(Q(0) - l3[5] + l3[6]));
        Type(p->edit(3), Decimal(Q(0) - l3[8] - l3[9]));
        Type(p->edit(4), Decimal(Q(0) - l7[1] + l7[2]));
        Type(p->edit(5), Decimal(l7[4] - l7[5]));
        Type(p->edit(6), Decimal(Q(0) - l7[7] - l7[8]));
        Type(p->edit(7), Decimal(Q(0) - l7[10] + l7[11]));
        // Problem 2: 1) a + X = b; 2) −(k + n/p) − Y = −(l + s/D).
        const auto l12 = d(12);
        Type(p->edit(8), Decimal(l12[3] - l12[2]));
        auto whole = [&](int n) { return Text(*p, n).toLongLong(); };
        const Q y = Q(0) - (l12[5] + Q(whole(14), whole(15))) + (l12[6] + Q(whole(16), whole(17)));
        const QStringList boxes9 = Mixed(y);
        ASSERT_FALSE(boxes9[1].isEmpty());
        for (int i = 0; i < 3; ++i) Type(p->edit(9 + i), boxes9[i]);
        // Problem 3.
        const auto l21 = d(21);
        const Q item10 = l21[2] - l21[3] + l21[4] + l21[5] + l21[6] - l21[7];
        Type(p->edit(12), Decimal(item10));
        auto frac = [&](int n) { return Q(whole(n), whole(n + 1)); };
        const Q v = (l21[9] + frac(23)) + (l21[10] + frac(25)) - frac(27) + frac(29) - (l21[11] + frac(31));
        const QStringList boxes11 = Mixed(v);
        if (v.n < 0 && v.n > -v.d) ++negativeProper;
        for (int i = 0; i < 3; ++i) Type(p->edit(13 + i), boxes11[i]);
        // Problem 4.
        const auto l36 = d(36);
        const Q a = Q(0) - l36[2], b = Q(0) - l36[3];
        const Q c = Q(0) - l36[5], dd = l36[6], m = Q(0) - l36[7], n = l36[8];
        const Q ab = (a + b) - (a - b), cm = (c + dd) - (m + n);
        ASSERT_TRUE(ab.n < 0 && cm.n > 0);
        Choose(p->comboBox(1), 1);
        Choose(p->comboBox(2), 0);
        // Problem 5: the integers strictly between the bounds, counted and summed.
        const auto l37 = d(37);
        const long long lo = -l37[1].n, hi = l37[2].n;
        long long count = 0, sum = 0;
        for (long long x = lo + 1; x < hi; ++x) ++count, sum += x;
        Type(p->edit(16), QString::number(count));
        Type(p->edit(17), QString::number(sum));
        // Problem 6: |X| + shift = v, roots typed in either order.
        static const QRegularExpression eq(QStringLiteral("X  ([-+]\\d)  =(\\d)"));
        const auto match = eq.match(Text(*p, 41));
        ASSERT_TRUE(match.hasMatch());
        const long long shift = match.captured(1).toLongLong(), value = match.captured(2).toLongLong();
        const long long roots[] = {value - shift, shift - value};
        Type(p->edit(18), QString::number(roots[seed % 2]));
        Type(p->edit(19), QString::number(roots[1 - seed % 2]));

        Click(p->button(2));
        QString red;
        for (int n = 1; n <= 19; ++n)
            if (IsRed(p->edit(n))) red += QStringLiteral(" Edit%1 %2").arg(n).arg(p->edit(n)->text());
        ASSERT_EQ(p->errorCount(), 0) << red.toStdString() << "\n" << Text(*p, 3).toStdString() << "\n" << Text(*p, 12).toStdString() << "\n"
                                      << Text(*p, 21).toStdString();
    }
    EXPECT_GT(negativeProper, 0);
}
