#include "lessons/common_denominator.h"

#include <gtest/gtest.h>
#include <numeric>

#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

QStringList VisibleButtons(const TForm21& s) {
    QStringList shown;
    for (int n = 1; n <= 9; ++n)
        if (Shown(s.button(n))) shown << s.button(n)->objectName();
    return shown;
}

struct Lesson {
    TempDataFolder folder;
    FakeClock clock;
    std::unique_ptr<TForm21> screen = CreateScreen<TForm21>();
    TForm21& s = *screen;
};

void Answer(TForm21& s, const QStringList& boxes) {
    for (int i = 0; i < boxes.size(); ++i) Type(s.edit(i + 1), boxes[i]);
    Click(s.button(7));
}

qint64 Number(const TForm21& s, int label) { return s.label(label)->text().toLongLong(); }

// The right boxes worked out from the fractions on screen.
QStringList TrueAnswer(const TForm21& s) {
    const qint64 t1 = Number(s, 2), d1 = Number(s, 3);
    if (s.topic() == 2) {
        const qint64 g = std::gcd(t1, d1);
        return {QString::number(t1 / g), QString::number(d1 / g)};
    }
    const qint64 t2 = Number(s, 4), d2 = Number(s, 5);
    const qint64 l = std::lcm(d1, d2);
    return {QString::number(t1 * (l / d1)), QString::number(l), QString::number(t2 * (l / d2)), QString::number(l)};
}

}  // namespace

TEST(CommonDenominator, BringingToTwelfthsCountsAnErrorForEveryWrongBox) {
    Lesson l;
    EXPECT_EQ(l.s.windowTitle(), "Form21");
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button2", "Button3"}));
    EXPECT_EQ(l.s.dumpButton(), l.s.button(9));
    l.clock.advance(5);
    Click(l.s.button(2));  // the clock starts at the topic
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button4", "Button5"}));
    l.clock.advance(20);
    // c = 2, a = 2, b = 3 (the marked 2 redrawn), t1 = 1, t2 = 3: 1/4 and 3/6.
    ScriptedRandom random({0, 0, 0, 10, 0, 2});
    Click(l.s.button(4));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button7"}));
    EXPECT_EQ(l.s.label(1)->text(), "Зведіть дроби до спільного знаменника");
    EXPECT_EQ(l.s.label(14)->text(), "Урок № 1");
    EXPECT_EQ(QStringList({l.s.label(2)->text(), l.s.label(3)->text(), l.s.label(4)->text(), l.s.label(5)->text()}),
              (QStringList{"1", "4", "3", "6"}));
    EXPECT_EQ(l.s.label(6)->text(), "=");
    EXPECT_EQ(l.s.image(6)->pictureName(), "kr\\chdr2.bmp");
    for (int n = 1; n <= 4; ++n) EXPECT_TRUE(Shown(l.s.edit(n)));
    Answer(l.s, {"6", "24", "12", "24"});
    EXPECT_EQ(l.s.errorCount(), 4);
    EXPECT_EQ(l.s.label(8)->text(), "Неправильно");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(IsRed(l.s.edit(n)));
        EXPECT_FALSE(l.s.edit(n)->isEnabled());
    }
    // The right values beside the boxes; 3/6 is not reduced first.
    EXPECT_EQ(QStringList({l.s.label(9)->text(), l.s.label(10)->text(), l.s.label(11)->text(), l.s.label(12)->text()}),
              (QStringList{"3", "12", "6", "12"}));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button8"}));
    random.then({0, 0, 0, 10, 0, 2});
    Click(l.s.button(8));
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FALSE(IsRed(l.s.edit(n)));
        EXPECT_TRUE(l.s.edit(n)->isEnabled());
        EXPECT_TRUE(l.s.edit(n)->text().isEmpty());
    }
    for (int n = 8; n <= 12; ++n) EXPECT_TRUE(l.s.label(n)->text().isEmpty());
    // Enter in a box with others still empty goes on to the next box; with every
    // box filled it checks wherever it is pressed.
    Type(l.s.edit(1), "3");
    PressEnter(l.s.edit(1));
    EXPECT_EQ(l.s.focusWidget(), l.s.edit(2));
    EXPECT_EQ(l.s.errorCount(), 4);
    EXPECT_TRUE(l.s.label(8)->text().isEmpty());
    for (const auto& [box, text] : {std::pair{2, "12"}, {3, "9"}, {4, "12"}}) Type(l.s.edit(box), text);
    PressEnter(l.s.edit(2));  // one box wrong
    EXPECT_EQ(l.s.errorCount(), 5);
    EXPECT_FALSE(IsRed(l.s.edit(1)));
    EXPECT_TRUE(IsRed(l.s.edit(3)));
    EXPECT_TRUE(l.s.label(9)->text().isEmpty());
    EXPECT_EQ(l.s.label(11)->text(), "6");
    EXPECT_TRUE(l.s.image(3)->isEmpty());
}

