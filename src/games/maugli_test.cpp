#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>

#include "games/maugli.h"
#include "games/maugli_problems.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

QString blanks(int n) { return QString(n, u' '); }

// One run of the program as far as this screen goes: a data folder, a clock
// standing at 08.12.2026 9:05:03 and the screen made as start-up makes it.
// The real timer is stopped: the tests tick by hand.
struct Game {
    TempDataFolder folder;
    FakeClock clock;
    std::unique_ptr<TForm36> screen;

    Game() {
        screen = CreateScreen<TForm36>();
        screen->timer(1)->stop();
    }
    TForm36& s() const { return *screen; }
    void start(int garden) const {
        const int buttons[] = {2, 4, 5, 6};
        Click(s().button(buttons[garden - 1]));
    }
    void answer(const QString& whole, const QString& numerator, const QString& denominator) const {
        Type(s().edit(1), whole);
        Type(s().edit(2), numerator);
        Type(s().edit(3), denominator);
        Click(s().button(3));
    }
    void answerRight() const { answer(s().problem().whole, s().problem().numerator, s().problem().denominator); }
    void tick(int times = 1) const {
        for (int i = 0; i < times; ++i) s().Timer1Timer();
    }
    QString character() const { return s().image(1)->pictureName(); }
    QString verdict() const { return s().label(2)->text(); }
};

// ---- the oracle: exact signed rationals, written apart from the game ----

struct Rational {
    long long num = 0, den = 1;
};

Rational normal(long long num, long long den) {
    if (den < 0) num = -num, den = -den;
    const long long g = std::gcd(num < 0 ? -num : num, den);
    return {num / g, den / g};
}

Rational operate(Rational a, QChar op, Rational b) {
    switch (op.unicode()) {
    case u'+': return normal(a.num * b.den + b.num * a.den, a.den * b.den);
    case u'-': return normal(a.num * b.den - b.num * a.den, a.den * b.den);
    case u'X': return normal(a.num * b.num, a.den * b.den);
    default: return normal(a.num * b.den, a.den * b.num);
    }
}

struct Expected {
    QString whole, numerator, denominator;
};

// What the pupil must type for a value: the whole part with its sign (the sign
// alone below 1), numerator and denominator empty for a whole number.
Expected textsOf(Rational r) {
    const bool negative = r.num < 0;
    const long long a = negative ? -r.num : r.num;
    const long long whole = a / r.den, rest = a % r.den;
    Expected e;
    e.whole = (negative ? QStringLiteral("-") : QString()) + (whole ? QString::number(whole) : QString());
    if (rest) {
        e.numerator = QString::number(rest);
        e.denominator = QString::number(r.den);
    }
    return e;
}

// Reads the problem back from the screen: the whole parts and signs from the
// operation line, the fractions from the four labels.
struct ShownProblem {
    bool parsed = false;
    Rational first, second;
    QChar op;
};

ShownProblem readProblem(const QString& operationLine, const QString& t1, const QString& d1, const QString& t2,
                         const QString& d2) {
    static const QRegularExpression line(QStringLiteral("^(\\d*) +([+\\-X:])(\\(-)? *(\\d*) +(\\))?=$"));
    const auto m = line.match(operationLine);
    ShownProblem shown;
    if (!m.hasMatch() || m.captured(3).isEmpty() != m.captured(5).isEmpty()) return shown;
    const auto operand = [](const QString& w, const QString& t, const QString& d) {
        bool okT = false, okD = false;
        const long long top = t.toLongLong(&okT), bottom = d.toLongLong(&okD);
        EXPECT_TRUE(okT && okD && top >= 1 && top < bottom) << "not a proper fraction: " << t.toStdString() << "/"
                                                            << d.toStdString();
        EXPECT_NE(w, QStringLiteral("0"));
        return normal(w.toLongLong() * bottom + top, bottom);
    };
    shown.first = operand(m.captured(1), t1, d1);
    shown.second = operand(m.captured(4), t2, d2);
    if (!m.captured(3).isEmpty()) shown.second.num = -shown.second.num;
    shown.op = m.captured(2).at(0);
    shown.parsed = true;
    return shown;
}

