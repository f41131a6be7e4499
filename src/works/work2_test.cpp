#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "testing/error_recorder.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"
#include "works/work2.h"

namespace {
// A pupil at independent work 2 in a fresh data folder.
struct Pupil {
    TempDataFolder folder;
    std::unique_ptr<TForm16> s = CreateScreen<TForm16>();

    void choose(int v) { Click(s->button(v)); }
    void tick(int k) { Click(s->checkBox(k)); }
    void start() { Click(s->button(8)); }
    void check() { Click(s->button(7)); }
    void next() { Click(s->button(6)); }
    // Variant v, boxes first and last, "Старт".
    void begin(int v, int first, int last) {
        choose(v);
        tick(first);
        if (last != first) tick(last);
        start();
    }
    QStringList file(int task) const { return folder.lines(QStringLiteral("n5\\t%1v%2.txt").arg(task).arg(s->variant())); }
    // The right answers of the task on the screen, read from its file: the
    // line before the last is Edit2's when the task has two fields.
    void answerRight() {
        const int task = s->currentTask();
        QStringList lines = file(task);
        const int v = s->variant();
        if ((task == 8 || task == 9 || task == 15) && v <= 2) lines.removeLast();  // read, not used
        if (Shown(s->edit(3))) {
            Type(s->edit(3), lines.last());
            Type(s->edit(2), lines[lines.size() - 2]);
        } else {
            Type(s->edit(2), lines.last());
        }
    }
    QStringList shownText() const {
        QStringList text;
        for (int n = 4; n <= 7; ++n) text << s->label(n)->text();
        return text;
    }
};
}  // namespace

TEST(Work2, CreationShowsCaptionsAndOnlyVariantsBoxesAndFinishAct) {
    Pupil p;
    EXPECT_EQ(p.s->windowTitle(), "Form16");
    EXPECT_EQ(p.s->label(1)->text(), "Відповідь:");
    EXPECT_EQ(p.s->label(2)->text(), "Варіант №");
    const char* captions[] = {"Варіант 1", "Варіант 2", "Варіант 3", "Варіант 4", "Завершення", "Продовження", "Перевірка", "Старт"};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(p.s->button(n)->text(), QString::fromUtf8(captions[n - 1]));
    for (int k = 1; k <= 15; ++k) {
        EXPECT_EQ(p.s->button(8 + k)->text(), QString::number(115 + k));
        EXPECT_FALSE(p.s->button(8 + k)->isEnabled());
        EXPECT_TRUE(p.s->checkBox(k)->isEnabled());
    }
    for (int n = 6; n <= 8; ++n) EXPECT_FALSE(p.s->button(n)->isEnabled());
    EXPECT_TRUE(p.s->button(5)->isEnabled());
    EXPECT_FALSE(Shown(p.s->button(24)));
    EXPECT_EQ(p.s->dumpButton(), p.s->button(24));

    p.choose(3);
    EXPECT_EQ(p.s->label(3)->text(), "3");
    EXPECT_EQ(p.s->taskFileName(15), "n5\\t15v3.txt");
    for (int v = 1; v <= 4; ++v) EXPECT_FALSE(p.s->button(v)->isEnabled());
    EXPECT_TRUE(p.s->button(8)->isEnabled());
}

TEST(Work2, AFullRunInEveryVariantAnsweredFromTheFilesIsAllRight) {
    for (int v = 1; v <= 4; ++v) {
        ErrorRecorder errors;
        Pupil p;
        p.begin(v, 1, 15);
        for (int task = 1; task <= 15; ++task) {
            ASSERT_EQ(p.s->currentTask(), task) << "variant " << v;
            p.answerRight();
            p.check();
            EXPECT_EQ(p.s->edit(1)->text(), "Правильно") << "task " << task << " variant " << v;
            p.next();
        }
        EXPECT_EQ(p.s->edit(1)->text(), "Відповідей-15 Правильних-15");
        EXPECT_EQ(p.s->designRect(p.s->edit(1)).left(), 40);
        EXPECT_EQ(p.s->designRect(p.s->edit(1)).width(), 300);
        // The count is shown once: nothing can move the work on.
        for (int n = 6; n <= 8; ++n) EXPECT_FALSE(p.s->button(n)->isEnabled());
        p.next();
        EXPECT_EQ(p.s->answeredCount(), 15);
        EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("; ").toStdString();
    }
}

TEST(Work2, LinesShownDependOnTaskAndVariant) {
    Pupil two;
    two.begin(2, 2, 2);
    EXPECT_EQ(two.shownText(), two.file(2).mid(0, 3) << QString());
    EXPECT_EQ(two.s->taskLines().size(), 4);

    Pupil one;
    one.begin(1, 2, 2);
    EXPECT_EQ(one.shownText(), one.file(2).mid(0, 2) << QString() << QString());
    EXPECT_EQ(one.s->taskLines().size(), 3);

    // Task 8 in variant 1 reads a sixth line that is not the answer.
    Pupil eight;
    eight.begin(1, 8, 8);
    const QStringList lines = eight.file(8);
    ASSERT_EQ(lines.size(), 6);
    Type(eight.s->edit(2), lines[5]);
    eight.check();
    EXPECT_EQ(eight.s->edit(1)->text(), "Неправильно");
    EXPECT_EQ(eight.s->label(11)->text(), "Правильна відповідь:");
    EXPECT_EQ(eight.s->label(12)->text(), lines[4]);
}

