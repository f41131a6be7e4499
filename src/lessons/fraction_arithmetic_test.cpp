#include "lessons/fraction_arithmetic.h"

#include <gtest/gtest.h>
#include <numeric>

#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

struct Lesson {
    TempDataFolder folder;
    FakeClock clock;
    std::unique_ptr<TForm22> screen = CreateScreen<TForm22>();
    TForm22& s = *screen;
};

QStringList VisibleButtons(const TForm22& s) {
    QStringList shown;
    for (int n = 1; n <= 13; ++n)
        if (Shown(s.button(n))) shown << s.button(n)->objectName();
    return shown;
}

void Answer(TForm22& s, const QStringList& boxes) {
    for (int i = 0; i < 3; ++i) Type(s.edit(i + 1), boxes[i]);
    Click(s.button(11));
}

// An exact fraction of the test's own, denominator kept positive and reduced.
struct Q {
    qint64 n, d;
    Q(qint64 num, qint64 den) {
        const qint64 g = std::gcd(num, den);
        n = num / g, d = den / g;
    }
};
Q operator+(Q a, Q b) { return Q(a.n * b.d + b.n * a.d, a.d * b.d); }
Q operator-(Q a, Q b) { return Q(a.n * b.d - b.n * a.d, a.d * b.d); }
Q operator*(Q a, Q b) { return Q(a.n * b.n, a.d * b.d); }
Q operator/(Q a, Q b) { return Q(a.n * b.d, a.d * b.n); }

// The operands read back from the screen, the sign of the operation line and w2 from it.
Q Operand(const TForm22& s, int wholeText, int over, int under) {
    return Q(wholeText, 1) + Q(s.label(over)->text().toLongLong(), s.label(under)->text().toLongLong());
}

// The answer as a pupil writes it: a whole part ("" for none, a minus on it when
// negative, "-" alone below 1) and the fractional part in lowest terms; a whole
// number keeps 1/1 after one unit less.
QStringList Written(Q v) {
    const bool negative = v.n < 0;
    const qint64 n = negative ? -v.n : v.n;
    qint64 whole = n / v.d, rest = n % v.d;
    if (rest == 0) {
        --whole;
        rest = v.d;
    }
    const QString wholeText = whole == 0 ? (negative ? "-" : "") : (negative ? "-" : "") + QString::number(whole);
    return {wholeText, QString::number(rest), QString::number(v.d)};
}

QStringList TrueAnswer(const TForm22& s) {
    const QString line = s.label(6)->text();
    const QChar sign = line[0];
    const int w2 = line.mid(1).chopped(1).trimmed().toInt();
    const Q a = Operand(s, s.label(3)->text().toInt(), 4, 5);
    const Q b = Operand(s, w2, 7, 8);
    const Q v = sign == '+' ? a + b : sign == '-' ? a - b : sign == 'x' ? a * b : a / b;
    return Written(v);
}

}  // namespace

