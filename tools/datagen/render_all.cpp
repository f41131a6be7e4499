#include "app/data_location.h"
#include "datagen/data_writer.h"
#include "datagen/datagen.h"

void RenderDataFolder(const QString& root) {
    const DataWriter out(root);
    RenderShellData(out);
    RenderPapersData(out);
    RenderWorksData(out);
    RenderLessonsData(out);
    RenderProblemsData(out);
    RenderGamesData(out);
    // Last: a folder cut short by an error is rendered again at the next start.
    WriteDataStamp(root);
}
