#pragma once
#include <QString>
#include <array>

#include "core/picture_texts.h"

class DataWriter;


// Test papers 8 to 12: the expression pictures, the fraction bar with a
// multiplication sign after it, and the signs and bars these papers share
// with the others.
void RenderPapers8To12Pictures(const DataWriter& out);
