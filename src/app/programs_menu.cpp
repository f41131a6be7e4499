#include "app/programs_menu.h"

namespace {
// The bottom row: eight slots, a picture over its button.
int slotLeft(int slot) { return 8 + slot * 125; }
}  // namespace

TForm18::TForm18() : MenuScreen(QStringLiteral("Form18"), QSize(1010, 800)) {
    using Fit = Picture::Fit;
    // The lessons, a picture beside each.
    for (int i = 0; i < 5; ++i) {
        addImage(3 + i, 15, 15 + 108 * i, 120, 96, Fit::Proportional);
        addButton(2 + i, 145, 42 + 108 * i, 320, 44, 24);
    }
    addImage(15, 500, 20, 220, 190, Fit::Proportional);
    addButton(14, 530, 220, 160, 44, 24);
    addImage(17, 765, 20, 225, 190, Fit::Proportional);
    addButton(16, 750, 220, 255, 44, 24);
    addImage(1, 500, 300, 220, 230, Fit::Proportional);
    addImage(2, 765, 300, 225, 230, Fit::Proportional);
    // The problem sets: Задачі 1 … 7 under p06 … p12, Задачі 8 under p14.
    for (int slot = 0; slot < 8; ++slot) {
        const int picture = slot < 7 ? 8 + slot : 16;
        const int button = slot < 7 ? 7 + slot : 15;
        addImage(picture, slotLeft(slot), 575, 118, 96, Fit::Proportional);
        addButton(button, slotLeft(slot), 676, 118, 40, 24);
    }
    addButton(1, 15, 745, 240, 46, 28);
    addButton(17, 960, 2, 40, 16, 10);
    onClick(button(1), &TForm18::Button1Click);
    onClick(button(2), &TForm18::Button2Click);
    onClick(button(3), &TForm18::Button3Click);
    onClick(button(4), &TForm18::Button4Click);
    onClick(button(5), &TForm18::Button5Click);
    onClick(button(6), &TForm18::Button6Click);
    onClick(button(7), &TForm18::Button7Click);
    onClick(button(8), &TForm18::Button8Click);
    onClick(button(9), &TForm18::Button9Click);
    onClick(button(10), &TForm18::Button10Click);
    onClick(button(11), &TForm18::Button11Click);
    onClick(button(12), &TForm18::Button12Click);
    onClick(button(13), &TForm18::Button13Click);
    onClick(button(14), &TForm18::Button14Click);
    onClick(button(15), &TForm18::Button15Click);
    onClick(button(16), &TForm18::Button16Click);
}

void TForm18::FormCreate() {
    setDumpButton(button(17));
    LoadCornerPictures();
    // p01 … p15 go to Image3 … Image17 in order.
    for (int i = 1; i <= 15; ++i) LoadPicture(image(2 + i), QStringLiteral("p%1.bmp").arg(i, 2, 10, QLatin1Char('0')));
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Прості дільники"));
    button(3)->setText(QStringLiteral("НСД-НСК"));
    button(4)->setText(QStringLiteral("Спільний знаменник"));
    button(5)->setText(QStringLiteral("Арифметичні дії з дробами"));
    button(6)->setText(QStringLiteral("Додавання дробів"));
    for (int set = 1; set <= 7; ++set) button(6 + set)->setText(QStringLiteral("Задачі %1").arg(set));
    button(14)->setText(QStringLiteral("Коло"));
    button(15)->setText(QStringLiteral("Задачі 8"));
    button(16)->setText(QStringLiteral("Раціональні числа"));
}

void TForm18::Button1Click() { Close(); }
void TForm18::Button2Click() { Open(19); }
void TForm18::Button3Click() { Open(20); }
void TForm18::Button4Click() { Open(21); }
void TForm18::Button5Click() { Open(22); }
void TForm18::Button6Click() { Open(23); }
void TForm18::Button7Click() { Open(24); }
void TForm18::Button8Click() { Open(25); }
void TForm18::Button9Click() { Open(26); }
void TForm18::Button10Click() { Open(27); }
void TForm18::Button11Click() { Open(28); }
void TForm18::Button12Click() { Open(29); }
void TForm18::Button13Click() { Open(30); }
void TForm18::Button14Click() { Open(31); }
void TForm18::Button15Click() { Open(32); }
void TForm18::Button16Click() { Open(33); }
