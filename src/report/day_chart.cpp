#include "report/day_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

std::vector<ChartSeries> ErrorsByDay(const std::vector<const LoggedAttempt*>& attempts) {
    std::map<QString, std::map<QDate, std::pair<long long, int>>> byModule;
    for (const LoggedAttempt* a : attempts) {
        if (a->errors < 0) continue;
        auto& day = byModule[a->module][a->date];
        day.first += a->errors;
        ++day.second;
    }
    std::vector<ChartSeries> series;
    for (const auto& [module, days] : byModule) {
        ChartSeries s{module, {}};
        for (const auto& [date, sum] : days) s.days.emplace_back(date, double(sum.first) / sum.second);
        series.push_back(std::move(s));
    }
    return series;
}

QColor SeriesColour(int index) {
    static const QColor colours[] = {{32, 120, 200}, {220, 90, 40},  {60, 160, 60},  {150, 70, 190},
                                     {200, 160, 0},  {0, 160, 170},  {210, 60, 140}, {110, 110, 110},
                                     {140, 90, 40},  {90, 130, 240}, {170, 30, 30},  {100, 170, 120}};
    return colours[index % int(std::size(colours))];
}

namespace {
const QString kNoData = QStringLiteral("Немає спроб із кількістю помилок для цього вибору.");

// A step of the value lines: 1, 2 or 5 times a power of ten, so that there are at most eight.
double valueStep(double top) {
    for (double power = 1;; power *= 10) {
        for (double m : {1.0, 2.0, 5.0}) {
            if (top / (m * power) <= 8) return m * power;
        }
    }
}
}  // namespace

ChartFrame::ChartFrame(const QRectF& area, const std::vector<ChartSeries>& series, const QFontMetricsF& metrics) {
    const qreal line = metrics.height();
    double highest = 0;
    for (const ChartSeries& s : series) {
        for (const auto& [date, value] : s.days) {
            highest = std::max(highest, value);
            if (!first_.isValid() || date < first_) first_ = date;
            if (!last_.isValid() || date > last_) last_ = date;
        }
    }
    if (!first_.isValid()) first_ = last_ = QDate::currentDate();
    first_ = first_.addDays(-1);
    last_ = last_.addDays(1);
    step_ = valueStep(std::max(1.0, highest * 1.05));
    top_ = step_ * std::max(1.0, std::ceil(highest * 1.05 / step_));

    qreal legendWidth = 0;
    for (const ChartSeries& s : series) legendWidth = std::max(legendWidth, metrics.horizontalAdvance(s.module));
    if (legendWidth > 0) legendWidth += 3.5 * line;
    const qreal valueLabels = metrics.horizontalAdvance(QString::number(top_)) + line * 0.5;
    const QRectF inner = area.adjusted(line, line * 0.5, -line, -line * 0.5);
    plot_ = QRectF(QPointF(inner.left() + line * 1.5 + valueLabels, inner.top() + line * 2),
                   QPointF(inner.right() - legendWidth, inner.bottom() - line * 2.5));
    legend_ = QRectF(plot_.right() + line, plot_.top(), std::max(0.0, legendWidth - line), plot_.height());

    const qreal labelWidth = metrics.horizontalAdvance(QStringLiteral("00.00")) * 1.6;
    const int days = int(first_.daysTo(last_));
    const int room = std::max(1, int(plot_.width() / labelWidth));
    for (int step : {1, 2, 3, 7, 14, 30, 61, 91, 182, 365, 730, 1461}) {
        dayStep_ = step;
        if (days / step <= room) break;
    }
}

QPointF ChartFrame::at(QDate day, double value) const {
    const double span = double(first_.daysTo(last_));
    return {plot_.left() + plot_.width() * double(first_.daysTo(day)) / span,
            plot_.bottom() - plot_.height() * value / top_};
}

DayChart::DayChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(400, 250);
    setAutoFillBackground(false);
}

void DayChart::setSeries(std::vector<ChartSeries> series, const QString& title) {
    series_ = std::move(series);
    title_ = title;
    // What the chart shows, as text for a screen reader: each module's days and means.
    QStringList spoken{title_};
    for (const ChartSeries& s : series_) {
        QStringList points;
        for (const auto& [day, mean] : s.days)
            points << day.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" — ") + QString::number(mean, 'g', 3);
        spoken << s.module + QStringLiteral(": ") + points.join(QStringLiteral("; "));
    }
    if (series_.empty()) spoken << QStringLiteral("немає спроб");
    setAccessibleDescription(spoken.join(QStringLiteral(". ")));
    update();
}

ChartFrame DayChart::frame(const QPainter& painter, const QRectF& area) const {
    return ChartFrame(area, series_, QFontMetricsF(painter.font(), painter.device()));
}

void DayChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    paintChart(painter, rect());
}

void DayChart::paintChart(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal line = metrics.height();
    const ChartFrame f = frame(painter, area);
    const QRectF plot = f.plot();
    const QColor ink(40, 40, 40), grid(220, 220, 220);

    const QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(ink);
    painter.drawText(QRectF(area.left(), area.top() + line * 0.5, area.width(), line * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, title_);
    painter.setFont(plain);

    // Value lines with their numbers, then the days.
    for (double v = 0; v <= f.top() + f.step() / 2; v += f.step()) {
        const qreal y = f.at(f.firstDay(), v).y();
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ink);
        painter.drawText(QRectF(plot.left() - line * 5.5, y - line / 2, line * 5, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    for (QDate d = f.firstDay(); d <= f.lastDay(); d = d.addDays(f.dayStep())) {
        const qreal x = f.at(d, 0).x();
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(ink);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line * 0.25));
        painter.drawText(QRectF(x - line * 3, plot.bottom() + line * 0.3, line * 6, line), Qt::AlignHCenter | Qt::AlignTop,
                         d.toString(QStringLiteral("dd.MM")));
    }
    painter.setPen(QPen(ink, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.3, plot.width(), line), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Дата"));
    painter.save();
    painter.translate(area.left() + line * 0.6, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -line / 2, plot.height(), line), Qt::AlignCenter, QStringLiteral("Помилки"));
    painter.restore();

    if (series_.empty()) painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, kNoData);

    const qreal dot = std::max(3.0, line * 0.25);
    for (int i = 0; i < int(series_.size()); ++i) {
        const ChartSeries& s = series_[size_t(i)];
        const QColor colour = SeriesColour(i);
        if (s.days.size() > 1) {
            QPainterPath path;
            for (size_t k = 0; k < s.days.size(); ++k) {
                const QPointF p = f.at(s.days[k].first, s.days[k].second);
                k == 0 ? path.moveTo(p) : path.lineTo(p);
            }
            painter.setPen(QPen(colour, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(path);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const auto& [date, value] : s.days) painter.drawEllipse(f.at(date, value), dot, dot);

        // The legend: the line's mark and the module's name.
        const QRectF row(f.legend().left(), f.legend().top() + i * line * 1.3, f.legend().width(), line);
        if (row.bottom() > area.bottom()) continue;
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(row.left(), row.center().y()), QPointF(row.left() + line * 1.6, row.center().y()));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(row.left() + line * 0.8, row.center().y()), dot, dot);
        painter.setPen(ink);
        painter.drawText(row.adjusted(line * 2.1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, s.module);
    }
    painter.restore();
}
