// Pictures of the garden game "Мауглі" (folder "GTM"): the jungle boy in his
// garden in every pose and frame the game shows, the warning frames of the
// time limit, the score bar, the fraction bar and the 24 reward pictures.
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>
#include <tuple>
#include <cmath>

#include "datagen/data_writer.h"
#include "datagen/games_maugli.h"
#include "datagen/paint_kit.h"

using namespace paint;

namespace {
const int kWidth = 393;
const int kHeight = 313;
const QColor kSkin(205, 140, 90);
const QColor kSkinDark(170, 105, 60);
const QColor kHair(40, 30, 25);
const QColor kShorts(210, 50, 45);
const QColor kApple(225, 40, 40);

enum class Mouth { Smile, Grin, Open, Frown, Worried };
enum class Eyes { Open, Happy, Wide, Dizzy, Closed, Up };

// A pose of the boy. Arm and leg angles are measured from straight down,
// positive away from the body (180 is straight up).
struct Pose {
    QPointF hip{150, 235};
    double lean = 0;
    double armLeft = 20, armRight = 20;
    double elbowLeft = 0, elbowRight = 0;
    double legLeft = 8, legRight = 8;
    double kneeLeft = 0, kneeRight = 0;
    double headTilt = 0;
    Mouth mouth = Mouth::Smile;
    Eyes eyes = Eyes::Open;
    bool appleInRight = false;
    bool appleInLeft = false;
    bool sweat = false;
    bool dizzyStars = false;
};

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

void apple(QPainter& p, QPointF c, double r, const QColor& colour = kApple) {
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

void bubble(QPainter& p, const QRectF& box, const QString& text, const QColor& ink = QColor(60, 60, 120)) {
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

QImage scene(const Pose& pose, int basketApples, const std::function<void(QPainter&)>& extra = {}) {
    QImage image = garden();
    QPainter p(&image);
    Prepare(p);
    if (basketApples >= 0) basket(p, QPointF(250, 270), basketApples);
    boy(p, pose);
    if (extra) extra(p);
    return image;
}

// ---- the poses ----

Pose standing() {
    Pose pose;
    pose.armLeft = 15;
    pose.armRight = 15;
    return pose;
}

Pose waving() {
    Pose pose;
    pose.armRight = 150;
    pose.elbowRight = 25;
    pose.armLeft = 20;
    pose.mouth = Mouth::Grin;
    return pose;
}

Pose reaching() {  // on tiptoe for the apple on the branch
    Pose pose;
    pose.hip = QPointF(165, 225);
    pose.lean = 6;
    pose.armRight = 165;
    pose.armLeft = 40;
    pose.legLeft = 4;
    pose.legRight = 4;
    pose.eyes = Eyes::Up;
    pose.mouth = Mouth::Open;
    return pose;
}

Pose jumping() {  // caught it!
    Pose pose;
    pose.hip = QPointF(160, 195);
    pose.armLeft = 150;
    pose.armRight = 160;
    pose.legLeft = 35;
    pose.kneeLeft = -60;
    pose.legRight = 35;
    pose.kneeRight = -60;
    pose.appleInRight = true;
    pose.eyes = Eyes::Happy;
    pose.mouth = Mouth::Grin;
    return pose;
}

Pose holding() {  // resting with the apple
    Pose pose = standing();
    pose.armRight = 60;
    pose.elbowRight = 60;
    pose.appleInRight = true;
    pose.mouth = Mouth::Smile;
    return pose;
}

Pose bending() {  // puts an apple in the basket
    Pose pose;
    pose.hip = QPointF(185, 240);
    pose.lean = 28;
    pose.armRight = 40;
    pose.armLeft = 10;
    pose.legLeft = 15;
    pose.legRight = 5;
    pose.kneeLeft = 10;
    pose.appleInRight = true;
    pose.headTilt = 8;
    return pose;
}

Pose cheering() {
    Pose pose;
    pose.hip = QPointF(150, 228);
    pose.armLeft = 145;
    pose.armRight = 145;
    pose.elbowLeft = -20;
    pose.elbowRight = -20;
    pose.legLeft = 18;
    pose.legRight = 18;
    pose.eyes = Eyes::Happy;
    pose.mouth = Mouth::Grin;
    return pose;
}

Pose dancing() {
    Pose pose;
    pose.hip = QPointF(145, 232);
    pose.lean = -10;
    pose.armLeft = 110;
    pose.armRight = 70;
    pose.elbowLeft = 40;
    pose.elbowRight = -40;
    pose.legRight = 70;
    pose.kneeRight = -70;
    pose.legLeft = 3;
    pose.eyes = Eyes::Happy;
    pose.mouth = Mouth::Open;
    return pose;
}

Pose bowing() {  // the second rest after dancing
    Pose pose;
    pose.hip = QPointF(150, 236);
    pose.lean = -12;
    pose.armLeft = 100;
    pose.armRight = 30;
    pose.elbowLeft = 50;
    pose.legRight = 25;
    pose.headTilt = -10;
    pose.appleInLeft = true;
    pose.mouth = Mouth::Grin;
    pose.eyes = Eyes::Closed;
    return pose;
}

Pose puzzled(bool otherSide) {  // scratches his head
    Pose pose = standing();
    if (otherSide) {
        pose.armLeft = 160;
        pose.elbowLeft = 100;
        pose.armRight = 50;
        pose.elbowRight = 60;
        pose.appleInRight = true;
    } else {
        pose.armRight = 160;
        pose.elbowRight = 100;
    }
    pose.headTilt = otherSide ? -12 : 12;
    pose.mouth = Mouth::Worried;
    pose.sweat = true;
    return pose;
}

Pose hanging(bool oneHand) {  // slipped off and hangs from the branch
    Pose pose;
    pose.hip = QPointF(200, 205);
    pose.armRight = 178;
    pose.armLeft = oneHand ? 60 : 178;
    pose.elbowLeft = oneHand ? 50 : 0;
    pose.legLeft = 15;
    pose.legRight = oneHand ? 45 : 20;
    pose.kneeRight = oneHand ? 40 : 0;
    pose.eyes = oneHand ? Eyes::Dizzy : Eyes::Wide;
    pose.mouth = oneHand ? Mouth::Open : Mouth::Frown;
    pose.dizzyStars = oneHand;
    pose.sweat = !oneHand;
    return pose;
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

// ---- score bar, fraction bar, rewards ----

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
}  // namespace

void RenderMaugliPictures(const DataWriter& out) {
    const auto save = [&](const char* name, const QImage& image) {
        out.savePicture(QStringLiteral("GTM\\") + QString::fromLatin1(name) + QStringLiteral(".bmp"), image);
    };
    save("first", scene(waving(), -1, [](QPainter& p) {
             bubble(p, QRectF(170, 130, 150, 56), QStringLiteral("Обери сад!"));
         }));
    // Rest pose 0 and the climb to rest pose 4.
    save("m1", scene(standing(), 0));
    save("m2", scene(reaching(), 0));
    save("m3", scene(jumping(), 0));
    // From rest pose 4 to rest pose 7: the apple goes into the basket, then a cheer.
    save("m11", scene(bending(), 1));
    save("m22", scene(cheering(), 2));
    // From 7 back to 4: a little dance and a bow.
    save("m33", scene(dancing(), 3));
    save("m44", scene(bowing(), 3));
    // A wrong answer: he scratches his head and slips onto the branch.
    save("m222", scene(puzzled(false), 0, [](QPainter& p) {
             bubble(p, QRectF(200, 150, 60, 44), QStringLiteral("?"));
         }));
    save("m1vis2", scene(hanging(true), 0));
    save("m444", scene(puzzled(true), 2, [](QPainter& p) {
             bubble(p, QRectF(200, 150, 60, 44), QStringLiteral("?"));
         }));
    save("m1vis", scene(hanging(false), 2));
    save("face", faceCloseUp());
    save("uneslo", carriedAway());
    // The time limit: the clock fills up from one warning to the next.
    Pose waitingHungry = standing();
    waitingHungry.mouth = Mouth::Worried;
    save("g!1", warning(waitingHungry, 0, 1, 1));
    Pose hurried = waitingHungry;
    hurried.sweat = true;
    hurried.eyes = Eyes::Wide;
    save("g!2", warning(hurried, 0, 2, 2));
    Pose waitingWithApple = holding();
    waitingWithApple.mouth = Mouth::Worried;
    save("gg1", warning(waitingWithApple, 2, 1, 1));
    waitingWithApple.sweat = true;
    save("gg2", warning(waitingWithApple, 2, 2, 2));
    waitingWithApple.eyes = Eyes::Wide;
    waitingWithApple.mouth = Mouth::Open;
    save("gg3", warning(waitingWithApple, 2, 3, 3));
    for (int level = 0; level <= 12; ++level)
        out.savePicture(QStringLiteral("GTM\\level%1.bmp").arg(level), scoreBar(level));
    out.savePicture(QStringLiteral("GTM\\chdr4.bmp"), fractionBar());
    for (int garden = 1; garden <= 4; ++garden)
        for (int design = 1; design <= 6; ++design)
            out.savePicture(QStringLiteral("GTM\\a%1.bmp").arg(6 * (garden - 1) + design), reward(garden, design));
}
