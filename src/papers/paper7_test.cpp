#include <QRegularExpression>
#include <gtest/gtest.h>
#include <numeric>
#include <tuple>

#include "datagen/papers_paper7.h"
#include "papers/paper7.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
// The value Random(m) must return for Trunc((Random(m) + b) / 10) to give v.
int Cat(int v, int b) { return 10 * v - b; }

// Every draw of the worked paper, in order; the sums of problem 3 may be changed.
struct PaperScript {
    std::vector<int> part1 = {Cat(1, 10), Cat(1, 10), Cat(2, 10), Cat(3, 10), 0, 4};  // 1/6 + 5/10 (2 redrawn)
    std::vector<int> part2 = {1, 0, Cat(3, 30), Cat(1, 10), Cat(2, 10), 2, 6};        // 7 3/10 - 1 7/15

    std::vector<int> values() const {
        std::vector<int> v = {0, 10, 7, 1, 0, 1};  // picture 1; x 60 redrawn, 57; y 11; u 21; v 25
        v.insert(v.end(), part1.begin(), part1.end());
        v.insert(v.end(), part2.begin(), part2.end());
        // 57 and 40; x 10 redrawn, 35, y 72; 19; a 3, b 4, c 5, e 6; p 7, b 2 (between -4/7 and -3/7).
        v.insert(v.end(), {47, 30, 0, 25, 62, 9, 2, 3, 0, 5, Cat(4, 40), 2});
        return v;
    }
};

std::unique_ptr<TForm9> ScriptedPaper(const PaperScript& script = {}) {
    ScriptedRandom random(script.values());
    auto paper = CreateScreen<TForm9>();
    EXPECT_TRUE(random.exhausted()) << "drew " << random.used() << " values";
    return paper;
}

QString Text(const TForm9& p, int label) { return p.label(label)->text(); }

// A number as the row pictures write it ("-4 1/2", "0,75", "-3/4", "12"), exactly.
struct Exact {
    long long num, den;
};
Exact Parse(const QString& text) {
    const bool negative = text.startsWith(u'-');
    const QString body = negative ? text.mid(1) : text;
    Exact e{0, 1};
    if (body.contains(u'/')) {  // "a/b" or "w a/b"
        e.den = body.section(u'/', 1).toLongLong();
        const QString left = body.section(u'/', 0, 0);
        e.num = left.section(u' ', -1).toLongLong() + (left.contains(u' ') ? left.section(u' ', 0, 0).toLongLong() * e.den : 0);
    } else {  // "12" or "0,75"
        const QString decimals = body.section(u',', 1);
        for (int i = 0; i < decimals.size(); ++i) e.den *= 10;
        e.num = body.section(u',', 0, 0).toLongLong() * e.den + decimals.toLongLong();
    }
    return {negative ? -e.num : e.num, e.den};
}

// The kinds table of the paper, as the teacher's key gives it.
const char* const kKindTable[10] = {
    "N Z- 0 P F- P P P N Z- F-", "Z- N P P P Z- F- F- 0 F- N", "P P P F- Z- 0 N P N F- P",
    "P P N P F- N 0 Z- Z- P P",  "P N Z- N P N Z- 0 N F- N",   "N P Z- N P P P F- N 0 Z-",
    "F- Z- P N N Z- P N N F- 0", "Z- F- N Z- P N P P 0 N P",   "0 P F- N F- N Z- P P P N",
    "N 0 F- N P F- N N Z- P P",
};

QString KindOf(Exact e) {
    const bool integer = e.num % e.den == 0;
    return e.num == 0 ? "0" : e.num > 0 ? (integer ? "N" : "P") : (integer ? "Z-" : "F-");
}

// What a pupil who reads the picture ticks, row by row: natural, integer, positive,
// negative integer, negative non-integer.
bool Ticks(Exact e, int row) {
    static const QStringList kRows = {"N", "N 0 Z-", "N P", "Z-", "F-"};
    return kRows[row - 1].split(' ').contains(KindOf(e));
}

void TickWhatThePictureShows(TForm9& p, int picture) {
    const auto& numbers = Paper7Numbers(picture);
    for (int row = 1; row <= 5; ++row)
        for (int column = 0; column < 11; ++column)
            if (Ticks(Parse(QString::fromUtf16(numbers[size_t(column)])), row))
                Click(p.checkBox(11 * (row - 1) + column + 1));
}

