#include "works/work2.h"

#include <algorithm>

namespace {
// How a task of a variant reads its file: lines read, the text lines shown in
// Label4 onwards, and the lines of the answers (Edit3's is 0 when it has none).
struct TaskLayout {
    int lines;
    int shown;
    int edit2Line;
    int edit3Line;
};

TaskLayout layoutOf(int task, int variant) {
    switch (task) {
    case 1: return {3, 2, 3, 0};
    case 2:
    case 5: return variant == 2 ? TaskLayout{4, 3, 4, 0} : TaskLayout{3, 2, 3, 0};
    case 3: return {5, 3, 4, 5};
    case 8:
    case 9:
    case 15: return {variant <= 2 ? 6 : 5, 4, 5, 0};  // the sixth line is read and not used
    case 13: return variant <= 2 ? TaskLayout{6, 4, 5, 6} : TaskLayout{5, 4, 5, 0};
    default: return {4, 3, 4, 0};  // 4, 6, 7, 10, 11, 12, 14
    }
}

// Tasks whose answers are longer than the narrow field holds.
bool widensAnswer(int task, int variant) {
    return (task == 6 && variant == 2) || (task == 7 && variant <= 2) || (task == 8 && variant >= 3);
}

// The unit after the answer field, and the left it stands at; empty when none.
struct Unit {
    QString text;
    int left = 180;
};

Unit unitOf(int task, int variant) {
    // "cм" of tasks 7 and 8 begins with the Latin c; "см" of tasks 5 and 9 is all Cyrillic.
    const QString latinCm = QStringLiteral("cм");
    const QString cm = QStringLiteral("см");
    const QString percent = QStringLiteral("%");
    switch (task) {
    case 5:
        if (variant == 2) return {cm};
        break;
    case 6:
        if (variant != 2) return {QStringLiteral("км")};
        break;
    case 7:
        if (variant >= 3) return {latinCm};
        break;
    case 8:
        if (variant == 1) return {latinCm};
        if (variant == 2) return {percent};
        break;
    case 9: return {variant <= 2 ? percent : cm};
    case 13:
        if (variant <= 2) return {percent, 260};
        break;
    default: break;
    }
    return {};
}

// Task 3: what each field asks for, and the unit after the second.
struct TwoQuantities {
    const char* first;
    const char* second;
    const char* unit;
};
const TwoQuantities kTask3[] = {
    {"олія", "льон", "ц"},
    {"мідь", "сплав", "кг"},
    {"папір", "макулатура", "кг"},
    {"крохмал", "картопля", "кг"},
};

const int kTextTops[] = {31, 64, 96, 136};  // Label4 … Label7
const int kNarrowField = 59;
const int kWideField = 150;
const int kTextFont = 19;
}  // namespace

