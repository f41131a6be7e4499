#include "app/clock.h"

namespace {
const Clock* installed = nullptr;
}

void setClock(const Clock* clock) { installed = clock; }

QDateTime ClockNow() { return installed ? installed->now() : QDateTime::currentDateTime(); }

QString ShortDateText(const QDateTime& moment) { return moment.date().toString(QStringLiteral("dd.MM.yyyy")); }

QString LongTimeText(const QDateTime& moment) { return moment.time().toString(QStringLiteral("H:mm:ss")); }
