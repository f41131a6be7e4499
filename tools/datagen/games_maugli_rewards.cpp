// The score bar, the fraction bar and the reward pictures of the garden game.
#include "datagen/games_maugli_rewards.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "datagen/games_maugli_boy.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace maugli {
QImage scoreBar(int level) {
    QImage image = Canvas(26, 217, QColor(250, 246, 236), QColor(250, 246, 236));
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(QColor(120, 90, 50), 2));
    p.setBrush(QColor(255, 252, 240));
    p.drawRoundedRect(QRectF(2, 2, 22, 213), 8, 8);
    const double cell = 209.0 / 12;
    for (int i = 0; i < 12; ++i) {
        const QRectF box(5, 212 - (i + 1) * cell + 1, 16, cell - 2);
        p.setPen(Qt::NoPen);
        if (i < level) {
            const QColor c = QColor::fromHsv(110 - i * 7, 200, 230);
            p.setBrush(c);
        } else {
            p.setBrush(QColor(235, 230, 215));
        }
        p.drawRoundedRect(box, 3, 3);
    }
    if (level == 12) Star(p, QPointF(13, 14), 9, QColor(255, 215, 40));
    return image;
}

QImage fractionBar() {
    QImage image(41, 17, QImage::Format_RGB32);
    image.fill(QColor(250, 246, 236));  // the window's colour: only the line shows
    QPainter p(&image);
    p.fillRect(QRect(2, 7, 37, 3), QColor(20, 20, 20));
    return image;
}

namespace {
const QColor kFruit[4] = {QColor(225, 40, 40), QColor(200, 210, 60), QColor(150, 10, 40), QColor(250, 150, 30)};
const QColor kSkyTop[4] = {QColor(180, 220, 255), QColor(255, 220, 180), QColor(220, 200, 255), QColor(190, 245, 215)};

void fruit(QPainter& p, int garden, QPointF c, double r) {
    if (garden == 2) {  // a pear
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(kFruit[1]);
        p.drawEllipse(QPointF(c.x(), c.y() + r * 0.3), r, r * 0.9);
        p.drawEllipse(QPointF(c.x(), c.y() - r * 0.5), r * 0.6, r * 0.7);
        p.setPen(QPen(QColor(110, 70, 30), std::max(1.5, r / 6)));
        p.drawLine(QPointF(c.x(), c.y() - r * 1.1), QPointF(c.x() + r * 0.2, c.y() - r * 1.5));
        p.restore();
    } else if (garden == 3) {  // two cherries
        p.save();
        p.setPen(QPen(QColor(80, 130, 40), std::max(1.5, r / 6)));
        p.drawLine(QPointF(c.x() - r * 0.6, c.y()), QPointF(c.x(), c.y() - r * 1.6));
        p.drawLine(QPointF(c.x() + r * 0.6, c.y()), QPointF(c.x(), c.y() - r * 1.6));
        p.restore();
        apple(p, QPointF(c.x() - r * 0.6, c.y() + r * 0.2), r * 0.6, kFruit[2]);
        apple(p, QPointF(c.x() + r * 0.6, c.y() + r * 0.2), r * 0.6, kFruit[2]);
    } else {
        apple(p, c, r, kFruit[garden - 1]);
    }
}
}  // namespace

