#include "problems/circle.h"

#include <QFontMetricsF>

#include "core/number_text.h"
#include "core/random.h"

namespace {
QString N(int64_t n) { return QString::number(n); }

// n in units of 10^-places with all the places kept ("6,280", "75,36").
QString Fixed(int64_t n, int places) {
    int64_t unit = 1;
    for (int i = 0; i < places; ++i) unit *= 10;
    return N(n / unit) + QStringLiteral(",") + N(n % unit).rightJustified(places, u'0');
}

// A length drawn as tenths, 2,0 … 9,9, never a multiple of 0,5.
int DrawTenths() {
    int d = 0;
    do d = (Random(799) + 200) / 10; while (d % 5 == 0);
    return d;
}

const int kTextTop = 64, kTextFont = 20;
}  // namespace

TForm31::TForm31()
    : StageLadder(QStringLiteral("Form31"), QSize(1010, 700),
                  ProblemSetPlan{
                      .folder = QStringLiteral("zcircle"),
                      .level = 8,
                      .kindCount = 0,  // stages, not kinds: the ladder below
                      .kindDrawN = 0,
                      .kindDrawBase = 0,
                      .stillPictures = {},
                      .frames = {QStringLiteral("zcircle\\p1.bmp"), QStringLiteral("zcircle\\p2.bmp")},
                      .rewardImage = 2,
                      .markImage = 3,
                      .titleLabel = 1,
                      .answerCaptionLabel = 0,
                      .verdictLabel = 8,
                      .rightCaptionLabel = 9,
                      .timeLabel = 5,
                  },
                  StageLadderPlan{
                      .checks = 8,
                      .stagePictures = {QStringLiteral("zcircle\\p4(7).bmp"), QStringLiteral("zcircle\\p4(6).bmp"),
                                        QStringLiteral("zcircle\\p4(5).bmp"), QStringLiteral("zcircle\\p4(4).bmp"),
                                        QStringLiteral("zcircle\\p4(3).bmp"), QStringLiteral("zcircle\\p4(2).bmp"),
                                        QStringLiteral("zcircle\\p4(1).bmp"), QStringLiteral("zcircle\\p1.bmp")},
                      .stageImage = 2,
                      .markPicture = QStringLiteral("zcircle\\ocenka%1ps.bmp"),
                  }) {
    using Fit = Picture::Fit;
    addLabel(1, 400, 10, 34);
    addLabel(2, 20, kTextTop, kTextFont);
    addLabel(3, 20, kTextTop + 32, kTextFont);
    addLabel(4, 20, kTextTop + 64, kTextFont);
    // The small subscripts, put into place when the first drawing needs them.
    addLabel(11, 20, kTextTop + 12, 13);
    addLabel(12, 40, kTextTop + 12, 13);
    // The drawing of the problem.
    addImage(1, 20, 170, 400, 357, Fit::Proportional);
    // The answer: Edit1 and its unit, Edit2 and its unit, the small square "2".
    addEdit(1, 440, 180, 140, 38, 22);
    addLabel(6, 588, 184, 22);
    addLabel(13, 618, 178, 14);
    addEdit(2, 440, 232, 140, 38, 22);
    addLabel(7, 588, 236, 22);
    addLabel(8, 440, 290, 26);
    addLabel(9, 440, 334, 20);
    addLabel(10, 440, 364, 22);
    addLabel(5, 440, 410, 24);
    // Stage pictures and the reward animation.
    addImage(2, 690, 170, 300, 288, Fit::Proportional);
    addImage(3, 470, 560, 420, 112, Fit::Proportional);
    AddFlowButtons(550, 630, 200);
    addTimer(1, 250);
    WireLadder();
}

void TForm31::FormCreate() {
    StageLadder::FormCreate();
    for (int n = 1; n <= 13; ++n) label(n)->setText(QString());
    edit(1)->hide();
    edit(2)->hide();
}

void TForm31::FirstProblem() {
    edit(1)->show();
    edit(2)->show();
}

void TForm31::ClearProblem() {
    // The whole text goes, not only the verdict: a stage with one line must not
    // stand over the second line of the stage before.
    for (int n = 2; n <= 4; ++n) label(n)->setText(QString());
    for (int n = 8; n <= 12; ++n) label(n)->setText(QString());
    OpenField(edit(1));
    Unpaint(edit(1));
    right1_.clear();
    right2_.clear();
    rightShown_.clear();
}

