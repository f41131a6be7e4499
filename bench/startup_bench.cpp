// Start-up cost: making all thirty-six screens with their pictures and papers,
// as the pupil waits for the main menu. Prints the mean time over several runs
// and the peak memory of the process.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "app/house_style.h"
#include "program/screens.h"
#include "testing/error_recorder.h"
#include "testing/temp_data_folder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyHouseStyle();
    TempDataFolder folder;
    ErrorRecorder errors;
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i) {
        auto program = StartProgram();
        QApplication::processEvents();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6 / runs;
    std::printf("start-up: %.1f ms a run over %d runs (%lld error boxes)\n", ms, runs, (long long)errors.messages().size());
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) std::printf("peak memory: %s\n", line.mid(6).trimmed().constData());
        }
    }
    return 0;
}
