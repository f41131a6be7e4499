#pragma once
#include "app/screen.h"

// Test paper 7: the screen is in the program from the start; its work is yet to be built.
class TForm9 : public PlaceholderScreen {
public:
    TForm9() : PlaceholderScreen(QStringLiteral("Form9")) {}
};
