#include <QPainterPath>
#include <cmath>

#include "datagen/data_writer.h"
#include "datagen/datagen.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace {
const int kW = 240, kH = 190;

QImage sky() { return Canvas(kW, kH, QColor(170, 215, 255), QColor(235, 248, 255)); }
QImage meadow() {
    QImage image = sky();
    QPainter p(&image);
    Prepare(p);
    Hill(p, QRectF(0, kH * 0.62, kW, kH * 0.38), QColor(120, 200, 110));
    return image;
}

QImage owlPicture() {
    QImage image = Canvas(300, 300, QColor(200, 225, 255), QColor(255, 245, 220));
    QPainter p(&image);
    Prepare(p);
    Cloud(p, QPointF(70, 50), 110);
    Cloud(p, QPointF(240, 80), 90);
    Owl(p, QRectF(40, 50, 220, 240));
    return image;
}

// A steaming pot of porridge with a spoon: the cook who waits with the reward.
QImage potPicture() {
    QImage image = Canvas(300, 280, QColor(255, 244, 225), QColor(250, 215, 170));
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(QColor(255, 255, 255, 200), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        QPainterPath steam;
        const double x = 110 + i * 40;
        steam.moveTo(x, 95);
        steam.cubicTo(x - 15, 75, x + 15, 60, x, 35);
        p.drawPath(steam);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 235, 190));
    p.drawEllipse(QRectF(60, 90, 180, 40));
    p.setBrush(QColor(200, 60, 50));
    QPainterPath pot;
    pot.moveTo(55, 110);
    pot.lineTo(245, 110);
    pot.cubicTo(245, 230, 200, 250, 150, 250);
    pot.cubicTo(100, 250, 55, 230, 55, 110);
    p.drawPath(pot);
    p.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(90 + i * 30, 170 + (i % 2) * 25), 9, 9);
    p.setBrush(QColor(170, 45, 40));
    p.drawRoundedRect(QRectF(25, 120, 40, 16), 8, 8);
    p.drawRoundedRect(QRectF(235, 120, 40, 16), 8, 8);
    p.setPen(QPen(QColor(160, 110, 60), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(190, 105), QPointF(250, 20));
    return image;
}

void caption(QPainter& p, const QString& text) {
    Panel(p, QRectF(8, kH - 46, kW - 16, 38), QColor(255, 255, 255, 220));
    Text(p, QRectF(8, kH - 46, kW - 16, 38), text, 22, QColor(60, 60, 120));
}

// p01: a factor tree of 60.
QImage factorTree() {
    QImage image = sky();
    QPainter p(&image);
    Prepare(p);
    struct Node { double x, y; const char* t; QColor c; };
    const Node nodes[] = {{120, 28, "60", QColor(250, 190, 60)}, {70, 78, "2", QColor(120, 200, 120)},
                          {170, 78, "30", QColor(250, 190, 60)}, {130, 128, "2", QColor(120, 200, 120)},
                          {210, 128, "15", QColor(250, 190, 60)}};
    p.setPen(QPen(QColor(90, 90, 90), 3));
    p.drawLine(QPointF(120, 28), QPointF(70, 78));
    p.drawLine(QPointF(120, 28), QPointF(170, 78));
    p.drawLine(QPointF(170, 78), QPointF(130, 128));
    p.drawLine(QPointF(170, 78), QPointF(210, 128));
    for (const Node& n : nodes) {
        p.setPen(QPen(n.c.darker(140), 2));
        p.setBrush(n.c);
        p.drawEllipse(QPointF(n.x, n.y), 21, 21);
        Text(p, QRectF(n.x - 21, n.y - 21, 42, 42), QString::fromLatin1(n.t), 20, Qt::black);
    }
    Text(p, QRectF(10, 150, 220, 36), QStringLiteral("60 = 2·2·3·5"), 24, QColor(60, 60, 140));
    return image;
}

// p02: two overlapping circles of divisors.
QImage divisorCircles() {
    QImage image = sky();
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(QColor(60, 90, 160), 3));
    p.setBrush(QColor(255, 160, 160, 150));
    p.drawEllipse(QPointF(90, 90), 70, 70);
    p.setBrush(QColor(160, 200, 255, 150));
    p.drawEllipse(QPointF(150, 90), 70, 70);
    Text(p, QRectF(30, 70, 50, 40), QStringLiteral("3"), 26, Qt::black);
    Text(p, QRectF(95, 60, 50, 60), QStringLiteral("2\n2"), 22, Qt::black);
    Text(p, QRectF(165, 70, 50, 40), QStringLiteral("5"), 26, Qt::black);
    Text(p, QRectF(10, 160, 220, 30), QStringLiteral("НСД = 4"), 22, QColor(60, 60, 140));
    return image;
}