int PictureOf(const TForm9& p) {
    return p.image(1)->pictureName().section(u't', -1).section(u'.', 0, 0).toInt();
}

QList<long long> NumbersIn(const QString& text) {
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QList<long long> numbers;
    for (auto it = number.globalMatch(text); it.hasNext();) numbers << it.next().captured().toLongLong();
    return numbers;
}

// "-0,ddd": three decimals of n/d, truncated, computed here on their own.
QString Thousandths(long long n, long long d) {
    const long long t = n * 1000 / d;
    return QString("-%1,%2").arg(t / 1000).arg(t % 1000, 3, 10, QChar('0'));
}

int RedCount(const TForm9& p) {
    int red = 0;
    for (QWidget* w : p.controls()) red += IsRed(w) ? 1 : 0;
    return red;
}
}  // namespace

TEST(Test7, EveryRowPictureShowsNumbersOfTheKindsItsTicksExpect) {
    for (int picture = 1; picture <= 10; ++picture) {
        const QStringList kinds = QString(kKindTable[picture - 1]).split(' ');
        for (int column = 0; column < 11; ++column) {
            const QString shown = QString::fromUtf16(Paper7Numbers(picture)[size_t(column)]);
            const Exact e = Parse(shown);
            EXPECT_EQ(KindOf(e), kinds[column]) << "t" << picture << ".bmp: " << shown.toStdString();
            // The paper's key says the same as the picture.
            for (int row = 1; row <= 5; ++row)
                EXPECT_EQ(TForm9::ShouldTick(TForm9::RowKinds(picture)[size_t(column)], row), Ticks(e, row))
                    << picture << " " << column << " " << row;
        }
    }
}

TEST(Test7, DrawsTheWorkedPaperWithItsExactTextsAndPictures) {
    TempDataFolder folder;
    FakeClock clock;
    ErrorRecorder errors;
    const auto p = ScriptedPaper();
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join(" | ").toStdString();
    EXPECT_EQ(Text(*p, 1), "Контрольна робота №7");
    EXPECT_EQ(p->button(1)->text(), "Повернення");
    EXPECT_EQ(p->button(2)->text(), "Перевірка");
    EXPECT_FALSE(Shown(p->button(3)));
    EXPECT_EQ(Text(*p, 3), "1. Виберіть серед чисел");
    // The apostrophes are grave accents.
    const QStringList captions{"натуральні", "цілі", "додатні", "цілі від`ємні", "дробові від`ємні"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Text(*p, 4 + i), captions[i]);
    EXPECT_EQ(Text(*p, 9), "2. Порівняйте числа:   1) -5,7          1,1     2) -2,1         -2,5");
    EXPECT_EQ(Text(*p, 10), "3. Обчисліть:  1)           +  -           =                     2)      -              -   -");
    const QStringList fractions{"1", "6", "5", "10"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Text(*p, 11 + i), fractions[i]);
    EXPECT_EQ(Text(*p, 20), "7");
    EXPECT_EQ(Text(*p, 21), "1           =");
    EXPECT_EQ(Text(*p, 18) + "/" + Text(*p, 19) + " " + Text(*p, 22) + "/" + Text(*p, 23), "3/10 7/15");
    // "Х" of "значення Х" and "-Х" is Cyrillic; both "X=" are Latin.
    EXPECT_EQ(Text(*p, 27), "4. Знайдіть значення Х якщо:  1)  -Х=-57;  X=           2) -(-X)=4,0;     X=");
    EXPECT_EQ(Text(*p, 30), "5. Розв`яжіть рівняння:  1)  Х =35;");  // Cyrillic Х
    EXPECT_EQ(Text(*p, 31), "-35  35  немає коренів     2)  X =-7,2;     -7,2  7,2  немає коренів");  // Latin X
    EXPECT_EQ(Text(*p, 32), "6. Знайдіть найбільше ціле значення Х, при якому є правильною нерівність X    -19;  X=");
    EXPECT_EQ(Text(*p, 34), "7. Яку цифру можна поставити замість зірочки, щоб утворилась правильна нерівність (розглянути");
    EXPECT_EQ(Text(*p, 35), "всі можливі випадки): -3,4*7>-3,456");
    EXPECT_EQ(Text(*p, 36), "0        1        2       3       4        5       6       7        8       9");
    EXPECT_EQ(Text(*p, 37), "8. Знайдіть два числа, кожне з яких менше за  -        ,  але більше від  -               -           ;  -");
    EXPECT_EQ(Text(*p, 38) + "/" + Text(*p, 39) + " " + Text(*p, 40) + "/" + Text(*p, 41), "3/7 4/7");
    for (int n : {2, 15, 16, 17, 24, 25, 26, 28, 29, 33, 42, 43}) EXPECT_EQ(Text(*p, n), "") << n;
    EXPECT_EQ(p->itemCount(), 80);

    EXPECT_EQ(p->image(1)->pictureName(), "kr\\t1.bmp");
    EXPECT_EQ(p->image(20)->pictureName(), "kr\\ner.bmp");
    for (int n : {2, 3, 10, 13, 21, 22}) EXPECT_EQ(p->image(n)->pictureName(), "kr\\chdr4.bmp") << n;
    for (int n : {8, 15, 23, 24}) EXPECT_EQ(p->image(n)->pictureName(), "kr\\chdr2.bmp") << n;
    for (int n : {4, 5, 6, 7, 9, 11, 12, 14, 16, 17, 18, 19}) EXPECT_EQ(p->image(n)->pictureName(), "kr\\mod.bmp") << n;
    for (int picture = 2; picture <= 10; ++picture)
        EXPECT_TRUE(folder.exists(QString("kr\\t%1.bmp").arg(picture))) << picture;
}

