#include "works/work3.h"

#include <QHeaderView>
#include <QPoint>

#include "app/data_folder.h"
#include "core/text_file.h"

namespace {
const int kTaskNumbers[] = {0, 134, 135, 136, 137, 139, 140, 145, 146, 147, 148, 149};

// Left, top of Label8 and Label9 for tasks 5 and 6, by variant.
const QPoint kTask5Places[4][2] = {{{105, 110}, {105, 150}}, {{90, 110}, {90, 150}}, {{355, 110}, {355, 150}}, {{360, 60}, {360, 105}}};
const QPoint kTask6Places[4][2] = {{{465, 20}, {465, 60}}, {{595, 20}, {595, 60}}, {{445, 20}, {445, 60}}, {{610, 20}, {610, 60}}};

const char* const kGridHeadings[] = {"Номер завдання",       "Правильна відповідь",  "2 правильна відповідь",
                                     "3 правильна відповідь", "Перша відповідь учня", "Друга відповідь учня",
                                     "Третя відповідь учня",  "Результат"};
const int kGridRows = 12;
const int kColumnWidth = 120;
const int kRowHeight = 20;
const int kHeadingHeight = 38;
const int kTextFont = 18;
const QString kNoPart = QStringLiteral("*");

// The log holds one answer a line: a pasted line break (or any other control
// character) would split an answer and shift every later group, so each one
// goes in as a blank.
QString OneLine(QString answer) {
    for (QChar& c : answer) {
        const QChar::Category kind = c.category();
        if (kind == QChar::Other_Control || kind == QChar::Separator_Line || kind == QChar::Separator_Paragraph) c = u' ';
    }
    return answer;
}
}  // namespace

void TForm17::SizeGridCells() {
    // Cell sizes follow the page's scale, as the fonts in them do.
    QTableWidget* g = grid(1);
    g->horizontalHeader()->setDefaultSectionSize(qRound(kColumnWidth * pageScale()));
    g->verticalHeader()->setDefaultSectionSize(qRound(kRowHeight * pageScale()));
    for (int r = 0; r < g->rowCount(); ++r) g->setRowHeight(r, qRound((r == 0 ? kHeadingHeight : kRowHeight) * pageScale()));
    for (int c = 0; c < g->columnCount(); ++c) g->setColumnWidth(c, qRound(kColumnWidth * pageScale()));
}

void TForm17::resizeEvent(QResizeEvent* event) {
    IndependentWork::resizeEvent(event);
    SizeGridCells();
}

int TForm17::TaskNumber(int k) { return k >= 1 && k <= 11 ? kTaskNumbers[k] : 0; }

TForm17::TForm17()
    : IndependentWork(QStringLiteral("Form17"), QSize(1130, 790),
                      Roles{11, QStringLiteral("n8"), QStringLiteral("_v"), 5, 1, 2, 3, 4}) {
    addLabel(1, 16, 20, kTextFont);
    addLabel(6, 16, 60, kTextFont);
    addLabel(7, 16, 190, kTextFont);
    addLabel(8, 105, 110, kTextFont);
    addLabel(9, 105, 150, kTextFont);
    addLabel(4, 16, 256, 22);
    addLabel(2, 300, 228, 16);
    addEdit(2, 300, 250, 200, 30, kTextFont);
    addLabel(3, 300, 290, 16);
    addEdit(3, 300, 312, 200, 30, kTextFont);
    addLabel(5, 300, 352, 16);
    addEdit(4, 300, 374, 200, 30, kTextFont);
    addLabel(10, 520, 254, kTextFont);
    addLabel(11, 520, 316, kTextFont);
    addLabel(12, 520, 378, kTextFont);
    addEdit(1, 300, 422, 260, 30, kTextFont);
    // The verdict is the screen's to write, never the pupil's.
    edit(1)->setReadOnly(true);

    addButton(1, 870, 60, 140, 34, 18);
    addButton(2, 870, 108, 140, 34, 18);
    addButton(3, 870, 156, 140, 34, 18);
    addButton(4, 870, 470, 140, 34, 18);
    for (int v = 1; v <= 4; ++v) addButton(4 + v, 16 + 104 * (v - 1), 470, 96, 32, 16);
    addButton(20, 440, 470, 140, 32, 16);
    for (int k = 1; k <= 11; ++k) {
        addCheckBox(k, 1034, 24 + 38 * (k - 1));
        addButton(8 + k, 1058, 20 + 38 * (k - 1), 60, 28, 16);
    }
    QTableWidget* grid = addGrid(1, 16, 520, 1000, (kGridRows - 1) * kRowHeight + kHeadingHeight + 4, 8, kGridRows);
    // The headings are longer than a column is wide: they wrap in a taller first row.
    grid->setWordWrap(true);
    grid->verticalHeader()->setMinimumSectionSize(1);
    SizeGridCells();
    addButton(21, 1090, 760, 30, 20, 10);

    onClick(button(1), &TForm17::Button1Click);
    onClick(button(2), &TForm17::Button2Click);
    onClick(button(3), &TForm17::Button3Click);
    onClick(button(4), &TForm17::Button4Click);
    onClick(button(5), &TForm17::Button5Click);
    onClick(button(6), &TForm17::Button6Click);
    onClick(button(7), &TForm17::Button7Click);
    onClick(button(8), &TForm17::Button8Click);
    onClick(button(20), &TForm17::Button20Click);
    onClick(checkBox(1), &TForm17::CheckBox1Click);
    onClick(checkBox(2), &TForm17::CheckBox2Click);
    onClick(checkBox(3), &TForm17::CheckBox3Click);
    onClick(checkBox(4), &TForm17::CheckBox4Click);
    onClick(checkBox(5), &TForm17::CheckBox5Click);
    onClick(checkBox(6), &TForm17::CheckBox6Click);
    onClick(checkBox(7), &TForm17::CheckBox7Click);
    onClick(checkBox(8), &TForm17::CheckBox8Click);
    onClick(checkBox(9), &TForm17::CheckBox9Click);
    onClick(checkBox(10), &TForm17::CheckBox10Click);
    onClick(checkBox(11), &TForm17::CheckBox11Click);
}

