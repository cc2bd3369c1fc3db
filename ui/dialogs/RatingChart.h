// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>
#include <memory>
#include <vector>

#include "HistoryPeriod.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace tavolin {

// The colour of the curve and of its points.
inline const QColor kRatingCurveColor{0x1f, 0x5f, 0xa8};

// The player's rating after each period against the day it was closed: a line with a point
// per period, dates as the French write them ("09/12/2026"), ratings as whole numbers.
std::unique_ptr<QChart> ratingChart(const std::vector<HistoryPeriod>& periods);

// The rating axis: round figures from `low` to `high` in steps of `step`, at most eight
// ticks, around the periods' new ratings with a margin.
struct RatingScale {
    qint64 low = 1000;
    qint64 high = 2000;
    qint64 step = 250;
};
RatingScale ratingScale(const std::vector<HistoryPeriod>& periods);

}  // namespace tavolin
