#include <QRegularExpression>
#include <gtest/gtest.h>
#include <numeric>
#include <set>
#include <stdexcept>

#include "app/layout_dump.h"
#include "problems/set1.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

// The weekdays written out again here, so the oracle does not borrow the screen's table.
const QStringList kDays{"понеділок", "вівторок", "середу", "четвер", "п`ятницю", "субботу", "неділю"};

std::vector<int64_t> Numbers(const QString& text) {
    std::vector<int64_t> numbers;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    for (auto it = digits.globalMatch(text); it.hasNext();) numbers.push_back(it.next().captured().toLongLong());
    return numbers;
}

int64_t Lcm(int64_t a, int64_t b) { return a / std::gcd(a, b) * b; }

// What a pupil who knows the mathematics would answer, read from the problem text alone.
struct Solution {
    int kind = 0;
    QStringList fields;  // Edit1 … Edit4
    int weekday = -1;    // combo index for the pool problem
};

Solution Solve(const TForm24& s) {
    const QString l2 = s.label(2)->text(), l3 = s.label(3)->text(), l4 = s.label(4)->text();
    Solution out;
    auto add = [&](int64_t v) { out.fields << QString::number(v); };
    if (l2.startsWith("Між шкільними")) {
        out.kind = 1;
        const auto xy = Numbers(l2);
        const int64_t L = Numbers(l3).at(0);
        const int64_t g = std::gcd(xy.at(0), xy.at(1));
        std::vector<int64_t> schools;  // every share-out with at least L schools
        for (int64_t d = 1; d <= g; ++d)
            if (g % d == 0 && d >= L) schools.push_back(d);
        EXPECT_EQ(schools.size(), 1u) << l2.toStdString() << " / " << L;
        if (!schools.empty()) add(schools.front());
    } else if (l2.startsWith("Для новорічних")) {
        out.kind = 2;
        const auto n = Numbers(l2);
        const int64_t g = std::gcd(std::gcd(n.at(0), n.at(1)), n.at(2));
        add(g), add(n[0] / g), add(n[1] / g), add(n[2] / g);
    } else if (l2.startsWith("Із ")) {
        out.kind = 3;
        const auto n = Numbers(l2);
        add(std::gcd(std::gcd(n.at(0), n.at(1)), n.at(2)));
    } else if (l2.startsWith("Довжина кроку")) {
        out.kind = 4;
        const auto n = Numbers(l2);
        add(Lcm(n.at(0), n.at(1)));
    } else if (l2.startsWith("Сашко")) {
        out.kind = 5;
        const auto n = Numbers(l2);
        EXPECT_EQ(n.size(), 3u);
        EXPECT_TRUE(n[0] != n[1] && n[0] != n[2] && n[1] != n[2]);
        const int64_t m = Lcm(Lcm(n.at(0), n.at(1)), n.at(2));
        add(m);
        static const QRegularExpression day(QStringLiteral("у (\\S+)\\. "));
        const int w = int(kDays.indexOf(day.match(l3).captured(1)));
        EXPECT_GE(w, 0) << l3.toStdString();
        out.weekday = int((w + m) % 7);
    } else if (l2.startsWith("Готуючи")) {
        out.kind = 6;
        const auto xy = Numbers(l3), bounds = Numbers(l4);
        const int64_t k = Lcm(xy.at(0), xy.at(1));
        std::vector<int64_t> counts;  // multiples of k strictly between the bounds
        for (int64_t v = (bounds.at(0) / k + 1) * k; v < bounds.at(1); v += k) counts.push_back(v);
        EXPECT_EQ(counts.size(), 1u) << l3.toStdString() << " / " << l4.toStdString();
        if (!counts.empty()) add(counts.front());
    }
    EXPECT_NE(out.kind, 0) << "unknown problem: " << l2.toStdString();
    return out;
}

void Enter(TForm24& s, const Solution& solution) {
    for (int i = 0; i < solution.fields.size(); ++i) Type(s.edit(i + 1), solution.fields[i]);
    if (solution.weekday >= 0) Choose(s.comboBox(1), solution.weekday);
}

