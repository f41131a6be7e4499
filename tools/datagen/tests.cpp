#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/tests_paper7.h"

void RenderTestsData(const DataWriter& out) {
    RenderPaper7Pictures(out);
}
