#include "app/main_menu.h"

TForm1::TForm1() : MenuScreen(QStringLiteral("Form1")) {
    addImage(1, 20, 20, 300, 300, Picture::Fit::Proportional);
    addImage(2, 690, 420, 300, 280, Picture::Fit::Proportional);
    addButton(2, 360, 60, 620, 90, 48);
    addButton(3, 360, 190, 620, 90, 48);
    addButton(4, 360, 320, 620, 90, 48);
    addButton(1, 30, 640, 280, 56, 32);
    onClick(button(1), &TForm1::Button1Click);
    onClick(button(2), &TForm1::Button2Click);
    onClick(button(3), &TForm1::Button3Click);
    onClick(button(4), &TForm1::Button4Click);
}

void TForm1::FormCreate() {
    LoadCornerPictures();
    button(1)->setText(QStringLiteral("Завершення"));
    button(2)->setText(QStringLiteral("Контрольні роботи"));
    button(3)->setText(QStringLiteral("Самостійні роботи"));
    button(4)->setText(QStringLiteral("Програми"));
}

void TForm1::Button1Click() { Close(); }
void TForm1::Button2Click() { Open(2); }
void TForm1::Button3Click() { Open(14); }
void TForm1::Button4Click() { Open(18); }
