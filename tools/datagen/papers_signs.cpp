#include "datagen/papers_signs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "datagen/data_writer.h"
#include "datagen/paint_kit.h"

namespace {
const QColor kPaper(250, 246, 236);  // the window's colour, so only the sign shows

// A fraction bar: an ink stroke running from deep blue to plum, rounded at the
// ends, across the middle of a strip of the window's colour. The one drawing of
// the bars every module loads from "kr"; most screens stretch it to their fraction.
QImage Bar(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    paint::Prepare(p);
    QLinearGradient ink(0, 0, width, 0);
    ink.setColorAt(0, QColor(30, 60, 160));
    ink.setColorAt(1, QColor(120, 40, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(1, (height - 4) / 2.0, width - 2, 4), 2, 2);
    return image;
}

// The letter π on a little sky-blue badge.
QImage Pi() {
    QImage image = paint::Canvas(34, 34, QColor(200, 230, 255), QColor(150, 200, 250));
    QPainter p(&image);
    paint::Prepare(p);
    p.setPen(QPen(QColor(40, 90, 170), 2));
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(QRectF(2, 2, 30, 30));
    paint::Text(p, QRectF(2, 0, 30, 32), QStringLiteral("π"), 24, QColor(200, 40, 90));
    return image;
}
}  // namespace

void RenderPaperSigns(const DataWriter& out) {
    // Set 2 shows chdr4 at its natural 41 × 17 under its numerators.
    out.savePicture(QStringLiteral("kr/chdr2.bmp"), Bar(81, 9));
    out.savePicture(QStringLiteral("kr/chdr4.bmp"), Bar(41, 17));
    out.savePicture(QStringLiteral("kr\\chdr.bmp"), Bar(52, 6));
    out.savePicture(QStringLiteral("kr\\pi.bmp"), Pi());
}
