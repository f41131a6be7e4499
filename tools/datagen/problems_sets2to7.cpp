#include "datagen/problems_sets2to7.h"

#include <QPainterPath>
#include <cmath>

#include "datagen/data_writer.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace {
const int kW = 210, kH = 340;

// What moves in a set's picture.
enum class Motif { Meadow, NightOwl, Sea, Balloons, Orchard, Fireworks };

struct Theme {
    QString still;       // "z2\i1(%1).bmp"
    QString frame;       // "z2\i%1.bmp"
    int frames;          // animation frames
    bool stillsBackward; // the stills are met from (4) down to (1)
    QColor top, bottom;  // the sky
    QColor ground;
    Motif motif;
};

const QColor kBright[] = {QColor(240, 70, 90), QColor(250, 200, 40), QColor(70, 150, 240), QColor(190, 90, 220),
                          QColor(250, 140, 40), QColor(80, 200, 120)};

void balloon(QPainter& p, QPointF c, const QColor& colour, double sway) {
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(c + QPointF(0, 20), c + QPointF(sway, 50));
    p.setPen(Qt::NoPen);
    QRadialGradient g(c - QPointF(5, 6), 20);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.drawEllipse(c, 15, 20);
    p.restore();
}

void boat(QPainter& p, QPointF c, double tilt) {
    p.save();
    p.translate(c);
    p.rotate(tilt);
    QPainterPath hull;
    hull.moveTo(-40, 0);
    hull.lineTo(40, 0);
    hull.lineTo(28, 16);
    hull.lineTo(-28, 16);
    hull.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 60));
    p.drawPath(hull);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(-2, -56, 4, 56));
    QPolygonF sail;
    sail << QPointF(2, -54) << QPointF(34, -8) << QPointF(2, -8);
    p.setBrush(Qt::white);
    p.drawPolygon(sail);
    QPolygonF flag;
    flag << QPointF(-2, -56) << QPointF(-18, -50) << QPointF(-2, -44);
    p.setBrush(QColor(250, 200, 40));
    p.drawPolygon(flag);
    p.restore();
}

