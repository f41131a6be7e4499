#include <stdexcept>

#include "app/data_location.h"
#include "datagen/data_writer.h"
#include "datagen/datagen.h"

namespace {
void renderPicturesAndTasks(const QString& root) {
    const DataWriter out(root);
    RenderShellData(out);
    RenderPapersData(out);
    RenderWorksData(out);
    RenderLessonsData(out);
    RenderProblemsData(out);
    RenderGamesData(out);
}
}  // namespace

void RenderContent(const QString& root) {
    renderPicturesAndTasks(root);
    // Last: content cut short by an error is not taken for finished.
    WriteDataStamp(root);
}

void RenderDataFolder(const QString& root) {
    // The logs first: their folders are named as the logs name them ("deli", "dd"), as they always were.
    if (!EnsureResultsLogs(root)) throw std::runtime_error("cannot write the results logs in " + root.toStdString());
    renderPicturesAndTasks(root);
    // Last: a folder cut short by an error is rendered again at the next start.
    WriteDataStamp(root);
}
