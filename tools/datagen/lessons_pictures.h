#pragma once
#include <QImage>

namespace lessons {

// A reward picture as the pupil earns it: `tiles` tiles in one or two rows, of
// which `shown` are uncovered; the rest lie under bright cards with a question
// mark. Tiles are uncovered in a fixed scattered order, exactly one more at each
// stage, so every stage shows all the earlier one did.
QImage RevealTiles(const QImage& whole, int shown, int tiles);
// The tile uncovered at the k-th stage (k from 0), in the grid's reading order.
int RevealOrder(int k, int tiles);

}  // namespace lessons
