#include <QRegularExpression>
#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <set>
#include <stdexcept>

#include "papers/paper1.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
// The value Random(m) must return for D(m, b) to give v.
int Cat(int v, int b) { return 10 * v - b; }

// Every draw of test 1 in order, from the parameters of a paper. The defaults make
// the worked paper below.
struct PaperScript {
    int d1 = 1, d2 = 2;                                       // categories: 2 and 3
    int pos1 = 1, pos2 = 1;
    std::vector<int> row1 = {20, 21, 22, 23, 24, 25};          // none needs replacing
    std::vector<int> row2 = {30, 31, 32, 33, 34, 35};
    int k = 7;
    std::vector<int> factorIndices = {1, 2, 2, 3, 4, 5, 1};    // 2·3·3·5·7·11·2 = 13860
    int g1 = 6, g2 = 13;
    std::vector<int> gcdIndices1 = {1, 2, 3, 4}, gcdIndices2 = {1, 2, 3, 4};
    std::vector<int> lcmValues = {Cat(4, 40), Cat(1, 10), Cat(2, 10), Cat(10, 100), Cat(1, 10), Cat(2, 10),
                                  Cat(10, 100), Cat(1, 10), Cat(2, 10)};
    std::vector<int> coprimeDraws = {60, Cat(1, 10), Cat(2, 10), Cat(3, 10), Cat(4, 10), Cat(5, 10), Cat(6, 10),
                                     Cat(7, 10)};                 // 2·3·5 and 7·11·13·17
    int t = 117, e1 = 4, e2 = 2;                               // digit sum 9; divisors 9 and 3
    int q1 = 1, q2 = 2, q3 = 1, v = 5;                         // u = 6, v = 11, w = 132
    int hiExtra = 0, loExtra = 0;

    std::vector<int> values() const {
        std::vector<int> s = {Cat(d1, 10), Cat(d2, 10), Cat(pos1, 10)};
        for (int x : row1) s.push_back(x - 20);
        s.push_back(Cat(pos2, 10));
        for (int y : row2) s.push_back(y - 20);
        s.push_back(Cat(k, 70));
        for (int i : factorIndices) s.push_back(Cat(i, 10));
        s.push_back(Cat(g1, 40));
        for (int i : gcdIndices1) s.push_back(Cat(i, 10));
        s.push_back(Cat(g2, 130));
        for (int i : gcdIndices2) s.push_back(Cat(i, 10));
        s.insert(s.end(), lcmValues.begin(), lcmValues.end());
        s.insert(s.end(), coprimeDraws.begin(), coprimeDraws.end());
        s.insert(s.end(), {Cat(t, 1000), Cat(e1, 10), Cat(e2, 10)});
        s.insert(s.end(), {Cat(q1, 10), Cat(q2, 10), Cat(q3, 10), Cat(v, 50), hiExtra, loExtra});
        return s;
    }
};

std::unique_ptr<TForm3> ScriptedPaper(const PaperScript& script = {}) {
    ScriptedRandom random(script.values());
    auto paper = CreateScreen<TForm3>();
    EXPECT_TRUE(random.exhausted()) << "drew " << random.used() << " values";
    return paper;
}

QString Text(const TForm3& p, int label) { return p.label(label)->text(); }

QList<long long> NumbersIn(const QString& text) {
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QList<long long> numbers;
    for (auto it = number.globalMatch(text); it.hasNext();) numbers << it.next().captured().toLongLong();
    return numbers;
}

std::vector<QWidget*> Inputs(const TForm3& p) {
    std::vector<QWidget*> inputs;
    for (int n = 1; n <= 15; ++n) inputs.push_back(p.edit(n));
    for (int n = 1; n <= 32; ++n) inputs.push_back(p.checkBox(n));
    inputs.push_back(p.comboBox(1));
    return inputs;
}

int RedCount(const TForm3& p) {
    int red = 0;
    for (QWidget* w : Inputs(p)) red += IsRed(w) ? 1 : 0;
    return red;
}

