#pragma once
#include <QString>

#include "lessons/lesson_primes.h"
#include "lessons/lesson_series.h"

class QLineEdit;

// One exercise of the common-denominator lesson: the fractions given and the
// fractions expected. Levels 1 and 2 bring t1/d1 and t2/d2 to the least common
// denominator; levels 3 to 5 reduce t1/d1 alone (the second fraction unused).
struct CommonDenominatorExercise {
    qint64 t1 = 0, d1 = 1, t2 = 0, d2 = 1;
    qint64 t1Expected = 0, t2Expected = 0, denominator = 1;
};

CommonDenominatorExercise DrawCommonDenominatorExercise(int level, LessonPrimes& primes);

// The lesson "Спільний знаменник": "Звести" brings two fractions to their least
// common denominator, "Спростити" reduces one to lowest terms. Every wrong box is
// one error, painted red with its right value beside it, and the mark is the
// number of exercises solved.
class TForm21 : public LessonSeries {
public:
    TForm21();
    void FormCreate() override;

    void Button1Click();  // "Повернення"
    void Button2Click();  // "Звести"
    void Button3Click();  // "Спростити"
    void Button4Click();  // "Урок 1"
    void Button5Click();  // "Урок 2"
    void Button6Click();  // "Урок 3"
    void Button7Click();  // "Перевірка"
    void Button8Click();  // "Продовження"

    int topic() const { return topic_; }
    const CommonDenominatorExercise& exercise() const { return exercise_; }

protected:
    QString progressPictureBase() const override;
    QString markPictureName(int mark) const override;
    QString logPath() const override;
    int mark() const override { return correctCount(); }

private:
    void chooseTopic(int topic);
    void startLesson(int lesson);
    void showExercise();
    Label* fractionLabel(int n, int left, int top);

    LessonPrimes primes_;
    CommonDenominatorExercise exercise_;
    int topic_ = 0;
};
