#pragma once
#include "app/menu_screen.h"

// The programs menu: five lessons, the circle and the rational numbers among
// their pictures above, the eight problem sets in a row below, each under its picture.
class TForm18 : public MenuScreen {
public:
    TForm18();
    void FormCreate() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button15Click();
    void Button16Click();
};
