#include "lessons/prime_divisors.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

// Prime factors with repetition, by trial division: written here, apart from the generator.
std::vector<int> Factorise(qint64 n) {
    std::vector<int> factors;
    for (qint64 d = 2; d * d <= n; ++d) {
        while (n % d == 0) {
            factors.push_back(int(d));
            n /= d;
        }
    }
    if (n > 1) factors.push_back(int(n));
    return factors;
}

// Lesson buttons by level.
QPushButton* LessonButton(const TForm19& s, int level) {
    const int numbers[] = {2, 5, 6, 7, 8};
    return s.button(numbers[level - 1]);
}

// Types into the box that the next "Перевірка" reads and presses it.
void Answer(TForm19& s, const QString& text) {
    Type(s.edit(2 + s.step()), text);
    Click(s.button(3));
}

// Gives a whole factorisation of the number shown, divisors in the given order.
void AnswerFactors(TForm19& s, const std::vector<int>& divisors) {
    qint64 rest = s.edit(1)->text().toLongLong();
    for (size_t i = 0; i < divisors.size(); ++i) {
        Answer(s, QString::number(divisors[i]));
        rest /= divisors[i];
        if (i + 1 < divisors.size()) Answer(s, QString::number(rest));
    }
}

void AnswerTruly(TForm19& s, std::mt19937* shuffle = nullptr) {
    std::vector<int> factors = Factorise(s.edit(1)->text().toLongLong());
    if (shuffle) std::shuffle(factors.begin(), factors.end(), *shuffle);
    AnswerFactors(s, factors);
}

QStringList VisibleButtons(const TForm19& s) {
    QStringList shown;
    for (int n = 1; n <= 9; ++n) {
        if (Shown(s.button(n))) shown << s.button(n)->objectName();
    }
    return shown;
}

// The program's generator, remembering the range of every draw.
class RecordingRandom : public RandomSource {
public:
    RecordingRandom() { setRandomSource(this); }
    ~RecordingRandom() override { setRandomSource(nullptr); }
    int next(int n) override {
        ranges.push_back(n);
        return generator_.next(n);
    }
    void randomize() override {}
    std::vector<int> ranges;

private:
    LinearRandom generator_{1};
};

struct Lesson {
    TempDataFolder folder;
    FakeClock clock;
    std::unique_ptr<TForm19> screen = CreateScreen<TForm19>();
    TForm19& s = *screen;
};

}  // namespace

TEST(PrimeDivisors, OpensWithOnlyTheLessonButtonsAndReturn) {
    Lesson l;
    EXPECT_EQ(l.s.windowTitle(), "Form19");
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button2", "Button5", "Button6", "Button7", "Button8"}));
    EXPECT_EQ(l.s.button(1)->text(), "Повернення");
    for (int level = 1; level <= 5; ++level) EXPECT_EQ(LessonButton(l.s, level)->text(), QStringLiteral("Урок %1").arg(level));
    EXPECT_EQ(l.s.button(3)->text(), "Перевірка");
    EXPECT_EQ(l.s.button(4)->text(), "Продовження");
    for (int n = 1; n <= 11; ++n) EXPECT_FALSE(Shown(l.s.edit(n))) << n;
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(l.s.label(n)->text().isEmpty()) << n;
    EXPECT_EQ(l.s.dumpButton(), l.s.button(9));
    EXPECT_EQ(l.s.exerciseNumber(), 0);
}

