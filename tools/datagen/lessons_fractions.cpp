#include "datagen/lessons_fractions.h"

#include <QPainterPath>
#include <cmath>

#include "datagen/data_writer.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace {
const int kW = 360, kH = 300;

// A palette per picture, so two pictures of one theme still look different.
struct Palette {
    QColor skyTop, skyBottom, accent, second, ground;
};
Palette PaletteOf(int variant) {
    static const Palette palettes[] = {
        {QColor(150, 205, 255), QColor(230, 245, 255), QColor(240, 90, 90), QColor(255, 200, 60), QColor(110, 190, 100)},
        {QColor(255, 205, 170), QColor(255, 240, 220), QColor(130, 100, 220), QColor(90, 180, 240), QColor(130, 200, 110)},
        {QColor(180, 235, 210), QColor(240, 255, 245), QColor(250, 130, 50), QColor(240, 80, 150), QColor(90, 170, 90)},
    };
    return palettes[variant % 3];
}

// A meadow of flowers under a sun, with a butterfly.
void Meadow(QPainter& p, const Palette& c) {
    Sun(p, QPointF(300, 60), 30);
    Cloud(p, QPointF(90, 55), 110);
    Hill(p, QRectF(0, 190, kW, 110), c.ground);
    Tree(p, QPointF(60, 250), 90);
    for (int i = 0; i < 9; ++i) {
        const QColor petals = i % 3 == 0 ? c.accent : i % 3 == 1 ? c.second : QColor(250, 150, 200);
        Flower(p, QPointF(120 + (i * 37) % 230, 235 + (i * 23) % 55), 8 + i % 3, petals);
    }
    p.save();
    p.translate(220, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(c.accent);
    p.drawEllipse(QRectF(-34, -26, 32, 26));
    p.drawEllipse(QRectF(2, -26, 32, 26));
    p.setBrush(c.second);
    p.drawEllipse(QRectF(-26, 0, 24, 20));
    p.drawEllipse(QRectF(2, 0, 24, 20));
    p.setBrush(QColor(70, 50, 40));
    p.drawRoundedRect(QRectF(-3, -24, 6, 46), 3, 3);
    p.restore();
}

// An aquarium of fish and bubbles.
void Sea(QPainter& p, const Palette& c) {
    QLinearGradient water(0, 0, 0, kH);
    water.setColorAt(0, QColor(90, 190, 240));
    water.setColorAt(1, QColor(30, 90, 170));
    p.fillRect(QRectF(0, 0, kW, kH), water);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 215, 150));
    p.drawEllipse(QRectF(-40, 250, kW + 80, 110));
    auto fish = [&](QPointF at, double size, const QColor& colour, bool left) {
        p.save();
        p.translate(at);
        if (left) p.scale(-1, 1);
        p.setBrush(colour);
        p.drawEllipse(QRectF(-size, -size * 0.6, size * 2, size * 1.2));
        QPolygonF tail;
        tail << QPointF(-size * 0.9, 0) << QPointF(-size * 1.6, -size * 0.6) << QPointF(-size * 1.6, size * 0.6);
        p.drawPolygon(tail);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(size * 0.5, -size * 0.15), size * 0.22, size * 0.22);
        p.setBrush(QColor(30, 30, 40));
        p.drawEllipse(QPointF(size * 0.55, -size * 0.15), size * 0.1, size * 0.1);
        p.restore();
    };
    fish(QPointF(110, 100), 34, c.accent, false);
    fish(QPointF(250, 170), 28, c.second, true);
    fish(QPointF(90, 215), 20, QColor(250, 150, 200), false);
    p.setBrush(QColor(255, 255, 255, 150));
    for (int i = 0; i < 10; ++i) p.drawEllipse(QPointF(300 - (i % 3) * 12, 150 - i * 14), 3 + i % 4, 3 + i % 4);
    p.setBrush(QColor(60, 170, 90));
    for (int i = 0; i < 4; ++i) {
        QPainterPath weed;
        const double x = 30 + i * 95;
        weed.moveTo(x, 290);
        weed.cubicTo(x - 20, 250, x + 20, 230, x, 190);
        weed.cubicTo(x + 14, 230, x - 6, 250, x + 12, 290);
        p.drawPath(weed);
    }
}

// A starry night with the moon and the wise owl.
void Night(QPainter& p, const Palette& c) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(30, 35, 90));
    for (int i = 0; i < 30; ++i) Star(p, QPointF((i * 89) % kW, (i * 47 + 11) % 190), 2 + i % 3, QColor(255, 245, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 160));
    p.drawEllipse(QPointF(290, 60), 36, 36);
    p.setBrush(QColor(30, 35, 90));
    p.drawEllipse(QPointF(306, 50), 32, 32);
    Hill(p, QRectF(0, 230, kW, 70), c.ground.darker(160));
    p.setBrush(QColor(120, 80, 50));
    p.drawRect(QRectF(40, 200, 280, 14));
    Owl(p, QRectF(110, 70, 140, 140));
    Star(p, QPointF(60, 60), 12, c.second);
}

