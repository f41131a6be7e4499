// Windows-1251 text files as the program reads and appends them: any bytes at
// all decode to one character each, the reader's lines hold no line breaks and
// lose nothing but them, and an append keeps every byte that was there.
#include <QDir>
#include <QFile>

#include "core/errors.h"
#include "core/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = QDir(fuzz::MakeWorkingFolder()).filePath(QStringLiteral("t1v1.txt"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString text = DecodeWindows1251(bytes);
    if (text.size() != bytes.size()) fuzz::Fail(QStringLiteral("decoded length differs from the byte count"));
    // What the code page can say comes back byte for byte (0x98 has no character).
    const QByteArray again = EncodeWindows1251(text);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (text[i] != QChar::ReplacementCharacter && (i >= again.size() || again[i] != bytes[i]))
            fuzz::Fail(QStringLiteral("byte %1 does not survive a round trip").arg(i));
    }

    fuzz::WriteFile(path, data, size);
    const QStringList lines = ReadTextLines(path);
    for (const QString& line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n')) fuzz::Fail(QStringLiteral("a line holds a line break"));
    }
    QString expected = text;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (expected.endsWith(u'\n')) expected.chop(1);
    if (lines.join(u'\n') != expected) fuzz::Fail(QStringLiteral("the lines lose text"));

    // The file as a log: the new line comes whole after everything that was there.
    const QString line = QStringLiteral("дата 08.12.2026 час початку 9:05:03 помилок 0% час виконання 5 c К.р.№1 Ваpіант № +");
    try {
        AppendTextLine(path, line);
    } catch (const ToolkitError& e) {
        fuzz::Fail(QStringLiteral("append failed: ") + e.message());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fuzz::Fail(QStringLiteral("the log went away"));
    const QByteArray after = file.readAll();
    if (!after.startsWith(bytes)) fuzz::Fail(QStringLiteral("the append changed what was there"));
    if (!after.endsWith(EncodeWindows1251(line) + "\r\n")) fuzz::Fail(QStringLiteral("the appended line is not whole"));
    if (ReadTextLines(path).last() != line) fuzz::Fail(QStringLiteral("the appended line sticks to the one before"));
    return 0;
}
