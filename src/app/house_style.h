#pragma once
class QStyle;
class QWidget;

// Fusion, with one addition: a check box may ask for a larger square
// (SetIndicatorSide) so that a pupil can hit it on a large screen. One style
// object serves every check box, where a style sheet each cost a style of its
// own, a parse and a re-polish at every rescale.
QStyle* NewHouseStyle();
void SetIndicatorSide(QWidget* box, int side);

// Fusion with the house palette: the same look everywhere, and text that stays
// readable on disabled inputs.
void ApplyHouseStyle();