TEST(PrimeDivisors, TwelveSolvesInEitherOrderAndGetsItsOneWrittenIn) {
    const std::vector<std::vector<int>> orders = {{2, 2, 3}, {3, 2, 2}};
    for (const auto& order : orders) {
        Lesson l;
        ScriptedRandom random({0, 0, 10});  // 2, 2, 3
        Click(l.s.button(2));
        EXPECT_EQ(l.s.edit(1)->text(), "12");
        EXPECT_FALSE(l.s.edit(1)->isEnabled());
        EXPECT_EQ(l.s.label(1)->text(), "Розкладіть число на прості множники:");
        EXPECT_EQ(l.s.label(3)->text(), "Урок №1");
        EXPECT_TRUE(Shown(l.s.edit(2)));
        EXPECT_FALSE(Shown(l.s.edit(3)));
        EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button3"}));

        // 2, 6, 2, 3, 3 or 3, 4, 2, 2, 2: each box shows up only when its turn comes.
        AnswerFactors(l.s, order);
        for (int n = 2; n <= 6; ++n) EXPECT_FALSE(l.s.edit(n)->isEnabled()) << n;
        EXPECT_EQ(l.s.edit(3)->text(), QString::number(12 / order[0]));
        EXPECT_EQ(l.s.edit(7)->text(), "1");
        EXPECT_TRUE(Shown(l.s.edit(7)));
        EXPECT_FALSE(l.s.edit(7)->isEnabled());
        EXPECT_FALSE(Shown(l.s.edit(8)));
        EXPECT_EQ(l.s.label(2)->text(), "Правильно");
        EXPECT_TRUE(l.s.label(1)->text().isEmpty());
        EXPECT_EQ(l.s.image(1)->pictureName(), "Deli\\01(9).bmp");
        EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button4"}));
        EXPECT_EQ(l.s.errorCount(), 0);
        EXPECT_EQ(l.s.correctCount(), 1);
    }
}

TEST(PrimeDivisors, OnlyThePrimesOfTheListWrittenPlainlyAreDivisors) {
    // "4" divides 12 but is not one of its primes; leading zeros and blanks are wrong too.
    for (const QString typed : {"4", "02", " 2", "2 ", "", "12", "two", "99999999999999999999"}) {
        Lesson l;
        ScriptedRandom random({0, 0, 10});
        Click(l.s.button(2));
        Answer(l.s, typed);
        EXPECT_EQ(l.s.label(2)->text(), "Неправильно") << typed.toStdString();
        EXPECT_EQ(l.s.errorCount(), 1);
        EXPECT_EQ(l.s.edit(2)->text(), typed);
        EXPECT_FALSE(Shown(l.s.edit(3)));
        EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button4"}));
        EXPECT_TRUE(l.s.image(1)->isEmpty());
    }
}

TEST(PrimeDivisors, AWrongQuotientEndsTheExerciseWithOneError) {
    Lesson l;
    ScriptedRandom random({0, 0, 10});
    Click(l.s.button(2));
    Answer(l.s, "2");
    EXPECT_FALSE(l.s.edit(2)->isEnabled());
    EXPECT_TRUE(Shown(l.s.edit(3)));
    Answer(l.s, "06");
    EXPECT_EQ(l.s.label(2)->text(), "Неправильно");
    EXPECT_EQ(l.s.errorCount(), 1);
    // A judged exercise is not judged again, even if its hidden button is pressed.
    Answer(l.s, "2");
    EXPECT_EQ(l.s.errorCount(), 1);
    EXPECT_EQ(l.s.step(), 2);
    EXPECT_FALSE(Shown(l.s.edit(4)));
    // The same prime twice is accepted only as often as it occurs.
    random.then({0, 10, 20});  // 2, 3, 5 = 30
    Click(l.s.button(4));
    EXPECT_EQ(l.s.edit(1)->text(), "30");
    EXPECT_TRUE(l.s.label(2)->text().isEmpty());
    EXPECT_TRUE(l.s.edit(2)->text().isEmpty());
    EXPECT_FALSE(Shown(l.s.edit(3)));
    AnswerFactors(l.s, {2, 2});
    EXPECT_EQ(l.s.label(2)->text(), "Неправильно");
    EXPECT_EQ(l.s.errorCount(), 2);
    EXPECT_EQ(l.s.exerciseNumber(), 2);
}

