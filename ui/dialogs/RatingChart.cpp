// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace tavolin {

namespace {

constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;
constexpr int kRatingMargin = 20;
constexpr qreal kLargestMarker = 7;
constexpr qreal kSmallestMarker = 3;
// The curve starts a month of play before the first closing, at the rating before it.
constexpr int kStartBeforeFirstDays = 30;
// Past three years the date axis ticks on years, below on months.
constexpr int kMonthTicksUpToMonths = 36;
constexpr int kMostDateTicks = 7;  // room for their labels in the window
constexpr int kRoomDays = 15;

qint64 msOf(const QDate& day) {
    return day.startOfDay().toMSecsSinceEpoch();
}

// Round months on the date axis from the month of the first point to the one after the
// last: every month, or every 2, 3, 6 of them, or every year or more past three years, so
// that at most seven ticks stand there.
void addDateTicks(QCategoryAxis& axis, const QDate& first, const QDate& last) {
    const QDate start(first.year(), first.month(), 1);
    const QDate end = QDate(last.year(), last.month(), 1).addMonths(1);
    const int months = (end.year() - start.year()) * 12 + end.month() - start.month();
    int step = 1;
    if (months > kMonthTicksUpToMonths) {
        step = 12;
        while (months / step > kMostDateTicks) {
            step += 12;
        }
    } else {
        for (const int wider : {2, 3, 6, 12}) {
            if (months / step <= kMostDateTicks) {
                break;
            }
            step = wider;
        }
    }
    const bool years = step % 12 == 0;
    const QDate from = years ? QDate(start.year(), 1, 1) : start;
    QDate to = from;
    while (to < end) {
        to = to.addMonths(step);
    }
    // A category's label stands at its end: the first one ends where the axis starts.
    axis.setStartValue(static_cast<qreal>(msOf(from) - 1));
    for (QDate tick = from; tick <= to; tick = tick.addMonths(step)) {
        // A label names the tick's own day: the first of a month, or of a year.
        axis.append(tick.toString(years ? QStringLiteral("yyyy") : QStringLiteral("MM/yyyy")),
                    static_cast<qreal>(msOf(tick)));
    }
    axis.setRange(static_cast<qreal>(msOf(from)), static_cast<qreal>(msOf(to)));
}

}  // namespace

std::vector<QPointF> ratingPoints(const std::vector<HistoryPeriod>& periods) {
    std::vector<QPointF> points;
    if (!periods.empty() && periods.front().ratingBefore) {
        const QDateTime start = periods.front().closedAt.addDays(-kStartBeforeFirstDays);
        points.emplace_back(static_cast<qreal>(start.toMSecsSinceEpoch()),
                            *periods.front().ratingBefore);
    }
    for (const HistoryPeriod& period : periods) {
        points.emplace_back(static_cast<qreal>(period.closedAt.toMSecsSinceEpoch()),
                            period.newRating);
    }
    return points;
}

qreal markerSize(std::size_t periods) {
    const qreal shrunk = kLargestMarker - static_cast<qreal>(periods / 16);
    return std::clamp(shrunk, kSmallestMarker, kLargestMarker);
}

// Whatever the ratings, the steps grow by 1, 2, 2.5 and 5 times a power of ten until at most
// six cover them: the axis never has more than eight ticks. In 64 bits, beyond any int.
RatingScale ratingScale(const std::vector<QPointF>& points) {
    if (points.empty()) {
        return {};
    }
    const auto [lowest, highest] =
        std::minmax_element(points.begin(), points.end(),
                            [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    const qint64 low = static_cast<qint64>(lowest->y()) - kRatingMargin;
    const qint64 high = static_cast<qint64>(highest->y()) + kRatingMargin;
    qint64 step = 10;
    for (qint64 power = 10; (high - low) / step >= 6; power *= 10) {
        for (const qint64 times : {qint64{20}, qint64{25}, qint64{50}, qint64{100}}) {
            step = power * times / 10;
            if ((high - low) / step < 6) {
                break;
            }
        }
    }
    const auto floorTo = [step](qint64 rating) { return rating - ((rating % step) + step) % step; };
    return {floorTo(low), floorTo(high) + step, step};
}

std::unique_ptr<QChart> ratingChart(const std::vector<HistoryPeriod>& periods) {
    auto chart = std::make_unique<QChart>();
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 24, 4));  // room for half the last date on the right

    const std::vector<QPointF> points = ratingPoints(periods);
    auto* series = new QLineSeries(chart.get());
    series->setName(QStringLiteral("Classement"));
    series->setPointsVisible(true);
    series->setMarkerSize(markerSize(periods.size()));
    QPen pen(kRatingCurveColor);
    pen.setWidth(2);
    series->setPen(pen);
    series->setColor(kRatingCurveColor);
    for (const QPointF& point : points) {
        series->append(point);
    }
    chart->addSeries(series);

    auto* dates = new QCategoryAxis(chart.get());
    dates->setTitleText(QStringLiteral("Clôture de la période"));
    dates->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Half a month of room on either side, so that no point stands on the axis's edge.
    const auto dayOf = [](const QPointF& point) {
        return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(point.x())).date();
    };
    const QDate today = QDate::currentDate();
    addDateTicks(*dates, (points.empty() ? today : dayOf(points.front())).addDays(-kRoomDays),
                 (points.empty() ? today : dayOf(points.back())).addDays(kRoomDays));
    chart->addAxis(dates, Qt::AlignBottom);
    series->attachAxis(dates);

    auto* ratings = new QValueAxis(chart.get());
    ratings->setTitleText(QStringLiteral("Classement"));
    ratings->setLabelFormat(QStringLiteral("%d"));
    const RatingScale scale = ratingScale(points);
    ratings->setRange(static_cast<qreal>(scale.low), static_cast<qreal>(scale.high));
    ratings->setTickType(QValueAxis::TicksDynamic);
    ratings->setTickAnchor(0);
    ratings->setTickInterval(static_cast<qreal>(scale.step));
    chart->addAxis(ratings, Qt::AlignLeft);
    series->attachAxis(ratings);
    return chart;
}

}  // namespace tavolin
