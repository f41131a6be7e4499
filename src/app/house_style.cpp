#include "app/house_style.h"

#include <QProxyStyle>
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
};
}  // namespace

QStyle* NewHouseStyle() { return new HouseStyle; }

void SetIndicatorSide(QWidget* box, int side) {
    if (box->property(kIndicatorSide).toInt() == side) return;
    box->setProperty(kIndicatorSide, side);
    box->updateGeometry();
    box->update();
}
