#include "datagen/problems_ladders.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>
#include <utility>

#include "datagen/data_writer.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace {

// ---- The circle's drawings: textbook figures on squared paper. ----

const int kDrawW = 400, kDrawH = 357;
const QColor kInk(40, 50, 90);

QImage SquaredPaper() {
    QImage image = Canvas(kDrawW, kDrawH, QColor(255, 253, 240), QColor(250, 244, 222));
    QPainter p(&image);
    p.setPen(QPen(QColor(180, 210, 240, 120), 1));
    for (int x = 0; x < kDrawW; x += 20) p.drawLine(x, 0, x, kDrawH);
    for (int y = 0; y < kDrawH; y += 20) p.drawLine(0, y, kDrawW, y);
    // A little pencil in the corner.
    Prepare(p);
    p.translate(352, 330);
    p.rotate(-35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 60));
    p.drawRect(QRectF(-30, -5, 50, 10));
    p.setBrush(QColor(240, 130, 150));
    p.drawRect(QRectF(20, -5, 8, 10));
    p.setBrush(QColor(240, 220, 180));
    QPolygonF tip;
    tip << QPointF(-30, -5) << QPointF(-42, 0) << QPointF(-30, 5);
    p.drawPolygon(tip);
    return image;
}

void Disc(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.save();
    p.setPen(QPen(colour.darker(130), 3));
    p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 60));
    p.drawEllipse(c, r, r);
    p.restore();
}

// A point with its name; `sub` is a subscript ("1" in O₁).
void Point(QPainter& p, QPointF at, const QString& name, QPointF offset, const QString& sub = QString()) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(at, 3.5, 3.5);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(22);
    font.setItalic(true);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    const QPointF base = at + offset;
    p.drawText(base, name);
    if (!sub.isEmpty()) {
        const double w = QFontMetricsF(font).horizontalAdvance(name);
        font.setPixelSize(14);
        p.setFont(font);
        p.drawText(base + QPointF(w, 6), sub);
    }
    p.restore();
}

