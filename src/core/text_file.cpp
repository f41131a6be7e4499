#include "core/text_file.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include "core/errors.h"

QByteArray EncodeWindows1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QString DecodeWindows1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

namespace {
[[noreturn]] void failOpen(const QString& fullPath) {
    if (!QFileInfo::exists(fullPath)) throw ToolkitError(QStringLiteral("File not found"));
    throw ToolkitError(QStringLiteral("File access denied"));
}

void writeAll(QFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size()) throw ToolkitError(QStringLiteral("I/O error"));
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

void AppendTextLine(const QString& fullPath, const QString& line) {
    // The log must already exist: opening for append never creates it.
    if (!QFileInfo(fullPath).isFile()) throw ToolkitError(QStringLiteral("File not found"));
    QFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) failOpen(fullPath);
    writeAll(file, EncodeWindows1251(line) + "\r\n");
    file.close();
}

void AppendTextLines(const QString& fullPath, const QStringList& lines) {
    if (!QFileInfo(fullPath).isFile()) throw ToolkitError(QStringLiteral("File not found"));
    QFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) failOpen(fullPath);
    QByteArray bytes;
    for (const QString& line : lines) bytes += EncodeWindows1251(line) + "\r\n";
    writeAll(file, bytes);
    file.close();
}
