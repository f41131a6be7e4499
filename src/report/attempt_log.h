#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <vector>

// One line of a results log, read back: who, which module and part, when, how it went.
struct LoggedAttempt {
    QString pupil;       // the data folder's name within the class folder ("" for a lone folder)
    QString module;      // "Контрольні роботи", "Прості дільники", … "Мауглі"
    QString part;        // "К.р.№3", "рівень 2", "урок 1 додавання", "набір 5", "сад 4"
    QString level;       // the level, lesson, set or garden as written ("3"); the test's number
    QDate date;
    QTime start;
    int errors = -1;     // -1: the line has no error count (Maugli logs only won gardens)
    bool percent = false;  // the tests log a percentage of errors
    bool shortSeries = false;
    int seconds = 0;
    QString file;        // where it was read, for the teacher
    int lineNumber = 0;

    // The result as a teacher reads it: "25%", "3", "—".
    QString resultText() const;
};

// A line that could not be read, never dropped silently.
struct UnreadLine {
    QString file;
    int lineNumber = 0;
    QString text;
    QString reason;
};

struct ClassLog {
    std::vector<LoggedAttempt> attempts;
    std::vector<UnreadLine> unread;
    QStringList pupils;
    QStringList problems;  // folders that could not be read at all
};

// The module a log folder ("", "deli", "z3", "GTM", …) belongs to; empty when the folder keeps no results.
QString ModuleOfFolder(const QString& folder, const QString& level);

// Reads one line of the log in `folder`; false with a reason when it is not a results line.
bool ParseLogLine(const QString& line, const QString& folder, LoggedAttempt& attempt, QString& reason);

// Reads every results log of one data folder as the given pupil's.
void ReadDataFolder(const QString& path, const QString& pupil, ClassLog& into);

// A data folder, or a folder whose subfolders are data folders (one per pupil or
// computer, named so). Only reads: nothing is written, moved or locked.
ClassLog ReadClass(const QStringList& folders);