TEST(PrimeDivisors, LevelFiveFillsTheLastRowAndLaterExercisesStartSmall) {
    Lesson l;
    ScriptedRandom random({108, 108, 108, 108, 108});
    Click(l.s.button(8));
    EXPECT_EQ(l.s.edit(1)->text(), "28629151");
    EXPECT_EQ(l.s.label(3)->text(), "Урок №5");
    AnswerTruly(l.s);
    EXPECT_EQ(l.s.label(2)->text(), "Правильно");
    EXPECT_FALSE(l.s.edit(10)->isEnabled());
    EXPECT_TRUE(Shown(l.s.edit(11)));
    EXPECT_EQ(l.s.edit(11)->text(), "1");
    EXPECT_FALSE(l.s.edit(11)->isEnabled());
    // The draw of a later exercise: the first two primes from 2, 3, 5 only.
    random.then({28, 28, 108, 108, 108});
    Click(l.s.button(4));
    EXPECT_EQ(l.s.edit(1)->text(), "744775");
    for (int n = 2; n <= 11; ++n) EXPECT_EQ(Shown(l.s.edit(n)), n == 2) << n;
    for (int n = 2; n <= 11; ++n) EXPECT_TRUE(l.s.edit(n)->isEnabled()) << n;
}

TEST(PrimeDivisors, ContinuingAfterASolvedExerciseStartsAFreshColumn) {
    Lesson l;
    ScriptedRandom random({0, 0, 10, 0, 0, 0});  // 2·2·3 = 12, then 2·2·2 = 8
    Click(l.s.button(6));
    AnswerFactors(l.s, {2, 3, 2});
    ASSERT_EQ(l.s.label(2)->text(), "Правильно");
    ASSERT_TRUE(l.s.label(1)->text().isEmpty());
    Click(l.s.button(4));
    EXPECT_EQ(l.s.exerciseNumber(), 2);
    EXPECT_EQ(l.s.label(1)->text(), "Розкладіть число на прості множники:");
    EXPECT_EQ(l.s.label(3)->text(), "Урок №3");
    EXPECT_TRUE(l.s.label(2)->text().isEmpty());
    EXPECT_EQ(l.s.edit(1)->text(), "8");
    EXPECT_FALSE(l.s.edit(1)->isEnabled());
    EXPECT_TRUE(Shown(l.s.edit(1)));
    for (int n = 2; n <= 11; ++n) {
        EXPECT_TRUE(l.s.edit(n)->text().isEmpty()) << n;  // the "1" written for the pupil goes too
        EXPECT_EQ(Shown(l.s.edit(n)), n == 2) << n;
    }
    EXPECT_EQ(l.s.step(), 0);
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button3"}));
    // The struck-off primes of the last exercise are free again.
    AnswerFactors(l.s, {2, 2, 2});
    EXPECT_EQ(l.s.label(2)->text(), "Правильно");
    EXPECT_EQ(l.s.correctCount(), 2);
    EXPECT_EQ(l.s.image(1)->pictureName(), "Deli\\03(8).bmp");
}

TEST(PrimeDivisors, LevelFourWritesTheOneUnderItsFourthDivisor) {
    Lesson l;
    ScriptedRandom random({0, 10, 20, 30});  // 2·3·5·7 = 210
    Click(l.s.button(7));
    EXPECT_EQ(l.s.edit(1)->text(), "210");
    AnswerFactors(l.s, {7, 5, 3, 2});
    EXPECT_EQ(l.s.edit(9)->text(), "1");
    EXPECT_FALSE(l.s.edit(9)->isEnabled());
    EXPECT_FALSE(Shown(l.s.edit(10)));
}