void TForm17::FormCreate() {
    setDumpButton(button(21));
    ResetWork();
    // Nothing of the design captions is ever seen: every label starts empty.
    for (int n = 1; n <= 12; ++n) label(n)->setText(QString());
    label(8)->hide();
    label(9)->hide();
    ShowParts(1);
    button(2)->setEnabled(false);
    button(3)->setEnabled(false);
    button(1)->setEnabled(false);
    for (int v = 1; v <= 4; ++v) button(4 + v)->setText(QStringLiteral("Варіант %1").arg(v));
    button(1)->setText(QStringLiteral("Старт"));
    button(2)->setText(QStringLiteral("Перевірка"));
    button(3)->setText(QStringLiteral("Продовження"));
    button(4)->setText(QStringLiteral("Завершення"));
    button(20)->setText(QStringLiteral("Статистика"));
    for (int k = 1; k <= 11; ++k) {
        button(8 + k)->setText(QString::number(kTaskNumbers[k]));
        button(8 + k)->setEnabled(false);
    }
}

void TForm17::ChooseVariantButton(int v) {
    ChooseVariant(v);
    // The B of "Bаріант" is the Latin letter.
    heading_ = QStringLiteral("Bаріант %1").arg(v);
    label(4)->setText(heading_);
}

void TForm17::CheckBoxClick(int k) { ToggleTask(k, checkBox(k)->isChecked()); }

void TForm17::Button1Click() {
    // The log of this run starts empty; it holds the previous run until now.
    RewriteTextLines(DataPath(AnswerLogName()), {});
    button(1)->setEnabled(false);
    FindRange();
    currentTask_ = firstTask_;
    ShowTask();
    button(2)->setEnabled(true);
    button(3)->setEnabled(false);
    for (int v = 1; v <= 4; ++v) button(4 + v)->setEnabled(false);
    button(4)->setEnabled(true);
}

void TForm17::ShowParts(int parts) {
    parts_ = parts;
    label(2)->setText(parts == 1 ? QStringLiteral("Відповідь") : QStringLiteral("Перша частина"));
    label(3)->setText(parts >= 2 ? QStringLiteral("Друга частина") : QString());
    label(5)->setText(parts == 3 ? QStringLiteral("Третя частина") : QString());
    edit(3)->setVisible(parts >= 2);
    edit(4)->setVisible(parts == 3);
}

void TForm17::ShowTask() {
    // Cleared first, so that a task that fails to load leaves nothing behind to be marked against.
    taskLines_.clear();
    const int task = currentTask_;
    const int v = variant_;
    label(4)->setText(heading_ + QStringLiteral(" №") + QString::number(TaskNumber(task)));
    for (int n : {1, 6, 7, 8, 9}) label(n)->setText(QString());

    QStringList l;
    auto right = [&](int a, int b, int c) {
        auto line = [&](int n) { return n == 0 ? kNoPart : l[n - 1]; };
        rightAnswers_ = {line(a), line(b), line(c)};
    };
    auto extraLines = [&](int line8, int line9, const QPoint (&places)[4][2]) {
        label(8)->setText(l[line8 - 1]);
        label(9)->setText(l[line9 - 1]);
        place(label(8), places[v - 1][0].x(), places[v - 1][0].y());
        place(label(9), places[v - 1][1].x(), places[v - 1][1].y());
    };
    int parts = 1;
    bool extra = false;
    screenThird_.clear();
    switch (task) {
    case 1:
        l = ReadTaskLines(3, {2, 3});
        right(2, 3, 0);
        parts = 2;
        break;
    case 2:
        l = ReadTaskLines(4, {2, 3, 4});
        right(2, 3, 4);
        parts = 3;
        break;
    case 3:
        l = ReadTaskLines(4, {4});
        label(6)->setText(l[1]);
        label(7)->setText(l[2]);
        right(4, 0, 0);
        break;
    case 4:
        l = ReadTaskLines(5, {3, 4, 5});
        label(6)->setText(l[1]);
        right(3, 4, 5);
        parts = 3;
        break;
    case 5:
        if (v == 1) {
            l = ReadTaskLines(7, {4, 5});
            extraLines(6, 7, kTask5Places);
            parts = 2;
        } else {
            l = ReadTaskLines(8, {4, 5, 6});
            extraLines(7, 8, kTask5Places);
            screenThird_ = l[5];
            parts = 3;
        }
        label(6)->setText(l[1]);
        if (v != 4) label(7)->setText(l[2]);
        // The log leaves part 3 of this task out in every variant; the screen checks it.
        right(4, 5, 0);
        extra = true;
        break;
    case 6:
        l = ReadTaskLines(6, {2, 3, 4});
        extraLines(5, 6, kTask6Places);
        right(2, 3, 4);
        parts = 3;
        extra = true;
        break;
    default:
        l = ReadTaskLines(2, {2});
        right(2, 0, 0);
        break;
    }
    label(1)->setText(l[0]);
    label(8)->setVisible(extra);
    label(9)->setVisible(extra);
    ShowParts(parts);
    loggedParts_ = task == 5 ? 2 : parts;
    if (task != 5 || v == 1) screenThird_ = parts == 3 ? rightAnswers_[2] : QString();
    taskLines_ = l;
}

