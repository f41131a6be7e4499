#include "core/look_alike.h"

namespace {
struct Twin {
    char16_t cyrillic;
    char16_t latin;
};
constexpr Twin kTwins[] = {
    {u'а', u'a'}, {u'с', u'c'}, {u'е', u'e'}, {u'о', u'o'}, {u'р', u'p'}, {u'х', u'x'}, {u'у', u'y'},
    {u'і', u'i'}, {u'А', u'A'}, {u'В', u'B'}, {u'С', u'C'}, {u'Е', u'E'}, {u'Н', u'H'}, {u'І', u'I'},
    {u'К', u'K'}, {u'М', u'M'}, {u'О', u'O'}, {u'Р', u'P'}, {u'Т', u'T'}, {u'Х', u'X'},
};
}  // namespace

QString LatinLookAlikes(const QString& text) {
    QString folded = text;
    for (QChar& c : folded)
        for (const Twin& twin : kTwins)
            if (c.unicode() == twin.cyrillic) {
                c = QChar(twin.latin);
                break;
            }
    return folded;
}

bool LooksTheSame(const QString& typed, const QString& expected) {
    return LatinLookAlikes(typed) == LatinLookAlikes(expected);
}
