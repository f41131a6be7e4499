#pragma once
#include <QString>

class Label;
class Picture;
class Screen;

// Placing inputs and fractions inside a line of problem text. The papers write
// a line as one label with blanks where a fraction or an answer belongs; these
// routines find where such a gap begins, measured in page units in the papers'
// serif face.

// The width of a text set at a font height.
int TextWidth(const QString& text, int fontHeight);

// Where `prefix`, the start of a line's text, ends on the page.
int EndOf(const Screen& screen, const Label* line, const QString& prefix, int fontHeight);

// A fraction standing in a gap of a line whose top is `lineTop`: its numerator
// over a bar over its denominator, both centred on the bar, the bar `width` wide
// from `left`. Call after the numbers are written.
void PlaceFraction(Screen& screen, Label* numerator, Picture* bar, Label* denominator, int left, int lineTop,
                   int width, int fontHeight);
