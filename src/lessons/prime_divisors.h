#pragma once
#include <QString>
#include <array>

#include "lessons/lesson_series.h"

// One exercise of the prime-divisors lesson: the number and the primes it was
// built from, in the order drawn.
struct PrimeExercise {
    int factorCount = 0;
    std::array<int, 5> factors{};
    int number = 1;
};

// How many prime factors an exercise of the level has: 3, 3, 3, 4, 5.
int PrimeFactorCount(int level);
// Draws an exercise of the level (1 … 5) from the shared generator. Later
// exercises of levels 4 and 5 take their first two factors from 2, 3 and 5 only,
// which keeps the numbers a pupil can work through by hand.
PrimeExercise DrawPrimeExercise(int level, bool firstOfSeries);

// The lesson "Прості дільники": a number is split into prime factors by the
// column method, a divisor to the right of each quotient, until the quotient is 1.
class TForm19 : public LessonSeries {
public:
    TForm19();
    void FormCreate() override;

    void Button1Click();  // "Повернення"
    void Button2Click();  // "Урок 1"
    void Button5Click();  // "Урок 2"
    void Button6Click();  // "Урок 3"
    void Button7Click();  // "Урок 4"
    void Button8Click();  // "Урок 5"
    void Button3Click();  // "Перевірка"
    void Button4Click();  // "Продовження"

    // How many times "Перевірка" was pressed in this exercise.
    int step() const { return step_; }

protected:
    QString progressPictureBase() const override;
    QString markPictureName(int mark) const override;
    QString logPath() const override;

private:
    void startLesson(int level);
    void showExercise(bool firstOfSeries);
    void wrongAnswer();
    void solved();
    bool matchDivisor(const QString& typed);

    PrimeExercise exercise_;
    std::array<bool, 5> used_{};
    qint64 remaining_ = 1;
    qint64 lastQuotient_ = 1;
    int step_ = 0;
};
