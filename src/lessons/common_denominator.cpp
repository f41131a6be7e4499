#include "lessons/common_denominator.h"

#include "core/random.h"

namespace {
using P = LessonPrimes;

// Numerators: 1 … d − 3, not necessarily in lowest terms.
qint64 Numerator(qint64 d) { return Random(int(d - 3)) + 1; }

constexpr int kFractionTop = 112, kBarTop = 150, kDenominatorTop = 160;
constexpr int kColumnWidth = 84;
}  // namespace

CommonDenominatorExercise DrawCommonDenominatorExercise(int level, LessonPrimes& primes) {
    primes.clearMarks();
    CommonDenominatorExercise e;
    if (level <= 2) {
        // The common part; at level 2 two primes, which may be equal.
        qint64 common = primes.draw(49, 10);
        if (level == 2) common *= primes.draw(49, 10);
        const qint64 a = primes.draw(49, 10, P::Mark);
        const qint64 b = primes.draw(49, 10, P::Avoid);
        e.d1 = common * a;
        e.d2 = common * b;
        e.denominator = common * a * b;
        e.t1 = Numerator(e.d1);
        e.t2 = Numerator(e.d2);
        e.t1Expected = e.t1 * b;
        e.t2Expected = e.t2 * a;
    } else if (level == 3) {
        const qint64 c = primes.draw(49, 10);
        const qint64 k = primes.draw(49, 10);
        e.t1 = c;
        e.d1 = c * k;
        e.t1Expected = 1;
        e.denominator = k;
    } else if (level == 4) {
        const qint64 a = primes.draw(29, 10);
        const qint64 b = primes.draw(29, 40);
        const qint64 common = primes.draw(49, 10);
        e.t1 = a * common;
        e.d1 = b * common;
        e.t1Expected = a;
        e.denominator = b;
    } else {
        const qint64 a = primes.draw(29, 10, P::Mark);
        const qint64 b = primes.draw(29, 40);
        const qint64 extra = primes.draw(39, 10, P::Avoid);
        const qint64 f = primes.draw(49, 10);
        const qint64 g = primes.draw(49, 10);
        e.t1 = a * f * g;
        e.d1 = b * extra * f * g;
        e.t1Expected = a;
        e.denominator = b * extra;
    }
    return e;
}

Label* TForm21::fractionLabel(int n, int left, int top) {
    Label* l = addLabel(n, left, top, 28, 70, 36);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return l;
}

TForm21::TForm21() : LessonSeries(QStringLiteral("Form21"), QSize(779, 480)) {
    addLabel(1, 20, 12, 24);
    addLabel(14, 20, 50, 20);
    // The row: a fraction, "=", a pair of stacked answer boxes with their bar; twice.
    for (int k = 0; k < 2; ++k) {
        const int left = 20 + k * 250;
        fractionLabel(2 + 2 * k, left, kFractionTop);
        addImage(k == 0 ? 1 : 2, left, kBarTop, 70, 5, Picture::Fit::Stretch);
        fractionLabel(3 + 2 * k, left, kDenominatorTop);
        addLabel(6 + k, left + 80, 134, 28);
        const int boxes = left + 112;
        addLabel(9 + 2 * k, boxes, 84, 16);
        QLineEdit* over = addEdit(1 + 2 * k, boxes, 106, kColumnWidth, 40, 24);
        addImage(k == 0 ? 5 : 6, boxes, kBarTop, kColumnWidth, 5, Picture::Fit::Stretch);
        QLineEdit* under = addEdit(2 + 2 * k, boxes, 158, kColumnWidth, 40, 24);
        addLabel(10 + 2 * k, boxes, 202, 16);
        for (QLineEdit* box : {over, under}) {
            setFontHeight(box, 24, true);
            box->setAlignment(Qt::AlignHCenter);
            checkOnEnter(box);
        }
    }
    addLabel(8, 475, 112, 24);
    addLabel(13, 475, 160, 20);
    addImage(3, 20, 236, 300, 236, Picture::Fit::Proportional);
    addImage(4, 340, 350, 270, 110, Picture::Fit::Proportional);

    addButton(2, 620, 20, 150, 44, 22);
    addButton(3, 620, 74, 150, 44, 22);
    addButton(4, 620, 20, 150, 44, 22);
    addButton(5, 620, 74, 150, 44, 22);
    addButton(6, 620, 128, 150, 44, 22);
    addButton(7, 620, 200, 150, 44, 22);
    addButton(8, 620, 254, 150, 44, 22);
    addButton(1, 620, 420, 150, 44, 22);
    addButton(9, 761, 2, 16, 16, 8);

    onClick(button(1), &TForm21::Button1Click);
    onClick(button(2), &TForm21::Button2Click);
    onClick(button(3), &TForm21::Button3Click);
    onClick(button(4), &TForm21::Button4Click);
    onClick(button(5), &TForm21::Button5Click);
    onClick(button(6), &TForm21::Button6Click);
    onClick(button(7), &TForm21::Button7Click);
    onClick(button(8), &TForm21::Button8Click);

    markAnnounced(label(8));  // "Правильно" / "Неправильно"
    setSeriesControls({.check = button(7),
                       .next = button(8),
                       .choices = {button(2), button(3), button(4), button(5), button(6)},
                       .progress = image(3),
                       .mark = image(4),
                       .congratulation = label(1),
                       .time = label(13)});
}

