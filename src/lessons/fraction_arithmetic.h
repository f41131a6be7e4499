#pragma once
#include "app/screen.h"

// Lesson: arithmetic with fractions: the screen is in the program from the start; its work is yet to be built.
class TForm22 : public PlaceholderScreen {
public:
    TForm22() : PlaceholderScreen(QStringLiteral("Form22")) {}
};
