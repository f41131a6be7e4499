#pragma once
#include "app/screen.h"

// The circle: the screen is in the program from the start; its work is yet to be built.
class TForm31 : public PlaceholderScreen {
public:
    TForm31() : PlaceholderScreen(QStringLiteral("Form31")) {}
};
