#include "papers/line_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>

#include "app/screen.h"

int TextWidth(const QString& text, int fontHeight) {
    return QFontMetrics(PageFace(fontHeight)).horizontalAdvance(text);
}

int EndOf(const Screen& screen, const Label* line, const QString& prefix, int fontHeight) {
    return screen.designRect(line).left() + TextWidth(prefix, fontHeight);
}

void PlaceFraction(Screen& screen, Label* numerator, Picture* bar, Label* denominator, int left, int lineTop,
                   int width, int fontHeight) {
    const int widest = std::max(TextWidth(numerator->text(), fontHeight), TextWidth(denominator->text(), fontHeight));
    width = std::max(width, widest + 4);
    const int barTop = lineTop + fontHeight / 2 + 1;
    screen.setBounds(bar, left, barTop, width, 3);
    screen.place(numerator, left + (width - TextWidth(numerator->text(), fontHeight)) / 2, barTop - fontHeight - 3);
    screen.place(denominator, left + (width - TextWidth(denominator->text(), fontHeight)) / 2, barTop + 3);
}
