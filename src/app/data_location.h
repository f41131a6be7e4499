#pragma once
#include <QString>
#include <QStringList>

#include "core/pupil_data_folder.h"

// Where the program's data folder is, and making it ready before any screen exists.
//
//   --data DIR                 that folder (a class may share one, "\\server\klas6a" on Windows);
//   the working folder         when it already is a data folder (it holds "stat.txt");
//   the program's own folder   when it is one: a copy carried on a USB stick;
//   otherwise                  the pupil's own folder (PupilDataFolder).
QString ChooseDataFolder(const QStringList& arguments, const QString& workingFolder, const QString& programFolder);

// The read-only content (pictures, task files) installed once per computer:
// <the program's folder>/../share/matematyka6, so /usr/bin/matematyka6 reads
// /usr/share/matematyka6 and ...\Matematyka6\bin\matematyka6.exe reads
// ...\Matematyka6\share\matematyka6.
QString InstalledContentFolder();
// --content DIR when given, else the installed content.
QString ChooseContentFolder(const QStringList& arguments);

// Makes the folder and checks that it can be written. With the current version's
// content installed, a new folder gets only the empty results logs; without it, or
// when the folder was rendered whole by this version, as before: a folder never
// rendered (or rendered by another version) is rendered whole. Existing logs and
// files are never touched. On failure returns false with a message for the pupil
// or the teacher.
bool PrepareDataFolder(const QString& folder, const QString& contentFolder, QString& problem);

// Every results log the program appends to, as the program names them.
QStringList ResultsLogNames();
// Makes each missing log empty (and its folder); an existing one is left as it is.
// False when one could not be made.
bool EnsureResultsLogs(const QString& folder);

// The stamp the renderer leaves in a finished folder of content (a whole data
// folder is one too), and the one a folder of logs made beside installed content gets.
QString DataStampName();
QString LogsStampName();
QString DataStampText();
void WriteDataStamp(const QString& folder);
// The renderer beside the program (build tree, Windows) or in its installed place.
QString RendererPath();
