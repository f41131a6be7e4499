#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "testing/error_recorder.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"
#include "works/work1.h"

// Readable failures.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {
// The line of each task's file that holds its right answer (task 2: the area;
// its perimeter is the line before).
const int kAnswerLine[] = {0, 6, 7, 10, 6, 11, 10, 5, 5, 5, 5, 5};

// A pupil at independent work 1 in a fresh data folder.
struct Pupil {
    TempDataFolder folder;
    std::unique_ptr<TForm15> s = CreateScreen<TForm15>();

    void choose(int v) { Click(s->button(v)); }
    void tick(int k) { Click(s->checkBox(k)); }
    void start() { Click(s->button(5)); }
    void check() { Click(s->button(6)); }
    void next() { Click(s->button(7)); }
    QStringList file(int task) const {
        return folder.lines(QStringLiteral("n9\\t%1v%2.txt").arg(task).arg(s->variant()));
    }
    // Types the right answer of the task on the screen, read from its file.
    void answerRight() {
        const int task = s->currentTask();
        const QStringList lines = file(task);
        if (task == 2) Type(s->edit(3), lines[5]);
        Type(s->edit(2), lines[kAnswerLine[task] - 1]);
    }
    // The task on the screen, recognised by its first text line.
    int shownTask() const {
        for (int k = 1; k <= 11; ++k) {
            if (file(k)[0] == s->label(2)->text()) return k;
        }
        return 0;
    }
    // Works through the whole range, right or wrong each time; returns the tasks seen.
    std::vector<int> workThrough(bool right) {
        std::vector<int> seen;
        for (int guard = 0; guard < 20 && s->button(6)->isEnabled(); ++guard) {
            seen.push_back(shownTask());
            if (right) {
                answerRight();
            } else {
                Type(s->edit(2), QStringLiteral("0,0"));
            }
            check();
            next();
        }
        return seen;
    }
    QPoint at(QWidget* w) const { return s->designRect(w).topLeft(); }
    std::vector<bool> enabledButtons() const {
        std::vector<bool> on;
        for (int n = 1; n <= 8; ++n) on.push_back(s->button(n)->isEnabled());
        return on;
    }
};

const std::vector<bool> kOnlyFinish = {false, false, false, false, false, false, false, true};
}  // namespace

TEST(Work1, CreationShowsCaptionsAndOnlyVariantsBoxesAndFinishAct) {
    Pupil p;
    TForm15& s = *p.s;
    EXPECT_EQ(s.windowTitle(), "Form15");
    EXPECT_FALSE(Shown(s.button(20)));
    EXPECT_EQ(s.label(1)->text(), "Варіант №");
    EXPECT_EQ(s.label(9)->text(), "Відповідь:");
    EXPECT_EQ(p.at(s.label(9)), QPoint(200, 220));
    for (int n : {2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16}) EXPECT_EQ(s.label(n)->text(), "") << n;
    QStringList captions;
    for (int n = 1; n <= 8; ++n) captions << s.button(n)->text();
    EXPECT_EQ(captions, (QStringList{"Варіант 1", "Варіант 2", "Варіант 3", "Варіант 4", "Старт", "Перевірка",
                                     "Продовження", "Завершення"}));
    for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(s.button(8 + k)->text(), QString::number(91 + k));
        EXPECT_FALSE(s.button(8 + k)->isEnabled());
        EXPECT_TRUE(s.checkBox(k)->isEnabled());
    }
    EXPECT_EQ(p.enabledButtons(), (std::vector<bool>{true, true, true, true, false, false, false, true}));
    EXPECT_FALSE(Shown(s.edit(3)));
}

TEST(Work1, AVariantButtonNamesItsFilesAndLocksTheVariant) {
    Pupil p;
    p.choose(3);
    EXPECT_EQ(p.s->label(10)->text(), "3");
    EXPECT_EQ(p.at(p.s->label(10)), QPoint(200, 8));
    EXPECT_EQ(p.s->taskFileName(1), "n9\\t1v3.txt");
    EXPECT_EQ(p.s->taskFileName(11), "n9\\t11v3.txt");
    EXPECT_EQ(p.enabledButtons(), (std::vector<bool>{false, false, false, false, true, false, false, true}));
    p.choose(1);  // disabled: nothing changes
    EXPECT_EQ(p.s->variant(), 3);
}

