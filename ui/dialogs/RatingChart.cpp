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
constexpr qreal kMarkerSize = 9;

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

// Whole tens around the ratings.
std::pair<int, int> ratingRange(const std::vector<HistoryPeriod>& periods) {
    if (periods.empty()) {
        return {1000, 2000};
    }
    const auto [low, high] = std::minmax_element(
        periods.begin(), periods.end(),
        [](const HistoryPeriod& a, const HistoryPeriod& b) { return a.newRating < b.newRating; });
    const auto tens = [](int rating) { return rating - ((rating % 10) + 10) % 10; };
    return {tens(low->newRating - kRatingMargin), tens(high->newRating + kRatingMargin) + 10};
}

}  // namespace

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
    const auto [low, high] = ratingRange(periods);
    ratings->setRange(low, high);
    chart->addAxis(ratings, Qt::AlignLeft);
    series->attachAxis(ratings);
    return chart;
}

}  // namespace tavolin
