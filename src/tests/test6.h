#pragma once
#include "app/screen.h"

// Test paper 6: the screen is in the program from the start; its work is yet to be built.
class TForm8 : public PlaceholderScreen {
public:
    TForm8() : PlaceholderScreen(QStringLiteral("Form8")) {}
};
