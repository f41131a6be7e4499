#include "app/menu_screen.h"

#include "app/screen_lookup.h"

void MenuScreen::Open(int target) {
    if (Screen* s = ScreenNumber(target)) s->ShowModal();
}

void MenuScreen::LoadCornerPictures() {
    LoadPicture(image(1), QStringLiteral("sova4.bmp"));
    LoadPicture(image(2), QStringLiteral("kash2.bmp"));
}