ShownProblem readProblem(const TForm36& s) {
    return readProblem(s.label(1)->text(), s.label(3)->text(), s.label(4)->text(), s.label(5)->text(),
                       s.label(6)->text());
}

// How often the right answer is negative: never in gardens 1 and 3, about half
// of the swapped kinds in garden 2 and of all problems in garden 4.
void expectNegativeShare(int garden, int negatives, int games) {
    if (garden % 2) EXPECT_EQ(negatives, 0);
    else EXPECT_GT(negatives, games * 12 / 5) << "garden " << garden;
}

}  // namespace

// ---- worked examples ----

TEST(Maugli, GardenOneOpensWithHalfPlusHalfWhoseAnswerIsTheWholeOne) {
    Game game;
    ScriptedRandom script({5, 9});  // both small denominators 2
    game.start(1);
    EXPECT_EQ(game.s().label(1)->text(), blanks(14) + "+" + blanks(15) + "=");
    EXPECT_EQ(game.s().label(3)->text(), "1");
    EXPECT_EQ(game.s().label(4)->text(), "2");
    EXPECT_EQ(game.s().label(5)->text(), "1");
    EXPECT_EQ(game.s().label(6)->text(), "2");
    EXPECT_TRUE(Shown(game.s().button(3)));
    EXPECT_FALSE(Shown(game.s().button(2)));
    EXPECT_FALSE(Shown(game.s().button(6)));
    EXPECT_EQ(game.character(), "GTM\\m1.bmp");
    EXPECT_EQ(game.s().image(5)->pictureName(), "GTM\\level0.bmp");

    game.answer("1", "0", "1");
    EXPECT_EQ(game.verdict(), "Неправильно");
    EXPECT_EQ(game.s().label(12)->text(), "Було введено");
    EXPECT_EQ(game.s().label(13)->text(), "0");  // the typed numerator, above
    EXPECT_EQ(game.s().label(14)->text(), "1");  // the whole part, to the left
    EXPECT_EQ(game.s().label(15)->text(), "1");
    EXPECT_EQ(game.s().score(), 0);

    game.answer("1", "", "");
    EXPECT_EQ(game.verdict(), "Правильно");
    EXPECT_EQ(game.s().score(), 1);
    EXPECT_EQ(game.s().label(12)->text(), "");
    EXPECT_EQ(game.s().label(14)->text(), "");
}

TEST(Maugli, GardenTwoSwappedShowsANegativeSum) {
    Game game;
    // 1/6 and 1/2 drawn, ordered 1/2 − 1/6, then shown exchanged: 1/6 + (−1/2).
    ScriptedRandom script({45, 0, 51});
    game.start(2);
    EXPECT_EQ(game.s().label(1)->text(), blanks(14) + "+(-" + blanks(12) + ")=");
    EXPECT_EQ(game.s().label(4)->text(), "6");
    EXPECT_EQ(game.s().label(6)->text(), "2");
    game.answer("", "1", "3");
    EXPECT_EQ(game.verdict(), "Неправильно");
    game.answer("-", "1", "3");
    EXPECT_EQ(game.verdict(), "Правильно");
}

TEST(Maugli, GardenFourDivisionByANegativeFraction) {
    ScriptedRandom script({10, 0, 30, 0, 51});  // 3 × 2 and 3 × 7, then the minus sign
    MaugliGenerator generator;
    const MaugliProblem p = generator.next(4, 3);
    EXPECT_EQ(p.kind, 8);
    EXPECT_EQ(QStringList({p.t1, p.d1, p.t2, p.d2}), QStringList({"1", "6", "1", "21"}));
    EXPECT_EQ(QStringList({p.whole, p.numerator, p.denominator}), QStringList({"-3", "1", "2"}));
    EXPECT_EQ(OperationLine(4, 3, false, p), blanks(14) + ":(-" + blanks(11) + ")=");
    EXPECT_TRUE(script.exhausted());
}

