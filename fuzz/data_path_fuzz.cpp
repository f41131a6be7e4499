// The data-folder path resolver under any name: a name without ".." parts stays
// inside the data folder, and a name that differs from a file's only in case
// and slashes reaches that file.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/data_folder.h"
#include "fuzz_support.h"

namespace {
const char* const kFiles[] = {"stat.txt", "Deli/01(9).bmp", "Deli/stat.txt", "kr/chdr2.bmp", "n9/t1v1.txt",
                              "n8/t10_v4.txt", "GTM/stat.txt", "ГТМ/Сад 1.bmp"};

QString makeTree() {
    const QString root = fuzz::MakeWorkingFolder();
    for (const char* name : kFiles) {
        const QString path = QDir(root).filePath(QString::fromUtf8(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    }
    return root;
}

// The parts of a name as the resolver splits it: "\" or "/" between, empty parts dropped.
QStringList partsOf(const QString& name) {
    QString slashed = name;
    slashed.replace(u'\\', u'/');
    return slashed.split(u'/', Qt::SkipEmptyParts);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString root = QDir(makeTree()).absolutePath();
    const QString name = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (name.contains(QChar(0))) return 0;  // no file name holds a NUL
    const QString path = DataPath(root, name);
    const QStringList parts = partsOf(name);

    if (!parts.contains(QStringLiteral(".."))) {
        if (path != root && !path.startsWith(root + u'/'))
            fuzz::Fail(QStringLiteral("\"%1\" leaves the data folder: %2").arg(name, path));
    }
    QStringList kept = parts;
    kept.removeAll(QStringLiteral("."));
    const QString wanted = kept.join(u'/');
    for (const char* file : kFiles) {
        if (wanted.compare(QString::fromUtf8(file), Qt::CaseInsensitive) == 0 && !QFileInfo(path).isFile())
            fuzz::Fail(QStringLiteral("\"%1\" does not reach %2 (%3)").arg(name, QString::fromUtf8(file), path));
    }
    if (DataPath(root, name) != path) fuzz::Fail(QStringLiteral("two answers for \"%1\"").arg(name));
    return 0;
}
