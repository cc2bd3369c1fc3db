// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalTimeConverter.h"

#include <QDateTime>
#include <algorithm>

namespace tavolin {

namespace {

constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;
// Beyond any change of offset (Samoa skipped a whole day): the times this close to a
// transition may be skipped or repeated, and are converted one by one.
constexpr qint64 kNearTransitionMs = 2 * kDayMs;
// A stretch is checked against the C library at least once a year, even in a zone without
// transitions.
constexpr qint64 kLongestStretchMs = 366 * kDayMs;
const qint64 kJulianDayOf1970 = QDate(1970, 1, 1).toJulianDay();

// The local time as if it were UTC: what the offset is taken from.
qint64 wallMsecs(const QDate& day, const QTime& time) {
    return (day.toJulianDay() - kJulianDayOf1970) * kDayMs + time.msecsSinceStartOfDay();
}

QDateTime utcAt(qint64 instant) {
    return QDateTime::fromMSecsSinceEpoch(instant, Qt::UTC);
}

// The C library's offset at `instant`, through QDateTime's local time.
int localOffsetAt(qint64 instant) {
    return QDateTime::fromMSecsSinceEpoch(instant, Qt::LocalTime).offsetFromUtc();
}

}  // namespace

LocalTimeConverter::LocalTimeConverter() : zone_(QTimeZone::systemTimeZone()) {}

std::optional<qint64> LocalTimeConverter::msecsSinceEpoch(const QDate& day, const QTime& time) {
    if (!day.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    const qint64 wall = wallMsecs(day, time);
    if (stretch_ && wall >= stretch_->localFirst && wall < stretch_->localEnd) {
        return wall - stretch_->offsetMs;
    }
    const QDateTime exact(day, time);
    if (!exact.isValid()) {
        return std::nullopt;
    }
    const qint64 instant = exact.toMSecsSinceEpoch();
    if (!stretch_ || instant < stretch_->utcFirst || instant >= stretch_->utcEnd) {
        stretch_ = stretchAround(instant, exact.offsetFromUtc());
    }
    return instant;
}

// Qt's zone gives the transitions around `instant`; the C library, which QDateTime's local
// time follows, must give the same offset at both ends of the stretch, or its times are
// converted one by one.
LocalTimeConverter::Stretch LocalTimeConverter::stretchAround(qint64 instant,
                                                              int offsetSeconds) const {
    Stretch stretch;
    stretch.utcFirst = instant - kLongestStretchMs;
    stretch.utcEnd = instant + kLongestStretchMs;
    stretch.offsetMs = qint64{offsetSeconds} * 1000;
    if (!zone_.isValid() || zone_.offsetFromUtc(utcAt(instant)) != offsetSeconds) {
        return stretch;
    }
    const QTimeZone::OffsetData previous = zone_.previousTransition(utcAt(instant + 1));
    if (previous.atUtc.isValid()) {
        stretch.utcFirst = std::max(stretch.utcFirst, previous.atUtc.toMSecsSinceEpoch());
    }
    const QTimeZone::OffsetData next = zone_.nextTransition(utcAt(instant));
    if (next.atUtc.isValid()) {
        stretch.utcEnd = std::min(stretch.utcEnd, next.atUtc.toMSecsSinceEpoch());
    }
    if (localOffsetAt(stretch.utcFirst) != offsetSeconds ||
        localOffsetAt(stretch.utcEnd - 1) != offsetSeconds) {
        return stretch;
    }
    stretch.localFirst = stretch.utcFirst + stretch.offsetMs + kNearTransitionMs;
    stretch.localEnd = stretch.utcEnd + stretch.offsetMs - kNearTransitionMs;
    return stretch;
}

}  // namespace tavolin
