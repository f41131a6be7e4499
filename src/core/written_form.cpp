#include "core/written_form.h"

#include "core/number_text.h"

Fraction LowestTerms(int64_t num, int64_t den) { return Reduce({num, den}); }

Mixed LowestMixedWhileGreater(int64_t num, int64_t den) { return SplitWhileGreater(LowestTerms(num, den)); }

Mixed LowestMixedWhileNotLess(int64_t num, int64_t den) { return SplitWhileNotLess(LowestTerms(num, den)); }

QStringList Texts(const Fraction& f) { return {WholeText(f.num), WholeText(f.den)}; }

QStringList Texts(const Mixed& m) { return {WholeText(m.whole), WholeText(m.num), WholeText(m.den)}; }

QStringList CommaOrPoint(const QString& commaText) {
    QString point = commaText;
    point.replace(u',', u'.');
    return {commaText, point};
}

QString RoundedDecimalText(int64_t n, int places, int keep) {
    int64_t unit = 1;
    for (int i = keep; i < places; ++i) unit *= 10;
    const int64_t rounded = (n + unit / 2) / unit;  // half up; the papers only round positive values
    if (keep == 1) return TenthsText(rounded);
    if (keep == 2) return HundredthsText(rounded);
    return TrimmedDecimalText(rounded, keep);
}
