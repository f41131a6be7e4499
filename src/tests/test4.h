#pragma once
#include "app/screen.h"

// Test paper 4: the screen is in the program from the start; its work is yet to be built.
class TForm6 : public PlaceholderScreen {
public:
    TForm6() : PlaceholderScreen(QStringLiteral("Form6")) {}
};
