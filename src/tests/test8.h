#pragma once
#include "app/screen.h"

// Test paper 8: the screen is in the program from the start; its work is yet to be built.
class TForm10 : public PlaceholderScreen {
public:
    TForm10() : PlaceholderScreen(QStringLiteral("Form10")) {}
};
