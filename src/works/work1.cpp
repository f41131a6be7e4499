#include "works/work1.h"

#include <QPoint>
#include <utility>
#include <vector>

namespace {
// Where each line of a task file goes: line number (1-based) → label number.
struct TaskLayout {
    int lines;                                // lines read from the file
    std::vector<std::pair<int, int>> shown;  // line → label
    int answerLine;                           // Edit2 (the area in task 2)
    int perimeterLine;                        // Edit3, task 2 only; 0 elsewhere
};

const TaskLayout& layoutOf(int task) {
    static const TaskLayout oneFraction{6, {{1, 2}, {2, 3}, {3, 4}, {4, 11}, {5, 12}}, 6, 0};
    static const TaskLayout rectangle{7, {{1, 2}, {2, 3}, {3, 4}, {4, 11}, {5, 12}}, 7, 6};
    static const TaskLayout twoFractions{
        10, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 11}, {7, 12}, {8, 13}, {9, 14}}, 10, 0};
    static const TaskLayout sixLines{
        11, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 11}, {8, 12}, {9, 13}, {10, 14}}, 11, 0};
    // Line 5 is read and not shown.
    static const TaskLayout hiddenFifth{10, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {6, 11}, {7, 12}, {8, 13}, {9, 14}}, 10, 0};
    static const TaskLayout textOnly{5, {{1, 2}, {2, 3}, {3, 4}, {4, 5}}, 5, 0};
    switch (task) {
    case 1:
    case 4: return oneFraction;
    case 2: return rectangle;
    case 3: return twoFractions;
    case 5: return sixLines;
    case 6: return hiddenFifth;
    default: return textOnly;
    }
}

// Left, top of Label11 … Label14 for a task and variant: the numerator above and
// the denominator below the fraction bar drawn in the task line. Empty when the
// task has no fractions.
std::vector<QPoint> fractionPlaces(int task, int variant) {
    switch (task) {
    case 1: return {{15, 69}, {15, 95}};
    case 2: return {{115, 69}, {115, 95}};
    case 4: {
        static const int left[] = {280, 370, 310, 335};
        return {{left[variant - 1], 20}, {left[variant - 1], 50}};
    }
    case 3: {
        static const int first[] = {240, 145, 400, 330};
        const int second = variant == 2 ? 185 : 265;
        return {{first[variant - 1], 105}, {first[variant - 1], 140}, {second, 190}, {second, 220}};
    }
    case 6:
        switch (variant) {
        case 1: return {{80, 65}, {80, 95}, {280, 65}, {270, 95}};
        case 2: return {{190, 65}, {190, 95}, {20, 105}, {20, 135}};
        case 3: return {{220, 20}, {220, 50}, {190, 65}, {190, 95}};
        default: return {{300, 65}, {300, 95}, {200, 105}, {200, 135}};
        }
    case 5:
        switch (variant) {
        case 1: return {{320, 65}, {320, 95}, {210, 105}, {210, 135}};
        case 2: return {{190, 65}, {190, 95}, {165, 105}, {165, 135}};
        case 3: return {{135, 105}, {130, 140}, {110, 155}, {110, 185}};
        default: return {{360, 105}, {360, 135}, {245, 155}, {245, 185}};
        }
    default: return {};
    }
}

const int kTextTops[] = {32, 80, 120, 168, 204, 240, 280};  // Label2 … Label8
const int kTextFont = 19;
}  // namespace

TForm15::TForm15()
    : IndependentWork(QStringLiteral("Form15"), QSize(790, 490),
                      Roles{11, QStringLiteral("n9"), QStringLiteral("v"), 1, 5, 6, 7, 8}) {
    addLabel(1, 90, 6, 22);
    addLabel(10, 230, 6, 22);
    for (int n = 2; n <= 8; ++n) addLabel(n, 16, kTextTops[n - 2], kTextFont);
    addLabel(9, 200, 220, kTextFont);
    for (int n = 11; n <= 14; ++n) addLabel(n, 16, 300, kTextFont);
    addLabel(15, 416, 352, 24);
    addLabel(16, 416, 400, 24);

    addEdit(1, 440, 281, 153, 28, 18);
    addEdit(2, 478, 233, 110, 28, kTextFont);
    addEdit(3, 479, 186, 110, 28, kTextFont);
    // The verdict is the screen's to write, never the pupil's.
    edit(1)->setReadOnly(true);

    for (int v = 1; v <= 4; ++v) addButton(v, 16 + 92 * (v - 1), 444, 86, 32, 16);
    addButton(5, 16, 318, 100, 34, 18);
    addButton(6, 124, 318, 130, 34, 18);
    addButton(7, 262, 318, 146, 34, 18);
    addButton(8, 560, 444, 150, 32, 18);
    for (int k = 1; k <= 11; ++k) {
        addCheckBox(k, 700, 24 + 36 * (k - 1));
        addButton(8 + k, 724, 20 + 36 * (k - 1), 52, 28, 16);
    }
    addButton(20, 750, 456, 30, 20, 10);

    onClick(button(1), &TForm15::Button1Click);
    onClick(button(2), &TForm15::Button2Click);
    onClick(button(3), &TForm15::Button3Click);
    onClick(button(4), &TForm15::Button4Click);
    onClick(button(5), &TForm15::Button5Click);
    onClick(button(6), &TForm15::Button6Click);
    onClick(button(7), &TForm15::Button7Click);
    onClick(button(8), &TForm15::Button8Click);
    onClick(checkBox(1), &TForm15::CheckBox1Click);
    onClick(checkBox(2), &TForm15::CheckBox2Click);
    onClick(checkBox(3), &TForm15::CheckBox3Click);
    onClick(checkBox(4), &TForm15::CheckBox4Click);
    onClick(checkBox(5), &TForm15::CheckBox5Click);
    onClick(checkBox(6), &TForm15::CheckBox6Click);
    onClick(checkBox(7), &TForm15::CheckBox7Click);
    onClick(checkBox(8), &TForm15::CheckBox8Click);
    onClick(checkBox(9), &TForm15::CheckBox9Click);
    onClick(checkBox(10), &TForm15::CheckBox10Click);
    onClick(checkBox(11), &TForm15::CheckBox11Click);
}

