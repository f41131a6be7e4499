#include "app/rational_menu.h"

TForm33::TForm33() : MenuScreen(QStringLiteral("Form33")) {
    addLabel(1, 40, 40, 48);
    addButton(2, 600, 170, 370, 76, 32);
    addButton(3, 600, 290, 370, 76, 32);
    addButton(4, 600, 410, 370, 76, 32);
    addButton(1, 600, 590, 370, 60, 28);
    addButton(5, 960, 10, 40, 20, 10);
    onClick(button(1), &TForm33::Button1Click);
    onClick(button(2), &TForm33::Button2Click);
    onClick(button(3), &TForm33::Button3Click);
    onClick(button(4), &TForm33::Button4Click);
}

void TForm33::FormCreate() {
    setDumpButton(button(5));
    label(1)->setText(QStringLiteral("Дії з раціональними числами"));
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Десяткові дроби"));
    button(3)->setText(QStringLiteral("Звичайні дроби"));
    button(4)->setText(QStringLiteral("Гра \"Мауглі\""));
}

void TForm33::Button1Click() { Close(); }
void TForm33::Button2Click() { Open(34); }
void TForm33::Button3Click() { Open(35); }
void TForm33::Button4Click() { Open(36); }
