#include "report/attempt_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <tuple>

#include "core/windows1251.h"

namespace {
// The folders that keep results, as the program names them; the answer log of
// independent work 3 ("n8") holds answers, not results.
const char* const kLogFolders[] = {"", "deli", "NDD", "OZ", "Add", "dd", "z1", "z2", "z3", "z4", "z5",
                                   "z6", "z7", "z8", "zcircle", "vch", "GTM"};

// A cursor over one line: the log is read by hand, not by regular expressions,
// so that a class of 300,000 lines opens in well under a second.
class Cursor {
public:
    explicit Cursor(QStringView text) : rest_(text) {}
    bool literal(QStringView word) {
        if (!rest_.startsWith(word)) return false;
        rest_ = rest_.mid(word.size());
        return true;
    }
    // At least one and at most `most` digits.
    bool number(int& value, int most = 9) {
        int n = 0;
        value = 0;
        while (n < rest_.size() && n < most && rest_[n].isDigit() && rest_[n].unicode() < 128) {
            value = value * 10 + (rest_[n].unicode() - '0');
            ++n;
        }
        rest_ = rest_.mid(n);
        return n > 0;
    }
    bool atEnd() const { return rest_.isEmpty(); }
    QStringView rest() const { return rest_; }

private:
    QStringView rest_;
};

QString folderKey(const QString& folder) { return folder.toLower(); }
}  // namespace

QString LoggedAttempt::resultText() const {
    if (errors < 0) return QStringLiteral("—");
    return QString::number(errors) + (percent ? QStringLiteral("%") : QString());
}

QString ModuleOfFolder(const QString& folder, const QString& level) {
    const QString f = folderKey(folder);
    if (f.isEmpty()) return QStringLiteral("Контрольні роботи");
    if (f == u"deli") return QStringLiteral("Прості дільники");
    if (f == u"ndd") return QStringLiteral("НСД-НСК");
    if (f == u"oz") return QStringLiteral("Спільний знаменник");
    if (f == u"add") return QStringLiteral("Арифметичні дії з дробами");
    if (f == u"dd") return QStringLiteral("Додавання дробів");
    if (f == u"zcircle") return QStringLiteral("Коло");
    if (f.size() == 2 && f[0] == u'z' && f[1] >= u'1' && f[1] <= u'8') return QStringLiteral("Задачі ") + f[1];
    if (f == u"vch") return level == u"3" ? QStringLiteral("Звичайні дроби") : QStringLiteral("Десяткові дроби");
    if (f == u"gtm") return QStringLiteral("Гра \"Мауглі\"");
    return {};
}

bool ParseLogLine(const QString& line, const QString& folder, LoggedAttempt& a, QString& reason) {
    // "дата D час початку T помилок E[%] час виконання S c <tail>"; Maugli writes a
    // blank where " помилок E" stands.
    Cursor c(line);
    int day, month, year, hour, minute, second, errors = -1, seconds;
    const bool head = c.literal(u"дата ") && c.number(day, 2) && c.literal(u".") && c.number(month, 2) &&
                      c.literal(u".") && c.number(year, 4) && c.literal(u" час початку ") && c.number(hour, 2) &&
                      c.literal(u":") && c.number(minute, 2) && c.literal(u":") && c.number(second, 2) && c.literal(u" ");
    bool percent = false;
    const bool body = head && (c.literal(u" ") || (c.literal(u"помилок ") && c.number(errors) &&
                                                   ((percent = c.literal(u"%")), c.literal(u" ")))) &&
                      c.literal(u"час виконання ") && c.number(seconds) && c.literal(u" c ");
    if (!body) {
        reason = QStringLiteral("не схожий на рядок результату");
        return false;
    }
    a.date = QDate(year, month, day);
    a.start = QTime(hour, minute, second);
    if (!a.date.isValid() || !a.start.isValid()) {
        reason = QStringLiteral("неможлива дата чи час");
        return false;
    }
    a.errors = errors;
    a.percent = percent;
    a.seconds = seconds;
    const QString key = folderKey(folder);
    const bool tests = key.isEmpty();
    const bool maugli = key == u"gtm";
    if (tests != a.percent || maugli != (errors < 0)) {
        reason = QStringLiteral("помилки записано не так, як пише цей модуль");
        return false;
    }
    int number = 0;
    if (tests) {
        // The p of "Ваpіант" is Latin in the logs; a Cyrillic one is read too.
        if (!(c.literal(u"К.р.№") && c.number(number) && c.literal(u" Ва") && (c.literal(u"p") || c.literal(u"р")) &&
              c.literal(u"іант № +") && (c.atEnd() || (c.literal(u" ") && c.atEnd())))) {
            reason = QStringLiteral("немає номера контрольної роботи");
            return false;
        }
        a.level = QString::number(number);
        a.part = QStringLiteral("К.р.№") + a.level;
    } else if (key == u"add") {
        static const QString words[] = {QStringLiteral("додавання"), QStringLiteral("віднімання"),
                                        QStringLiteral("множення"), QStringLiteral("ділення")};
        const QString* word = nullptr;
        if (c.literal(u" урок ") && c.number(number) && c.literal(u" ")) {
            // One word and no more: "додаваннявіднімання" is no lesson's name.
            for (const QString& w : words) {
                if (c.literal(w)) {
                    word = &w;
                    break;
                }
            }
        }
        if (!word || !(c.atEnd() || (c.literal(u" ") && c.atEnd()))) {
            reason = QStringLiteral("незрозумілий кінець рядка");
            return false;
        }
        a.level = QString::number(number);
        a.part = QStringLiteral("урок ") + a.level + u' ' + *word;
    } else {
        if (!(c.literal(u" рівень ") && c.number(number))) {
            reason = QStringLiteral("незрозумілий кінець рядка");
            return false;
        }
        a.shortSeries = c.literal(u" короткий");
        if (!c.atEnd()) {
            reason = QStringLiteral("незрозумілий кінець рядка");
            return false;
        }
        a.level = QString::number(number);
        a.part = (maugli ? QStringLiteral("сад ") : QStringLiteral("рівень ")) + a.level +
                 (a.shortSeries ? QStringLiteral(", коротка серія") : QString());
    }
    a.module = ModuleOfFolder(folder, a.level);
    return true;
}