// A wrong answer that is wrong in one place only.
void EnterWrong(TForm24& s, const Solution& solution) {
    Enter(s, solution);
    if (solution.kind == 2) Type(s.edit(4), solution.fields[3] + "0");
    else if (solution.kind == 5) s.comboBox(1)->setCurrentIndex(-1);
    else Type(s.edit(1), solution.fields[0] + "1");
}

// A tick of Timer1, under the same guard as the real one.
void Tick(TForm24& s) { RunGuarded([&] { s.Timer1Timer(); }); }

QString Lines(const TForm24& s) {
    return s.label(2)->text() + "\n" + s.label(3)->text() + "\n" + s.label(4)->text();
}

// One scripted problem: the first press of "Початок" with the given draws.
struct Scripted {
    TempDataFolder folder;
    ScriptedRandom random;
    std::unique_ptr<TForm24> screen;
    explicit Scripted(std::vector<int> draws) : random(std::move(draws)), screen(CreateScreen<TForm24>()) {
        Click(screen->button(2));
        EXPECT_TRUE(random.exhausted());
    }
};

// Plays a script like ScriptedRandom and also keeps the n of every Random(n), so a
// test can pin the range of each draw, not only the values it returns.
class RecordingRandom : public RandomSource {
public:
    explicit RecordingRandom(std::vector<int> values) : values_(std::move(values)) { setRandomSource(this); }
    ~RecordingRandom() override { setRandomSource(nullptr); }
    int next(int n) override {
        ranges.push_back(n);
        if (position_ >= values_.size() || values_[position_] >= n) {
            ADD_FAILURE() << "draw " << position_ + 1 << " of Random(" << n << ") is off the script";
            throw std::runtime_error("random script broken");
        }
        return values_[position_++];
    }
    void randomize() override {}
    std::vector<int> ranges;

private:
    std::vector<int> values_;
    size_t position_ = 0;
};

}  // namespace

TEST(Set1, StartsIdleWithOnlyStartAndReturn) {
    TempDataFolder folder;
    auto s = CreateScreen<TForm24>();
    EXPECT_EQ(s->button(1)->text(), "Повернення");
    EXPECT_EQ(s->button(2)->text(), "Початок");
    EXPECT_EQ(s->button(3)->text(), "Перевірка");
    EXPECT_TRUE(Shown(s->button(2)));
    EXPECT_FALSE(Shown(s->button(3)));
    EXPECT_FALSE(Shown(s->button(4)));
    EXPECT_EQ(s->label(18)->text(), "158 - 183 (6)");
    for (int n = 1; n <= 17; ++n) EXPECT_EQ(s->label(n)->text(), "") << n;
    for (int n = 1; n <= 4; ++n) EXPECT_FALSE(Shown(s->edit(n)));
    EXPECT_FALSE(Shown(s->comboBox(1)));
    EXPECT_EQ(s->comboBox(1)->count(), 7);
    EXPECT_EQ(s->comboBox(1)->itemText(4), "п`ятницю");  // a backquote, as written
    EXPECT_EQ(s->comboBox(1)->itemText(5), "субботу");
    EXPECT_EQ(s->timer(1)->interval(), 100);
    EXPECT_TRUE(LayoutDumpLines(*s).front().startsWith("button1.Left:="));
}

TEST(Set1, DictionariesRedrawAUsedPrime) {
    // kind 1; p = 3, P = 29 (G = 87); L = 84; q = 2; r: 2 is taken, then 7.
    Scripted run({0, 10, 10, 2, 0, 0, 30});
    TForm24& s = *run.screen;
    EXPECT_EQ(s.label(1)->text(), "Задача 1");
    EXPECT_EQ(s.label(7)->text(), "Відповідь: ");
    EXPECT_EQ(Lines(s),
              "Між шкільними бібліотеками поділили 174 тлумачних і 609 орфографічних словників\n"
              "української мови. Скільки було шкіл, якщо відомо, що їх не менше ніж 84 і кожна школа\n"
              "отримала однакову кількість словників кожного виду.");
    EXPECT_TRUE(Shown(s.edit(1)) && s.edit(1)->isEnabled());
    EXPECT_FALSE(Shown(s.edit(2)));
    EXPECT_FALSE(Shown(s.button(2)));
    EXPECT_TRUE(Shown(s.button(3)));
    Type(s.edit(1), "87");
    Click(s.button(3));
    EXPECT_EQ(s.label(8)->text(), "Правильно");
    EXPECT_FALSE(s.edit(1)->isEnabled());
    EXPECT_EQ(s.button(2)->text(), "Продовження");
    EXPECT_TRUE(Shown(s.button(2)));
    EXPECT_FALSE(Shown(s.button(3)));
    EXPECT_EQ(s.image(1)->pictureName(), "z1\\g1(1).bmp");
}