TForm16::TForm16()
    : IndependentWork(QStringLiteral("Form16"), QSize(696, 592),
                      Roles{15, QStringLiteral("n5"), QStringLiteral("v"), 1, 8, 7, 6, 5}) {
    addLabel(2, 300, 2, 20);
    addLabel(3, 410, 2, 20);
    for (int n = 4; n <= 7; ++n) addLabel(n, 16, kTextTops[n - 4], kTextFont);
    addLabel(1, 2, 251, kTextFont);
    addLabel(8, 111, 220, 16);
    addLabel(9, 191, 220, 16);
    addLabel(10, 264, 251, kTextFont);
    addLabel(11, 120, 360, 20);
    addLabel(12, 120, 384, 20);

    addEdit(1, 116, 280, 153, 28, 18);
    addEdit(2, 103, 248, kNarrowField, 28, kTextFont);
    addEdit(3, 168, 248, 82, 28, kTextFont);
    // The verdict is the screen's to write, never the pupil's.
    edit(1)->setReadOnly(true);

    for (int v = 1; v <= 4; ++v) addButton(v, 16 + 92 * (v - 1), 500, 86, 32, 16);
    addButton(5, 420, 546, 150, 32, 18);
    addButton(6, 262, 440, 146, 34, 18);
    addButton(7, 124, 440, 130, 34, 18);
    addButton(8, 16, 440, 100, 34, 18);
    for (int k = 1; k <= 15; ++k) {
        addCheckBox(k, 604, 24 + 36 * (k - 1));
        addButton(8 + k, 628, 20 + 36 * (k - 1), 56, 28, 16);
    }
    addButton(24, 660, 566, 30, 20, 10);

    onClick(button(1), &TForm16::Button1Click);
    onClick(button(2), &TForm16::Button2Click);
    onClick(button(3), &TForm16::Button3Click);
    onClick(button(4), &TForm16::Button4Click);
    onClick(button(5), &TForm16::Button5Click);
    onClick(button(6), &TForm16::Button6Click);
    onClick(button(7), &TForm16::Button7Click);
    onClick(button(8), &TForm16::Button8Click);
    onClick(checkBox(1), &TForm16::CheckBox1Click);
    onClick(checkBox(2), &TForm16::CheckBox2Click);
    onClick(checkBox(3), &TForm16::CheckBox3Click);
    onClick(checkBox(4), &TForm16::CheckBox4Click);
    onClick(checkBox(5), &TForm16::CheckBox5Click);
    onClick(checkBox(6), &TForm16::CheckBox6Click);
    onClick(checkBox(7), &TForm16::CheckBox7Click);
    onClick(checkBox(8), &TForm16::CheckBox8Click);
    onClick(checkBox(9), &TForm16::CheckBox9Click);
    onClick(checkBox(10), &TForm16::CheckBox10Click);
    onClick(checkBox(11), &TForm16::CheckBox11Click);
    onClick(checkBox(12), &TForm16::CheckBox12Click);
    onClick(checkBox(13), &TForm16::CheckBox13Click);
    onClick(checkBox(14), &TForm16::CheckBox14Click);
    onClick(checkBox(15), &TForm16::CheckBox15Click);
}

void TForm16::FormCreate() {
    setDumpButton(button(24));
    ResetWork();
    // Nothing of the design captions is ever seen: every label starts empty.
    for (int n = 1; n <= 12; ++n) label(n)->setText(QString());
    label(1)->setText(QStringLiteral("Відповідь:"));
    label(2)->setText(QStringLiteral("Варіант №"));
    edit(3)->hide();
    for (int n = 8; n <= 10; ++n) label(n)->hide();

    for (int v = 1; v <= 4; ++v) button(v)->setText(QStringLiteral("Варіант %1").arg(v));
    button(5)->setText(QStringLiteral("Завершення"));
    button(6)->setText(QStringLiteral("Продовження"));
    button(7)->setText(QStringLiteral("Перевірка"));
    button(8)->setText(QStringLiteral("Старт"));
    for (int k = 1; k <= 15; ++k) {
        button(8 + k)->setText(QString::number(115 + k));
        button(8 + k)->setEnabled(false);
    }
    button(6)->setEnabled(false);
    button(7)->setEnabled(false);
    button(8)->setEnabled(false);
}

void TForm16::ChooseVariantButton(int v) {
    ChooseVariant(v);
    label(3)->setText(QString::number(v));
    edit(3)->hide();
}

void TForm16::CheckBoxClick(int k) { ToggleTask(k, checkBox(k)->isChecked()); }

void TForm16::Button8Click() {
    button(8)->setEnabled(false);
    FindRange();
    currentTask_ = firstTask_;
    vop();
    // Only a task actually on the screen can be checked.
    button(7)->setEnabled(true);
}

