#pragma once
#include <QStringList>
#include <array>

#include "works/independent_work.h"

// Independent work 3: eleven tasks (134 … 149) in four variants, read from
// "n8\t<task>_v<variant>.txt", answered in up to three parts; every check is
// written to the answer log "n8\stat.txt", which "Статистика" shows in a grid.
class TForm17 : public IndependentWork {
public:
    TForm17();
    void FormCreate() override;

    void Button1Click();  // Старт
    void Button2Click();  // Перевірка
    void Button3Click();  // Продовження
    void Button4Click();  // Завершення
    void Button5Click() { ChooseVariantButton(1); }
    void Button6Click() { ChooseVariantButton(2); }
    void Button7Click() { ChooseVariantButton(3); }
    void Button8Click() { ChooseVariantButton(4); }
    void Button20Click();  // Статистика

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

    // The show routines of variants 1 to 4; each shows the current task.
    void rzne() { ShowTask(); }
    void rzne2() { ShowTask(); }
    void rzne3() { ShowTask(); }
    void rzne4() { ShowTask(); }

    // The number of task k on the screen: 134 … 149, with gaps.
    static int TaskNumber(int k);
    // The answer log, as the program names it.
    static QString AnswerLogName() { return QStringLiteral("n8\\stat.txt"); }

    // The lines of the task on the screen; empty while none is shown.
    const QStringList& taskLines() const { return taskLines_; }
    // The right answers of parts 1 to 3 as the log holds them ("*" for a part the task lacks).
    const std::array<QString, 3>& rightAnswers() const { return rightAnswers_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void SizeGridCells();
    void ChooseVariantButton(int v);
    void CheckBoxClick(int k);
    void ShowTask();
    // Fields 1 … parts shown, with their captions.
    void ShowParts(int parts);

    QString heading_;
    QStringList taskLines_;
    std::array<QString, 3> rightAnswers_;
    std::array<QString, 3> pupilAnswers_;
    int parts_ = 0;        // answer fields of the task on the screen
    int loggedParts_ = 0;  // parts the answer log records (task 5 leaves out part 3)
    QString screenThird_;  // what Edit4 must hold on the screen (task 5 checks it without logging it)
};