TEST(Set1, GiftsTakeEveryNounForm) {
    struct Case {
        std::vector<int> draws;
        QString line2;
        QStringList answers;
    };
    const std::vector<Case> cases = {
        // 1701 (ends in 1), 693 (in 3), 1071 (in 1)
        {{10, 10, 30, 10, 10, 10, 10, 0, 0},
         "Для новорічних подарунків придбали 1701 шоколадка, 693 апельсини,  і 1071 банан. ",
         {"63", "27", "11", "17"}},
        // 3969 (in 9), 1911 (in 11), 2793 (in 3)
        {{10, 30, 30, 10, 10, 10, 10, 10, 10},
         "Для новорічних подарунків придбали 3969 шоколадок, 1911 апельсинів,  і 2793 банани. ",
         {"147", "27", "13", "19"}},
        // 336 (in 6), 462 (in 2), 714 (in 14)
        {{10, 0, 30, 10, 0, 0, 0, 0, 0},
         "Для новорічних подарунків придбали 336 шоколадок, 462 апельсини,  і 714 бананів. ",
         {"42", "8", "11", "17"}},
    };
    for (const Case& c : cases) {
        Scripted run(c.draws);
        TForm24& s = *run.screen;
        EXPECT_EQ(s.label(2)->text(), c.line2);
        EXPECT_EQ(s.label(3)->text(), "Яку найбільшу кількість однакових подарунків можна з них зробити? Скільки окремих");
        EXPECT_EQ(s.label(4)->text(), "шоколадок, апельсинів і бананів буде в кожному подарунку?");
        EXPECT_EQ(QStringList({s.label(17)->text(), s.label(11)->text(), s.label(12)->text(), s.label(13)->text()}),
                  QStringList({"подарунків", "шоколадок", "апельсинів", "бананів"}));
        for (int n = 1; n <= 4; ++n) EXPECT_TRUE(Shown(s.edit(n)) && s.edit(n)->isEnabled());
        // Three of four right is one wrong problem, and all four right answers are shown.
        for (int n = 1; n <= 3; ++n) Type(s.edit(n), c.answers[n - 1]);
        Type(s.edit(4), "1");
        Click(s.button(3));
        EXPECT_EQ(s.label(8)->text(), "Неправильно");
        EXPECT_EQ(s.label(9)->text(), "Правильна відповідь:");
        EXPECT_EQ(QStringList({s.label(10)->text(), s.label(14)->text(), s.label(15)->text(), s.label(16)->text()}),
                  c.answers);
        EXPECT_EQ(s.errorCount(), 1);
        for (int n = 1; n <= 4; ++n) EXPECT_FALSE(s.edit(n)->isEnabled());
    }
}

