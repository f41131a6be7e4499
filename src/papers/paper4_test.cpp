#include <QRegularExpression>
#include <gtest/gtest.h>

#include "papers/paper4.h"
#include "testing/error_recorder.h"
#include "testing/exact_fraction.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
QString Text(const TForm6& p, int n) { return p.label(n)->text(); }
long long Num(const TForm6& p, int n) { return NumbersIn(Text(p, n)).value(0); }
Q Frac(const TForm6& p, int num, int den) { return Q(Num(p, num), Num(p, den)); }
Q MixedQ(const TForm6& p, int whole, int num, int den) { return Q(Num(p, whole)) + Frac(p, num, den); }

// A comma decimal in a text after `before` ("X=2,5" gives 25/10).
Q DecimalAfter(const QString& text, const QString& before) {
    const QRegularExpression re(QRegularExpression::escape(before) + QStringLiteral("(\\d+),(\\d)"));
    const auto m = re.match(text);
    EXPECT_TRUE(m.hasMatch()) << text.toStdString();
    return Q(m.captured(1).toLongLong() * 10 + m.captured(2).toLongLong(), 10);
}

QString Tenths(const Q& q) {
    const Q t = q * Q(10);
    EXPECT_EQ(t.d, 1);
    return QString::number(t.n / 10) + "," + QString::number(t.n % 10);
}

// The repeating decimal of a fraction below one whose denominator is prime to 10: 0,(period).
QString Periodic(const Q& q) {
    long long order = 1, power = 10 % q.d;
    while (power != 1) power = power * 10 % q.d, ++order;
    long long nines = 1;
    for (int i = 0; i < order; ++i) nines *= 10;
    const long long digits = q.n * (nines - 1) / q.d;
    return "0,(" + QString::number(digits).rightJustified(int(order), '0') + ")";
}

std::vector<QStringList> Solve(const TForm6& p) {
    std::vector<QStringList> a;
    a.push_back((Frac(p, 4, 5) / Frac(p, 6, 7)).texts());
    a.push_back(GreaterTexts(MixedQ(p, 10, 11, 12) / MixedQ(p, 13, 14, 15)));
    a.push_back((Frac(p, 20, 21) / Q(NumbersIn(Text(p, 19))[1])).texts());
    a.push_back({QString::number((Q(NumbersIn(Text(p, 24))[1]) / Frac(p, 25, 26)).n)});
    a.push_back({Tenths(DecimalAfter(Text(p, 30), "X=") / Frac(p, 31, 32))});
    a.push_back((Q(1) / (Q(Num(p, 34)) + Frac(p, 35, 36))).texts());
    a.push_back({Periodic(Frac(p, 40, 41))});
    const Q first = Q(NumbersIn(Text(p, 44))[0]);
    const Q both = first + first / Frac(p, 45, 46);
    const Q left = Q(Num(p, 48)) - both * DecimalAfter(Text(p, 47), "через ");
    EXPECT_EQ(left.d, 1);
    a.push_back({QString::number(left.n)});
    const auto w = NumbersIn(Text(p, 50));  // "6.", w1 … w5
    const Q m1 = Q(w[1]) + Frac(p, 51, 52), m2 = Q(w[2]) + Frac(p, 53, 54);
    const Q m3 = Q(w[3]) + Frac(p, 55, 56), m4 = Q(w[4]) + Frac(p, 57, 58);
    a.push_back(GreaterTexts((m1 - m2) / m3 + m4 / Q(w[5])));
    const Q rest = (Q(1) - Q(NumbersIn(Text(p, 62))[1], 100)) * (Q(1) - Frac(p, 63, 64));
    const Q trees = Q(Num(p, 65)) / rest;
    EXPECT_EQ(trees.d, 1);
    a.push_back({QString::number(trees.n)});
    return a;
}

void Answer(TForm6& p, const std::vector<QStringList>& a) {
    int box = 1;
    for (const QStringList& group : a)
        for (const QString& t : group) Type(p.edit(box++), t);
}
}  // namespace

