#pragma once
#include "app/screen.h"

// Test paper 10: the screen is in the program from the start; its work is yet to be built.
class TForm12 : public PlaceholderScreen {
public:
    TForm12() : PlaceholderScreen(QStringLiteral("Form12")) {}
};
