#pragma once
#include <QString>
#include <QStringList>

// Where the program's data folder is, and making it ready before any screen exists.
//
//   --data DIR                 that folder (a class may share one, "\\server\klas6a" on Windows);
//   the working folder         when it already is a data folder (it holds "stat.txt");
//   the program's own folder   when it is one: a copy carried on a USB stick;
//   otherwise                  the pupil's own folder (PupilDataFolder).
QString ChooseDataFolder(const QStringList& arguments, const QString& workingFolder, const QString& programFolder);

// The pupil's own data folder on this computer: $XDG_DATA_HOME/matematyka6
// (~/.local/share/matematyka6), on Windows %APPDATA%\matematyka6, the roaming
// profile, so that on a school network the results follow the pupil.
QString PupilDataFolder();

// Makes the folder, checks that it can be written and, when it was never rendered
// or was rendered by another version, renders it (existing logs are kept).
// On failure returns false with a message for the pupil or the teacher.
bool PrepareDataFolder(const QString& folder, QString& problem);

// The stamp the renderer leaves in a finished data folder.
QString DataStampName();
QString DataStampText();
void WriteDataStamp(const QString& folder);
// The renderer beside the program (build tree, Windows) or in its installed place.
QString RendererPath();
