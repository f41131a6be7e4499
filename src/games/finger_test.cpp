#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "games/finger.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

struct Game {
    TempDataFolder folder;
    FakeClock clock;
    std::unique_ptr<TForm34> screen = CreateScreen<TForm34>();
    TForm34& s() const { return *screen; }
    void key(int code) const {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(s().edit(1), &press);
    }
    void answer(const QString& text) const {
        Type(s().edit(1), text);
        key(Qt::Key_Return);
    }
};

struct Term {
    long long tenths;
    bool decimal;
};

// The chain as shown: every term with its own sign, "=" at the end.
std::vector<Term> readChain(const QString& chain) {
    static const QRegularExpression term(QStringLiteral("([+-]?)(\\d+)(?:,(\\d))?"));
    EXPECT_TRUE(chain.endsWith(u'=')) << chain.toStdString();
    std::vector<Term> terms;
    int at = 0;
    for (auto it = term.globalMatch(chain.chopped(1)); it.hasNext();) {
        const auto m = it.next();
        EXPECT_EQ(m.capturedStart(), at) << chain.toStdString();
        // The first term has no "+", every later one a sign.
        EXPECT_TRUE(m.capturedStart() == 0 ? m.captured(1) != "+" : !m.captured(1).isEmpty()) << chain.toStdString();
        at = m.capturedEnd();
        const long long v = m.captured(2).toLongLong() * 10 + m.captured(3).toLongLong();
        terms.push_back({m.captured(1) == "-" ? -v : v, m.hasCaptured(3)});
    }
    EXPECT_EQ(at, chain.size() - 1) << chain.toStdString();
    return terms;
}

// A sum in tenths as the pupil must write it.
QString sumText(long long tenths) {
    const long long a = tenths < 0 ? -tenths : tenths;
    QString text = (tenths < 0 ? "-" : "") + QString::number(a / 10);
    if (a % 10) text += "," + QString::number(a % 10);
    return text;
}

}  // namespace

// Every problem of many games, read back from the screen and summed apart from the game.
TEST(Finger, OracleOverSeededGamesOfBothLessons) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom seeded(1);
    for (int lesson = 1; lesson <= 2; ++lesson) {
        int swapped = 0;
        for (int g = 0; g < 150; ++g) {
            seeded.reseed(uint32_t(lesson * 1000 + g));
            const auto s = CreateScreen<TForm34>();
            Click(s->button(lesson == 1 ? 4 : 5));
            for (int right = 0; right < 10; ++right) {
                const QString chain = s->label(2)->text();
                const std::vector<Term> terms = readChain(chain);
                const int level = right <= 2 ? 1 : right <= 5 ? 2 : right <= 7 ? 3 : 4;
                const size_t counts[2][4] = {{4, 4, 5, 6}, {4, 5, 6, 6}};
                ASSERT_EQ(terms.size(), counts[lesson - 1][level - 1]) << chain.toStdString();
                long long sum = 0;
                for (size_t i = 0; i < terms.size(); ++i) {
                    const Term& t = terms[i];
                    const long long a = std::abs(t.tenths);
                    sum += t.tenths;
                    if (lesson == 1) {
                        const long long top[] = {50, 200, 600, 1000};
                        ASSERT_FALSE(t.decimal);
                        ASSERT_TRUE(a <= top[level - 1] && (level == 1 ? a > 0 : a >= 100)) << chain.toStdString();
                    } else {
                        // Drawn as c, a, d, b, e, f (decimals c, d, f), every pair turned round
                        // together or none; a decimal has a tenths digit.
                        const bool drawnDecimal[] = {true, false, true, false, false, true};
                        const size_t partner = i ^ 1;
                        const size_t from = !terms[0].decimal && partner < terms.size() ? partner : i;
                        ASSERT_EQ(t.decimal, drawnDecimal[from]) << chain.toStdString();
                        if (t.decimal) ASSERT_TRUE(a >= 11 && a <= 59 && a % 10) << chain.toStdString();
                        else ASSERT_TRUE(a >= 10 && a <= 100) << chain.toStdString();
                    }
                }
                if (right == 0 && !terms[0].decimal) ++swapped;
                Type(s->edit(1), sumText(sum));
                Click(s->button(3));
                ASSERT_EQ(s->label(3)->text(), "Правильно") << chain.toStdString() << " " << sumText(sum).toStdString();
                if (right < 9) Click(s->button(2));
            }
            ASSERT_EQ(s->image(2)->pictureName(), "vch\\ocenka10.bmp");
        }
        if (lesson == 2) {
            EXPECT_TRUE(swapped > 45 && swapped < 105) << swapped;
        }
    }
}

