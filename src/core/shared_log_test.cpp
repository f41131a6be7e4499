// Results logs in a data folder that several programs share: whole lines, none
// lost, none glued to another, whatever the others are doing.
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/text_file.h"
#include "testing/temp_data_folder.h"

namespace {
const QString kWorker = QStringLiteral(M6_LOG_APPEND_WORKER);

QStringList crLfLines(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringList lines = DecodeWindows1251(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}
}  // namespace

TEST(SharedLog, EightProgramsAppendingAtOnceKeepEveryLineWhole) {
#ifdef Q_OS_WIN
    // Wine, which runs the Windows build's tests, takes a lock some 25 times slower.
    constexpr int kLinesEach = 250;
#else
    constexpr int kLinesEach = 1000;
#endif
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("stat.txt", "");
    const QString log = folder.file("stat.txt");
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int w = 0; w < 8; ++w) {
        workers.push_back(std::make_unique<QProcess>());
        workers.back()->start(kWorker, {"append", log, QStringLiteral("w%1").arg(w), QString::number(kLinesEach)});
    }
    for (auto& p : workers) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    const QByteArray bytes = folder.bytes("stat.txt");
    EXPECT_FALSE(bytes.contains("\r\r")) << "a line break written twice";
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "a lone LF";
    const QStringList lines = crLfLines(bytes);
    ASSERT_EQ(lines.size(), 8 * kLinesEach);
    const QRegularExpression whole(QStringLiteral("^w(\\d) (\\d+) дата 08\\.12\\.2026 помилок 25% час виконання 640 c К\\.р\\.№1$"));
    std::vector<int> next(8, 0);
    for (const QString& line : lines) {
        const auto m = whole.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        // Each program's lines arrive whole and in its own order.
        const int w = m.captured(1).toInt();
        EXPECT_EQ(m.captured(2).toInt(), next[size_t(w)]++);
    }
    EXPECT_FALSE(folder.exists("stat.txt.lock"));
}

TEST(SharedLog, ALockLeftByAKilledProgramDoesNotBlockTheNextLine) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("stat.txt", EncodeWindows1251("перший\r\n"));
    QProcess holder;
    holder.start(kWorker, {"hold", folder.file("stat.txt")});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readAllStandardOutput().trimmed(), "locked");  // "\r\n" on Windows
    // While the holder lives, the log is busy: the pupil is told, nothing is written.
    try {
        AppendTextLine(folder.file("stat.txt"), "зайвий");
        FAIL() << "appended past a live lock";
    } catch (const ToolkitError& e) {
        EXPECT_EQ(e.message(), LogBusyMessage());
    }
    holder.kill();
    holder.waitForFinished();
    ASSERT_TRUE(folder.exists("stat.txt.lock"));
    AppendTextLine(folder.file("stat.txt"), "другий");
    EXPECT_EQ(folder.bytes("stat.txt"), EncodeWindows1251("перший\r\nдругий\r\n"));
}

TEST(SharedLog, ALineCutOffEarlierIsEndedBeforeTheNext) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("stat.txt", EncodeWindows1251("ціла\r\nобірва"));
    AppendTextLine(folder.file("stat.txt"), "нова");
    EXPECT_EQ(folder.bytes("stat.txt"), EncodeWindows1251("ціла\r\nобірва\r\nнова\r\n"));
    // Cut between CR and LF: only the LF is missing.
    folder.write("z1/stat.txt", "a\r");
    AppendTextLines(folder.file("z1/stat.txt"), {"b", "c"});
    EXPECT_EQ(folder.bytes("z1/stat.txt"), "a\r\nb\r\nc\r\n");
}
