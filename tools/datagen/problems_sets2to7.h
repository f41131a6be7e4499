#pragma once

class DataWriter;

// Problem sets 2 to 7: for each, a scene that fills up with every right answer,
// its looping animation for a faultless set and the marks 0 … 5; and the
// fraction bars "kr\chdr2.bmp" and "kr\chdr4.bmp" their problems are drawn with.
void RenderSets2To7Pictures(const DataWriter& out);
