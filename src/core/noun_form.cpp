#include "core/noun_form.h"

QString NounForm(int64_t n, const QString& one, const QString& few, const QString& many) {
    const int64_t t = n - (n / 100) * 100;
    if (t >= 10 && t <= 19) return many;
    const int64_t d = t - (t / 10) * 10;
    if (d == 1) return one;
    if (d >= 2 && d <= 4) return few;
    return many;
}
