#include "works/independent_work.h"

#include <QCheckBox>
#include <algorithm>
#include <cmath>

#include "app/data_folder.h"
#include "core/errors.h"
#include "core/text_file.h"

IndependentWork::IndependentWork(const QString& caption, QSize page, Roles roles)
    : Screen(caption, page), roles_(std::move(roles)) {}

QString IndependentWork::taskFileName(int k) const {
    if (variant_ == 0) return {};
    return QStringLiteral("%1\\t%2%3%4.txt").arg(roles_.folder).arg(k).arg(roles_.variantJoin).arg(variant_);
}

void IndependentWork::ResetWork() {
    variant_ = 0;
    taskFlags_.fill(0);
    firstTask_ = 0;
    lastTask_ = 0;
    currentTask_ = 1;
    answered_ = 0;
    right_ = 0;
    // Tab reaches "Перевірка" after the answer fields and "Завершення", which
    // ends the work and leaves it, last.
    setJudgingButton(checkButton());
    setReturnButton(finishButton());
    // Edit1 is every work's verdict field: "Правильно", "Неправильно", the closing count.
    markAnnounced(edit(1));
}

void IndependentWork::ToggleTask(int k, bool ticked) {
    if (k >= 1 && k < static_cast<int>(taskFlags_.size())) taskFlags_[k] = ticked ? k : 0;
}

void IndependentWork::ChooseVariant(int v) {
    variant_ = v;
    for (int n = 1; n <= 4; ++n) variantButton(n)->setEnabled(false);
    checkButton()->setEnabled(false);
    nextButton()->setEnabled(false);
    startButton()->setEnabled(true);
    finishButton()->setEnabled(true);
}

void IndependentWork::FindRange() {
    int first = 0;
    int last = 0;
    for (int k = 1; k <= roles_.taskCount; ++k) {
        if (taskFlags_[k] == 0) continue;
        if (first == 0) {
            first = k;
        } else {
            last = k;
            break;
        }
    }
    if (first == 0) {
        first = 1;
        last = roles_.taskCount;
    } else if (last == 0) {
        last = first;
    }
    firstTask_ = first;
    lastTask_ = last;
}

QStringList IndependentWork::ReadTaskLines(int count, std::initializer_list<int> answerLines) const {
    const QString name = taskFileName(currentTask_);
    QStringList lines = ReadTextLines(ContentPath(name));
    while (lines.size() < count) lines << QString();
    if (lines.size() > count) lines.erase(lines.begin() + count, lines.end());
    for (int line : answerLines) {
        if (lines[line - 1].isEmpty()) {
            throw ToolkitError(QStringLiteral("У файлі завдання \"%1\" немає правильної відповіді (рядок %2). "
                                              "Це завдання не можна перевірити.")
                                   .arg(name)
                                   .arg(line));
        }
    }
    return lines;
}

QString IndependentWork::SpokenName(QWidget* control) const {
    if (qobject_cast<QCheckBox*>(control)) {
        const QString& name = control->objectName();
        qsizetype start = name.size();
        while (start > 0 && name[start - 1].isDigit()) --start;
        return QStringLiteral("Завдання %1: вибрати").arg(QStringView(name).mid(start));
    }
    auto* field = qobject_cast<QLineEdit*>(control);
    if (!field) return Screen::SpokenName(control);
    if (field->isReadOnly()) return QStringLiteral("Перевірка відповіді");
    std::vector<QWidget*> fields;
    for (QWidget* w : focusChain())
        if (auto* e = qobject_cast<QLineEdit*>(w); e && !e->isReadOnly()) fields.push_back(w);
    QString name = QStringLiteral("Завдання %1, відповідь").arg(currentTask_);
    const auto at = std::find(fields.begin(), fields.end(), control);
    if (fields.size() > 1 && at != fields.end()) name += QStringLiteral(" %1").arg(at - fields.begin() + 1);
    return name;
}

void IndependentWork::ShowClosingCount(QLineEdit* verdict) {
    const QRect r = designRect(verdict);
    setBounds(verdict, 40, r.top(), 300, r.height());
    verdict->setText(QStringLiteral("Відповідей-%1 Правильних-%2").arg(answered_).arg(right_));
}
