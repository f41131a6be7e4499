#pragma once
#include "app/screen.h"

// Problem set 1: the screen is in the program from the start; its work is yet to be built.
class TForm24 : public PlaceholderScreen {
public:
    TForm24() : PlaceholderScreen(QStringLiteral("Form24")) {}
};