TEST(Test7, AnUntouchedPaperMarkedAtOnce) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();
    clock.advance(300);
    Click(p->button(2));
    // Picture 1 wants 17 ticks, problem 5 three, problem 7 (c = 5) five; both lists,
    // the two sums, the three answer boxes and both fraction pairs are wrong.
    EXPECT_EQ(p->errorCount(), 17 + 3 + 5 + 2 + 2 + 3 + 2);
    EXPECT_EQ(Text(*p, 2), "Помилок 42%");  // 34 of 80: 42.5, truncated
    EXPECT_TRUE(IsYellow(p->label(2)));
    EXPECT_EQ(RedCount(*p), 17 + 3 + 5 + 2 + 6 + 3 + 4);
    for (int box : {62, 63, 64, 65, 66}) EXPECT_TRUE(IsRed(p->checkBox(box))) << box;
    EXPECT_FALSE(IsRed(p->checkBox(67)));
    // 1/6 + 5/10 = 2/3: no whole part.
    EXPECT_EQ(Text(*p, 15) + "|" + Text(*p, 16) + "|" + Text(*p, 17), "|2|3");
    // 7 3/10 - 1 7/15 = 5 5/6.
    EXPECT_EQ(Text(*p, 24) + "|" + Text(*p, 25) + "|" + Text(*p, 26), "5|5|6");
    EXPECT_EQ(Text(*p, 28), "57");
    EXPECT_EQ(Text(*p, 29), "4,0");
    EXPECT_EQ(Text(*p, 33), "-19");
    // An empty pair reads as -1/1.
    EXPECT_EQ(Text(*p, 42), "-0,571<-1,000<-0,428");
    EXPECT_EQ(Text(*p, 43), "-0,571<-1,000<-0,428");
    for (QWidget* w : p->controls()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w)) {
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        }
    }
    EXPECT_FALSE(Shown(p->button(2)));
    // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
    EXPECT_EQ(folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 42% час виконання 300 c К.р.№7 Ваpіант № + "});
    Click(p->checkBox(1));
    p->Button2Click();
    EXPECT_EQ(folder.lines("stat.txt").size(), 1);
}

TEST(Test7, AFaultlessPaperAndTheFractionsBetweenTheBounds) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();
    TickWhatThePictureShows(*p, 1);
    Choose(p->comboBox(1), 1);  // "<"
    Choose(p->comboBox(2), 0);  // ">"
    Type(p->edit(2), "2");
    Type(p->edit(3), "3");
    for (auto [box, text] : {std::pair{4, "5"}, {5, "5"}, {6, "6"}, {7, "57"}, {8, "4,0"}, {9, "-19"}})
        Type(p->edit(box), text);
    for (int box : {56, 57, 61, 62, 63, 64, 65, 66}) Click(p->checkBox(box));
    // -1/2 lies between -4/7 and -3/7, and so does -9/18 read from "+9" over " 0x12".
    Type(p->edit(10), "1");
    Type(p->edit(11), "2");
    Type(p->edit(12), "+9");
    Type(p->edit(13), " 0x12");
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 0);
    EXPECT_EQ(Text(*p, 2), "Помилок 0%");
    EXPECT_EQ(RedCount(*p), 0);
}