void TForm31::Generate(int stage) {
    switch (stage) {
        case 0: Diameter(); break;
        case 1: TwoCircles(); break;
        case 2: Circumference(); break;
        case 3: Area(); break;
        case 4: DiameterFromCircumference(); break;
        case 5: Wheel(); break;
        case 6: RedLine(); break;
        case 7: YellowArea(); break;
        default: break;
    }
}

// The drawings of stages 6 and 7 come after stage 2 hid the picture box. A missing
// drawing is reported and the problem still stands, so the try is not lost.
void TForm31::ShowDrawing(const QString& name) {
    image(1)->show();
    LoadPictureOrReport(image(1), name);
}

// The diameter from a radius in two units: the small unit doubled carries once
// into the large one. The small part is never a multiple of 5, so it never
// doubles to exactly 100 cm or 10 mm.
void TForm31::Diameter() {
    OpenField(edit(2));
    Unpaint(edit(2));
    const bool metres = Random(100) > 49;
    const int r = (Random(149) + 60) / 10;
    int c = 0;
    if (metres) {
        do c = (Random(889) + 100) / 10; while (c % 5 == 0);
    } else {
        do c = (Random(89) + 10) / 10; while (c % 5 == 0);
    }
    const int unit = metres ? 100 : 10;
    const int carry = 2 * c > unit ? 1 : 0;
    right1_ = N(2 * r + carry);
    right2_ = N(2 * c - carry * unit);
    // "cм" with a Latin c beside the metres; "см" and "мм" are Cyrillic.
    const QString large = metres ? QStringLiteral("м") : QStringLiteral("см");
    const QString small = metres ? QStringLiteral("cм") : QStringLiteral("мм");
    label(2)->setText(QStringLiteral("Знайдіть діаметр кола, радіус якого дорівнює ") + N(r) + QStringLiteral(" ") +
                      large + QStringLiteral(" ") + N(c) + QStringLiteral(" ") + small);
    label(6)->setText(large);
    label(7)->setText(small);
    rightShown_ = right1_ + QStringLiteral(" ") + large + QStringLiteral(" ") + right2_ + QStringLiteral(" ") + small;
}

// Two circles on one drawing of four: a quadrilateral of radii, circles touching
// outside or inside, a small circle inside a large one.
void TForm31::TwoCircles() {
    edit(2)->hide();
    label(6)->setText(QStringLiteral("cм"));
    label(7)->setText(QString());
    const int variant = DrawCategory(39, 10);
    if (variant == 1) {
        ShowDrawing(QStringLiteral("zcircle\\il1.bmp"));
        const int r1 = (Random(149) + 120) / 10;
        const int r2 = (Random(69) + 40) / 10;
        // "О АО В" leaves the gaps of O₁ and O₂; " cм i " has a Latin c and i.
        label(2)->setText(QStringLiteral("Знайдіть периметр чотирикутника О АО В, якщо радіуси "));
        label(3)->setText(QStringLiteral("кіл дорівнюють ") + N(r1) + QStringLiteral(" cм i ") + N(r2) +
                          QStringLiteral(" cм."));
        label(11)->setText(QStringLiteral("1"));
        label(12)->setText(QStringLiteral("2"));
        PlaceSubscripts();
        right1_ = N(2 * r1 + 2 * r2);
    } else if (variant == 2 || variant == 3) {
        ShowDrawing(variant == 2 ? QStringLiteral("zcircle\\il2.bmp") : QStringLiteral("zcircle\\il3.bmp"));
        const int r1 = (Random(149) + 220) / 10;
        const int r2 = (Random(69) + 40) / 10;
        label(2)->setText(QStringLiteral("Радіус кола з центром А дорівнює ") + N(r1) + QStringLiteral(" cм,"));
        label(3)->setText(QStringLiteral("а радіус кола з центром В дорівнює ") + N(r2) + QStringLiteral(" cм,"));
        label(4)->setText(QStringLiteral("Знайдіть відстань між центрами цих кіл."));
        // Touching from outside on il2, from inside on il3.
        right1_ = N(variant == 2 ? r1 + r2 : r1 - r2);
    } else {
        ShowDrawing(QStringLiteral("zcircle\\il4.bmp"));
        const int BD = (Random(49) + 20) / 10;
        const int OC = (Random(109) + 200) / 10;
        // "OC", "BD" and "OK" are Latin, as on the drawing.
        label(2)->setText(QStringLiteral("OC=") + N(OC) + QStringLiteral(" cм,") + QStringLiteral(" BD=") + N(BD) +
                          QStringLiteral(" cм. ") + QStringLiteral("Знайдіть довжину відрізка OK."));
        // The small circle of radius BD touches the large one at C: KC is its diameter.
        right1_ = N(OC - 2 * BD);
    }
}