void ReadDataFolder(const QString& path, const QString& pupil, ClassLog& into) {
    const QDir dir(path);
    const QStringList entries = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const char* name : kLogFolders) {
        const QString folder = QString::fromLatin1(name);
        // Folder names are matched without regard to case, as the program does.
        QString actual = folder;
        for (const QString& e : entries)
            if (!folder.isEmpty() && e.compare(folder, Qt::CaseInsensitive) == 0) actual = e;
        const QString logPath = folder.isEmpty() ? dir.filePath(QStringLiteral("stat.txt"))
                                                 : dir.filePath(actual + QStringLiteral("/stat.txt"));
        QFile file(logPath);
        if (!file.exists()) continue;
        if (!file.open(QIODevice::ReadOnly)) {
            into.problems << logPath;
            continue;
        }
        // One read of what is there now: a program appending meanwhile adds after it.
        const QByteArray bytes = file.readAll();
        const QString text = DecodeWindows1251(bytes);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        for (int i = 0; i < lines.size(); ++i) {
            QString line = lines[i];
            const bool last = i == lines.size() - 1;
            if (last && line.isEmpty()) break;  // the file ends with its line break
            if (line.endsWith(u'\r')) line.chop(1);
            if (line.trimmed().isEmpty()) continue;
            LoggedAttempt a;
            a.pupil = pupil;
            a.file = logPath;
            a.lineNumber = i + 1;
            QString reason;
            if (ParseLogLine(line, folder, a, reason)) {
                into.attempts.push_back(std::move(a));
            } else {
                if (last) reason += QStringLiteral(" (рядок не завершено — можливо, його саме дописують)");
                into.unread.push_back({logPath, i + 1, line, reason});
            }
        }
    }
}

ClassLog ReadClass(const QStringList& folders) {
    ClassLog log;
    for (const QString& root : folders) {
        const QDir dir(root);
        if (!dir.exists()) {
            log.problems << root;
            continue;
        }
        if (QFileInfo(dir.filePath(QStringLiteral("stat.txt"))).isFile() ||
            !dir.entryList({QStringLiteral("GTM"), QStringLiteral("deli"), QStringLiteral("z1")}, QDir::Dirs).isEmpty()) {
            // A lone data folder: its own name is the row label.
            const QString pupil = dir.dirName();
            ReadDataFolder(dir.absolutePath(), pupil, log);
            log.pupils << pupil;
            continue;
        }
        for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
            const int before = int(log.attempts.size() + log.unread.size());
            ReadDataFolder(dir.filePath(sub), sub, log);
            if (int(log.attempts.size() + log.unread.size()) > before || QFileInfo(dir.filePath(sub + QStringLiteral("/stat.txt"))).isFile())
                log.pupils << sub;
        }
    }
    // Oldest first, as the logs are; the pupils of one moment in the order read.
    std::stable_sort(log.attempts.begin(), log.attempts.end(), [](const LoggedAttempt& a, const LoggedAttempt& b) {
        return std::tie(a.date, a.start) < std::tie(b.date, b.start);
    });
    return log;
}