// The answers a careful pupil gives on the worked paper, problem 2 left to the test.
void AnswerAllButFactors(TForm3& p) {
    for (int box : {1, 3, 5, 7, 10}) Click(p.checkBox(box));  // 20, 22, 24 by 2; 30, 33 by 3
    Type(p.edit(10), "6");
    Type(p.edit(11), "13");
    Type(p.edit(12), "24");
    Type(p.edit(13), "60");
    Type(p.edit(14), "60");
    Choose(p.comboBox(1), 0);                                   // "так": 30 and 17017 are coprime
    for (int box : {13, 22, 23, 26, 29, 32}) Click(p.checkBox(box));  // 0, 9 for 9; 0, 3, 6, 9 for 3
    Type(p.edit(15), "132");
}
}  // namespace

TEST(Test1, DrawsTheWorkedPaperWithItsExactTexts) {
    FakeClock clock;
    const auto p = ScriptedPaper();
    EXPECT_EQ(Text(*p, 1), "Контрольна робота № 1");
    EXPECT_EQ(p->button(1)->text(), "Повернення");
    EXPECT_EQ(p->button(2)->text(), "Перевірка");
    EXPECT_FALSE(Shown(p->button(3)));
    EXPECT_EQ(Text(*p, 2), "1. 1)Які з чисел:");
    EXPECT_EQ(Text(*p, 3), "20, ");
    EXPECT_EQ(Text(*p, 7), "24, ");
    EXPECT_EQ(Text(*p, 8), "25   діляться націло на 2 ?");
    EXPECT_EQ(Text(*p, 9), "   2)Які з чисел:");
    EXPECT_EQ(Text(*p, 15), "35   діляться націло на 3 ?");
    EXPECT_EQ(Text(*p, 16), "2. Розкладіть число 13860 на прості множники");
    // In " i " between two numbers the i is the Latin letter.
    EXPECT_EQ(Text(*p, 17), "3. Знайдіть найбільший спільний дільник чисел: 1) 36 i 210");
    EXPECT_EQ(Text(*p, 18), "2) 78 i 455");
    EXPECT_EQ(Text(*p, 21), "4. Знайдіть найменше спільне кратне чисел: 1) 8 i 12");
    EXPECT_EQ(Text(*p, 23), "2) 20 i 30");
    EXPECT_EQ(Text(*p, 25), "3) 20 i 30");
    EXPECT_EQ(Text(*p, 27), "5. Установіть, чи є числа 30 i 17017 взаємно простими");
    // The first letter of "oтримане" is a Latin o.
    EXPECT_EQ(Text(*p, 29), "6. Замість зірочки в числі 117* поставте таку цифру, щоб oтримане число було кратне:");
    EXPECT_EQ(Text(*p, 30), "1) 9");
    EXPECT_EQ(Text(*p, 34), "2) 3");
    EXPECT_EQ(Text(*p, 31), "0      1      2      3       4      5      6       7      8      9");
    EXPECT_EQ(Text(*p, 33), Text(*p, 31));
    EXPECT_EQ(Text(*p, 32), "Розгляньте всі можливі варіанти.");
    EXPECT_EQ(Text(*p, 35), "Розгляньте всі можливі варіанти.");
    EXPECT_EQ(Text(*p, 36), "7. Тарасик розклав зібрані горіхи порівну у 6 шухлядок, а потім преклав їх у 11 шухлядок. ");
    // Here "і" is the Cyrillic letter.
    EXPECT_EQ(Text(*p, 37), "Скільки горіхів зібрав Тарасик, якщо їх було більше 100 і менше 164?");
    for (int n : {19, 20, 22, 24, 26, 28, 38, 39, 40, 41, 42, 43, 44, 45, 46, 48}) EXPECT_EQ(Text(*p, n), "") << n;
    EXPECT_EQ(p->itemCount(), 46);
    EXPECT_FALSE(p->marked());
}

