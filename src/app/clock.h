#pragma once
#include <QDateTime>

// The wall clock the attempt records read; tests install a fake one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// Installs a clock (nullptr brings back the system clock). The caller keeps ownership.
void setClock(const Clock* clock);
QDateTime ClockNow();

// The system's short date and long time formats: 08.12.2026 and 9:05:03.
QString ShortDateText(const QDateTime& moment);
QString LongTimeText(const QDateTime& moment);
