#include "problems/set8.h"

#include "core/random.h"

namespace {
QString N(int64_t n) { return QString::number(n); }
QString Ratio(std::initializer_list<int> terms) {
    QStringList texts;
    for (int t : terms) texts << N(t);
    return texts.join(u':');
}
// The terms of the ratios, as each stage draws them.
int DrawTeen() { return (Random(99) + 100) / 10; }     // 10 … 19
int DrawSmall() { return (Random(69) + 30) / 10; }     // 3 … 9
int DrawTwenties() { return (Random(99) + 200) / 10; } // 20 … 29
}  // namespace

TForm32::TForm32()
    : StageLadder(QStringLiteral("Form32"), QSize(1010, 760),
                  ProblemSetPlan{
                      .folder = QStringLiteral("z8"),
                      .level = 8,
                      .kindCount = 0,  // stages, not kinds: the ladder below
                      .kindDrawN = 0,
                      .kindDrawBase = 0,
                      .stillPictures = {},
                      .frames = {QStringLiteral("z8\\e1.bmp"), QStringLiteral("z8\\e2.bmp"), QStringLiteral("z8\\e3.bmp"),
                                 QStringLiteral("z8\\e4.bmp"), QStringLiteral("z8\\e5.bmp")},
                      .rewardImage = 1,
                      .markImage = 2,
                      .titleLabel = 1,
                      .answerCaptionLabel = 0,
                      .verdictLabel = 9,
                      .rightCaptionLabel = 0,
                      .timeLabel = 10,
                  },
                  StageLadderPlan{
                      .checks = 5,
                      .stagePictures = {QStringLiteral("z8\\e1(1).bmp"), QStringLiteral("z8\\e1(2).bmp"),
                                        QStringLiteral("z8\\e1(3).bmp"), QStringLiteral("z8\\e1(4).bmp")},
                      .stageImage = 1,
                      .markPicture = QStringLiteral("z8\\ocenka%1s.bmp"),
                  }) {
    using Fit = Picture::Fit;
    addLabel(1, 420, 12, 34);
    addLabel(2, 20, 72, 20);
    addLabel(3, 20, 104, 20);
    // The answers in a row, the right ones under them after an error.
    for (int n = 1; n <= 4; ++n) {
        addEdit(n, 20 + (n - 1) * 132, 170, 120, 38, 22);
        addLabel(n + 4, 20 + (n - 1) * 132, 218, 22);
    }
    addLabel(9, 20, 270, 26);
    addLabel(10, 20, 320, 24);
    addImage(1, 560, 150, 430, 347, Fit::Proportional);
    addImage(2, 20, 540, 440, 120, Fit::Proportional);
    AddFlowButtons(400);
    addTimer(1, 1000);
    WireLadder();
}

void TForm32::FormCreate() {
    StageLadder::FormCreate();
    for (int n = 1; n <= 4; ++n) edit(n)->hide();
    for (int n : {1, 2, 3, 5, 6, 7, 8, 9, 10}) label(n)->setText(QString());
}

void TForm32::ClearProblem() {
    for (int n : {2, 3, 5, 6, 7, 8, 9}) label(n)->setText(QString());
    right_.fill(0);
    fields_ = 0;
}

void TForm32::OpenFields(int count) {
    fields_ = count;
    for (int n = 1; n <= 4; ++n) {
        if (n <= count) {
            OpenField(edit(n));
            Unpaint(edit(n));
        } else {
            edit(n)->hide();
        }
    }
}

// Every stage multiplies its ratio by the same small factor f.
int TForm32::DrawFactor() { return (Random(59) + 30) / 10; }

void TForm32::Generate(int stage) {
    switch (stage) {
        case 0: TwoParts(); break;
        case 1: ThreeParts(); break;
        case 2: Triangle(); break;
        case 3: FourParts(); break;
        case 4: TwoRatios(); break;
        default: break;
    }
}

