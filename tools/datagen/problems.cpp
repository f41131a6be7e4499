#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/problems_set1.h"
#include "datagen/problems_ladders.h"

void RenderProblemsData(const DataWriter& out) {
    RenderSet1Pictures(out);
    RenderStageLadderPictures(out);
}
