#include "datagen/lessons_pictures.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

#include "datagen/paint_kit.h"

namespace lessons {

int RevealOrder(int k, int tiles) {
    // A stride with no common divisor with the count visits every tile once.
    int stride = 3;
    while (std::gcd(stride, tiles) != 1) ++stride;
    return (k * stride + 1) % tiles;
}

QImage RevealTiles(const QImage& whole, int shown, int tiles) {
    QImage image = whole.copy();
    if (tiles <= 0) return image;
    const int rows = tiles > 5 ? 2 : 1;
    const int cols = (tiles + rows - 1) / rows;
    const double tw = double(whole.width()) / cols, th = double(whole.height()) / rows;
    const QColor cards[] = {QColor(120, 160, 235), QColor(245, 150, 120), QColor(130, 200, 150), QColor(240, 190, 90),
                            QColor(190, 140, 230)};
    QPainter p(&image);
    paint::Prepare(p);
    for (int k = std::clamp(shown, 0, tiles); k < tiles; ++k) {
        const int tile = RevealOrder(k, tiles);
        const QRectF box((tile % cols) * tw, (tile / cols) * th, tw, th);
        const QColor card = cards[tile % 5];
        p.fillRect(box, card.lighter(115));
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(card);
        p.drawRoundedRect(box.adjusted(4, 4, -4, -4), 10, 10);
        paint::Text(p, box, QStringLiteral("?"), int(std::min(tw, th) * 0.5), QColor(255, 255, 255, 220));
    }
    return image;
}

}  // namespace lessons
