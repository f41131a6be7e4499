#include <QRegularExpression>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <set>

#include "app/layout_dump.h"
#include "datagen/problems_ladders.h"
#include "problems/circle.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

// An exact fraction, enough for π = 3,14 and the comma decimals of the problems.
struct Q {
    int64_t n = 0, d = 1;
    Q(int64_t num = 0, int64_t den = 1) {
        const int64_t g = std::gcd(num, den);
        n = num / g, d = den / g;
        if (d < 0) n = -n, d = -d;
    }
};
Q operator+(Q a, Q b) { return Q(a.n * b.d + b.n * a.d, a.d * b.d); }
Q operator*(Q a, Q b) { return Q(a.n * b.n, a.d * b.d); }
Q operator/(Q a, Q b) { return Q(a.n * b.d, a.d * b.n); }
const Q kPi(314, 100);

// "12,345" read as an exact fraction.
Q Decimal(const QString& text) {
    const QStringList parts = text.split(u',');
    int64_t den = 1;
    for (int i = 0; i < (parts.size() > 1 ? parts[1].size() : 0); ++i) den *= 10;
    return Q(QString(parts.join(QString())).toLongLong(), den);
}

// The value with exactly `places` decimals; the value must need no more.
QString Fixed(Q v, int places) {
    int64_t unit = 1;
    for (int i = 0; i < places; ++i) unit *= 10;
    EXPECT_EQ(unit % v.d, 0) << v.n << "/" << v.d << " has more than " << places << " decimals";
    const int64_t scaled = v.n * (unit / v.d);
    return places == 0 ? QString::number(scaled)
                       : QString::number(scaled / unit) + "," + QString::number(scaled % unit).rightJustified(places, '0');
}

QString Text(const TForm31& s) { return s.label(2)->text() + "|" + s.label(3)->text() + "|" + s.label(4)->text(); }

struct Solution {
    int stage = -1;
    QString edit1, edit2;  // what the pupil types
    QString shown;         // what Label10 shows after a wrong answer
};

