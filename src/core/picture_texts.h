#pragma once
#include <QString>
#include <array>

// What the fixed pictures of the data folder show, as text: the pictures are
// drawn from these, and the papers tell a screen reader what they show.

// The eleven numbers drawn in "kr\t<picture>.bmp", picture 1 … 10, left to right,
// written as the pupil reads them: a whole number ("-12"), a decimal with a comma
// ("2,7"), a fraction ("3/4") or a mixed number ("4 2/3"), a minus sign in front
// of a negative one. Test 7's right ticks depend on what these are.
const std::array<const char16_t*, 11>& Paper7Numbers(int picture);

// The twelve expressions of test 9's item 12, one per picture "kr/pr1.bmp" …
// "kr/pr12.bmp", written as the picture shows them ("-" standing for minus).
const std::array<QString, 12>& Test9Expressions();
