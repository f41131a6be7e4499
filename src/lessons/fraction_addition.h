#pragma once
#include "app/screen.h"

// Lesson: addition of fractions: the screen is in the program from the start; its work is yet to be built.
class TForm23 : public PlaceholderScreen {
public:
    TForm23() : PlaceholderScreen(QStringLiteral("Form23")) {}
};
