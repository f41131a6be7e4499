#pragma once

class DataWriter;

// The pictures of the finger and fraction games in the folder "vch": the two
// pictures uncovered stage by stage, the mark pictures and the fraction bar.
void RenderVchPictures(const DataWriter& out);
