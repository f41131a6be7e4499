#pragma once
#include "app/menu_screen.h"

// The independent-works menu: three works on a diagonal.
class TForm14 : public MenuScreen {
public:
    TForm14();
    void FormCreate() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
};