// The answer worked out from the texts and the drawing on screen alone. The
// patterns are the whole texts: a Latin "c" in "cм", "i" in " cм i " and "o" in
// "кольoром", Latin "OC", "BD" and "OK"; "см", "мм", "м" and "а" are Cyrillic.
Solution Solve(const TForm31& s) {
    const QString text = Text(s), drawing = s.image(1)->isHidden() ? QString() : s.image(1)->pictureName();
    Solution out;
    QRegularExpressionMatch m;
    auto is = [&](const char* pattern) {
        m = QRegularExpression(QStringLiteral("^") + QString::fromUtf8(pattern) + "$").match(text);
        return m.hasMatch();
    };
    auto num = [&](int i) { return m.captured(i).toLongLong(); };
    auto answer = [&](int stage, const QString& value) {
        out.stage = stage, out.edit1 = value, out.shown = value + " cм";
    };
    if (is("Знайдіть діаметр кола, радіус якого дорівнює (\\d+) (м|см) (\\d+) (cм|мм)\\|\\|")) {
        const bool metres = m.captured(2) == "м";
        EXPECT_EQ(m.captured(4), metres ? "cм" : "мм");
        const int64_t unit = metres ? 100 : 10, small = 2 * num(3);
        EXPECT_NE(small, unit) << "a diameter of exactly one " << m.captured(2).toStdString();
        EXPECT_TRUE(num(3) >= 1 && num(3) < unit);
        const int64_t whole = 2 * num(1) + small / unit;
        out.stage = 0, out.edit1 = QString::number(whole), out.edit2 = QString::number(small % unit);
        out.shown = out.edit1 + " " + m.captured(2) + " " + out.edit2 + " " + m.captured(4);
        EXPECT_EQ(s.label(6)->text(), m.captured(2));
        EXPECT_EQ(s.label(7)->text(), m.captured(4));
    } else if (is("Знайдіть периметр чотирикутника О АО В, якщо радіуси \\|кіл дорівнюють (\\d+) cм i (\\d+) cм\\.\\|")) {
        EXPECT_EQ(drawing, "zcircle\\il1.bmp");
        EXPECT_EQ(s.label(11)->text() + s.label(12)->text(), "12");
        answer(1, QString::number(2 * num(1) + 2 * num(2)));  // the sides are the radii, twice each
    } else if (is("Радіус кола з центром А дорівнює (\\d+) cм,\\|а радіус кола з центром В дорівнює (\\d+) cм,\\|"
                  "Знайдіть відстань між центрами цих кіл\\.")) {
        EXPECT_TRUE(drawing == "zcircle\\il2.bmp" || drawing == "zcircle\\il3.bmp") << drawing.toStdString();
        // il2: the circles touch from outside; il3: from inside.
        answer(1, QString::number(drawing.endsWith("il2.bmp") ? num(1) + num(2) : num(1) - num(2)));
    } else if (is("OC=(\\d+) cм, BD=(\\d+) cм\\. Знайдіть довжину відрізка OK\\.\\|\\|")) {
        EXPECT_EQ(drawing, "zcircle\\il4.bmp");
        answer(1, QString::number(num(1) - 2 * num(2)));  // KC is the small circle's diameter
    } else if (is("Обчисліть довжину кола, діаметр якого дорівнює (\\d,\\d) cм\\.\\|\\|")) {
        EXPECT_EQ(drawing, "");
        answer(2, Fixed(kPi * Decimal(m.captured(1)), 3));
    } else if (is("Обчисліть площу круга, радіус якого дорівнює (\\d,\\d) cм\\.\\|\\|")) {
        const Q r = Decimal(m.captured(1));
        answer(3, Fixed(kPi * r * r, 4));
        EXPECT_EQ(s.label(13)->text(), "2");
    } else if (is("Обчисліть діаметр кола, довжина якого дорівнює (\\d+,\\d{3}) cм\\.\\|\\|")) {
        answer(4, Fixed(Decimal(m.captured(1)) / kPi, 1));
    } else if (is("Щоб проїхати (\\d{3},\\d{2}) м, колесо зробило (\\d+) обертів\\. Знайдіть радіус колеса\\.\\|\\|")) {
        // The distance in metres over the turns is one turn, 2·π·r, in centimetres.
        answer(5, Fixed(Decimal(m.captured(1)) * Q(100) / Q(num(2)) / (Q(2) * kPi), 0));
    } else if (is("Обчисліть довжину червоної лінії при а=(\\d+) cм\\|\\|")) {
        EXPECT_EQ(drawing, "zcircle\\il5.bmp");
        // The red line as the drawing lays it out: semicircles, the drawing's а four units.
        const Q unit(num(1), 4);
        Q length;
        for (const auto& arc : circle_figures::kRedLine) length = length + kPi * Q(arc.diameter) * unit / Q(2);
        answer(6, Fixed(length, 2));
    } else if (is("Обчисліть площу зафарбовану жовтим кольoром \\|при а=(\\d+) cм\\|")) {
        EXPECT_EQ(drawing, "zcircle\\il6.bmp");
        const auto& f = circle_figures::kYellow;
        const Q unit(num(1), 4), side = Q(f.squareSide) * unit, r = Q(f.circleRadius) * unit;
        const Q area = side * side + Q(f.sideSemicircles) * kPi * side * side / Q(8) + kPi * r * r;
        answer(7, Fixed(area, 2));
    }
    EXPECT_EQ(out.stage, s.stage()) << "unexpected problem: " << text.toStdString();
    return out;
}

void Enter(TForm31& s, const Solution& solution, bool right) {
    Type(s.edit(1), right || solution.stage == 0 ? solution.edit1 : solution.edit1 + "0");
    // A wrong stage 0 is wrong in the small unit only: both boxes count.
    if (solution.stage == 0) Type(s.edit(2), right ? solution.edit2 : solution.edit2 + "1");
}

void Tick(TForm31& s) { RunGuarded([&] { s.Timer1Timer(); }); }

}  // namespace

