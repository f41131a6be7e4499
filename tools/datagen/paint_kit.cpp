#include "datagen/paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace paint {

QImage Canvas(int width, int height, const QColor& top, const QColor& bottom) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(image.rect(), g);
    return image;
}

void Prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void Text(QPainter& p, const QRectF& box, const QString& text, int pixelSize, const QColor& colour, bool bold,
          Qt::Alignment align) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, int(align) | Qt::TextWordWrap, text);
    p.restore();
}

void Star(QPainter& p, QPointF c, double r, const QColor& fill) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? r : r * 0.45;
        const QPointF pt(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0) path.moveTo(pt); else path.lineTo(pt);
    }
    path.closeSubpath();
    p.save();
    p.setPen(QPen(fill.darker(150), std::max(1.0, r / 10)));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void Sun(QPainter& p, QPointF c, double r) {
    p.save();
    p.setPen(QPen(QColor(255, 190, 40), std::max(2.0, r / 8), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(QPointF(c.x() + 1.3 * r * std::cos(a), c.y() + 1.3 * r * std::sin(a)),
                   QPointF(c.x() + 1.7 * r * std::cos(a), c.y() + 1.7 * r * std::sin(a)));
    }
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 245, 140));
    g.setColorAt(1, QColor(255, 200, 40));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(150, 90, 20), std::max(1.5, r / 12)));
    p.drawArc(QRectF(c.x() - r / 2, c.y() - r / 4, r, r * 0.8), 200 * 16, 140 * 16);
    p.setBrush(QColor(120, 70, 20));
    p.drawEllipse(QPointF(c.x() - r / 3, c.y() - r / 4), r / 10, r / 10);
    p.drawEllipse(QPointF(c.x() + r / 3, c.y() - r / 4), r / 10, r / 10);
    p.restore();
}

void Cloud(QPainter& p, QPointF c, double w) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(c, w * 0.3, w * 0.18);
    p.drawEllipse(QPointF(c.x() - w * 0.25, c.y() + w * 0.05), w * 0.22, w * 0.14);
    p.drawEllipse(QPointF(c.x() + w * 0.25, c.y() + w * 0.05), w * 0.22, w * 0.14);
    p.drawEllipse(QPointF(c.x() + w * 0.05, c.y() - w * 0.1), w * 0.2, w * 0.16);
    p.restore();
}

void Flower(QPainter& p, QPointF c, double r, const QColor& petals) {
    p.save();
    p.setPen(QPen(QColor(60, 140, 60), std::max(1.5, r / 4)));
    p.drawLine(c, QPointF(c.x(), c.y() + r * 3));
    p.setPen(Qt::NoPen);
    p.setBrush(petals);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        p.drawEllipse(QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a)), r * 0.7, r * 0.7);
    }
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(c, r * 0.6, r * 0.6);
    p.restore();
}

void Tree(QPainter& p, QPointF base, double h) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 85, 45));
    p.drawRoundedRect(QRectF(base.x() - h * 0.06, base.y() - h * 0.45, h * 0.12, h * 0.45), 3, 3);
    p.setBrush(QColor(70, 160, 70));
    p.drawEllipse(QPointF(base.x(), base.y() - h * 0.65), h * 0.3, h * 0.3);
    p.setBrush(QColor(90, 180, 80));
    p.drawEllipse(QPointF(base.x() - h * 0.15, base.y() - h * 0.55), h * 0.2, h * 0.2);
    p.drawEllipse(QPointF(base.x() + h * 0.16, base.y() - h * 0.58), h * 0.2, h * 0.2);
    p.setBrush(QColor(220, 50, 50));
    p.drawEllipse(QPointF(base.x() - h * 0.1, base.y() - h * 0.7), h * 0.04, h * 0.04);
    p.drawEllipse(QPointF(base.x() + h * 0.12, base.y() - h * 0.62), h * 0.04, h * 0.04);
    p.restore();
}

void Owl(QPainter& p, const QRectF& b) {
    p.save();
    const double w = b.width(), h = b.height();
    const QPointF c = b.center();
    // Branch.
    p.setPen(QPen(QColor(120, 80, 40), h * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(b.left(), b.bottom() - h * 0.08), QPointF(b.right(), b.bottom() - h * 0.12));
    p.setPen(Qt::NoPen);
    // Body and wings.
    p.setBrush(QColor(150, 105, 70));
    p.drawEllipse(QPointF(c.x(), c.y() + h * 0.08), w * 0.32, h * 0.38);
    p.setBrush(QColor(120, 80, 50));
    p.drawEllipse(QPointF(c.x() - w * 0.3, c.y() + h * 0.12), w * 0.1, h * 0.24);
    p.drawEllipse(QPointF(c.x() + w * 0.3, c.y() + h * 0.12), w * 0.1, h * 0.24);
    p.setBrush(QColor(235, 215, 180));
    p.drawEllipse(QPointF(c.x(), c.y() + h * 0.2), w * 0.2, h * 0.22);
    // Ear tufts.
    QPainterPath ears;
    ears.moveTo(c.x() - w * 0.28, c.y() - h * 0.15);
    ears.lineTo(c.x() - w * 0.3, c.y() - h * 0.38);
    ears.lineTo(c.x() - w * 0.12, c.y() - h * 0.24);
    ears.moveTo(c.x() + w * 0.28, c.y() - h * 0.15);
    ears.lineTo(c.x() + w * 0.3, c.y() - h * 0.38);
    ears.lineTo(c.x() + w * 0.12, c.y() - h * 0.24);
    p.setBrush(QColor(150, 105, 70));
    p.drawPath(ears);
    // Eyes, glasses and beak: a wise owl.
    for (int side : {-1, 1}) {
        const QPointF eye(c.x() + side * w * 0.13, c.y() - h * 0.12);
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(60, 60, 60), std::max(1.5, w * 0.015)));
        p.drawEllipse(eye, w * 0.11, w * 0.11);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 20));
        p.drawEllipse(eye, w * 0.05, w * 0.05);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(eye.x() + w * 0.02, eye.y() - w * 0.02), w * 0.015, w * 0.015);
    }
    QPainterPath beak;
    beak.moveTo(c.x() - w * 0.04, c.y() - h * 0.04);
    beak.lineTo(c.x() + w * 0.04, c.y() - h * 0.04);
    beak.lineTo(c.x(), c.y() + h * 0.05);
    p.setBrush(QColor(240, 170, 40));
    p.drawPath(beak);
    // A graduate's cap.
    p.setBrush(QColor(40, 40, 70));
    QPolygonF cap;
    cap << QPointF(c.x() - w * 0.3, c.y() - h * 0.36) << QPointF(c.x(), c.y() - h * 0.46)
        << QPointF(c.x() + w * 0.3, c.y() - h * 0.36) << QPointF(c.x(), c.y() - h * 0.28);
    p.drawPolygon(cap);
    p.setPen(QPen(QColor(240, 200, 40), std::max(1.5, w * 0.012)));
    p.drawLine(QPointF(c.x(), c.y() - h * 0.37), QPointF(c.x() + w * 0.26, c.y() - h * 0.3));
    p.restore();
}

