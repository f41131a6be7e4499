#include "datagen/games_vch.h"

#include <QPainterPath>
#include <cmath>

#include "datagen/data_writer.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace {
const int kW = 465, kH = 353;

void fish(QPainter& p, QPointF c, double size, const QColor& body, bool left) {
    p.save();
    p.translate(c);
    if (left) p.scale(-1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(body.darker(115));
    QPolygonF tail;
    tail << QPointF(-size * 0.8, 0) << QPointF(-size * 1.4, -size * 0.5) << QPointF(-size * 1.4, size * 0.5);
    p.drawPolygon(tail);
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), size, size * 0.6);
    p.setBrush(body.lighter(140));
    p.drawEllipse(QPointF(-size * 0.1, size * 0.15), size * 0.45, size * 0.25);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(size * 0.5, -size * 0.15), size * 0.18, size * 0.18);
    p.setBrush(QColor(30, 30, 60));
    p.drawEllipse(QPointF(size * 0.55, -size * 0.15), size * 0.09, size * 0.09);
    p.setPen(QPen(QColor(120, 30, 40), std::max(1.5, size / 12), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(size * 0.55, size * 0.05, size * 0.3, size * 0.2), 200 * 16, 120 * 16);
    p.restore();
}

// Lesson 1 (and the fraction game): a sea bed full of fish.
QImage seaBed() {
    QImage image = Canvas(kW, kH, QColor(90, 200, 240), QColor(20, 90, 170));
    QPainter p(&image);
    Prepare(p);
    // Light from above.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        QPolygonF ray;
        const double x = 40 + i * 95;
        ray << QPointF(x, 0) << QPointF(x + 30, 0) << QPointF(x + 80, kH) << QPointF(x + 20, kH);
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawPolygon(ray);
    }
    // Sand, weed and a starfish.
    p.setBrush(QColor(245, 215, 140));
    QPainterPath sand;
    sand.moveTo(0, kH);
    sand.lineTo(0, 300);
    sand.cubicTo(120, 280, 300, 320, kW, 295);
    sand.lineTo(kW, kH);
    p.drawPath(sand);
    const QColor weeds[] = {QColor(60, 170, 90), QColor(90, 200, 110), QColor(40, 140, 80)};
    for (int i = 0; i < 7; ++i) {
        const double x = 25 + i * 70;
        p.setPen(QPen(weeds[i % 3], 9, Qt::SolidLine, Qt::RoundCap));
        QPainterPath weed;
        weed.moveTo(x, 310);
        weed.cubicTo(x - 20, 260, x + 20, 230, x - 5, 180 + (i % 3) * 25);
        p.setBrush(Qt::NoBrush);
        p.drawPath(weed);
    }
    Star(p, QPointF(380, 320), 20, QColor(250, 110, 90));
    Star(p, QPointF(110, 325), 14, QColor(255, 190, 60));
    // Bubbles.
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = 0; i < 14; ++i) p.drawEllipse(QPointF(30 + (i * 73) % 420, 20 + (i * 41) % 240), 4 + i % 4, 4 + i % 4);
    fish(p, QPointF(120, 90), 34, QColor(255, 150, 40), false);
    fish(p, QPointF(330, 70), 26, QColor(250, 220, 60), true);
    fish(p, QPointF(250, 170), 42, QColor(240, 90, 120), true);
    fish(p, QPointF(90, 220), 24, QColor(120, 220, 120), false);
    fish(p, QPointF(390, 230), 28, QColor(170, 120, 240), true);
    return image;
}

// Lesson 2: a kite over a rainbow meadow.
QImage kiteMeadow() {
    QImage image = Canvas(kW, kH, QColor(140, 205, 255), QColor(235, 248, 255));
    QPainter p(&image);
    Prepare(p);
    Sun(p, QPointF(400, 60), 32);
    Cloud(p, QPointF(90, 50), 110);
    Cloud(p, QPointF(300, 120), 80);
    const QColor bands[] = {QColor(240, 70, 70), QColor(250, 160, 50), QColor(250, 230, 70), QColor(100, 200, 100),
                            QColor(80, 150, 240), QColor(150, 100, 220)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(bands[i], 12, Qt::SolidLine, Qt::FlatCap));
        const double r = 200 - i * 12;
        p.drawArc(QRectF(230 - r, 300 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    Hill(p, QRectF(0, 250, kW, 103), QColor(120, 200, 100));
    Hill(p, QRectF(-80, 290, kW + 80, 63), QColor(90, 175, 80));
    Flower(p, QPointF(40, 320), 9, QColor(250, 120, 170));
    Flower(p, QPointF(150, 335), 8, QColor(255, 210, 60));
    Flower(p, QPointF(300, 330), 9, QColor(200, 120, 240));
    Flower(p, QPointF(420, 318), 8, QColor(255, 140, 90));
    // The kite on its string, held from the meadow.
    const QPointF top(120, 40), right(175, 95), bottom(125, 175), left(70, 100);
    p.setPen(QPen(QColor(90, 60, 40), 2));
    p.setBrush(QColor(240, 60, 90));
    p.drawPolygon(QPolygonF({top, right, bottom, left}));
    p.setBrush(QColor(255, 210, 60));
    p.drawPolygon(QPolygonF({top, right, QPointF(123, 105)}));
    p.drawPolygon(QPolygonF({bottom, left, QPointF(123, 105)}));
    p.drawLine(top, bottom);
    p.drawLine(left, right);
    QPainterPath string;
    string.moveTo(bottom);
    string.cubicTo(140, 230, 200, 250, 230, 300);
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    p.setPen(Qt::NoPen);
    const QColor bows[] = {QColor(80, 150, 240), QColor(100, 200, 100), QColor(250, 160, 50)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(128 + i * 9, 198 + i * 20);
        p.setBrush(bows[i]);
        p.drawPolygon(QPolygonF({c, c + QPointF(-10, -7), c + QPointF(-10, 7)}));
        p.drawPolygon(QPolygonF({c, c + QPointF(10, -7), c + QPointF(10, 7)}));
    }
    return image;
}

// The bar between numerator and denominator: a plain stroke on the window's colour.
QImage fractionBar() {
    QImage image(60, 12, QImage::Format_RGB32);
    image.fill(QColor(250, 246, 236));  // the window's colour: only the line shows
    QPainter p(&image);
    p.fillRect(QRect(2, 5, 56, 3), QColor(20, 20, 20));
    return image;
}
}  // namespace

void RenderVchPictures(const DataWriter& out) {
    const QImage wholes[] = {seaBed(), kiteMeadow()};
    for (int series = 1; series <= 2; ++series) {
        const QImage& whole = wholes[series - 1];
        const QString base = QStringLiteral("vch\\0%1").arg(series);
        for (int stage = 9; stage >= 1; --stage)
            out.savePicture(base + QStringLiteral("(%1).bmp").arg(stage), RevealStage(whole, 10 - stage, 10));
        out.savePicture(base + QStringLiteral(".bmp"), whole);
    }
    for (int mark = 0; mark <= 10; ++mark)
        out.savePicture(QStringLiteral("vch\\ocenka%1.bmp").arg(mark), MarkPicture(mark, 10, 433, 49));
    out.savePicture(QStringLiteral("vch\\chdr2.bmp"), fractionBar());
}
