#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>

#include "games/fraction.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

QStringList textsOf(const SignedMixed& s) { return {s.wholeText, s.numeratorText, s.denominatorText}; }

struct ShownSum {
    long long num = 0, den = 1;  // the exact sum
    bool minus[2] = {false, false};
};

// The expression as the screen shows it, summed with exact fractions.
ShownSum readExpression(const TForm35& s) {
    static const QRegularExpression second(QStringLiteral("^\\+(\\(-)?([1-9])$"));
    static const QRegularExpression third(QStringLiteral("^(\\))?\\+(\\(-)?([1-9]) {10}(\\))?=$"));
    const auto m2 = second.match(s.label(5)->text());
    const auto m3 = third.match(s.label(8)->text());
    EXPECT_TRUE(m2.hasMatch() && m3.hasMatch()) << s.label(5)->text().toStdString() << s.label(8)->text().toStdString();
    ShownSum shown;
    shown.minus[0] = m2.hasCaptured(1);
    shown.minus[1] = m3.hasCaptured(2);
    // A bracket opened is closed: after term 2 by Label8's start, after term 3 by its end.
    EXPECT_EQ(m3.hasCaptured(1), shown.minus[0]);
    EXPECT_EQ(m3.hasCaptured(4), shown.minus[1]);
    const QString wholes[] = {s.label(2)->text(), m2.captured(2), m3.captured(3)};
    const int numbers[3][2] = {{3, 4}, {6, 7}, {9, 10}};
    for (int i = 0; i < 3; ++i) {
        const long long w = wholes[i].toLongLong(), m = s.label(numbers[i][0])->text().toLongLong(),
                        d = s.label(numbers[i][1])->text().toLongLong();
        EXPECT_TRUE(w >= 1 && w <= 9 && m >= 1 && m <= d - 2) << w << " " << m << "/" << d;
        const long long sign = i > 0 && shown.minus[i - 1] ? -1 : 1;
        shown.num = shown.num * d + sign * (w * d + m) * shown.den;
        shown.den *= d;
        const long long g = std::gcd(shown.num, shown.den);
        shown.num /= g;
        shown.den /= g;
    }
    return shown;
}

// What the pupil types for a sum: the sign stays with the whole part, alone below 1.
QStringList answerFor(long long num, long long den) {
    const long long a = std::abs(num), whole = a / den, rest = a % den;
    QString w = whole ? QString::number(num < 0 ? -whole : whole) : num < 0 ? "-" : "";
    return {w, rest ? QString::number(rest) : "", rest ? QString::number(den) : ""};
}

void answer(TForm35& s, const QStringList& texts) {
    for (int n = 1; n <= 3; ++n) Type(s.edit(n), texts[n - 1]);
    Click(s.button(3));
}

}  // namespace

TEST(Fraction, SumsBecomeSignedMixedNumbers) {
    EXPECT_EQ(textsOf(NormaliseSum(1, -7, 5)), QStringList({"-", "2", "5"}));      // 1 − 7/5
    EXPECT_EQ(textsOf(NormaliseSum(-4, 3, 4)), QStringList({"-3", "1", "4"}));     // −4 + 3/4
    EXPECT_EQ(textsOf(NormaliseSum(-1, 1, 4)), QStringList({"-", "3", "4"}));      // −1 + 1/4
    EXPECT_EQ(textsOf(NormaliseSum(-3, -6, 8)), QStringList({"-3", "3", "4"}));    // −3 − 6/8
    EXPECT_EQ(textsOf(NormaliseSum(5, -9, 4)), QStringList({"2", "3", "4"}));      // 5 − 9/4
    EXPECT_EQ(textsOf(NormaliseSum(2, -8, 4)), QStringList({"", "", ""}));         // 0
    EXPECT_EQ(textsOf(NormaliseSum(-2, 12, 4)), QStringList({"1", "", ""}));       // whole: no fraction
    EXPECT_EQ(textsOf(NormaliseSum(0, 2, 4)), QStringList({"", "1", "2"}));        // lowest terms, no whole part
}

