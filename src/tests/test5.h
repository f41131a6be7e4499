#pragma once
#include "app/screen.h"

// Test paper 5: the screen is in the program from the start; its work is yet to be built.
class TForm7 : public PlaceholderScreen {
public:
    TForm7() : PlaceholderScreen(QStringLiteral("Form7")) {}
};
