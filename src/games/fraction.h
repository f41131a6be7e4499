#pragma once
#include "app/screen.h"

// Game: common fractions: the screen is in the program from the start; its work is yet to be built.
class TForm35 : public PlaceholderScreen {
public:
    TForm35() : PlaceholderScreen(QStringLiteral("Form35")) {}
};
