#pragma once
#include "app/screen.h"

// Independent work 2: the screen is in the program from the start; its work is yet to be built.
class TForm16 : public PlaceholderScreen {
public:
    TForm16() : PlaceholderScreen(QStringLiteral("Form16")) {}
};