TEST(CommonDenominator, AReducingSeriesIsMarkedBySolvedExercisesAndLogged) {
    Lesson l;
    Click(l.s.button(3));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button4", "Button5", "Button6"}));
    // 3/15: c = 3, k = 5.
    ScriptedRandom random({10, 20});
    Click(l.s.button(4));
    EXPECT_EQ(l.s.level(), 3);
    EXPECT_EQ(l.s.label(1)->text(), "Скоротіть дріб");
    EXPECT_EQ(l.s.label(2)->text() + "/" + l.s.label(3)->text(), "3/15");
    EXPECT_FALSE(Shown(l.s.edit(3)));
    EXPECT_FALSE(Shown(l.s.edit(4)));
    EXPECT_TRUE(l.s.image(2)->isEmpty());
    Answer(l.s, {"3", "15"});
    EXPECT_EQ(l.s.errorCount(), 2);
    EXPECT_EQ(l.s.label(9)->text() + "/" + l.s.label(10)->text(), "1/5");
    SeededRandom seeded(3);
    for (int exercise = 2; exercise <= 10; ++exercise) {
        Click(l.s.button(8));
        l.clock.advance(10);
        QStringList answer = TrueAnswer(l.s);
        if (exercise == 5) answer[1] += "0";  // one box wrong
        Answer(l.s, answer);
        const int stage = exercise < 5 ? 11 - exercise : exercise == 5 ? 7 : 12 - exercise;
        EXPECT_EQ(l.s.image(3)->pictureName(), QStringLiteral("OZ\\03(%1).bmp").arg(stage));
    }
    EXPECT_EQ(VisibleButtons(l.s), QStringList{"Button1"});
    EXPECT_EQ(l.s.label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(l.s.label(13)->text(), "Час 90 c");
    // Eight exercises solved: the mark counts them, not the three wrong boxes.
    EXPECT_EQ(l.s.image(4)->pictureName(), "NDD\\ocenka8.bmp");
    EXPECT_EQ(l.folder.lines("OZ\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 3 час виконання 90 c  рівень 3"});
}

TEST(CommonDenominator, OracleEveryLevelExpectsTheLeastDenominatorOrLowestTerms) {
    TempDataFolder folder;
    SeededRandom random(777);
    for (int level = 1; level <= 5; ++level) {
        for (int series = 0; series < 40; ++series) {
            auto s = CreateScreen<TForm21>();
            Click(s->button(level <= 2 ? 2 : 3));
            Click(s->button(level <= 2 ? 3 + level : level + 1));
            ASSERT_EQ(s->level(), level);
            for (int exercise = 1; exercise <= 10; ++exercise) {
                const qint64 t1 = Number(*s, 2), d1 = Number(*s, 3);
                ASSERT_GE(t1, 1);
                if (level <= 2) {
                    ASSERT_LE(t1, d1 - 3);
                    ASSERT_NE(d1, Number(*s, 5));
                } else {
                    ASSERT_GT(std::gcd(t1, d1), 1);  // there is always something to reduce
                }
                Answer(*s, TrueAnswer(*s));
                ASSERT_EQ(s->label(8)->text(), "Правильно") << level << ": " << t1 << "/" << d1;
                if (exercise < 10) Click(s->button(8));
            }
            ASSERT_EQ(s->image(4)->pictureName(), "NDD\\ocenka10.bmp");
        }
    }
    EXPECT_EQ(folder.lines("OZ\\stat.txt").size(), 200);
}

TEST(CommonDenominatorData, EveryPictureTheLessonLoadsIsInTheDataFolder) {
    TempDataFolder folder;
    for (int level = 1; level <= 5; ++level) {
        EXPECT_TRUE(folder.exists(QStringLiteral("OZ\\0%1.bmp").arg(level)));
        for (int stage = 1; stage <= 9; ++stage)
            EXPECT_TRUE(folder.exists(QStringLiteral("OZ\\0%1(%2).bmp").arg(level).arg(stage)));
    }
    for (int mark = 0; mark <= 10; ++mark) EXPECT_TRUE(folder.exists(QStringLiteral("NDD\\ocenka%1.bmp").arg(mark)));
    EXPECT_TRUE(folder.exists("kr\\chdr2.bmp"));
    EXPECT_TRUE(folder.exists("OZ\\stat.txt"));
}
