#include "lessons/gcd_lcm.h"

#include <gtest/gtest.h>
#include <numeric>

#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

QStringList VisibleButtons(const TForm20& s) {
    QStringList shown;
    for (int n = 1; n <= 10; ++n)
        if (Shown(s.button(n))) shown << s.button(n)->objectName();
    return shown;
}

struct Lesson {
    TempDataFolder folder;
    FakeClock clock;
    std::unique_ptr<TForm20> screen = CreateScreen<TForm20>();
    TForm20& s = *screen;
};

// The two numbers read back from "НСД(a,b)=".
std::pair<qint64, qint64> Numbers(const TForm20& s) {
    QString text = s.label(2)->text();
    text = text.mid(4, text.size() - 6);
    const QStringList parts = text.split(',');
    return {parts[0].toLongLong(), parts[1].toLongLong()};
}

void Answer(TForm20& s, const QString& text) {
    Type(s.edit(1), text);
    Click(s.button(8));
}

}  // namespace

TEST(GcdLcm, TopicThenLessonThenTheWorkedExamples) {
    Lesson l;
    EXPECT_EQ(l.s.windowTitle(), "Form20");
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button2", "Button6"}));
    EXPECT_EQ(l.s.dumpButton(), l.s.button(10));
    EXPECT_FALSE(Shown(l.s.edit(1)));
    Click(l.s.button(2));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button3", "Button4", "Button5"}));
    // НСД(15,21)=: c = 3, p = 5, r = 7.
    ScriptedRandom random({10, 20, 30});
    Click(l.s.button(3));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button8"}));
    EXPECT_EQ(l.s.label(1)->text(), "Вкажіть найбільший спільний дільник двох чисел:");
    EXPECT_EQ(l.s.label(7)->text(), "Урок № 1");
    EXPECT_EQ(l.s.label(2)->text(), "НСД(15,21)=");
    Answer(l.s, "03");
    EXPECT_EQ(l.s.label(3)->text(), "Неправильно");
    EXPECT_EQ(l.s.label(4)->text(), "Правильна відповідь:");
    EXPECT_EQ(l.s.label(5)->text(), "3");
    EXPECT_FALSE(l.s.edit(1)->isEnabled());
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button9"}));
    // The marked index 1 (2) is drawn again until free: 2 → redraw → 7.
    random.then({10, 0, 0, 30});
    Click(l.s.button(9));
    EXPECT_EQ(l.s.label(2)->text(), "НСД(6,21)=");
    EXPECT_TRUE(l.s.edit(1)->isEnabled());
    EXPECT_TRUE(l.s.edit(1)->text().isEmpty());
    for (int n = 3; n <= 5; ++n) EXPECT_TRUE(l.s.label(n)->text().isEmpty());
    Answer(l.s, "3");
    EXPECT_EQ(l.s.label(3)->text(), "Правильно");
    EXPECT_EQ(l.s.image(1)->pictureName(), "NDD\\01(9).bmp");
}

TEST(GcdLcm, LcmLessonTwoWritesItsFirstExerciseWithALatinK) {
    Lesson l;
    Click(l.s.button(6));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button3", "Button4"}));
    // НСК(70,105)=: c1 = 5, c2 = 7, p = 2, r = 3.
    ScriptedRandom random({20, 30, 0, 10});
    Click(l.s.button(4));
    EXPECT_EQ(l.s.level(), 5);
    EXPECT_EQ(l.s.label(1)->text(), "Вкажіть найменше спільне кратне двох чисел:");
    // The K after "НС" is the Latin letter on this first exercise only.
    EXPECT_EQ(l.s.label(2)->text(), QStringLiteral("НС") + QChar('K') + "(70,105)=");
    Answer(l.s, "210");
    EXPECT_EQ(l.s.label(3)->text(), "Правильно");
    EXPECT_EQ(l.s.image(1)->pictureName(), "NDD\\05(9).bmp");
    // Level 2's common primes may be equal: 2·2·3 and 2·2·5.
    random.then({0, 0, 10, 20});
    Click(l.s.button(9));
    EXPECT_EQ(l.s.label(2)->text(), "НСК(12,20)=");  // Cyrillic К from now on
}

TEST(GcdLcm, AFullSeriesEndsWithTimeLogAndMark) {
    Lesson l;
    SeededRandom random(5);
    Click(l.s.button(6));
    Click(l.s.button(3));
    for (int exercise = 1; exercise <= 10; ++exercise) {
        l.clock.advance(12);
        const auto [a, b] = Numbers(l.s);
        const qint64 lcm = std::lcm(a, b);
        Answer(l.s, QString::number(exercise % 4 == 0 ? lcm + 1 : lcm));
        if (exercise < 10) {
            EXPECT_TRUE(Shown(l.s.button(9)));
            Click(l.s.button(9));
        }
    }
    EXPECT_EQ(VisibleButtons(l.s), QStringList{"Button1"});
    EXPECT_EQ(l.s.label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(l.s.label(6)->text(), "Час 120 c");  // Latin c
    EXPECT_EQ(l.s.image(2)->pictureName(), "NDD\\ocenka8.bmp");
    EXPECT_EQ(l.s.image(1)->pictureName(), "NDD\\04(2).bmp");
    // LCM lesson 1 is logged as level 4; two blanks before "рівень", Latin c.
    EXPECT_EQ(l.folder.lines("NDD\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 2 час виконання 120 c  рівень 4"});
    Click(l.s.button(8));
    EXPECT_EQ(l.folder.lines("NDD\\stat.txt").size(), 1);
}

TEST(GcdLcm, OracleEveryLevelAsksForTheTrueGcdOrLcm) {
    TempDataFolder folder;
    SeededRandom random(20261208);
    const QString lessons[] = {"1", "2", "3", "1", "2"};
    for (int level = 1; level <= 5; ++level) {
        for (int series = 0; series < 40; ++series) {
            auto s = CreateScreen<TForm20>();
            Click(s->button(level <= 3 ? 2 : 6));
            Click(s->button(level <= 3 ? 2 + level : level - 1));
            ASSERT_EQ(s->level(), level);
            for (int exercise = 1; exercise <= 10; ++exercise) {
                const auto [a, b] = Numbers(*s);
                ASSERT_GT(a, 1);
                ASSERT_GT(b, 1);
                const qint64 truth = level <= 3 ? std::gcd(a, b) : std::lcm(a, b);
                if (level <= 3) {
                    ASSERT_GT(truth, 1);
                }
                Answer(*s, QString::number(truth));
                ASSERT_EQ(s->label(3)->text(), "Правильно") << level << " " << a << " " << b;
                if (exercise < 10) Click(s->button(9));
            }
            ASSERT_EQ(s->image(2)->pictureName(), "NDD\\ocenka10.bmp");
        }
    }
    EXPECT_EQ(folder.lines("NDD\\stat.txt").size(), 200);
}

TEST(GcdLcmData, EveryPictureTheLessonLoadsIsInTheDataFolder) {
    TempDataFolder folder;
    for (int level = 1; level <= 5; ++level) {
        EXPECT_TRUE(folder.exists(QStringLiteral("NDD\\0%1.bmp").arg(level)));
        for (int stage = 1; stage <= 9; ++stage)
            EXPECT_TRUE(folder.exists(QStringLiteral("NDD\\0%1(%2).bmp").arg(level).arg(stage)));
    }
    for (int mark = 0; mark <= 10; ++mark) EXPECT_TRUE(folder.exists(QStringLiteral("NDD\\ocenka%1.bmp").arg(mark)));
    EXPECT_TRUE(folder.exists("NDD\\stat.txt"));
}
