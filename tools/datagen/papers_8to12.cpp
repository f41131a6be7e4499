#include "datagen/papers_8to12.h"

#include <QLinearGradient>

#include "datagen/data_writer.h"
#include "datagen/paint_kit.h"

using namespace paint;


namespace {
const QColor kInk(40, 60, 150);

// The expression on a sunny card: a pencil, a few stars, the letters in italics.
QImage ExpressionPicture(const QString& expression, int row) {
    const int w = 440, h = 80;
    QImage image = Canvas(w, h, QColor(255, 250, 215), QColor(255, 226, 170));
    QPainter p(&image);
    Prepare(p);
    Panel(p, QRectF(8, 8, w - 16, h - 16), QColor(255, 255, 248));
    const QColor starColours[] = {QColor(255, 190, 40), QColor(250, 120, 150), QColor(110, 190, 250)};
    Star(p, QPointF(26, 24), 9, starColours[row % 3]);
    Star(p, QPointF(w - 26, h - 24), 9, starColours[(row + 1) % 3]);
    Star(p, QPointF(w - 30, 22), 6, starColours[(row + 2) % 3]);
    // Numbers upright, letters in italics, a real minus sign.
    QFont upright(QStringLiteral("Times New Roman"));
    upright.setStyleHint(QFont::Serif);
    upright.setPixelSize(30);
    QFont italic = upright;
    italic.setItalic(true);
    const QFontMetrics um(upright), im(italic);
    int total = 0;
    for (QChar c : expression) {
        const QString shown = c == u'-' ? QStringLiteral("\u2212") : QString(c);
        total += (c.isLetter() ? im : um).horizontalAdvance(shown) + (c == u'-' || c == u'+' ? 8 : 0);
    }
    double x = (w - total) / 2.0;
    const double baseline = h / 2.0 + 11;
    for (QChar c : expression) {
        const bool sign = c == u'-' || c == u'+';
        const QString shown = c == u'-' ? QStringLiteral("\u2212") : QString(c);
        p.setFont(c.isLetter() ? italic : upright);
        p.setPen(c.isLetter() ? QColor(200, 60, 60) : kInk);
        if (sign) x += 4;
        p.drawText(QPointF(x, baseline), shown);
        x += (c.isLetter() ? im : um).horizontalAdvance(shown) + (sign ? 4 : 0);
    }
    return image;
}

// A multiplication dot in a ring of soft colour.
void TimesDot(QPainter& p, QPointF centre, double radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 120));
    p.drawEllipse(centre, radius * 2, radius * 2);
    p.setBrush(kInk);
    p.drawEllipse(centre, radius, radius);
}
}  // namespace

void RenderPapers8To12Pictures(const DataWriter& out) {
    const auto& expressions = Test9Expressions();
    for (int k = 1; k <= 12; ++k)
        out.savePicture(QStringLiteral("kr/pr%1.bmp").arg(k), ExpressionPicture(expressions[size_t(k - 1)], k));


    // A bar and a multiplication dot after it: the first fraction of a product.
    {
        QImage image = Canvas(100, 24, QColor(250, 250, 255), QColor(236, 240, 252));
        QPainter p(&image);
        Prepare(p);
        p.fillRect(QRectF(0, 10, 74, 4), kInk);
        TimesDot(p, QPointF(88, 12), 3.5);
        out.savePicture(QStringLiteral("kr/chdr4pumn.bmp"), image);
    }
    // The multiplication sign alone.
    {
        QImage image = Canvas(24, 24, QColor(250, 250, 255), QColor(236, 240, 252));
        QPainter p(&image);
        Prepare(p);
        TimesDot(p, QPointF(12, 12), 3.5);
        out.savePicture(QStringLiteral("kr/umn.bmp"), image);
    }
    // An absolute-value bar: a slim upright stroke in two blues.
    {
        QImage image(8, 40, QImage::Format_RGB888);
        QPainter p(&image);
        QLinearGradient g(0, 0, 0, 40);
        g.setColorAt(0, QColor(60, 110, 220));
        g.setColorAt(1, QColor(150, 60, 200));
        p.fillRect(image.rect(), g);
        p.fillRect(QRect(0, 0, 2, 40), QColor(120, 170, 250));
        out.savePicture(QStringLiteral("kr\\mod.bmp"), image);
    }
}
