#include "app/data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The entry of dir whose name matches part: the exact name first, otherwise the
// first one equal without regard to case; the part itself when none matches.
QString matchPart(const QDir& dir, const QString& part) {
    if (part == u"." || part == u"..") return part;
    if (QFileInfo::exists(dir.filePath(part))) return part;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0) return entry;
    }
    return part;
}
}  // namespace

QString DataPath(const QString& root, const QString& systemName) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    const QStringList parts = systemName.split(separators, Qt::SkipEmptyParts);
    QString path = QDir(root).absolutePath();
    for (const QString& part : parts) {
        path = QDir(path).filePath(matchPart(QDir(path), part));
    }
    return QDir::cleanPath(path);
}

QString DataPath(const QString& systemName) { return DataPath(QDir::currentPath(), systemName); }