TEST(Maugli, KindNineAlwaysReducesToOneOverTwoDistinctPrimes) {
    {
        ScriptedRandom script({10, 0, 0, 10});
        MaugliGenerator generator;
        const MaugliProblem p = generator.draw(9);
        EXPECT_EQ(QStringList({p.t1, p.d1, p.t2, p.d2}), QStringList({"3", "14", "2", "15"}));
        EXPECT_EQ(QStringList({p.whole, p.numerator, p.denominator}), QStringList({"", "1", "35"}));
    }
    SeededRandom seeded(9);
    MaugliGenerator generator;
    const QList<int> products = {35, 55, 65, 77, 91, 143};
    for (int i = 0; i < 20000; ++i) {
        const MaugliProblem p = generator.draw(9);
        ASSERT_EQ(p.numerator, "1");
        ASSERT_TRUE(products.contains(p.denominator.toInt())) << p.denominator.toStdString();
        ASSERT_EQ(p.d1.toLongLong() * p.d2.toLongLong(), p.t1.toLongLong() * p.t2.toLongLong() * p.denominator.toLongLong());
    }
}

TEST(Maugli, OperationLinesKeepTheirBlankCounts) {
    MaugliProblem plain;
    MaugliProblem negative;
    negative.sign = "-";
    MaugliProblem mixed;
    mixed.w1 = "3";
    mixed.w2 = "5";
    MaugliProblem mixedNegative = mixed;
    mixedNegative.sign = "-";
    EXPECT_EQ(OperationLine(1, 0, true, plain), blanks(14) + "+" + blanks(15) + "=");
    EXPECT_EQ(OperationLine(1, 6, false, plain), blanks(14) + "+" + blanks(13) + "=");
    EXPECT_EQ(OperationLine(1, 4, false, plain), blanks(14) + "-" + blanks(13) + "=");
    EXPECT_EQ(OperationLine(1, 9, false, plain), blanks(14) + "-" + blanks(13) + "=");
    EXPECT_EQ(OperationLine(2, 1, false, plain), blanks(14) + "+(-" + blanks(11) + ")=");
    EXPECT_EQ(OperationLine(2, 7, false, plain), blanks(14) + "+(-" + blanks(11) + ")=");
    EXPECT_EQ(OperationLine(2, 8, false, plain), blanks(14) + "-(-" + blanks(11) + ")=");
    EXPECT_EQ(OperationLine(3, 2, false, plain), blanks(14) + "X" + blanks(14) + "=");  // Latin X
    EXPECT_EQ(OperationLine(3, 5, false, plain), blanks(14) + ":" + blanks(14) + "=");
    EXPECT_EQ(OperationLine(4, 0, true, negative), blanks(14) + "X(-" + blanks(11) + ")=");
    EXPECT_EQ(OperationLine(4, 6, false, plain), blanks(14) + "X" + blanks(14) + "=");
    EXPECT_EQ(OperationLine(1, 10, false, mixed), "3" + blanks(13) + "+" + blanks(2) + "5" + blanks(10) + "=");
    EXPECT_EQ(OperationLine(1, 11, false, mixed), "3" + blanks(13) + "-" + blanks(2) + "5" + blanks(10) + "=");
    EXPECT_EQ(OperationLine(2, 10, false, mixed), "3" + blanks(13) + "+(-5" + blanks(9) + ")=");
    EXPECT_EQ(OperationLine(2, 11, false, mixed), "3" + blanks(13) + "-(-5" + blanks(9) + ")=");
    EXPECT_EQ(OperationLine(3, 10, false, mixed), "3" + blanks(13) + "X" + blanks(2) + "5" + blanks(10) + "=");
    EXPECT_EQ(OperationLine(4, 10, false, mixed), "3" + blanks(10) + "X" + blanks(2) + "5" + blanks(10) + "=");
    EXPECT_EQ(OperationLine(4, 10, false, mixedNegative), "3" + blanks(10) + "X(-5" + blanks(9) + ")=");
    EXPECT_EQ(OperationLine(3, 11, false, mixed), "3" + blanks(13) + ":" + blanks(2) + "5" + blanks(10) + "=");
    EXPECT_EQ(OperationLine(4, 11, false, mixedNegative), "3" + blanks(13) + ":(-5" + blanks(9) + ")=");
}

