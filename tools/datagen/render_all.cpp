#include "datagen/data_writer.h"
#include "datagen/datagen.h"

void RenderDataFolder(const QString& root) {
    const DataWriter out(root);
    RenderShellData(out);
    RenderTestsData(out);
    RenderWorksData(out);
    RenderLessonsData(out);
    RenderProblemsData(out);
    RenderGamesData(out);
}
