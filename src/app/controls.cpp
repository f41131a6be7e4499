#include "app/controls.h"

#include <QPainter>

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
    name_ = name;
    update();
}

void Picture::clearPicture() {
    image_ = QImage();
    name_.clear();
    update();
}

void Picture::setScale(double scale) {
    scale_ = scale;
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF target;
    switch (fit_) {
    case Fit::Natural:
        target = QRectF(0, 0, image_.width() * scale_, image_.height() * scale_);
        break;
    case Fit::Stretch:
        target = rect();
        break;
    case Fit::Proportional: {
        const QSizeF fitted = QSizeF(image_.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
        target = QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
        break;
    }
    }
    painter.drawImage(target, image_);
}
