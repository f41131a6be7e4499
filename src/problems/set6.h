#pragma once
#include "app/screen.h"

// Problem set 6: the screen is in the program from the start; its work is yet to be built.
class TForm29 : public PlaceholderScreen {
public:
    TForm29() : PlaceholderScreen(QStringLiteral("Form29")) {}
};
