#include "games/finger.h"

#include <utility>
#include <vector>

#include "core/number_text.h"
#include "core/random.h"

namespace {
// A term is negated with probability 59/100, drawn for each term on its own.
int withSign(int value) { return Random(100) > 40 ? -value : value; }

int smallInteger() {
    const int v = (Random(109) + 50) / 10 - 10;  // −5 … 5
    return v == 0 ? -1 : v;
}

// 10 … 20, 10 … 60 or 10 … 100 with its sign.
int largeInteger(int range) { return withSign((Random(range) + 100) / 10); }

// A decimal of lesson 2 in tenths: ±1,1 … ±5,9, never with a zero tenths digit.
int decimalTenths() {
    int v = 10;
    while (v % 10 == 0) v = withSign((Random(499) + 100) / 10);
    return v;
}

struct Term {
    int value;  // tenths when decimal
    bool decimal;
};

std::vector<Term> lessonOneTerms(int level) {
    std::vector<Term> terms;
    const int count = level <= 2 ? 4 : level == 3 ? 5 : 6;
    for (int i = 0; i < count; ++i) {
        int v = 0;
        switch (level) {
            case 1: v = smallInteger(); break;
            case 2: v = largeInteger(109); break;
            case 3: v = largeInteger(509); break;
            default: v = largeInteger(909); break;
        }
        terms.push_back({v, false});
    }
    return terms;
}

std::vector<Term> lessonTwoTerms(int level) {
    const auto integer = [] { return Term{withSign((Random(99) + 10) / 10), false}; };
    const auto decimal = [] { return Term{decimalTenths(), true}; };
    // Drawn in the order c, a, d, b, e, f: decimals c, d, f and integers a, b, e.
    std::vector<Term> terms;
    terms.push_back(decimal());
    terms.push_back(integer());
    terms.push_back(decimal());
    terms.push_back(integer());
    if (level >= 2) terms.push_back(integer());
    if (level >= 3) terms.push_back(decimal());
    // One draw turns every pair round, so the chain alternates either way.
    if (Random(100) < 50) {
        for (size_t i = 0; i + 1 < terms.size(); i += 2) std::swap(terms[i], terms[i + 1]);
    }
    return terms;
}

QString termText(const Term& t) { return t.decimal ? TenthsText(t.value) : WholeText(t.value); }
}  // namespace

int FingerLevel(int rightCount) {
    if (rightCount <= 2) return 1;
    if (rightCount <= 5) return 2;
    if (rightCount <= 7) return 3;
    return 4;
}

FingerProblem DrawFingerProblem(int lesson, int rightCount) {
    const int level = FingerLevel(rightCount);
    const std::vector<Term> terms = lesson == 1 ? lessonOneTerms(level) : lessonTwoTerms(level);
    FingerProblem p;
    for (size_t i = 0; i < terms.size(); ++i) {
        const Term& t = terms[i];
        // A negative term carries its own "-".
        if (i > 0 && t.value >= 0) p.chain += u'+';
        p.chain += termText(t);
        p.sum += lesson == 1 || t.decimal ? t.value : 10 * t.value;
    }
    p.chain += u'=';
    // Whole sums of lesson 2 have no decimal part: 3, not 3,0.
    p.answer = lesson == 1 ? WholeText(p.sum) : TrimmedDecimalText(p.sum, 1);
    return p;
}

TForm34::TForm34() : DrillGame(QStringLiteral("Form34"), QSize(1010, 720)) {
    addButton(1, 790, 20, 200, 50, 28);
    addButton(4, 40, 110, 200, 60, 32);
    addButton(5, 270, 110, 200, 60, 32);
    addButton(3, 760, 196, 220, 60, 32);
    addButton(2, 760, 196, 220, 60, 32);
    addButton(6, 985, 695, 20, 20, 10);

    addLabel(1, 40, 30, 37);
    addLabel(2, 40, 200, 37);
    QLineEdit* answer = addEdit(1, 560, 196, 170, 60, 37);
    setFontHeight(answer, 37, true);
    addLabel(3, 40, 290, 37);
    addLabel(4, 40, 350, 32);
    addLabel(5, 360, 350, 32);
    addLabel(7, 40, 420, 37);
    addLabel(6, 40, 480, 32);

    addImage(1, 520, 280, 465, 353, Picture::Fit::Stretch);
    addImage(2, 40, 560, 433, 49, Picture::Fit::Stretch);

    onClick(button(1), &TForm34::Button1Click);
    onClick(button(2), &TForm34::Button2Click);
    onClick(button(3), &TForm34::Button3Click);
    onClick(button(4), &TForm34::Button4Click);
    onClick(button(5), &TForm34::Button5Click);
    onKeyDown(edit(1), &TForm34::Edit1KeyDown);

    markAnnounced(label(3));  // "Правильно" / "Неправильно"
    setDrillControls({button(3), button(2), image(1), image(2), label(7), label(6)});
}

void TForm34::FormCreate() {
    setDumpButton(button(6));
    resetGame();
    Randomize();
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Продовження"));
    button(3)->setText(QStringLiteral("Перевірка"));
    button(4)->setText(QStringLiteral("Урок 1"));
    button(5)->setText(QStringLiteral("Урок 2"));
    edit(1)->hide();
    for (int n = 1; n <= 7; ++n) label(n)->setText(QString());
}

void TForm34::Button1Click() { Close(); }
void TForm34::Button4Click() { startLesson(1); }
void TForm34::Button5Click() { startLesson(2); }

void TForm34::startLesson(int lesson) {
    if (!startGame(lesson)) return;
    lesson_ = lesson;
    button(4)->hide();
    button(5)->hide();
    edit(1)->show();
    edit(1)->setFocus();
    label(1)->setText(lesson == 1 ? QStringLiteral("Урок 1") : QStringLiteral("Урок 2"));
    for (int n = 3; n <= 5; ++n) label(n)->setText(QString());
    showNextProblem();
}

void TForm34::Button2Click() {
    if (!advanceProblem()) return;
    edit(1)->setEnabled(true);
    edit(1)->clear();
    Unpaint(edit(1));
    edit(1)->setFocus();
    for (int n = 3; n <= 5; ++n) label(n)->setText(QString());
    showNextProblem();
}

void TForm34::showNextProblem() {
    problem_ = DrawFingerProblem(lesson_, rightCount());
    label(2)->setText(problem_.chain);
}

void TForm34::Edit1KeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) Button3Click();
}

void TForm34::Button3Click() {
    if (!acceptingAnswers()) return;
    // Exact text: "3,0", "0.7", " 3" or "+3" are wrong.
    const bool right = edit(1)->text() == problem_.answer;
    edit(1)->setEnabled(false);
    if (right) {
        label(3)->setText(QStringLiteral("Правильно"));
    } else {
        label(3)->setText(QStringLiteral("Неправильно"));
        Paint(edit(1), kWrongRed);
        label(4)->setText(QStringLiteral("Правильна відповідь:"));
        label(5)->setText(problem_.answer);
    }
    scoreAnswer(right, lesson_ == 1 ? QStringLiteral("01") : QStringLiteral("02"));
}
