#pragma once
#include <QImage>

// What the game shows of the pupil's progress: the score bar at each level,
// the fraction bar and the 24 reward pictures (four gardens, six designs).
namespace maugli {
QImage scoreBar(int level);
QImage fractionBar();
QImage reward(int garden, int design);
}  // namespace maugli
