// The garden pictures of the game, with the boy in them.
#include "datagen/games_maugli_scenes.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <tuple>

#include "datagen/paint_kit.h"

using namespace paint;

namespace maugli {
namespace {
// Sky, sun, clouds, the grass and an apple tree whose branch reaches over the boy.
QImage garden(bool evening = false) {
    QImage image = Canvas(kWidth, kHeight, evening ? QColor(250, 190, 140) : QColor(140, 200, 250),
                          evening ? QColor(255, 235, 200) : QColor(215, 240, 255));
    QPainter p(&image);
    Prepare(p);
    Sun(p, QPointF(50, evening ? 150 : 48), 22);
    Cloud(p, QPointF(160, 40), 90);
    Cloud(p, QPointF(250, 70), 60);
    Hill(p, QRectF(0, 220, kWidth, 100), QColor(110, 190, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 170, 70));
    p.drawRect(QRectF(0, 270, kWidth, 43));
    // The apple tree on the right.
    p.setBrush(QColor(125, 80, 45));
    p.drawRoundedRect(QRectF(315, 120, 24, 165), 6, 6);
    p.setPen(QPen(QColor(125, 80, 45), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(320, 95), QPointF(170, 80));
    p.setPen(Qt::NoPen);
    for (const auto& [x, y, r] : {std::tuple{330.0, 80.0, 60.0}, {290.0, 60.0, 40.0}, {370.0, 110.0, 35.0},
                                  {220.0, 70.0, 32.0}, {180.0, 76.0, 22.0}}) {
        p.setBrush(QColor(70, 160, 70));
        p.drawEllipse(QPointF(x, y), r, r * 0.8);
    }
    for (const auto& [x, y] : {std::pair{300.0, 90.0}, {345.0, 60.0}, {360.0, 115.0}, {230.0, 88.0}, {320.0, 30.0}})
        apple(p, QPointF(x, y), 8);
    for (int i = 0; i < 6; ++i) Flower(p, QPointF(20 + i * 62, 282 + (i % 2) * 8), 5, i % 2 ? QColor(250, 120, 170) : QColor(255, 240, 120));
    return image;
}

void basket(QPainter& p, QPointF c, int apples) {
    p.save();
    for (int i = 0; i < apples; ++i) apple(p, QPointF(c.x() - 16 + (i % 3) * 16, c.y() - 8 - (i / 3) * 10), 8);
    p.setPen(QPen(QColor(140, 90, 40), 2));
    p.setBrush(QColor(205, 150, 80));
    QPainterPath b;
    b.moveTo(c.x() - 30, c.y() - 6);
    b.lineTo(c.x() + 30, c.y() - 6);
    b.lineTo(c.x() + 22, c.y() + 20);
    b.lineTo(c.x() - 22, c.y() + 20);
    b.closeSubpath();
    p.drawPath(b);
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(c.x() - 30 + i * 15, c.y() - 6), QPointF(c.x() - 22 + i * 11, c.y() + 20));
    p.restore();
}
}  // namespace

void bubble(QPainter& p, const QRectF& box, const QString& text, const QColor& ink) {
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 14, 14);
    QPolygonF tail;
    tail << QPointF(box.left() + 20, box.bottom() - 1) << QPointF(box.left() + 8, box.bottom() + 16)
         << QPointF(box.left() + 36, box.bottom() - 1);
    p.setPen(Qt::NoPen);
    p.drawPolygon(tail);
    p.restore();
    Text(p, box, text, 20, ink);
}

namespace {
// The clock of the time limit: the share of the ninety seconds already gone, in red.
void clockFace(QPainter& p, QPointF c, double r, int thirdsGone) {
    p.save();
    p.setPen(QPen(QColor(70, 70, 70), 3));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 70, 60, 200));
    p.drawPie(QRectF(c.x() - r + 4, c.y() - r + 4, 2 * r - 8, 2 * r - 8), 90 * 16, -thirdsGone * 120 * 16);
    p.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    const double a = -M_PI / 2 + thirdsGone * 2 * M_PI / 3;
    p.drawLine(c, QPointF(c.x() + r * 0.8 * std::cos(a), c.y() + r * 0.8 * std::sin(a)));
    p.restore();
}

void warningSign(QPainter& p, QPointF c, double size, int marks) {
    p.save();
    QPolygonF t;
    t << QPointF(c.x(), c.y() - size) << QPointF(c.x() + size, c.y() + size * 0.75) << QPointF(c.x() - size, c.y() + size * 0.75);
    p.setPen(QPen(QColor(200, 40, 30), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 220, 60));
    p.drawPolygon(t);
    p.restore();
    Text(p, QRectF(c.x() - size, c.y() - size * 0.5, 2 * size, size * 1.2), QString(marks, u'!'), int(size * 0.8),
         QColor(180, 30, 20));
}
}  // namespace

QImage scene(const Pose& pose, int basketApples, const std::function<void(QPainter&)>& extra) {
    QImage image = garden();
    QPainter p(&image);
    Prepare(p);
    if (basketApples >= 0) basket(p, QPointF(250, 270), basketApples);
    boy(p, pose);
    if (extra) extra(p);
    return image;
}

QImage faceCloseUp() {
    QImage image = Canvas(kWidth, kHeight, QColor(255, 240, 170), QColor(255, 200, 120));
    QPainter p(&image);
    Prepare(p);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        Star(p, QPointF(196 + 165 * std::cos(a), 156 + 130 * std::sin(a)), 12 + (i % 3) * 4,
             i % 2 ? QColor(255, 120, 150) : QColor(255, 215, 40));
    }
    Pose pose;
    pose.hip = QPointF(196, 470);
    pose.eyes = Eyes::Happy;
    pose.mouth = Mouth::Grin;
    p.translate(196, 156);
    p.scale(3.4, 3.4);
    p.translate(-196, -156);
    // Only the head is in the frame: the body lies below the picture.
    pose.hip = QPointF(196, 156 + 62 + 27 - 4);
    boy(p, pose);
    return image;
}

QImage carriedAway() {
    QImage image = garden(true);
    QPainter p(&image);
    Prepare(p);
    // Balloons lift the boy over the trees.
    const QColor balloons[] = {QColor(240, 80, 80), QColor(80, 150, 240), QColor(250, 210, 60), QColor(150, 220, 90)};
    for (int i = 0; i < 4; ++i) {
        const QPointF c(70 + i * 28, 40 + (i % 2) * 14);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawLine(QPointF(c.x(), c.y() + 20), QPointF(120, 118));
        p.setPen(Qt::NoPen);
        p.setBrush(balloons[i]);
        p.drawEllipse(c, 16, 20);
    }
    p.save();
    p.translate(120, 118);
    p.scale(0.6, 0.6);
    p.translate(-150, -235 + 62 + 27 * 2 + 20);
    Pose pose;
    pose.armRight = 175;
    pose.armLeft = 120;
    pose.legLeft = 20;
    pose.legRight = 30;
    pose.kneeRight = 30;
    pose.eyes = Eyes::Wide;
    pose.mouth = Mouth::Open;
    boy(p, pose);
    p.restore();
    bubble(p, QRectF(200, 130, 180, 50), QStringLiteral("Ой! Час минув..."), QColor(170, 40, 40));
    return image;
}

QImage warning(const Pose& pose, int basketApples, int thirdsGone, int marks) {
    return scene(pose, basketApples, [&](QPainter& p) {
        clockFace(p, QPointF(48, 48), 32, thirdsGone);
        warningSign(p, QPointF(120, 56), 30, marks);
    });
}
}  // namespace maugli