// Every problem of many games, read back from the screen and summed apart from the game.
TEST(Fraction, OracleOverSeededGames) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom seeded(1);
    int plusMinus = 0, problems = 0;
    for (int g = 0; g < 200; ++g) {
        seeded.reseed(uint32_t(7000 + g));
        const auto s = CreateScreen<TForm35>();
        Click(s->button(2));
        for (int i = 0; i < 10; ++i, ++problems) {
            const ShownSum shown = readExpression(*s);
            ASSERT_FALSE(!shown.minus[0] && !shown.minus[1]);
            if (!shown.minus[0]) ++plusMinus;
            // Denominators k·2, k·3, k·5 in some order, k one of 2, 3, 5, 7.
            const long long d[] = {s->label(4)->text().toLongLong(), s->label(7)->text().toLongLong(),
                                   s->label(10)->text().toLongLong()};
            const long long k = std::gcd(d[0], std::gcd(d[1], d[2]));
            ASSERT_TRUE((k == 2 || k == 3 || k == 5 || k == 7) && d[0] * d[1] * d[2] == 30 * k * k * k);
            const QStringList expected = answerFor(shown.num, shown.den);
            answer(*s, expected);
            ASSERT_EQ(s->label(11)->text(), "Правильно") << expected.join(" ").toStdString();
            Click(s->button(4));
        }
        ASSERT_EQ(s->image(5)->pictureName(), "vch\\ocenka10.bmp");
    }
    EXPECT_NEAR(plusMinus, problems * 49 / 100, problems / 20);
}

TEST(Fraction, AGamePlayedToTheEndWithItsLogLine) {
    TempDataFolder folder;
    FakeClock clock;
    const auto s = CreateScreen<TForm35>();
    EXPECT_FALSE(Shown(s->edit(1)) || Shown(s->button(3)) || Shown(s->button(4)) || Shown(s->button(5)));
    EXPECT_EQ(s->button(2)->text(), "Початок");
    // k = 2; 2, 3, 5 with two redraws; 1/4, 1/6, 3/10; wholes 1, 2, 3; both signs "-".
    ScriptedRandom script({0, 0, 0, 10, 0, 10, 20, 0, 0, 2, 0, 10, 20, 0, 0});
    Click(s->button(2));
    EXPECT_EQ(QStringList({s->label(2)->text(), s->label(3)->text(), s->label(4)->text(), s->label(5)->text(),
                           s->label(6)->text(), s->label(7)->text(), s->label(8)->text(), s->label(9)->text(),
                           s->label(10)->text()}),
              QStringList({"1", "1", "4", "+(-2", "1", "6", ")+(-3          )=", "3", "10"}));
    EXPECT_EQ(s->image(4)->pictureName(), "vch\\chdr2.bmp");
    // 1 1/4 − 2 1/6 − 3 3/10 = −4 13/60; the fraction unreduced is wrong.
    answer(*s, {"-4", "26", "120"});
    EXPECT_EQ(s->label(11)->text(), "Неправильно");
    EXPECT_EQ(QStringList({s->label(13)->text(), s->label(14)->text(), s->label(15)->text()}),
              QStringList({"-4", "13", "60"}));
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(IsRed(s->edit(n)) && !s->edit(n)->isEnabled());
    EXPECT_TRUE(Shown(s->button(4)) && !Shown(s->button(3)));
    EXPECT_TRUE(s->image(6)->isEmpty());

    SeededRandom seeded(4);
    for (int i = 0; i < 9; ++i) {
        Click(s->button(4));
        EXPECT_EQ(s->label(11)->text() + s->label(14)->text(), "");
        for (int n = 1; n <= 3; ++n) EXPECT_TRUE(!IsRed(s->edit(n)) && s->edit(n)->isEnabled() && s->edit(n)->text().isEmpty());
        clock.advance(20);
        answer(*s, textsOf(s->problem().sum));
        EXPECT_EQ(s->label(11)->text(), "Правильно");
    }
    EXPECT_EQ(s->image(6)->pictureName(), "vch\\01(1).bmp");
    EXPECT_EQ(s->image(5)->pictureName(), "vch\\ocenka9.bmp");
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(s->label(12)->text(), "Час 180 c");  // Latin c
    EXPECT_FALSE(Shown(s->button(3)) || Shown(s->button(4)));
    // Latin c; two blanks before "рівень".
    EXPECT_EQ(folder.lines("vch\\stat.txt"),
              QStringList({"дата 08.12.2026 час початку 9:05:03 помилок 1 час виконання 180 c  рівень 3"}));
}
