#include "datagen/data_writer.h"
#include "datagen/datagen.h"

void RenderGamesData(const DataWriter&) {}
