#pragma once
#include <QStringList>

#include "works/independent_work.h"

// Independent work 1: eleven tasks ("92" … "102") in four variants, read from
// "n9\t<task>v<variant>.txt" and answered one at a time.
class TForm15 : public IndependentWork {
public:
    TForm15();
    void FormCreate() override;

    void Button1Click() { ChooseVariantButton(1); }
    void Button2Click() { ChooseVariantButton(2); }
    void Button3Click() { ChooseVariantButton(3); }
    void Button4Click() { ChooseVariantButton(4); }
    void Button5Click();  // Старт
    void Button6Click();  // Перевірка
    void Button7Click();  // Продовження
    void Button8Click();  // Завершення

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