TEST(Circle, StartsIdleAndShowsBothBoxesOnlyForTheDiameter) {
    TempDataFolder folder;
    ScriptedRandom random({70, 100, 230});  // metres; r = 16; c = 33
    auto s = CreateScreen<TForm31>();
    EXPECT_EQ(s->button(2)->text(), "Початок");
    EXPECT_FALSE(Shown(s->button(3)));
    EXPECT_FALSE(Shown(s->button(4)));
    EXPECT_FALSE(Shown(s->edit(1)));
    EXPECT_FALSE(Shown(s->edit(2)));
    EXPECT_EQ(s->timer(1)->interval(), 250);
    EXPECT_TRUE(LayoutDumpLines(*s).front().startsWith("button1.Left:="));
    Click(s->button(2));
    EXPECT_EQ(s->label(1)->text(), "Задача 1");
    // " cм" with a Latin c after the metres.
    EXPECT_EQ(s->label(2)->text(), "Знайдіть діаметр кола, радіус якого дорівнює 16 м 33 cм");
    EXPECT_TRUE(Shown(s->edit(1)) && Shown(s->edit(2)) && s->edit(2)->isEnabled());
    // 66 cm doubled is under a metre: no carry; typed with the carry, it is wrong.
    Type(s->edit(1), "33");
    Type(s->edit(2), "");
    Click(s->button(3));
    EXPECT_EQ(s->label(8)->text(), "Неправильно");
    EXPECT_EQ(s->label(9)->text(), "Правильна відповідь:");
    EXPECT_EQ(s->label(10)->text(), "32 м 66 cм");
    EXPECT_TRUE(IsRed(s->edit(1)));
    EXPECT_FALSE(s->edit(1)->isEnabled() || s->edit(2)->isEnabled());
    EXPECT_EQ(s->button(2)->text(), "Продовження");
    // A fresh problem of the same stage, in millimetres this time; the box is white again.
    random.then({10, 0, 70});  // cm; r = 6; c = 8
    Click(s->button(2));
    EXPECT_EQ(s->label(1)->text(), "Задача 2");
    EXPECT_EQ(s->label(2)->text(), "Знайдіть діаметр кола, радіус якого дорівнює 6 см 8 мм");
    EXPECT_FALSE(IsRed(s->edit(1)));
    EXPECT_EQ(s->edit(1)->text(), "");
    Type(s->edit(1), "13");
    Type(s->edit(2), "6");
    Click(s->button(3));
    EXPECT_EQ(s->label(8)->text(), "Правильно");
    EXPECT_EQ(s->image(2)->pictureName(), "zcircle\\p4(7).bmp");
    EXPECT_EQ(s->stage(), 1);
    // The next stage hides the second box and puts the subscripts of O₁ and O₂ into the gaps.
    random.then({0, 40, 10});  // il1; r1 = 16, r2 = 5
    Click(s->button(2));
    EXPECT_FALSE(Shown(s->edit(2)));
    EXPECT_EQ(s->label(6)->text(), "cм");
    EXPECT_EQ(s->label(7)->text(), "");
    EXPECT_EQ(s->image(1)->pictureName(), "zcircle\\il1.bmp");
    EXPECT_GT(s->designRect(s->label(12)).left(), s->designRect(s->label(11)).left() + 10);
    EXPECT_GT(s->designRect(s->label(11)).top(), s->designRect(s->label(2)).top());
}

// Thousands of attempts with right and wrong answers mixed: every answer worked out
// from the texts and drawings alone is what marking accepts, the ladder climbs only
// on right answers, and every picture met exists (an error box fails the test).
TEST(Circle, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(20261208);
    std::mt19937 pupil(8);
    std::set<int> marks;
    std::array<int, 9> stagesSeen{};
    const double wrongShare[] = {0, 0.1, 0.3, 0.6, 1};
    const int attempts = 600;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        auto s = CreateScreen<TForm31>();
        std::bernoulli_distribution wrong(wrongShare[attempt % 5]);
        int stage = 0;
        for (int check = 1; check <= 8; ++check) {
            Click(s->button(2));
            ASSERT_EQ(s->label(1)->text(), QStringLiteral("Задача %1").arg(check));
            const Solution solution = Solve(*s);
            ++stagesSeen[size_t(stage)];
            const bool right = !wrong(pupil);
            Enter(*s, solution, right);
            Click(s->button(3));
            ASSERT_EQ(s->label(8)->text(), right ? "Правильно" : "Неправильно") << Text(*s).toStdString();
            if (right) {
                ++stage;
            } else {
                ASSERT_EQ(s->label(10)->text(), solution.shown);
                ASSERT_TRUE(IsRed(s->edit(1)));
            }
            ASSERT_EQ(s->stage(), stage);
        }
        marks.insert(stage);
        ASSERT_EQ(s->image(3)->pictureName(), QStringLiteral("zcircle\\ocenka%1ps.bmp").arg(stage));
        ASSERT_EQ(s->animating(), stage == 8);
        if (stage == 8)
            for (int tick = 0; tick < 3; ++tick) Tick(*s);
    }
    EXPECT_EQ(marks.size(), 9u);
    for (int stage = 0; stage < 8; ++stage) EXPECT_GT(stagesSeen[size_t(stage)], 100) << stage;
    EXPECT_EQ(folder.lines("zcircle\\stat.txt").size(), attempts);
}

