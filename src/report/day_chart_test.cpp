// The chart of errors over the days: what it shows, and that each point is painted
// where the axes say it is.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "report/day_chart.h"

namespace {
LoggedAttempt attempt(const QString& module, QDate date, int errors) {
    LoggedAttempt a;
    a.module = module;
    a.date = date;
    a.errors = errors;
    return a;
}

std::vector<const LoggedAttempt*> pointers(const std::vector<LoggedAttempt>& attempts) {
    std::vector<const LoggedAttempt*> p;
    for (const LoggedAttempt& a : attempts) p.push_back(&a);
    return p;
}
}  // namespace

TEST(DayChart, OneSeriesAModuleWithTheMeanOfEachDay) {
    const QDate d1(2026, 12, 8), d2(2026, 12, 10);
    const std::vector<LoggedAttempt> attempts = {
        attempt("Прості дільники", d2, 3), attempt("Контрольні роботи", d1, 25), attempt("Прості дільники", d1, 1),
        attempt("Прості дільники", d1, 2), attempt("Гра \"Мауглі\"", d1, -1),  // no error count: left out
        attempt("Контрольні роботи", d1, 50)};
    const auto series = ErrorsByDay(pointers(attempts));
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].module, "Контрольні роботи");
    ASSERT_EQ(series[0].days.size(), 1u);
    EXPECT_EQ(series[0].days[0], std::make_pair(d1, 37.5));
    EXPECT_EQ(series[1].module, "Прості дільники");
    ASSERT_EQ(series[1].days.size(), 2u);
    EXPECT_EQ(series[1].days[0], std::make_pair(d1, 1.5));
    EXPECT_EQ(series[1].days[1], std::make_pair(d2, 3.0));
    EXPECT_TRUE(ErrorsByDay({}).empty());
}

TEST(DayChart, EveryPointIsPaintedInItsColourWhereTheAxesPutIt) {
    const QDate d1(2026, 12, 1);
    std::vector<ChartSeries> series = {{"Задачі 5", {{d1, 4}, {d1.addDays(3), 1}, {d1.addDays(20), 7}}},
                                       {"Контрольні роботи", {{d1.addDays(10), 62.5}}}};
    DayChart chart;
    chart.setSeries(series, "Помилки за днями — увесь клас");
    for (const QSize size : {QSize(900, 520), QSize(420, 260)}) {
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::black);
        QPainter painter(&page);
        painter.setFont(QFont(QStringLiteral("Arial"), 10));
        chart.paintChart(painter, page.rect());
        const ChartFrame frame = chart.frame(painter, page.rect());
        painter.end();

        const QRectF plot = frame.plot();
        EXPECT_TRUE(QRectF(page.rect()).contains(plot)) << size.width();
        EXPECT_GE(frame.top(), 62.5);
        EXPECT_LE(frame.top() / frame.step(), 8.0);
        EXPECT_EQ(frame.firstDay(), d1.addDays(-1));
        EXPECT_EQ(frame.lastDay(), d1.addDays(21));
        // Later days to the right, more errors higher up, nothing outside the plot.
        EXPECT_LT(frame.at(d1, 4).x(), frame.at(d1.addDays(3), 4).x());
        EXPECT_LT(frame.at(d1, 7).y(), frame.at(d1, 4).y());
        EXPECT_NEAR(frame.at(d1.addDays(-1), 0).x(), plot.left(), 0.01);
        EXPECT_NEAR(frame.at(d1, 0).y(), plot.bottom(), 0.01);
        EXPECT_NEAR(frame.at(d1, frame.top()).y(), plot.top(), 0.01);
        for (int i = 0; i < int(series.size()); ++i) {
            for (const auto& [date, value] : series[size_t(i)].days) {
                const QPoint at = frame.at(date, value).toPoint();
                EXPECT_TRUE(plot.contains(at));
                EXPECT_EQ(page.pixelColor(at), SeriesColour(i)) << series[size_t(i)].module.toStdString() << " "
                                                                 << date.toString().toStdString() << " at " << size.width();
            }
        }
        // The white page, not the black it was painted on.
        EXPECT_EQ(page.pixelColor(2, 2), QColor(Qt::white));
    }
    EXPECT_NE(SeriesColour(0), SeriesColour(1));
}

TEST(DayChart, WithoutPointsItStillPaintsItsAxesAndSaysWhy) {
    DayChart chart;
    chart.setSeries({}, "Помилки за днями — Петро");
    QImage page(QSize(600, 400), QImage::Format_RGB32);
    QPainter painter(&page);
    chart.paintChart(painter, page.rect());
    const ChartFrame frame = chart.frame(painter, page.rect());
    painter.end();
    EXPECT_EQ(frame.top(), 1);
    EXPECT_EQ(frame.firstDay().daysTo(frame.lastDay()), 2);
    // The axis lines are dark.
    const QPoint corner = frame.plot().bottomLeft().toPoint() + QPoint(10, 0);
    EXPECT_LT(page.pixelColor(corner).lightness(), 128);
}
