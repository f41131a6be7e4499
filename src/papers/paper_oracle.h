#pragma once
// Test-only helpers of the oracle tests of papers 8 to 12: exact fractions and
// decimal texts written independently of the screens' own routines.
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <numeric>

namespace oracle {

struct Q {
    long long n = 0, d = 1;
    Q(long long num = 0, long long den = 1) : n(num), d(den) {
        if (d < 0) n = -n, d = -d;
        const long long g = std::gcd(std::llabs(n), d);
        if (g > 1) n /= g, d /= g;
    }
};
inline Q operator+(Q a, Q b) { return Q(a.n * b.d + b.n * a.d, a.d * b.d); }
inline Q operator-(Q a, Q b) { return Q(a.n * b.d - b.n * a.d, a.d * b.d); }
inline Q operator*(Q a, Q b) { return Q(a.n * b.n, a.d * b.d); }
inline Q operator/(Q a, Q b) { return Q(a.n * b.d, a.d * b.n); }
inline bool operator==(Q a, Q b) { return a.n == b.n && a.d == b.d; }

// A decimal fraction with a comma, trailing zeros dropped ("4,7", "-3", "0,05").
inline QString Decimal(Q v, int places = -1) {
    long long scale = 1;
    int digits = 0;
    while ((v.d > scale || (scale % v.d) != 0) && digits < 12) scale *= 10, ++digits;
    if (places >= 0)
        while (digits < places) scale *= 10, ++digits;
    const long long scaled = std::llabs(v.n) * (scale / v.d);
    QString text = QString::number(scaled / scale);
    QString fraction = QString::number(scaled % scale).rightJustified(digits, u'0');
    if (places < 0)
        while (fraction.endsWith(u'0')) fraction.chop(1);
    if (digits > 0 && !fraction.isEmpty()) text += u',' + fraction;
    return (v.n < 0 ? QStringLiteral("-") : QString()) + text;
}

// A decimal typed on the paper, "-4,56" or "12".
inline Q ReadDecimal(const QString& text) {
    const bool negative = text.startsWith(u'-');
    const QString body = negative ? text.mid(1) : text;
    const int comma = int(body.indexOf(u','));
    if (comma < 0) return Q(negative ? -body.toLongLong() : body.toLongLong());
    long long scale = 1;
    for (int i = comma + 1; i < body.size(); ++i) scale *= 10;
    const long long n = (body.left(comma) + body.mid(comma + 1)).toLongLong();
    return Q(negative ? -n : n, scale);
}

// The unsigned decimals of a text in order ("1,5+(-6,2)=" → 1,5 and 6,2).
inline QStringList Decimals(const QString& text) {
    static const QRegularExpression number(QStringLiteral("\\d+(,\\d+)?"));
    QStringList found;
    for (auto it = number.globalMatch(text); it.hasNext();) found << it.next().captured();
    return found;
}

// The boxes of a signed mixed number: whole ("-" alone for −1 < v < 0, empty for
// 0 < v < 1, "0" for nothing), then the proper part, both empty for a whole number.
inline QStringList Mixed(Q v) {
    if (v.n == 0) return {QStringLiteral("0"), {}, {}};
    const long long magnitude = std::llabs(v.n);
    const long long whole = magnitude / v.d, rest = magnitude % v.d;
    QString wholeText = whole > 0 ? QString::number(whole) : QString();
    if (v.n < 0) wholeText.prepend(u'-');
    if (rest == 0) return {wholeText, {}, {}};
    return {wholeText, QString::number(rest), QString::number(v.d)};
}

}  // namespace oracle

namespace oracle {

// Evaluates a letter expression as the papers write it ("0,4(8m-5n)-2(m+7,5n)":
// comma decimals, products written side by side) with two letters given values.
class Expression {
public:
    Expression(const QString& text, QChar first, Q firstValue, QChar second, Q secondValue)
        : text_(text), l1_(first), v1_(firstValue), l2_(second), v2_(secondValue) {}
    // The value; `ok` says whether the whole text was read.
    Q value(bool* ok) {
        pos_ = 0;
        bad_ = false;
        const Q v = sum();
        *ok = !bad_ && pos_ == text_.size();
        return v;
    }

private:
    Q sum() {
        Q total = 0;
        bool negative = false;
        if (peek() == u'-') negative = true, ++pos_;
        total = product();
        if (negative) total = Q(0) - total;
        while (peek() == u'+' || peek() == u'-') {
            const bool minus = text_[pos_++] == u'-';
            const Q t = product();
            total = minus ? total - t : total + t;
        }
        return total;
    }
    Q product() {
        Q p = 1;
        int factors = 0;
        for (;;) {
            const QChar c = peek();
            if (c.isDigit()) {
                int end = pos_;
                while (end < text_.size() && (text_[end].isDigit() || text_[end] == u',')) ++end;
                p = p * ReadDecimal(text_.mid(pos_, end - pos_));
                pos_ = end;
            } else if (c == l1_ || c == l2_) {
                p = p * (c == l1_ ? v1_ : v2_);
                ++pos_;
            } else if (c == u'(') {
                ++pos_;
                p = p * sum();
                if (peek() != u')') bad_ = true;
                ++pos_;
            } else {
                break;
            }
            ++factors;
        }
        if (factors == 0) bad_ = true;
        return p;
    }
    QChar peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }

    QString text_;
    QChar l1_;
    Q v1_;
    QChar l2_;
    Q v2_;
    int pos_ = 0;
    bool bad_ = false;
};

}  // namespace oracle