// ---- the redraw of kinds 4 and 6 ----

TEST(Maugli, EqualFractionsAreRedrawnWithoutRunningOutOfFactors) {
    // Four passes in a row draw equal fractions (2/14 = 3/21, 3/21 = 2/14,
    // 5/35 = 2/14, 7/49 = 2/14), each with another factor b; the fifth differs.
    const std::vector<int> passes = {30, 0,  10, 1, 2,  30, 10, 0, 2, 1,  30, 20, 0, 4, 1,
                                     30, 30, 0,  6, 1,  30, 0,  10, 0, 0};
    for (int kind : {4, 6}) {
        std::vector<int> values = passes;
        if (kind == 6) values.insert(values.begin(), {4, 2});  // 7 1/14 − 3 1/21
        ScriptedRandom script(values);
        MaugliGenerator generator;
        const MaugliProblem p = generator.draw(kind);
        EXPECT_EQ(QStringList({p.t1, p.d1, p.t2, p.d2}), QStringList({"1", "14", "1", "21"}));
        EXPECT_EQ(QStringList({p.whole, p.numerator, p.denominator}),
                  kind == 4 ? QStringList({"", "1", "42"}) : QStringList({"4", "1", "42"}));
        EXPECT_TRUE(script.exhausted());
    }
}

TEST(Maugli, KindsFourAndSixDrawnAMillionTimesAlwaysEnd) {
    SeededRandom seeded(4);
    MaugliGenerator generator;
    for (int i = 0; i < 500000; ++i) {
        for (int kind : {4, 6}) {
            const MaugliProblem p = generator.draw(kind);
            // The larger fraction comes first, so the difference is positive.
            ASSERT_GT(p.t1.toLongLong() * p.d2.toLongLong(), p.t2.toLongLong() * p.d1.toLongLong());
        }
    }
}

// ---- checking and the timer ----

TEST(Maugli, ADoubleClickOnARightAnswerScoresOnce) {
    Game game;
    SeededRandom seeded(11);
    game.start(1);
    for (int problem = 1; problem <= 11; ++problem) {
        game.answerRight();
        Click(game.s().button(3));  // the second click of a double click
        EXPECT_EQ(game.s().score(), problem);
        EXPECT_EQ(game.verdict(), "Правильно");
        game.tick();
    }
    EXPECT_EQ(game.s().label(7)->text(), "");
    EXPECT_TRUE(Shown(game.s().button(3)));
    EXPECT_EQ(game.folder.lines("GTM\\stat.txt").size(), 0);
}

TEST(Maugli, AWrongAnswerKeepsTheIdleCountAndARightOneResetsIt) {
    Game game;
    SeededRandom seeded(3);
    EXPECT_EQ(game.s().idleTicks(), 0);
    game.tick(5);
    EXPECT_EQ(game.s().idleTicks(), 0);  // nothing counts before a garden starts
    game.start(1);
    game.tick(10);
    EXPECT_EQ(game.s().idleTicks(), 11);
    game.answer("x", "", "");
    EXPECT_EQ(game.s().idleTicks(), 11);
    game.tick();
    EXPECT_EQ(game.s().idleTicks(), 12);
    game.answerRight();
    EXPECT_EQ(game.s().idleTicks(), 1);
}

