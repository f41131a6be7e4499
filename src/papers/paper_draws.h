#pragma once
#include <QString>
#include <QStringList>

// Draws and answer texts shared by test papers 8 to 12.

// Random(k) + m drawn again while it is a multiple of `step`.
int DrawNotMultiple(int k, int m, int step = 10);
// Random(n), where a range of nothing gives 0 without drawing: the papers ask
// for Random(0) when a denominator is 2, and the answer must then be 0.
int RandomOrZero(int n);
// A signed fraction num/den (den > 0) as the three boxes of a mixed number:
// the whole part ("-" alone between −1 and 0, empty between 0 and 1), then the
// numerator and denominator of the proper part in lowest terms, both empty for a
// whole number. Nothing at all is "0": three empty boxes would make an untouched
// item right.
QStringList SignedMixedTexts(long long num, long long den);
// n thousandths with exactly three decimals ("0,005", "-1,250"), and "0" for nothing.
QString ThousandthsText(long long n);
