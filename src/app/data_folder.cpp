#include "app/data_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString& contentFolder() {
    static QString folder;
    return folder;
}

// The entry of dir whose name matches part: the exact name first, otherwise the
// first one equal without regard to case; the part itself when none matches.
// Parts are joined by hand: QDir::filePath takes a part beginning with ":" for
// a path of Qt's resources and leaves the data folder for it.
QString joined(const QString& folder, const QString& part) {
    return folder.endsWith(u'/') ? folder + part : folder + u'/' + part;
}

QString matchPart(const QDir& dir, const QString& part) {
    if (part == u"." || part == u"..") return part;
    if (QFileInfo::exists(joined(dir.path(), part))) return part;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0) return entry;
    }
    return part;
}
}  // namespace

QString DataPath(const QString& root, const QString& systemName) {
    // Either slash separates the parts; runs of them count as one.
    QString path = QDir(root).absolutePath();
    QString part;
    const auto takePart = [&] {
        if (!part.isEmpty()) path = joined(path, matchPart(QDir(path), part));
        part.clear();
    };
    for (const QChar c : systemName) {
        if (c == u'\\' || c == u'/') {
            takePart();
        } else {
            part += c;
        }
    }
    takePart();
    return QDir::cleanPath(path);
}

QString DataPath(const QString& systemName) { return DataPath(QDir::currentPath(), systemName); }

QString ContentPath(const QString& dataFolder, const QString& contentFolder, const QString& systemName) {
    const QString own = DataPath(dataFolder, systemName);
    if (contentFolder.isEmpty() || QFileInfo::exists(own)) return own;
    const QString installed = DataPath(contentFolder, systemName);
    return QFileInfo::exists(installed) ? installed : own;
}

QString ContentPath(const QString& systemName) { return ContentPath(QDir::currentPath(), contentFolder(), systemName); }

void SetContentFolder(const QString& folder) { contentFolder() = folder.isEmpty() ? QString() : QDir(folder).absolutePath(); }

QString ContentFolder() { return contentFolder(); }
