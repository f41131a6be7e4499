#include "papers/paper_draws.h"

#include <cstdlib>

#include "core/arithmetic.h"
#include "core/random.h"

int DrawNotMultiple(int k, int m, int step) {
    int x;
    do x = Random(k) + m;
    while (x % step == 0);
    return x;
}

int RandomOrZero(int n) { return n > 0 ? Random(n) : 0; }

QStringList SignedMixedTexts(long long num, long long den) {
    if (num == 0) return {QStringLiteral("0"), QString(), QString()};
    const bool negative = num < 0;
    const long long magnitude = std::llabs(num);
    const long long whole = magnitude / den;
    const Fraction rest = Reduce({magnitude % den, den});
    QString wholeText;
    if (whole > 0) wholeText = QString::number(whole);
    if (negative) wholeText.prepend(u'-');
    if (rest.num == 0) return {wholeText, QString(), QString()};
    return {wholeText, QString::number(rest.num), QString::number(rest.den)};
}

QString ThousandthsText(long long n) {
    if (n == 0) return QStringLiteral("0");
    const QString digits = QString::number(std::llabs(n)).rightJustified(4, u'0');
    return (n < 0 ? QStringLiteral("-") : QString()) + digits.left(digits.size() - 3) + u',' + digits.right(3);
}