void TForm17::Button2Click() {
    if (taskLines_.isEmpty()) return;  // no task on the screen
    ++answered_;
    button(1)->setEnabled(false);
    button(2)->setEnabled(false);
    button(3)->setEnabled(true);

    pupilAnswers_ = {edit(2)->text(), edit(3)->text(), edit(4)->text()};
    // What the screen compares: every part shown; task 5 also checks part 3 against its line.
    const std::array<QString, 3> expected = {rightAnswers_[0], rightAnswers_[1], screenThird_};
    const int compared = currentTask_ == 5 ? 3 : parts_;
    bool isRight = true;
    for (int p = 0; p < compared; ++p) isRight = isRight && pupilAnswers_[p] == expected[p];
    if (isRight) {
        edit(1)->setText(QStringLiteral("Правильно"));
        ++right_;
    } else {
        edit(1)->setText(QStringLiteral("Неправильно"));
        for (int p = 0; p < parts_; ++p) label(10 + p)->setText(expected[p]);
    }
    for (int n = 1; n <= 4; ++n) edit(n)->setEnabled(false);

    // Six lines per check, on disk at once: a work left half-way keeps every check made.
    QStringList group;
    for (int p = 0; p < 3; ++p) group << (p < loggedParts_ ? rightAnswers_[p] : kNoPart);
    for (int p = 0; p < 3; ++p) group << (p < loggedParts_ ? OneLine(pupilAnswers_[p]) : kNoPart);
    AppendTextLines(DataPath(AnswerLogName()), group);
}

void TForm17::Button3Click() {
    for (int n = 10; n <= 12; ++n) label(n)->setText(QString());
    for (int n = 1; n <= 4; ++n) edit(n)->setEnabled(true);
    ++currentTask_;
    if (MoreTasks()) {
        edit(1)->clear();
        ShowTask();
        button(2)->setEnabled(true);
        button(3)->setEnabled(false);
        for (int n = 1; n <= 4; ++n) edit(n)->clear();
    } else {
        ShowClosingCount(edit(1));
        button(3)->setEnabled(false);
        // Nothing is left to answer.
        for (int n = 1; n <= 4; ++n) edit(n)->setEnabled(false);
    }
}

void TForm17::Button4Click() { Close(); }

void TForm17::Button20Click() {
    const QStringList lines = ReadTextLines(DataPath(AnswerLogName()));
    QTableWidget* grid = this->grid(1);
    const int groups = static_cast<int>((lines.size() + 5) / 6);
    grid->clearContents();
    grid->setColumnCount(8);
    grid->setRowCount(std::max(kGridRows, groups + 1));
    auto cell = [&](int row, int column, const QString& text) { grid->setItem(row, column, new QTableWidgetItem(text)); };
    for (int c = 0; c < 8; ++c) {
        cell(0, c, QString::fromUtf8(kGridHeadings[c]));
        // The heading row stands apart, as a fixed row does.
        grid->item(0, c)->setBackground(QColor(255, 236, 179));
        QFont bold = grid->font();
        bold.setBold(true);
        grid->item(0, c)->setFont(bold);
    }
    SizeGridCells();
    for (int r = 1; r <= groups; ++r) {
        QStringList group = lines.mid((r - 1) * 6, 6);
        while (group.size() < 6) group << QString();
        cell(r, 0, QString::number(r));
        for (int i = 0; i < 6; ++i) cell(r, 1 + i, group[i]);
        const bool right = group[0] == group[3] && group[1] == group[4] && group[2] == group[5];
        cell(r, 7, right ? QStringLiteral("Правильно") : QStringLiteral("Неправильно"));
    }
}
