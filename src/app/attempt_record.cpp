#include "app/attempt_record.h"

#include "app/clock.h"

namespace {
// The value of the leading decimal digits of a piece of the time text.
int leadingNumber(const QString& piece) {
    int value = 0;
    for (QChar c : piece) {
        if (c < u'0' || c > u'9') break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}
}  // namespace

int TimeTextSeconds(const QString& t) {
    const bool oneDigitHour = t.size() >= 2 && t.at(1) == u':';
    const int hours = leadingNumber(t.mid(0, oneDigitHour ? 1 : 2));
    const int minutes = leadingNumber(t.mid(oneDigitHour ? 2 : 3, 2));
    const int seconds = leadingNumber(t.mid(oneDigitHour ? 5 : 6, 2));
    return hours * 3600 + minutes * 60 + seconds;
}

int ClockSeconds() { return TimeTextSeconds(LongTimeText(ClockNow())); }

void BeginAttempt(AttemptRecord& record) {
    const QDateTime now = ClockNow();
    record.dateText = ShortDateText(now);
    record.startTimeText = LongTimeText(now);
    record.logLine = QStringLiteral("дата ") + record.dateText + QStringLiteral(" час початку ") +
                     record.startTimeText + QStringLiteral(" помилок ");
    record.startSeconds = ClockSeconds();
}

void FinishAttempt(AttemptRecord& record) {
    record.endSeconds = ClockSeconds();
    if (record.endSeconds >= record.startSeconds) {
        record.elapsedSeconds = record.endSeconds - record.startSeconds;
    } else {
        record.elapsedSeconds = record.endSeconds - record.startSeconds + 86400;
    }
}
