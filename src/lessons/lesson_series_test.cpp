#include "lessons/lesson_series.h"

#include <gtest/gtest.h>

#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

// The smallest lesson: one box, the answer is always "7"; its pictures borrow
// the prime-divisors folder. A short series shows how the rules scale.
class SevenLesson : public LessonSeries {
public:
    SevenLesson() : LessonSeries(QStringLiteral("Seven"), QSize(600, 400)) {
        addButton(1, 10, 10, 100, 30);
        addButton(2, 10, 50, 100, 30);
        addButton(3, 10, 90, 100, 30);
        addButton(4, 10, 130, 100, 30);
        addButton(5, 10, 170, 100, 30);
        addEdit(1, 200, 10, 80, 30);
        addLabel(1, 200, 50, 16);
        addLabel(2, 200, 80, 16);
        addImage(1, 300, 10, 200, 150);
        addImage(2, 300, 200, 200, 80);
        onClick(button(2), &SevenLesson::Button2Click);
        onClick(button(3), &SevenLesson::Button3Click);
        onClick(button(4), &SevenLesson::Button4Click);
        checkOnEnter(edit(1));
        setSeriesControls({.check = button(3),
                           .next = button(4),
                           .choices = {button(2), button(5)},
                           .progress = image(1),
                           .mark = image(2),
                           .congratulation = label(1),
                           .time = label(2)});
    }
    void FormCreate() override {
        button(3)->hide();
        button(4)->hide();
    }
    void Button2Click() { startSeries(2, length); }
    void Button3Click() {
        if (!acceptingAnswers()) return;
        if (edit(1)->text() == "7") {
            offerNextExercise();
            if (isLastExercise()) finishSeries();
            advanceProgress();
        } else {
            countErrors(wrongBoxes);
            offerNextExercise();
            if (isLastExercise()) finishSeries();
        }
    }
    void Button4Click() {
        if (advanceExercise()) edit(1)->clear();
    }

    int length = 5;
    int wrongBoxes = 1;

protected:
    QString progressPictureBase() const override { return QStringLiteral("Deli\\04"); }
    QString markPictureName(int mark) const override { return QStringLiteral("deli\\ocenka%1.bmp").arg(mark); }
    QString logPath() const override { return QStringLiteral("deli\\stat.txt"); }
};

void RunSeries(SevenLesson& s, const QString& answers) {
    Click(s.button(2));
    for (int i = 0; i < answers.size(); ++i) {
        Type(s.edit(1), answers.mid(i, 1));
        Click(s.button(3));
        if (i + 1 < answers.size()) Click(s.button(4));
    }
}

}  // namespace

TEST(LessonSeries, AShortSeriesRevealsItsPictureInAsManyStages) {
    TempDataFolder folder;
    FakeClock clock;
    auto s = CreateScreen<SevenLesson>();
    Click(s->button(2));
    EXPECT_FALSE(Shown(s->button(2)));
    EXPECT_FALSE(Shown(s->button(5)));
    for (int k = 1; k <= 5; ++k) {
        Type(s->edit(1), "7");
        Click(s->button(3));
        EXPECT_EQ(s->image(1)->pictureName(),
                  k < 5 ? QStringLiteral("Deli\\04(%1).bmp").arg(5 - k) : QStringLiteral("Deli\\04.bmp"));
        EXPECT_EQ(Shown(s->button(4)), k < 5);
        Click(s->button(4));
    }
    EXPECT_EQ(s->exerciseNumber(), 5);
    EXPECT_EQ(s->image(2)->pictureName(), "deli\\ocenka5.bmp");
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
}

TEST(LessonSeries, TheMarkNeverFallsBelowNought) {
    TempDataFolder folder;
    FakeClock clock;
    auto s = CreateScreen<SevenLesson>();
    s->wrongBoxes = 3;  // a lesson that counts wrong boxes can pass the series length
    RunSeries(*s, "12345");
    EXPECT_EQ(s->errorCount(), 15);
    EXPECT_EQ(s->image(2)->pictureName(), "deli\\ocenka0.bmp");
    EXPECT_TRUE(folder.lines("deli\\stat.txt")[0].contains(" помилок 15 час виконання "));
}

TEST(LessonSeries, TheChoiceButtonsNeverComeBackAndTheSeriesStartsOnce) {
    TempDataFolder folder;
    FakeClock clock;
    auto s = CreateScreen<SevenLesson>();
    RunSeries(*s, "77");
    EXPECT_EQ(s->correctCount(), 2);
    // A second start (say, a button shown again by mistake) changes nothing.
    s->button(2)->show();
    Click(s->button(2));
    EXPECT_EQ(s->exerciseNumber(), 2);
    EXPECT_EQ(s->correctCount(), 2);
}

TEST(LessonSeries, TheLogLineIsWrittenOnceAndTheTimeCountsFromTheStart) {
    TempDataFolder folder;
    FakeClock clock;
    auto s = CreateScreen<SevenLesson>();
    clock.advance(100);  // time before the lesson button does not count
    Click(s->button(2));
    for (int k = 1; k <= 5; ++k) {
        clock.advance(9);
        Type(s->edit(1), k % 2 ? "7" : "x");
        Click(s->button(3));
        Click(s->button(4));
    }
    // Latin c after the seconds.
    EXPECT_EQ(s->label(2)->text(), "Час 45 c");
    EXPECT_EQ(folder.lines("deli\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:06:43 помилок 2 час виконання 45 c  рівень 2"});
    EXPECT_EQ(s->attempt().elapsedSeconds, 45);
    Click(s->button(3));
    EXPECT_EQ(folder.lines("deli\\stat.txt").size(), 1);
}

TEST(PrimeDivisorsData, EveryPictureTheLessonLoadsIsInTheDataFolder) {
    TempDataFolder folder;
    for (int level = 1; level <= 5; ++level) {
        EXPECT_TRUE(folder.exists(QStringLiteral("Deli\\0%1.bmp").arg(level))) << level;
        for (int stage = 1; stage <= 9; ++stage)
            EXPECT_TRUE(folder.exists(QStringLiteral("Deli\\0%1(%2).bmp").arg(level).arg(stage))) << level << stage;
    }
    for (int mark = 0; mark <= 10; ++mark) EXPECT_TRUE(folder.exists(QStringLiteral("deli\\ocenka%1.bmp").arg(mark)));
    EXPECT_TRUE(folder.exists("deli\\stat.txt"));
}
