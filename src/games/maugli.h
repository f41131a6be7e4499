#pragma once
#include "app/screen.h"

// Game: Maugli: the screen is in the program from the start; its work is yet to be built.
class TForm36 : public PlaceholderScreen {
public:
    TForm36() : PlaceholderScreen(QStringLiteral("Form36")) {}
};
