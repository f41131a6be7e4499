#pragma once
#include <array>

#include "core/picture_texts.h"

class DataWriter;

// Test paper 7: its ten rows of numbers "kr\t1.bmp" … "kr\t10.bmp", the
// absolute-value bar "kr\mod.bmp", the sign "kr\ner.bmp" (≤) and the fraction
// bars "kr\chdr2.bmp" and "kr\chdr4.bmp".
void RenderPaper7Pictures(const DataWriter& out);
