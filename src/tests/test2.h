#pragma once
#include "app/screen.h"

// Test paper 2: the screen is in the program from the start; its work is yet to be built.
class TForm4 : public PlaceholderScreen {
public:
    TForm4() : PlaceholderScreen(QStringLiteral("Form4")) {}
};
