// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingChart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace tavolin {

namespace {

constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;
constexpr int kRatingMargin = 20;
constexpr qreal kMarkerSize = 7;

// Room on either side of the first and last period, so that their points are whole.
std::pair<qint64, qint64> dateRange(const std::vector<HistoryPeriod>& periods) {
    if (periods.empty()) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        return {now - 15 * kDayMs, now + 15 * kDayMs};
    }
    const auto [first, last] = std::minmax_element(
        periods.begin(), periods.end(),
        [](const HistoryPeriod& a, const HistoryPeriod& b) { return a.closedAt < b.closedAt; });
    const qint64 from = first->closedAt.toMSecsSinceEpoch();
    const qint64 to = last->closedAt.toMSecsSinceEpoch();
    const qint64 room = std::max<qint64>((to - from) / 20, 15 * kDayMs);
    return {from - room, to + room};
}

}  // namespace

// Whatever the ratings, the steps grow by 1, 2, 2.5 and 5 times a power of ten until at most
// six cover them: the axis never has more than eight ticks. In 64 bits, beyond any int.
RatingScale ratingScale(const std::vector<HistoryPeriod>& periods) {
    if (periods.empty()) {
        return {};
    }
    const auto [lowest, highest] = std::minmax_element(
        periods.begin(), periods.end(),
        [](const HistoryPeriod& a, const HistoryPeriod& b) { return a.newRating < b.newRating; });
    const qint64 low = qint64{lowest->newRating} - kRatingMargin;
    const qint64 high = qint64{highest->newRating} + kRatingMargin;
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
    chart->setMargins(QMargins(4, 4, 4, 4));

    auto* series = new QLineSeries(chart.get());
    series->setName(QStringLiteral("Classement"));
    series->setPointsVisible(true);
    series->setMarkerSize(kMarkerSize);
    QPen pen(kRatingCurveColor);
    pen.setWidth(2);
    series->setPen(pen);
    series->setColor(kRatingCurveColor);
    for (const HistoryPeriod& period : periods) {
        series->append(static_cast<qreal>(period.closedAt.toMSecsSinceEpoch()), period.newRating);
    }
    chart->addSeries(series);

    auto* dates = new QDateTimeAxis(chart.get());
    dates->setFormat(QStringLiteral("dd/MM/yyyy"));
    dates->setTitleText(QStringLiteral("Clôture de la période"));
    const auto [from, to] = dateRange(periods);
    dates->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(to));
    dates->setTickCount(std::clamp(static_cast<int>(periods.size()) + 1, 3, 6));
    chart->addAxis(dates, Qt::AlignBottom);
    series->attachAxis(dates);

    auto* ratings = new QValueAxis(chart.get());
    ratings->setTitleText(QStringLiteral("Classement"));
    ratings->setLabelFormat(QStringLiteral("%d"));
    const RatingScale scale = ratingScale(periods);
    ratings->setRange(static_cast<qreal>(scale.low), static_cast<qreal>(scale.high));
    ratings->setTickType(QValueAxis::TicksDynamic);
    ratings->setTickAnchor(0);
    ratings->setTickInterval(static_cast<qreal>(scale.step));
    chart->addAxis(ratings, Qt::AlignLeft);
    series->attachAxis(ratings);
    return chart;
}

}  // namespace tavolin
