#pragma once
#include "app/screen.h"

// Test paper 9: the screen is in the program from the start; its work is yet to be built.
class TForm11 : public PlaceholderScreen {
public:
    TForm11() : PlaceholderScreen(QStringLiteral("Form11")) {}
};
