#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/problems_set1.h"
#include "datagen/problems_ladders.h"
#include "datagen/problems_sets2to7.h"

void RenderProblemsData(const DataWriter& out) {
    RenderSet1Pictures(out);
    RenderSets2To7Pictures(out);
    RenderStageLadderPictures(out);
}