TEST(FractionArithmetic, AdditionOfTwoHalvesAndAFullSeriesWithItsLogLine) {
    Lesson l;
    EXPECT_EQ(l.s.windowTitle(), "Form22");
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button2", "Button3", "Button4", "Button5"}));
    EXPECT_EQ(l.s.dumpButton(), l.s.button(13));
    Click(l.s.button(2));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button6", "Button7", "Button8", "Button9"}));
    // 3/6 + 5/10: c = 2, a = 3, b = 5, t1 = 3, t2 = 5.
    ScriptedRandom random({0, 10, 20, 2, 4});
    Click(l.s.button(6));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button11"}));
    EXPECT_EQ(l.s.label(1)->text(), "Обчисліть");
    EXPECT_EQ(l.s.label(2)->text(), "Урок 1");
    EXPECT_EQ(l.s.label(4)->text() + "/" + l.s.label(5)->text() + " " + l.s.label(7)->text() + "/" + l.s.label(8)->text(),
              "3/6 5/10");
    EXPECT_EQ(l.s.label(6)->text(), "+               =");  // fifteen blanks
    EXPECT_EQ(l.s.image(3)->pictureName(), "kr\\chdr2.bmp");
    // Enter walks through the boxes, past the whole part rightly left empty, and
    // checks only in the last one.
    Type(l.s.edit(2), "1");
    PressEnter(l.s.edit(1));
    EXPECT_EQ(l.s.focusWidget(), l.s.edit(2));
    PressEnter(l.s.edit(2));
    EXPECT_EQ(l.s.focusWidget(), l.s.edit(3));
    EXPECT_TRUE(l.s.label(9)->text().isEmpty());
    PressEnter(l.s.edit(3));  // empty: not yet
    EXPECT_TRUE(l.s.label(9)->text().isEmpty());
    Type(l.s.edit(3), "1");
    PressEnter(l.s.edit(3));
    EXPECT_EQ(l.s.label(9)->text(), "Правильно");
    EXPECT_EQ(l.s.image(5)->pictureName(), "Add\\01(9).bmp");
    EXPECT_FALSE(Shown(l.s.image(4)));
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button12"}));
    SeededRandom seeded(12);
    for (int exercise = 2; exercise <= 10; ++exercise) {
        Click(l.s.button(12));
        EXPECT_TRUE(l.s.label(9)->text().isEmpty());
        EXPECT_TRUE(l.s.edit(2)->isEnabled());
        l.clock.advance(7);
        QStringList answer = TrueAnswer(l.s);
        if (exercise == 3) answer[1] = "0" + answer[1];  // a leading zero is wrong
        Answer(l.s, answer);
        if (exercise == 3) {
            EXPECT_EQ(l.s.label(9)->text(), "Неправильно");
            EXPECT_EQ(l.s.label(10)->text(), "Правильна відповідь:");
            EXPECT_EQ(l.s.label(12)->text(), answer[1].mid(1));
            EXPECT_TRUE(Shown(l.s.image(4)));
            EXPECT_FALSE(l.s.edit(1)->isEnabled());
        }
    }
    EXPECT_EQ(VisibleButtons(l.s), QStringList{"Button1"});
    EXPECT_EQ(l.s.label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(l.s.label(14)->text(), "Час 63 c");
    EXPECT_EQ(l.s.image(6)->pictureName(), "ADD\\ocenka9.bmp");
    EXPECT_EQ(l.s.image(5)->pictureName(), "Add\\01(1).bmp");
    // "урок" + lesson + the operation word with a blank either side; Latin c.
    EXPECT_EQ(l.folder.lines("Add\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 1 час виконання 63 c  урок 1 додавання "});
}

TEST(FractionArithmetic, SubtractionOfMixedNumbersMayGoBelowNought) {
    Lesson l;
    Click(l.s.button(3));
    EXPECT_TRUE(Shown(l.s.button(10)));
    // 1 5/8 − 3 1/12: c1 = 2, c2 = 2, a = 2, b = 3 (2 redrawn); t1 = 5, t2 = 1; w1 = 1, w2 = 3.
    ScriptedRandom random({0, 0, 0, 0, 10, 4, 0, 0, 2});
    Click(l.s.button(10));
    EXPECT_EQ(l.s.label(3)->text(), "1");
    EXPECT_EQ(l.s.label(6)->text(), "- 3             =");  // w2 and thirteen blanks
    EXPECT_EQ(l.s.label(4)->text() + "/" + l.s.label(5)->text() + " " + l.s.label(7)->text() + "/" + l.s.label(8)->text(),
              "5/8 1/12");
    Answer(l.s, {"-1", "11", "24"});
    EXPECT_EQ(l.s.label(9)->text(), "Правильно");
    EXPECT_EQ(l.s.image(5)->pictureName(), "Add\\09(9).bmp");
    // 2 1/8 − 2 3/12: the minus alone, before the fraction.
    random.then({0, 0, 0, 0, 10, 0, 2, 1, 1});
    Click(l.s.button(12));
    Answer(l.s, {"", "1", "8"});
    EXPECT_EQ(l.s.label(9)->text(), "Неправильно");
    EXPECT_EQ(l.s.label(11)->text() + " " + l.s.label(12)->text() + "/" + l.s.label(13)->text(), "- 1/8");
    EXPECT_EQ(l.s.exercise().sign, "-");
}

TEST(FractionArithmetic, SubtractionDrawsAgainRatherThanExpectNoughtOverTheProduct) {
    Lesson l;
    Click(l.s.button(3));
    // Lesson 4: 2/8 and 3/12 are equal (c1 = c2 = 2, a = 2, b = 3, t1 = 2, t2 = 3): drawn again as 1/8, 1/12.
    ScriptedRandom random({0, 0, 0, 0, 10, 1, 2, 0, 0, 0, 0, 10, 0, 0, 3, 0});
    Click(l.s.button(9));
    EXPECT_EQ(l.s.label(4)->text() + "/" + l.s.label(5)->text() + " " + l.s.label(7)->text() + "/" + l.s.label(8)->text(),
              "1/8 1/12");
    EXPECT_EQ(l.s.label(3)->text(), "8");
    EXPECT_EQ(l.s.label(6)->text(), "- 1             =");
    Answer(l.s, {"7", "1", "24"});
    EXPECT_EQ(l.s.label(9)->text(), "Правильно");
    EXPECT_TRUE(random.exhausted());
}

TEST(FractionArithmetic, OracleEveryOperationAndLessonExpectsTheExactResult) {
    TempDataFolder folder;
    SeededRandom random(31337);
    int exercises = 0;
    for (int operation = 1; operation <= 4; ++operation) {
        for (int lesson = 1; lesson <= ArithmeticLessonCount(FractionOperation(operation)); ++lesson) {
            for (int series = 0; series < 14; ++series) {
                auto s = CreateScreen<TForm22>();
                Click(s->button(1 + operation));
                Click(s->button(5 + lesson));
                for (int exercise = 1; exercise <= 10; ++exercise) {
                    const QStringList answer = TrueAnswer(*s);
                    if (operation == 3 && lesson < 4) {
                        ASSERT_EQ(answer[0], "");  // products below 1
                    }
                    Answer(*s, answer);
                    ASSERT_EQ(s->label(9)->text(), "Правильно")
                        << operation << "/" << lesson << ": " << s->label(3)->text().toStdString() << " "
                        << s->label(4)->text().toStdString() << "/" << s->label(5)->text().toStdString() << " "
                        << s->label(6)->text().toStdString() << " " << s->label(7)->text().toStdString() << "/"
                        << s->label(8)->text().toStdString() << " expected " << answer.join(' ').toStdString();
                    ++exercises;
                    if (exercise < 10) Click(s->button(12));
                }
            }
        }
    }
    EXPECT_EQ(exercises, 2380);
    EXPECT_EQ(folder.lines("Add\\stat.txt").size(), 238);
}

TEST(FractionArithmetic, AMissingFractionBarNeverCostsTheLogLine) {
    Lesson l;
    l.folder.remove("kr\\chdr2.bmp");
    ErrorRecorder errors;
    SeededRandom random(6);
    Click(l.s.button(5));
    Click(l.s.button(6));
    for (int exercise = 1; exercise <= 10; ++exercise) {
        Answer(l.s, {"", "", ""});
        ASSERT_EQ(l.s.label(9)->text(), "Неправильно");
        if (exercise < 10) Click(l.s.button(12));
    }
    for (const QString& message : errors.messages()) EXPECT_TRUE(message.startsWith("Cannot open file \""));
    EXPECT_EQ(l.s.errorCount(), 10);
    EXPECT_EQ(l.folder.lines("Add\\stat.txt").size(), 1);
    EXPECT_EQ(l.s.image(6)->pictureName(), "ADD\\ocenka0.bmp");
}

TEST(FractionArithmeticData, EveryPictureTheLessonLoadsIsInTheDataFolder) {
    TempDataFolder folder;
    for (int set = 1; set <= 17; ++set) {
        const QString base = QStringLiteral("Add\\%1").arg(set, 2, 10, QLatin1Char('0'));
        EXPECT_TRUE(folder.exists(base + ".bmp"));
        for (int stage = 1; stage <= 9; ++stage) EXPECT_TRUE(folder.exists(base + QStringLiteral("(%1).bmp").arg(stage)));
    }
    for (int mark = 0; mark <= 10; ++mark) EXPECT_TRUE(folder.exists(QStringLiteral("ADD\\ocenka%1.bmp").arg(mark)));
    EXPECT_TRUE(folder.exists("kr\\chdr2.bmp"));
    EXPECT_TRUE(folder.exists("Add\\stat.txt"));
}
