#pragma once
#include "app/screen.h"

// Test paper 1: the screen is in the program from the start; its work is yet to be built.
class TForm3 : public PlaceholderScreen {
public:
    TForm3() : PlaceholderScreen(QStringLiteral("Form3")) {}
};
