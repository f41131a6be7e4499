#include <QFontMetrics>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "papers/paper6.h"
#include "testing/error_recorder.h"
#include "testing/exact_fraction.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
QString Text(const TForm8& p, int n) { return p.label(n)->text(); }

// A comma decimal right after `before` in a text.
Q DecimalAfter(const QString& text, const QString& before) {
    const QRegularExpression re(QRegularExpression::escape(before) + QStringLiteral("(\\d+),(\\d+)"));
    const auto m = re.match(text);
    EXPECT_TRUE(m.hasMatch()) << text.toStdString();
    long long scale = 1;
    for (int i = 0; i < m.captured(2).size(); ++i) scale *= 10;
    return Q(m.captured(1).toLongLong() * scale + m.captured(2).toLongLong(), scale);
}
Q Cell(const TForm8& p, int box) { return DecimalAfter(p.edit(box)->text(), ""); }

// A value with exactly `places` decimals after the comma.
QString Fixed(const Q& q, int places) {
    long long scale = 1;
    for (int i = 0; i < places; ++i) scale *= 10;
    const Q scaled = q * Q(scale);
    EXPECT_EQ(scaled.d, 1);
    return QString::number(scaled.n / scale) + "," + QString::number(scaled.n % scale).rightJustified(places, '0');
}

Q Chance(long long cards, const QString& event) {
    long long count = 0;
    for (long long card = 1; card <= cards; ++card) {
        const bool fits = event.startsWith("непарне") ? card % 2 == 1
                          : event.startsWith("парне") ? card % 2 == 0
                          : event.endsWith("3")       ? card % 3 == 0
                                                      : card % 5 == 0;
        count += fits ? 1 : 0;
    }
    return Q(count, cards);
}

// The right texts in the order of the items.
std::vector<QStringList> Solve(const TForm8& p) {
    std::vector<QStringList> a;
    a.push_back({Fixed(DecimalAfter(Text(p, 3), "за ") * DecimalAfter(Text(p, 3), "у "), 2)});
    const Q circumference = Q(628, 100) * DecimalAfter(Text(p, 6), "дорівнює ");
    a.push_back({Fixed(Q((circumference * Q(100) + Q(1, 2)).floor(), 100), 2)});
    const long long r = NumbersIn(Text(p, 9))[1];
    a.push_back({Fixed(Q(31, 10) * Q(r * r), 1)});
    const auto shares = NumbersIn(Text(p, 12));  // "4.", total, a, b, c
    QStringList schools;
    for (int i = 2; i <= 4; ++i)
        schools << QString::number((Q(shares[1]) * Q(shares[i], shares[2] + shares[3] + shares[4])).n);
    a.push_back(schools);
    const long long cards = NumbersIn(Text(p, 17))[1];
    a.push_back(Chance(cards, Text(p, 18).section(") ", 1).trimmed()).texts());
    a.push_back(Chance(cards, Text(p, 19).mid(3)).texts());
    const Q k = Cell(p, 18) / Cell(p, 13);
    a.push_back({Fixed(k * Cell(p, 12), 1)});
    a.push_back({Fixed(Cell(p, 19) / k, 1)});
    a.push_back({Fixed(k * Cell(p, 15), 1)});
    const auto parts = NumbersIn(Text(p, 28));  // "7.", total, c, d, e, f
    const long long m = parts[2] * parts[4], n = parts[3] * parts[4], q = parts[3] * parts[5];
    QStringList mnq;
    for (long long part : {m, n, q}) mnq << QString::number((Q(parts[1]) * Q(part, m + n + q)).n);
    a.push_back(mnq);
    return a;
}

void Answer(TForm8& p, const std::vector<QStringList>& a) {
    const int first[] = {1, 2, 3, 4, 7, 9, 17, 14, 20, 21};
    for (size_t i = 0; i < a.size(); ++i)
        for (int j = 0; j < a[i].size(); ++j) Type(p.edit(first[i] + j), a[i][j]);
}
}  // namespace