TEST(Finger, SmallTermsOfLessonOneNeverZeroAndMinusOneTwiceAsLikely) {
    SeededRandom seeded(5);
    std::map<int, int> seen;
    for (int i = 0; i < 20000; ++i)
        for (const Term& t : readChain(DrawFingerProblem(1, 0).chain)) ++seen[int(t.tenths / 10)];
    EXPECT_EQ(seen.count(0), 0u);
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_NEAR(seen[-1], 2 * seen[3], seen[3] / 5);
}

// A pupil's lesson 2: Enter checks, other keys do not, whole sums have no ",0".
TEST(Finger, LessonTwoPlayedToTheEndWithItsLogLine) {
    Game game;
    EXPECT_FALSE(Shown(game.s().edit(1)) || Shown(game.s().button(2)) || Shown(game.s().button(3)) ||
                 Shown(game.s().button(6)));
    ScriptedRandom script({0, 0, 10, 41, 0, 0, 20, 41, 0, 0, 50});  // a 10 redrawn; no swap
    Click(game.s().button(5));
    EXPECT_FALSE(Shown(game.s().button(4)) || Shown(game.s().button(5)));
    EXPECT_EQ(game.s().label(1)->text() + " " + game.s().label(2)->text(), "Урок 2 -1,1+1-1,2+1=");
    game.key(Qt::Key_A);
    game.key(Qt::Key_Tab);
    EXPECT_EQ(game.s().label(3)->text(), "");
    game.answer("-0,3");
    EXPECT_EQ(game.s().label(3)->text(), "Правильно");
    EXPECT_TRUE(!game.s().edit(1)->isEnabled() && !IsRed(game.s().edit(1)));
    EXPECT_TRUE(Shown(game.s().button(2)) && !Shown(game.s().button(3)));

    script.then({50, 0, 0, 0, 50, 0, 0, 41, 0});  // 1,5 1 1,5 −1, swapped: a whole sum 3
    Click(game.s().button(2));
    EXPECT_EQ(game.s().label(2)->text(), "1+1,5-1+1,5=");
    EXPECT_EQ(game.s().label(3)->text(), "");
    game.answer("3,0");
    EXPECT_EQ(QStringList({game.s().label(3)->text(), game.s().label(4)->text(), game.s().label(5)->text()}),
              QStringList({"Неправильно", "Правильна відповідь:", "3"}));
    EXPECT_TRUE(IsRed(game.s().edit(1)));
    EXPECT_EQ(game.s().image(1)->pictureName(), "vch\\02(9).bmp");

    SeededRandom seeded(3);
    for (int i = 0; i < 8; ++i) {
        Click(game.s().button(2));
        EXPECT_TRUE(!IsRed(game.s().edit(1)) && game.s().edit(1)->isEnabled() && game.s().edit(1)->text().isEmpty());
        EXPECT_EQ(game.s().label(5)->text(), "");
        game.clock.advance(75);
        game.answer(game.s().problem().answer);
    }
    EXPECT_EQ(game.s().image(1)->pictureName(), "vch\\02(1).bmp");
    EXPECT_EQ(game.s().image(2)->pictureName(), "vch\\ocenka9.bmp");
    EXPECT_EQ(game.s().label(7)->text(), "Поздоровляю!");
    EXPECT_EQ(game.s().label(6)->text(), "Час 600 c");  // Latin c
    EXPECT_FALSE(Shown(game.s().button(2)) || Shown(game.s().button(3)));
    // Latin c; two blanks before "рівень".
    EXPECT_EQ(game.folder.lines("vch\\stat.txt"),
              QStringList({"дата 08.12.2026 час початку 9:05:03 помилок 1 час виконання 600 c  рівень 2"}));
    // Byte by byte from the Windows-1251 table (the c is Latin; і b3, ь fc), then CR LF.
    const QByteArray logLine = QByteArray::fromHex(
        "e4e0f2e0 20 30382e31322e32303236 20 f7e0f1 20 efeef7e0f2eaf3 20 393a30353a3033 20 efeeece8ebeeea 20 31 20 f7e0f1"
        " 20 e2e8eaeeede0ededff 20 363030 20 63 20 20 f0b3e2e5edfc 20 32 0d0a");
    EXPECT_EQ(game.folder.bytes("vch\\stat.txt").toHex(' '), logLine.toHex(' '));
    Click(game.s().button(2));
    game.answer(game.s().problem().answer);
    EXPECT_EQ(game.folder.lines("vch\\stat.txt").size(), 1);
}

