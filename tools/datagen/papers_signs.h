#pragma once

class DataWriter;

// The signs of the printed test papers in "kr": fraction bars of two lengths and
// a plain one, the multiplication dot and the letter π.
void RenderPaperSigns(const DataWriter& out);