TEST(PrimeDivisors, APerfectSeriesRevealsThePictureAndEndsWithTenAndTheLogLine) {
    Lesson l;
    SeededRandom random(7);
    Click(l.s.button(6));
    for (int exercise = 1; exercise <= 10; ++exercise) {
        l.clock.advance(30);
        AnswerTruly(l.s);
        ASSERT_EQ(l.s.label(2)->text(), "Правильно") << exercise;
        EXPECT_EQ(l.s.image(1)->pictureName(),
                  exercise < 10 ? QStringLiteral("Deli\\03(%1).bmp").arg(10 - exercise) : QStringLiteral("Deli\\03.bmp"));
        if (exercise < 10) {
            EXPECT_TRUE(l.s.label(5)->text().isEmpty());
            Click(l.s.button(4));
        }
    }
    EXPECT_EQ(l.s.label(5)->text(), "Поздоровляю!");
    // Latin c after the seconds.
    EXPECT_EQ(l.s.label(4)->text(), "Час 300 c");
    EXPECT_EQ(l.s.image(2)->pictureName(), "deli\\ocenka10.bmp");
    EXPECT_EQ(VisibleButtons(l.s), QStringList{"Button1"});
    // Two blanks before "рівень"; the c is Latin.
    EXPECT_EQ(l.folder.lines("deli\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 300 c  рівень 3"});
    EXPECT_TRUE(l.folder.bytes("deli\\stat.txt").endsWith("\r\n"));
    // Nothing more happens: no eleventh exercise, no second line.
    Click(l.s.button(4));
    Click(l.s.button(3));
    EXPECT_EQ(l.s.exerciseNumber(), 10);
    EXPECT_EQ(l.folder.lines("deli\\stat.txt").size(), 1);
}

TEST(PrimeDivisors, ASeriesWithEveryExerciseWrongShowsNoughtAndNoPicture) {
    Lesson l;
    SeededRandom random(11);
    Click(l.s.button(2));
    for (int exercise = 1; exercise <= 10; ++exercise) {
        l.clock.advance(4);
        Answer(l.s, "4");
        if (exercise < 10) Click(l.s.button(4));
    }
    EXPECT_EQ(l.s.errorCount(), 10);
    EXPECT_TRUE(l.s.image(1)->isEmpty());
    EXPECT_EQ(l.s.image(2)->pictureName(), "deli\\ocenka0.bmp");
    EXPECT_EQ(l.s.label(2)->text(), "Неправильно");
    EXPECT_EQ(VisibleButtons(l.s), QStringList{"Button1"});
    EXPECT_EQ(l.folder.lines("deli\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 10 час виконання 40 c  рівень 1"});
}

TEST(PrimeDivisors, WrongExercisesDoNotAdvanceThePicture) {
    Lesson l;
    SeededRandom random(3);
    Click(l.s.button(5));
    const bool right[] = {true, false, false, true, true, false, true, true, true, false};
    QString lastPicture;
    int solved = 0;
    for (int exercise = 1; exercise <= 10; ++exercise) {
        if (right[exercise - 1]) {
            AnswerTruly(l.s);
            ++solved;
            lastPicture = QStringLiteral("Deli\\02(%1).bmp").arg(10 - solved);
        } else {
            Answer(l.s, "1");
        }
        EXPECT_EQ(l.s.image(1)->pictureName(), lastPicture) << exercise;
        if (exercise < 10) Click(l.s.button(4));
    }
    EXPECT_EQ(l.s.image(2)->pictureName(), "deli\\ocenka6.bmp");
    EXPECT_TRUE(l.folder.lines("deli\\stat.txt")[0].contains(" помилок 4 час виконання "));
}

TEST(PrimeDivisors, TheAttemptStartsAtTheLessonButton) {
    Lesson l;
    l.clock.setTime(23, 59, 40);
    SeededRandom random(5);
    Click(l.s.button(2));
    for (int exercise = 1; exercise <= 10; ++exercise) {
        l.clock.advance(5);
        Answer(l.s, "");
        if (exercise < 10) Click(l.s.button(4));
    }
    // Across midnight: 50 seconds, and the start time of the button press.
    EXPECT_EQ(l.s.label(4)->text(), "Час 50 c");
    EXPECT_EQ(l.folder.lines("deli\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 23:59:40 помилок 10 час виконання 50 c  рівень 1"});
}

