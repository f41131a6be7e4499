// A second program writing to a results log, for the tests of shared data folders.
//   log_append_worker append <log> <tag> <count>   appends <count> lines "<tag> <i> …"
//   log_append_worker hold <log>                    takes the log's lock, says "locked", waits to be killed
#include <QCoreApplication>
#include <QLockFile>
#include <QThread>
#include <cstdio>

#include "core/errors.h"
#include "core/text_file.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == "append") {
        const int count = args[4].toInt();
        try {
            for (int i = 0; i < count; ++i) {
                AppendTextLine(args[2], QStringLiteral("%1 %2 дата 08.12.2026 помилок 25% час виконання 640 c К.р.№1")
                                            .arg(args[3])
                                            .arg(i));
            }
        } catch (const ToolkitError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        return 0;
    }
    if (args.size() == 3 && args[1] == "hold") {
        QLockFile lock(args[2] + QStringLiteral(".lock"));
        if (!lock.lock()) return 1;
        std::printf("locked\n");
        std::fflush(stdout);
        for (;;) QThread::sleep(1);
    }
    std::fprintf(stderr, "usage: log_append_worker append <log> <tag> <count> | hold <log>\n");
    return 2;
}
