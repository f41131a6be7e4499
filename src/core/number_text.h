#pragma once
#include <QString>
#include <cstdint>

// Decimal texts of numbers as the papers write them: no sign for positive
// values, no leading zeros, a comma as the decimal separator.

QString WholeText(int64_t n);
// n tenths: the comma before the last digit (57 → "5,7", 105 → "10,5", 7 → "0,7").
QString TenthsText(int64_t n);
// n hundredths: the comma before the last two digits (388 → "3,88", 5 → "0,05").
QString HundredthsText(int64_t n);
// n in units of 10^-places, trailing zeros dropped together with a bare comma
// (2500 thousandths → "2,5", 2000 → "2").
QString TrimmedDecimalText(int64_t n, int places);
