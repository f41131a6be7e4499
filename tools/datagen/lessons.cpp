#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/lessons_fractions.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace {
const int kW = 360, kH = 300;

// Level 1: a hot-air balloon over the hills.
QImage balloon() {
    QImage image = Canvas(kW, kH, QColor(150, 205, 255), QColor(230, 245, 255));
    QPainter p(&image);
    Prepare(p);
    Sun(p, QPointF(300, 60), 28);
    Cloud(p, QPointF(80, 60), 110);
    Cloud(p, QPointF(250, 150), 80);
    Hill(p, QRectF(0, 210, kW, 90), QColor(110, 190, 100));
    Hill(p, QRectF(-60, 240, kW + 60, 60), QColor(90, 170, 80));
    Tree(p, QPointF(40, 270), 60);
    Tree(p, QPointF(320, 262), 50);
    // The envelope in stripes.
    const QPointF c(170, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 80, 80));
    p.drawEllipse(c, 70, 70);
    p.setBrush(QColor(255, 200, 60));
    p.drawEllipse(QRectF(c.x() - 45, c.y() - 70, 90, 140));
    p.setBrush(QColor(90, 170, 240));
    p.drawEllipse(QRectF(c.x() - 18, c.y() - 70, 36, 140));
    p.setPen(QPen(QColor(110, 70, 40), 2));
    p.drawLine(QPointF(c.x() - 50, c.y() + 50), QPointF(c.x() - 16, c.y() + 110));
    p.drawLine(QPointF(c.x() + 50, c.y() + 50), QPointF(c.x() + 16, c.y() + 110));
    p.setBrush(QColor(170, 110, 60));
    p.drawRoundedRect(QRectF(c.x() - 20, c.y() + 108, 40, 28), 5, 5);
    return image;
}

// Level 2: a castle with flags.
QImage castle() {
    QImage image = Canvas(kW, kH, QColor(255, 210, 170), QColor(255, 240, 215));
    QPainter p(&image);
    Prepare(p);
    Cloud(p, QPointF(70, 45), 90);
    Cloud(p, QPointF(290, 70), 100);
    Hill(p, QRectF(0, 235, kW, 65), QColor(120, 195, 105));
    p.setPen(QPen(QColor(120, 110, 140), 2));
    const QColor wall(200, 190, 225), roof(120, 90, 200);
    auto tower = [&](double x, double w, double top) {
        p.setBrush(wall);
        p.drawRect(QRectF(x, top, w, 255 - top));
        QPolygonF cone;
        cone << QPointF(x - 6, top) << QPointF(x + w / 2, top - 55) << QPointF(x + w + 6, top);
        p.setBrush(roof);
        p.drawPolygon(cone);
        p.drawLine(QPointF(x + w / 2, top - 55), QPointF(x + w / 2, top - 80));
        QPolygonF flag;
        flag << QPointF(x + w / 2, top - 80) << QPointF(x + w / 2 + 24, top - 72) << QPointF(x + w / 2, top - 64);
        p.setBrush(QColor(240, 70, 80));
        p.drawPolygon(flag);
        p.setBrush(QColor(250, 230, 120));
        p.drawRoundedRect(QRectF(x + w / 2 - 8, top + 25, 16, 24), 8, 8);
    };
    p.setBrush(wall);
    p.drawRect(QRectF(90, 150, 180, 105));
    for (int i = 0; i < 6; ++i) p.drawRect(QRectF(92 + i * 31, 136, 18, 16));
    tower(50, 60, 110);
    tower(250, 60, 110);
    tower(150, 60, 80);
    p.setBrush(QColor(140, 90, 50));
    p.drawChord(QRectF(160, 190, 40, 80), 0, 180 * 16);
    p.drawRect(QRectF(160, 230, 40, 25));
    Flower(p, QPointF(30, 255), 7, QColor(250, 120, 170));
    Flower(p, QPointF(330, 258), 7, QColor(250, 200, 60));
    return image;
}

