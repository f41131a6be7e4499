#pragma once
#include <QString>
#include <QStringList>

// Where the program's data folder is, and making it ready before any screen exists.
//
//   --data DIR                 that folder (a class may share one);
//   the working folder         when it already is a data folder (it holds "stat.txt");
//   otherwise                  the pupil's own folder, $XDG_DATA_HOME/matematyka6.
QString ChooseDataFolder(const QStringList& arguments, const QString& workingFolder);

// Makes the folder, checks that it can be written and, when it was never rendered
// or was rendered by another version, renders it (existing logs are kept).
// On failure returns false with a message for the pupil or the teacher.
bool PrepareDataFolder(const QString& folder, QString& problem);

// The stamp the renderer leaves in a finished data folder.
QString DataStampName();
QString DataStampText();
void WriteDataStamp(const QString& folder);
// The renderer beside the program (build tree) or in its installed place.
QString RendererPath();
