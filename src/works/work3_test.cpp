#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "testing/error_recorder.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"
#include "works/work3.h"

namespace {
const QString kLog = QStringLiteral("n8\\stat.txt");

// A pupil at independent work 3 in a fresh data folder.
struct Pupil {
    TempDataFolder folder;
    std::unique_ptr<TForm17> s = CreateScreen<TForm17>();

    void choose(int v) { Click(s->button(4 + v)); }
    void tick(int k) { Click(s->checkBox(k)); }
    void start() { Click(s->button(1)); }
    void check() { Click(s->button(2)); }
    void next() { Click(s->button(3)); }
    void statistics() { Click(s->button(20)); }
    void begin(int v, int first, int last) {
        choose(v);
        tick(first);
        if (last != first) tick(last);
        start();
    }
    QStringList file(int task) const { return folder.lines(QStringLiteral("n8\\t%1_v%2.txt").arg(task).arg(s->variant())); }
    // Types the right answers of the task on the screen into its shown fields.
    void answerRight() {
        const QStringList l = file(s->currentTask());
        const int task = s->currentTask();
        // The line of each task's first answer; the others follow it.
        static const int kFirstAnswerLine[] = {0, 2, 2, 4, 3, 4, 2, 2, 2, 2, 2, 2};
        for (int p = 0; p < 3; ++p) {
            if (Shown(s->edit(2 + p))) Type(s->edit(2 + p), l[kFirstAnswerLine[task] - 1 + p]);
        }
    }
    QStringList gridRow(int r) const {
        QStringList row;
        for (int c = 0; c < 8; ++c) row << (s->grid(1)->item(r, c) ? s->grid(1)->item(r, c)->text() : QString());
        return row;
    }
};
}  // namespace

TEST(Work3, CreationVariantAndHeadingWithTheLatinB) {
    Pupil p;
    EXPECT_EQ(p.s->windowTitle(), "Form17");
    const char* captions[] = {"Старт", "Перевірка", "Продовження", "Завершення", "Варіант 1", "Варіант 2", "Варіант 3", "Варіант 4"};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(p.s->button(n)->text(), QString::fromUtf8(captions[n - 1]));
    EXPECT_EQ(p.s->button(20)->text(), "Статистика");
    const int numbers[] = {134, 135, 136, 137, 139, 140, 145, 146, 147, 148, 149};
    for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(p.s->button(8 + k)->text(), QString::number(numbers[k - 1]));
        EXPECT_FALSE(p.s->button(8 + k)->isEnabled());
    }
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(p.s->button(n)->isEnabled());
    EXPECT_FALSE(Shown(p.s->button(21)));
    EXPECT_EQ(p.s->dumpButton(), p.s->button(21));

    p.choose(2);
    // "Bаріант": the first letter is the Latin B, the rest Cyrillic.
    EXPECT_EQ(p.s->label(4)->text(), QString(u'B') + QString::fromUtf8("аріант 2"));
    EXPECT_EQ(p.s->taskFileName(11), "n8\\t11_v2.txt");
    EXPECT_TRUE(p.s->button(1)->isEnabled());
    for (int v = 1; v <= 4; ++v) EXPECT_FALSE(p.s->button(4 + v)->isEnabled());
}

