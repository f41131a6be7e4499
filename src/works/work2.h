#pragma once
#include <QStringList>

#include "works/independent_work.h"

// Independent work 2: fifteen tasks ("116" … "130") in four variants, read from
// "n5\t<task>v<variant>.txt"; some tasks put a unit after the answer field or
// ask for two answers in captioned fields.
class TForm16 : public IndependentWork {
public:
    TForm16();
    void FormCreate() override;

    void Button1Click() { ChooseVariantButton(1); }
    void Button2Click() { ChooseVariantButton(2); }
    void Button3Click() { ChooseVariantButton(3); }
    void Button4Click() { ChooseVariantButton(4); }
    void Button5Click();  // Завершення
    void Button6Click();  // Продовження
    void Button7Click();  // Перевірка
    void Button8Click();  // Старт

    void CheckBox1Click() { CheckBoxClick(1); }
    void CheckBox2Click() { CheckBoxClick(2); }
    void CheckBox3Click() { CheckBoxClick(3); }
    void CheckBox4Click() { CheckBoxClick(4); }
    void CheckBox5Click() { CheckBoxClick(5); }
    void CheckBox6Click() { CheckBoxClick(6); }
    void CheckBox7Click() { CheckBoxClick(7); }
    void CheckBox8Click() { CheckBoxClick(8); }
    void CheckBox9Click() { CheckBoxClick(9); }
    void CheckBox10Click() { CheckBoxClick(10); }
    void CheckBox11Click() { CheckBoxClick(11); }
    void CheckBox12Click() { CheckBoxClick(12); }
    void CheckBox13Click() { CheckBoxClick(13); }
    void CheckBox14Click() { CheckBoxClick(14); }
    void CheckBox15Click() { CheckBoxClick(15); }

    // Shows the current task from its file.
    void vop();

    // The lines of the task on the screen; empty while none is shown.
    const QStringList& taskLines() const { return taskLines_; }

private:
    void ChooseVariantButton(int v);
    void CheckBoxClick(int k);

    QStringList taskLines_;
    QString answer_;
    QString answer2_;
};
