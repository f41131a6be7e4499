#include "datagen/icons.h"

#include <QDir>
#include <QPainterPath>
#include <stdexcept>

#include "datagen/paint_kit.h"

using namespace paint;

namespace {
const int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Drawn once large and scaled down smoothly, so every size is the same owl.
QImage tile(bool withChart) {
    const int side = 512;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Prepare(p);
    QLinearGradient sky(0, 0, 0, side);
    sky.setColorAt(0, QColor(120, 180, 255));
    sky.setColorAt(1, QColor(255, 236, 190));
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(16, 16, side - 32, side - 32), 96, 96);
    p.fillPath(rounded, sky);
    p.setPen(QPen(QColor(60, 90, 160), 12));
    p.drawPath(rounded);
    if (withChart) {
        // The results: three growing bars beside a smaller owl.
        const QColor bars[] = {QColor(240, 90, 80), QColor(250, 190, 50), QColor(80, 180, 90)};
        for (int i = 0; i < 3; ++i) {
            const double h = 110 + 80 * i;
            p.setPen(QPen(QColor(60, 60, 60), 6));
            p.setBrush(bars[i]);
            p.drawRoundedRect(QRectF(300 + i * 56, 440 - h, 44, h), 8, 8);
        }
        Owl(p, QRectF(50, 110, 250, 330));
    } else {
        Owl(p, QRectF(80, 60, 352, 400));
    }
    return image;
}
}  // namespace

void RenderIcons(const QString& dir) {
    const struct {
        const char* name;
        bool chart;
    } icons[] = {{"matematyka6", false}, {"matematyka6-report", true}};
    for (const auto& icon : icons) {
        const QImage large = tile(icon.chart);
        for (int n : kSizes) {
            const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(n);
            if (!QDir().mkpath(folder)) throw std::runtime_error("cannot make " + folder.toStdString());
            const QImage small = large.scaled(n, n, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            if (!small.save(folder + QStringLiteral("/%1.png").arg(QString::fromLatin1(icon.name)))) {
                throw std::runtime_error("cannot write an icon in " + folder.toStdString());
            }
        }
    }
}
