#include "app/house_style.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyleFactory>
#include <QWidget>

namespace {
const char* kIndicatorSide = "m6IndicatorSide";

class HouseStyle : public QProxyStyle {
public:
    HouseStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if ((metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) && widget) {
            const QVariant side = widget->property(kIndicatorSide);
            if (side.isValid()) return side.toInt();
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelButtonCommand) {
            drawButtonFace(*option, *painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // A pupil on the keyboard must see where the keys go: edit boxes and
        // check boxes (which mostly have no text for the base style's dotted
        // frame) get a ring as plain as a button's.
        if ((element == PE_FrameLineEdit || element == PE_IndicatorCheckBox) && (option->state & State_HasFocus) &&
            (option->state & State_Enabled)) {
            drawFocusRing(option->rect, option->palette, *painter, element == PE_IndicatorCheckBox ? 3 : 1);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ComboBox && (option->state & State_HasFocus) && (option->state & State_Enabled))
            drawFocusRing(option->rect, option->palette, *painter, 1);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        // A list or grid with the keyboard: its frame carries the ring.
        if (element == CE_ShapedFrame && widget && widget->hasFocus() && widget->inherits("QAbstractItemView"))
            drawFocusRing(option->rect, option->palette, *painter, 1);
    }

private:
    // Two pixels of the highlight colour just inside (or, with room, around) the rectangle.
    static void drawFocusRing(const QRect& rect, const QPalette& palette, QPainter& painter, int outset) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette.color(QPalette::Highlight), 2));
        const int grow = outset - 1;
        painter.drawRoundedRect(QRectF(rect).adjusted(1 - grow, 1 - grow, grow - 1, grow - 1), 3, 3);
        painter.restore();
    }

    // A push button's face, painted straight onto the button: the base style would
    // first paint each face into a picture of the button's size and keep it, which
    // for a menu's large buttons costs more memory than the rest of the menu.
    static void drawButtonFace(const QStyleOption& option, QPainter& painter) {
        const bool enabled = option.state & State_Enabled;
        const bool down = option.state & (State_Sunken | State_On);
        const bool hover = enabled && (option.state & State_MouseOver);
        const bool focus = (option.state & State_HasFocus) && (option.state & State_KeyboardFocusChange);
        const QColor face = option.palette.color(QPalette::Button);
        const QRectF box = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        if (down) {
            fill.setColorAt(0, face.darker(116));
            fill.setColorAt(1, face.darker(106));
        } else {
            fill.setColorAt(0, face.lighter(hover ? 110 : 104));
            fill.setColorAt(1, face.darker(hover ? 102 : 106));
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(fill);
        painter.setPen(QPen(focus ? option.palette.color(QPalette::Highlight) : face.darker(enabled ? 160 : 130), focus ? 2 : 1));
        painter.drawRoundedRect(box, 3, 3);
        painter.restore();
    }
};
}  // namespace

QStyle* NewHouseStyle() { return new HouseStyle; }

void SetIndicatorSide(QWidget* box, int side) {
    if (box->property(kIndicatorSide).toInt() == side) return;
    box->setProperty(kIndicatorSide, side);
    box->updateGeometry();
    box->update();
}

void ApplyHouseStyle() {
    QApplication::setStyle(NewHouseStyle());
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, QColor(250, 246, 236));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, QColor(236, 242, 252));
    palette.setColor(QPalette::Highlight, QColor(70, 120, 200));
    // A marked paper keeps its inputs disabled: what the pupil typed must stay readable.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(40, 40, 40));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(40, 40, 40));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(110, 110, 110));
    // A disabled box is told apart by its ground, not by fading what is in it.
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(238, 236, 228));
    QApplication::setPalette(palette);
}
