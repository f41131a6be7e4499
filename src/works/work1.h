#pragma once
#include "app/screen.h"

// Independent work 1: the screen is in the program from the start; its work is yet to be built.
class TForm15 : public PlaceholderScreen {
public:
    TForm15() : PlaceholderScreen(QStringLiteral("Form15")) {}
};
