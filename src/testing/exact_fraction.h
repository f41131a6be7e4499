#pragma once
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <numeric>

// Exact fractions for oracle tests, kept apart from the program's own
// arithmetic so that a fault there cannot hide itself: always in lowest terms,
// the denominator positive.
struct Q {
    long long n = 0, d = 1;
    Q(long long num = 0, long long den = 1) : n(num), d(den) {
        if (d < 0) n = -n, d = -d;
        const long long g = std::gcd(n < 0 ? -n : n, d);
        if (g > 1) n /= g, d /= g;
    }
    friend Q operator+(Q a, Q b) { return Q(a.n * b.d + b.n * a.d, a.d * b.d); }
    friend Q operator-(Q a, Q b) { return Q(a.n * b.d - b.n * a.d, a.d * b.d); }
    friend Q operator*(Q a, Q b) { return Q(a.n * b.n, a.d * b.d); }
    friend Q operator/(Q a, Q b) { return Q(a.n * b.d, a.d * b.n); }
    friend bool operator==(Q a, Q b) { return a.n == b.n && a.d == b.d; }
    friend bool operator<(Q a, Q b) { return a.n * b.d < b.n * a.d; }
    long long floor() const { return n >= 0 ? n / d : -((-n + d - 1) / d); }
    QStringList texts() const { return {QString::number(n), QString::number(d)}; }
    // Whole part and the rest in lowest terms, the rest below one.
    QStringList mixedTexts() const {
        const long long w = floor();
        const Q rest = *this - Q(w);
        return {QString::number(w), QString::number(rest.n), QString::number(rest.d)};
    }
};

// The whole numbers in a text, in order.
inline QList<long long> NumbersIn(const QString& text) {
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QList<long long> numbers;
    for (auto it = number.globalMatch(text); it.hasNext();) numbers << it.next().captured().toLongLong();
    return numbers;
}

// A mixed number by the while-greater rule: a whole value W is written W − 1 and 1/1.
inline QStringList GreaterTexts(const Q& q) {
    if (q.d == 1 && q.n >= 1) return {QString::number(q.n - 1), "1", "1"};
    return q.mixedTexts();
}

// The Ukrainian noun form for a count: 1, 21, 101 …; 2–4, 22–24, 102 …; the rest, 11–14 included.
inline QString AgreeingForm(long long n, const QString& one, const QString& few, const QString& many) {
    if (n % 100 >= 11 && n % 100 <= 14) return many;
    if (n % 10 == 1) return one;
    if (n % 10 >= 2 && n % 10 <= 4) return few;
    return many;
}
