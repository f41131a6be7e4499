#include "app/works_menu.h"

TForm14::TForm14() : MenuScreen(QStringLiteral("Form14")) {
    addImage(1, 20, 20, 230, 230, Picture::Fit::Proportional);
    addImage(2, 740, 450, 250, 250, Picture::Fit::Proportional);
    addButton(2, 560, 110, 420, 76, 36);
    addButton(3, 330, 290, 420, 76, 36);
    addButton(4, 100, 470, 420, 76, 36);
    addButton(1, 30, 650, 240, 50, 28);
    addButton(5, 960, 10, 40, 20, 10);
    onClick(button(1), &TForm14::Button1Click);
    onClick(button(2), &TForm14::Button2Click);
    onClick(button(3), &TForm14::Button3Click);
    onClick(button(4), &TForm14::Button4Click);
}

void TForm14::FormCreate() {
    setDumpButton(button(5));
    LoadCornerPictures();
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Самостійна робота №1"));
    button(3)->setText(QStringLiteral("Самостійна робота №2"));
    button(4)->setText(QStringLiteral("Самостійна робота №3"));
}

void TForm14::Button1Click() { Close(); }
void TForm14::Button2Click() { Open(15); }
void TForm14::Button3Click() { Open(16); }
void TForm14::Button4Click() { Open(17); }
