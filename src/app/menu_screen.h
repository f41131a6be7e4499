#pragma once
#include "app/screen.h"

// What the five menus share: buttons that open a screen modally, and the two
// pictures of the owl and the porridge pot in the corners.
class MenuScreen : public Screen {
public:
    using Screen::Screen;

protected:
    // Shows screen number `target` and returns when it is closed.
    static void Open(int target);
    void LoadCornerPictures();
};
