// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "ReadableColour.h"

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
// Past the widest screen's pixels: thinning never shows.
constexpr std::size_t kDateColumns = 2048;

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

std::vector<QPointF> ratingPoints(const std::vector<PeriodSummary>& periods) {
    std::vector<QPointF> points;
    points.reserve(periods.size() + 1);
    if (!periods.empty() && periods.front().ratingBefore) {
        // A month of local days earlier, whatever the clocks did meanwhile.
        const QDateTime start = QDateTime(periods.front().closedOn, periods.front().closedAtTime)
                                    .addDays(-kStartBeforeFirstDays);
        points.emplace_back(static_cast<qreal>(start.toMSecsSinceEpoch()),
                            *periods.front().ratingBefore);
    }
    for (const PeriodSummary& period : periods) {
        points.emplace_back(static_cast<qreal>(period.closedAtMsecs), period.newRating);
    }
    return points;
}

namespace {

std::vector<PeriodSummary> summariesOf(const std::vector<HistoryPeriod>& periods) {
    std::vector<PeriodSummary> summaries;
    summaries.reserve(periods.size());
    for (const HistoryPeriod& period : periods) {
        summaries.push_back(summaryOf(period));
    }
    return summaries;
}

}  // namespace

std::vector<QPointF> ratingPoints(const std::vector<HistoryPeriod>& periods) {
    return ratingPoints(summariesOf(periods));
}

std::vector<QPointF> drawnPoints(const std::vector<QPointF>& points, std::size_t columns) {
    if (points.size() <= 4 * columns) {
        return points;
    }
    const auto [earliest, latest] =
        std::minmax_element(points.begin(), points.end(),
                            [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    const qreal first = earliest->x();
    const qreal width = std::max<qreal>(latest->x() - first, 1);
    const auto columnOf = [&](const QPointF& point) {
        const auto column =
            static_cast<std::size_t>((point.x() - first) / width * static_cast<qreal>(columns));
        return std::min(column, columns - 1);
    };
    std::vector<QPointF> drawn;
    // Each run of points in one column keeps its first, lowest, highest and last, in order.
    for (std::size_t start = 0; start < points.size();) {
        const std::size_t column = columnOf(points[start]);
        std::size_t end = start + 1;
        std::size_t lowest = start;
        std::size_t highest = start;
        for (; end < points.size() && columnOf(points[end]) == column; ++end) {
            lowest = points[end].y() < points[lowest].y() ? end : lowest;
            highest = points[end].y() > points[highest].y() ? end : highest;
        }
        std::size_t kept[] = {start, lowest, highest, end - 1};
        std::sort(std::begin(kept), std::end(kept));
        for (std::size_t k = 0; k < 4; ++k) {
            if (k == 0 || kept[k] != kept[k - 1]) {
                drawn.push_back(points[kept[k]]);
            }
        }
        start = end;
    }
    return drawn;
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

namespace {

// The curve's own colour where it reads on the theme's background, plain or shaded from
// one colour to another.
QColor curveColourOn(const QBrush& background) {
    if (const QGradient* gradient = background.gradient(); gradient != nullptr) {
        const QGradientStops stops = gradient->stops();
        if (!stops.isEmpty()) {
            return readableColour(kRatingCurveColor, {stops.front().second, stops.back().second});
        }
    }
    return readableColour(kRatingCurveColor, {background.color()});
}

}  // namespace

std::unique_ptr<QChart> ratingChart(const std::vector<PeriodSummary>& periods, ChartShade shade) {
    auto chart = std::make_unique<QChart>();
    // The theme first: it sets the colours of what is added after it.
    chart->setTheme(shade == ChartShade::Dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    const QColor curveColour = curveColourOn(chart->backgroundBrush());
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 24, 4));  // room for half the last date on the right

    const std::vector<QPointF> points = ratingPoints(periods);
    auto* series = new QLineSeries(chart.get());
    series->setName(QCoreApplication::translate("RatingChart", "Classement"));
    series->setPointsVisible(true);
    series->setMarkerSize(markerSize(periods.size()));
    QPen pen(curveColour);
    pen.setWidth(2);
    series->setPen(pen);
    series->setColor(curveColour);
    const std::vector<QPointF> drawn = drawnPoints(points, kDateColumns);
    series->replace(QList<QPointF>(drawn.begin(), drawn.end()));
    chart->addSeries(series);

    auto* dates = new QCategoryAxis(chart.get());
    dates->setTitleText(QCoreApplication::translate("RatingChart", "Clôture de la période"));
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
    ratings->setTitleText(QCoreApplication::translate("RatingChart", "Classement"));
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

std::unique_ptr<QChart> ratingChart(const std::vector<HistoryPeriod>& periods) {
    return ratingChart(summariesOf(periods));
}

QString ratingCurveDescription(const std::vector<PeriodSummary>& periods) {
    const std::vector<QPointF> points = ratingPoints(periods);
    if (points.empty()) {
        return QCoreApplication::translate("RatingChart", "Courbe de classement : aucune période");
    }
    const QString first = QString::number(static_cast<qint64>(points.front().y()));
    const QString last = QString::number(static_cast<qint64>(points.back().y()));
    return periods.size() == 1 ? QCoreApplication::translate(
                                     "RatingChart", "Courbe de classement : %1 à %2, 1 période")
                                     .arg(first, last)
                               : QCoreApplication::translate(
                                     "RatingChart", "Courbe de classement : %1 à %2, %3 périodes")
                                     .arg(first, last, QString::number(periods.size()));
}

}  // namespace tavolin
