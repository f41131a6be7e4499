#pragma once
#include "app/screen.h"

// Problem set 3: the screen is in the program from the start; its work is yet to be built.
class TForm26 : public PlaceholderScreen {
public:
    TForm26() : PlaceholderScreen(QStringLiteral("Form26")) {}
};
