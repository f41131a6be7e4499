#pragma once
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>

#include "datagen/games_maugli_boy.h"

// The garden pictures of the game: the boy in his garden with his basket, a
// speech bubble, the warning frames of the time limit, the close-up of his
// face and the end when the time is up.
namespace maugli {
void bubble(QPainter& p, const QRectF& box, const QString& text, const QColor& ink = QColor(60, 60, 120));
QImage scene(const Pose& pose, int basketApples, const std::function<void(QPainter&)>& extra = {});
QImage warning(const Pose& pose, int basketApples, int thirdsGone, int marks);
QImage faceCloseUp();
QImage carriedAway();
}  // namespace maugli
