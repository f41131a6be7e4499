#pragma once
#include "app/screen.h"

// Lesson: prime divisors: the screen is in the program from the start; its work is yet to be built.
class TForm19 : public PlaceholderScreen {
public:
    TForm19() : PlaceholderScreen(QStringLiteral("Form19")) {}
};
