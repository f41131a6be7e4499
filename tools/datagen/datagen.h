#pragma once
#include <QString>

class DataWriter;

// Renders the whole data folder: every picture the program loads, the task files
// and an empty "stat.txt" in every log folder (existing logs are kept).
void RenderDataFolder(const QString& root);
// Renders only what is read: the pictures and task files, no log. Installed once
// per computer beneath every pupil's data folder.
void RenderContent(const QString& root);

// One renderer per subsystem, each in its own file.
void RenderShellData(const DataWriter& out);
void RenderPapersData(const DataWriter& out);
void RenderWorksData(const DataWriter& out);
void RenderLessonsData(const DataWriter& out);
void RenderProblemsData(const DataWriter& out);
void RenderGamesData(const DataWriter& out);
