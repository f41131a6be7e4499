#pragma once
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <array>
#include <initializer_list>

#include "app/screen.h"

// What the three independent works share: the variant and the task file names
// it selects, the task check boxes and the range they give, reading a task
// file, and the closing count. Each work keeps its own controls, handlers and
// task layouts; the buttons that play the same part carry different numbers
// on each screen, so the work names them in its Roles.
class IndependentWork : public Screen {
public:
    struct Roles {
        int taskCount;           // tasks with a check box: 11 or 15
        QString folder;          // task files live here: "n9"
        QString variantJoin;     // between task index and variant digit: "v" or "_v"
        int firstVariantButton;  // the four variant buttons are numbered from here
        int startButton;
        int checkButton;
        int nextButton;
        int finishButton;
    };

    // The number of the task on the screen, the current task, the range and
    // the counts, for tests and the closing count.
    int variant() const { return variant_; }
    int firstTask() const { return firstTask_; }
    int lastTask() const { return lastTask_; }
    int currentTask() const { return currentTask_; }
    int answeredCount() const { return answered_; }
    int rightCount() const { return right_; }
    // The name of task k of the chosen variant ("n9\t3v2.txt"); empty before a variant is chosen.
    QString taskFileName(int k) const;

protected:
    IndependentWork(const QString& caption, QSize page, Roles roles);

    QPushButton* startButton() const { return button(roles_.startButton); }
    QPushButton* checkButton() const { return button(roles_.checkButton); }
    QPushButton* nextButton() const { return button(roles_.nextButton); }
    QPushButton* finishButton() const { return button(roles_.finishButton); }
    QPushButton* variantButton(int v) const { return button(roles_.firstVariantButton + v - 1); }
    int taskCount() const { return roles_.taskCount; }

    // Back to the state of a freshly created work: no variant, no flags, no range.
    void ResetWork();
    // The flag of task k follows its check box.
    void ToggleTask(int k, bool ticked);
    // Remembers the variant, names its task files and locks the variant buttons.
    void ChooseVariant(int v);
    // The range from the ticked boxes, scanned by index: the lowest ticked box
    // is the first task, the next one the last. One ticked box is a range of
    // one task; no ticked box is the whole work (there is no task 0 to read).
    void FindRange();
    // Tasks of the range not yet passed with "Продовження".
    bool MoreTasks() const { return answered_ < lastTask_ - firstTask_ + 1; }
    // The first `count` lines of the current task's file; a short file gives
    // empty lines. A file that lacks one of the answer lines (1-based) cannot be
    // marked fairly, so it is reported instead of being shown.
    QStringList ReadTaskLines(int count, std::initializer_list<int> answerLines) const;
    // "Відповідей-… Правильних-…" in the verdict field, moved and widened to hold it.
    void ShowClosingCount(QLineEdit* verdict);

    // Answer fields are named by the task on screen ("Завдання 5, відповідь"),
    // the verdict field by what it shows, a task's check box by its task.
    QString SpokenName(QWidget* control) const override;

    int variant_ = 0;
    std::array<int, 19> taskFlags_{};  // 1..18; flag k is k while box k is ticked
    int firstTask_ = 0;
    int lastTask_ = 0;
    int currentTask_ = 1;
    int answered_ = 0;
    int right_ = 0;

private:
    Roles roles_;
};