// Level 3: a sailing ship on a calm sea.
QImage ship() {
    QImage image = Canvas(kW, kH, QColor(130, 200, 250), QColor(220, 240, 255));
    QPainter p(&image);
    Prepare(p);
    Sun(p, QPointF(60, 60), 30);
    Cloud(p, QPointF(250, 50), 110);
    QLinearGradient sea(0, 200, 0, kH);
    sea.setColorAt(0, QColor(60, 150, 220));
    sea.setColorAt(1, QColor(30, 100, 180));
    p.fillRect(QRectF(0, 200, kW, 100), sea);
    p.setPen(QPen(QColor(255, 255, 255, 170), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double x = 20 + i * 50, y = 230 + (i % 3) * 20;
        p.drawArc(QRectF(x, y, 30, 12), 0, 180 * 16);
    }
    p.setPen(Qt::NoPen);
    QPainterPath hull;
    hull.moveTo(90, 195);
    hull.lineTo(280, 195);
    hull.lineTo(250, 240);
    hull.lineTo(120, 240);
    hull.closeSubpath();
    p.setBrush(QColor(170, 90, 50));
    p.drawPath(hull);
    p.setBrush(QColor(240, 220, 120));
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(135 + i * 26, 212), 6, 6);
    p.setPen(QPen(QColor(110, 70, 40), 5));
    p.drawLine(QPointF(185, 195), QPointF(185, 60));
    p.setPen(Qt::NoPen);
    QPolygonF big, small;
    big << QPointF(190, 65) << QPointF(190, 185) << QPointF(270, 185);
    small << QPointF(180, 80) << QPointF(180, 185) << QPointF(115, 185);
    p.setBrush(QColor(255, 255, 250));
    p.drawPolygon(big);
    p.setBrush(QColor(255, 235, 200));
    p.drawPolygon(small);
    QPolygonF pennant;
    pennant << QPointF(185, 60) << QPointF(215, 52) << QPointF(185, 44);
    p.setBrush(QColor(240, 70, 80));
    p.drawPolygon(pennant);
    return image;
}

// Level 4: a rocket among the planets.
QImage rocket() {
    QImage image = Canvas(kW, kH, QColor(25, 25, 80), QColor(70, 50, 130));
    QPainter p(&image);
    Prepare(p);
    for (int i = 0; i < 40; ++i) {
        const QPointF at((i * 97) % kW, (i * 53 + i * i) % kH);
        Star(p, at, 2 + (i % 3), QColor(255, 250, 200));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 160, 80));
    p.drawEllipse(QPointF(290, 230), 45, 45);
    p.setPen(QPen(QColor(255, 220, 150), 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(290, 230), 70, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 200, 250));
    p.drawEllipse(QPointF(60, 70), 28, 28);
    p.setBrush(QColor(100, 190, 120));
    p.drawEllipse(QPointF(52, 64), 10, 7);
    p.save();
    p.translate(160, 160);
    p.rotate(30);
    // Flame, body, window, fins.
    p.setBrush(QColor(255, 190, 50));
    p.drawEllipse(QRectF(-16, 62, 32, 60));
    p.setBrush(QColor(255, 110, 40));
    p.drawEllipse(QRectF(-9, 64, 18, 36));
    p.setBrush(QColor(230, 60, 70));
    QPolygonF finL, finR;
    finL << QPointF(-28, 30) << QPointF(-52, 80) << QPointF(-28, 70);
    finR << QPointF(28, 30) << QPointF(52, 80) << QPointF(28, 70);
    p.drawPolygon(finL);
    p.drawPolygon(finR);
    QPainterPath body;
    body.moveTo(0, -100);
    body.cubicTo(40, -60, 32, 40, 28, 72);
    body.lineTo(-28, 72);
    body.cubicTo(-32, 40, -40, -60, 0, -100);
    p.setBrush(QColor(240, 240, 250));
    p.drawPath(body);
    p.setBrush(QColor(230, 60, 70));
    QPainterPath nose;
    nose.moveTo(0, -100);
    nose.cubicTo(22, -80, 28, -62, 30, -52);
    nose.lineTo(-30, -52);
    nose.cubicTo(-28, -62, -22, -80, 0, -100);
    p.drawPath(nose);
    p.setPen(QPen(QColor(90, 90, 120), 4));
    p.setBrush(QColor(120, 200, 250));
    p.drawEllipse(QPointF(0, -15), 15, 15);
    p.restore();
    return image;
}

