#include "app/papers_menu.h"

TForm2::TForm2() : MenuScreen(QStringLiteral("Form2")) {
    addImage(1, 10, 10, 170, 170, Picture::Fit::Proportional);
    addImage(2, 800, 530, 200, 180, Picture::Fit::Proportional);
    for (int row = 0; row < 5; ++row) {
        addButton(2 + row, 200, 40 + 85 * row, 340, 62, 28);
        addButton(7 + row, 570, 40 + 85 * row, 340, 62, 28);
    }
    addButton(12, 385, 470, 340, 62, 28);
    addButton(1, 30, 650, 240, 50, 28);
    addButton(13, 960, 10, 40, 20, 10);
    onClick(button(1), &TForm2::Button1Click);
    onClick(button(2), &TForm2::Button2Click);
    onClick(button(3), &TForm2::Button3Click);
    onClick(button(4), &TForm2::Button4Click);
    onClick(button(5), &TForm2::Button5Click);
    onClick(button(6), &TForm2::Button6Click);
    onClick(button(7), &TForm2::Button7Click);
    onClick(button(8), &TForm2::Button8Click);
    onClick(button(9), &TForm2::Button9Click);
    onClick(button(10), &TForm2::Button10Click);
    onClick(button(11), &TForm2::Button11Click);
    onClick(button(12), &TForm2::Button12Click);
}

void TForm2::FormCreate() {
    setDumpButton(button(13));
    button(1)->setText(QStringLiteral("Повернення"));
    // There is no test 11: the last button opens test 12.
    static const char16_t* const captions[11] = {
        u"Контрольна робота №1", u"Контрольна робота №2", u"Контрольна робота №3",  u"Контрольна робота №4",
        u"Контрольна робота №5", u"Контрольна робота №6", u"Контрольна робота №7",  u"Контрольна робота №8",
        u"Контрольна робота №9", u"Контрольна робота №10", u"Контрольна робота №12"};
    for (int i = 0; i < 11; ++i) button(2 + i)->setText(QString::fromUtf16(captions[i]));
    LoadCornerPictures();
}

void TForm2::Button1Click() { Close(); }
void TForm2::Button2Click() { Open(3); }
void TForm2::Button3Click() { Open(4); }
void TForm2::Button4Click() { Open(5); }
void TForm2::Button5Click() { Open(6); }
void TForm2::Button6Click() { Open(7); }
void TForm2::Button7Click() { Open(8); }
void TForm2::Button8Click() { Open(9); }
void TForm2::Button9Click() { Open(10); }
void TForm2::Button10Click() { Open(11); }
void TForm2::Button11Click() { Open(12); }
void TForm2::Button12Click() { Open(13); }
