#include "datagen/problems_set1.h"

#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "datagen/data_writer.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace {
const int kW = 210, kH = 340;
const QPointF kTop(105, 58);  // the tip of the tree

// What the picture shows: it grows with each right answer, and in the animation
// the snow falls, the lights run, the star turns and the banner bounces. Every
// moving part advances one fifth of its cycle a frame, so g5 flows back into g1.
struct Scene {
    int ornaments = 0;      // 0 … 10 baubles
    bool garland = false;   // lights along the branches
    bool star = false;      // the star on the tip
    int gifts = 0;          // 0 … 3 gifts under the tree
    bool banner = false;    // "Молодець!"
    double phase = 0;       // 0 … 1 through the animation loop; negative: a still picture
};

void drawSnowman(QPainter& p, QPointF base, double wave) {
    p.save();
    p.setPen(QPen(QColor(190, 205, 230), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(base.x(), base.y() - 18), 18, 18);
    p.drawEllipse(QPointF(base.x(), base.y() - 46), 13, 13);
    p.drawEllipse(QPointF(base.x(), base.y() - 66), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 50));
    p.drawEllipse(QPointF(base.x() - 3, base.y() - 68), 1.6, 1.6);
    p.drawEllipse(QPointF(base.x() + 3, base.y() - 68), 1.6, 1.6);
    p.setBrush(QColor(245, 140, 40));
    QPolygonF nose;
    nose << QPointF(base.x(), base.y() - 65) << QPointF(base.x() + 9, base.y() - 63) << QPointF(base.x(), base.y() - 62);
    p.drawPolygon(nose);
    // A bucket hat and a scarf.
    p.setBrush(QColor(200, 50, 60));
    p.drawRect(QRectF(base.x() - 8, base.y() - 84, 16, 10));
    p.drawRect(QRectF(base.x() - 11, base.y() - 76, 22, 3));
    p.drawRoundedRect(QRectF(base.x() - 12, base.y() - 58, 24, 5), 2, 2);
    // The stick arm waves with the animation.
    p.setPen(QPen(QColor(120, 80, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    const double a = (-35 + 30 * std::sin(wave * 2 * M_PI)) * M_PI / 180;
    const QPointF shoulder(base.x() + 11, base.y() - 48);
    p.drawLine(shoulder, shoulder + QPointF(22 * std::cos(a), 22 * std::sin(a)));
    p.drawLine(QPointF(base.x() - 11, base.y() - 48), QPointF(base.x() - 28, base.y() - 40));
    p.restore();
}

void drawGift(QPainter& p, const QRectF& box, const QColor& paper, const QColor& ribbon) {
    p.save();
    p.setPen(QPen(paper.darker(140), 1.2));
    p.setBrush(paper);
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(ribbon);
    p.drawRect(QRectF(box.center().x() - 3, box.top(), 6, box.height()));
    p.drawRect(QRectF(box.left(), box.center().y() - 3, box.width(), 6));
    p.drawEllipse(QPointF(box.center().x() - 6, box.top() - 3), 6, 4);
    p.drawEllipse(QPointF(box.center().x() + 6, box.top() - 3), 6, 4);
    p.restore();
}

// The three tiers of the tree, from the tip down: centre y and half width at the bottom of each.
struct Tier {
    double top, bottom, half;
};
const Tier kTiers[] = {{58, 130, 42}, {100, 185, 62}, {150, 245, 82}};

QPointF ornamentPlace(int i) {
    static const QPointF places[] = {{98, 118}, {118, 170}, {78, 175}, {134, 228}, {72, 232},
                                     {104, 205}, {112, 124}, {90, 150}, {152, 236}, {56, 238}};
    return places[i % 10];
}

QImage render(const Scene& s) {
    const bool moving = s.phase >= 0;
    const double phase = moving ? s.phase : 0;
    QImage image = Canvas(kW, kH, QColor(25, 40, 100), QColor(95, 120, 190));
    QPainter p(&image);
    Prepare(p);

    // A moon and stars in the night sky; the stars twinkle in turn.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 210));
    p.drawEllipse(QPointF(172, 34), 16, 16);
    p.setBrush(QColor(25, 40, 100));
    p.drawEllipse(QPointF(180, 28), 14, 14);
    const QPointF skyStars[] = {{22, 22}, {60, 40}, {140, 18}, {30, 80}, {190, 90}};
    for (int i = 0; i < 5; ++i) {
        const bool bright = moving && (int(std::lround(phase * 5)) % 5 == i);
        Star(p, skyStars[i], bright ? 6 : 3.5, QColor(255, 245, 170));
    }

    // Snowy ground.
    QPainterPath ground;
    ground.moveTo(0, 270);
    ground.cubicTo(60, 255, 150, 285, kW, 262);
    ground.lineTo(kW, kH);
    ground.lineTo(0, kH);
    ground.closeSubpath();
    p.setBrush(QColor(240, 246, 255));
    p.drawPath(ground);

    // The tree: trunk, then the tiers from the bottom up.
    p.setBrush(QColor(120, 75, 40));
    p.drawRect(QRectF(96, 245, 18, 26));
    for (int t = 2; t >= 0; --t) {
        const Tier& tier = kTiers[t];
        QPainterPath path;
        path.moveTo(105, tier.top);
        path.lineTo(105 + tier.half, tier.bottom);
        path.quadTo(105, tier.bottom + 12, 105 - tier.half, tier.bottom);
        path.closeSubpath();
        QLinearGradient g(105 - tier.half, 0, 105 + tier.half, 0);
        g.setColorAt(0, QColor(30, 120, 60));
        g.setColorAt(1, QColor(60, 170, 80));
        p.setBrush(g);
        p.drawPath(path);
        // Snow on the branch tips.
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(105 + tier.half - 6, tier.bottom - 3), 8, 3.5);
        p.drawEllipse(QPointF(105 - tier.half + 6, tier.bottom - 3), 8, 3.5);
    }

    // The garland: a wavy string with bulbs whose colours run along it.
    if (s.garland) {
        const QColor bulbs[] = {QColor(255, 80, 80), QColor(255, 220, 60), QColor(80, 200, 255), QColor(255, 140, 230),
                                QColor(140, 255, 120)};
        for (int t = 0; t < 3; ++t) {
            const Tier& tier = kTiers[t];
            const double y0 = tier.top + (tier.bottom - tier.top) * 0.55;
            const double half = tier.half * 0.6;
            QPainterPath string;
            string.moveTo(105 - half, y0 - 8);
            string.quadTo(105, y0 + 14, 105 + half, y0 + 4);
            p.setPen(QPen(QColor(230, 230, 200), 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(string);
            p.setPen(Qt::NoPen);
            const int count = 4 + t;
            for (int i = 0; i < count; ++i) {
                const QPointF at = string.pointAtPercent((i + 0.5) / count);
                const int shift = moving ? int(std::lround(phase * 5)) : 0;
                const QColor c = bulbs[(i + t + shift) % 5];
                QRadialGradient glow(at, 7);
                glow.setColorAt(0, c);
                glow.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
                p.setBrush(glow);
                p.drawEllipse(at, 7, 7);
                p.setBrush(c.lighter(120));
                p.drawEllipse(at, 2.8, 2.8);
            }
        }
    }

    // Baubles.
    const QColor baubles[] = {QColor(230, 50, 60), QColor(250, 200, 40), QColor(70, 130, 240), QColor(200, 80, 220),
                              QColor(250, 130, 40)};
    for (int i = 0; i < s.ornaments; ++i) {
        const QPointF at = ornamentPlace(i);
        QRadialGradient g(at - QPointF(2, 2), 7);
        g.setColorAt(0, baubles[i % 5].lighter(160));
        g.setColorAt(1, baubles[i % 5]);
        p.setBrush(g);
        p.drawEllipse(at, 6, 6);
    }

    // The star turns a fifth of its points each frame and glows.
    if (s.star) {
        p.save();
        p.translate(kTop);
        p.rotate(phase * 72);
        QRadialGradient glow(QPointF(0, 0), 26);
        glow.setColorAt(0, QColor(255, 240, 150, 200));
        glow.setColorAt(1, QColor(255, 240, 150, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(0, 0), 26, 26);
        Star(p, QPointF(0, 0), 15, QColor(255, 215, 40));
        p.restore();
    }

    // Gifts under the tree.
    if (s.gifts >= 1) drawGift(p, QRectF(30, 262, 34, 26), QColor(220, 60, 70), QColor(250, 220, 90));
    if (s.gifts >= 2) drawGift(p, QRectF(128, 266, 30, 22), QColor(70, 150, 230), QColor(255, 255, 255));
    if (s.gifts >= 3) drawGift(p, QRectF(68, 258, 26, 30), QColor(250, 200, 50), QColor(220, 60, 70));

    if (moving) drawSnowman(p, QPointF(170, 296), phase);

    // Falling snow: each flake moves down one fifth of the picture a frame and
    // drifts side to side, wrapping round at the bottom.
    p.setBrush(Qt::white);
    for (int i = 0; i < 38; ++i) {
        const double x0 = std::fmod(i * 53.0 + 11, kW);
        const double y0 = std::fmod(i * 97.0 + 7, kH);
        const double y = std::fmod(y0 + phase * kH, kH);
        const double x = x0 + 4 * std::sin(2 * M_PI * (phase + i / 7.0));
        p.drawEllipse(QPointF(x, y), 1.6 + (i % 3) * 0.7, 1.6 + (i % 3) * 0.7);
    }

    // The banner bounces up and down once a loop.
    if (s.banner) {
        const double lift = moving ? 3 * std::sin(2 * M_PI * phase) : 0;
        const QRectF box(14, 301 - lift, 182, 34);
        Panel(p, box, QColor(240, 70, 90));
        Text(p, box, QStringLiteral("Молодець!"), 22, Qt::white);
    }
    return image;
}
}  // namespace

void RenderSet1Pictures(const DataWriter& out) {
    // Each right answer dresses the tree a little more.
    const Scene stills[] = {
        {.ornaments = 3, .phase = -1},
        {.ornaments = 6, .garland = true, .phase = -1},
        {.ornaments = 8, .garland = true, .star = true, .gifts = 1, .phase = -1},
        {.ornaments = 10, .garland = true, .star = true, .gifts = 3, .phase = -1},
    };
    for (int i = 0; i < 4; ++i) out.savePicture(QStringLiteral("z1\\g1(%1).bmp").arg(i + 1), render(stills[i]));
    for (int frame = 0; frame < 5; ++frame) {
        const Scene scene{.ornaments = 10, .garland = true, .star = true, .gifts = 3, .banner = true,
                          .phase = frame / 5.0};
        out.savePicture(QStringLiteral("z1\\g%1.bmp").arg(frame + 1), render(scene));
    }
    for (int mark = 0; mark <= 5; ++mark)
        out.savePicture(QStringLiteral("z1\\ocenka%1s.bmp").arg(mark), MarkPicture(mark, 5, 440, 120));
}