// Boxes 2 and 4 in variant 3: tasks 135, 136, 137, each logged in six lines
// and judged in the grid as on the screen.
TEST(Work3, ARangeOfThreeTasksIsLoggedAndShownInTheGrid) {
    ErrorRecorder errors;
    Pupil p;
    p.folder.write(kLog, "old\r\nrun\r\n");
    p.begin(3, 4, 2);
    EXPECT_TRUE(p.folder.lines(kLog).isEmpty());  // emptied at "Старт"
    EXPECT_EQ(p.s->label(4)->text(), QString(u'B') + QString::fromUtf8("аріант 3 №135"));
    for (int n = 2; n <= 4; ++n) EXPECT_TRUE(Shown(p.s->edit(n)));
    EXPECT_EQ(p.s->label(2)->text(), "Перша частина");
    EXPECT_EQ(p.s->label(3)->text(), "Друга частина");
    EXPECT_EQ(p.s->label(5)->text(), "Третя частина");

    // Task 2, part 3 wrong: all three right answers stand beside the fields.
    const QStringList t2 = p.file(2);
    Type(p.s->edit(2), t2[1]);
    Type(p.s->edit(3), t2[2]);
    // Letters beyond the Russian alphabet in the typed answer: Ґ, ї, є, Ї and the dash and № of the code page.
    const QString typed = QStringLiteral("Ґанок їжака — є, Її №5");
    Type(p.s->edit(4), typed);
    p.check();
    EXPECT_EQ(p.s->edit(1)->text(), "Неправильно");
    EXPECT_EQ(p.s->label(10)->text(), t2[1]);
    EXPECT_EQ(p.s->label(11)->text(), t2[2]);
    EXPECT_EQ(p.s->label(12)->text(), t2[3]);
    EXPECT_EQ(p.folder.lines(kLog), (QStringList{t2[1], t2[2], t2[3], t2[1], t2[2], typed}));
    // Its line byte by byte from the Windows-1251 table (Ґ a5, ї bf, — 97, є ba, Ї af, № b9), then CR LF.
    const QByteArray typedLine = QByteArray::fromHex("a5e0edeeea 20 bfe6e0eae0 20 97 20 ba2c 20 afbf 20 b935 0d0a");
    EXPECT_TRUE(p.folder.bytes(kLog).endsWith("\r\n" + typedLine)) << p.folder.bytes(kLog).toHex(' ').toStdString();
    p.next();

    // Task 3 right: one field captioned "Відповідь"; its group carries "*" for the parts it lacks.
    EXPECT_EQ(p.s->label(4)->text(), QString(u'B') + QString::fromUtf8("аріант 3 №136"));
    EXPECT_EQ(p.s->label(2)->text(), "Відповідь");
    EXPECT_FALSE(Shown(p.s->edit(3)));
    EXPECT_FALSE(Shown(p.s->edit(4)));
    EXPECT_EQ(p.s->label(10)->text(), "");
    const QStringList t3 = p.file(3);
    EXPECT_EQ(p.s->label(6)->text(), t3[1]);
    EXPECT_EQ(p.s->label(7)->text(), t3[2]);
    Type(p.s->edit(2), t3[3]);
    p.check();
    EXPECT_EQ(p.s->edit(1)->text(), "Правильно");
    EXPECT_EQ(p.folder.lines(kLog).mid(6), (QStringList{t3[3], "*", "*", t3[3], "*", "*"}));
    p.next();

    // Task 4 with an extra blank and a pasted line break: wrong on the screen and
    // in the grid, and the break is logged as a blank, not as a line of its own.
    EXPECT_EQ(p.s->label(4)->text(), QString(u'B') + QString::fromUtf8("аріант 3 №137"));
    const QStringList t4 = p.file(4);
    Type(p.s->edit(2), t4[2] + " ");
    p.s->edit(3)->setText(t4[3] + "\r\n\t");
    ASSERT_EQ(p.s->edit(3)->text(), t4[3] + "\r\n\t");
    Type(p.s->edit(4), t4[4]);
    p.check();
    EXPECT_EQ(p.s->edit(1)->text(), "Неправильно");
    p.next();

    EXPECT_EQ(p.s->edit(1)->text(), "Відповідей-3 Правильних-1");
    EXPECT_FALSE(p.s->button(2)->isEnabled());
    EXPECT_FALSE(p.s->button(3)->isEnabled());
    const QByteArray bytes = p.folder.bytes(kLog);
    EXPECT_EQ(bytes.count("\r\n"), 18);
    EXPECT_EQ(bytes.count('\n'), 18);

    p.statistics();
    EXPECT_EQ(p.s->grid(1)->columnCount(), 8);
    EXPECT_EQ(p.gridRow(0), (QStringList{"Номер завдання", "Правильна відповідь", "2 правильна відповідь", "3 правильна відповідь",
                                         "Перша відповідь учня", "Друга відповідь учня", "Третя відповідь учня", "Результат"}));
    EXPECT_EQ(p.gridRow(1).last(), "Неправильно");
    EXPECT_EQ(p.gridRow(2), (QStringList{"2", t3[3], "*", "*", t3[3], "*", "*", "Правильно"}));
    EXPECT_EQ(p.gridRow(3), (QStringList{"3", t4[2], t4[3], t4[4], t4[2] + " ", t4[3] + "   ", t4[4], "Неправильно"}));
    EXPECT_EQ(p.gridRow(4).first(), "");
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("; ").toStdString();
}

