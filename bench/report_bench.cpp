// The teacher's report opening a class: 30 pupils' folders of 10,000 results
// lines each, spread over the modules' logs. Prints the time to read them and
// to show them in the window (the target: under a second).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "core/text_file.h"
#include "report/attempt_log.h"
#include "report/report_window.h"

namespace {
void makeClass(const QString& root) {
    const struct {
        const char* folder;
        const char* tail;
        bool percent, maugli;
    } logs[] = {{"", "К.р.№%1 Ваpіант № + ", true, false}, {"deli", " рівень %1", false, false},
                {"Add", " урок %1 додавання ", false, false}, {"dd", " рівень %1 короткий", false, false},
                {"z3", " рівень %1", false, false}, {"GTM", " рівень %1", false, true}};
    for (int pupil = 0; pupil < 30; ++pupil) {
        for (int l = 0; l < 6; ++l) {
            const QString dir = QStringLiteral("%1/pupil%2/%3").arg(root).arg(pupil).arg(QString::fromLatin1(logs[l].folder));
            QDir().mkpath(dir);
            QByteArray bytes;
            const int lines = 10000 / 6 + (l < 10000 % 6 ? 1 : 0);
            for (int i = 0; i < lines; ++i) {
                QString line = QStringLiteral("дата %1.12.2026 час початку %2:05:03 ").arg(1 + i % 28, 2, 10, QLatin1Char('0')).arg(8 + i % 9);
                if (!logs[l].maugli) line += QStringLiteral("помилок %1%2 ").arg(i % 30).arg(logs[l].percent ? "%" : "");
                else line += u' ';
                line += QStringLiteral("час виконання %1 c ").arg(100 + i % 900) + QString::fromUtf8(logs[l].tail).arg(1 + i % 4);
                bytes += EncodeWindows1251(line) + "\r\n";
            }
            QFile f(dir + QStringLiteral("/stat.txt"));
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
        }
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    makeClass(dir.path());
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    double readMs = 0, windowMs = 0;
    size_t attempts = 0;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        const ClassLog log = ReadClass({dir.path()});
        readMs += double(t.nsecsElapsed()) / 1e6;
        attempts = log.attempts.size() + log.unread.size();
        t.restart();
        ReportWindow window;
        window.openFolders({dir.path()});
        window.show();
        QApplication::processEvents();
        windowMs += double(t.nsecsElapsed()) / 1e6;
    }
    std::printf("report: %zu lines of 30 pupils read in %.0f ms; opened in the window in %.0f ms (target: under 1000 ms)\n",
                attempts, readMs / runs, windowMs / runs);
    return 0;
}
