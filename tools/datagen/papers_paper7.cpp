#include "datagen/papers_paper7.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include "datagen/data_writer.h"
#include "datagen/paint_kit.h"

namespace {
// The numbers of each row (Paper7Numbers) have the kinds of the paper's table;
// a test reads these numbers back and checks them against it.
const int kCell = 70;  // one column of the paper's check boxes
const int kRowHeight = 100;

QFont NumberFont(double pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(pixels));
    font.setBold(true);
    return font;
}

// One number in the middle of its card: whole numbers and decimals in one line,
// fractions with the numerator over a bar over the denominator.
void DrawNumber(QPainter& p, const QRectF& card, const QString& text, const QColor& ink) {
    QString lead = text;  // sign and whole part
    QString num, den;
    const int slash = int(text.indexOf(u'/'));
    if (slash >= 0) {
        const int space = int(text.lastIndexOf(u' ', slash));
        const int numStart = space >= 0 ? space + 1 : (text.startsWith(u'-') ? 1 : 0);
        lead = text.left(space >= 0 ? space : numStart);
        num = text.mid(numStart, slash - numStart);
        den = text.mid(slash + 1);
    }
    const QFont big = NumberFont(num.isEmpty() ? 26 : 24);
    const QFont small = NumberFont(20);
    const QFontMetricsF bigM(big), smallM(small);
    const double leadWidth = bigM.horizontalAdvance(lead);
    const double fracWidth = num.isEmpty() ? 0 : std::max(smallM.horizontalAdvance(num), smallM.horizontalAdvance(den)) + 6;
    const double gap = !lead.isEmpty() && !num.isEmpty() ? 2 : 0;
    const double left = card.center().x() - (leadWidth + gap + fracWidth) / 2;
    const double mid = card.center().y();
    p.save();
    p.setPen(ink);
    p.setFont(big);
    p.drawText(QRectF(left, card.top(), leadWidth + 1, card.height()), Qt::AlignVCenter | Qt::AlignLeft, lead);
    if (!num.isEmpty()) {
        const double fl = left + leadWidth + gap;
        p.setFont(small);
        p.drawText(QRectF(fl, mid - 27, fracWidth, 25), Qt::AlignHCenter | Qt::AlignBottom, num);
        p.drawText(QRectF(fl, mid + 2, fracWidth, 25), Qt::AlignHCenter | Qt::AlignTop, den);
        p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(fl + 1, mid), QPointF(fl + fracWidth - 1, mid));
    }
    p.restore();
}

// A row of eleven cards on a sky with a little sun and clouds, one card per column of check boxes.
QImage NumberRow(int picture) {
    QImage image = paint::Canvas(kCell * 11, kRowHeight, QColor(190, 230, 255), QColor(225, 250, 215));
    QPainter p(&image);
    paint::Prepare(p);
    paint::Cloud(p, QPointF(90 + 60 * picture, 14), 70);
    paint::Cloud(p, QPointF(700 - 40 * picture, 12), 60);
    const QColor cards[] = {QColor(255, 224, 130), QColor(255, 190, 200), QColor(190, 235, 170),
                            QColor(200, 210, 255), QColor(255, 210, 160), QColor(215, 190, 245)};
    const QColor inks[] = {QColor(150, 60, 0), QColor(160, 20, 70), QColor(20, 110, 40),
                           QColor(30, 50, 170), QColor(170, 70, 0), QColor(100, 30, 150)};
    for (int i = 0; i < 11; ++i) {
        const int c = (i + picture) % 6;
        const QRectF card(kCell * i + 4, 16, kCell - 8, kRowHeight - 28);
        paint::Panel(p, card, cards[c]);
        DrawNumber(p, card, QString::fromUtf16(Paper7Numbers(picture)[size_t(i)]), inks[c]);
    }
    // Flowers in the grass under the cards.
    for (int i = 0; i < 6; ++i)
        paint::Flower(p, QPointF(60 + 130 * i + 11 * picture % 40, kRowHeight - 6), 5,
                      QColor::fromHsv((60 * i + 25 * picture) % 360, 150, 255));
    return image;
}

// "≤" large on a small warm tile: the greatest integer answer of problem 6 holds for it.
QImage LessOrEqualSign() {
    QImage image = paint::Canvas(40, 40, QColor(255, 248, 215), QColor(255, 228, 170));
    QPainter p(&image);
    paint::Prepare(p);
    paint::Text(p, QRectF(0, -3, 40, 44), QStringLiteral("≤"), 42, QColor(205, 30, 70));
    return image;
}

}  // namespace

void RenderPaper7Pictures(const DataWriter& out) {
    for (int picture = 1; picture <= 10; ++picture)
        out.savePicture(QStringLiteral("kr\\t%1.bmp").arg(picture), NumberRow(picture));
    out.savePicture(QStringLiteral("kr\\ner.bmp"), LessOrEqualSign());
}
