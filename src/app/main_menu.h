#pragma once
#include "app/menu_screen.h"

// The main menu and main window: tests, independent works, programs, and the way out.
class TForm1 : public MenuScreen {
public:
    TForm1();
    void FormCreate() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
};
