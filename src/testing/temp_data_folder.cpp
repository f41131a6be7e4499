#include "testing/temp_data_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "app/data_folder.h"
#include "core/text_file.h"

namespace {
QString tempTemplate() {
    QDir().mkpath(QStringLiteral(M6_TEMP_ROOT));
    return QStringLiteral(M6_TEMP_ROOT "/data-XXXXXX");
}

bool linkPicture(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    // QFile::link makes a shortcut file on Windows, which no image reader opens: a hard link instead.
    return CreateHardLinkW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                           reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()), nullptr) ||
           QFile::copy(from, to);
#else
    return QFile::link(from, to);
#endif
}

void populate(const QString& target) {
    const QString source = QStringLiteral(M6_TESTDATA_DIR);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        if (it.fileName().startsWith(u'.')) continue;
        const QString relative = QDir(source).relativeFilePath(from);
        const QString to = QDir(target).filePath(relative);
        QDir().mkpath(QFileInfo(to).absolutePath());
        // Pictures are only read: a link is enough. Text files may be written.
        const bool ok = from.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive) ? linkPicture(from, to)
                                                                                  : QFile::copy(from, to);
        if (!ok) ADD_FAILURE() << "cannot place " << relative.toStdString() << " in the test folder";
    }
}
}  // namespace

TempDataFolder::TempDataFolder(Contents contents) : dir_(tempTemplate()), previous_(QDir::currentPath()) {
    if (!dir_.isValid()) ADD_FAILURE() << "cannot make a temporary folder";
    if (contents == WithData) populate(dir_.path());
    QDir::setCurrent(dir_.path());
}

TempDataFolder::~TempDataFolder() { QDir::setCurrent(previous_); }

QString TempDataFolder::file(const QString& systemName) const { return DataPath(dir_.path(), systemName); }

bool TempDataFolder::exists(const QString& systemName) const { return QFileInfo::exists(file(systemName)); }

void TempDataFolder::remove(const QString& systemName) const { QFile::remove(file(systemName)); }

QByteArray TempDataFolder::bytes(const QString& systemName) const {
    QFile f(file(systemName));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QStringList TempDataFolder::lines(const QString& systemName) const { return ReadTextLines(file(systemName)); }

void TempDataFolder::write(const QString& systemName, const QByteArray& content) const {
    const QString full = file(systemName);
    QDir().mkpath(QFileInfo(full).absolutePath());
    // A picture here is a link to the build's rendered folder: writing through it
    // would change that folder for every later test, so the link goes first.
    QFile::remove(full);
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) ADD_FAILURE() << "cannot write " << full.toStdString();
    f.write(content);
}