void Segment(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width = 3, bool dashed = false) {
    p.save();
    p.setPen(QPen(colour, width, dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.restore();
}

// il1: two circles crossing at A and B; the quadrilateral O₁AO₂B has the radii
// for sides, so its perimeter is 2·r1 + 2·r2.
QImage TwoCirclesCrossing() {
    QImage image = SquaredPaper();
    QPainter p(&image);
    Prepare(p);
    const QPointF o1(155, 175), o2(275, 175);
    const double r1 = 105, r2 = 75, d = o2.x() - o1.x();
    const double x = (d * d + r1 * r1 - r2 * r2) / (2 * d), h = std::sqrt(r1 * r1 - x * x);
    const QPointF a(o1.x() + x, o1.y() - h), b(o1.x() + x, o1.y() + h);
    Disc(p, o1, r1, QColor(70, 140, 230));
    Disc(p, o2, r2, QColor(70, 190, 110));
    QPolygonF kite;
    kite << o1 << a << o2 << b;
    p.setPen(QPen(QColor(240, 110, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 200, 80, 110));
    p.drawPolygon(kite);
    Point(p, o1, QStringLiteral("O"), QPointF(-26, 6), QStringLiteral("1"));
    Point(p, o2, QStringLiteral("O"), QPointF(8, 6), QStringLiteral("2"));
    Point(p, a, QStringLiteral("A"), QPointF(4, -8));
    Point(p, b, QStringLiteral("B"), QPointF(4, 24));
    return image;
}

// il2 and il3: circles touching from outside (AB = r1 + r2) or from inside (AB = r1 − r2).
QImage TwoCirclesTouching(bool outside) {
    QImage image = SquaredPaper();
    QPainter p(&image);
    Prepare(p);
    const double r1 = outside ? 105 : 145, r2 = outside ? 55 : 58;
    const QPointF a(outside ? 125 : 190, 178);
    const QPointF b(outside ? a.x() + r1 + r2 : a.x() + r1 - r2, 178);
    Disc(p, a, r1, QColor(230, 90, 140));
    Disc(p, b, r2, QColor(80, 170, 230));
    Segment(p, a, b, QColor(230, 40, 40), 4);
    Point(p, a, QStringLiteral("A"), QPointF(-8, -10));
    Point(p, b, QStringLiteral("B"), QPointF(-6, -10));
    // Where they touch.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 40));
    p.drawEllipse(QPointF(a.x() + r1, 178), 5, 5);
    return image;
}

// il4: a small circle with centre D and radius BD inside the circle with centre O,
// touching it at C; KC is the small circle's diameter, so OK = OC − 2·BD.
QImage CircleInCircle() {
    QImage image = SquaredPaper();
    QPainter p(&image);
    Prepare(p);
    const QPointF o(180, 178);
    const double R = 150, r = 45;
    const QPointF c(o.x() + R, o.y()), d(c.x() - r, o.y()), k(c.x() - 2 * r, o.y());
    const QPointF b(d.x() + r * std::cos(-M_PI / 3), d.y() + r * std::sin(-M_PI / 3));
    Disc(p, o, R, QColor(120, 110, 230));
    Disc(p, d, r, QColor(250, 160, 50));
    Segment(p, o, k, QColor(230, 40, 40), 5);
    Segment(p, k, c, kInk, 2, true);
    Segment(p, d, b, QColor(30, 150, 90), 3);
    Point(p, o, QStringLiteral("O"), QPointF(-10, -10));
    Point(p, k, QStringLiteral("K"), QPointF(-20, 24));
    Point(p, d, QStringLiteral("D"), QPointF(-6, 26));
    Point(p, c, QStringLiteral("C"), QPointF(8, -8));
    Point(p, b, QStringLiteral("B"), QPointF(4, -6));
    return image;
}

// A dimension line with arrows and its name in the middle.
void Dimension(QPainter& p, QPointF from, QPointF to, const QString& name, QPointF labelOffset) {
    p.save();
    p.setPen(QPen(QColor(40, 110, 200), 2));
    p.drawLine(from, to);
    const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-dir.y(), dir.x());
    for (const auto& [tip, sign] : {std::pair{from, 1.0}, std::pair{to, -1.0}}) {
        QPolygonF arrow;
        arrow << tip << tip + sign * dir * 10 + normal * 4 << tip + sign * dir * 10 - normal * 4;
        p.setBrush(QColor(40, 110, 200));
        p.drawPolygon(arrow);
    }
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(22);
    font.setItalic(true);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(40, 110, 200));
    p.drawText((from + to) / 2 + labelOffset, name);
    p.restore();
}

// il5: the red line of semicircles, laid out from circle_figures::kRedLine.
QImage RedLineDrawing() {
    using circle_figures::kRedLine;
    QImage image = SquaredPaper();
    QPainter p(&image);
    Prepare(p);
    int above = 0, below = 0;
    for (const auto& s : kRedLine) (s.above ? above : below) += s.diameter;
    const int units = std::max(above, below);
    const double unit = 320.0 / units, left = 40, line = 185;
    Segment(p, QPointF(left, line), QPointF(left + units * unit, line), QColor(120, 140, 180), 2, true);
    double atAbove = left, atBelow = left;
    p.setPen(QPen(QColor(235, 30, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const auto& s : kRedLine) {
        double& at = s.above ? atAbove : atBelow;
        const double w = s.diameter * unit;
        p.drawArc(QRectF(at, line - w / 2, w, w), 0, (s.above ? 180 : -180) * 16);
        at += w;
    }
    // The drawing's "а" is four units: one mark for each of them along the line.
    for (int from = 0; from + 4 <= units; from += 4)
        Dimension(p, QPointF(left + from * unit, 300), QPointF(left + (from + 4) * unit, 300), QStringLiteral("а"),
                  QPointF(-6, -8));
    return image;
}

// il6: the yellow figure, laid out from circle_figures::kYellow: a square, the
// semicircles on its left, right and bottom sides, the circle on its top side.
QImage YellowDrawing() {
    using circle_figures::kYellow;
    QImage image = Canvas(kDrawW, kDrawH, QColor(215, 235, 255), QColor(190, 220, 250));
    QPainter p(&image);
    Prepare(p);
    const double unit = 36;
    const double side = kYellow.squareSide * unit, half = side / 2;
    const QPointF centre(kDrawW / 2.0, 190);
    const QRectF square(centre.x() - half, centre.y() - half, side, side);
    QPainterPath figure;
    figure.addRect(square);
    // Left, right, bottom, top: the sides in the order they take semicircles.
    const QPointF mids[] = {{square.left(), centre.y()}, {square.right(), centre.y()}, {centre.x(), square.bottom()},
                            {centre.x(), square.top()}};
    const int starts[] = {90, -90, 180, 0};  // each semicircle bulges outward
    for (int i = 0; i < kYellow.sideSemicircles; ++i) {
        QPainterPath bulge;
        bulge.moveTo(mids[i]);
        bulge.arcTo(QRectF(mids[i].x() - half, mids[i].y() - half, side, side), starts[i], 180);
        bulge.closeSubpath();
        figure = figure.united(bulge);
    }
    const double r = kYellow.circleRadius * unit;
    const QPointF free = mids[kYellow.sideSemicircles];
    const QPointF circleCentre(free.x(), free.y() - r);
    p.setPen(QPen(QColor(230, 150, 20), 3));
    p.setBrush(QColor(255, 225, 50));
    p.drawPath(figure);
    p.drawEllipse(circleCentre, r, r);
    // The square's sides inside the figure, thin.
    p.setPen(QPen(QColor(200, 130, 30), 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(square);
    // A smile on the little circle: the figure is a friendly sun-bug.
    p.setPen(QPen(QColor(120, 70, 20), 2));
    p.drawArc(QRectF(circleCentre.x() - r / 2, circleCentre.y() - r / 3, r, r * 0.8), 200 * 16, 140 * 16);
    Dimension(p, QPointF(square.left(), centre.y() + 20), QPointF(square.right(), centre.y() + 20), QStringLiteral("а"),
              QPointF(-6, -8));
    Dimension(p, QPointF(circleCentre.x() - r, circleCentre.y() - r - 8),
              QPointF(circleCentre.x() + r, circleCentre.y() - r - 8), QStringLiteral("а/2"), QPointF(r + 8, 6));
    return image;
}

// ---- The circle's reward: a Ferris wheel in a park. ----

QImage FerrisWheel(double turn) {
    const int w = 377, h = 361;
    QImage image = Canvas(w, h, QColor(120, 190, 250), QColor(200, 235, 255));
    QPainter p(&image);
    Prepare(p);
    Sun(p, QPointF(320, 50), 22);
    Cloud(p, QPointF(70, 50), 90);
    Cloud(p, QPointF(250, 95), 70);
    Hill(p, QRectF(0, 270, w, 100), QColor(110, 200, 100));
    Hill(p, QRectF(-60, 295, w + 60, 80), QColor(80, 175, 80));
    const QPointF hub(188, 165);
    const double radius = 115;
    // Legs.
    p.setPen(QPen(QColor(90, 90, 150), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hub, QPointF(120, 318));
    p.drawLine(hub, QPointF(256, 318));
    // Rim and spokes turn.
    p.setPen(QPen(QColor(240, 80, 120), 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(hub, radius, radius);
    p.setPen(QPen(QColor(250, 170, 60), 2.5));
    const QColor cabins[] = {QColor(240, 70, 70), QColor(250, 200, 40), QColor(70, 160, 240), QColor(160, 90, 220),
                             QColor(60, 190, 120), QColor(250, 130, 40), QColor(240, 100, 190), QColor(60, 200, 210)};
    for (int i = 0; i < 8; ++i) {
        const double a = (turn + i / 8.0) * 2 * M_PI;
        const QPointF end(hub.x() + radius * std::cos(a), hub.y() + radius * std::sin(a));
        p.setPen(QPen(QColor(250, 170, 60), 2.5));
        p.drawLine(hub, end);
        // Cabins hang straight down whatever the wheel's turn.
        p.setPen(QPen(cabins[i].darker(140), 2));
        p.setBrush(cabins[i]);
        p.drawRoundedRect(QRectF(end.x() - 14, end.y(), 28, 22), 6, 6);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRect(QRectF(end.x() - 9, end.y() + 4, 18, 7));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(hub, 12, 12);
    Flower(p, QPointF(40, 300), 8, QColor(250, 120, 160));
    Flower(p, QPointF(330, 305), 8, QColor(170, 120, 250));
    Tree(p, QPointF(345, 300), 70);
    return image;
}

// ---- Set 8's reward: a picnic pie shared in a ratio. ----

// phase < 0: a still; 0 … 1 through the loop, one fifth of a turn a frame.
QImage PicnicPie(double phase) {
    const int w = 512, h = 413;
    const bool moving = phase >= 0;
    const double at = moving ? phase : 0;
    QImage image = Canvas(w, h, QColor(150, 210, 255), QColor(215, 240, 255));
    QPainter p(&image);
    Prepare(p);
    Sun(p, QPointF(450, 60), 28);
    Cloud(p, QPointF(110, 60), 120);
    Hill(p, QRectF(0, 170, w, 250), QColor(120, 205, 100));
    Tree(p, QPointF(60, 250), 120);
    // A chequered cloth.
    p.save();
    p.translate(256, 300);
    p.scale(1, 0.42);
    QPainterPath cloth;
    cloth.addEllipse(QPointF(0, 0), 210, 210);
    p.setClipPath(cloth);
    for (int y = -210; y < 210; y += 30)
        for (int x = -210; x < 210; x += 30)
            p.fillRect(QRectF(x, y, 30, 30), ((x + y) / 30) % 2 == 0 ? QColor(230, 60, 70) : QColor(255, 245, 245));
    p.restore();
    // The pie cut 3 : 2 : 4 : 1, turning a fifth of a turn each frame.
    const QColor fills[] = {QColor(250, 170, 50), QColor(240, 90, 110), QColor(120, 190, 90), QColor(150, 120, 230)};
    const int parts[] = {3, 2, 4, 1};
    const QPointF centre(256, 240);
    const double r = 100;
    p.setPen(QPen(QColor(150, 90, 40), 3));
    p.setBrush(QColor(210, 150, 80));
    p.drawEllipse(centre + QPointF(0, 10), r + 6, r * 0.55 + 6);
    double start = 90 + at * 72;
    for (int i = 0; i < 4; ++i) {
        const double span = 360.0 * parts[i] / 10;
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(fills[i]);
        // A pulled-out slice in the animation.
        const double mid = (start + span / 2) * M_PI / 180;
        const double pull = moving && i == 0 ? 10 : 0;
        const QPointF c = centre + QPointF(pull * std::cos(mid), -pull * std::sin(mid) * 0.55);
        p.save();
        p.translate(c);
        p.scale(1, 0.55);
        p.drawPie(QRectF(-r, -r, 2 * r, 2 * r), int(start * 16), int(span * 16));
        p.restore();
        start += span;
    }
    Text(p, QRectF(156, 90, 200, 40), QStringLiteral("3 : 2 : 4 : 1"), 26, QColor(60, 60, 120));
    Flower(p, QPointF(470, 330), 9, QColor(250, 200, 60));
    Flower(p, QPointF(40, 350), 9, QColor(240, 120, 200));
    if (moving) {
        // Confetti falling a fifth of the picture each frame, and the banner.
        const QColor confetti[] = {QColor(240, 70, 70), QColor(250, 200, 40), QColor(70, 160, 240), QColor(60, 190, 120)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 40; ++i) {
            const double x = std::fmod(i * 61.0 + 17, w);
            const double y = std::fmod(i * 89.0 + at * h, h);
            p.setBrush(confetti[i % 4]);
            p.drawRect(QRectF(x, y, 6, 10));
        }
        const QRectF banner(150, 360 - 4 * std::sin(2 * M_PI * at), 212, 42);
        Panel(p, banner, QColor(240, 90, 120));
        Text(p, banner, QStringLiteral("Чудово!"), 26, Qt::white);
    }
    return image;
}

}  // namespace

void RenderStageLadderPictures(const DataWriter& out) {
    out.savePicture(QStringLiteral("zcircle\\il1.bmp"), TwoCirclesCrossing());
    out.savePicture(QStringLiteral("zcircle\\il2.bmp"), TwoCirclesTouching(true));
    out.savePicture(QStringLiteral("zcircle\\il3.bmp"), TwoCirclesTouching(false));
    out.savePicture(QStringLiteral("zcircle\\il4.bmp"), CircleInCircle());
    out.savePicture(QStringLiteral("zcircle\\il5.bmp"), RedLineDrawing());
    out.savePicture(QStringLiteral("zcircle\\il6.bmp"), YellowDrawing());
    // The wheel is uncovered one tile a stage: p4(7) after the first right answer,
    // p4(1) after the seventh, the whole of it (p1) after the eighth.
    const QImage wheel = FerrisWheel(0);
    out.savePicture(QStringLiteral("zcircle\\p1.bmp"), wheel);
    out.savePicture(QStringLiteral("zcircle\\p2.bmp"), FerrisWheel(1.0 / 16));
    for (int k = 1; k <= 7; ++k) out.savePicture(QStringLiteral("zcircle\\p4(%1).bmp").arg(k), RevealStage(wheel, 8 - k, 8));
    for (int count = 0; count <= 8; ++count)
        out.savePicture(QStringLiteral("zcircle\\ocenka%1ps.bmp").arg(count), MarkPicture(count, 8, 420, 112));

    const QImage pie = PicnicPie(-1);
    for (int k = 1; k <= 4; ++k) out.savePicture(QStringLiteral("z8\\e1(%1).bmp").arg(k), RevealStage(pie, k, 5));
    for (int frame = 0; frame < 5; ++frame)
        out.savePicture(QStringLiteral("z8\\e%1.bmp").arg(frame + 1), PicnicPie(frame / 5.0));
    for (int mark = 0; mark <= 5; ++mark)
        out.savePicture(QStringLiteral("z8\\ocenka%1s.bmp").arg(mark), MarkPicture(mark, 5, 440, 120));
}