TEST(Maugli, WarningsAndTheLossAtRestPoseZero) {
    Game game;
    SeededRandom seeded(5);
    game.start(1);
    game.tick(28);
    EXPECT_EQ(game.character(), "GTM\\m1.bmp");
    game.tick();
    EXPECT_EQ(game.character(), "GTM\\g!1.bmp");
    game.tick(29);
    EXPECT_EQ(game.character(), "GTM\\g!1.bmp");
    game.tick();
    EXPECT_EQ(game.character(), "GTM\\g!2.bmp");
    game.s().image(1)->clearPicture();
    game.tick(29);
    EXPECT_TRUE(game.s().image(1)->isEmpty());
    game.tick();  // 89th
    EXPECT_EQ(game.character(), "GTM\\g!2.bmp");
    EXPECT_EQ(game.s().endState(), TForm36::Playing);
    EXPECT_TRUE(game.s().label(9)->text().isEmpty() && game.s().label(10)->text().isEmpty());
    game.tick();  // 90th
    EXPECT_EQ(game.character(), "GTM\\uneslo.bmp");
    EXPECT_EQ(game.s().endState(), TForm36::Lost);
    EXPECT_EQ(game.s().score(), 13);
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(game.s().edit(n)->isEnabled());
    EXPECT_EQ(game.s().label(9)->text(), game.s().problem().whole);
    EXPECT_EQ(game.s().label(10)->text(), game.s().problem().numerator);
    EXPECT_EQ(game.s().label(11)->text(), game.s().problem().denominator);

    // After the loss even the right answer is wrong, with its animation.
    EXPECT_TRUE(Shown(game.s().button(3)));
    game.answerRight();
    EXPECT_EQ(game.verdict(), "Неправильно");
    EXPECT_EQ(game.s().score(), 13);
    QStringList frames;
    for (int i = 0; i < 5; ++i) {
        game.tick();
        frames << game.character();
    }
    EXPECT_EQ(frames, QStringList({"GTM\\m222.bmp", "GTM\\m1vis2.bmp", "GTM\\m222.bmp", "GTM\\m1.bmp", "GTM\\m1.bmp"}));
    game.tick(200);
    EXPECT_EQ(game.s().endState(), TForm36::Lost);
    EXPECT_EQ(game.folder.lines("GTM\\stat.txt").size(), 0);  // a lost game leaves no line
}

TEST(Maugli, RightAnswersMoveTheCharacterAndTheWarningsAtPoseFourDiffer) {
    Game game;
    SeededRandom seeded(6);
    game.start(1);
    game.answerRight();
    QStringList frames;
    for (int i = 0; i < 4; ++i) {
        game.tick();
        frames << game.character();
    }
    EXPECT_EQ(frames, QStringList({"GTM\\m1.bmp", "GTM\\m2.bmp", "GTM\\m3.bmp", "GTM\\m3.bmp"}));
    EXPECT_EQ(game.s().pose(), 4);
    EXPECT_EQ(game.s().image(5)->pictureName(), "GTM\\level1.bmp");
    // A wrong answer at pose 4 plays its own frames.
    game.answer("", "", "");
    frames.clear();
    for (int i = 0; i < 4; ++i) {
        game.tick();
        frames << game.character();
    }
    EXPECT_EQ(frames, QStringList({"GTM\\m444.bmp", "GTM\\m1vis.bmp", "GTM\\m444.bmp", "GTM\\m3.bmp"}));
    // The idle count restarted at the last animation step (tick 3) and the
    // wrong answer left it running: the first warning comes 29 ticks after it.
    game.tick(23);
    EXPECT_EQ(game.character(), "GTM\\m3.bmp");
    game.tick();
    EXPECT_EQ(game.character(), "GTM\\gg1.bmp");
    game.tick(30);
    EXPECT_EQ(game.character(), "GTM\\gg2.bmp");
    game.tick(30);
    EXPECT_EQ(game.character(), "GTM\\gg3.bmp");
    EXPECT_EQ(game.s().endState(), TForm36::Playing);
    game.tick();
    EXPECT_EQ(game.character(), "GTM\\uneslo.bmp");
    EXPECT_EQ(game.s().endState(), TForm36::Lost);
}

