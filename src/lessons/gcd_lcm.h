#pragma once
#include <QString>

#include "lessons/lesson_primes.h"
#include "lessons/lesson_series.h"

// One exercise of the GCD and LCM lesson: two numbers built from known primes
// and their GCD (levels 1 … 3) or LCM (levels 4, 5).
struct GcdLcmExercise {
    qint64 a = 0;
    qint64 b = 0;
    qint64 answer = 0;
};

// Draws an exercise of the level from the shared generator; the marks keep the
// extra factors apart from the common ones, so the answer is known by construction.
GcdLcmExercise DrawGcdLcmExercise(int level, LessonPrimes& primes);

// The lesson "НСД і НСК": first the topic, then a lesson; each exercise asks for
// the greatest common divisor or the least common multiple of two numbers.
class TForm20 : public LessonSeries {
public:
    TForm20();
    void FormCreate() override;

    void Button1Click();  // "Повернення"
    void Button2Click();  // "НСД"
    void Button6Click();  // "НСК"
    void Button3Click();  // "Урок 1"
    void Button4Click();  // "Урок 2"
    void Button5Click();  // "Урок 3"
    void Button8Click();  // "Перевірка"
    void Button9Click();  // "Продовження"

    int topic() const { return topic_; }
    const GcdLcmExercise& exercise() const { return exercise_; }

protected:
    QString progressPictureBase() const override;
    QString markPictureName(int mark) const override;
    QString logPath() const override;

private:
    void chooseTopic(int topic);
    void startLesson(int lesson);
    void showExercise(bool firstOfSeries);

    LessonPrimes primes_;
    GcdLcmExercise exercise_;
    int topic_ = 0;
};