void TForm16::vop() {
    // Cleared first, so that a task that fails to load leaves nothing behind to be marked against.
    taskLines_.clear();
    edit(2)->clear();
    edit(3)->clear();
    for (int n : {4, 5, 6, 7, 11, 12}) label(n)->setText(QString());
    edit(3)->hide();
    for (int n = 8; n <= 10; ++n) label(n)->hide();

    const int task = currentTask_;
    const int v = variant_;
    // A widened field stays wide for the rest of the work, except where a second
    // field stands beside it: it would lie under the second one.
    const QRect field = designRect(edit(2));
    if (widensAnswer(task, v)) setBounds(edit(2), field.left(), field.top(), kWideField, field.height());
    if (task == 3 || (task == 13 && v <= 2)) setBounds(edit(2), field.left(), field.top(), kNarrowField, field.height());
    if (task == 3) {
        const TwoQuantities& q = kTask3[v - 1];
        edit(3)->show();
        label(8)->setText(QString::fromUtf8(q.first));
        label(9)->setText(QString::fromUtf8(q.second));
        // The unit stands after the second field, wherever an earlier task left it.
        place(label(10), 264, designRect(label(10)).top());
        label(10)->setText(QString::fromUtf8(q.unit));
        for (int n = 8; n <= 10; ++n) label(n)->show();
    } else if (const Unit unit = unitOf(task, v); !unit.text.isEmpty()) {
        // A unit never hides under a field left wide by an earlier task.
        const int clear = task == 13 ? unit.left : std::max(unit.left, designRect(edit(2)).right() + 8);
        place(label(10), clear, designRect(label(10)).top());
        label(10)->setText(unit.text);
        label(10)->show();
        if (task == 13) {
            edit(3)->show();
            label(8)->setText(QStringLiteral("вартість"));
            label(8)->show();
        }
    }

    const TaskLayout layout = layoutOf(task, v);
    const QStringList lines = layout.edit3Line != 0 ? ReadTaskLines(layout.lines, {layout.edit2Line, layout.edit3Line})
                                                    : ReadTaskLines(layout.lines, {layout.edit2Line});
    for (int i = 0; i < layout.shown; ++i) label(4 + i)->setText(lines[i]);
    taskLines_ = lines;
}

void TForm16::Button7Click() {
    if (taskLines_.isEmpty()) return;  // no task on the screen
    button(6)->setEnabled(true);
    button(7)->setEnabled(false);
    edit(2)->setEnabled(false);
    edit(3)->setEnabled(false);

    const TaskLayout layout = layoutOf(currentTask_, variant_);
    answer_ = edit(2)->text();
    const QString right2 = taskLines_[layout.edit2Line - 1];
    bool isRight = answer_ == right2;
    QString shownAnswer = right2;
    if (layout.edit3Line != 0) {
        answer2_ = edit(3)->text();
        const QString right3 = taskLines_[layout.edit3Line - 1];
        isRight = isRight && answer2_ == right3;
        // Task 3 shows its answers in field order; task 13 puts the percentage first.
        const QString gap = QStringLiteral("   ");
        shownAnswer = currentTask_ == 13 ? right3 + gap + right2 : right2 + gap + right3;
    }

    if (isRight) {
        edit(1)->setText(QStringLiteral("Правильно"));
        ++right_;
    } else {
        edit(1)->setText(QStringLiteral("Неправильно"));
        label(11)->setText(QStringLiteral("Правильна відповідь:"));
        label(12)->setText(shownAnswer);
    }
    edit(1)->setEnabled(false);
}

void TForm16::Button6Click() {
    button(6)->setEnabled(false);
    edit(2)->setEnabled(true);
    edit(3)->setEnabled(true);
    ++currentTask_;
    ++answered_;
    if (MoreTasks()) {
        edit(1)->clear();
        edit(1)->setEnabled(true);
        vop();
        button(7)->setEnabled(true);
    } else {
        ShowClosingCount(edit(1));
        edit(1)->setEnabled(false);
        // Nothing is left to answer.
        edit(2)->setEnabled(false);
        edit(3)->setEnabled(false);
    }
}

void TForm16::Button5Click() { Close(); }
