#pragma once
#include <QString>
#include <QStringList>

// Text files in the Windows-1251 code page with lines ended by CR LF: the task
// files, the results logs and the layout dump. Paths here are full paths; the
// data folder resolves the system's names into them (app/data_folder.h).
// Every failure raises ToolkitError with the toolkit's message ("File not found").

// All lines of an existing file (a final line without CR LF counts; a lone LF ends a line too).
QStringList ReadTextLines(const QString& fullPath);
// Creates or empties the file and writes the lines, each followed by CR LF.
void RewriteTextLines(const QString& fullPath, const QStringList& lines);
// Appends one line and CR LF to a file that must already exist.
void AppendTextLine(const QString& fullPath, const QString& line);
// Appends several lines at once, each followed by CR LF, and closes the file, so
// that a group of lines is on disk as soon as it is written.
void AppendTextLines(const QString& fullPath, const QStringList& lines);

QByteArray EncodeWindows1251(const QString& text);
QString DecodeWindows1251(const QByteArray& bytes);
