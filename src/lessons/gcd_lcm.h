#pragma once
#include "app/screen.h"

// Lesson: GCD and LCM: the screen is in the program from the start; its work is yet to be built.
class TForm20 : public PlaceholderScreen {
public:
    TForm20() : PlaceholderScreen(QStringLiteral("Form20")) {}
};