TEST(Set1, RosesStepsAndSweetsJoinTheirTextsExactly) {
    {
        // kind 3; G = 7·7·3, drawn in that order (a 30 for the last factor, drawn
        // from 29, would stop the script); x = 147·2·3, y = 147·13, z = 147·19
        Scripted run({20, 30, 30, 10, 0, 10, 10, 10});
        EXPECT_EQ(Lines(*run.screen),
                  "Із 882 жовтих, 1911 білих і 2793 червоних троянд склали букети. Яку найбільшу кількість\n"
                  "букетів можна скласти, щоб у всіх букетах троянд кожного кольору було  порівну?\n");
        EXPECT_EQ(Solve(*run.screen).fields, QStringList{"147"});
        Type(run.screen->edit(1), "147");
        Click(run.screen->button(3));
        EXPECT_EQ(run.screen->label(8)->text(), "Правильно");
    }
    {
        // kind 4; k = 5, x = 5·7, y = 5·11
        Scripted run({30, 20, 30, 0});
        EXPECT_EQ(Lines(*run.screen),
                  "Довжина кроку Чебурашки дорівнює 35 см, а крокодила Гени - 55 см. Яку найменшу однакову\n"
                  "відстань має пройти кожний з них, щоб вони обидва зробили по цілому  числу кроків?\n");
        Type(run.screen->edit(1), "385");
        Click(run.screen->button(3));
        EXPECT_EQ(run.screen->label(8)->text(), "Правильно");
    }
    {
        // kind 6; p1 = 3, p2 = 5, p3: 5 is taken, then 7; c = 19: N = 1995, h = 52
        Scripted run({50, 0, 10, 10, 20, 10, 7, 3});
        EXPECT_EQ(Lines(*run.screen),
                  "Готуючи подарунки до Нового року, члени батьківського комітету побачили,  що цукерки,\n"
                  "які в них є, можна розкласти порівну по 15 або по 21 штуці в один  подарунок. Скільки\n"
                  "було цукерок, якщо відомо, що їх було більше за 1936 і менше від 2050?");
        Type(run.screen->edit(1), "1995 ");  // a trailing space is not the answer
        Click(run.screen->button(3));
        EXPECT_EQ(run.screen->label(8)->text(), "Неправильно");
        EXPECT_EQ(run.screen->label(10)->text(), "1995");
        EXPECT_EQ(run.screen->label(14)->text(), "");
    }
}

TEST(Set1, PoolMeetsAgainAcrossSunday) {
    // kind 5; a = 2, b: 2 again, then 3; c = 4; met on Saturday; 12 days later is Thursday.
    const std::vector<int> draws{40, 0, 0, 10, 20, 50};
    {
        Scripted run(draws);
        TForm24& s = *run.screen;
        EXPECT_EQ(Lines(s),
                  "Сашко ходить до басейну один раз на 2 дні, Миколка - на 3 дні, Петрик - на 4 дні.\n"
                  "Вони зустрілися в басейні у субботу. Через скільки днів і в який день тижня вони зустрінуться\n"
                  "наступного разу?");
        EXPECT_EQ(s.label(17)->text(), "скільки днів");
        EXPECT_EQ(s.label(11)->text(), "день тижня");
        EXPECT_TRUE(Shown(s.comboBox(1)) && s.comboBox(1)->isEnabled());
        EXPECT_FALSE(Shown(s.edit(2)));
        EXPECT_EQ(s.comboBox(1)->currentIndex(), -1);
        // The right number of days without a weekday is wrong.
        Type(s.edit(1), "12");
        Click(s.button(3));
        EXPECT_EQ(s.label(8)->text(), "Неправильно");
        EXPECT_EQ(s.label(10)->text(), "12");
        EXPECT_EQ(s.label(14)->text(), "четвер");
        EXPECT_FALSE(s.comboBox(1)->isEnabled());
    }
    {
        Scripted run(draws);
        Type(run.screen->edit(1), "12");
        Choose(run.screen->comboBox(1), 3);
        Click(run.screen->button(3));
        EXPECT_EQ(run.screen->label(8)->text(), "Правильно");
    }
    {
        // Five-day and six-day periods take "днів".
        Scripted run({40, 30, 40, 0, 0});
        EXPECT_TRUE(run.screen->label(2)->text().startsWith(
            "Сашко ходить до басейну один раз на 5 днів, Миколка - на 6 днів, Петрик - на 2 дні."));
        EXPECT_TRUE(run.screen->label(3)->text().startsWith("Вони зустрілися в басейні у понеділок."));
    }
}

