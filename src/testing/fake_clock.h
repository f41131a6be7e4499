#pragma once
#include <QDateTime>

#include "app/clock.h"

// A clock that stands still until told to move; installed while it lives.
class FakeClock : public Clock {
public:
    explicit FakeClock(const QDateTime& start = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 3)));
    ~FakeClock() override;
    QDateTime now() const override { return now_; }
    void set(const QDateTime& moment) { now_ = moment; }
    void setTime(int h, int m, int s) { now_.setTime(QTime(h, m, s)); }
    void advance(int seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_;
};
