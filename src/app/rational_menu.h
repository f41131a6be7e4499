#pragma once
#include "app/menu_screen.h"

// The rational-numbers menu: a heading and a column of three games.
class TForm33 : public MenuScreen {
public:
    TForm33();
    void FormCreate() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
};
