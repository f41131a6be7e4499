#pragma once
#include "app/screen.h"

// Problem set 7: the screen is in the program from the start; its work is yet to be built.
class TForm30 : public PlaceholderScreen {
public:
    TForm30() : PlaceholderScreen(QStringLiteral("Form30")) {}
};