// stage 1 … 4: the still after that many right answers; 5: the animation at `phase` (0 … 1).
QImage render(const Theme& t, int stage, double phase) {
    const bool moving = stage > 4;
    const int items = moving ? 4 : stage;
    QImage image = Canvas(kW, kH, t.top, t.bottom);
    QPainter p(&image);
    Prepare(p);
    const double wave = std::sin(2 * M_PI * phase);
    switch (t.motif) {
        case Motif::Meadow: {
            Sun(p, QPointF(170, 50 + (moving ? 6 * wave : 0)), 24);
            Cloud(p, QPointF(std::fmod(60 + phase * kW, kW + 40) - 20, 60), 70);
            Hill(p, QRectF(-20, 220, 260, 140), t.ground);
            for (int i = 0; i < 3 * items; ++i)
                Flower(p, QPointF(20 + (i * 37) % 180, 250 + (i * 23) % 60), 9 + (moving ? 2 * std::sin(2 * M_PI * (phase + i / 5.0)) : 0),
                       kBright[i % 6]);
            break;
        }
        case Motif::NightOwl: {
            for (int i = 0; i < 4 * items + 4; ++i) {
                const bool bright = moving && (i + int(std::lround(phase * t.frames))) % 4 == 0;
                Star(p, QPointF(15 + (i * 53) % 185, 15 + (i * 31) % 140), bright ? 7 : 4, QColor(255, 240, 150));
            }
            Hill(p, QRectF(-20, 250, 260, 110), t.ground);
            Tree(p, QPointF(60, 290), 140);
            Owl(p, QRectF(100, 170 - (moving ? 8 * std::fabs(wave) : 0), 80, 100));
            break;
        }
        case Motif::Sea: {
            Sun(p, QPointF(40, 50), 22);
            for (int i = 0; i < items; ++i) Cloud(p, QPointF(50 + i * 45, 100 + (i % 2) * 20), 50);
            p.setPen(Qt::NoPen);
            p.setBrush(t.ground);
            p.drawRect(QRectF(0, 230, kW, kH - 230));
            boat(p, QPointF(105 + (moving ? 30 * wave : 0), 222 + (moving ? 4 * std::cos(4 * M_PI * phase) : 0)),
                 moving ? 6 * wave : 0);
            p.setBrush(QColor(255, 255, 255, 150));
            for (int i = 0; i < 8; ++i)
                p.drawEllipse(QPointF(std::fmod(i * 31 + phase * 62, kW), 250 + (i % 3) * 25), 12, 3);
            break;
        }
        case Motif::Balloons: {
            Cloud(p, QPointF(150, 60), 80);
            Hill(p, QRectF(-20, 260, 260, 100), t.ground);
            for (int i = 0; i < 2 * items; ++i) {
                const double rise = moving ? std::fmod(phase + i / 8.0, 1.0) * 60 : 0;
                balloon(p, QPointF(25 + (i * 41) % 170, 200 - (i % 3) * 40 - rise), kBright[i % 6],
                        moving ? 6 * std::sin(2 * M_PI * (phase + i / 3.0)) : 0);
            }
            break;
        }
        case Motif::Orchard: {
            Sun(p, QPointF(175, 45), 22);
            Hill(p, QRectF(-20, 240, 260, 120), t.ground);
            for (int i = 0; i < items; ++i) Tree(p, QPointF(30 + i * 50, 280 - (i % 2) * 16), 120);
            // Apples fall and bounce in the animation.
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 3 * items; ++i) {
                const double fall = moving ? std::fmod(phase + i / 6.0, 1.0) : 0;
                p.setBrush(kBright[i % 2 == 0 ? 0 : 4]);
                p.drawEllipse(QPointF(25 + (i * 29) % 170, 190 + fall * 110), 5, 5);
            }
            break;
        }
        case Motif::Fireworks: {
            Hill(p, QRectF(-20, 270, 260, 90), t.ground);
            for (int i = 0; i < items + (moving ? 2 : 0); ++i) {
                const QPointF c(35 + (i * 57) % 150, 70 + (i * 43) % 120);
                const double grow = moving ? 0.4 + 0.6 * std::fmod(phase + i / 5.0, 1.0) : 1.0;
                p.setPen(QPen(kBright[i % 6], 2.5, Qt::SolidLine, Qt::RoundCap));
                for (int ray = 0; ray < 12; ++ray) {
                    const double a = ray * M_PI / 6;
                    p.drawLine(c + QPointF(8 * grow * std::cos(a), 8 * grow * std::sin(a)),
                               c + QPointF(30 * grow * std::cos(a), 30 * grow * std::sin(a)));
                }
                Star(p, c, 5, QColor(255, 250, 200));
            }
            break;
        }
    }
    if (moving) {
        const QRectF box(14, 296 - 3 * wave, 182, 34);
        Panel(p, box, QColor(240, 70, 90));
        Text(p, box, QStringLiteral("Молодець!"), 22, Qt::white);
    } else {
        // A row of small stars: one for each right answer so far.
        for (int i = 0; i < 4; ++i)
            Star(p, QPointF(45 + i * 40, 318), 11, i < stage ? QColor(255, 210, 40) : QColor(255, 255, 255, 120));
    }
    return image;
}

}  // namespace

void RenderSets2To7Pictures(const DataWriter& out) {
    const Theme themes[] = {
        {"z2\\i1(%1).bmp", "z2\\i%1.bmp", 5, true, QColor(150, 210, 255), QColor(230, 245, 255), QColor(110, 200, 90),
         Motif::Meadow},
        {"z3\\e1(%1).bmp", "z3\\e%1.bmp", 4, false, QColor(20, 30, 90), QColor(80, 90, 170), QColor(40, 110, 70),
         Motif::NightOwl},
        {"z4\\k1(%1).bmp", "z4\\k%1.bmp", 4, false, QColor(140, 200, 255), QColor(220, 240, 255), QColor(40, 120, 200),
         Motif::Sea},
        {"z5\\n1(%1).bmp", "z5\\n%1.bmp", 4, true, QColor(255, 200, 150), QColor(255, 240, 210), QColor(120, 190, 90),
         Motif::Balloons},
        {"z6\\l5(%1).bmp", "z6\\l%1.bmp", 5, true, QColor(170, 225, 255), QColor(235, 250, 230), QColor(90, 170, 70),
         Motif::Orchard},
        {"z7\\o1(%1).bmp", "z7\\o%1.bmp", 10, true, QColor(30, 20, 70), QColor(110, 60, 140), QColor(50, 80, 60),
         Motif::Fireworks},
    };
    for (const Theme& t : themes) {
        // Stills named (4) … (1) when a set meets them in that order: the first met shows the least.
        for (int stage = 1; stage <= 4; ++stage)
            out.savePicture(t.still.arg(t.stillsBackward ? 5 - stage : stage), render(t, stage, 0));
        for (int f = 0; f < t.frames; ++f) out.savePicture(t.frame.arg(f + 1), render(t, 5, double(f) / t.frames));
    }
    for (int set = 2; set <= 7; ++set)
        for (int mark = 0; mark <= 5; ++mark)
            out.savePicture(QStringLiteral("z%1\\ocenka%2s.bmp").arg(set).arg(mark), MarkPicture(mark, 5, 440, 120));
}
