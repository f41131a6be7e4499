#pragma once
#include <QString>

#include "lessons/lesson_primes.h"
#include "lessons/lesson_series.h"

// One exercise of the addition lesson: three fractions joined by two signs, the
// letter after each (types 2 and 3) or the decimals the letters stand for
// (type 4), and the expected whole part, numerator and denominator as texts.
struct AdditionExercise {
    int type = 1;
    qint64 t[3]{}, d[3]{1, 1, 1};
    QString op1 = QStringLiteral("+"), op2 = QStringLiteral("+");
    QString letter;
    QString values[3];                  // type 4: a, b, c as decimals ("1,3")
    QString whole, num, den;            // the answer as the boxes expect it
    QString rightWhole, rightNum, rightDen;  // type 3: the right-hand side R
};

AdditionExercise DrawAdditionExercise(int type, LessonPrimes& primes);

// The lesson "Додавання дробів": three fractions with different denominators,
// as a value, an expression with a letter, an equation in X or an expression
// with letters at given decimals; each as a series of ten or a short one of five.
class TForm23 : public LessonSeries {
public:
    TForm23();
    void FormCreate() override;

    void Button1Click();   // "Повернення"
    void Button2Click();   // "Урок 1"
    void Button5Click();   // "Урок 2"
    void Button6Click();   // "Урок 3"
    void Button7Click();   // "Урок 4"
    void Button8Click();   // "Урок 1C" … the short series
    void Button9Click();
    void Button10Click();
    void Button11Click();  // "Урок 4C"
    void Button3Click();   // "Перевірка"
    void Button4Click();   // "Продовження"

    bool shortSeries() const { return seriesLength() == 5; }
    const AdditionExercise& exercise() const { return exercise_; }

protected:
    QString progressPictureBase() const override;
    QString markPictureName(int mark) const override;
    QString logPath() const override;
    QString logTail() const override;
    void layoutExercise() override;

private:
    void startLesson(int type, bool shortOne);
    void showExercise();
    // The answer boxes of the type: whole part, numerator, denominator (and the letter).
    std::vector<QLineEdit*> answerBoxes() const;
    int fractionWidth(int over, int under) const;
    int placeFraction(int over, int under, int bar, int left, int top);
    int placeLine(int line, int over, int under, int bar, int left);

    LessonPrimes primes_;
    AdditionExercise exercise_;
    QString lessonName_;
};