namespace {
// Returns scripted values in order and remembers the bound n of every Random(n),
// so a test can pin both what is drawn and from how many values.
class BoundRecorder : public RandomSource {
public:
    explicit BoundRecorder(std::vector<int> values) : values_(std::move(values)) { setRandomSource(this); }
    ~BoundRecorder() override { setRandomSource(nullptr); }
    int next(int n) override {
        bounds.push_back(n);
        if (position_ >= values_.size()) throw std::runtime_error("random script exhausted");
        const int value = values_[position_++];
        if (value < 0 || value >= n) throw std::runtime_error("scripted value out of range");
        return value;
    }
    void randomize() override {}
    bool exhausted() const { return position_ >= values_.size(); }
    std::vector<int> bounds;

private:
    std::vector<int> values_;
    size_t position_ = 0;
};

std::vector<int> Repeat(int n, int times) { return std::vector<int>(size_t(times), n); }

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}
}  // namespace

TEST(Test1, EveryDrawComesInOrderFromItsOwnRange) {
    FakeClock clock;
    // Problem 1 with every redraw: d2 repeats d1 (2) and is drawn again (7); in row 1
    // the second number, 21, is replaced by 2·10 = 20, which repeats the first, so it
    // is drawn again (22); in row 2 the first number, 20, is replaced by 7·10 = 70 and
    // the second, 70, repeats it and is drawn again (71).
    const std::vector<int> problem1 = {Cat(1, 10), Cat(1, 10), Cat(4, 10),
                                       Cat(2, 10), 0, 1, 0, 2, 3, 4, 5, 6,
                                       Cat(1, 10), 0, 0, 50, 51, 52, 53, 54, 55};
    PaperScript rest;
    rest.hiExtra = 4;  // drawn before the lower bound's extra
    rest.loExtra = 1;
    const std::vector<int> defaults = rest.values();
    std::vector<int> values = problem1;
    values.insert(values.end(), defaults.begin() + 16, defaults.end());

    BoundRecorder random(values);
    const auto p = CreateScreen<TForm3>();
    EXPECT_TRUE(random.exhausted());
    const std::vector<int> expected = Join({
        {39, 39, 39, 59}, Repeat(980, 2), {90}, Repeat(980, 5),   // d1, d2 twice, row 1
        {59, 980, 90}, Repeat(980, 6),                             // row 2
        {19}, Repeat(49, 7),                                       // k and the factors
        Repeat(59, 5), Repeat(79, 5),                              // g1 and its primes, g2 and its primes
        {59, 39, 39, 59, 49, 49, 109, 69, 69},                     // three pairs: g, p1, p2
        {100, 69}, Repeat(99, 6),                                  // coprime numbers
        {8990, 39, 39},                                            // t, e1, e2
        {39, 39, 39, 39, 5, 5},                                    // q1, q2, q3, v, hi, lo
    });
    EXPECT_EQ(random.bounds, expected);

    const QStringList row1{"20, ", "22, ", "23, ", "24, ", "25, ", "26   діляться націло на 2 ?"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Text(*p, 3 + i), row1[i]) << i;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Text(*p, 10 + i), QString::number(70 + i) + ", ") << i;
    EXPECT_EQ(Text(*p, 15), "75   діляться націло на 7 ?");
    // w = 132: the upper bound takes the first extra, the lower one the second.
    EXPECT_EQ(Text(*p, 37), "Скільки горіхів зібрав Тарасик, якщо їх було більше 99 і менше 168?");
}

TEST(Test1, SharedPrimeMayBeFiveButTheOthersNeverAre) {
    FakeClock clock;
    PaperScript script;
    // p1 = 5 (index 3); then index 3 again and a repeated 3 are drawn anew: 3, 7, 11, 13, 29.
    script.coprimeDraws = {50, Cat(3, 20), Cat(3, 20), Cat(2, 20), Cat(2, 20), Cat(4, 20), Cat(5, 20), Cat(6, 20),
                           Cat(10, 20)};
    BoundRecorder random(script.values());
    const auto p = CreateScreen<TForm3>();
    EXPECT_TRUE(random.exhausted());
    // The draws of problem 5 sit between problem 4's last prime and problem 6's t.
    const auto start = std::find(random.bounds.begin(), random.bounds.end(), 100);
    ASSERT_NE(start, random.bounds.end());
    EXPECT_EQ(std::vector<int>(start, start + 10), Join({{100, 39}, Repeat(89, 7), {8990}}));
    EXPECT_EQ(Text(*p, 27), "5. Установіть, чи є числа 105 i 20735 взаємно простими");
}

