#include "lessons/gcd_lcm.h"

namespace {
using P = LessonPrimes;
}

GcdLcmExercise DrawGcdLcmExercise(int level, LessonPrimes& primes) {
    primes.clearMarks();
    GcdLcmExercise e;
    if (level == 1 || level == 4) {
        const qint64 c = primes.draw(49, 10, P::Mark);
        const qint64 p = primes.draw(49, 10, P::AvoidAndMark);
        const qint64 r = primes.draw(49, 10, P::Avoid);
        e.a = c * p;
        e.b = c * r;
        e.answer = level == 1 ? c : c * p * r;
    } else if (level == 2 || level == 5) {
        // The two common primes may be equal.
        const qint64 c1 = primes.draw(49, 10, P::Mark);
        const qint64 c2 = primes.draw(49, 10, P::Mark);
        const qint64 p = primes.draw(59, 10, P::AvoidAndMark);
        const qint64 r = primes.draw(59, 10, P::Avoid);
        e.a = c1 * c2 * p;
        e.b = c1 * c2 * r;
        e.answer = level == 2 ? c1 * c2 : c1 * c2 * p * r;
    } else {
        const qint64 c1 = primes.draw(39, 50, P::Mark);
        const qint64 c2 = primes.draw(29, 50, P::AvoidAndMark);
        const qint64 p = primes.draw(39, 10, P::AvoidAndMark);
        const qint64 r = primes.draw(59, 10, P::AvoidAndMark);
        const qint64 s = primes.draw(59, 10, P::Avoid);
        e.a = c1 * c2 * p;
        e.b = c1 * c2 * r * s;
        e.answer = c1 * c2;
    }
    return e;
}

TForm20::TForm20() : LessonSeries(QStringLiteral("Form20"), QSize(864, 566)) {
    addLabel(1, 20, 14, 26);
    addLabel(7, 20, 58, 22);
    addLabel(2, 20, 120, 32);
    QLineEdit* answer = addEdit(1, 350, 114, 170, 50, 30);
    setFontHeight(answer, 30, true);
    addLabel(8, 20, 180, 16);
    addLabel(3, 550, 100, 28);
    addLabel(4, 550, 146, 22);
    addLabel(5, 550, 180, 30);
    addLabel(6, 550, 230, 24);
    addImage(1, 20, 230, 400, 320, Picture::Fit::Proportional);
    addImage(2, 440, 420, 380, 130, Picture::Fit::Proportional);

    // The column of buttons on the right: the topics, then the lessons in their place.
    addButton(2, 690, 20, 150, 44, 24);
    addButton(6, 690, 74, 150, 44, 24);
    addButton(3, 690, 20, 150, 44, 22);
    addButton(4, 690, 74, 150, 44, 22);
    addButton(5, 690, 128, 150, 44, 22);
    addButton(7, 690, 182, 150, 44, 22);
    addButton(8, 550, 290, 200, 48, 24);
    addButton(9, 550, 350, 200, 48, 24);
    addButton(1, 690, 24 + 470, 150, 44, 22);
    addButton(10, 846, 2, 16, 16, 8);

    onClick(button(1), &TForm20::Button1Click);
    onClick(button(2), &TForm20::Button2Click);
    onClick(button(6), &TForm20::Button6Click);
    onClick(button(3), &TForm20::Button3Click);
    onClick(button(4), &TForm20::Button4Click);
    onClick(button(5), &TForm20::Button5Click);
    onClick(button(8), &TForm20::Button8Click);
    onClick(button(9), &TForm20::Button9Click);
    checkOnEnter(answer);

    markAnnounced(label(3));  // "Правильно" / "Неправильно"
    setSeriesControls({.check = button(8),
                       .next = button(9),
                       .choices = {button(2), button(6), button(3), button(4), button(5)},
                       .progress = image(1),
                       .mark = image(2),
                       .congratulation = label(1),
                       .time = label(6)});
}

void TForm20::FormCreate() {
    setDumpButton(button(10));
    for (int n = 1; n <= 8; ++n) label(n)->setText(QString());
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("НСД"));
    button(6)->setText(QStringLiteral("НСК"));
    button(3)->setText(QStringLiteral("Урок 1"));
    button(4)->setText(QStringLiteral("Урок 2"));
    button(5)->setText(QStringLiteral("Урок 3"));
    button(8)->setText(QStringLiteral("Перевірка"));
    button(9)->setText(QStringLiteral("Продовження"));
    // Button7 has no work on this screen.
    for (int n : {3, 4, 5, 7, 8, 9}) button(n)->hide();
    edit(1)->hide();
}

void TForm20::Button1Click() { Close(); }
void TForm20::Button2Click() { chooseTopic(1); }
void TForm20::Button6Click() { chooseTopic(2); }
void TForm20::Button3Click() { startLesson(1); }
void TForm20::Button4Click() { startLesson(2); }
void TForm20::Button5Click() { startLesson(3); }

void TForm20::chooseTopic(int topic) {
    if (topic_ != 0 || seriesStarted()) return;
    topic_ = topic;
    button(2)->hide();
    button(6)->hide();
    button(3)->show();
    button(4)->show();
    // The LCM has two lessons only.
    button(5)->setVisible(topic == 1);
}

void TForm20::startLesson(int lesson) {
    if (topic_ == 0 || !startSeries(topic_ == 1 ? lesson : lesson + 3)) return;
    // A blank after "№" here, unlike the prime-divisors lesson.
    label(7)->setText(QStringLiteral("Урок № ") + QString::number(lesson));
    edit(1)->show();
    edit(1)->setFocus();
    showExercise(true);
}

void TForm20::showExercise(bool firstOfSeries) {
    exercise_ = DrawGcdLcmExercise(level(), primes_);
    const bool gcd = level() <= 3;
    label(1)->setText(gcd ? QStringLiteral("Вкажіть найбільший спільний дільник двох чисел:")
                          : QStringLiteral("Вкажіть найменше спільне кратне двох чисел:"));
    // The first exercise of LCM lesson 2 has always been written with a Latin K;
    // kept, as the pupils know it.
    const QString name = gcd ? QStringLiteral("НСД(") : firstOfSeries && level() == 5 ? QStringLiteral("НСK(")
                                                                                      : QStringLiteral("НСК(");
    label(2)->setText(name + QString::number(exercise_.a) + QStringLiteral(",") + QString::number(exercise_.b) +
                      QStringLiteral(")="));
}

void TForm20::Button8Click() {
    if (!acceptingAnswers()) return;
    edit(1)->setEnabled(false);
    const bool right = edit(1)->text() == QString::number(exercise_.answer);
    if (right) {
        label(3)->setText(QStringLiteral("Правильно"));
    } else {
        label(3)->setText(QStringLiteral("Неправильно"));
        label(4)->setText(QStringLiteral("Правильна відповідь:"));
        label(5)->setText(QString::number(exercise_.answer));
    }
    judgeExercise(right);
}

void TForm20::Button9Click() {
    if (!advanceExercise()) return;
    edit(1)->setEnabled(true);
    edit(1)->clear();
    edit(1)->setFocus();
    for (int n = 3; n <= 5; ++n) label(n)->setText(QString());
    showExercise(false);
}

QString TForm20::progressPictureBase() const { return QStringLiteral("NDD\\0") + QString::number(level()); }

QString TForm20::markPictureName(int mark) const {
    return QStringLiteral("NDD\\ocenka") + QString::number(mark) + QStringLiteral(".bmp");
}

QString TForm20::logPath() const { return QStringLiteral("NDD\\stat.txt"); }
