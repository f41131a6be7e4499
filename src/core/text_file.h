#pragma once
#include <QString>
#include <QStringList>

#include "core/windows1251.h"

// Text files in the Windows-1251 code page with lines ended by CR LF: the task
// files, the results logs and the layout dump. Paths here are full paths; the
// data folder resolves the system's names into them (app/data_folder.h).
// Every failure raises ToolkitError with the toolkit's message ("File not found").

// All lines of an existing file (a final line without CR LF counts; a lone LF ends a line too).
QStringList ReadTextLines(const QString& fullPath);
// Creates or empties the file and writes the lines, each followed by CR LF.
void RewriteTextLines(const QString& fullPath, const QStringList& lines);
// Appends one line and CR LF to a file that must already exist. The lines go in
// one write under a lock beside the file ("stat.txt.lock"), so programs sharing
// a data folder never interleave or lose lines; a last line left without its
// CR LF gets it first. A lock not had within kLogLockWaitMs raises LogBusyMessage().
void AppendTextLine(const QString& fullPath, const QString& line);
void AppendTextLines(const QString& fullPath, const QStringList& lines);
QString LogBusyMessage();
inline constexpr int kLogLockWaitMs = 2000;
// An append takes milliseconds; a lock this old was left by a program that died.
inline constexpr int kStaleLogLockMs = 10000;