TEST(PrimeDivisors, EachLevelDrawsFromItsOwnRange) {
    const std::vector<std::vector<int>> first = {{39, 39, 39}, {59, 59, 59}, {99, 99, 99}, {109, 109, 109, 109},
                                                 {109, 109, 109, 109, 109}};
    const std::vector<std::vector<int>> later = {{39, 39, 39}, {59, 59, 59}, {99, 99, 99}, {29, 29, 109, 109},
                                                 {29, 29, 109, 109, 109}};
    for (int level = 1; level <= 5; ++level) {
        Lesson l;
        RecordingRandom random;
        Click(LessonButton(l.s, level));
        EXPECT_EQ(random.ranges, first[size_t(level - 1)]) << level;
        for (int exercise = 2; exercise <= 3; ++exercise) {
            random.ranges.clear();
            Answer(l.s, "0");
            Click(l.s.button(4));
            EXPECT_EQ(random.ranges, later[size_t(level - 1)]) << level;
        }
    }
}

TEST(PrimeDivisors, OracleDrawsMatchTheLevelRules) {
    SeededRandom random(20261208);
    const int largestPrime[] = {7, 13, 29, 31, 31};
    qint64 largestFirst = 0, largestLater = 0;
    for (int level = 1; level <= 5; ++level) {
        for (int i = 0; i < 4000; ++i) {
            const bool first = i % 2 == 0;
            const PrimeExercise e = DrawPrimeExercise(level, first);
            qint64 product = 1;
            for (int k = 0; k < e.factorCount; ++k) product *= e.factors[size_t(k)];
            ASSERT_EQ(product, e.number);
            const std::vector<int> primes = Factorise(e.number);
            ASSERT_EQ(int(primes.size()), level <= 3 ? 3 : level);
            ASSERT_LE(primes.back(), largestPrime[level - 1]);
            if (level >= 4 && !first) {
                ASSERT_LE(e.factors[0], 5);
                ASSERT_LE(e.factors[1], 5);
                largestLater = std::max(largestLater, qint64(e.number));
                ASSERT_LE(e.number, 744775);
            }
            if (level == 5 && first) largestFirst = std::max(largestFirst, qint64(e.number));
        }
    }
    EXPECT_LE(largestFirst, 28629151);
    EXPECT_GT(largestFirst, 744775);  // the first exercise is not held small
}

TEST(PrimeDivisors, OracleAnsweringTheTrueFactorsInAnyOrderAlwaysSolves) {
    TempDataFolder folder;
    SeededRandom random(4242);
    std::mt19937 shuffle(99);
    int exercises = 0;
    for (int level = 1; level <= 5; ++level) {
        for (int series = 0; series < 40; ++series) {
            auto s = CreateScreen<TForm19>();
            Click(LessonButton(*s, level));
            for (int exercise = 1; exercise <= 10; ++exercise) {
                const qint64 number = s->edit(1)->text().toLongLong();
                ASSERT_EQ(int(Factorise(number).size()), PrimeFactorCount(level));
                AnswerTruly(*s, &shuffle);
                ASSERT_EQ(s->label(2)->text(), "Правильно") << "level " << level << " number " << number;
                ++exercises;
                if (exercise < 10) Click(s->button(4));
            }
            ASSERT_EQ(s->image(2)->pictureName(), "deli\\ocenka10.bmp");
        }
    }
    EXPECT_EQ(exercises, 2000);
    EXPECT_EQ(folder.lines("deli\\stat.txt").size(), 200);
}

