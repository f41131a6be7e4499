#include "app/controls.h"

#include <QImageReader>
#include <QPainter>
#include <map>

namespace {
// Pictures are bitmaps: no other format's reader is loaded to ask about them.
void readBitmapsOnly(QImageReader& reader) {
    reader.setFormat("bmp");
    reader.setAutoDetectImageFormat(false);
}

// One decoded copy of a file however many boxes show it (the owl and the
// chestnut of every menu, a game's four cards). An entry nobody else holds any
// more is dropped, so the frames of an animation do not pile up.
QImage decodedPicture(const QString& fullPath) {
    static std::map<QString, QImage> shared;
    for (auto it = shared.begin(); it != shared.end();) {
        it = it->second.isDetached() ? shared.erase(it) : std::next(it);
    }
    auto found = shared.find(fullPath);
    if (found != shared.end()) return found->second;
    QImageReader reader(fullPath);
    readBitmapsOnly(reader);
    QImage image = reader.read();
    if (!image.isNull()) shared.emplace(fullPath, image);
    return image;
}
}  // namespace

bool IsReadableBitmap(const QString& fullPath) {
    QImageReader reader(fullPath);
    readBitmapsOnly(reader);
    return reader.canRead() && reader.size().isValid();
}

void Label::setText(const QString& text) {
    QLabel::setText(text);
    fitText();
}

void Label::fitText() {
    if (autoSize_ && !wordWrap()) {
        resize(sizeHint());
    } else if (wordWrap()) {
        resize(width(), qMax(heightForWidth(width()), height()));
    }
}

void Picture::setFit(Fit fit) {
    fit_ = fit;
    update();
}

void Picture::setImage(const QImage& image, const QString& name) {
    image_ = image;
    file_.clear();
    name_ = name;
    update();
}

void Picture::setImageFile(const QString& fullPath, const QString& name) {
    image_ = QImage();
    file_ = fullPath;
    name_ = name;
    update();
}

const QImage& Picture::image() const {
    if (!file_.isEmpty()) {
        image_ = decodedPicture(file_);
        file_.clear();
    }
    return image_;
}

void Picture::clearPicture() {
    image_ = QImage();
    file_.clear();
    name_.clear();
    update();
}

void Picture::setScale(double scale) {
    scale_ = scale;
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    const QImage& picture = image();
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF target;
    switch (fit_) {
    case Fit::Natural:
        target = QRectF(0, 0, picture.width() * scale_, picture.height() * scale_);
        break;
    case Fit::Stretch:
        target = rect();
        break;
    case Fit::Proportional: {
        const QSizeF fitted = QSizeF(picture.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
        target = QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
        break;
    }
    }
    painter.drawImage(target, picture);
}
