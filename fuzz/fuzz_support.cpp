#include "fuzz_support.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/error_box.h"
#include "app/house_style.h"

namespace fuzz {
void StartApplication() {
    if (QApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    ApplyHouseStyle();
    setErrorSink([](const QString& message) { Messages() << message; });
}

QString MakeWorkingFolder(const QStringList& copied) {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/m6-fuzz-XXXXXX"));
    if (!dir.isValid()) Fail(QStringLiteral("no scratch folder"));
    const QString data = QStringLiteral(M6_FUZZ_DATA);
    for (const QString& folder : copied) {
        const QString source = QDir(data).filePath(folder);
        if (!QFileInfo(source).isDir())
            Fail(QStringLiteral("no rendered data folder at ") + data + QStringLiteral(" (build the main build first)"));
        QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = QDir(dir.path()).filePath(QDir(data).relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).absolutePath());
            QFile::remove(to);
            QFile::copy(from, to);
        }
    }
    QDir::setCurrent(dir.path());
    return dir.path();
}

void WriteFile(const QString& fullPath, const uint8_t* data, size_t size) {
    QFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) Fail(QStringLiteral("cannot write ") + fullPath);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
}

QStringList& Messages() {
    static QStringList messages;
    return messages;
}

void Fail(const QString& what) {
    std::fprintf(stderr, "fuzz: %s\n", what.toUtf8().constData());
    std::abort();
}
}  // namespace fuzz

// Every target makes its scratch folder the working folder at its first input,
// and libFuzzer reads the rest of a corpus folder after that: a corpus, crash
// file or artifact prefix given relative to where the run started would no
// longer be found. So they are made absolute before the run begins.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<std::string> kept;
    static std::vector<char*> args;
    const auto absolute = [](const std::string& path) {
        return path.empty() || path.front() == '/' ? path : (std::filesystem::current_path() / path).string();
    };
    for (int i = 0; i < *argc; ++i) {
        std::string arg = (*argv)[i];
        if (i > 0 && !arg.starts_with('-')) {
            arg = absolute(arg);  // a corpus folder or an input file
        } else {
            for (const std::string flag : {"-artifact_prefix=", "-exact_artifact_path="}) {
                if (arg.starts_with(flag)) arg = flag + absolute(arg.substr(flag.size()));
            }
        }
        kept.push_back(arg);
    }
    for (std::string& arg : kept) args.push_back(arg.data());
    args.push_back(nullptr);
    *argv = args.data();
    return 0;
}
