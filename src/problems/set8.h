#pragma once
#include "app/screen.h"

// Problem set 8: the screen is in the program from the start; its work is yet to be built.
class TForm32 : public PlaceholderScreen {
public:
    TForm32() : PlaceholderScreen(QStringLiteral("Form32")) {}
};
