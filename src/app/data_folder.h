#pragma once
#include <QString>

// Every name the program reads or writes ("Deli\01(9).bmp", "kr/chdr2.bmp",
// "stat.txt") is resolved here: relative to the working folder (or the given
// root), "\" or "/" between parts, each part matched without regard to case so
// that "Deli", "deli" and "DELI" reach the same folder. A part with no match is
// kept as written, so a missing file's full name is still meaningful in messages.
//
// Two layers: the data folder (the working folder), which holds what the program
// writes and whatever a teacher puts there, and the read-only content installed
// once per computer (pictures, task files). Writing goes through DataPath, to the
// data folder only; pictures and task files are read through ContentPath.
QString DataPath(const QString& systemName);
QString DataPath(const QString& root, const QString& systemName);

// The file a picture or task file is read from: the data folder's own when it has
// one, else the installed content's; when neither has it, the data folder's name,
// so the message about it reads as it always did.
QString ContentPath(const QString& systemName);
QString ContentPath(const QString& dataFolder, const QString& contentFolder, const QString& systemName);

// The installed content the program reads beneath its data folder; empty: none.
void SetContentFolder(const QString& folder);
QString ContentFolder();