TEST(Maugli, TheCharacterGoesRoundItsRestPosesAndWarnsFromPoseSeven) {
    Game game;
    SeededRandom seeded(14);
    game.start(1);
    const auto play = [&](int ticks) {
        QStringList frames;
        for (int i = 0; i < ticks; ++i) {
            game.tick();
            frames << game.character();
        }
        return frames;
    };
    game.answerRight();
    EXPECT_EQ(play(3), QStringList({"GTM\\m1.bmp", "GTM\\m2.bmp", "GTM\\m3.bmp"}));
    // The tick that brings the next problem also wipes the verdict and the typed answer.
    EXPECT_EQ(game.verdict(), "");
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(game.s().edit(n)->text(), "") << n;
    game.answerRight();
    EXPECT_EQ(play(2), QStringList({"GTM\\m11.bmp", "GTM\\m22.bmp"}));
    EXPECT_EQ(game.s().pose(), 7);
    // Pose 7 shares the wrong-answer frames and the warnings of pose 0.
    game.answer("", "", "");
    EXPECT_EQ(play(4), QStringList({"GTM\\m222.bmp", "GTM\\m1vis2.bmp", "GTM\\m222.bmp", "GTM\\m1.bmp"}));
    game.tick(24);  // 28 ticks after the last animation step
    EXPECT_EQ(game.character(), "GTM\\m1.bmp");
    game.tick();
    EXPECT_EQ(game.character(), "GTM\\g!1.bmp");
    game.tick(30);
    EXPECT_EQ(game.character(), "GTM\\g!2.bmp");
    // A right answer in time: from pose 7 back to rest pose 4.
    game.answerRight();
    EXPECT_EQ(play(3), QStringList({"GTM\\m33.bmp", "GTM\\m44.bmp", "GTM\\m44.bmp"}));
    EXPECT_EQ(game.s().pose(), 4);
    EXPECT_EQ(game.s().idleTicks(), 2);
    EXPECT_EQ(game.s().score(), 3);
}

TEST(Maugli, OtherGardensOpenWithTheWrongAnswerAnimation) {
    Game game;
    SeededRandom seeded(8);
    game.start(3);
    QStringList frames;
    for (int i = 0; i < 6; ++i) {
        game.tick();
        frames << game.character();
    }
    EXPECT_EQ(frames, QStringList({"GTM\\m1.bmp", "GTM\\m222.bmp", "GTM\\m1vis2.bmp", "GTM\\m222.bmp", "GTM\\m1.bmp",
                                   "GTM\\m1.bmp"}));
}

TEST(Maugli, TwelveRightAnswersWinOneRewardAndOneLogLine) {
    Game game;
    SeededRandom seeded(12);
    game.start(3);
    for (int problem = 1; problem <= 12; ++problem) {
        game.clock.advance(50);
        game.answerRight();
        if (problem < 12) game.tick(2);
    }
    EXPECT_EQ(game.s().score(), 12);
    EXPECT_EQ(game.s().label(7)->text(), "Поздоровляю!");
    EXPECT_EQ(game.s().label(8)->text(), "Час 600 c");  // Latin c
    EXPECT_FALSE(Shown(game.s().button(3)));
    // A single blank after the start time, two before "час" and "рівень"; the c is Latin.
    EXPECT_EQ(game.folder.lines("GTM\\stat.txt"),
              QStringList({"дата 08.12.2026 час початку 9:05:03  час виконання 600 c  рівень 3"}));

    game.tick();
    EXPECT_EQ(game.s().endState(), TForm36::Rewarded);
    const QString reward = game.s().image(2)->pictureName();
    static const QRegularExpression gardenThree(QStringLiteral("^GTM\\\\a(1[3-8])\\.bmp$"));
    EXPECT_TRUE(gardenThree.match(reward).hasMatch()) << reward.toStdString();
    EXPECT_EQ(game.character(), "GTM\\face.bmp");
    EXPECT_EQ(game.s().image(5)->pictureName(), "GTM\\level12.bmp");
    {
        ScriptedRandom noMoreDraws({});  // a second choice of reward would draw again
        game.tick(100);
    }
    EXPECT_EQ(game.s().image(2)->pictureName(), reward);
    EXPECT_EQ(game.character(), "GTM\\face.bmp");
    EXPECT_EQ(game.s().endState(), TForm36::Rewarded);
    EXPECT_EQ(game.folder.lines("GTM\\stat.txt").size(), 1);
}

