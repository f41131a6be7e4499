#include "report/class_summary.h"

#include <map>

bool AttemptFilter::accepts(const LoggedAttempt& a) const {
    if (!pupil.isEmpty() && a.pupil != pupil) return false;
    if (!module.isEmpty() && a.module != module) return false;
    if (from.isValid() && a.date < from) return false;
    if (to.isValid() && a.date > to) return false;
    return true;
}

std::vector<SummaryRow> Summarise(const std::vector<const LoggedAttempt*>& attempts) {
    struct Acc {
        int count = 0;
        long long seconds = 0;
        const LoggedAttempt* last = nullptr;
        const LoggedAttempt* best = nullptr;
    };
    std::map<std::pair<QString, QString>, Acc> groups;
    for (const LoggedAttempt* a : attempts) {
        Acc& g = groups[{a->pupil, a->module}];
        ++g.count;
        g.seconds += a->seconds;
        if (!g.last || std::make_pair(a->date, a->start) >= std::make_pair(g.last->date, g.last->start)) g.last = a;
        if (a->errors >= 0 && (!g.best || a->errors < g.best->errors)) g.best = a;
    }
    std::vector<SummaryRow> rows;
    for (const auto& [key, g] : groups) {
        SummaryRow r;
        r.pupil = key.first;
        r.module = key.second;
        r.attempts = g.count;
        r.last = g.last->resultText();
        r.best = g.best ? g.best->resultText() : QStringLiteral("—");
        r.meanSeconds = double(g.seconds) / g.count;
        rows.push_back(r);
    }
    return rows;
}

namespace {
QString field(const QString& text) {
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
}  // namespace

QByteArray AttemptsCsv(const std::vector<const LoggedAttempt*>& attempts) {
    QString out = QStringLiteral("Учень;Модуль;Частина;Дата;Початок;Помилки;Секунди\r\n");
    for (const LoggedAttempt* a : attempts) {
        const QStringList fields = {a->pupil,
                                    a->module,
                                    a->part,
                                    a->date.toString(QStringLiteral("dd.MM.yyyy")),
                                    a->start.toString(QStringLiteral("H:mm:ss")),
                                    a->resultText(),
                                    QString::number(a->seconds)};
        QStringList cells;
        for (const QString& f : fields) cells << field(f);
        out += cells.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}
