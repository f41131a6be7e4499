// The report's log parser against a reading of the log form written here
// independently, as one regular expression per kind of module: a line is taken
// exactly when it has the form, and then with the numbers it says. The whole
// folder reader gets the same bytes as a file and must account for every line.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/text_file.h"
#include "fuzz_support.h"
#include "report/attempt_log.h"

namespace {
const char* const kFolders[] = {"", "deli", "NDD", "OZ", "Add", "dd", "z1", "z2", "z3", "z4", "z5",
                                "z6", "z7", "z8", "zcircle", "vch", "GTM"};

struct Expected {
    bool read = false;
    QDate date;
    QTime start;
    int errors = -1;
    int seconds = 0;
    QString level;
    QString part;
};

Expected readByForm(const QString& line, const QString& folder) {
    const QString head = QStringLiteral("^дата ([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{1,4}) час початку ([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2}) ");
    const QString key = folder.toLower();
    QString body;
    if (key.isEmpty()) {
        // The test papers: a percentage, the paper's number, "Ваpіант" (Latin p, a Cyrillic one read too).
        body = QStringLiteral("помилок ([0-9]{1,9})% час виконання ([0-9]{1,9}) c К\\.р\\.№([0-9]{1,9}) Ва[pр]іант № \\+ ?\\z");
    } else if (key == u"gtm") {
        body = QStringLiteral(" ()час виконання ([0-9]{1,9}) c  рівень ([0-9]{1,9})( короткий)?\\z");
    } else if (key == u"add") {
        body = QStringLiteral("помилок ([0-9]{1,9}) час виконання ([0-9]{1,9}) c  урок ([0-9]{1,9}) (додавання|віднімання|множення|ділення) ?\\z");
    } else {
        body = QStringLiteral("помилок ([0-9]{1,9}) час виконання ([0-9]{1,9}) c  рівень ([0-9]{1,9})( короткий)?\\z");
    }
    static QHash<QString, QRegularExpression> forms;
    auto found = forms.find(key);
    if (found == forms.end()) found = forms.insert(key, QRegularExpression(head + body));
    const QRegularExpressionMatch m = found->match(line);
    Expected e;
    if (!m.hasMatch()) return e;
    e.date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    e.start = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!e.date.isValid() || !e.start.isValid()) return e;
    e.read = true;
    e.errors = m.captured(7).isEmpty() ? -1 : m.captured(7).toInt();
    e.seconds = m.captured(8).toInt();
    e.level = QString::number(m.captured(9).toInt());
    if (key.isEmpty()) e.part = QStringLiteral("К.р.№") + e.level;
    else if (key == u"add") e.part = QStringLiteral("урок ") + e.level + u' ' + m.captured(10);
    else
        e.part = (key == u"gtm" ? QStringLiteral("сад ") : QStringLiteral("рівень ")) + e.level +
                 (m.captured(10).isEmpty() ? QString() : QStringLiteral(", коротка серія"));
    return e;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString root = fuzz::MakeWorkingFolder();
    if (size == 0) return 0;
    const QString folder = QString::fromLatin1(kFolders[data[0] % std::size(kFolders)]);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const QStringList lines = DecodeWindows1251(bytes).split(QStringLiteral("\r\n"));
    for (const QString& line : lines) {
        LoggedAttempt a;
        QString reason;
        const bool read = ParseLogLine(line, folder, a, reason);
        const Expected e = readByForm(line, folder);
        if (read != e.read)
            fuzz::Fail(QStringLiteral("%1 in \"%2\": %3").arg(read ? "read" : "not read", folder, line));
        if (!read) {
            if (reason.isEmpty()) fuzz::Fail(QStringLiteral("an unread line without a reason"));
            continue;
        }
        if (a.date != e.date || a.start != e.start || a.errors != e.errors || a.seconds != e.seconds ||
            a.level != e.level || a.part != e.part || a.percent != folder.isEmpty() || a.module != ModuleOfFolder(folder, a.level))
            fuzz::Fail(QStringLiteral("read other numbers than the line says: ") + line);
    }

    // The same bytes as the folder's log: every line not blank is an attempt or an unread line.
    const QString dir = QDir(root).filePath(folder.isEmpty() ? QStringLiteral("one") : QStringLiteral("one/") + folder);
    QDir().mkpath(dir);
    fuzz::WriteFile(QDir(dir).filePath(QStringLiteral("stat.txt")), data + 1, size - 1);
    ClassLog log;
    ReadDataFolder(QDir(root).filePath(QStringLiteral("one")), QStringLiteral("one"), log);
    qsizetype notBlank = 0;
    for (const QString& line : lines) notBlank += line.trimmed().isEmpty() ? 0 : 1;
    if (qsizetype(log.attempts.size() + log.unread.size()) > notBlank)
        fuzz::Fail(QStringLiteral("the folder reader found more lines than the log has"));
    QFile::remove(QDir(dir).filePath(QStringLiteral("stat.txt")));
    return 0;
}
