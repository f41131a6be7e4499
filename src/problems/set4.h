#pragma once
#include "app/screen.h"

// Problem set 4: the screen is in the program from the start; its work is yet to be built.
class TForm27 : public PlaceholderScreen {
public:
    TForm27() : PlaceholderScreen(QStringLiteral("Form27")) {}
};