TEST(Set1, AnswersAreComparedAsExactText) {
    SeededRandom random(7);
    for (const QString& decorate : {QStringLiteral(" %1"), QStringLiteral("0%1"), QStringLiteral("+%1"),
                                    QStringLiteral("%1 "), QStringLiteral("%1,0")}) {
        TempDataFolder folder;
        auto s = CreateScreen<TForm24>();
        Click(s->button(2));
        Solution solution = Solve(*s);
        solution.fields[0] = decorate.arg(solution.fields[0]);
        Enter(*s, solution);
        Click(s->button(3));
        EXPECT_EQ(s->label(8)->text(), "Неправильно") << decorate.toStdString();
    }
}

TEST(Set1, FaultlessSetLoopsTheAnimationAndLogsTheLine) {
    TempDataFolder folder;
    FakeClock clock;  // 08.12.2026 9:05:03
    SeededRandom random(2026);
    auto s = CreateScreen<TForm24>();
    for (int problem = 1; problem <= 5; ++problem) {
        Click(s->button(2));
        EXPECT_EQ(s->label(1)->text(), QStringLiteral("Задача %1").arg(problem));
        if (problem == 5) clock.advance(75);
        Enter(*s, Solve(*s));
        Click(s->button(3));
        ASSERT_EQ(s->label(8)->text(), "Правильно");
        if (problem < 5) {
            EXPECT_EQ(s->image(1)->pictureName(), QStringLiteral("z1\\g1(%1).bmp").arg(problem));
            EXPECT_FALSE(s->animating());
            Tick(*s);
            EXPECT_EQ(s->image(1)->pictureName(), QStringLiteral("z1\\g1(%1).bmp").arg(problem));
        }
    }
    // The fifth right answer shows no still: the next tick starts the loop.
    EXPECT_EQ(s->image(1)->pictureName(), "z1\\g1(4).bmp");
    EXPECT_TRUE(s->animating());
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
    EXPECT_FALSE(Shown(s->button(2)));
    EXPECT_FALSE(Shown(s->button(3)));
    EXPECT_EQ(s->image(2)->pictureName(), "z1\\ocenka5s.bmp");
    EXPECT_EQ(s->label(6)->text(), "Час 75 c");  // Latin c
    // The "c" after the seconds is Latin; two blanks stand before "рівень".
    EXPECT_EQ(folder.lines("z1\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 75 c  рівень 1"});
    // Byte by byte from the Windows-1251 table (the c is Latin; і b3, ь fc), then CR LF.
    const QByteArray logLine = QByteArray::fromHex(
        "e4e0f2e0 20 30382e31322e32303236 20 f7e0f1 20 efeef7e0f2eaf3 20 393a30353a3033 20 efeeece8ebeeea 20 30 20 f7e0f1"
        " 20 e2e8eaeeede0ededff 20 3735 20 63 20 20 f0b3e2e5edfc 20 31 0d0a");
    EXPECT_EQ(folder.bytes("z1\\stat.txt").toHex(' '), logLine.toHex(' '));
    QStringList shown;
    for (int tick = 0; tick < 11; ++tick) {
        Tick(*s);
        shown << s->image(1)->pictureName();
    }
    EXPECT_EQ(shown, (QStringList{"z1\\g1.bmp", "z1\\g2.bmp", "z1\\g3.bmp", "z1\\g4.bmp", "z1\\g5.bmp", "z1\\g1.bmp",
                                  "z1\\g2.bmp", "z1\\g3.bmp", "z1\\g4.bmp", "z1\\g5.bmp", "z1\\g1.bmp"}));
    // Nothing starts again: the attempt is over until the program restarts.
    Click(s->button(2));
    Click(s->button(3));
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(folder.lines("z1\\stat.txt").size(), 1);
}

