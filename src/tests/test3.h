#pragma once
#include "app/screen.h"

// Test paper 3: the screen is in the program from the start; its work is yet to be built.
class TForm5 : public PlaceholderScreen {
public:
    TForm5() : PlaceholderScreen(QStringLiteral("Form5")) {}
};
