#pragma once
// A task file of an independent work read by the real screen: the first byte
// picks the task (of variant 1), the rest is the file. The pupil chooses the
// variant, ticks the task and starts; then every answer box gets a text no line
// of the file can hold, and the check must not call it right. A file the work
// cannot mark says so; nothing else may reach the error box.
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "app/data_folder.h"
#include "app/error_box.h"
#include "fuzz_support.h"

namespace fuzz {
struct WorkButtons {
    int taskCount;
    const char* folder;
    const char* join;
    int firstVariant;
    int start;
    int check;
};

template <class Work>
int FuzzTaskFile(const uint8_t* data, size_t size, const WorkButtons& b) {
    static const bool ready = [&] {
        StartApplication();
        MakeWorkingFolder({QString::fromLatin1(b.folder)});
        return true;
    }();
    (void)ready;
    if (size == 0) return 0;
    const int task = data[0] % b.taskCount + 1;
    const QString name = QStringLiteral("%1\\t%2%3%4.txt").arg(QString::fromLatin1(b.folder)).arg(task).arg(QString::fromLatin1(b.join)).arg(1);
    WriteFile(DataPath(name), data + 1, size - 1);
    Messages().clear();

    auto work = std::make_unique<Work>();
    RunGuarded([&] { work->FormCreate(); });
    work->button(b.firstVariant)->click();
    work->checkBox(task)->click();
    work->button(b.start)->click();
    // Longer than any line of an input (libFuzzer runs with -max_len 4096).
    const QString wrong(5000, u'7');
    for (int n = 1; QLineEdit* edit = work->edit(n); ++n) {
        if (!edit->isHidden() && edit->isEnabled()) edit->setText(wrong);
    }
    if (work->button(b.check)->isEnabled()) work->button(b.check)->click();
    if (work->rightCount() != 0) Fail(QStringLiteral("task %1: an answer no line holds was taken as right").arg(task));
    for (const QString& message : Messages()) {
        if (!message.startsWith(QStringLiteral("У файлі завдання \"")))
            Fail(QStringLiteral("task %1: error box \"%2\"").arg(task).arg(message));
    }
    return 0;
}
}  // namespace fuzz
