#pragma once
#include <cstdint>

// Exact integer arithmetic shared by the generators. Where the lessons speak of
// repeated subtraction, division with remainder gives the same result.

// Greatest common divisor; 1 when either number is not above 0.
int64_t Gcd(int64_t a, int64_t b);
int64_t Lcm(int64_t a, int64_t b);

struct Fraction {
    int64_t num = 0;
    int64_t den = 1;
    bool operator==(const Fraction&) const = default;
};

// Divides numerator and denominator by their Gcd (signs untouched).
Fraction Reduce(Fraction f);

struct Mixed {
    int64_t whole = 0;
    int64_t num = 0;  // what remains of the numerator
    int64_t den = 1;
    bool operator==(const Mixed&) const = default;
};

// Takes whole units out while the numerator is greater than the denominator:
// the remainder lies in 1 … den, so 6/3 becomes 1 3/3.
Mixed SplitWhileGreater(Fraction f);
// Takes whole units out while the numerator is at least the denominator:
// the remainder lies in 0 … den − 1, so 6/3 becomes 2 0/3.
Mixed SplitWhileNotLess(Fraction f);