TEST(Test7, EdgesOfTheSumsAndTheBounds) {
    TempDataFolder folder;
    FakeClock clock;
    PaperScript script;
    // 5/10 + 7/14 = 1: no whole part, 1/1. Then 7 2/10 - 1 3/15: nothing left over 150.
    script.part1 = {Cat(1, 10), Cat(3, 10), Cat(4, 10), 4, 6};
    script.part2 = {1, 0, Cat(3, 30), Cat(1, 10), Cat(2, 10), 1, 2};
    const auto p = ScriptedPaper(script);
    EXPECT_EQ(Text(*p, 11) + "/" + Text(*p, 12) + " " + Text(*p, 13) + "/" + Text(*p, 14), "5/10 7/14");
    const QStringList typed{"", "1", "1", "6", "0", "15", "057", "4.0", "+19", "3", "7", "1", "нуль"};
    for (int box = 1; box <= 13; ++box) Type(p->edit(box), typed[box - 1]);
    Click(p->button(2));
    for (int box = 1; box <= 3; ++box) EXPECT_FALSE(IsRed(p->edit(box))) << box;
    // One box of a group wrong makes the group wrong; a leading zero, a point and a plus are wrong.
    for (int box = 4; box <= 9; ++box) EXPECT_TRUE(IsRed(p->edit(box))) << box;
    EXPECT_EQ(Text(*p, 24) + "|" + Text(*p, 25) + "|" + Text(*p, 26), "6|0|150");
    // -3/7 is the upper bound itself; "нуль" counts as 1, so -1/1.
    EXPECT_EQ(Text(*p, 42), "-0,571<-0,428<-0,428");
    EXPECT_EQ(Text(*p, 43), "-0,571<-1,000<-0,428");
    for (int box = 10; box <= 13; ++box) EXPECT_TRUE(IsRed(p->edit(box))) << box;
}

