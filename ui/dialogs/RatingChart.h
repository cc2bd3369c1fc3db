// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>
#include <QtGlobal>
#include <memory>
#include <vector>

#include "HistoryPeriod.h"
#include "PeriodSummary.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace tavolin {

// The colour of the curve and of its points.
inline const QColor kRatingCurveColor{0x1f, 0x5f, 0xa8};

// The player's rating after each period against the day it was closed: a line from the
// rating before the first period with a point per period, the date axis on months ("06/2026",
// or years past three years), ratings as whole numbers.
// On a dark window, the chart takes the dark theme and a lighter curve.
enum class ChartShade { Light, Dark };
std::unique_ptr<QChart> ratingChart(const std::vector<PeriodSummary>& periods,
                                    ChartShade shade = ChartShade::Light);
std::unique_ptr<QChart> ratingChart(const std::vector<HistoryPeriod>& periods);

// What a screen reader says of the chart: "Courbe de classement : 1850 à 1893, 6 périodes",
// from the first rating drawn to the last.
QString ratingCurveDescription(const std::vector<PeriodSummary>& periods);

// The curve's points, in milliseconds since 1970 and ratings: the rating before the first
// period a month before its closing (when it had one), then each period's new rating.
std::vector<QPointF> ratingPoints(const std::vector<PeriodSummary>& periods);
std::vector<QPointF> ratingPoints(const std::vector<HistoryPeriod>& periods);

// The points a curve draws of `points` (in order of time): all of them up to four per
// column of the date axis cut in `columns`; past that, in each column, the first, the
// lowest, the highest and the last, which draw the same line to the eye: a hundred thousand
// points would take a second to paint each time the window is drawn.
std::vector<QPointF> drawnPoints(const std::vector<QPointF>& points, std::size_t columns);

// The points' size: smaller as the periods grow many, from 7 pixels down to 3.
qreal markerSize(std::size_t periods);

// The rating axis: round figures from `low` to `high` in steps of `step`, at most eight
// ticks, around the points' ratings with a margin.
struct RatingScale {
    qint64 low = 1000;
    qint64 high = 2000;
    qint64 step = 250;
};
RatingScale ratingScale(const std::vector<QPointF>& points);

}  // namespace tavolin