// Level 5, the hardest: a golden cup on the winners' stand.
QImage cup() {
    QImage image = Canvas(kW, kH, QColor(255, 235, 180), QColor(255, 250, 235));
    QPainter p(&image);
    Prepare(p);
    const QColor confetti[] = {QColor(240, 80, 80), QColor(90, 170, 240), QColor(120, 200, 100), QColor(200, 110, 230)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 36; ++i) {
        p.setBrush(confetti[i % 4]);
        p.save();
        p.translate((i * 83) % kW, (i * 37) % 200);
        p.rotate(i * 29);
        p.drawRect(QRectF(-5, -2, 10, 4));
        p.restore();
    }
    Panel(p, QRectF(40, 230, 90, 60), QColor(180, 190, 210));
    Panel(p, QRectF(135, 205, 90, 85), QColor(250, 200, 70));
    Panel(p, QRectF(230, 245, 90, 45), QColor(210, 150, 100));
    Text(p, QRectF(40, 230, 90, 60), QStringLiteral("2"), 30, Qt::white);
    Text(p, QRectF(135, 205, 90, 85), QStringLiteral("1"), 40, Qt::white);
    Text(p, QRectF(230, 245, 90, 45), QStringLiteral("3"), 26, Qt::white);
    QLinearGradient gold(120, 0, 240, 0);
    gold.setColorAt(0, QColor(230, 170, 30));
    gold.setColorAt(0.4, QColor(255, 230, 110));
    gold.setColorAt(1, QColor(210, 150, 20));
    p.setPen(QPen(QColor(180, 120, 20), 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(112, 62, 40, 50), 90 * 16, 180 * 16);
    p.drawArc(QRectF(208, 62, 40, 50), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(180, 120, 20), 2));
    p.setBrush(gold);
    QPainterPath bowl;
    bowl.moveTo(130, 50);
    bowl.lineTo(230, 50);
    bowl.cubicTo(230, 110, 205, 140, 180, 145);
    bowl.cubicTo(155, 140, 130, 110, 130, 50);
    p.drawPath(bowl);
    p.drawRect(QRectF(172, 145, 16, 30));
    p.drawRoundedRect(QRectF(150, 172, 60, 18), 5, 5);
    Star(p, QPointF(180, 92), 20, QColor(255, 255, 255));
    Star(p, QPointF(60, 40), 14, QColor(255, 210, 40));
    Star(p, QPointF(305, 45), 16, QColor(255, 210, 40));
    return image;
}
}  // namespace

void RenderLessonsData(const DataWriter& out) {
    // Prime divisors: one picture for each level, revealed a tile for each right
    // exercise; "Deli" and "deli" are the same folder.
    const QImage rewards[] = {balloon(), castle(), ship(), rocket(), cup()};
    for (int level = 1; level <= 5; ++level) {
        const QImage& whole = rewards[level - 1];
        const QString base = QStringLiteral("Deli\\0%1").arg(level);
        for (int stage = 9; stage >= 1; --stage) {
            out.savePicture(base + QStringLiteral("(%1).bmp").arg(stage), RevealStage(whole, 10 - stage, 10));
        }
        out.savePicture(base + QStringLiteral(".bmp"), whole);
    }
    for (int mark = 0; mark <= 10; ++mark) {
        out.savePicture(QStringLiteral("deli\\ocenka%1.bmp").arg(mark), MarkPicture(mark, 10));
    }
    RenderFractionLessonsPictures(out);
}
