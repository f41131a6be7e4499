#pragma once
#include <QString>

// One attempt of a pupil at one work screen: when it began, how long it took and
// the results-log line built from them.
struct AttemptRecord {
    QString dateText;
    QString startTimeText;
    int startSeconds = 0;
    int endSeconds = 0;
    int elapsedSeconds = 0;
    int errorCount = 0;
    // "дата " + date + " час початку " + time + " помилок ", completed by the screen at marking.
    QString logLine;
};

void BeginAttempt(AttemptRecord& record);
// Seconds since midnight of the clock's long time text.
int ClockSeconds();
// Seconds since midnight of a long time text: "H:MM:SS" or "HH:MM:SS", each piece
// read by its leading digits (0 when it starts with anything else), the rest ignored.
int TimeTextSeconds(const QString& timeText);
// Sets end and elapsed seconds. An attempt that crossed midnight adds a day; a
// marking in the same second as the start took 0 seconds, never a whole day.
void FinishAttempt(AttemptRecord& record);
