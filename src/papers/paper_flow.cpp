#include "papers/paper_flow.h"


#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "app/error_box.h"
#include "app/results_log.h"
#include "core/look_alike.h"

namespace {
// The control's number from its name ("CheckBox12" → 12).
int NumberOf(const QWidget* w) {
    const QString& name = w->objectName();
    qsizetype start = name.size();
    while (start > 0 && name[start - 1].isDigit()) --start;
    return QStringView(name).mid(start).toInt();
}

// The word of a label that stands over a box: one digit of a ruler, one number of a row.
QString WordOver(const Label* label, const QWidget* box) {
    const QString text = label->text();
    const QFontMetrics metrics(label->font());
    const int x = box->geometry().center().x() - label->geometry().left() - label->contentsRect().left();
    QString nearest;
    int distance = 0;
    for (qsizetype i = 0; i < text.size();) {
        while (i < text.size() && text[i].isSpace()) ++i;
        const qsizetype start = i;
        while (i < text.size() && !text[i].isSpace()) ++i;
        if (i == start) break;
        const int centre = (metrics.horizontalAdvance(text.left(start)) + metrics.horizontalAdvance(text.left(i))) / 2;
        if (nearest.isEmpty() || std::abs(centre - x) < distance) {
            nearest = text.mid(start, i - start);
            distance = std::abs(centre - x);
        }
    }
    return nearest;
}

bool IsInput(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QComboBox*>(w);
}
}  // namespace

TestPaper::TestPaper(const QString& caption, QSize page, Rules rules) : Screen(caption, page), rules_(std::move(rules)) {}

void TestPaper::ConnectPaper() {
    onClick(button(1), &TestPaper::Button1Click);
    onClick(button(2), &TestPaper::Button2Click);
    setJudgingButton(button(2));
    for (QWidget* w : controls()) {
        auto* box = qobject_cast<QCheckBox*>(w);
        if (!box) continue;
        const int n = NumberOf(box);
        connect(box, &QAbstractButton::clicked, this, [this, n] { RunGuarded([&] { CheckBoxClick(n); }); });
    }
}

void TestPaper::ShowFraction(int numLabel, int denLabel, long long num, long long den) {
    label(numLabel)->setText(QString::number(num));
    label(denLabel)->setText(QString::number(den));
    // Read once, as one number.
    label(numLabel)->setAccessibleName(QString::number(num) + u'/' + QString::number(den));
    label(denLabel)->setSilent(true);
}

int TestPaper::ProblemAt(int top) const {
    int problem = 0;
    int headingTop = -1;
    for (QWidget* w : controls()) {
        auto* l = dynamic_cast<Label*>(w);
        if (!l || l->isHidden()) continue;
        const QString text = l->text();
        qsizetype i = 0;
        while (i < text.size() && text[i] == u' ') ++i;
        const qsizetype digits = i;
        while (i < text.size() && text[i].isDigit()) ++i;
        if (i == digits || i + 1 >= text.size() || text[i] != u'.' || text[i + 1] != u' ') continue;
        const int at = designRect(l).top();
        if (at <= top + 8 && at > headingTop) {
            headingTop = at;
            problem = text.mid(digits, i - digits).toInt();
        }
    }
    return problem;
}

const std::vector<int>& TestPaper::itemProblems() const {
    if (itemProblems_.size() != items_.size()) {
        itemProblems_.clear();
        for (const AnswerItem& item : items_) itemProblems_.push_back(ProblemAt(designRect(item.inputs.front()).top()));
    }
    return itemProblems_;
}

QString TestPaper::SpokenName(QWidget* control) const {
    const AnswerItem* item = nullptr;
    size_t part = 0;
    for (const AnswerItem& candidate : items_) {
        const auto at = std::find(candidate.inputs.begin(), candidate.inputs.end(), control);
        if (at == candidate.inputs.end()) continue;
        item = &candidate;
        part = size_t(at - candidate.inputs.begin());
        break;
    }
    if (!item) return Screen::SpokenName(control);
    const std::vector<int>& problems = itemProblems();
    const int problem = problems[size_t(item - items_.data())];
    int example = 0, examples = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (problems[i] != problem) continue;
        ++examples;
        if (&items_[i] == item) example = examples;
    }
    QString name = problem > 0 ? QStringLiteral("Задача %1").arg(problem) : QStringLiteral("Відповідь");
    if (examples > 1) name += QStringLiteral(", приклад %1").arg(example);
    const size_t parts = item->inputs.size();
    if (parts > 1) {
        // A fraction's boxes stand over each other; a whole box before them.
        const QRect first = designRect(item->inputs[parts - 2]), last = designRect(item->inputs[parts - 1]);
        const bool fraction = (parts == 2 || parts == 3) && last.top() > first.bottom() - 4;
        if (fraction) {
            const size_t fromEnd = parts - 1 - part;
            name += fromEnd == 0 ? QStringLiteral(": знаменник")
                    : fromEnd == 1 ? QStringLiteral(": чисельник") : QStringLiteral(": ціла частина");
        } else {
            name += QStringLiteral(": поле %1").arg(part + 1);
        }
    } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QComboBox*>(control)) {
        if (const Label* beside = labelBeside(control)) {
            QString text = designRect(beside).bottom() <= designRect(control).top() + 4 ? WordOver(beside, control)
                                                                                        : beside->text().simplified();
            // A problem's own heading beside its list: its number is said already.
            if (const QString number = QString::number(problem) + QStringLiteral(". "); text.startsWith(number))
                text = text.mid(number.size());
            while (!text.isEmpty() && (text.back() == u',' || text.back() == u' ')) text.chop(1);
            if (text.size() > 60) text = text.left(60);
            if (!text.isEmpty()) name += QStringLiteral(": ") + text;
        }
    }
    return name;
}