TEST(Test1, AnUntouchedPaperMarkedAtOnce) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();
    clock.advance(640);
    Click(p->button(2));

    // 5 boxes of problem 1 and 6 of problem 6 should have been ticked; every edit box and the list are wrong.
    EXPECT_EQ(p->errorCount(), 5 + 7 + 2 + 3 + 1 + 6 + 1);
    EXPECT_EQ(p->percent(), 25 * 100 / 46);
    EXPECT_EQ(Text(*p, 48), "Помилок 54%");
    EXPECT_TRUE(IsYellow(p->label(48)));
    for (int box : {1, 3, 5, 7, 10, 13, 22, 23, 26, 29, 32}) EXPECT_TRUE(IsRed(p->checkBox(box))) << box;
    EXPECT_EQ(RedCount(*p), 25);
    EXPECT_FALSE(IsRed(p->edit(8)));
    EXPECT_FALSE(IsRed(p->edit(9)));
    const QStringList factors{"2", "3", "3", "5", "7", "11", "2"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Text(*p, 39 + i), factors[i]);
    EXPECT_EQ(Text(*p, 46), "");
    EXPECT_EQ(Text(*p, 19), "6");
    EXPECT_EQ(Text(*p, 20), "13");
    EXPECT_EQ(Text(*p, 22), "24");
    EXPECT_EQ(Text(*p, 24), "60");
    EXPECT_EQ(Text(*p, 26), "60");
    EXPECT_EQ(Text(*p, 28), "1");
    EXPECT_EQ(Text(*p, 38), "132");
    for (QWidget* w : Inputs(*p)) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(p->button(2)->isEnabled());
    EXPECT_TRUE(Shown(p->button(2)));
    // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
    EXPECT_EQ(folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 54% час виконання 640 c К.р.№1 Ваpіант № + "});
}

TEST(Test1, RightAnswersGiveNoErrors) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();
    AnswerAllButFactors(*p);
    const QStringList factors{"11", "2", "3", "7", "2", "5", "3"};  // any order
    for (int i = 0; i < 7; ++i) Type(p->edit(1 + i), factors[i]);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 0);
    EXPECT_EQ(Text(*p, 48), "Помилок 0%");
    EXPECT_EQ(RedCount(*p), 0);
    for (int n : {19, 20, 22, 24, 26, 28, 38, 39, 45}) EXPECT_EQ(Text(*p, n), "") << n;
}

TEST(Test1, FactorsAreReadAsNumbersEachPrimeAsOftenAsItOccurs) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();  // 13860 = 2·2·3·3·5·7·11
    AnswerAllButFactors(*p);
    // Blank, plus, leading zero and hexadecimal forms are whole numbers; the third 3 is one too many.
    const QStringList entries{" 3", "+3", "03", "0x2", "$2", "05", "7"};
    for (int i = 0; i < 7; ++i) Type(p->edit(1 + i), entries[i]);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 1);
    EXPECT_TRUE(IsRed(p->edit(3)));
    EXPECT_EQ(RedCount(*p), 1);
    EXPECT_EQ(Text(*p, 39), "2");
    EXPECT_EQ(Text(*p, 44), "11");
}

