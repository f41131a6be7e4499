#include "lessons/fraction_addition.h"

#include <gtest/gtest.h>
#include <numeric>

#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

struct Lesson {
    TempDataFolder folder;
    FakeClock clock;
    std::unique_ptr<TForm23> screen = CreateScreen<TForm23>();
    TForm23& s = *screen;
};

const int kFullButtons[] = {2, 5, 6, 7};
const int kShortButtons[] = {8, 9, 10, 11};

QStringList VisibleButtons(const TForm23& s) {
    QStringList shown;
    for (int n = 1; n <= 12; ++n)
        if (Shown(s.button(n))) shown << s.button(n)->objectName();
    return shown;
}

void Answer(TForm23& s, const QStringList& boxes) {
    const int first = s.level() == 3 ? 5 : 1;
    for (int i = 0; i < boxes.size(); ++i) Type(s.edit(first + i), boxes[i]);
    Click(s.button(3));
}

// Exact fractions of the test's own.
struct Q {
    qint64 n, d;
    Q(qint64 num, qint64 den) {
        const qint64 g = std::gcd(num, den);
        n = num / g, d = den / g;
    }
};
Q operator+(Q a, Q b) { return Q(a.n * b.d + b.n * a.d, a.d * b.d); }
Q operator*(Q a, Q b) { return Q(a.n * b.n, a.d * b.d); }
Q Neg(Q a) { return Q(-a.n, a.d); }

Q Fraction(const TForm23& s, int k) {
    return Q(s.label(4 + 3 * k)->text().toLongLong(), s.label(5 + 3 * k)->text().toLongLong());
}

// A whole part and a fraction below 1, kept as 1/1 after one unit less for a whole number.
QStringList Written(Q v) {
    qint64 whole = v.n / v.d, rest = v.n % v.d;
    if (rest == 0) --whole, rest = v.d;
    return {whole == 0 ? "" : QString::number(whole), QString::number(rest), QString::number(v.d)};
}

QStringList TrueAnswer(const TForm23& s) {
    if (s.level() == 4) {
        // "При: a=1,3  b=…": each letter stands for its decimal in tenths.
        const QStringList parts = s.label(21)->text().mid(5).split("  ");
        Q v(0, 1);
        for (int k = 0; k < 3; ++k) v = v + Fraction(s, k) * Q(parts[k].mid(2).remove(',').toLongLong(), 10);
        if (v.d == 1) return {QString::number(v.n), "", ""};
        QStringList w = Written(v);
        return w;
    }
    const QString op1 = s.level() == 1 ? s.label(6)->text() : s.label(6)->text().left(1);
    const QString op2 = s.label(9)->text().left(1);
    Q v = Fraction(s, 0);
    v = v + (op1 == "-" ? Neg(Fraction(s, 1)) : Fraction(s, 1));
    v = v + (op2 == "-" ? Neg(Fraction(s, 2)) : Fraction(s, 2));
    EXPECT_GT(v.n, 0);
    if (s.level() == 2) return Written(v) << s.label(3)->text().right(1);
    if (s.level() == 1) return Written(v);
    // The equation: X is the largest prime of the denominator over the smallest.
    qint64 big = 1, small = 0, d = v.d;
    for (qint64 p = 2; d > 1; ++p)
        for (; d % p == 0; d /= p) {
            if (small == 0) small = p;
            big = p;
        }
    const Q x(big, small == 0 ? 2 : small);
    const Q r = v * x;
    const QStringList shownR = {s.label(18)->text(), s.label(19)->text(), s.label(20)->text()};
    EXPECT_EQ(shownR, Written(r));
    return Written(x);
}

}  // namespace