TEST(Set1, TwoErrorsGiveMarkThreeAndNoAnimation) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(11);
    auto s = CreateScreen<TForm24>();
    int right = 0;
    for (int problem = 1; problem <= 5; ++problem) {
        Click(s->button(2));
        const Solution solution = Solve(*s);
        const bool wrong = problem == 2 || problem == 4;
        if (wrong) EnterWrong(*s, solution); else Enter(*s, solution);
        clock.advance(20);
        Click(s->button(3));
        if (wrong) {
            EXPECT_EQ(s->label(8)->text(), "Неправильно");
            EXPECT_EQ(s->label(9)->text(), "Правильна відповідь:");
            EXPECT_EQ(s->label(10)->text(), solution.fields[0]);
        } else {
            ++right;
            EXPECT_EQ(s->label(9)->text(), "");
            EXPECT_EQ(s->image(1)->pictureName(), QStringLiteral("z1\\g1(%1).bmp").arg(right));
        }
        // The last check never offers "Продовження".
        EXPECT_EQ(Shown(s->button(2)), problem < 5);
    }
    EXPECT_EQ(s->image(2)->pictureName(), "z1\\ocenka3s.bmp");
    EXPECT_EQ(s->image(1)->pictureName(), "z1\\g1(3).bmp");
    Tick(*s);
    EXPECT_EQ(s->image(1)->pictureName(), "z1\\g1(3).bmp");
    EXPECT_EQ(folder.lines("z1\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 2 час виконання 100 c  рівень 1"});
    EXPECT_EQ(s->label(6)->text(), "Час 100 c");
}

// Thousands of attempts: every problem's answer, worked out from its text alone,
// must be the one marking accepts, and unique where the text promises it. Each
// attempt leaves out exactly one kind and every mark picture and reward picture
// it meets must exist (an error box fails the test).
TEST(Set1, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(20261208);
    std::array<int, 7> kindSeen{};
    const int attempts = 1500;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        auto s = CreateScreen<TForm24>();
        const int wrongWanted = attempt % 6;
        std::set<int> kinds;
        for (int problem = 1; problem <= 5; ++problem) {
            Click(s->button(2));
            const Solution solution = Solve(*s);
            kinds.insert(solution.kind);
            ++kindSeen[size_t(solution.kind)];
            const bool wrong = problem <= wrongWanted;
            if (wrong) EnterWrong(*s, solution); else Enter(*s, solution);
            Click(s->button(3));
            ASSERT_EQ(s->label(8)->text(), wrong ? "Неправильно" : "Правильно") << Lines(*s).toStdString();
            if (wrong) {
                ASSERT_EQ(s->label(10)->text(), solution.fields[0]);
                if (solution.kind == 2) {
                    ASSERT_EQ(QStringList({s->label(14)->text(), s->label(15)->text(), s->label(16)->text()}),
                              solution.fields.mid(1));
                }
                if (solution.kind == 5) {
                    ASSERT_EQ(s->label(14)->text(), kDays[solution.weekday]);
                }
            }
        }
        ASSERT_EQ(kinds.size(), 5u) << "a kind repeated in attempt " << attempt;
        ASSERT_EQ(s->image(2)->pictureName(), QStringLiteral("z1\\ocenka%1s.bmp").arg(5 - wrongWanted));
        ASSERT_EQ(s->animating(), wrongWanted == 0);
        if (wrongWanted == 0)
            for (int tick = 0; tick < 5; ++tick) Tick(*s);
    }
    for (int kind = 1; kind <= 6; ++kind) EXPECT_GT(kindSeen[size_t(kind)], attempts / 2) << kind;
    EXPECT_EQ(folder.lines("z1\\stat.txt").size(), attempts);
}

TEST(Set1, ClosingAndReopeningContinuesTheAttempt) {
    StartedProgram run;
    Click(run.screen(18)->button(7));
    auto* s = static_cast<TForm24*>(run.screen(24));
    ASSERT_EQ(run.modal.opened.back(), s);
    Click(s->button(2));
    const QString text = Lines(*s);
    Click(s->button(1));
    Click(run.screen(18)->button(7));
    EXPECT_EQ(Lines(*s), text);
    EXPECT_EQ(s->label(1)->text(), "Задача 1");
    EXPECT_TRUE(Shown(s->button(3)));
    Enter(*s, Solve(*s));
    Click(s->button(3));
    EXPECT_EQ(s->label(8)->text(), "Правильно");
}