TEST(Test4, AnUntouchedPaperFromTheMenuOfTheRealProgram) {
    FakeClock clock;
    SeededRandom random(4);
    StartedProgram run;
    ErrorRecorder errors;
    auto* paper = dynamic_cast<TForm6*>(run.screen(6));
    ASSERT_NE(paper, nullptr);
    Click(run.screen(2)->button(5));
    ASSERT_EQ(run.modal.opened.back(), paper);
    EXPECT_EQ(Text(*paper, 1), "Контрольна робота №4");  // no blank after №
    EXPECT_EQ(paper->itemCount(), 10);
    for (int n = 1; n <= 20; ++n) EXPECT_FALSE(paper->image(n)->isEmpty()) << n;
    const auto a = Solve(*paper);
    clock.advance(59);
    Click(paper->button(2));
    EXPECT_EQ(paper->errorCount(), 10);
    EXPECT_EQ(Text(*paper, 2), "Помилок 100%");
    EXPECT_TRUE(IsYellow(paper->label(2)));
    EXPECT_FALSE(Shown(paper->button(2)));
    for (int n = 1; n <= 17; ++n) {
        EXPECT_TRUE(IsRed(paper->edit(n))) << n;
        EXPECT_FALSE(paper->edit(n)->isEnabled()) << n;
    }
    // The answer labels show the comma forms.
    EXPECT_EQ(Text(*paper, 33), a[4][0]);
    EXPECT_EQ(Text(*paper, 42), a[6][0]);
    EXPECT_EQ(Text(*paper, 16), "0");
    EXPECT_EQ(run.folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 100% час виконання 59 c К.р.№4 Ваpіант № + "});
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST(Test4, PointOrCommaForTheDecimalsButNothingElse) {
    TempDataFolder folder;
    FakeClock clock;
    const struct { const char* x; const char* period; int errors; } cases[] = {
        {",", ",", 0}, {".", ".", 0}, {";", ",", 1}, {",", "", 1},
    };
    for (const auto& c : cases) {
        SeededRandom random(21);
        const auto p = CreateScreen<TForm6>();
        auto a = Solve(*p);
        a[4][0].replace(",", c.x);
        a[6][0].replace(",", c.period);
        Answer(*p, a);
        Click(p->button(2));
        EXPECT_EQ(p->errorCount(), c.errors) << a[4][0].toStdString() << " " << a[6][0].toStdString();
        EXPECT_EQ(Text(*p, 2), c.errors ? "Помилок 10%" : "Помилок 0%");
    }
}

TEST(Test4, OracleRightAnswersScoreZeroPeriodsAreShortestAndQuotientsReduced) {
    TempDataFolder folder;
    FakeClock clock;
    const int seeds = 300;
    int fourDigitPeriods = 0, reducedQuotients = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm6>();
        const auto a = Solve(*p);
        if (a[6][0].size() == 8) ++fourDigitPeriods;  // "0,(1234)"
        // 3): the divisor's prime j shared with the denominator, as in 7/77 : 7.
        const long long j = Num(*p, 20) / NumbersIn(Text(*p, 19))[1];
        if (std::gcd(j, Num(*p, 21)) > 1) ++reducedQuotients;
        Answer(*p, a);
        const int slips = seed % 2;
        if (slips) Type(p->edit(1 + seed / 2 % 17), "-1");
        Click(p->button(2));
        ASSERT_EQ(p->errorCount(), slips);
    }
    EXPECT_GT(fourDigitPeriods, 0);
    EXPECT_GT(reducedQuotients, 0);
}

namespace {
// The program's generator, except that draws from `bound` values return the given ones in turn.
class SteeredRandom : public RandomSource {
public:
    SteeredRandom(uint32_t seed, int bound, std::vector<int> values)
        : generator_(seed), bound_(bound), values_(std::move(values)) {
        setRandomSource(this);
    }
    ~SteeredRandom() override { setRandomSource(nullptr); }
    int next(int n) override {
        if (n == bound_ && used < values_.size()) return values_[used++];
        return generator_.next(n);
    }
    void randomize() override {}
    size_t used = 0;

private:
    LinearRandom generator_;
    int bound_;
    std::vector<int> values_;
};
}  // namespace

TEST(Test4, AFourDigitPeriodThatRepeatsTwoDigitsIsDrawnAgain) {
    TempDataFolder folder;
    FakeClock clock;
    // D(97999, 1000) gives 9797 (really 0,(97)) and then 1334.
    for (uint32_t seed = 1;; ++seed) {
        ASSERT_LT(seed, 200u) << "no paper with a period of four digits";
        SteeredRandom random(seed, 97999, {96970, 12340});
        const auto p = CreateScreen<TForm6>();
        if (random.used == 0) continue;
        EXPECT_EQ(random.used, 2u);
        EXPECT_EQ(Text(*p, 40), "1334");
        EXPECT_EQ(Text(*p, 41), "9999");
        Click(p->button(2));
        EXPECT_EQ(Text(*p, 42), "0,(1334)");
        break;
    }
}