TEST(Circle, ThreeWrongAnswersLeaveFiveTriesAndTheLineEndsInLevel8) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(31);
    auto s = CreateScreen<TForm31>();
    for (int check = 1; check <= 8; ++check) {
        Click(s->button(2));
        Enter(*s, Solve(*s), check > 3);
        clock.advance(30);
        Click(s->button(3));
        EXPECT_EQ(Shown(s->button(2)), check < 8);
    }
    EXPECT_EQ(s->stage(), 5);
    EXPECT_EQ(s->image(2)->pictureName(), "zcircle\\p4(3).bmp");
    EXPECT_EQ(s->image(3)->pictureName(), "zcircle\\ocenka5ps.bmp");
    EXPECT_FALSE(s->animating());
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(s->label(5)->text(), "Час 240 c");
    // Latin "c" after the seconds, two blanks before "рівень".
    EXPECT_EQ(folder.lines("zcircle\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 3 час виконання 240 c  рівень 8"});
    // No ninth problem.
    Click(s->button(2));
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
}

TEST(Circle, FaultlessRunClimbsEveryPictureAndLoopsTheWheel) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(2026);
    auto s = CreateScreen<TForm31>();
    QStringList climbed;
    for (int check = 1; check <= 8; ++check) {
        Click(s->button(2));
        Enter(*s, Solve(*s), true);
        Click(s->button(3));
        climbed << s->image(2)->pictureName();
    }
    EXPECT_EQ(climbed, (QStringList{"zcircle\\p4(7).bmp", "zcircle\\p4(6).bmp", "zcircle\\p4(5).bmp",
                                    "zcircle\\p4(4).bmp", "zcircle\\p4(3).bmp", "zcircle\\p4(2).bmp",
                                    "zcircle\\p4(1).bmp", "zcircle\\p1.bmp"}));
    EXPECT_EQ(s->image(3)->pictureName(), "zcircle\\ocenka8ps.bmp");
    QStringList frames;
    for (int tick = 0; tick < 4; ++tick) {
        Tick(*s);
        frames << s->image(2)->pictureName();
    }
    EXPECT_EQ(frames, (QStringList{"zcircle\\p1.bmp", "zcircle\\p2.bmp", "zcircle\\p1.bmp", "zcircle\\p2.bmp"}));
    EXPECT_EQ(folder.lines("zcircle\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 0 c  рівень 8"});
}

TEST(Circle, AMissingDrawingIsReportedAndTheProblemStillStands) {
    TempDataFolder folder;
    folder.remove("zcircle\\il1.bmp");
    ScriptedRandom random({70, 100, 230, 0, 40, 10});  // stage 0 as above, then il1 with 16 and 5
    auto s = CreateScreen<TForm31>();
    Click(s->button(2));
    Type(s->edit(1), "32"), Type(s->edit(2), "66");
    Click(s->button(3));
    ErrorRecorder errors;
    Click(s->button(2));
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].startsWith("Cannot open file") && errors.messages()[0].contains("il1.bmp"));
    EXPECT_EQ(s->label(3)->text(), "кіл дорівнюють 16 cм i 5 cм.");
    Type(s->edit(1), "42");
    Click(s->button(3));
    EXPECT_EQ(s->label(8)->text(), "Правильно");
}
