#pragma once
#include "app/screen.h"

// Lesson: common denominator: the screen is in the program from the start; its work is yet to be built.
class TForm21 : public PlaceholderScreen {
public:
    TForm21() : PlaceholderScreen(QStringLiteral("Form21")) {}
};