// Wrong answers never raise the level; ten of them give the lowest mark and no picture.
TEST(Finger, LevelFollowsRightAnswersOnly) {
    Game game;
    SeededRandom seeded(8);
    Click(game.s().button(4));
    for (int i = 0; i < 10; ++i) {
        const std::vector<Term> terms = readChain(game.s().label(2)->text());
        EXPECT_EQ(terms.size(), 4u);
        for (const Term& t : terms) EXPECT_LE(std::abs(t.tenths), 50);
        game.answer("x");
        Click(game.s().button(2));
    }
    EXPECT_TRUE(game.s().image(1)->isEmpty());
    EXPECT_EQ(game.s().image(2)->pictureName(), "vch\\ocenka0.bmp");
    EXPECT_EQ(game.folder.lines("vch\\stat.txt"),
              QStringList({"дата 08.12.2026 час початку 9:05:03 помилок 10 час виконання 0 c  рівень 1"}));
}

// The tenth answer loads its stage picture and the mark before the log is
// written: neither a missing log nor a missing picture costs the other.
TEST(Finger, TheLastPicturesAndTheLogLineStandApart) {
    ErrorRecorder errors;
    {
        Game game;
        game.folder.remove("vch\\stat.txt");
        SeededRandom seeded(5);
        Click(game.s().button(4));
        for (int i = 0; i < 10; ++i) {
            game.answer(game.s().problem().answer);
            Click(game.s().button(2));
        }
        EXPECT_EQ(game.s().image(1)->pictureName(), "vch\\01.bmp");
        EXPECT_EQ(game.s().image(2)->pictureName(), "vch\\ocenka10.bmp");
        EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    }
    errors.clear();
    Game game;
    game.folder.remove("vch\\01.bmp");
    game.folder.remove("vch\\ocenka10.bmp");
    SeededRandom seeded(5);
    Click(game.s().button(4));
    for (int i = 0; i < 10; ++i) {
        game.answer(game.s().problem().answer);
        Click(game.s().button(2));
    }
    EXPECT_EQ(errors.messages().size(), 2);
    EXPECT_EQ(game.folder.lines("vch\\stat.txt").size(), 1);
}

TEST(Finger, EveryVchPictureIsRendered) {
    TempDataFolder folder;
    QStringList names = {"chdr2"};
    for (const QString series : {"01", "02"}) {
        names << series;
        for (int stage = 1; stage <= 9; ++stage) names << series + QStringLiteral("(%1)").arg(stage);
    }
    for (int mark = 0; mark <= 10; ++mark) names << QStringLiteral("ocenka%1").arg(mark);
    for (const QString& name : names)
        EXPECT_FALSE(QImage(folder.file("vch\\" + name + ".bmp")).isNull()) << name.toStdString();
}
