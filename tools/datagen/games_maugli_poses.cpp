// The poses of the boy, each a few angles away from standing.
#include "datagen/games_maugli_poses.h"

namespace maugli {
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
}  // namespace maugli
