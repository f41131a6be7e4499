#pragma once
#include <functional>

class Screen;

// How a menu reaches the screen it opens. The shell does not know the screens
// of the families: the program above them installs the lookup at start-up.
using ScreenLookup = std::function<Screen*(int number)>;
void SetScreenLookup(ScreenLookup lookup);

// The screen of the running program that a menu opens (1 … 36), or none.
Screen* ScreenNumber(int number);