TEST(Work1, OneTickedBoxGivesThatTaskAlone) {
    for (bool right : {true, false}) {
        Pupil p;
        p.choose(1);
        p.tick(7);
        p.start();
        for (int k = 1; k <= 11; ++k) EXPECT_FALSE(p.s->checkBox(k)->isEnabled());
        EXPECT_EQ(p.workThrough(right), std::vector<int>{7});
        EXPECT_EQ(p.s->edit(1)->text(), right ? "Відповідей-1 Правильних-1" : "Відповідей-1 Правильних-0");
        EXPECT_EQ(p.s->designRect(p.s->edit(1)), QRect(40, 281, 300, p.s->designRect(p.s->edit(2)).height()));
        EXPECT_FALSE(p.s->edit(1)->isEnabled());
        EXPECT_EQ(p.enabledButtons(), kOnlyFinish);
    }
}

TEST(Work1, TheRangeRunsFromTheLowestTickedBoxToTheNextOne) {
    struct Case {
        std::vector<int> ticks;
        std::vector<int> tasks;
    };
    const std::vector<Case> cases = {
        {{3, 7}, {3, 4, 5, 6, 7}},
        {{7, 3}, {3, 4, 5, 6, 7}},
        {{9, 4, 6}, {4, 5, 6}},                        // the third box is ignored
        {{11, 1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},  // by index, not by order of ticking
        {{5, 2, 5}, {2}},                              // 5 ticked and unticked again
    };
    for (const Case& c : cases) {
        Pupil p;
        p.choose(2);
        for (int k : c.ticks) p.tick(k);
        p.start();
        EXPECT_EQ(p.workThrough(true), c.tasks);
        EXPECT_EQ(p.s->edit(1)->text(),
                  QStringLiteral("Відповідей-%1 Правильних-%1").arg(static_cast<int>(c.tasks.size())));
    }
}

TEST(Work1, StartWithNoTickedBoxGivesTheWholeWork) {
    Pupil p;
    p.choose(4);
    p.start();
    EXPECT_EQ(p.s->firstTask(), 1);
    EXPECT_EQ(p.s->lastTask(), 11);
    EXPECT_EQ(p.shownTask(), 1);
    EXPECT_TRUE(p.s->button(6)->isEnabled());
}

TEST(Work1, AFullRunInEveryVariantAnsweredFromTheFilesIsAllRight) {
    for (int v = 1; v <= 4; ++v) {
        ErrorRecorder errors;
        Pupil p;
        p.choose(v);
        p.tick(1);
        p.tick(11);
        p.start();
        EXPECT_EQ(p.workThrough(true), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})) << "variant " << v;
        EXPECT_EQ(p.s->edit(1)->text(), "Відповідей-11 Правильних-11") << "variant " << v;
        EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("; ").toStdString();
    }
}

TEST(Work1, ATaskIsShownFromItsFileWithItsFractionLabelsPlaced) {
    Pupil p;
    p.choose(1);
    p.tick(6);
    p.start();
    const QStringList lines = p.file(6);
    EXPECT_EQ(p.s->label(2)->text(), lines[0]);
    EXPECT_EQ(p.s->label(5)->text(), lines[3]);
    EXPECT_EQ(p.s->label(6)->text(), "");  // line 5 of task 6 is not shown
    EXPECT_EQ(p.s->label(11)->text(), lines[5]);
    EXPECT_EQ(p.s->label(14)->text(), lines[8]);
    EXPECT_EQ(p.at(p.s->label(11)), QPoint(80, 65));
    EXPECT_EQ(p.at(p.s->label(12)), QPoint(80, 95));
    EXPECT_EQ(p.at(p.s->label(13)), QPoint(280, 65));
    EXPECT_EQ(p.at(p.s->label(14)), QPoint(270, 95));
    EXPECT_EQ(p.at(p.s->label(9)), QPoint(380, 240));
    EXPECT_FALSE(Shown(p.s->edit(3)));
    EXPECT_EQ(p.s->label(9)->text(), "Відповідь:");
}