QImage reward(int garden, int design) {
    const QString titles[6] = {QStringLiteral("Молодець!"), QStringLiteral("Чемпіон!"), QStringLiteral("Чудово!"),
                               QStringLiteral("Ура!"), QStringLiteral("Перемога!"), QStringLiteral("Супер!")};
    const bool night = design == 6;
    QImage image = Canvas(kWidth, kHeight, night ? QColor(30, 30, 80) : kSkyTop[garden - 1],
                          night ? QColor(70, 60, 130) : QColor(255, 250, 235));
    QPainter p(&image);
    Prepare(p);
    const QColor fruitColour = kFruit[garden - 1];
    switch (design) {
    case 1:  // a basket full of the garden's fruit
        Hill(p, QRectF(0, 230, kWidth, 90), QColor(120, 195, 95));
        for (int i = 0; i < 9; ++i) fruit(p, garden, QPointF(150 + (i % 5) * 22, 150 - (i / 5) * 22), 14);
        p.setPen(QPen(QColor(140, 90, 40), 3));
        p.setBrush(QColor(210, 155, 80));
        p.drawRoundedRect(QRectF(120, 160, 150, 80), 20, 20);
        p.setPen(QPen(QColor(140, 90, 40), 6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(130, 90, 130, 150), 0, 180 * 16);
        break;
    case 2: {  // a golden cup
        p.setPen(QPen(QColor(190, 140, 20), 3));
        p.setBrush(QColor(250, 205, 50));
        QPainterPath cup;
        cup.moveTo(140, 70);
        cup.lineTo(252, 70);
        cup.quadTo(252, 170, 196, 180);
        cup.quadTo(140, 170, 140, 70);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(250, 205, 50), 9));
        p.drawArc(QRectF(110, 85, 45, 55), 90 * 16, 180 * 16);
        p.drawArc(QRectF(237, 85, 45, 55), 90 * 16, -180 * 16);
        p.setPen(QPen(QColor(190, 140, 20), 3));
        p.setBrush(QColor(250, 205, 50));
        p.drawRect(QRectF(186, 178, 20, 30));
        p.drawRoundedRect(QRectF(150, 206, 92, 22), 6, 6);
        fruit(p, garden, QPointF(196, 112), 22);
        for (int i = 0; i < 5; ++i) Star(p, QPointF(60 + i * 68, 40 + (i % 2) * 190), 14, fruitColour.lighter(130));
        break;
    }
    case 3: {  // a rainbow over flowers
        const QColor bands[] = {QColor(235, 70, 70), QColor(250, 160, 50), QColor(250, 225, 70), QColor(100, 200, 90),
                                QColor(80, 150, 235), QColor(150, 100, 220)};
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 6; ++i) {
            p.setPen(QPen(bands[i], 12));
            const double r = 170 - i * 12;
            p.drawArc(QRectF(196 - r, 250 - r, 2 * r, 2 * r), 0, 180 * 16);
        }
        Sun(p, QPointF(340, 50), 22);
        Hill(p, QRectF(0, 235, kWidth, 80), QColor(110, 190, 90));
        for (int i = 0; i < 7; ++i) Flower(p, QPointF(30 + i * 55, 255 + (i % 2) * 10), 8, i % 2 ? fruitColour : QColor(255, 140, 190));
        break;
    }
    case 4: {  // a bunch of balloons
        for (int i = 0; i < 7; ++i) {
            const QPointF c(110 + (i % 4) * 58 + (i / 4) * 29, 80 + (i / 4) * 55 - (i % 2) * 12);
            p.setPen(QPen(QColor(110, 110, 110), 1.2));
            p.drawLine(QPointF(c.x(), c.y() + 30), QPointF(196, 250));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor::fromHsv((garden * 40 + i * 50) % 360, 170, 245));
            p.drawEllipse(c, 24, 30);
            p.setBrush(QColor(255, 255, 255, 120));
            p.drawEllipse(QPointF(c.x() - 8, c.y() - 10), 6, 9);
        }
        fruit(p, garden, QPointF(196, 262), 16);
        break;
    }
    case 5: {  // a medal on a ribbon
        p.setPen(Qt::NoPen);
        p.setBrush(fruitColour);
        QPolygonF left, right;
        left << QPointF(150, 20) << QPointF(185, 20) << QPointF(210, 130) << QPointF(180, 135);
        right << QPointF(242, 20) << QPointF(207, 20) << QPointF(182, 130) << QPointF(212, 135);
        p.drawPolygon(left);
        p.setBrush(fruitColour.darker(130));
        p.drawPolygon(right);
        QRadialGradient g(QPointF(186, 160), 60);
        g.setColorAt(0, QColor(255, 240, 140));
        g.setColorAt(1, QColor(235, 175, 30));
        p.setBrush(g);
        p.setPen(QPen(QColor(190, 130, 20), 4));
        p.drawEllipse(QPointF(196, 175), 55, 55);
        Star(p, QPointF(196, 175), 34, QColor(255, 250, 200));
        Text(p, QRectF(146, 150, 100, 50), QString::number(garden), 30, QColor(190, 110, 20));
        for (int i = 0; i < 4; ++i) fruit(p, garden, QPointF(40 + (i % 2) * 310, 70 + (i / 2) * 150), 16);
        break;
    }
    default: {  // fireworks at night
        for (int i = 0; i < 30; ++i)
            Star(p, QPointF((i * 97) % kWidth, (i * 53) % 220), 2 + i % 3, QColor(255, 255, 220));
        for (int b = 0; b < 4; ++b) {
            const QPointF c(80 + b * 80 + (b % 2) * 20, 70 + (b % 2) * 60);
            const QColor colour = QColor::fromHsv((garden * 70 + b * 80) % 360, 200, 255);
            p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 12; ++i) {
                const double a = i * M_PI / 6;
                p.drawLine(QPointF(c.x() + 10 * std::cos(a), c.y() + 10 * std::sin(a)),
                           QPointF(c.x() + 40 * std::cos(a), c.y() + 40 * std::sin(a)));
            }
        }
        fruit(p, garden, QPointF(196, 210), 24);
        break;
    }
    }
    Panel(p, QRectF(70, 250, 253, 52), night ? QColor(250, 200, 60) : garden == 2 ? fruitColour.darker(135) : fruitColour.lighter(115));
    Text(p, QRectF(70, 250, 253, 52), titles[design - 1] + QStringLiteral("  Сад ") + QString::number(garden), 26,
         Qt::white);
    return image;
}
}  // namespace maugli
