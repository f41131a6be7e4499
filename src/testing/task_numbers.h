#pragma once
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <numeric>
#include <ostream>
#include <vector>

// Exact rationals and the signed comma decimals of task texts, written for the
// task-file checks alone (independent of anything the program computes).
struct ExactNumber {
    int64_t n = 0;
    int64_t d = 1;
    ExactNumber(int64_t num = 0, int64_t den = 1) : n(num), d(den) {
        const int64_t g = std::gcd(n, d);
        if (g != 0) {
            n /= g;
            d /= g;
        }
        if (d < 0) {
            n = -n;
            d = -d;
        }
    }
    friend ExactNumber operator+(ExactNumber a, ExactNumber b) { return {a.n * b.d + b.n * a.d, a.d * b.d}; }
    friend ExactNumber operator-(ExactNumber a, ExactNumber b) { return {a.n * b.d - b.n * a.d, a.d * b.d}; }
    friend ExactNumber operator-(ExactNumber a) { return {-a.n, a.d}; }
    friend ExactNumber operator*(ExactNumber a, ExactNumber b) { return {a.n * b.n, a.d * b.d}; }
    friend ExactNumber operator/(ExactNumber a, ExactNumber b) { return {a.n * b.d, a.d * b.n}; }
    friend bool operator==(ExactNumber a, ExactNumber b) { return a.n == b.n && a.d == b.d; }
    friend std::ostream& operator<<(std::ostream& os, const ExactNumber& r) { return os << r.n << "/" << r.d; }
};

inline ExactNumber Abs(ExactNumber a) { return a.n < 0 ? -a : a; }

// "-3,6" → -18/5.
inline ExactNumber ParseTaskNumber(const QString& text) {
    const bool negative = text.startsWith(u'-');
    const QStringList parts = (negative ? text.mid(1) : text).split(u',');
    int64_t scale = 1;
    int64_t frac = 0;
    if (parts.size() == 2) {
        for (int i = 0; i < parts[1].size(); ++i) scale *= 10;
        frac = parts[1].toLongLong();
    }
    const int64_t magnitude = parts[0].toLongLong() * scale + frac;
    return {negative ? -magnitude : magnitude, scale};
}

// The numbers standing in text lines, in reading order; a minus sign right
// before the digits belongs to the number ("(-6)", "|-8,5|", but not "x - 6").
inline std::vector<QString> NumberTexts(const QStringList& lines) {
    static const QRegularExpression number(QStringLiteral("-?\\d+(,\\d+)?"));
    std::vector<QString> found;
    for (const QString& line : lines) {
        auto it = number.globalMatch(line);
        while (it.hasNext()) found.push_back(it.next().captured());
    }
    return found;
}

inline std::vector<ExactNumber> NumbersIn(const QStringList& lines) {
    std::vector<ExactNumber> values;
    for (const QString& t : NumberTexts(lines)) values.push_back(ParseTaskNumber(t));
    return values;
}

// An answer as a pupil types it: an optional minus, no leading zeros, a comma
// before the decimals, no trailing zeros, no blanks.
inline bool IsTypedNumber(const QString& text) {
    static const QRegularExpression typed(QStringLiteral("^-?(0|[1-9]\\d*)(,\\d*[1-9])?$"));
    return typed.match(text).hasMatch() && text != QStringLiteral("-0");
}
