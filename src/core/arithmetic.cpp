#include "core/arithmetic.h"

int64_t Gcd(int64_t a, int64_t b) {
    if (a <= 0 || b <= 0) return 1;
    while (b != 0) {
        const int64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

int64_t Lcm(int64_t a, int64_t b) { return a / Gcd(a, b) * b; }

Fraction Reduce(Fraction f) {
    const int64_t g = Gcd(f.num < 0 ? -f.num : f.num, f.den < 0 ? -f.den : f.den);
    return {f.num / g, f.den / g};
}

Mixed SplitWhileGreater(Fraction f) {
    if (f.den <= 0 || f.num <= f.den) return {0, f.num, f.den};
    const int64_t whole = (f.num - 1) / f.den;
    return {whole, f.num - whole * f.den, f.den};
}

Mixed SplitWhileNotLess(Fraction f) {
    if (f.den <= 0 || f.num < f.den) return {0, f.num, f.den};
    const int64_t whole = f.num / f.den;
    return {whole, f.num - whole * f.den, f.den};
}
