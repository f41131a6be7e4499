// The teacher's report reads back what the program writes.
#include <QComboBox>
#include <QDateEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "core/text_file.h"
#include "report/attempt_log.h"
#include "report/class_summary.h"
#include "report/day_chart.h"
#include "report/report_window.h"
#include "testing/screen_driver.h"

namespace {
// The line the real test 1 writes when marked untouched, in a data folder of its own.
QString lineOfTest1() {
    StartedProgram run;
    Click(run.screen(3)->button(2));
    const QStringList lines = run.folder.lines("stat.txt");
    EXPECT_EQ(lines.size(), 1);
    return lines.value(0);
}

void writeLog(const TempDataFolder& f, const QString& name, const QStringList& lines, bool lastComplete = true) {
    QByteArray bytes;
    for (const QString& l : lines) bytes += EncodeWindows1251(l) + "\r\n";
    if (!lastComplete) bytes.chop(2);
    f.write(name, bytes);
}

// Lines of every shape the program writes; the blank before " рівень" and " урок"
// comes from the closing " c " + " рівень "; the c is Latin; Maugli has no error count.
const QString kLesson = "дата 09.12.2026 час початку 10:00:00 помилок 3 час виконання 300 c  рівень 2";
const QString kShort = "дата 09.12.2026 час початку 10:10:00 помилок 1 час виконання 90 c  рівень 1 короткий";
const QString kArith = "дата 10.12.2026 час початку 11:00:00 помилок 0 час виконання 200 c  урок 3 віднімання ";
const QString kSet = "дата 10.12.2026 час початку 12:00:00 помилок 2 час виконання 500 c  рівень 5";
const QString kMaugli = "дата 11.12.2026 час початку 9:05:03  час виконання 640 c  рівень 4";
}  // namespace

TEST(Report, ReadsEveryLineShapeTheProgramWrites) {
    const QString test1 = lineOfTest1();
    LoggedAttempt a;
    QString why;
    ASSERT_TRUE(ParseLogLine(test1, "", a, why)) << test1.toStdString() << ": " << why.toStdString();
    EXPECT_EQ(a.module, "Контрольні роботи");
    EXPECT_EQ(a.part, "К.р.№1");
    EXPECT_TRUE(a.percent);
    EXPECT_GT(a.errors, 0);  // an untouched paper

    struct Case {
        QString line, folder, module, part, result;
        int seconds;
    } cases[] = {
        {kLesson, "NDD", "НСД-НСК", "рівень 2", "3", 300},
        {kShort, "dd", "Додавання дробів", "рівень 1, коротка серія", "1", 90},
        {kArith, "Add", "Арифметичні дії з дробами", "урок 3 віднімання", "0", 200},
        {kSet, "z5", "Задачі 5", "рівень 5", "2", 500},
        {kSet, "zcircle", "Коло", "рівень 5", "2", 500},
        {kMaugli, "GTM", "Гра \"Мауглі\"", "сад 4", "—", 640},
        {kLesson, "vch", "Десяткові дроби", "рівень 2", "3", 300},
    };
    for (const Case& c : cases) {
        LoggedAttempt b;
        ASSERT_TRUE(ParseLogLine(c.line, c.folder, b, why)) << c.line.toStdString() << ": " << why.toStdString();
        EXPECT_EQ(b.module, c.module);
        EXPECT_EQ(b.part, c.part);
        EXPECT_EQ(b.resultText(), c.result);
        EXPECT_EQ(b.seconds, c.seconds);
    }
    LoggedAttempt m;
    ASSERT_TRUE(ParseLogLine(kMaugli, "GTM", m, why));
    EXPECT_EQ(m.start, QTime(9, 5, 3));
    EXPECT_EQ(m.date, QDate(2026, 12, 11));
    // A shape that belongs to another module is not taken for this one.
    EXPECT_FALSE(ParseLogLine(kMaugli, "z1", m, why));
    EXPECT_FALSE(ParseLogLine(test1, "deli", m, why));
    EXPECT_FALSE(ParseLogLine("дата 31.02.2026 час початку 10:00:00 помилок 3 час виконання 3 c  рівень 2", "deli", m, why));
    // A lesson's name with another glued to it is not read as the second lesson.
    const QString glued = "дата 10.12.2026 час початку 11:00:00 помилок 0 час виконання 200 c  урок 3 додаваннявіднімання";
    EXPECT_FALSE(ParseLogLine(glued, "Add", m, why)) << m.part.toStdString();
}