void Hill(QPainter& p, const QRectF& a, const QColor& colour) {
    p.save();
    QPainterPath path;
    path.moveTo(a.bottomLeft());
    path.lineTo(a.left(), a.top() + a.height() * 0.4);
    path.cubicTo(QPointF(a.left() + a.width() * 0.3, a.top() - a.height() * 0.1),
                 QPointF(a.left() + a.width() * 0.6, a.top() + a.height() * 0.6), a.topRight());
    path.lineTo(a.bottomRight());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void Pie(QPainter& p, QPointF c, double r, int parts, int filled, const QColor& colour) {
    p.save();
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setPen(QPen(QColor(70, 70, 70), std::max(1.0, r / 25)));
    for (int i = 0; i < parts; ++i) {
        p.setBrush(i < filled ? colour : QColor(255, 255, 255));
        p.drawPie(box, int(90 * 16 - i * 5760 / parts), int(-5760 / parts));
    }
    p.restore();
}

void Panel(QPainter& p, const QRectF& box, const QColor& fill) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(box.translated(4, 4), 14, 14);
    p.setBrush(fill);
    p.setPen(QPen(fill.darker(140), 2));
    p.drawRoundedRect(box, 14, 14);
    p.restore();
}

QImage MarkPicture(int mark, int outOf, int width, int height) {
    const double share = outOf > 0 ? double(mark) / outOf : 0;
    const QColor ribbon = share >= 0.75 ? QColor(80, 180, 90) : share >= 0.5 ? QColor(250, 190, 50)
                          : share > 0    ? QColor(245, 130, 60) : QColor(200, 80, 80);
    QImage image = Canvas(width, height, QColor(255, 252, 235), QColor(250, 235, 200));
    QPainter p(&image);
    Prepare(p);
    const double h = height;
    Panel(p, QRectF(h * 0.08, h * 0.08, h * 0.84, h * 0.84), ribbon);
    Text(p, QRectF(h * 0.08, h * 0.08, h * 0.84, h * 0.84), QString::number(mark), int(h * 0.55), Qt::white);
    // The stars in one or two rows after the number.
    const int perRow = outOf > 5 ? (outOf + 1) / 2 : std::max(outOf, 1);
    const int rows = outOf > 5 ? 2 : 1;
    const double left = h * 1.05;
    const double cell = std::min((width - left - h * 0.05) / perRow, h * 0.9 / rows);
    for (int i = 0; i < outOf; ++i) {
        const int row = i / perRow, col = i % perRow;
        const QPointF centre(left + cell * (col + 0.5), h / 2 + (row - (rows - 1) / 2.0) * cell);
        Star(p, centre, cell * 0.42, i < mark ? QColor(255, 205, 40) : QColor(225, 225, 225));
    }
    return image;
}

int RevealOrder(int k, int tiles) {
    // A stride with no common divisor with the count visits every tile once.
    int stride = 3;
    while (std::gcd(stride, tiles) != 1) ++stride;
    return (k * stride + 1) % tiles;
}

QImage RevealStage(const QImage& whole, int shown, int tiles) {
    QImage image = whole.copy();
    if (tiles <= 0) return image;
    const int rows = tiles > 5 ? 2 : 1;
    const int cols = (tiles + rows - 1) / rows;
    const double tw = double(whole.width()) / cols, th = double(whole.height()) / rows;
    const QColor cards[] = {QColor(120, 160, 235), QColor(245, 150, 120), QColor(130, 200, 150), QColor(240, 190, 90),
                            QColor(190, 140, 230)};
    QPainter p(&image);
    Prepare(p);
    for (int k = std::clamp(shown, 0, tiles); k < tiles; ++k) {
        const int tile = RevealOrder(k, tiles);
        const QRectF box((tile % cols) * tw, (tile / cols) * th, tw, th);
        const QColor card = cards[tile % 5];
        p.fillRect(box, card.lighter(115));
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(card);
        p.drawRoundedRect(box.adjusted(4, 4, -4, -4), 10, 10);
        Text(p, box, QStringLiteral("?"), int(std::min(tw, th) * 0.5), QColor(255, 255, 255, 220));
    }
    return image;
}

}  // namespace paint
