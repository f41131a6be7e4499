#pragma once
#include "app/screen.h"

// Problem set 5: the screen is in the program from the start; its work is yet to be built.
class TForm28 : public PlaceholderScreen {
public:
    TForm28() : PlaceholderScreen(QStringLiteral("Form28")) {}
};
