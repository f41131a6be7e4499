#pragma once
#include <QString>
#include <cstdint>

// The Ukrainian noun form that agrees with a count n ≥ 0: "one" for 1, 21, 31 …,
// "few" for 2–4, 22–24 …, "many" for 0, 5–20, 25–30 …, 111–114 ….
QString NounForm(int64_t n, const QString& one, const QString& few, const QString& many);
