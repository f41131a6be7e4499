#include "core/picture_texts.h"

namespace {
const std::array<std::array<const char16_t*, 11>, 10> kRows = {{
    {u"8", u"-5", u"0", u"2,7", u"-3/4", u"1/2", u"4 2/3", u"0,6", u"15", u"-12", u"-1,4"},
    {u"-7", u"3", u"5/6", u"3,2", u"1 1/4", u"-1", u"-2,5", u"-2 1/3", u"0", u"-7/9", u"21"},
    {u"0,5", u"2/5", u"6,25", u"-0,8", u"-9", u"0", u"4", u"3 1/2", u"10", u"-5/8", u"1,9"},
    {u"7/8", u"4,4", u"6", u"2 3/5", u"-6,3", u"11", u"0", u"-2", u"-14", u"0,75", u"3/7"},
    {u"1,5", u"9", u"-3", u"2", u"5/9", u"13", u"-10", u"0", u"30", u"-4 1/2", u"7"},
    {u"5", u"8,1", u"-8", u"14", u"2/3", u"1 3/4", u"0,09", u"-1/6", u"1", u"0", u"-20"},
    {u"-5,5", u"-4", u"4/5", u"12", u"6", u"-11", u"7,3", u"19", u"2", u"-2/7", u"0"},
    {u"-6", u"-0,3", u"17", u"-13", u"9/10", u"40", u"5 1/3", u"1,2", u"0", u"3", u"3/8"},
    {u"0", u"1/3", u"-3,6", u"25", u"-1 2/5", u"16", u"-15", u"9,5", u"2 5/6", u"4/9", u"100"},
    {u"18", u"0", u"-7,2", u"4", u"0,4", u"-5/7", u"50", u"11", u"-16", u"6 1/2", u"1/4"},
}};
}  // namespace

const std::array<const char16_t*, 11>& Paper7Numbers(int picture) { return kRows.at(size_t(picture - 1)); }

const std::array<QString, 12>& Test9Expressions() {
    // Each simplifies to the forms of its row and takes the row's value at the
    // row's letters (checked by the datagen tests).
    static const std::array<QString, 12> expressions = {
        QStringLiteral("0,4(8m-5n)-2(m+7,5n)"),    // 1,2m-17n
        QStringLiteral("0,2(7p-5m)-2(p+7m)"),      // -0,6p-15m
        QStringLiteral("0,4(12m-5n)-2(m+5,5n)"),   // 2,8m-13n
        QStringLiteral("0,5(2m-3n)-2(2,6m+4n)"),   // -4,2m-9,5n
        QStringLiteral("0,4(2m-5n)-4(m+1,5n)"),    // -3,2m-8n
        QStringLiteral("0,3(4m+10n)-2(2m+4,5n)"),  // -2,8m-6n
        QStringLiteral("0,6(7m-5n)-2(1,5m+5n)"),   // 1,2m-13n
        QStringLiteral("0,5(2p-3m)-4(0,7p+2m)"),   // -1,8p-9,5m
        QStringLiteral("0,5(6p-5m)-2(1,8p+5m)"),   // -0,6p-12,5m
        QStringLiteral("0,4(7p-5m)-2(p+3m)"),      // 0,8p-8m
        QStringLiteral("0,8(8p-5m)-2(p+6,5m)"),    // 4,4p-17m
        QStringLiteral("0,2(6p-5m)-3(0,8p+3m)"),   // -1,2p-10m
    };
    return expressions;
}
