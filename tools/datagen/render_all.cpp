#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "app/data_location.h"

void RenderDataFolder(const QString& root) {
    const DataWriter out(root);
    RenderShellData(out);
    RenderTestsData(out);
    RenderWorksData(out);
    RenderLessonsData(out);
    RenderProblemsData(out);
    RenderGamesData(out);
    // Last: a folder cut short by an error is rendered again at the next start.
    WriteDataStamp(root);
}