TEST(PrimeDivisors, EnterChecksAFilledBoxOnly) {
    Lesson l;
    ScriptedRandom random({0, 0, 10});
    Click(l.s.button(2));
    auto enter = [](QLineEdit* box, bool autoRepeat = false) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(box, &press);
    };
    enter(l.s.edit(2));  // empty: nothing happens
    EXPECT_EQ(l.s.step(), 0);
    Type(l.s.edit(2), "2");
    enter(l.s.edit(2), true);  // a held-down key does not mark
    EXPECT_EQ(l.s.step(), 0);
    enter(l.s.edit(2));
    EXPECT_EQ(l.s.step(), 1);
    EXPECT_TRUE(Shown(l.s.edit(3)));
    enter(l.s.edit(2));  // the box already read is done with
    EXPECT_EQ(l.s.step(), 1);
    Type(l.s.edit(3), "7");
    QKeyEvent keypad(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::sendEvent(l.s.edit(3), &keypad);
    EXPECT_EQ(l.s.label(2)->text(), "Неправильно");
    // After the verdict Enter does not go on by itself: the pupil reads it first.
    enter(l.s.edit(3));
    EXPECT_EQ(l.s.exerciseNumber(), 1);
    EXPECT_EQ(l.s.errorCount(), 1);
}

TEST(PrimeDivisors, FocusFollowsTheColumn) {
    Lesson l;
    l.s.show();
    QApplication::setActiveWindow(&l.s);
    ScriptedRandom random({0, 0, 10, 0, 0, 0});
    Click(l.s.button(2));
    EXPECT_TRUE(l.s.edit(2)->hasFocus());
    Answer(l.s, "2");
    EXPECT_TRUE(l.s.edit(3)->hasFocus());
    Answer(l.s, "6");
    EXPECT_TRUE(l.s.edit(4)->hasFocus());
    Answer(l.s, "9");
    EXPECT_TRUE(l.s.button(4)->hasFocus());
    Click(l.s.button(4));
    EXPECT_TRUE(l.s.edit(2)->hasFocus());
    l.s.hide();
}

TEST(PrimeDivisors, AMissingLogIsReportedAndTheResultStaysOnScreen) {
    Lesson l;
    l.folder.remove("deli\\stat.txt");
    SeededRandom random(8);
    Click(l.s.button(2));
    ErrorRecorder errors;
    for (int exercise = 1; exercise <= 10; ++exercise) {
        AnswerTruly(l.s);
        if (exercise < 10) Click(l.s.button(4));
    }
    EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    EXPECT_FALSE(l.folder.exists("deli\\stat.txt"));
    EXPECT_EQ(l.s.label(5)->text(), "Поздоровляю!");
    EXPECT_EQ(l.s.label(2)->text(), "Правильно");
    EXPECT_TRUE(l.s.label(4)->text().startsWith("Час "));
    EXPECT_EQ(VisibleButtons(l.s), QStringList{"Button1"});
}

TEST(PrimeDivisors, AMissingPictureIsReportedAndTheSeriesGoesOn) {
    Lesson l;
    l.folder.remove("Deli\\01(9).bmp");
    SeededRandom random(9);
    Click(l.s.button(2));
    {
        ErrorRecorder errors;
        AnswerTruly(l.s);
        ASSERT_EQ(errors.messages().size(), 1);
        EXPECT_TRUE(errors.messages()[0].startsWith("Cannot open file \""));
        EXPECT_TRUE(errors.messages()[0].endsWith("01(9).bmp\". No such file or directory"));
    }
    EXPECT_EQ(VisibleButtons(l.s), (QStringList{"Button1", "Button4"}));
    Click(l.s.button(4));
    AnswerTruly(l.s);
    EXPECT_EQ(l.s.image(1)->pictureName(), "Deli\\01(8).bmp");
}

TEST(PrimeDivisors, TheFolderIsFoundWhateverItsCase) {
    Lesson l;
    ASSERT_TRUE(QDir().rename(l.folder.file("deli"), l.folder.path() + "/DELI"));
    SeededRandom random(10);
    Click(l.s.button(2));
    for (int exercise = 1; exercise <= 10; ++exercise) {
        AnswerTruly(l.s);
        if (exercise < 10) Click(l.s.button(4));
    }
    EXPECT_EQ(l.s.image(1)->pictureName(), "Deli\\01.bmp");
    EXPECT_EQ(l.s.image(2)->pictureName(), "deli\\ocenka10.bmp");
    EXPECT_EQ(l.folder.lines("DELI/stat.txt").size(), 1);
}
