#include "app/controls.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QImageReader>
#include <QPainter>

namespace {
// Pictures are bitmaps: no other format's reader is loaded to ask about them.
void readBitmapsOnly(QImageReader& reader) {
    reader.setFormat("bmp");
    reader.setAutoDetectImageFormat(false);
}
}  // namespace

bool IsReadableBitmap(const QString& fullPath) {
    QImageReader reader(fullPath);
    readBitmapsOnly(reader);
    return reader.canRead() && reader.size().isValid();
}

void ComboBox::showPopup() {
    if (!listMade_) {
        listMade_ = true;
        // The list is a window of its own: it takes its face from the box only when told.
        view()->parentWidget()->setFont(font());
        view()->doItemsLayout();
    }
    QComboBox::showPopup();
}

void ComboBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !listMade_) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
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

void Picture::setImageFile(const QString& fullPath, const QString& name) {
    file_ = fullPath;
    name_ = name;
    update();
}

QImage Picture::image() const {
    if (file_.isEmpty()) return QImage();
    QImageReader reader(file_);
    readBitmapsOnly(reader);
    return reader.read();
}

void Picture::clearPicture() {
    file_.clear();
    name_.clear();
    update();
}

void Picture::setScale(double scale) {
    scale_ = scale;
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    const QImage picture = image();
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