TEST(Work3, AFullRunInEveryVariantAnsweredFromTheFilesIsAllRight) {
    for (int v = 1; v <= 4; ++v) {
        ErrorRecorder errors;
        Pupil p;
        p.begin(v, 1, 11);
        for (int task = 1; task <= 11; ++task) {
            ASSERT_EQ(p.s->currentTask(), task);
            p.answerRight();
            p.check();
            EXPECT_EQ(p.s->edit(1)->text(), "Правильно") << "task " << task << " variant " << v;
            p.next();
        }
        EXPECT_EQ(p.s->edit(1)->text(), "Відповідей-11 Правильних-11");
        EXPECT_EQ(p.s->designRect(p.s->edit(1)).left(), 40);
        EXPECT_EQ(p.s->designRect(p.s->edit(1)).width(), 300);
        EXPECT_EQ(p.folder.lines(kLog).size(), 66);
        p.statistics();
        for (int r = 1; r <= 11; ++r) EXPECT_EQ(p.gridRow(r).last(), "Правильно") << "row " << r;
        EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("; ").toStdString();
    }
}

// Task 5 shows two equation lines at the variant's places; its part 3 is
// checked on the screen but left out of the log.
TEST(Work3, TaskFiveChecksItsThirdPartWithoutLoggingIt) {
    Pupil one;
    one.begin(1, 5, 5);
    EXPECT_FALSE(Shown(one.s->edit(4)));
    EXPECT_EQ(one.s->designRect(one.s->label(8)).topLeft(), QPoint(105, 110));
    EXPECT_EQ(one.s->label(9)->text(), one.file(5)[6]);

    Pupil four;
    four.begin(4, 5, 5);
    const QStringList l = four.file(5);
    EXPECT_EQ(four.s->label(7)->text(), "");
    EXPECT_EQ(four.s->label(8)->text(), l[6]);
    EXPECT_EQ(four.s->designRect(four.s->label(9)).topLeft(), QPoint(360, 105));
    Type(four.s->edit(2), l[3]);
    Type(four.s->edit(3), l[4]);
    Type(four.s->edit(4), "1");
    four.check();
    EXPECT_EQ(four.s->edit(1)->text(), "Неправильно");
    EXPECT_EQ(four.s->label(12)->text(), l[5]);
    EXPECT_EQ(four.folder.lines(kLog), (QStringList{l[3], l[4], "*", l[3], l[4], "*"}));
    four.next();
    four.statistics();
    EXPECT_EQ(four.gridRow(1).last(), "Правильно");  // the grid does not judge part 3
}

// Each check is on disk as soon as it is made: a program ended mid-work loses nothing.
TEST(Work3, TheLogIsCompleteWhenTheProgramEndsMidWork) {
    Pupil p;
    p.begin(1, 7, 11);
    Type(p.s->edit(2), "5");
    p.check();
    p.next();
    p.check();
    EXPECT_EQ(p.folder.lines(kLog).size(), 12);
    // "Статистика" while the work runs shows what is logged so far.
    p.statistics();
    EXPECT_EQ(p.gridRow(2).first(), "2");
    EXPECT_EQ(p.gridRow(3).first(), "");
    p.s.reset();
    const QByteArray bytes = p.folder.bytes(kLog);
    EXPECT_EQ(bytes.count("\r\n"), 12);
    EXPECT_TRUE(bytes.endsWith("*\r\n"));
}

TEST(Work3, MissingLogOrFolderIsReportedByTheToolkit) {
    ErrorRecorder errors;
    Pupil p;
    p.folder.remove(kLog);
    p.statistics();
    EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    // A log cut short fills the missing cells with empty text.
    p.folder.write(kLog, "1\r\n2\r\n*\r\n1\r\n");
    p.statistics();
    EXPECT_EQ(p.gridRow(1), (QStringList{"1", "1", "2", "*", "1", "", "", "Неправильно"}));
}