TEST(Maugli, RewardsFollowTheGarden) {
    for (int garden = 1; garden <= 4; ++garden) {
        Game game;
        SeededRandom seeded(20 + garden);
        game.start(garden);
        for (int problem = 1; problem <= 12; ++problem) {
            game.answerRight();
            if (problem < 12) game.tick();
        }
        ScriptedRandom last({58});  // the sixth picture of the garden
        game.tick();
        EXPECT_EQ(game.s().image(2)->pictureName(), QStringLiteral("GTM\\a%1.bmp").arg(6 * garden));
    }
}

TEST(Maugli, AMissingLogStillShowsTheWinnersTime) {
    Game game;
    game.folder.remove("GTM\\stat.txt");
    SeededRandom seeded(13);
    game.start(1);
    ErrorRecorder errors;
    for (int problem = 1; problem <= 12; ++problem) {
        game.answerRight();
        game.tick();
    }
    EXPECT_EQ(errors.messages(), QStringList({"File not found"}));
    EXPECT_EQ(game.s().label(7)->text(), "Поздоровляю!");
    EXPECT_TRUE(game.s().label(8)->text().startsWith("Час "));
    EXPECT_FALSE(game.folder.exists("GTM\\stat.txt"));
}

TEST(Maugli, FormCreateLeavesOnlyTheGardensAndTheWelcome) {
    Game game;
    for (int n = 1; n <= 15; ++n) EXPECT_EQ(game.s().label(n)->text(), "") << n;
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(Shown(game.s().edit(n)));
    EXPECT_FALSE(Shown(game.s().button(3)));
    EXPECT_FALSE(Shown(game.s().button(7)));
    EXPECT_EQ(game.s().button(2)->text(), "Сад 1");
    EXPECT_EQ(game.s().button(6)->text(), "Сад 4");
    EXPECT_EQ(game.s().button(3)->text(), "Перевірка");
    EXPECT_EQ(game.character(), "GTM\\first.bmp");
    EXPECT_EQ(game.s().windowTitle(), "Form36");
    EXPECT_EQ(game.s().timer(1)->interval(), 1000);
}

// ---- the oracle ----

// The screen itself, played like a pupil who knows every answer.
TEST(Maugli, OracleOverSeededGamesPlayedOnTheScreen) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom seeded(1);
    const int gamesPerGarden = 250;
    for (int garden = 1; garden <= 4; ++garden) {
        int negatives = 0;
        for (int g = 0; g < gamesPerGarden; ++g) {
            seeded.reseed(uint32_t(garden * 100000 + g));
            const auto screen = CreateScreen<TForm36>();
            screen->timer(1)->stop();
            const int buttons[] = {2, 4, 5, 6};
            Click(screen->button(buttons[garden - 1]));
            for (int problem = 0; problem < 12; ++problem) {
                const ShownProblem shown = readProblem(*screen);
                ASSERT_TRUE(shown.parsed) << "garden " << garden << ": " << screen->label(1)->text().toStdString();
                const Expected e = textsOf(operate(shown.first, shown.op, shown.second));
                if (e.whole.startsWith(u'-')) ++negatives;
                Type(screen->edit(1), e.whole);
                Type(screen->edit(2), e.numerator);
                Type(screen->edit(3), e.denominator);
                Click(screen->button(3));
                ASSERT_EQ(screen->label(2)->text(), "Правильно")
                    << "garden " << garden << " problem " << problem << ": "
                    << screen->label(1)->text().toStdString() << " " << screen->label(3)->text().toStdString() << "/"
                    << screen->label(4)->text().toStdString() << " " << screen->label(5)->text().toStdString() << "/"
                    << screen->label(6)->text().toStdString() << " expected " << e.whole.toStdString() << " "
                    << e.numerator.toStdString() << "/" << e.denominator.toStdString();
                screen->Timer1Timer();
            }
            ASSERT_EQ(screen->score(), 12);
        }
        expectNegativeShare(garden, negatives, gamesPerGarden);
    }
}

