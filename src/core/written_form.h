#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/arithmetic.h"

// How the papers write fractions, mixed numbers and decimals as answer texts.
// Lowest terms divide by Gcd, which is 1 when either number is not above 0, so
// 0/12 stays 0/12; the two whole-part rules are SplitWhileGreater (6/3 is 1 3/3)
// and SplitWhileNotLess (6/3 is 2 0/3).

// Numerator and denominator in lowest terms.
Fraction LowestTerms(int64_t num, int64_t den);
// In lowest terms, then the whole part taken out by the while-greater or the while-not-less rule.
Mixed LowestMixedWhileGreater(int64_t num, int64_t den);
Mixed LowestMixedWhileNotLess(int64_t num, int64_t den);

// The texts of the answer boxes: {numerator, denominator} and {whole, numerator, denominator}.
QStringList Texts(const Fraction& f);
QStringList Texts(const Mixed& m);

// A comma decimal and the same with a point, both accepted where a paper says so.
QStringList CommaOrPoint(const QString& commaText);

// n in units of 10^-places rounded half up to `keep` places, written with a
// comma and exactly `keep` decimals (63451 ten-thousandths to 2 places: "6,35").
QString RoundedDecimalText(int64_t n, int places, int keep);
