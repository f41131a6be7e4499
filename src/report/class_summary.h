#pragma once
#include <QString>
#include <vector>

#include "report/attempt_log.h"

// One row of the pupil × module summary.
struct SummaryRow {
    QString pupil;
    QString module;
    int attempts = 0;
    QString last;    // the latest attempt's result
    QString best;    // the fewest errors (or the lowest percentage)
    double meanSeconds = 0;
};

// Rows sorted by pupil, then module.
std::vector<SummaryRow> Summarise(const std::vector<const LoggedAttempt*>& attempts);

// The attempts as a spreadsheet reads them: UTF-8 with a byte-order mark, ";"
// between fields, CR LF, fields quoted where needed.
QByteArray AttemptsCsv(const std::vector<const LoggedAttempt*>& attempts);

// What the table and the chart show of a class: who, what and when.
struct AttemptFilter {
    QString pupil;   // empty: everyone
    QString module;  // empty: every module
    QDate from, to;  // invalid: open
    bool accepts(const LoggedAttempt& a) const;
};