TEST(FractionAddition, TheValueAndTheEquationOfTheWorkedExample) {
    Lesson l;
    EXPECT_EQ(l.s.windowTitle(), "Form23");
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button2", "Button5", "Button6", "Button7", "Button8",
                                                "Button9", "Button10", "Button11"}));
    EXPECT_EQ(l.s.button(11)->text(), QStringLiteral("Урок 4") + QChar('C'));  // a Latin C
    EXPECT_EQ(l.s.dumpButton(), l.s.button(12));
    // 3/6 − 1/10 + 1/14: p = 2, a = 3, b = 5, c = 7; t1 = 3, the coin "-", t2 = 1, t3 = 1.
    ScriptedRandom random({0, 10, 20, 30, 2, 0, 0, 0});
    Click(l.s.button(2));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button3"}));
    EXPECT_EQ(l.s.label(1)->text(), "Обчисліть значення виразу:");
    EXPECT_EQ(l.s.label(2)->text(), "Урок 1");
    EXPECT_EQ(l.s.label(6)->text(), "-");
    EXPECT_EQ(l.s.label(9)->text(), "+" + QString(16, ' ') + "=");
    Answer(l.s, {"", "33", "70"});
    EXPECT_EQ(l.s.label(12)->text(), "Правильно");
    EXPECT_EQ(l.s.image(7)->pictureName(), "dd\\01(9).bmp");

    Lesson equation;
    random.then({0, 10, 20, 30, 2, 0, 0, 0});
    Click(equation.s.button(6));
    EXPECT_EQ(equation.s.label(1)->text(), "Розв`яжіть рівняння:");  // a backquote
    EXPECT_EQ(equation.s.label(3)->text(), QString(15, ' ') + "X");
    EXPECT_EQ(equation.s.label(6)->text(), "-" + QString(13, ' ') + "X");
    EXPECT_EQ(equation.s.label(9)->text(), "+" + QString(13, ' ') + "X =");
    EXPECT_EQ(equation.s.label(17)->text(), "X=");
    // S = 33/70: X = 7/2, and R = 1 13/20.
    EXPECT_EQ(QStringList({equation.s.label(18)->text(), equation.s.label(19)->text(), equation.s.label(20)->text()}),
              (QStringList{"1", "13", "20"}));
    EXPECT_FALSE(Shown(equation.s.edit(1)));
    // Enter passes over the boxes of the other types, hidden here.
    Type(equation.s.edit(6), "7");
    PressEnter(equation.s.edit(6));
    EXPECT_EQ(equation.s.focusWidget(), equation.s.edit(7));
    EXPECT_TRUE(equation.s.label(12)->text().isEmpty());
    Type(equation.s.edit(7), "2");
    PressEnter(equation.s.edit(7));
    EXPECT_EQ(equation.s.label(12)->text(), "Неправильно");
    EXPECT_EQ(equation.s.label(13)->text(), "Правильна відповідь:");
    EXPECT_EQ(QStringList({equation.s.label(14)->text(), equation.s.label(15)->text(), equation.s.label(16)->text()}),
              (QStringList{"3", "1", "2"}));
    EXPECT_TRUE(Shown(equation.s.image(5)));
    EXPECT_FALSE(equation.s.edit(6)->isEnabled());
}

TEST(FractionAddition, DecimalsAddingUpToOneAreAWholeNumber) {
    Lesson l;
    // u = 11, 13, 17 with f = 2 each; t = 5, 7, 8: 5/20 + 7/20 + 8/20 = 1.
    ScriptedRandom random({0, 0, 4, 10, 0, 6, 20, 0, 7});
    Click(l.s.button(7));
    EXPECT_EQ(l.s.label(3)->text(), "                a");
    EXPECT_EQ(l.s.label(6)->text(), "+             b");
    EXPECT_EQ(l.s.label(9)->text(), "+              c =");
    EXPECT_EQ(l.s.label(21)->text(), "При: a=1,1  b=1,3  c=1,7");
    Answer(l.s, {"1", "1", "1"});
    EXPECT_EQ(l.s.label(12)->text(), "Неправильно");
    EXPECT_EQ(l.s.label(14)->text(), "1");
    EXPECT_TRUE(l.s.label(15)->text().isEmpty());
    random.then({0, 0, 4, 10, 0, 6, 20, 0, 7});
    Click(l.s.button(4));
    Answer(l.s, {"1", "", ""});
    EXPECT_EQ(l.s.label(12)->text(), "Правильно");
}

