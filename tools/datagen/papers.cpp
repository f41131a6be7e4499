#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/papers_8to12.h"
#include "datagen/papers_paper7.h"
#include "datagen/papers_signs.h"

void RenderPapersData(const DataWriter& out) {
    RenderPaperSigns(out);
    RenderPaper7Pictures(out);
    RenderPapers8To12Pictures(out);
}