TEST(Test6, AnUntouchedPaperFromTheMenuOfTheRealProgram) {
    FakeClock clock;
    SeededRandom random(6);
    StartedProgram run;
    ErrorRecorder errors;
    auto* paper = dynamic_cast<TForm8*>(run.screen(8));
    ASSERT_NE(paper, nullptr);
    Click(run.screen(2)->button(7));
    ASSERT_EQ(run.modal.opened.back(), paper);
    EXPECT_EQ(Text(*paper, 1), "Контрольна робота №6");
    EXPECT_EQ(paper->itemCount(), 10);
    EXPECT_EQ(paper->image(1)->pictureName(), "kr\\pi.bmp");
    {
        // The π badge stands over the "п" of its sentence, not over the text.
        const Label* circle = paper->label(6);
        const QFontMetrics metrics(circle->font());
        const int letter = int(circle->text().indexOf(QStringLiteral("число п"))) + 6;
        const int left = circle->x() + metrics.horizontalAdvance(circle->text().left(letter));
        const int right = circle->x() + metrics.horizontalAdvance(circle->text().left(letter + 1));
        const QRect badge = paper->image(1)->geometry();
        EXPECT_TRUE(left <= badge.center().x() && badge.center().x() <= right)
            << left << ".." << right << " " << badge.center().x();
        EXPECT_FALSE(badge.intersects(circle->geometry()));
    }
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(paper->image(n)->isEmpty()) << n;
    // The given cells of the table are filled in and out of reach; the three to fill are empty.
    for (int box : {11, 12, 13, 15, 16, 18, 19}) {
        EXPECT_FALSE(paper->edit(box)->isEnabled()) << box;
        EXPECT_FALSE(paper->edit(box)->text().isEmpty()) << box;
    }
    EXPECT_EQ(paper->edit(11)->text(), "m");
    EXPECT_EQ(paper->edit(16)->text(), "n");
    for (int box : {14, 17, 20}) EXPECT_TRUE(paper->edit(box)->isEnabled() && paper->edit(box)->text().isEmpty());
    EXPECT_EQ(Text(*paper, 14), "перша");
    EXPECT_EQ(Text(*paper, 31), "q");

    const auto a = Solve(*paper);
    clock.advance(402);
    Click(paper->button(2));
    EXPECT_EQ(paper->errorCount(), 10);
    EXPECT_EQ(Text(*paper, 2), "Помилок 100%");
    EXPECT_FALSE(Shown(paper->button(2)));
    // The names beside the boxes give way to the right numbers.
    EXPECT_EQ(QStringList({Text(*paper, 14), Text(*paper, 15), Text(*paper, 16)}), a[3]);
    EXPECT_EQ(QStringList({Text(*paper, 29), Text(*paper, 30), Text(*paper, 31)}), a[9]);
    EXPECT_EQ(Text(*paper, 25), a[6][0]);
    EXPECT_EQ(Text(*paper, 26), a[7][0]);
    for (int box : {1, 2, 3, 7, 10, 14, 17, 20, 23}) EXPECT_TRUE(IsRed(paper->edit(box))) << box;
    for (int box : {11, 12, 19}) EXPECT_FALSE(IsRed(paper->edit(box))) << box;
    for (int box = 1; box <= 23; ++box) EXPECT_FALSE(paper->edit(box)->isEnabled()) << box;
    EXPECT_EQ(run.folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 100% час виконання 402 c К.р.№6 Ваpіант № + "});
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST(Test6, OracleRightAnswersScoreZeroAndOneSlipCostsOneItem) {
    TempDataFolder folder;
    FakeClock clock;
    const int seeds = 400;
    bool trailingZero = false;
    for (int seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm8>();
        auto a = Solve(*p);
        trailingZero = trailingZero || a[0][0].endsWith('0');
        int slips = seed % 2;
        if (slips) {
            // A right value written another way: a point for the comma, or a plus sign.
            const int item = seed / 2 % 10;
            QString& text = a[size_t(item)][0];
            if (text.contains(',')) text.replace(',', '.');
            else text = "+" + text;
        }
        Answer(*p, a);
        Click(p->button(2));
        ASSERT_EQ(p->errorCount(), slips);
        ASSERT_EQ(Text(*p, 2), slips ? "Помилок 10%" : "Помилок 0%");
    }
    EXPECT_TRUE(trailingZero);
}