void TestPaper::StartPaper() {
    setDumpButton(button(3));
    BeginAttempt(attempt_);
    for (int n : rules_.answerLabels) label(n)->setText(QString());
    label(rules_.resultLabel)->setText(QString());
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Перевірка"));
    errors_ = 0;
    percent_ = 0;
    items_.clear();
    itemProblems_.clear();
    ticked_.assign(controls().size() + 1, false);
}

void TestPaper::Button1Click() { Close(); }

void TestPaper::CheckBoxClick(int n) {
    if (n < 0) return;
    if (static_cast<size_t>(n) >= ticked_.size()) ticked_.resize(n + 1, false);
    ticked_[n] = !ticked_[n];
}

bool TestPaper::ticked(int checkBox) const {
    return checkBox >= 0 && static_cast<size_t>(checkBox) < ticked_.size() && ticked_[checkBox];
}

int TestPaper::itemCount() const {
    int n = 0;
    for (const AnswerItem& item : items_) n += item.counted ? 1 : 0;
    return n;
}

void TestPaper::Button2Click() {
    // One marking per run, whatever reaches this handler.
    if (marked_) return;
    marked_ = true;
    if (rules_.checkButton == CheckButton::DisabledAtPress) button(2)->setEnabled(false);

    errors_ = 0;
    for (const AnswerItem& item : items_) {
        if (item.isRight()) continue;
        ++errors_;
        for (QWidget* input : item.inputs) Paint(input, kWrongRed);
        const QStringList shown = item.shownAtMarking ? item.shownAtMarking() : item.shownWhenWrong;
        for (size_t i = 0; i < item.answerLabels.size() && i < size_t(shown.size()); ++i)
            item.answerLabels[i]->setText(shown[int(i)]);
    }
    const int n = itemCount();
    percent_ = n > 0 ? errors_ * 100 / n : 0;
    Label* result = label(rules_.resultLabel);
    Paint(result, kResultYellow);
    result->setText(QStringLiteral("Помилок ") + QString::number(percent_) + rules_.percentSign);

    DisableInputs();
    if (rules_.checkButton == CheckButton::DisabledAfterMarking) button(2)->setEnabled(false);
    if (rules_.checkButton == CheckButton::HiddenAfterMarking) button(2)->hide();
    // Disabling the inputs moved the focus, and with it the view, down the page:
    // the pupil must see the result.
    revealControl(result);

    WriteLogLine();
}

void TestPaper::DisableInputs() {
    for (QWidget* w : controls())
        if (IsInput(w)) w->setEnabled(false);
}

void TestPaper::WriteLogLine() {
    attempt_.errorCount = errors_;
    FinishAttempt(attempt_);
    attempt_.logLine += QString::number(percent_) + QStringLiteral("%") + QStringLiteral(" час виконання ") +
                        QString::number(attempt_.elapsedSeconds) + rules_.closingText;
    AppendLine(QStringLiteral("stat.txt"), attempt_.logLine);
}

// ---- declaring items ----

void TestPaper::AddItem(AnswerItem item) { items_.push_back(std::move(item)); }

void TestPaper::AddEditItem(QLineEdit* edit, const QStringList& accepted, Label* answerLabel) {
    AnswerItem item;
    item.inputs = {edit};
    if (answerLabel) {
        item.answerLabels = {answerLabel};
        item.shownWhenWrong = {accepted.value(0)};
    }
    item.isRight = [edit, accepted] { return accepted.contains(edit->text()); };
    AddItem(std::move(item));
}

void TestPaper::AddEditItem(QLineEdit* edit, const QString& right, Label* answerLabel) {
    AddEditItem(edit, QStringList{right}, answerLabel);
}

void TestPaper::AddLetterItem(QLineEdit* edit, const QStringList& accepted, Label* answerLabel) {
    AddEditItem(edit, accepted, answerLabel);
    items_.back().isRight = [edit, accepted] {
        for (const QString& right : accepted)
            if (LooksTheSame(edit->text(), right)) return true;
        return false;
    };
}

void TestPaper::AddGroupItem(const std::vector<QLineEdit*>& edits, const QStringList& rights,
                             const std::vector<Label*>& answerLabels) {
    AnswerItem item;
    item.inputs.assign(edits.begin(), edits.end());
    item.answerLabels = answerLabels;
    item.shownWhenWrong = rights;
    item.isRight = [edits, rights] {
        for (size_t i = 0; i < edits.size(); ++i)
            if (edits[i]->text() != rights.value(int(i))) return false;
        return true;
    };
    AddItem(std::move(item));
}

void TestPaper::AddCheckItem(int checkBox, bool shouldBeTicked) {
    AnswerItem item;
    item.inputs = {this->checkBox(checkBox)};
    item.isRight = [this, checkBox, shouldBeTicked] { return ticked(checkBox) == shouldBeTicked; };
    AddItem(std::move(item));
}

void TestPaper::AddComboItem(QComboBox* combo, const QString& rightEntry, Label* answerLabel, const QString& shown) {
    AnswerItem item;
    item.inputs = {combo};
    if (answerLabel) {
        item.answerLabels = {answerLabel};
        item.shownWhenWrong = {shown.isEmpty() ? rightEntry : shown};
    }
    item.isRight = [combo, rightEntry] { return combo->currentIndex() >= 0 && combo->currentText() == rightEntry; };
    AddItem(std::move(item));
}

// ---- reading a whole number ----

std::optional<int> ReadInteger(const QString& text) {
    int i = 0;
    const int size = int(text.size());
    while (i < size && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < size && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < size && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= size) return std::nullopt;
    // The magnitude may reach 2^31 only for a negative number.
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    long long value = 0;
    for (; i < size; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        else return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}