void TForm21::FormCreate() {
    setDumpButton(button(9));
    for (int n = 1; n <= 14; ++n) label(n)->setText(QString());
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Звести"));
    button(3)->setText(QStringLiteral("Спростити"));
    button(4)->setText(QStringLiteral("Урок 1"));
    button(5)->setText(QStringLiteral("Урок 2"));
    button(6)->setText(QStringLiteral("Урок 3"));
    button(7)->setText(QStringLiteral("Перевірка"));
    button(8)->setText(QStringLiteral("Продовження"));
    for (int n = 4; n <= 8; ++n) button(n)->hide();
    for (int n = 1; n <= 4; ++n) edit(n)->hide();
}

void TForm21::Button1Click() { Close(); }
void TForm21::Button2Click() { chooseTopic(1); }
void TForm21::Button3Click() { chooseTopic(2); }
void TForm21::Button4Click() { startLesson(1); }
void TForm21::Button5Click() { startLesson(2); }
void TForm21::Button6Click() { startLesson(3); }

// The attempt's clock starts at the topic here, not at the lesson.
void TForm21::chooseTopic(int topic) {
    if (topic_ != 0 || seriesStarted()) return;
    topic_ = topic;
    beginAttempt();
    button(2)->hide();
    button(3)->hide();
    button(4)->show();
    button(5)->show();
    button(6)->setVisible(topic == 2);
}

void TForm21::startLesson(int lesson) {
    if (topic_ == 0 || !startSeries(topic_ == 1 ? lesson : lesson + 2)) return;
    label(14)->setText(QStringLiteral("Урок № ") + QString::number(lesson));
    showExercise();
}

void TForm21::showExercise() {
    exercise_ = DrawCommonDenominatorExercise(level(), primes_);
    const bool both = topic_ == 1;
    label(1)->setText(both ? QStringLiteral("Зведіть дроби до спільного знаменника") : QStringLiteral("Скоротіть дріб"));
    label(2)->setText(QString::number(exercise_.t1));
    label(3)->setText(QString::number(exercise_.d1));
    label(6)->setText(QStringLiteral("="));
    edit(1)->show();
    edit(2)->show();
    edit(3)->setVisible(both);
    edit(4)->setVisible(both);
    if (both) {
        label(4)->setText(QString::number(exercise_.t2));
        label(5)->setText(QString::number(exercise_.d2));
        label(7)->setText(QStringLiteral("="));
    } else {
        for (int n : {4, 5, 7, 11, 12}) label(n)->setText(QString());
    }
    edit(1)->setFocus();
    // The bars last: a missing picture costs only the bar.
    for (int n : both ? std::vector<int>{1, 5, 2, 6} : std::vector<int>{1, 5})
        LoadPicture(image(n), QStringLiteral("kr\\chdr2.bmp"));
}

void TForm21::Button7Click() {
    if (!acceptingAnswers()) return;
    struct Box {
        int edit;
        qint64 expected;
        int beside;
    };
    std::vector<Box> boxes = {{1, exercise_.t1Expected, 9}, {2, exercise_.denominator, 10}};
    if (topic_ == 1) {
        boxes.push_back({3, exercise_.t2Expected, 11});
        boxes.push_back({4, exercise_.denominator, 12});
    }
    int wrong = 0;
    for (const Box& b : boxes) {
        const QString expected = QString::number(b.expected);
        if (edit(b.edit)->text() == expected) continue;
        ++wrong;
        Paint(edit(b.edit), kWrongRed);
        label(b.beside)->setText(expected);
    }
    label(8)->setText(wrong == 0 ? QStringLiteral("Правильно") : QStringLiteral("Неправильно"));
    // A marked exercise stays on screen with its boxes closed, the last one too.
    for (const Box& b : boxes) edit(b.edit)->setEnabled(false);
    judgeExercise(wrong == 0, wrong);
}

void TForm21::Button8Click() {
    if (!advanceExercise()) return;
    for (int n = 1; n <= 4; ++n) {
        edit(n)->setEnabled(true);
        Unpaint(edit(n));
        edit(n)->clear();
    }
    for (int n = 8; n <= 12; ++n) label(n)->setText(QString());
    showExercise();
}

QString TForm21::progressPictureBase() const { return QStringLiteral("OZ\\0") + QString::number(level()); }

// The marks are those of the GCD and LCM lesson, by the number of exercises solved.
QString TForm21::markPictureName(int mark) const {
    return QStringLiteral("NDD\\ocenka") + QString::number(mark) + QStringLiteral(".bmp");
}

QString TForm21::logPath() const { return QStringLiteral("OZ\\stat.txt"); }
