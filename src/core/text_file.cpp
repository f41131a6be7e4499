#include "core/text_file.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QLockFile>
#include <QThread>

#include "core/errors.h"

namespace {
[[noreturn]] void failOpen(const QString& fullPath) {
    if (!QFileInfo::exists(fullPath)) throw ToolkitError(QStringLiteral("File not found"));
    throw ToolkitError(QStringLiteral("File access denied"));
}

void writeAll(QFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size()) throw ToolkitError(QStringLiteral("I/O error"));
}
// QLockFile's own wait doubles its pause after every miss, so under a burst of
// appends a waiting program keeps losing the lock to newcomers; short even
// pauses give each one its turn within the wait.
//
// On Windows a program that has the lock file open keeps its holder from
// deleting it, and a failed tryLock opens it, to read whether the lock is stale:
// waiters trying all the time would keep the holder from letting go. There a
// waiter only looks whether the lock is still there (which opens nothing), tries
// when it is gone, and reads it only now and then, to see through a lock that a
// program which died left behind.
bool takeLock(QLockFile& lock) {
    QElapsedTimer waited;
    waited.start();
    [[maybe_unused]] qint64 lastRead = -1000;
    for (;;) {
#ifdef Q_OS_WIN
        const bool tryNow = !QFileInfo::exists(lock.fileName()) || waited.elapsed() - lastRead >= 100;
        if (tryNow) lastRead = waited.elapsed();
#else
        const bool tryNow = true;
#endif
        if (tryNow && lock.tryLock(0)) return true;
        if ((tryNow && lock.error() == QLockFile::PermissionError) || waited.elapsed() >= kLogLockWaitMs) return false;
        QThread::usleep(250);
    }
}
}  // namespace

QStringList ReadTextLines(const QString& fullPath) {
    QFile file(fullPath);
    if (!QFileInfo(fullPath).isFile() || !file.open(QIODevice::ReadOnly)) failOpen(fullPath);
    QString text = DecodeWindows1251(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void RewriteTextLines(const QString& fullPath, const QStringList& lines) {
    QFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw ToolkitError(QFileInfo(fullPath).dir().exists() ? QStringLiteral("File access denied")
                                                              : QStringLiteral("Path not found"));
    }
    for (const QString& line : lines) writeAll(file, EncodeWindows1251(line) + "\r\n");
    file.close();
}

void AppendTextLine(const QString& fullPath, const QString& line) { AppendTextLines(fullPath, {line}); }

void AppendTextLines(const QString& fullPath, const QStringList& lines) {
    // The log must already exist: opening for append never creates it.
    if (!QFileInfo(fullPath).isFile()) throw ToolkitError(QStringLiteral("File not found"));
    QByteArray bytes;
    for (const QString& line : lines) bytes += EncodeWindows1251(line) + "\r\n";

    // Several programs may share one data folder: whoever holds the lock beside
    // the log is the only one appending. A program that died holding it leaves a
    // stale lock, which QLockFile takes over (dead process on this computer, or a
    // lock older than any append could take, for one on another computer).
    QLockFile lock(fullPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLogLockMs);
    const bool locked = takeLock(lock);
    // A folder where no lock can be made (read-only folder, writable log) is
    // appended to as before; a lock held by someone else is never ignored.
    if (!locked && lock.error() != QLockFile::PermissionError) throw ToolkitError(LogBusyMessage());

    QFile file(fullPath);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) failOpen(fullPath);
    // A line cut off earlier (a program killed mid-write) is ended first, so the
    // new line never sticks to it.
    if (file.size() > 0 && file.seek(file.size() - 1)) {
        const QByteArray last = file.read(1);
        if (last == "\r") bytes.prepend('\n');
        else if (last != "\n") bytes.prepend("\r\n");
    }
    writeAll(file, bytes);
    if (!file.flush()) throw ToolkitError(QStringLiteral("I/O error"));
    file.close();
}

QString LogBusyMessage() {
    return QStringLiteral("Журнал результатів зараз зайнятий іншою програмою, тому результат не записано.");
}