TEST(Report, AClassFolderGivesRowsPerPupilAndListsWhatItCannotRead) {
    TempDataFolder cls(TempDataFolder::Empty);
    const QString test = "дата 08.12.2026 час початку 9:05:03 помилок 25% час виконання 640 c К.р.№1 Ваpіант № + ";
    writeLog(cls, "Оля/stat.txt", {test, "дата 09.12.2026 час початку 9:00:00 помилок 10% час виконання 600 c К.р.№1 Ваpіант № + "});
    writeLog(cls, "Оля/NDD/stat.txt", {kLesson, "кава"});
    writeLog(cls, "Петро/stat.txt", {test});
    // A program is appending right now: its last line is not finished yet.
    writeLog(cls, "Петро/GTM/stat.txt", {kMaugli, "дата 11.12.2026 час поч"}, false);
    cls.write("Петро/n8/stat.txt", EncodeWindows1251("Завдання 1\r\n"));  // answers, not results

    const ClassLog log = ReadClass({cls.path()});
    EXPECT_EQ(log.pupils, (QStringList{"Оля", "Петро"}));
    ASSERT_EQ(log.attempts.size(), 5u);
    ASSERT_EQ(log.unread.size(), 2u);
    EXPECT_TRUE(log.unread[0].file.endsWith("Оля/NDD/stat.txt"));
    EXPECT_EQ(log.unread[0].lineNumber, 2);
    EXPECT_EQ(log.unread[1].lineNumber, 2);
    EXPECT_TRUE(log.unread[1].reason.contains("не завершено"));

    std::vector<const LoggedAttempt*> all;
    for (const auto& a : log.attempts) all.push_back(&a);
    const auto rows = Summarise(all);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].pupil, "Оля");
    EXPECT_EQ(rows[0].module, "Контрольні роботи");
    EXPECT_EQ(rows[0].attempts, 2);
    EXPECT_EQ(rows[0].last, "10%");
    EXPECT_EQ(rows[0].best, "10%");
    EXPECT_DOUBLE_EQ(rows[0].meanSeconds, 620);
    EXPECT_EQ(rows[2].module, "Гра \"Мауглі\"");
    EXPECT_EQ(rows[2].best, "—");

    // The CSV a spreadsheet opens: BOM, ";" and CR LF, the Ukrainian text intact.
    AttemptFilter petro;
    petro.pupil = "Петро";
    std::vector<const LoggedAttempt*> his;
    for (const auto& a : log.attempts)
        if (petro.accepts(a)) his.push_back(&a);
    EXPECT_EQ(AttemptsCsv(his),
              QByteArray("\xEF\xBB\xBF") + QString("Учень;Модуль;Частина;Дата;Початок;Помилки;Секунди\r\n"
                                                   "Петро;Контрольні роботи;К.р.№1;08.12.2026;9:05:03;25%;640\r\n"
                                                   "Петро;\"Гра \"\"Мауглі\"\"\";сад 4;11.12.2026;9:05:03;—;640\r\n")
                                                   .toUtf8());
    // Nothing was written beside the logs.
    EXPECT_FALSE(cls.exists("Петро/GTM/stat.txt.lock"));
}

TEST(Report, TheWindowFiltersByPupilModuleAndDates) {
    TempDataFolder cls(TempDataFolder::Empty);
    writeLog(cls, "A/stat.txt", {"дата 08.12.2026 час початку 9:05:03 помилок 25% час виконання 640 c К.р.№1 Ваpіант № + "});
    writeLog(cls, "A/z5/stat.txt", {kSet});
    writeLog(cls, "B/z5/stat.txt", {kSet, kSet});
    ReportWindow window;
    window.openFolders({cls.path()});
    EXPECT_EQ(window.table()->rowCount(), 4);
    window.pupilChoice()->setCurrentIndex(window.pupilChoice()->findText("B"));
    EXPECT_EQ(window.table()->rowCount(), 2);
    EXPECT_EQ(window.summary()->rowCount(), 1);
    // The chart follows the choice: B's one module, two errors a day.
    ASSERT_EQ(window.chart()->series().size(), 1u);
    EXPECT_EQ(window.chart()->series()[0].module, "Задачі 5");
    EXPECT_EQ(window.chart()->series()[0].days, (std::vector<std::pair<QDate, double>>{{QDate(2026, 12, 10), 2.0}}));
    EXPECT_TRUE(window.chart()->title().contains("B"));
    window.pupilChoice()->setCurrentIndex(0);
    window.moduleChoice()->setCurrentIndex(window.moduleChoice()->findText("Задачі 5"));
    EXPECT_EQ(window.table()->rowCount(), 3);
    window.fromDate()->setDate(QDate(2026, 12, 11));
    EXPECT_EQ(window.table()->rowCount(), 0);
    EXPECT_TRUE(window.documentHtml().contains("Задачі 5"));
}

TEST(Report, AScreenReaderFindsNamedFiltersTablesAndAChartToldInWords) {
    TempDataFolder cls(TempDataFolder::Empty);
    writeLog(cls, "A/z5/stat.txt", {kSet});
    writeLog(cls, "B/z5/stat.txt", {kSet, kSet});
    ReportWindow window;
    window.openFolders({cls.path()});
    for (QWidget* w : std::initializer_list<QWidget*>{window.pupilChoice(), window.moduleChoice(), window.fromDate(),
                                                      window.toDate(), window.summary(), window.unread(), window.chart()})
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
    // The chart's text alternative: the module, the day and its mean of errors (2 in every attempt).
    const QString told = window.chart()->accessibleDescription();
    EXPECT_TRUE(told.contains("10.12.2026 — 2")) << told.toStdString();
    window.pupilChoice()->setCurrentIndex(window.pupilChoice()->findText("A"));
    EXPECT_TRUE(window.chart()->accessibleDescription().contains("A")) << window.chart()->accessibleDescription().toStdString();
}
