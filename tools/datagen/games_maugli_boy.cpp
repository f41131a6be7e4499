// The jungle boy of the garden game: his face in every mood, his limbs bent
// as a pose says, and the apples he picks.
#include "datagen/games_maugli_boy.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "datagen/paint_kit.h"

using namespace paint;

namespace maugli {
namespace {
const QColor kSkin(205, 140, 90);
const QColor kSkinDark(170, 105, 60);
const QColor kHair(40, 30, 25);
const QColor kShorts(210, 50, 45);

QPointF along(QPointF from, double angleDeg, double length, int side) {
    const double a = angleDeg * M_PI / 180;
    return QPointF(from.x() + side * length * std::sin(a), from.y() + length * std::cos(a));
}

void limb(QPainter& p, QPointF root, double angle, double bend, double length, int side, double width,
          const QColor& colour, QPointF* end = nullptr) {
    const QPointF mid = along(root, angle, length * 0.5, side);
    const QPointF tip = along(mid, angle + bend, length * 0.5, side);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path(root);
    path.lineTo(mid);
    path.lineTo(tip);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    if (end) *end = tip;
}
}  // namespace

void apple(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient g(QPointF(c.x() - r / 3, c.y() - r / 3), r * 1.4);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.drawEllipse(c, r, r * 0.92);
    p.setPen(QPen(QColor(110, 70, 30), std::max(1.5, r / 5), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x(), c.y() - r * 0.8), QPointF(c.x() + r * 0.2, c.y() - r * 1.3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 170, 70));
    p.drawEllipse(QPointF(c.x() + r * 0.5, c.y() - r * 1.15), r * 0.4, r * 0.2);
    p.restore();
}

namespace {
void face(QPainter& p, QPointF c, double r, Eyes eyes, Mouth mouth) {
    const double ex = r * 0.38, ey = -r * 0.1;
    for (int side : {-1, 1}) {
        const QPointF e(c.x() + side * ex, c.y() + ey);
        switch (eyes) {
        case Eyes::Open:
        case Eyes::Wide:
        case Eyes::Up: {
            const double w = eyes == Eyes::Wide ? r * 0.24 : r * 0.17;
            p.setPen(QPen(QColor(60, 40, 30), 1.2));
            p.setBrush(Qt::white);
            p.drawEllipse(e, w, w * 1.15);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 25, 15));
            const QPointF pupil = eyes == Eyes::Up ? QPointF(e.x(), e.y() - w * 0.5) : e;
            p.drawEllipse(pupil, w * 0.55, w * 0.6);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(pupil.x() + w * 0.2, pupil.y() - w * 0.25), w * 0.18, w * 0.18);
            break;
        }
        case Eyes::Happy:
            p.setPen(QPen(QColor(40, 25, 15), r * 0.08, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(e.x() - r * 0.15, e.y() - r * 0.1, r * 0.3, r * 0.25), 0, 180 * 16);
            break;
        case Eyes::Closed:
            p.setPen(QPen(QColor(40, 25, 15), r * 0.08, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(e.x() - r * 0.14, e.y()), QPointF(e.x() + r * 0.14, e.y()));
            break;
        case Eyes::Dizzy: {
            p.setPen(QPen(QColor(40, 25, 15), r * 0.06, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath spiral;
            for (int i = 0; i <= 40; ++i) {
                const double a = i * 0.45, rr = r * 0.18 * i / 40;
                const QPointF pt(e.x() + rr * std::cos(a), e.y() + rr * std::sin(a));
                if (i == 0) spiral.moveTo(pt); else spiral.lineTo(pt);
            }
            p.drawPath(spiral);
            break;
        }
        }
    }
    // Cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 110, 110));
    p.drawEllipse(QPointF(c.x() - r * 0.6, c.y() + r * 0.25), r * 0.15, r * 0.1);
    p.drawEllipse(QPointF(c.x() + r * 0.6, c.y() + r * 0.25), r * 0.15, r * 0.1);
    const QColor lip(120, 40, 30);
    p.setPen(QPen(lip, r * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF m(c.x() - r * 0.35, c.y() + r * 0.1, r * 0.7, r * 0.45);
    switch (mouth) {
    case Mouth::Smile:
        p.drawArc(m, 200 * 16, 140 * 16);
        break;
    case Mouth::Grin: {
        QPainterPath path;
        path.moveTo(m.left(), m.top() + m.height() * 0.3);
        path.quadTo(QPointF(m.center().x(), m.bottom() + m.height() * 0.6), QPointF(m.right(), m.top() + m.height() * 0.3));
        path.closeSubpath();
        p.setBrush(QColor(150, 30, 40));
        p.drawPath(path);
        break;
    }
    case Mouth::Open:
        p.setBrush(QColor(150, 30, 40));
        p.drawEllipse(QPointF(m.center().x(), m.center().y() + r * 0.08), r * 0.12, r * 0.16);
        break;
    case Mouth::Frown:
        p.drawArc(m.translated(0, r * 0.25), 20 * 16, 140 * 16);
        break;
    case Mouth::Worried: {
        QPainterPath path;
        const double y = m.center().y() + r * 0.1;
        path.moveTo(m.left() + r * 0.05, y);
        for (int i = 1; i <= 4; ++i)
            path.lineTo(m.left() + r * 0.05 + i * (m.width() - r * 0.1) / 4, y + (i % 2 ? -r * 0.07 : r * 0.07));
        p.drawPath(path);
        break;
    }
    }
}
}  // namespace

void boy(QPainter& p, const Pose& pose) {
    p.save();
    p.translate(pose.hip);
    p.rotate(pose.lean);
    const double torso = 62, headR = 27, arm = 56, leg = 64;
    const QPointF hipL(-10, 0), hipR(10, 0);
    const QPointF shoulderL(-17, -torso + 10), shoulderR(17, -torso + 10);
    // Legs behind the shorts.
    QPointF footL, footR;
    limb(p, hipL, pose.legLeft, pose.kneeLeft, leg, -1, 14, kSkin, &footL);
    limb(p, hipR, pose.legRight, pose.kneeRight, leg, 1, 14, kSkin, &footR);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkinDark);
    p.drawEllipse(footL + QPointF(-5, 3), 10, 5);
    p.drawEllipse(footR + QPointF(5, 3), 10, 5);
    // Body.
    p.setBrush(kSkin);
    p.setPen(QPen(kSkinDark, 1.5));
    p.drawRoundedRect(QRectF(-21, -torso, 42, torso + 6), 16, 16);
    // Red shorts with a white belt.
    p.setPen(Qt::NoPen);
    p.setBrush(kShorts);
    QPainterPath shorts;
    shorts.moveTo(-23, -10);
    shorts.lineTo(23, -10);
    shorts.lineTo(27, 20);
    shorts.lineTo(3, 20);
    shorts.lineTo(0, 8);
    shorts.lineTo(-3, 20);
    shorts.lineTo(-27, 20);
    shorts.closeSubpath();
    p.drawPath(shorts);
    p.setBrush(QColor(250, 230, 200));
    p.drawRect(QRectF(-23, -12, 46, 5));
    // Arms in front.
    QPointF handL, handR;
    limb(p, shoulderL, pose.armLeft, pose.elbowLeft, arm, -1, 12, kSkin, &handL);
    limb(p, shoulderR, pose.armRight, pose.elbowRight, arm, 1, 12, kSkin, &handR);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawEllipse(handL, 7.5, 7.5);
    p.drawEllipse(handR, 7.5, 7.5);
    if (pose.appleInLeft) apple(p, handL + QPointF(0, -4), 11);
    if (pose.appleInRight) apple(p, handR + QPointF(0, -4), 11);
    // Head with messy hair.
    p.translate(0, -torso - headR + 4);
    p.rotate(pose.headTilt);
    p.setPen(Qt::NoPen);
    p.setBrush(kHair);
    QPainterPath hair;
    hair.moveTo(-headR - 3, 4);
    for (int i = 0; i <= 8; ++i) {
        const double a = M_PI + i * M_PI / 8;
        const double rr = headR + (i % 2 ? 12 : 3);
        hair.lineTo(rr * std::cos(a), rr * std::sin(a) - 2);
    }
    hair.lineTo(headR + 3, 4);
    hair.closeSubpath();
    p.drawPath(hair);
    p.setBrush(kSkin);
    p.setPen(QPen(kSkinDark, 1.5));
    p.drawEllipse(QPointF(0, 0), headR, headR * 1.02);
    p.setPen(Qt::NoPen);
    p.setBrush(kHair);
    QPainterPath fringe;
    fringe.moveTo(-headR, -4);
    fringe.quadTo(-headR * 0.6, -headR * 0.2, -headR * 0.3, -headR * 0.6);
    fringe.quadTo(0, -headR * 0.25, headR * 0.3, -headR * 0.65);
    fringe.quadTo(headR * 0.7, -headR * 0.2, headR, -4);
    fringe.lineTo(headR * 0.8, -headR * 0.8);
    fringe.lineTo(-headR * 0.8, -headR * 0.8);
    fringe.closeSubpath();
    p.drawPath(fringe);
    face(p, QPointF(0, 2), headR, pose.eyes, pose.mouth);
    if (pose.sweat) {
        p.setBrush(QColor(120, 190, 255));
        QPainterPath drop;
        drop.moveTo(headR + 4, -16);
        drop.quadTo(headR + 12, -4, headR + 4, 0);
        drop.quadTo(headR - 4, -4, headR + 4, -16);
        p.drawPath(drop);
    }
    if (pose.dizzyStars) {
        for (int i = 0; i < 4; ++i) {
            const double a = -M_PI / 2 + (i - 1.5) * 0.6;
            Star(p, QPointF(1.5 * headR * std::cos(a), 1.3 * headR * std::sin(a) - 10), 7, QColor(255, 215, 40));
        }
    }
    p.restore();
}
}  // namespace maugli