void TForm32::TwoParts() {
    OpenFields(2);
    const int a = DrawTeen();
    const int b = DrawSmall();
    const int f = DrawFactor();
    right_ = {int64_t(f) * a, int64_t(f) * b, 0, 0};
    label(2)->setText(QStringLiteral("Поділіть число ") + N((a + b) * f) + QStringLiteral(" на дві частини у відношенні ") +
                      Ratio({a, b}));
}

void TForm32::ThreeParts() {
    OpenFields(3);
    const int a = DrawTwenties();
    const int b = DrawSmall();
    const int c = DrawTeen();
    const int f = DrawFactor();
    right_ = {int64_t(f) * a, int64_t(f) * b, int64_t(f) * c, 0};
    label(2)->setText(QStringLiteral("Поділіть число ") + N((a + b + c) * f) +
                      QStringLiteral(" на три частини у відношенні ") + Ratio({a, b, c}));
}

// The sides 20 … 39 against two of 21 … 30 always make a triangle.
void TForm32::Triangle() {
    OpenFields(3);
    const int a = (Random(199) + 200) / 10;
    const int b = (Random(99) + 210) / 10;
    const int c = (Random(99) + 210) / 10;
    const int f = DrawFactor();
    right_ = {int64_t(f) * a, int64_t(f) * b, int64_t(f) * c, 0};
    label(2)->setText(QStringLiteral("Периметр трикутника дорівнює ") + N((a + b + c) * f) +
                      QStringLiteral(" см, а довжини його сторін ") + QStringLiteral("відносяться "));
    label(3)->setText(QStringLiteral("як ") + Ratio({a, b, c}) + QStringLiteral(" Знайдіть сторони трикутника."));
}

// The fourth term differs from the other three, so no two parts are equal by accident of the ratio.
void TForm32::FourParts() {
    OpenFields(4);
    const int a = DrawTwenties();
    const int b = DrawSmall();
    const int c = DrawTeen();
    int d = 0;
    do d = (Random(199) + 60) / 10; while (d == a || d == b || d == c);
    const int f = DrawFactor();
    right_ = {int64_t(f) * a, int64_t(f) * b, int64_t(f) * c, int64_t(f) * d};
    label(2)->setText(QStringLiteral("Поділіть число ") + N((a + b + c + d) * f) +
                      QStringLiteral(" на чотири частини у відношенні ") + Ratio({a, b, c, d}));
}

// X:Y = x1:x2 and Y:Z = x3:x4 with four different primes: X:Y:Z = x1·x3 : x2·x3 : x2·x4.
void TForm32::TwoRatios() {
    OpenFields(3);
    std::array<bool, 13> taken{};
    auto draw = [&](int n) {
        int index = 0;
        do index = DrawCategory(n, 10); while (index < 1 || index > 12 || taken[size_t(index)]);
        taken[size_t(index)] = true;
        return Primes[size_t(index)];
    };
    const int x2 = draw(39);
    const int x3 = draw(39);
    const int x1 = draw(59);
    const int x4 = draw(59);
    const int h = DrawFactor();
    const int64_t X = int64_t(x1) * x3 * h, Y = int64_t(x2) * x3 * h, Z = int64_t(x4) * x2 * h;
    right_ = {X, Y, Z, 0};
    // The "i" of "Y i Z" and the "a" of "a Y:Z" are Latin letters.
    label(2)->setText(QStringLiteral("Поділіть число ") + N(X + Y + Z) +
                      QStringLiteral(" на три частини X, Y i Z так, щоб X:Y=") + Ratio({x1, x2}) + QStringLiteral(","));
    label(3)->setText(QStringLiteral("a Y:Z=") + Ratio({x3, x4}));
}

bool TForm32::AnswerIsRight() {
    bool right = fields_ > 0;
    for (int n = 1; n <= fields_; ++n) {
        right = Matches(edit(n), right_[size_t(n - 1)]) && right;
        edit(n)->setEnabled(false);
    }
    return right;
}

void TForm32::ShowRightAnswers() {
    for (int n = 1; n <= fields_; ++n) {
        Paint(edit(n), kWrongRed);
        label(n + 4)->setText(N(right_[size_t(n - 1)]));
    }
}
