#pragma once
#include <QColor>
#include <QPointF>

class QPainter;

// The jungle boy of the garden game, drawn in any pose on a garden picture.
namespace maugli {
const int kWidth = 393;
const int kHeight = 313;
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

// An apple with its stalk and leaf, lit from the upper left.
void apple(QPainter& p, QPointF c, double r, const QColor& colour = kApple);
void boy(QPainter& p, const Pose& pose);
}  // namespace maugli
