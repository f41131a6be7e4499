#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/tests_papers8to12.h"

void RenderTestsData(const DataWriter& out) { RenderPapers8To12Pictures(out); }