// p03: fraction bars cut to a common denominator.
QImage commonBars() {
    QImage image = sky();
    QPainter p(&image);
    Prepare(p);
    const int parts[] = {2, 3, 6};
    const QColor colours[] = {QColor(250, 150, 90), QColor(120, 190, 250), QColor(150, 210, 120)};
    for (int row = 0; row < 3; ++row) {
        const double w = 200.0 / parts[row];
        for (int i = 0; i < parts[row]; ++i) {
            p.setPen(QPen(QColor(70, 70, 70), 2));
            p.setBrush(i == 0 ? colours[row] : QColor(255, 255, 255));
            p.drawRect(QRectF(20 + i * w, 20 + row * 52, w, 40));
        }
    }
    return image;
}

// p04: the four operations over a fraction.
QImage operations() {
    QImage image = sky();
    QPainter p(&image);
    Prepare(p);
    const char16_t* signs[] = {u"+", u"−", u"×", u":"};
    const QColor colours[] = {QColor(240, 100, 100), QColor(90, 160, 240), QColor(120, 200, 100), QColor(250, 180, 50)};
    for (int i = 0; i < 4; ++i) {
        const QRectF box(12 + (i % 2) * 112, 12 + (i / 2) * 86, 104, 78);
        Panel(p, box, colours[i]);
        Text(p, box, QString::fromUtf16(signs[i]), 56, Qt::white);
    }
    return image;
}

// p05: two pies adding up.
QImage pies() {
    QImage image = sky();
    QPainter p(&image);
    Prepare(p);
    Pie(p, QPointF(45, 80), 36, 4, 1, QColor(250, 150, 90));
    Text(p, QRectF(82, 60, 24, 40), QStringLiteral("+"), 30, QColor(60, 60, 60));
    Pie(p, QPointF(140, 80), 36, 4, 2, QColor(250, 150, 90));
    Text(p, QRectF(178, 60, 24, 40), QStringLiteral("="), 30, QColor(60, 60, 60));
    Pie(p, QPointF(212, 80), 24, 4, 3, QColor(250, 150, 90));
    Text(p, QRectF(10, 130, 220, 40), QStringLiteral("¼ + ½ = ¾"), 26, QColor(60, 60, 140));
    return image;
}

// p06 … p12 and p14: a scene for each problem set.
QImage problemScene(int set) {
    QImage image = meadow();
    QPainter p(&image);
    Prepare(p);
    Sun(p, QPointF(200, 36), 18);
    Cloud(p, QPointF(60, 30), 70);
    switch (set) {
    case 1:  // gifts
        for (int i = 0; i < 3; ++i) {
            const QRectF box(30 + i * 62, 80 + (i % 2) * 10, 52, 48);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor::fromHsv(i * 110, 170, 240));
            p.drawRect(box);
            p.setBrush(QColor(255, 230, 90));
            p.drawRect(QRectF(box.center().x() - 5, box.top(), 10, box.height()));
            p.drawRect(QRectF(box.left(), box.center().y() - 5, box.width(), 10));
        }
        break;
    case 2: {  // a train
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(QColor(60, 60, 60), 2));
            p.setBrush(i == 0 ? QColor(220, 60, 60) : QColor(80, 140, 230));
            p.drawRoundedRect(QRectF(20 + i * 68, 85, 62, 40), 6, 6);
            p.setBrush(QColor(50, 50, 50));
            p.drawEllipse(QPointF(35 + i * 68, 128), 8, 8);
            p.drawEllipse(QPointF(67 + i * 68, 128), 8, 8);
        }
        break;
    }
    case 3:  // apples on a tree
        Tree(p, QPointF(80, 150), 130);
        Tree(p, QPointF(170, 150), 110);
        break;
    case 4:  // flowers
        for (int i = 0; i < 5; ++i) Flower(p, QPointF(30 + i * 45, 100 + (i % 2) * 12), 10, QColor::fromHsv(i * 60, 150, 255));
        break;
    case 5: {  // a boat on the water
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 160, 230));
        p.drawRect(QRectF(0, 115, kW, 75));
        QPolygonF hull;
        hull << QPointF(60, 110) << QPointF(180, 110) << QPointF(160, 135) << QPointF(80, 135);
        p.setBrush(QColor(150, 90, 50));
        p.drawPolygon(hull);
        QPolygonF sail;
        sail << QPointF(120, 50) << QPointF(120, 105) << QPointF(165, 105);
        p.setBrush(Qt::white);
        p.drawPolygon(sail);
        break;
    }
    case 6: {  // coins
        for (int i = 0; i < 6; ++i) {
            p.setPen(QPen(QColor(180, 130, 20), 2));
            p.setBrush(QColor(250, 210, 60));
            p.drawEllipse(QPointF(50 + i * 28, 120 - (i % 3) * 14), 16, 16);
        }
        break;
    }
    case 7:  // a house
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 200, 140));
        p.drawRect(QRectF(70, 85, 100, 60));
        p.setBrush(QColor(200, 70, 60));
        p.drawPolygon(QPolygonF() << QPointF(60, 88) << QPointF(120, 45) << QPointF(180, 88));
        p.setBrush(QColor(120, 190, 250));
        p.drawRect(QRectF(85, 100, 26, 22));
        p.setBrush(QColor(130, 85, 45));
        p.drawRect(QRectF(130, 105, 24, 40));
        break;
    default: {  // scales: proportions
        p.setPen(QPen(QColor(90, 90, 90), 4));
        p.drawLine(QPointF(120, 60), QPointF(120, 140));
        p.drawLine(QPointF(60, 70), QPointF(180, 70));
        p.setBrush(QColor(250, 200, 80));
        p.drawChord(QRectF(35, 80, 50, 30), 180 * 16, 180 * 16);
        p.drawChord(QRectF(155, 80, 50, 30), 180 * 16, 180 * 16);
        p.setPen(QPen(QColor(90, 90, 90), 2));
        p.drawLine(QPointF(60, 70), QPointF(40, 95));
        p.drawLine(QPointF(60, 70), QPointF(80, 95));
        p.drawLine(QPointF(180, 70), QPointF(160, 95));
        p.drawLine(QPointF(180, 70), QPointF(200, 95));
        break;
    }
    }
    caption(p, set <= 7 ? QStringLiteral("Задачі %1").arg(set) : QStringLiteral("Задачі 8"));
    return image;
}

