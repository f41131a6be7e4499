#include <gtest/gtest.h>

#include "app/attempt_record.h"
#include "app/results_log.h"
#include "core/errors.h"
#include "core/text_file.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/temp_data_folder.h"

TEST(ClockSeconds, ReadsOneAndTwoDigitHours) {
    EXPECT_EQ(TimeTextSeconds("9:05:03"), 32703);
    EXPECT_EQ(TimeTextSeconds("19:05:03"), 68703);
    EXPECT_EQ(TimeTextSeconds("0:00:00"), 0);
    EXPECT_EQ(TimeTextSeconds("23:59:59"), 86399);
    // Anything after the time is ignored.
    EXPECT_EQ(TimeTextSeconds("9:05:03 PM"), 32703);
    FakeClock clock;
    clock.setTime(19, 5, 3);
    EXPECT_EQ(ClockSeconds(), 68703);
}

TEST(ClockSeconds, ABadPieceCountsAsItsLeadingDigits) {
    EXPECT_EQ(TimeTextSeconds("9:0x:03"), 9 * 3600 + 0 * 60 + 3);
    EXPECT_EQ(TimeTextSeconds("9:5a:03"), 9 * 3600 + 5 * 60 + 3);
    EXPECT_EQ(TimeTextSeconds("9:05:zz"), 9 * 3600 + 5 * 60);
    EXPECT_EQ(TimeTextSeconds(""), 0);
    EXPECT_EQ(TimeTextSeconds("x"), 0);
}

TEST(AttemptRecord, BeginsWithTheDateTimeAndLineStart) {
    FakeClock clock(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 3)));
    AttemptRecord record;
    BeginAttempt(record);
    EXPECT_EQ(record.dateText, "08.12.2026");
    EXPECT_EQ(record.startTimeText, "9:05:03");
    EXPECT_EQ(record.startSeconds, 32703);
    EXPECT_EQ(record.logLine, "дата 08.12.2026 час початку 9:05:03 помилок ");
}

TEST(AttemptRecord, ElapsedSecondsAcrossMidnightAndInTheSameSecond) {
    FakeClock clock(QDateTime(QDate(2026, 12, 8), QTime(23, 59, 50)));
    AttemptRecord record;
    BeginAttempt(record);
    clock.advance(20);
    FinishAttempt(record);
    EXPECT_EQ(record.endSeconds, 10);
    EXPECT_EQ(record.elapsedSeconds, 20);

    // Marked in the very second it began: no time passed, not a whole day.
    BeginAttempt(record);
    FinishAttempt(record);
    EXPECT_EQ(record.elapsedSeconds, 0);

    clock.setTime(9, 5, 3);
    BeginAttempt(record);
    clock.advance(640);
    FinishAttempt(record);
    EXPECT_EQ(record.elapsedSeconds, 640);
}

TEST(ResultsLog, AppendsWindows1251LinesWithCrLf) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("stat.txt", "");
    const QString line = "дата 08.12.2026 час початку 9:05:03 помилок 25% час виконання 640 c К.р.№1 Ваpіант № + ";
    AppendLine("stat.txt", line);
    AppendLine("stat.txt", "друга");
    const QByteArray bytes = folder.bytes("stat.txt");
    EXPECT_EQ(bytes, EncodeWindows1251(line) + "\r\n" + EncodeWindows1251("друга") + "\r\n");
    // One byte a letter: "д" is 0xE4 in Windows-1251, "№" is 0xB9, and the Latin c stays 0x63.
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xE4);
    EXPECT_TRUE(bytes.contains("640 c \xCA"));
    EXPECT_TRUE(bytes.contains("\xB9"));
}

TEST(ResultsLog, AModuleLogIsFoundWhateverTheCaseOfItsFolder) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("deli/stat.txt", "old line\r\n");
    AppendLine("Deli\\stat.txt", "new line");
    AppendLine("DELI/stat.txt", "third");
    EXPECT_EQ(folder.bytes("deli/stat.txt"), "old line\r\nnew line\r\nthird\r\n");
}

TEST(ResultsLog, AMissingLogIsReportedAndNeverCreated) {
    TempDataFolder folder(TempDataFolder::Empty);
    try {
        AppendLine("stat.txt", "line");
        FAIL() << "no error for a missing log";
    } catch (const ToolkitError& e) {
        EXPECT_EQ(e.message(), "File not found");
    }
    EXPECT_FALSE(folder.exists("stat.txt"));
    EXPECT_THROW(AppendLine("z1\\stat.txt", "line"), ToolkitError);
    EXPECT_FALSE(folder.exists("z1"));
}

TEST(TextFile, ReadsCrLfLinesAndKeepsEmptyOnes) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("n9/t1v1.txt", EncodeWindows1251("Знайдіть\r\n\r\n3\r\nостанній"));
    EXPECT_EQ(ReadTextLines(folder.file("N9\\T1V1.TXT")), (QStringList{"Знайдіть", "", "3", "останній"}));
    try {
        ReadTextLines(folder.file("n9\\t2v1.txt"));
        FAIL() << "no error for a missing task file";
    } catch (const ToolkitError& e) {
        EXPECT_EQ(e.message(), "File not found");
    }
}