TEST(Work2, TwoFieldTasksNeedBothAnswersAndShowThemInTheirOrder) {
    {  // Task 3: the fields captioned by what they ask for, the unit after the second.
        Pupil p;
        p.begin(3, 3, 3);
        EXPECT_TRUE(Shown(p.s->edit(3)));
        EXPECT_EQ(p.s->label(8)->text(), "папір");
        EXPECT_EQ(p.s->label(9)->text(), "макулатура");
        EXPECT_EQ(p.s->label(10)->text(), "кг");
        for (int n = 8; n <= 10; ++n) EXPECT_TRUE(Shown(p.s->label(n)));
        const QStringList lines = p.file(3);
        Type(p.s->edit(2), lines[3]);
        Type(p.s->edit(3), lines[3]);
        p.check();
        EXPECT_EQ(p.s->edit(1)->text(), "Неправильно");
        EXPECT_EQ(p.s->label(12)->text(), lines[3] + "   " + lines[4]);
    }
    {  // Task 13, variant 1: the price and the percentage; the percentage is shown first.
        Pupil p;
        p.begin(1, 13, 13);
        EXPECT_TRUE(Shown(p.s->edit(3)));
        EXPECT_TRUE(Shown(p.s->label(8)));
        EXPECT_EQ(p.s->label(8)->text(), "вартість");
        EXPECT_EQ(p.s->label(10)->text(), "%");
        EXPECT_EQ(p.s->designRect(p.s->label(10)).left(), 260);
        const QStringList lines = p.file(13);
        Type(p.s->edit(2), lines[4]);
        Type(p.s->edit(3), lines[4]);
        p.check();
        EXPECT_EQ(p.s->edit(1)->text(), "Неправильно");
        EXPECT_EQ(p.s->label(12)->text(), lines[5] + "   " + lines[4]);
        EXPECT_FALSE(p.s->edit(2)->isEnabled());
        EXPECT_FALSE(p.s->edit(3)->isEnabled());
    }
    {  // Task 13, variant 3: one field, no unit.
        Pupil p;
        p.begin(3, 13, 13);
        EXPECT_FALSE(Shown(p.s->edit(3)));
        EXPECT_FALSE(Shown(p.s->label(8)));
        EXPECT_FALSE(Shown(p.s->label(10)));
        Type(p.s->edit(2), p.file(13)[4] + " ");  // a trailing blank is not the answer
        p.check();
        EXPECT_EQ(p.s->edit(1)->text(), "Неправильно");
        EXPECT_EQ(p.s->label(12)->text(), p.file(13)[4]);
    }
}

TEST(Work2, UnitsAndTheWideFieldFollowTheTasks) {
    Pupil p;
    p.begin(1, 6, 9);
    // Task 6: kilometres after the field.
    EXPECT_EQ(p.s->label(10)->text(), "км");
    EXPECT_EQ(p.s->designRect(p.s->label(10)).left(), 180);
    EXPECT_EQ(p.s->designRect(p.s->edit(2)).width(), 59);
    p.check();
    p.next();
    // Task 7 in variant 1 takes a long answer: the field widens, with no unit.
    EXPECT_EQ(p.s->designRect(p.s->edit(2)).width(), 150);
    EXPECT_FALSE(Shown(p.s->label(10)));
    p.check();
    p.next();
    // Task 8: "cм" with the Latin c; the field stays wide, and the unit moves
    // out from under it.
    EXPECT_EQ(p.s->label(10)->text(), QString(u'c') + QString(u'м'));
    EXPECT_EQ(p.s->designRect(p.s->edit(2)).width(), 150);
    EXPECT_GT(p.s->designRect(p.s->label(10)).left(), p.s->designRect(p.s->edit(2)).right());
    p.check();
    p.next();
    EXPECT_EQ(p.s->label(10)->text(), "%");
    EXPECT_EQ(p.s->designRect(p.s->edit(2)).width(), 150);

    // Task 13 beside a wide field would hide its second field: the pair stands narrow, side by side.
    Pupil r;
    r.begin(1, 7, 13);
    for (int task = 7; task < 13; ++task) {
        r.check();
        r.next();
    }
    EXPECT_EQ(r.s->designRect(r.s->edit(2)).width(), 59);
    EXPECT_LT(r.s->designRect(r.s->edit(2)).right(), r.s->designRect(r.s->edit(3)).left());

    Pupil q;
    q.begin(3, 9, 9);
    // Task 9 in variant 3: "см", all Cyrillic.
    EXPECT_EQ(q.s->label(10)->text(), QString(u'с') + QString(u'м'));
    EXPECT_NE(q.s->label(10)->text(), QString(u'c') + QString(u'м'));
}

TEST(Work2, AMissingTaskFileStopsWithTheToolkitMessageAndLeavesNothingToMark) {
    ErrorRecorder errors;
    Pupil p;
    p.folder.remove("n5\\t4v2.txt");
    p.begin(2, 4, 4);
    EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    EXPECT_FALSE(p.s->button(7)->isEnabled());
    EXPECT_TRUE(p.s->taskLines().isEmpty());
}