TEST(Set1, AMissingRewardPictureIsReportedAndMarkingGoesOn) {
    TempDataFolder folder;
    folder.remove("z1\\g1(1).bmp");
    folder.remove("z1\\ocenka5s.bmp");
    FakeClock clock;
    SeededRandom random(5);
    auto s = CreateScreen<TForm24>();
    ErrorRecorder errors;
    for (int problem = 1; problem <= 5; ++problem) {
        Click(s->button(2));
        Enter(*s, Solve(*s));
        Click(s->button(3));
        EXPECT_EQ(s->label(8)->text(), "Правильно");
    }
    ASSERT_EQ(errors.messages().size(), 2);
    EXPECT_TRUE(errors.messages()[0].startsWith("Cannot open file")) << errors.messages()[0].toStdString();
    EXPECT_TRUE(errors.messages()[0].contains("g1(1).bmp"));
    EXPECT_TRUE(errors.messages()[1].contains("ocenka5s.bmp"));
    // The result is not lost: time on screen and the line in the log.
    EXPECT_EQ(s->label(6)->text(), "Час 0 c");
    EXPECT_EQ(folder.lines("z1\\stat.txt").size(), 1);
}

TEST(Set1, AMissingFrameStopsTheAnimationWithOneMessage) {
    TempDataFolder folder;
    folder.remove("z1\\g3.bmp");
    SeededRandom random(9);
    auto s = CreateScreen<TForm24>();
    for (int problem = 1; problem <= 5; ++problem) {
        Click(s->button(2));
        Enter(*s, Solve(*s));
        Click(s->button(3));
    }
    ErrorRecorder errors;
    for (int tick = 0; tick < 8; ++tick) Tick(*s);
    EXPECT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(s->image(1)->pictureName(), "z1\\g2.bmp");
    EXPECT_FALSE(s->animating());
}

TEST(Set1, AMissingLogIsReportedAfterTheMarkIsShown) {
    TempDataFolder folder;
    folder.remove("z1\\stat.txt");
    SeededRandom random(3);
    auto s = CreateScreen<TForm24>();
    ErrorRecorder errors;
    for (int problem = 1; problem <= 5; ++problem) {
        Click(s->button(2));
        EnterWrong(*s, Solve(*s));
        Click(s->button(3));
    }
    EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    EXPECT_EQ(s->image(2)->pictureName(), "z1\\ocenka0s.bmp");
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
    EXPECT_FALSE(folder.exists("z1\\stat.txt"));
}

// The range of every draw, in order, for each kind: a wider or narrower range
// would reach primes or days the problem never uses, and the shared generator
// must be read exactly this many times.
TEST(Set1, EachKindDrawsFromItsOwnRangesInOrder) {
    struct Case {
        std::vector<int> draws;
        std::vector<int> ranges;
    };
    const std::vector<Case> cases = {
        // dictionaries: kind, p, P, L, q, r (one redraw)
        {{0, 10, 10, 2, 0, 0, 30}, {59, 39, 59, 5, 49, 49, 49}},
        // gifts: kind, three factors of G, s1 … s3, y, z
        {{10, 10, 30, 10, 10, 10, 10, 0, 0}, {59, 39, 39, 29, 29, 29, 29, 19, 19}},
        // roses: kind, three factors of G, s1, s2, y, z
        {{20, 30, 30, 10, 0, 10, 10, 10}, {59, 39, 39, 29, 29, 29, 19, 19}},
        // steps: kind, k, x, y
        {{30, 20, 30, 0}, {59, 39, 39, 19}},
        // pool: kind, a, b (one redraw), c, w
        {{40, 0, 0, 10, 20, 50}, {59, 49, 49, 49, 49, 69}},
        // sweets: kind, p1, p2, p3 (one redraw), c, then the bounds by h − 2 = 50
        {{50, 0, 10, 10, 20, 10, 7, 3}, {59, 39, 39, 49, 49, 49, 50, 50}},
    };
    for (const Case& c : cases) {
        TempDataFolder folder;
        RecordingRandom random(c.draws);
        auto s = CreateScreen<TForm24>();
        Click(s->button(2));
        EXPECT_EQ(random.ranges, c.ranges) << "kind " << s->currentKind();
    }
}