// Many more games through the garden schedule and the texts the screen shows.
TEST(Maugli, OracleOverThousandsOfSeededGamesPerGarden) {
    SeededRandom seeded(2);
    const int gamesPerGarden = 20000;
    for (int garden = 1; garden <= 4; ++garden) {
        MaugliGenerator generator;
        int negatives = 0;
        for (int g = 0; g < gamesPerGarden; ++g) {
            for (int score = 0; score < 12; ++score) {
                const MaugliProblem p = generator.next(garden, score);
                const QString line = OperationLine(garden, score, score == 0, p);
                const ShownProblem shown = readProblem(line, p.t1, p.d1, p.t2, p.d2);
                ASSERT_TRUE(shown.parsed) << line.toStdString();
                const Expected e = textsOf(operate(shown.first, shown.op, shown.second));
                if (e.whole.startsWith(u'-')) ++negatives;
                ASSERT_EQ(QStringList({p.whole, p.numerator, p.denominator}),
                          QStringList({e.whole, e.numerator, e.denominator}))
                    << "garden " << garden << " score " << score << ": " << line.toStdString() << " "
                    << p.t1.toStdString() << "/" << p.d1.toStdString() << " " << p.t2.toStdString() << "/"
                    << p.d2.toStdString();
            }
        }
        expectNegativeShare(garden, negatives, gamesPerGarden);
    }
}

// ---- the pictures ----

TEST(Maugli, EveryPictureExistsAndAnimationFramesDiffer) {
    TempDataFolder folder;
    const auto load = [&](const QString& name) {
        QImage image(folder.file(QStringLiteral("GTM\\") + name + QStringLiteral(".bmp")));
        EXPECT_FALSE(image.isNull()) << name.toStdString();
        return image;
    };
    const QStringList animations[] = {{"first", "m1", "m2", "m3"},    {"m3", "m11", "m22"},         {"m22", "m33", "m44"},
                                      {"m222", "m1vis2", "m222", "m1"}, {"m444", "m1vis", "m444", "m3"},
                                      {"m1", "g!1", "g!2", "uneslo"},    {"m3", "gg1", "gg2", "gg3"},  {"m44", "face"}};
    for (const QStringList& frames : animations)
        for (int i = 1; i < frames.size(); ++i)
            EXPECT_NE(load(frames[i - 1]), load(frames[i])) << frames[i - 1].toStdString() << " " << frames[i].toStdString();
    for (int level = 1; level <= 12; ++level)
        EXPECT_NE(load(QStringLiteral("level%1").arg(level - 1)), load(QStringLiteral("level%1").arg(level)));
    QList<QImage> rewards;
    for (int a = 1; a <= 24; ++a) {
        const QImage reward = load(QStringLiteral("a%1").arg(a));
        EXPECT_FALSE(rewards.contains(reward)) << "a" << a;
        rewards << reward;
    }
    EXPECT_EQ(load("chdr4").size(), QSize(41, 17));
    EXPECT_EQ(load("level0").size(), QSize(26, 217));
}
