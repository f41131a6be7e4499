#include "datagen/data_writer.h"
#include "datagen/datagen.h"

void RenderProblemsData(const DataWriter&) {}
