#include "works/independent_work.h"

#include <QCheckBox>
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

void IndependentWork::ShowClosingCount(QLineEdit* verdict) {
    const QRect r = designRect(verdict);
    setBounds(verdict, 40, r.top(), 300, r.height());
    verdict->setText(QStringLiteral("Відповідей-%1 Правильних-%2").arg(answered_).arg(right_));
}
