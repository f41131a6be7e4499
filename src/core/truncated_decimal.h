#pragma once
#include <QString>

// n/d written with three decimals, truncated toward zero, a comma before them and
// a minus sign when the value is negative: -5/7 is "-0,714", -1/11 "-0,090",
// -9/4 "-2,250", 1/2 "0,500". d must not be 0.
QString ThreeDecimalsText(long long n, long long d);
