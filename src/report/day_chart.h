#pragma once
#include <QDate>
#include <QFontMetricsF>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "report/attempt_log.h"

// The chart of the report: a class's (or a pupil's) errors over the days, one line
// a module, each point the mean of that day's attempts. Painted here with QPainter,
// the same on every system.
struct ChartSeries {
    QString module;
    std::vector<std::pair<QDate, double>> days;  // in order of date
};

// One series a module (in order of name); attempts without an error count are left out.
std::vector<ChartSeries> ErrorsByDay(const std::vector<const LoggedAttempt*>& attempts);

// Where the chart's parts go in a rectangle, and where a value is drawn.
class ChartFrame {
public:
    ChartFrame(const QRectF& area, const std::vector<ChartSeries>& series, const QFontMetricsF& metrics);
    QRectF plot() const { return plot_; }
    QDate firstDay() const { return first_; }
    QDate lastDay() const { return last_; }
    double top() const { return top_; }
    double step() const { return step_; }
    QPointF at(QDate day, double value) const;
    QRectF legend() const { return legend_; }
    int dayStep() const { return dayStep_; }  // between the date labels

private:
    QRectF plot_, legend_;
    int dayStep_ = 1;
    QDate first_, last_;  // the axis runs a day beyond the first and the last attempt
    double top_ = 1;      // the axis's top value, a whole number of steps
    double step_ = 1;     // between the value lines
};

// A series' colour: one of a fixed set, in turn.
QColor SeriesColour(int index);

class DayChart : public QWidget {
public:
    explicit DayChart(QWidget* parent = nullptr);
    void setSeries(std::vector<ChartSeries> series, const QString& title);
    const std::vector<ChartSeries>& series() const { return series_; }
    const QString& title() const { return title_; }
    // The chart in any rectangle of any painter (the widget, a picture, a page).
    void paintChart(QPainter& painter, const QRectF& area) const;
    ChartFrame frame(const QPainter& painter, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartSeries> series_;
    QString title_;
};