// A rainbow over the hills.
void Rainbow(QPainter& p, const Palette& c) {
    Cloud(p, QPointF(60, 200), 100);
    const QColor bands[] = {QColor(235, 70, 70), QColor(250, 160, 50), QColor(250, 230, 70), QColor(100, 200, 100),
                            QColor(80, 150, 240), QColor(150, 100, 220)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(bands[i], 12));
        const double r = 150 - i * 12;
        p.drawArc(QRectF(180 - r, 250 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    Cloud(p, QPointF(310, 230), 110);
    Hill(p, QRectF(0, 240, kW, 60), c.ground);
    Sun(p, QPointF(50, 50), 26);
    for (int i = 0; i < 5; ++i) Flower(p, QPointF(40 + i * 70, 280), 8, i % 2 ? c.accent : c.second);
}

// A kite in a windy sky.
void Kite(QPainter& p, const Palette& c) {
    Cloud(p, QPointF(80, 70), 100);
    Cloud(p, QPointF(280, 120), 90);
    Hill(p, QRectF(0, 230, kW, 70), c.ground);
    QPolygonF kite;
    kite << QPointF(230, 30) << QPointF(280, 90) << QPointF(230, 170) << QPointF(180, 90);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(c.accent);
    p.drawPolygon(kite);
    p.setBrush(c.second);
    QPolygonF half;
    half << QPointF(230, 30) << QPointF(280, 90) << QPointF(230, 90);
    p.drawPolygon(half);
    QPolygonF low;
    low << QPointF(180, 90) << QPointF(230, 90) << QPointF(230, 170);
    p.drawPolygon(low);
    p.setPen(QPen(QColor(90, 70, 60), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath line;
    line.moveTo(230, 170);
    line.cubicTo(180, 220, 140, 200, 90, 262);
    p.drawPath(line);
    p.setPen(Qt::NoPen);
    const QColor bows[] = {c.second, QColor(250, 150, 200), c.accent};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(bows[i]);
        const QPointF at(215 - i * 20, 190 + i * 8);
        p.drawEllipse(QRectF(at.x() - 9, at.y() - 5, 9, 10));
        p.drawEllipse(QRectF(at.x(), at.y() - 5, 9, 10));
    }
    Tree(p, QPointF(310, 270), 70);
    // A child holding the line.
    p.setBrush(QColor(250, 210, 170));
    p.drawEllipse(QPointF(84, 230), 12, 12);
    p.setBrush(c.accent);
    p.drawRoundedRect(QRectF(72, 244, 24, 34), 8, 8);
}

// A birthday cake cut into equal slices: fractions one can eat.
void Cake(QPainter& p, const Palette& c) {
    for (int i = 0; i < 24; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? c.accent : c.second);
        p.drawEllipse(QPointF((i * 71) % kW, (i * 29) % 110), 4, 4);
    }
    p.setBrush(QColor(200, 150, 110));
    p.drawEllipse(QRectF(40, 230, 280, 60));
    Pie(p, QPointF(180, 190), 95, 8, 7, QColor(250, 190, 200));
    for (int i = 0; i < 4; ++i) {
        const double x = 140 + i * 27;
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? c.second : c.accent);
        p.drawRect(QRectF(x, 118, 8, 34));
        p.setBrush(QColor(255, 200, 40));
        p.drawEllipse(QPointF(x + 4, 110), 5, 9);
    }
    Star(p, QPointF(50, 60), 16, QColor(255, 210, 40));
    Star(p, QPointF(315, 55), 14, QColor(255, 210, 40));
}

// A snowman in the winter wood.
void Winter(QPainter& p, const Palette& c) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(180, 215, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 252, 255));
    p.drawEllipse(QRectF(-60, 220, kW + 120, 140));
    Tree(p, QPointF(50, 250), 100);
    Tree(p, QPointF(310, 245), 90);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(170, 190, 220), 2));
    p.drawEllipse(QPointF(180, 225), 48, 44);
    p.drawEllipse(QPointF(180, 160), 34, 32);
    p.drawEllipse(QPointF(180, 108), 25, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 50));
    p.drawEllipse(QPointF(171, 102), 3, 3);
    p.drawEllipse(QPointF(189, 102), 3, 3);
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(180, 145 + i * 15), 3, 3);
    p.setBrush(QColor(250, 140, 40));
    QPolygonF nose;
    nose << QPointF(180, 108) << QPointF(205, 113) << QPointF(180, 116);
    p.drawPolygon(nose);
    p.setBrush(c.accent);
    p.drawRoundedRect(QRectF(150, 126, 60, 12), 6, 6);
    p.setBrush(c.second);
    p.drawRect(QRectF(160, 62, 40, 28));
    p.drawRect(QRectF(150, 86, 60, 6));
    p.setBrush(Qt::white);
    for (int i = 0; i < 40; ++i) p.drawEllipse(QPointF((i * 61) % kW, (i * 37) % 220), 2.5, 2.5);
}

