#pragma once
#include "app/screen.h"

// Problem set 2: the screen is in the program from the start; its work is yet to be built.
class TForm25 : public PlaceholderScreen {
public:
    TForm25() : PlaceholderScreen(QStringLiteral("Form25")) {}
};
