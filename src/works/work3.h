#pragma once
#include "app/screen.h"

// Independent work 3: the screen is in the program from the start; its work is yet to be built.
class TForm17 : public PlaceholderScreen {
public:
    TForm17() : PlaceholderScreen(QStringLiteral("Form17")) {}
};