// A little house with a garden and a path.
void House(QPainter& p, const Palette& c) {
    Sun(p, QPointF(60, 55), 28);
    Cloud(p, QPointF(260, 60), 120);
    Hill(p, QRectF(0, 200, kW, 100), c.ground);
    p.setPen(QPen(QColor(120, 90, 70), 2));
    p.setBrush(QColor(250, 230, 190));
    p.drawRect(QRectF(120, 140, 130, 100));
    QPolygonF roof;
    roof << QPointF(105, 142) << QPointF(185, 80) << QPointF(265, 142);
    p.setBrush(c.accent);
    p.drawPolygon(roof);
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(170, 185, 30, 55));
    p.setBrush(QColor(150, 210, 250));
    p.drawRect(QRectF(133, 160, 26, 24));
    p.drawRect(QRectF(212, 160, 26, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 190, 140));
    QPolygonF path;
    path << QPointF(172, 240) << QPointF(198, 240) << QPointF(230, 300) << QPointF(140, 300);
    p.drawPolygon(path);
    Tree(p, QPointF(60, 260), 90);
    Tree(p, QPointF(310, 255), 80);
    for (int i = 0; i < 4; ++i) Flower(p, QPointF(120 + i * 40 + (i > 1 ? 40 : 0), 262), 7, c.second);
}

using Theme = void (*)(QPainter&, const Palette&);
const Theme kThemes[] = {Meadow, Sea, Night, Rainbow, Kite, Cake, Winter, House};
const int kThemeCount = 8;

// The picture number `n`: a theme, and each time the themes come round again
// another palette and the scene seen from the other side.
QImage Reward(int n) {
    const int round = n / kThemeCount;
    const Palette c = PaletteOf(round);
    QImage image = Canvas(kW, kH, c.skyTop, c.skyBottom);
    {
        QPainter p(&image);
        Prepare(p);
        kThemes[n % kThemeCount](p, c);
    }
    return round % 2 == 1 ? image.mirrored(true, false) : image;
}

// A whole picture and its stages: "base(stages).bmp" shows one tile, each
// stage after it one more, and "base.bmp" is the picture uncovered.
void SaveRevealed(const DataWriter& out, const QString& base, const QImage& whole, int tiles) {
    for (int stage = tiles - 1; stage >= 1; --stage)
        out.savePicture(base + QStringLiteral("(%1).bmp").arg(stage), RevealStage(whole, tiles - stage, tiles));
    out.savePicture(base + QStringLiteral(".bmp"), whole);
}

}  // namespace

void RenderFractionLessonsPictures(const DataWriter& out) {
    // Each folder begins its pictures at its own place in the round of themes.
    for (int level = 1; level <= 5; ++level)
        SaveRevealed(out, QStringLiteral("NDD\\0%1").arg(level), Reward(level - 1), 10);
    for (int level = 1; level <= 5; ++level)
        SaveRevealed(out, QStringLiteral("OZ\\0%1").arg(level), Reward(level + 4), 10);
    for (int set = 1; set <= 17; ++set)
        SaveRevealed(out, QStringLiteral("Add\\%1").arg(set, 2, 10, QLatin1Char('0')), Reward(set + 1), 10);
    for (int type = 1; type <= 4; ++type)
        SaveRevealed(out, QStringLiteral("dd\\0%1").arg(type), Reward(type + 18), 10);
    SaveRevealed(out, QStringLiteral("dd\\s01"), Reward(23), 5);
    SaveRevealed(out, QStringLiteral("dd\\s02"), Reward(28), 5);
    // Written after the progress pictures: "ADD" and "DD" name the folders made for them.
    for (int mark = 0; mark <= 10; ++mark) {
        const QImage strip = MarkPicture(mark, 10);
        out.savePicture(QStringLiteral("NDD\\ocenka%1.bmp").arg(mark), strip);
        out.savePicture(QStringLiteral("ADD\\ocenka%1.bmp").arg(mark), strip);
        out.savePicture(QStringLiteral("DD\\ocenka%1.bmp").arg(mark), strip);
    }
    for (int mark = 0; mark <= 5; ++mark) out.savePicture(QStringLiteral("DD\\ocenka%1s.bmp").arg(mark), MarkPicture(mark, 5));
}