TEST(Work1, AnswersAreComparedAsExactText) {
    struct Case {
        int task;
        QString typed;  // "%1" stands for the file's right answer
        bool right;
    };
    const std::vector<Case> cases = {
        {7, " %1", false}, {7, "%1 ", false}, {7, "", false}, {7, "%1", true},
        {8, "tak", false}, {8, "TAK", false}, {8, "Tak", true},
    };
    for (const Case& c : cases) {
        Pupil p;
        // A task whose answer has letters, to show that case counts too.
        p.folder.write("n9\\t8v1.txt", QByteArray("a\r\nb\r\nc\r\nd\r\nTak\r\n"));
        p.choose(1);
        p.tick(c.task);
        p.start();
        const QString answer = p.file(c.task)[4];
        Type(p.s->edit(2), c.typed.contains("%1") ? c.typed.arg(answer) : c.typed);
        p.check();
        EXPECT_EQ(p.s->edit(1)->text(), c.right ? "Правильно" : "Неправильно") << c.typed.toStdString();
        EXPECT_EQ(p.s->label(15)->text(), c.right ? "" : "Правильна відповідь:");
        EXPECT_EQ(p.s->label(16)->text(), c.right ? "" : answer);
        p.next();
        EXPECT_EQ(p.s->edit(1)->text(), QStringLiteral("Відповідей-1 Правильних-%1").arg(c.right ? 1 : 0));
    }
}

TEST(Work1, TaskTwoAsksForPerimeterAndAreaAndShowsBothRightValues) {
    Pupil p;
    p.choose(2);
    p.tick(2);
    p.tick(3);
    p.start();
    TForm15& s = *p.s;
    EXPECT_TRUE(Shown(s.edit(3)));
    EXPECT_EQ(s.label(9)->text(), "Площа:");
    EXPECT_EQ(p.at(s.label(9)), QPoint(380, 230));
    EXPECT_EQ(s.label(13)->text(), "Периметр:");
    EXPECT_EQ(p.at(s.label(13)), QPoint(380, 190));
    EXPECT_EQ(p.at(s.label(11)), QPoint(115, 69));
    const QStringList lines = p.file(2);
    Type(s.edit(3), lines[5]);
    Type(s.edit(2), lines[6] + "0");
    p.check();
    EXPECT_EQ(s.edit(1)->text(), "Неправильно");
    EXPECT_EQ(s.label(16)->text(), lines[5] + "   " + lines[6]);
    EXPECT_FALSE(s.edit(2)->isEnabled());
    EXPECT_FALSE(s.edit(3)->isEnabled());
    p.next();
    // Task 3 has one answer field again, and the caption is a fraction label once more.
    EXPECT_FALSE(Shown(s.edit(3)));
    EXPECT_EQ(s.label(9)->text(), "Відповідь:");
    EXPECT_EQ(s.label(13)->text(), p.file(3)[7]);
    EXPECT_EQ(p.at(s.label(13)), QPoint(185, 190));
    EXPECT_TRUE(s.edit(2)->isEnabled());
}

TEST(Work1, TaskTwoIsRightOnlyWithBothParts) {
    Pupil p;
    p.choose(1);
    p.tick(2);
    p.start();
    const QStringList lines = p.file(2);
    // Swapped fields: perimeter where the area goes.
    Type(p.s->edit(3), lines[6]);
    Type(p.s->edit(2), lines[5]);
    p.check();
    EXPECT_EQ(p.s->edit(1)->text(), "Неправильно");
    EXPECT_EQ(p.s->rightCount(), 0);

    Pupil q;
    q.choose(1);
    q.tick(2);
    q.start();
    q.answerRight();
    q.check();
    EXPECT_EQ(q.s->edit(1)->text(), "Правильно");
    EXPECT_EQ(q.s->label(15)->text(), "");
}

TEST(Work1, EachTaskIsMarkedOnce) {
    Pupil p;
    p.choose(1);
    p.tick(8);
    p.tick(9);
    p.start();
    EXPECT_EQ(p.enabledButtons(), (std::vector<bool>{false, false, false, false, false, true, false, true}));
    p.answerRight();
    p.check();
    EXPECT_EQ(p.enabledButtons(), (std::vector<bool>{false, false, false, false, false, false, true, true}));
    EXPECT_FALSE(p.s->edit(1)->isEnabled());
    EXPECT_FALSE(p.s->edit(2)->isEnabled());
    p.check();
    p.check();
    EXPECT_EQ(p.s->rightCount(), 1);
    p.next();
    EXPECT_EQ(p.enabledButtons(), (std::vector<bool>{false, false, false, false, false, true, false, true}));
    EXPECT_EQ(p.s->edit(1)->text(), "");
    EXPECT_EQ(p.s->edit(2)->text(), "");
    EXPECT_TRUE(p.s->edit(2)->isEnabled());
    p.next();  // disabled until the task is marked
    EXPECT_EQ(p.s->answeredCount(), 1);
}

