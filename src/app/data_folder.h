#pragma once
#include <QString>

// Every name the program reads or writes ("Deli\01(9).bmp", "kr/chdr2.bmp",
// "stat.txt") is resolved here: relative to the working folder (or the given
// root), "\" or "/" between parts, each part matched without regard to case so
// that "Deli", "deli" and "DELI" reach the same folder. A part with no match is
// kept as written, so a missing file's full name is still meaningful in messages.
QString DataPath(const QString& systemName);
QString DataPath(const QString& root, const QString& systemName);
