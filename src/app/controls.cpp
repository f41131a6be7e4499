#include "app/controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QEvent>
#include <QImageReader>
#include <QPainter>

#include "app/screen.h"

namespace {
// Pictures are bitmaps: no other format's reader is loaded to ask about them.
void readBitmapsOnly(QImageReader& reader) {
    reader.setFormat("bmp");
    reader.setAutoDetectImageFormat(false);
}
}  // namespace

namespace {
// Labels and pictures answer the screen reader themselves: a silent label and a
// nameless picture are invisible to it.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto* l = static_cast<const Label*>(widget());
        if (t == QAccessible::Name) return l->silent() ? QString() : !l->accessibleName().isEmpty() ? l->accessibleName() : l->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (static_cast<const Label*>(widget())->silent()) s.invisible = true;
        return s;
    }
};

class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(Picture* p) : QAccessibleWidget(p, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty()) s.invisible = true;
        return s;
    }
};

QAccessibleInterface* ControlAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel")) {
        if (auto* l = dynamic_cast<Label*>(object)) return new LabelAccessible(l);
    } else if (className == QLatin1String("QWidget")) {
        if (auto* p = dynamic_cast<Picture*>(object)) return new PictureAccessible(p);
    }
    return nullptr;
}

void InstallControlAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(ControlAccessible);
        return true;
    }();
    (void)installed;
}
}  // namespace

Label::Label(QWidget* parent) : QLabel(parent) { InstallControlAccessible(); }
Picture::Picture(QWidget* parent) : QWidget(parent) { InstallControlAccessible(); }

QString MarkPictureSpokenName(const QString& pictureName) {
    // The file's own name, after the last separator: "ocenka" + mark + "", "s" or "ps" + ".bmp".
    qsizetype start = pictureName.size();
    while (start > 0 && pictureName[start - 1] != u'\\' && pictureName[start - 1] != u'/') --start;
    QString file = pictureName.mid(start).toLower();
    const QString prefix = QStringLiteral("ocenka"), ext = QStringLiteral(".bmp");
    if (!file.startsWith(prefix) || !file.endsWith(ext)) return QString();
    file = file.mid(prefix.size(), file.size() - prefix.size() - ext.size());
    qsizetype digits = 0;
    while (digits < file.size() && file[digits].isDigit()) ++digits;
    if (digits == 0) return QString();
    const QString mark = file.left(digits), scale = file.mid(digits);
    if (scale.isEmpty()) return QStringLiteral("Оцінка ") + mark;
    if (scale == QLatin1String("s")) return QStringLiteral("Оцінка ") + mark + QStringLiteral(" з 5");
    if (scale == QLatin1String("ps")) return QStringLiteral("Оцінка ") + mark + QStringLiteral(" з 8");
    return QString();
}

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
    const bool changed = text != this->text();
    QLabel::setText(text);
    fitText();
    if (announced_ && changed && !text.isEmpty()) {
        if (auto* screen = dynamic_cast<Screen*>(window())) screen->Announce(text, this);
    }
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
    // A mark picture says its mark; any other keeps the name its screen gave it.
    if (const QString mark = MarkPictureSpokenName(name); !mark.isEmpty()) setAccessibleName(mark);
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
    setAccessibleName(QString());
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
