#pragma once
#include <QString>

// Letters of an answer compared by how they look. A pupil whose keyboard is on the
// Ukrainian layout types the Cyrillic а, с, е, о, р, х, у, і (and capitals А, В, С,
// Е, Н, І, К, М, О, Р, Т, Х) for the Latin letters they are drawn like; where a
// Latin letter is expected they count as that letter. Letters that look different
// (п, м, т, н, к in lower case …) stay what they are.

// The text with each such Cyrillic letter replaced by its Latin twin.
QString LatinLookAlikes(const QString& text);
// Whether the two texts read the same on the screen.
bool LooksTheSame(const QString& typed, const QString& expected);
