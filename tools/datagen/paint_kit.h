#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// Drawing helpers shared by the picture renderers: soft backgrounds, friendly
// shapes, and the two picture families several modules use (mark pictures and
// pictures revealed stage by stage).
namespace paint {

// A canvas filled with a vertical gradient.
QImage Canvas(int width, int height, const QColor& top, const QColor& bottom);
// A painter with antialiasing on.
void Prepare(QPainter& p);

void Text(QPainter& p, const QRectF& box, const QString& text, int pixelSize, const QColor& colour,
          bool bold = true, Qt::Alignment align = Qt::AlignCenter);
void Star(QPainter& p, QPointF centre, double radius, const QColor& fill);
void Sun(QPainter& p, QPointF centre, double radius);
void Cloud(QPainter& p, QPointF centre, double width);
void Flower(QPainter& p, QPointF centre, double radius, const QColor& petals);
void Tree(QPainter& p, QPointF base, double height);
void Owl(QPainter& p, const QRectF& box);
void Hill(QPainter& p, const QRectF& area, const QColor& colour);
// A circle cut into `parts` slices with `filled` of them coloured.
void Pie(QPainter& p, QPointF centre, double radius, int parts, int filled, const QColor& colour);
// A rounded, shadowed panel.
void Panel(QPainter& p, const QRectF& box, const QColor& fill);

// A mark picture: the mark large in a ribbon with `mark` of `outOf` stars lit.
QImage MarkPicture(int mark, int outOf, int width = 320, int height = 120);

// A reward picture as the pupil earns it: `tiles` tiles in one or two rows, of
// which `shown` are uncovered; the rest lie under bright cards with a question
// mark. Tiles are uncovered in a fixed scattered order, exactly one more at each
// stage, so every stage shows all the earlier one did.
QImage RevealStage(const QImage& whole, int shown, int tiles);
// The tile uncovered at the k-th stage (k from 0), in the grid's reading order.
int RevealOrder(int k, int tiles);

}  // namespace paint