// p13: a circle with its radius.
QImage circle() {
    QImage image = sky();
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(QColor(60, 90, 170), 4));
    p.setBrush(QColor(255, 235, 150));
    p.drawEllipse(QPointF(120, 90), 70, 70);
    p.setPen(QPen(QColor(200, 60, 60), 3));
    p.drawLine(QPointF(120, 90), QPointF(190, 90));
    p.setBrush(QColor(200, 60, 60));
    p.drawEllipse(QPointF(120, 90), 4, 4);
    Text(p, QRectF(130, 60, 60, 30), QStringLiteral("r"), 26, QColor(200, 60, 60));
    Text(p, QRectF(10, 160, 220, 28), QStringLiteral("C = 2πr"), 22, QColor(60, 60, 140));
    return image;
}

// p15: the number line with negative numbers.
QImage numberLine() {
    QImage image = sky();
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawLine(QPointF(10, 100), QPointF(230, 100));
    p.drawLine(QPointF(230, 100), QPointF(218, 92));
    p.drawLine(QPointF(230, 100), QPointF(218, 108));
    for (int i = -3; i <= 3; ++i) {
        const double x = 120 + i * 32;
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.drawLine(QPointF(x, 92), QPointF(x, 108));
        Text(p, QRectF(x - 16, 110, 32, 24), QString::number(i), 18, i < 0 ? QColor(200, 60, 60) : QColor(40, 110, 40));
    }
    Star(p, QPointF(72, 70), 14, QColor(255, 205, 40));
    Star(p, QPointF(168, 70), 14, QColor(255, 205, 40));
    Text(p, QRectF(10, 10, 220, 40), QStringLiteral("−1,5  і  +1,5"), 24, QColor(60, 60, 140));
    return image;
}
}  // namespace

void RenderShellData(const DataWriter& out) {
    out.savePicture(QStringLiteral("sova4.bmp"), owlPicture());
    out.savePicture(QStringLiteral("kash2.bmp"), potPicture());
    out.savePicture(QStringLiteral("p01.bmp"), factorTree());
    out.savePicture(QStringLiteral("p02.bmp"), divisorCircles());
    out.savePicture(QStringLiteral("p03.bmp"), commonBars());
    out.savePicture(QStringLiteral("p04.bmp"), operations());
    out.savePicture(QStringLiteral("p05.bmp"), pies());
    for (int set = 1; set <= 7; ++set) {
        out.savePicture(QStringLiteral("p%1.bmp").arg(5 + set, 2, 10, QLatin1Char('0')), problemScene(set));
    }
    out.savePicture(QStringLiteral("p13.bmp"), circle());
    out.savePicture(QStringLiteral("p14.bmp"), problemScene(8));
    out.savePicture(QStringLiteral("p15.bmp"), numberLine());
}