void TForm15::FormCreate() {
    setDumpButton(button(20));
    ResetWork();
    // Nothing of the design captions is ever seen: every label starts empty.
    for (int n = 1; n <= 16; ++n) label(n)->setText(QString());
    place(label(9), 200, 220);
    label(9)->setText(QStringLiteral("Відповідь:"));
    label(1)->setText(QStringLiteral("Варіант №"));
    edit(3)->hide();

    for (int v = 1; v <= 4; ++v) button(v)->setText(QStringLiteral("Варіант %1").arg(v));
    button(5)->setText(QStringLiteral("Старт"));
    button(6)->setText(QStringLiteral("Перевірка"));
    button(7)->setText(QStringLiteral("Продовження"));
    button(8)->setText(QStringLiteral("Завершення"));
    for (int k = 1; k <= 11; ++k) {
        button(8 + k)->setText(QString::number(91 + k));
        button(8 + k)->setEnabled(false);
    }
    button(6)->setEnabled(false);
    button(7)->setEnabled(false);
    button(5)->setEnabled(false);
}

void TForm15::ChooseVariantButton(int v) {
    ChooseVariant(v);
    place(label(10), 200, 8);
    label(10)->setText(QString::number(v));
    edit(3)->hide();
}

void TForm15::CheckBoxClick(int k) { ToggleTask(k, checkBox(k)->isChecked()); }

void TForm15::Button5Click() {
    button(5)->setEnabled(false);
    for (int k = 1; k <= 11; ++k) checkBox(k)->setEnabled(false);
    FindRange();
    currentTask_ = firstTask_;
    vop();
    // Only a task actually on the screen can be checked.
    button(6)->setEnabled(true);
}

void TForm15::vop() {
    // Cleared first, so that a task that fails to load leaves nothing behind to be marked against.
    taskLines_.clear();
    edit(1)->clear();
    edit(2)->clear();
    edit(3)->hide();
    place(label(9), 380, 240);
    label(9)->setText(QStringLiteral("Відповідь:"));
    for (int n : {2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16}) label(n)->setText(QString());

    const TaskLayout& layout = layoutOf(currentTask_);
    const QStringList lines = currentTask_ == 2 ? ReadTaskLines(layout.lines, {layout.perimeterLine, layout.answerLine})
                                                : ReadTaskLines(layout.lines, {layout.answerLine});
    for (const auto& [line, labelNumber] : layout.shown) label(labelNumber)->setText(lines[line - 1]);
    const std::vector<QPoint> places = fractionPlaces(currentTask_, variant_);
    for (int i = 0; i < static_cast<int>(places.size()); ++i) place(label(11 + i), places[i].x(), places[i].y());

    if (currentTask_ == 2) {
        place(label(9), 380, 230);
        label(9)->setText(QStringLiteral("Площа:"));
        place(label(13), 380, 190);
        label(13)->setText(QStringLiteral("Периметр:"));
        edit(3)->show();
    }
    taskLines_ = lines;
}

void TForm15::Button6Click() {
    if (taskLines_.isEmpty()) return;  // no task on the screen
    button(7)->setEnabled(true);
    button(6)->setEnabled(false);
    edit(3)->setEnabled(false);
    edit(2)->setEnabled(false);

    const TaskLayout& layout = layoutOf(currentTask_);
    answer_ = edit(2)->text();
    const QString rightAnswer = taskLines_[layout.answerLine - 1];
    bool isRight = answer_ == rightAnswer;
    QString shownAnswer = rightAnswer;
    if (layout.perimeterLine != 0) {
        answer2_ = edit(3)->text();
        const QString rightPerimeter = taskLines_[layout.perimeterLine - 1];
        isRight = isRight && answer2_ == rightPerimeter;
        shownAnswer = rightPerimeter + QStringLiteral("   ") + rightAnswer;
    }

    if (isRight) {
        edit(1)->setText(QStringLiteral("Правильно"));
        ++right_;
    } else {
        edit(1)->setText(QStringLiteral("Неправильно"));
        label(15)->setText(QStringLiteral("Правильна відповідь:"));
        label(16)->setText(shownAnswer);
    }
    edit(1)->setEnabled(false);
}

void TForm15::Button7Click() {
    button(7)->setEnabled(false);
    edit(2)->setEnabled(true);
    edit(3)->setEnabled(true);
    edit(1)->setEnabled(true);
    ++currentTask_;
    ++answered_;
    if (MoreTasks()) {
        edit(1)->clear();
        vop();
        button(6)->setEnabled(true);
    } else {
        ShowClosingCount(edit(1));
        button(6)->setEnabled(false);
        edit(1)->setEnabled(false);
        // Nothing is left to answer.
        edit(2)->setEnabled(false);
        edit(3)->setEnabled(false);
    }
}

void TForm15::Button8Click() { Close(); }
