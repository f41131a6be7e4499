#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/tests_paper7.h"
#include "datagen/tests_papers.h"
#include "datagen/tests_papers8to12.h"

void RenderTestsData(const DataWriter& out) {
    RenderPaperSigns(out);
    RenderPaper7Pictures(out);
    RenderPapers8To12Pictures(out);
}