TEST(Test1, OtherProblemsCompareTextsExactly) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();
    AnswerAllButFactors(*p);
    for (int i = 0; i < 7; ++i) Type(p->edit(1 + i), QStringList{"2", "2", "3", "3", "5", "7", "11"}[i]);
    Type(p->edit(10), " 6");
    Type(p->edit(11), "+13");
    Type(p->edit(12), "024");
    Type(p->edit(15), "0x84");  // 132 in hexadecimal
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 4);
    for (int n : {10, 11, 12, 15}) EXPECT_TRUE(IsRed(p->edit(n))) << n;
    EXPECT_EQ(Text(*p, 19), "6");
    EXPECT_EQ(Text(*p, 22), "24");
    EXPECT_EQ(Text(*p, 38), "132");
    EXPECT_EQ(Text(*p, 24), "");
}

TEST(Test1, UnreadableFactorsAreWrongEntries) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();
    const QStringList entries{"", "99999999999999999999", "2147483650", "3 ", "три", "0x", "-2"};
    for (int i = 0; i < 7; ++i) Type(p->edit(1 + i), entries[i]);
    Click(p->button(2));
    for (int i = 1; i <= 7; ++i) EXPECT_TRUE(IsRed(p->edit(i))) << i;
}

TEST(Test1, DigitBoxesForNineAndThree) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();  // 117*: digit sum 9, divisors 9 then 3
    Click(p->checkBox(13));           // 0 for 9
    Click(p->checkBox(22));           // 9 for 9
    Click(p->checkBox(18));           // 5 for 9: wrong
    for (int box : {23, 26, 29, 32}) Click(p->checkBox(box));  // 0, 3, 6, 9 for 3
    Click(p->checkBox(26));           // ... and 3 again: unticked, wrong
    EXPECT_TRUE(p->ticked(13));
    EXPECT_FALSE(p->ticked(26));
    EXPECT_EQ(p->checkBox(26)->isChecked(), p->ticked(26));
    Click(p->button(2));
    for (int box = 13; box <= 32; ++box) EXPECT_EQ(IsRed(p->checkBox(box)), box == 18 || box == 26) << box;
}

TEST(Test1, CommonDivisorShownForAWrongNo) {
    TempDataFolder folder;
    FakeClock clock;
    const auto coprime = ScriptedPaper();
    Choose(coprime->comboBox(1), 1);  // "ні"
    Click(coprime->button(2));
    EXPECT_TRUE(IsRed(coprime->comboBox(1)));
    EXPECT_EQ(Text(*coprime, 28), "1");

    // Sharing 7: 7·3·13 and 7·11·17·19 (index 3, the prime 5, is drawn again).
    PaperScript shared;
    shared.coprimeDraws = {50, Cat(4, 20), Cat(2, 20), Cat(3, 20), Cat(6, 20), Cat(4, 20), Cat(5, 20), Cat(7, 20),
                           Cat(8, 20)};
    const auto other = ScriptedPaper(shared);
    EXPECT_EQ(Text(*other, 27), "5. Установіть, чи є числа 273 i 24871 взаємно простими");
    Choose(other->comboBox(1), 0);  // "так"
    Click(other->button(2));
    EXPECT_TRUE(IsRed(other->comboBox(1)));
    EXPECT_EQ(Text(*other, 28), "7");
}

TEST(Test1, BoxWordFollowsTheCount) {
    // u = q1·q2 from the indices of 2, 3, 5, 7.
    const struct { int q1, q2; const char* phrase; } cases[] = {
        {2, 4, "у 21 шухлядку,"}, {1, 1, "у 4 шухлядки,"},  {1, 2, "у 6 шухлядок,"},  {2, 2, "у 9 шухлядок,"},
        {1, 3, "у 10 шухлядок,"}, {1, 4, "у 14 шухлядок,"}, {2, 3, "у 15 шухлядок,"}, {3, 3, "у 25 шухлядок,"},
        {3, 4, "у 35 шухлядок,"}, {4, 4, "у 49 шухлядок,"},
    };
    FakeClock clock;
    for (const auto& c : cases) {
        PaperScript script;
        script.q1 = c.q1;
        script.q2 = c.q2;
        const auto p = ScriptedPaper(script);
        EXPECT_TRUE(Text(*p, 36).contains(QString::fromUtf8(c.phrase))) << c.phrase;
    }
}