TEST(Test7, OracleReadersOfThePicturesScoreZeroAndOneSlipCostsOneError) {
    TempDataFolder folder;
    FakeClock clock;
    const int seeds = 500;
    for (int seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm9>();
        const int picture = PictureOf(*p);
        ASSERT_TRUE(picture >= 1 && picture <= 10);
        TickWhatThePictureShows(*p, picture);

        // Problem 2: compare in tenths.
        const auto n2 = NumbersIn(Text(*p, 9));  // 2, 1, x, x, y, y, 2, u, u, v, v
        ASSERT_EQ(n2.size(), 11);
        const long long x = -(10 * n2[2] + n2[3]), y = 10 * n2[4] + n2[5];
        const long long u = -(10 * n2[7] + n2[8]), v = -(10 * n2[9] + n2[10]);
        ASSERT_TRUE(y % 10 != 0 && -x % 10 != 0 && y >= 11 && -x >= 51 && -x <= 89);
        const auto sign = [](long long a, long long b) { return a > b ? 0 : a < b ? 1 : 2; };
        Choose(p->comboBox(1), sign(x, y));
        Choose(p->comboBox(2), sign(u, v));

        // Problem 3 as exact fractions: |a/b| + |-c/d| and |-k a/b| - |-l c/d|.
        const long long a = Text(*p, 11).toLongLong(), b = Text(*p, 12).toLongLong();
        const long long c = Text(*p, 13).toLongLong(), d = Text(*p, 14).toLongLong();
        ASSERT_TRUE(a >= 1 && a <= b - 5 && c >= 1 && c <= d - 5);
        long long num = a * d + c * b, den = b * d;
        long long g = std::gcd(num, den);
        num /= g, den /= g;
        const long long whole1 = num > den ? num / den : 0;
        Type(p->edit(1), whole1 ? QString::number(whole1) : "");
        Type(p->edit(2), QString::number(num - whole1 * den));
        Type(p->edit(3), QString::number(den));
        const long long k = Text(*p, 20).toLongLong(), l = NumbersIn(Text(*p, 21))[0];
        const long long a2 = Text(*p, 18).toLongLong(), b2 = Text(*p, 19).toLongLong();
        const long long c2 = Text(*p, 22).toLongLong(), d2 = Text(*p, 23).toLongLong();
        num = (k * b2 + a2) * d2 - (l * d2 + c2) * b2;
        den = b2 * d2;
        ASSERT_GT(num, 0);
        const long long whole2 = num / den;
        num -= whole2 * den;
        g = num == 0 ? 1 : std::gcd(num, den);  // nothing left: 0 over the whole product
        Type(p->edit(4), QString::number(whole2));
        Type(p->edit(5), QString::number(num / g));
        Type(p->edit(6), QString::number(den / g));

        // Problem 4: -X = -x gives x; -(-X) = y gives y.
        const auto n4 = NumbersIn(Text(*p, 27));  // 4, 1, x, 2, y, y
        Type(p->edit(7), QString::number(n4[2]));
        Type(p->edit(8), QString("%1,%2").arg(n4[4]).arg(n4[5]));
        // Problem 5: |X| = x has the roots -x and x, |X| = -y none.
        for (int box : {56, 57, 61}) Click(p->checkBox(box));
        // Problem 6: the greatest integer X <= -x.
        Type(p->edit(9), "-" + QString::number(NumbersIn(Text(*p, 32)).back()));
        // Problem 7: -a,b?f > -a,bce for the digits ? with a,b?f < a,bce.
        const QString t7 = Text(*p, 35);
        const auto n7 = NumbersIn(t7);  // a, b, f, a, bce
        ASSERT_TRUE(t7.contains("*"));
        for (int digit = 0; digit <= 9; ++digit)
            if (n7[0] * 1000 + n7[1] * 100 + digit * 10 + n7[2] < n7[3] * 1000 + n7[4])
                Click(p->checkBox(62 + digit));
        // Problem 8: -(2b+3)/(2p) and -(3b+4)/(3p) lie strictly between -(b+2)/p and -(b+1)/p.
        const long long hi = Text(*p, 38).toLongLong(), lo = Text(*p, 40).toLongLong(), q = Text(*p, 39).toLongLong();
        ASSERT_EQ(lo, hi + 1);
        ASSERT_EQ(Text(*p, 41).toLongLong(), q);
        Type(p->edit(10), QString::number(hi + lo));
        Type(p->edit(11), QString::number(2 * q));
        Type(p->edit(12), QString::number(3 * hi + 1));
        Type(p->edit(13), QString::number(3 * q));

        int slips = 0;
        if (seed % 3 == 1) {
            Type(p->edit(12), QString::number(lo));  // the lower bound itself
            Type(p->edit(13), QString::number(q));
            slips = 1;
        } else if (seed % 3 == 2) {
            Click(p->checkBox(1 + seed % 55));
            slips = 1;
        }
        Click(p->button(2));
        ASSERT_EQ(p->errorCount(), slips);
        ASSERT_EQ(Text(*p, 2), slips ? "Помилок 1%" : "Помилок 0%");
        if (seed % 3 == 1) {
            ASSERT_EQ(Text(*p, 43), Thousandths(lo, q) + "<" + Thousandths(lo, q) + "<" + Thousandths(hi, q));
        }
    }
    EXPECT_EQ(folder.lines("stat.txt").size(), seeds);
}

TEST(Test7, NothingOverlapsAtAnyWindowSize) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(3);
    const auto p = CreateScreen<TForm9>();
    Click(p->button(2));  // every answer label filled in
    // The problem lines hold lists, fractions, bars and inputs in their gaps on purpose.
    const QStringList lines{"Label9", "Label10", "Label21", "Label27", "Label30", "Label31", "Label32", "Label37"};
    std::vector<QWidget*> shown;
    for (QWidget* w : p->controls())
        if (Shown(w) && !lines.contains(w->objectName())) shown.push_back(w);
    for (QSize window : {QSize(1010, 1000), QSize(800, 600), QSize(1366, 768), QSize(1920, 2000)}) {
        p->resize(window);
        p->show();
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << window.width() << ": " << shown[i]->objectName().toStdString() << " "
                    << shown[j]->objectName().toStdString();
        // Each pair's answer label stands under that pair, nearer to it than to the other pair.
        const auto centre = [](const QWidget* w) { return w->geometry().center().x(); };
        for (auto [answer, own, other] : {std::tuple{42, 10, 12}, {43, 12, 10}}) {
            const QWidget* l = p->label(answer);
            EXPECT_GE(l->geometry().top(), p->edit(own + 1)->geometry().bottom()) << answer;
            EXPECT_LT(std::abs(centre(l) - centre(p->edit(own))), std::abs(centre(l) - centre(p->edit(other))))
                << window.width() << ": Label" << answer;
        }
        p->hide();
    }
}
