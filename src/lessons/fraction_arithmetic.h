#pragma once
#include <QString>

#include "lessons/lesson_primes.h"
#include "lessons/lesson_series.h"

// The operations of the arithmetic lesson, in the order of their buttons.
enum class FractionOperation { Add = 1, Subtract = 2, Multiply = 3, Divide = 4 };

// One exercise of the arithmetic lesson: the operands as shown (whole parts only
// in the mixed lessons) and the answer the three boxes expect.
struct ArithmeticExercise {
    qint64 w1 = 0, t1 = 0, d1 = 1;
    qint64 w2 = 0, t2 = 0, d2 = 1;
    bool mixed = false;
    qint64 whole = 0, num = 0, den = 1;
    QString sign;  // "-" for a negative result below 1 (subtraction lesson 5)
    // The expected texts: the whole part ("" or the sign when it is 0), numerator, denominator.
    QString wholeText() const;
};

// How many lessons an operation has: five for subtraction, four otherwise.
int ArithmeticLessonCount(FractionOperation operation);
ArithmeticExercise DrawArithmeticExercise(FractionOperation operation, int lesson, LessonPrimes& primes);

// The lesson "Дії з дробами": an operation, then a lesson; each exercise asks for
// the result of two fractions or mixed numbers as a whole part and a fraction.
class TForm22 : public LessonSeries {
public:
    TForm22();
    void FormCreate() override;

    void Button1Click();   // "Повернення"
    void Button2Click();   // "+"
    void Button3Click();   // "-"
    void Button4Click();   // "x"
    void Button5Click();   // ":"
    void Button6Click();   // "Урок 1"
    void Button7Click();   // "Урок 2"
    void Button8Click();   // "Урок 3"
    void Button9Click();   // "Урок 4"
    void Button10Click();  // "Урок 5", subtraction only
    void Button11Click();  // "Перевірка"
    void Button12Click();  // "Продовження"

    FractionOperation operation() const { return operation_; }
    const ArithmeticExercise& exercise() const { return exercise_; }

protected:
    QString progressPictureBase() const override;
    QString markPictureName(int mark) const override;
    QString logPath() const override;
    QString logTail() const override;
    void layoutExercise() override;

private:
    void chooseOperation(FractionOperation operation);
    void startLesson(int lesson);
    void showExercise();
    int fractionWidth(int over, int under) const;
    int placeFraction(int over, int under, int bar, int left);

    LessonPrimes primes_;
    ArithmeticExercise exercise_;
    FractionOperation operation_{};
};