TEST(Test1, SpareFactorBoxesPushThePercentageAboveOneHundred) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();  // k = 7: Edit8 and Edit9 are spare
    // Every check box in the wrong state: tick exactly the ones that should stay empty.
    for (int box : {2, 4, 6, 8, 9, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 24, 25, 27, 28, 30, 31}) Click(p->checkBox(box));
    for (int n = 1; n <= 15; ++n) Type(p->edit(n), "x");
    Choose(p->comboBox(1), 1);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 48);
    EXPECT_EQ(Text(*p, 48), "Помилок 104%");
    EXPECT_TRUE(IsRed(p->edit(8)));
    EXPECT_TRUE(IsRed(p->edit(9)));
    EXPECT_EQ(Text(*p, 46), "");
    EXPECT_TRUE(folder.lines("stat.txt").value(0).contains(" помилок 104% "));
}

TEST(Test1, EightFactorsMakeEditEightAnItem) {
    TempDataFolder folder;
    FakeClock clock;
    PaperScript script;
    script.k = 8;
    script.factorIndices = {5, 5, 5, 5, 5, 5, 5, 5};  // 11 to the 8th, the largest number drawn
    const auto p = ScriptedPaper(script);
    EXPECT_EQ(Text(*p, 16), "2. Розкладіть число 214358881 на прості множники");
    EXPECT_EQ(p->itemCount(), 47);
    for (int i = 1; i <= 7; ++i) Type(p->edit(i), "11");
    Type(p->edit(9), "11");  // a ninth 11 in the spare box
    Click(p->button(2));
    EXPECT_TRUE(IsRed(p->edit(8)));
    EXPECT_TRUE(IsRed(p->edit(9)));
    for (int i = 1; i <= 7; ++i) EXPECT_FALSE(IsRed(p->edit(i))) << i;
    EXPECT_EQ(Text(*p, 46), "11");
}

TEST(Test1, MarksOnceAndNothingChangesAfterwards) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = ScriptedPaper();
    Type(p->edit(15), "132");
    Click(p->button(2));
    const int errors = p->errorCount();
    Click(p->checkBox(1));
    Choose(p->comboBox(1), 0);
    Click(p->button(2));
    p->Button2Click();  // even reached directly, the paper is marked only once
    EXPECT_FALSE(p->ticked(1));
    EXPECT_FALSE(p->checkBox(1)->isChecked());
    EXPECT_EQ(p->comboBox(1)->currentIndex(), -1);
    EXPECT_EQ(p->errorCount(), errors);
    EXPECT_EQ(folder.lines("stat.txt").size(), 1);
}

TEST(Test1, AMissingLogIsReportedAfterTheMarksAreShown) {
    TempDataFolder folder;
    folder.remove("stat.txt");
    FakeClock clock;
    const auto p = ScriptedPaper();
    ErrorRecorder errors;
    Click(p->button(2));
    EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    EXPECT_EQ(Text(*p, 48), "Помилок 54%");
    EXPECT_TRUE(IsRed(p->edit(15)));
    EXPECT_FALSE(p->edit(15)->isEnabled());
    EXPECT_FALSE(p->button(2)->isEnabled());
    EXPECT_FALSE(folder.exists("stat.txt"));
    p->Button2Click();
    EXPECT_EQ(errors.messages().size(), 1);
}