void TForm31::PlaceSubscripts() {
    // The design face at its design size: the gaps after each "О" of the line.
    const QFontMetricsF metrics(PageFace(kTextFont));
    const QString line = label(2)->text();
    const int first = int(line.indexOf(QStringLiteral("О ")));
    const int second = int(line.indexOf(QStringLiteral("О "), first + 1));
    const int top = kTextTop + int(metrics.ascent() * 0.55);
    place(label(11), 20 + int(metrics.horizontalAdvance(line.left(first + 1))), top);
    place(label(12), 20 + int(metrics.horizontalAdvance(line.left(second + 1))), top);
}

// π is 3,14 throughout: a diameter in tenths of a cm gives thousandths.
void TForm31::Circumference() {
    image(1)->hide();
    label(6)->setText(QStringLiteral("cм"));
    const int d = DrawTenths();
    label(2)->setText(QStringLiteral("Обчисліть довжину кола, діаметр якого дорівнює ") + TenthsText(d) +
                      QStringLiteral(" cм."));
    right1_ = Fixed(314 * int64_t(d), 3);
}

void TForm31::Area() {
    label(6)->setText(QStringLiteral("см"));
    label(13)->setText(QStringLiteral("2"));
    const int r = DrawTenths();
    label(2)->setText(QStringLiteral("Обчисліть площу круга, радіус якого дорівнює ") + TenthsText(r) +
                      QStringLiteral(" cм."));
    right1_ = Fixed(314 * int64_t(r) * r, 4);
}

void TForm31::DiameterFromCircumference() {
    label(6)->setText(QStringLiteral("см"));
    label(13)->setText(QString());
    const int d = DrawTenths();
    label(2)->setText(QStringLiteral("Обчисліть діаметр кола, довжина якого дорівнює ") + Fixed(314 * int64_t(d), 3) +
                      QStringLiteral(" cм."));
    right1_ = TenthsText(d);
}

// A wheel of radius r cm turning t times: t·6,28·r cm, shown in metres. The turns
// are matched to r so that the distance always has seven digits and ends in 00.
void TForm31::Wheel() {
    label(6)->setText(QStringLiteral("см"));
    int r = 0;
    do r = (Random(679) + 110) / 10; while (r % 5 == 0);
    const int t = r < 40 ? 400 : r <= 53 ? 300 : 200;
    const QString digits = N(int64_t(t) * 628 * r);
    label(2)->setText(QStringLiteral("Щоб проїхати ") + digits.left(3) + QStringLiteral(",") + digits.mid(3, 2) +
                      QStringLiteral(" м, колесо зробило ") + N(t) + QStringLiteral(" обертів. Знайдіть ") +
                      QStringLiteral("радіус колеса."));
    right1_ = N(r);
}

// The drawings "il5" and "il6" are laid out in quarters of the given length 4a,
// so their red line and yellow area come out in whole hundredths of a.
void TForm31::RedLine() {
    label(6)->setText(QStringLiteral("см"));
    ShowDrawing(QStringLiteral("zcircle\\il5.bmp"));
    int a = 0;
    do a = (Random(69) + 30) / 10; while (a % 5 == 0);
    label(2)->setText(QStringLiteral("Обчисліть довжину червоної лінії при а=") + N(4 * a) + QStringLiteral(" cм"));
    right1_ = Fixed(2512 * int64_t(a), 2);
}

void TForm31::YellowArea() {
    label(6)->setText(QStringLiteral("см"));
    ShowDrawing(QStringLiteral("zcircle\\il6.bmp"));
    int a = 0;
    do a = (Random(109) + 20) / 10; while (a % 5 == 0);
    // "кольoром" with a Latin o.
    label(2)->setText(QStringLiteral("Обчисліть площу зафарбовану жовтим кольoром "));
    label(3)->setText(QStringLiteral("при а=") + N(4 * a) + QStringLiteral(" cм"));
    right1_ = Fixed((1600 + 314 + 3 * 628) * int64_t(a) * a, 2);
}

bool TForm31::AnswerIsRight() {
    bool right = !right1_.isEmpty() && edit(1)->text() == right1_;
    edit(1)->setEnabled(false);
    if (Stage == 0) {
        right = edit(2)->text() == right2_ && right;
        edit(2)->setEnabled(false);
    }
    return right;
}

void TForm31::ShowRightAnswers() {
    Paint(edit(1), kWrongRed);
    label(10)->setText(Stage == 0 ? rightShown_ : right1_ + QStringLiteral(" cм"));
}
