#include "core/number_text.h"

namespace {
QString fixedDecimal(int64_t n, int places) {
    const bool negative = n < 0;
    QString digits = QString::number(negative ? -n : n);
    if (digits.size() <= places) digits = QString(places + 1 - digits.size(), u'0') + digits;
    QString text = digits.left(digits.size() - places) + u',' + digits.right(places);
    return negative ? u'-' + text : text;
}
}  // namespace

QString WholeText(int64_t n) { return QString::number(n); }

QString TenthsText(int64_t n) { return fixedDecimal(n, 1); }

QString HundredthsText(int64_t n) { return fixedDecimal(n, 2); }

QString TrimmedDecimalText(int64_t n, int places) {
    if (places <= 0) return WholeText(n);
    QString text = fixedDecimal(n, places);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u',')) text.chop(1);
    return text;
}