TEST(Test1, TakenFromTheMenuOfTheRealProgram) {
    FakeClock clock;
    SeededRandom random(7);
    StartedProgram run;
    auto* paper = dynamic_cast<TForm3*>(run.screen(3));
    ASSERT_NE(paper, nullptr);
    Click(run.screen(2)->button(2));
    ASSERT_EQ(run.modal.opened.back(), paper);
    const QString problem = Text(*paper, 16);
    Type(paper->edit(15), "12");
    Click(paper->checkBox(4));
    Click(paper->button(1));
    EXPECT_FALSE(paper->isVisible());

    // Reopened: the same numbers and what was typed.
    Click(run.screen(2)->button(2));
    EXPECT_EQ(Text(*paper, 16), problem);
    EXPECT_EQ(paper->edit(15)->text(), "12");
    EXPECT_TRUE(paper->ticked(4));
    clock.advance(75);
    Click(paper->button(2));
    const QStringList lines = run.folder.lines("stat.txt");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("дата 08.12.2026 час початку 9:05:03 помилок ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("% час виконання 75 c К.р.№1 Ваpіант № + ")));
}

// ---- the oracle: thousands of papers against answers computed here ----

namespace {
std::vector<long long> PrimeFactors(long long n) {
    std::vector<long long> factors;
    for (long long p = 2; p * p <= n; ++p)
        while (n % p == 0) factors.push_back(p), n /= p;
    if (n > 1) factors.push_back(n);
    return factors;
}

bool IsPrime(long long n) { return n > 1 && PrimeFactors(n).size() == 1; }

// a is g times two different primes, each at most `top`.
bool TwoPrimesTimes(long long a, long long g, long long top) {
    if (a % g != 0) return false;
    const auto f = PrimeFactors(a / g);
    return f.size() == 2 && f[0] != f[1] && f[1] <= top;
}

QString BoxWord(long long u) {
    const long long last = u % 10, tens = u % 100;
    if (tens >= 11 && tens <= 19) return " шухлядок";
    if (last == 1) return " шухлядку";
    if (last >= 2 && last <= 4) return " шухлядки";
    return " шухлядок";
}
}  // namespace

TEST(Test1, OracleRightAnswersScoreZeroAndTheDrawsKeepTheirPromises) {
    TempDataFolder folder;
    FakeClock clock;
    const int seeds = 2000;
    for (int seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm3>();

        // Problem 1: six different numbers per row, some divisible; tick the divisible ones.
        for (int row = 0; row < 2; ++row) {
            const int first = row == 0 ? 3 : 10;
            const auto tail = NumbersIn(Text(*p, first + 5));
            ASSERT_EQ(tail.size(), 2);
            const long long d = tail[1];
            ASSERT_TRUE(d == 2 || d == 3 || d == 5 || d == 7);
            std::set<long long> seen;
            int divisible = 0;
            for (int i = 0; i < 6; ++i) {
                const long long x = NumbersIn(Text(*p, first + i)).value(0);
                ASSERT_TRUE(x >= 20 && x <= 999) << x;
                seen.insert(x);
                if (x % d == 0) {
                    ++divisible;
                    Click(p->checkBox(row * 6 + 1 + i));
                }
            }
            ASSERT_EQ(seen.size(), 6u);
            ASSERT_GE(divisible, 1);
        }
        ASSERT_NE(NumbersIn(Text(*p, 8))[1], NumbersIn(Text(*p, 15))[1]);

        // Problem 2: seven or eight factors, all of them at most 11, typed largest first.
        const long long n = NumbersIn(Text(*p, 16)).value(1);
        auto factors = PrimeFactors(n);
        ASSERT_TRUE(factors.size() == 7 || factors.size() == 8) << n;
        ASSERT_LE(factors.back(), 11);
        ASSERT_EQ(p->itemCount(), 39 + int(factors.size()));
        std::reverse(factors.begin(), factors.end());
        for (size_t i = 0; i < factors.size(); ++i) Type(p->edit(int(i) + 1), QString::number(factors[i]));

        // Problem 3: g times two primes and g times two others.
        const struct { int text, edit; long long lowG, highG, topPrime; } gcds[] = {{17, 10, 4, 9, 13}, {18, 11, 13, 20, 19}};
        long long firstGcd = 0;
        for (const auto& c : gcds) {
            const auto all = NumbersIn(Text(*p, c.text));
            const auto ab = all.mid(all.size() - 2);
            const long long g = std::gcd(ab[0], ab[1]);
            ASSERT_TRUE(g >= c.lowG && g <= c.highG) << g;
            ASSERT_TRUE(TwoPrimesTimes(ab[0], g, c.topPrime) && TwoPrimesTimes(ab[1], g, c.topPrime));
            Type(p->edit(c.edit), QString::number(g));
            if (c.edit == 10) firstGcd = g;
        }
        // Problem 4: g·p1 and g·p2.
        const struct { int text, edit; long long topPrime; } lcms[] = {{21, 12, 7}, {23, 13, 11}, {25, 14, 17}};
        for (const auto& c : lcms) {
            const auto all = NumbersIn(Text(*p, c.text));
            const long long a = all[all.size() - 2], b = all[all.size() - 1];
            const long long g = std::gcd(a, b);
            ASSERT_TRUE(IsPrime(a / g) && IsPrime(b / g) && a != b && std::max(a, b) / g <= c.topPrime);
            Type(p->edit(c.edit), QString::number(std::lcm(a, b)));
        }
        // Problem 5.
        const auto ab = NumbersIn(Text(*p, 27));
        const long long common = std::gcd(ab[1], ab[2]);
        ASSERT_TRUE(common == 1 || common == 3 || common == 5 || common == 7 || common == 11) << common;
        Choose(p->comboBox(1), common == 1 ? 0 : 1);

        // Problem 6: the digits that complete a multiple.
        const long long t = NumbersIn(Text(*p, 29)).value(1);
        ASSERT_TRUE(t >= 100 && t <= 998);
        const long long e1 = NumbersIn(Text(*p, 30)).value(1), e2 = NumbersIn(Text(*p, 34)).value(1);
        ASSERT_NE(e1, e2);
        for (int digit = 0; digit < 10; ++digit) {
            if ((10 * t + digit) % e1 == 0) Click(p->checkBox(13 + digit));
            if ((10 * t + digit) % e2 == 0) Click(p->checkBox(23 + digit));
        }

        // Problem 7: the one common multiple of u and v between the bounds.
        const auto uv = NumbersIn(Text(*p, 36));
        const long long u = uv[1], v = uv[2];
        ASSERT_EQ(Text(*p, 36), "7. Тарасик розклав зібрані горіхи порівну у " + QString::number(u) + BoxWord(u) +
                                    ", а потім преклав їх у " + QString::number(v) + " шухлядок. ");
        const auto bounds = NumbersIn(Text(*p, 37));
        std::vector<long long> nuts;
        for (long long x = bounds[0] + 1; x < bounds[1]; ++x)
            if (x % u == 0 && x % v == 0) nuts.push_back(x);
        ASSERT_EQ(nuts.size(), 1u) << u << " " << v << " " << bounds[0] << " " << bounds[1];
        Type(p->edit(15), QString::number(nuts[0]));

        // Every third paper gets one slip, which must cost exactly one error.
        int slips = 0;
        if (seed % 3 == 1) {
            Type(p->edit(10), QString::number(firstGcd + 1));
            slips = 1;
        } else if (seed % 3 == 2 && factors.front() != factors.back()) {
            // One prime more often than it occurs.
            Type(p->edit(int(factors.size())), QString::number(factors.front()));
            slips = 1;
        }
        Click(p->button(2));
        ASSERT_EQ(p->errorCount(), slips) << Text(*p, 16).toStdString();
        ASSERT_EQ(Text(*p, 48), slips == 0 ? "Помилок 0%" : "Помилок " + QString::number(100 / p->itemCount()) + "%");
    }
    EXPECT_EQ(folder.lines("stat.txt").size(), seeds);
}

TEST(Test1, ThePaperIsLaidOutWithoutOverlaps) {
    TempDataFolder folder;
    FakeClock clock;
    for (int seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm3>();
        Click(p->button(2));  // every answer label filled in
        std::vector<QWidget*> shown;
        for (QWidget* w : p->controls())
            if (Shown(w)) shown.push_back(w);
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j)
                ASSERT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << shown[i]->objectName().toStdString() << " " << shown[j]->objectName().toStdString();
        // Everything stays on the page.
        for (QWidget* w : shown)
            ASSERT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << w->objectName().toStdString();
    }
}
