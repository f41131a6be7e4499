#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/games_maugli.h"
#include "datagen/games_vch.h"

void RenderGamesData(const DataWriter& out) {
    RenderMaugliPictures(out);
    RenderVchPictures(out);
}