TEST(FractionAddition, AShortSeriesOfFiveIsLoggedAsShort) {
    Lesson l;
    SeededRandom random(2);
    Click(l.s.button(9));
    EXPECT_EQ(l.s.label(2)->text(), QStringLiteral("Урок 2") + QChar('C'));
    EXPECT_EQ(l.s.label(1)->text(), "Спростіть вираз:");
    for (int exercise = 1; exercise <= 5; ++exercise) {
        l.clock.advance(20);
        QStringList answer = TrueAnswer(l.s);
        if (exercise == 2) answer[3] = "x";  // the letter counts too
        Answer(l.s, answer);
        if (exercise == 2) {
            EXPECT_TRUE(l.s.label(14)->text().endsWith(QString(19, ' ') + l.s.exercise().letter));
        }
        if (exercise < 5) {
            EXPECT_EQ(l.s.image(7)->pictureName(), QStringLiteral("dd\\s02(%1).bmp").arg(exercise <= 2 ? 4 : 6 - exercise));
            Click(l.s.button(4));
            EXPECT_TRUE(l.s.label(12)->text().isEmpty());
            EXPECT_FALSE(Shown(l.s.image(5)));
        }
    }
    EXPECT_EQ(l.s.image(7)->pictureName(), "dd\\s02(1).bmp");  // four of five right
    EXPECT_EQ(VisibleButtons(l.s), QStringList{"Button1"});
    EXPECT_EQ(l.s.label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(l.s.label(22)->text(), "Час 100 c");
    EXPECT_EQ(l.s.image(8)->pictureName(), "DD\\ocenka4s.bmp");
    EXPECT_EQ(l.folder.lines("dd\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 1 час виконання 100 c  рівень 2 короткий"});
    // Byte by byte from the Windows-1251 table (the c is Latin; і b3, ь fc), then CR LF.
    const QByteArray logLine = QByteArray::fromHex(
        "e4e0f2e0 20 30382e31322e32303236 20 f7e0f1 20 efeef7e0f2eaf3 20 393a30353a3033 20 efeeece8ebeeea 20 31 20 f7e0f1"
        " 20 e2e8eaeeede0ededff 20 313030 20 63 20 20 f0b3e2e5edfc 20 32 20 eaeef0eef2eae8e9 0d0a");
    EXPECT_EQ(l.folder.bytes("dd\\stat.txt").toHex(' '), logLine.toHex(' '));
}

TEST(FractionAddition, OracleEveryTypeInFullAndShortSeries) {
    TempDataFolder folder;
    SeededRandom random(4545);
    int twins = 0;
    for (int type = 1; type <= 4; ++type) {
        for (int series = 0; series < 24; ++series) {
            const bool shortOne = series % 3 == 0;
            auto s = CreateScreen<TForm23>();
            Click(s->button(shortOne ? kShortButtons[type - 1] : kFullButtons[type - 1]));
            const int length = shortOne ? 5 : 10;
            for (int exercise = 1; exercise <= length; ++exercise) {
                QStringList answer = TrueAnswer(*s);
                // Typed on the Ukrainian layout: Cyrillic а (U+0430) and с (U+0441) for a and c.
                if (type == 2 && (answer[3] == "a" || answer[3] == "c")) {
                    answer[3] = answer[3] == "a" ? QStringLiteral("\u0430") : QStringLiteral("\u0441");
                    ++twins;
                }
                Answer(*s, answer);
                ASSERT_EQ(s->label(12)->text(), "Правильно") << type << ": expected " << answer.join('|').toStdString();
                if (exercise < length) Click(s->button(4));
            }
            ASSERT_EQ(s->image(8)->pictureName(), shortOne ? "DD\\ocenka5s.bmp" : "DD\\ocenka10.bmp");
            ASSERT_TRUE(folder.lines("dd\\stat.txt").last().endsWith(QStringLiteral("  рівень %1").arg(type) +
                                                                    (shortOne ? " короткий" : "")));
        }
    }
    EXPECT_EQ(folder.lines("dd\\stat.txt").size(), 96);
    EXPECT_GT(twins, 0);
}

TEST(FractionAdditionData, EveryPictureTheLessonLoadsIsInTheDataFolder) {
    TempDataFolder folder;
    for (const QString base : {"dd\\01", "dd\\02", "dd\\03", "dd\\04", "dd\\s01", "dd\\s02"}) {
        const int stages = base.contains('s') ? 4 : 9;
        EXPECT_TRUE(folder.exists(base + ".bmp"));
        for (int stage = 1; stage <= stages; ++stage) EXPECT_TRUE(folder.exists(base + QStringLiteral("(%1).bmp").arg(stage)));
    }
    for (int mark = 0; mark <= 10; ++mark) EXPECT_TRUE(folder.exists(QStringLiteral("DD\\ocenka%1.bmp").arg(mark)));
    for (int mark = 0; mark <= 5; ++mark) EXPECT_TRUE(folder.exists(QStringLiteral("DD\\ocenka%1s.bmp").arg(mark)));
    EXPECT_TRUE(folder.exists("kr\\chdr2.bmp"));
    EXPECT_TRUE(folder.exists("dd\\stat.txt"));
}
