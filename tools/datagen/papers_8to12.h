#pragma once
#include <QString>
#include <array>

class DataWriter;

// The twelve expressions of test 9's item 12, one per picture "kr/pr1.bmp" …
// "kr/pr12.bmp", written as the picture shows them ("-" standing for minus).
const std::array<QString, 12>& Test9Expressions();

// Test papers 8 to 12: the expression pictures, the fraction bar with a
// multiplication sign after it, and the signs and bars these papers share
// with the others.
void RenderPapers8To12Pictures(const DataWriter& out);
