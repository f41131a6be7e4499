#pragma once
#include "app/menu_screen.h"

// The tests menu: eleven test papers in two columns of five and one below.
class TForm2 : public MenuScreen {
public:
    TForm2();
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
};
