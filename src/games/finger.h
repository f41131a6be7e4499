#pragma once
#include "app/screen.h"

// Game: decimal fractions: the screen is in the program from the start; its work is yet to be built.
class TForm34 : public PlaceholderScreen {
public:
    TForm34() : PlaceholderScreen(QStringLiteral("Form34")) {}
};