TEST(Work1, AMissingTaskFileStopsWithTheToolkitMessageAndLeavesNothingToMark) {
    Pupil p;
    p.folder.remove("n9\\t4v3.txt");
    p.choose(3);
    p.tick(3);
    p.tick(5);
    p.start();
    p.answerRight();
    p.check();
    {
        ErrorRecorder errors;
        p.next();
        EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    }
    // Task 3's lines are gone: there is nothing left to be marked against.
    EXPECT_TRUE(p.s->taskLines().isEmpty());
    for (int n : {2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16}) EXPECT_EQ(p.s->label(n)->text(), "") << n;
    EXPECT_EQ(p.s->edit(1)->text(), "");
    EXPECT_FALSE(p.s->button(6)->isEnabled());
    EXPECT_FALSE(p.s->button(7)->isEnabled());
    EXPECT_TRUE(p.s->button(8)->isEnabled());
    p.check();
    EXPECT_EQ(p.s->rightCount(), 1);

    // The same when the very first task is missing.
    Pupil q;
    q.folder.remove("n9\\t9v2.txt");
    q.choose(2);
    q.tick(9);
    ErrorRecorder errors;
    q.start();
    EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    EXPECT_FALSE(q.s->button(6)->isEnabled());
    EXPECT_FALSE(q.s->button(5)->isEnabled());
}

TEST(Work1, AFileWithoutItsAnswerIsReportedNotMarked) {
    struct Case {
        QString name;
        QByteArray bytes;
        int task;
        QString line;
    };
    const std::vector<Case> cases = {
        {"n9\\t7v1.txt", "one\r\ntwo\r\n", 7, "5"},                         // short file
        {"n9\\t8v1.txt", "a\r\nb\r\nc\r\nd\r\n\r\nextra\r\n", 8, "5"},     // empty answer line
        {"n9\\t2v1.txt", "a\r\nb\r\nc\r\n1\r\n2\r\n10\r\n", 2, "7"},       // area missing
        {"n9\\t2v1.txt", "a\r\nb\r\nc\r\n1\r\n2\r\n\r\n10\r\n", 2, "6"},   // perimeter missing
    };
    for (const Case& c : cases) {
        Pupil p;
        p.folder.write(c.name, c.bytes);
        p.choose(1);
        p.tick(c.task);
        ErrorRecorder errors;
        p.start();
        ASSERT_EQ(errors.messages().size(), 1);
        EXPECT_TRUE(errors.messages()[0].contains(c.name)) << errors.messages()[0].toStdString();
        EXPECT_TRUE(errors.messages()[0].contains(QStringLiteral("рядок ") + c.line)) << errors.messages()[0].toStdString();
        // An empty answer is not "right": the task is not offered for checking at all.
        EXPECT_FALSE(p.s->button(6)->isEnabled());
        p.check();
        EXPECT_EQ(p.s->rightCount(), 0);
        EXPECT_EQ(p.s->label(2)->text(), "");
    }
}

TEST(Work1, AShortFileWithItsAnswerGivesEmptyLinesForTheRest) {
    Pupil p;
    // Task 5 reads eleven lines; this one has its answer as the last and no more.
    p.folder.write("n9\\t5v1.txt", "only line\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n42");
    p.choose(1);
    p.tick(5);
    p.start();
    EXPECT_EQ(p.s->label(2)->text(), "only line");
    EXPECT_EQ(p.s->label(7)->text(), "");
    Type(p.s->edit(2), "42");
    p.check();
    EXPECT_EQ(p.s->edit(1)->text(), "Правильно");
}

TEST(Work1, ReopeningFromTheMenuShowsTheStateLeft) {
    StartedProgram run;
    Screen* menu = run.screen(14);
    auto* work = dynamic_cast<TForm15*>(run.screen(15));
    ASSERT_NE(work, nullptr);
    Click(menu->button(2));
    Click(work->button(2));
    Click(work->checkBox(10));
    Click(work->button(5));
    Type(work->edit(2), "1");
    Click(work->button(6));
    Click(work->button(8));
    EXPECT_FALSE(work->isVisible());
    Click(menu->button(2));
    EXPECT_TRUE(work->isVisible());
    EXPECT_EQ(work->currentTask(), 10);
    EXPECT_EQ(work->edit(1)->text(), "Неправильно");
    EXPECT_TRUE(work->button(7)->isEnabled());
    EXPECT_FALSE(work->button(5)->isEnabled());
}
