#pragma once
#include <array>

class DataWriter;

// Test paper 7: its ten rows of numbers "kr\t1.bmp" … "kr\t10.bmp", the
// absolute-value bar "kr\mod.bmp", the sign "kr\ner.bmp" (≤) and the fraction
// bars "kr\chdr2.bmp" and "kr\chdr4.bmp".
void RenderPaper7Pictures(const DataWriter& out);

// The eleven numbers drawn in "kr\t<picture>.bmp", picture 1 … 10, left to right,
// written as the pupil reads them: a whole number ("-12"), a decimal with a comma
// ("2,7"), a fraction ("3/4") or a mixed number ("4 2/3"), a minus sign in front
// of a negative one. The paper's right ticks depend on what these are.
const std::array<const char16_t*, 11>& Paper7Numbers(int picture);
