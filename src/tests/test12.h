#pragma once
#include "app/screen.h"

// Test paper 12: the screen is in the program from the start; its work is yet to be built.
class TForm13 : public PlaceholderScreen {
public:
    TForm13() : PlaceholderScreen(QStringLiteral("Form13")) {}
};
