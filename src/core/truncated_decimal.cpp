#include "core/truncated_decimal.h"

QString ThreeDecimalsText(long long n, long long d) {
    const bool negative = n != 0 && (n < 0) != (d < 0);
    const long long a = n < 0 ? -n : n, b = d < 0 ? -d : d;
    const long long thousandths = a % b * 1000 / b;
    return (negative ? QStringLiteral("-") : QString()) + QString::number(a / b) + QStringLiteral(",") +
           QStringLiteral("%1").arg(thousandths, 3, 10, QLatin1Char('0'));
}
