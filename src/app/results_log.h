#pragma once
#include <QString>

// A results log "stat.txt" that the teacher reads: one line per finished attempt,
// Windows-1251, CR LF. The file must already exist ("File not found" otherwise,
// and nothing is created); it is opened, written and closed for every line, under
// a lock beside it, so computers sharing one data folder never mix their lines.
void AppendLine(const QString& systemPath, const QString& line);
