// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QTime>
#include <QTimeZone>
#include <optional>

namespace tavolin {

// Local days and times to instants, as QDateTime(day, time) converts them, without asking
// the C library for each one: that costs a look at /etc/localtime every time, and a history
// has thousands. Between two transitions of the zone the offset is one: it is looked up once
// per stretch, the stretch's ends checked against the C library; the times within two days
// of a transition, where clocks skip or repeat an hour, are still converted one by one.
class LocalTimeConverter {
public:
    LocalTimeConverter();

    // `day` at `time`, local time, in milliseconds since 1970 UTC; none for a time the clocks
    // skipped, which QDateTime holds invalid.
    std::optional<qint64> msecsSinceEpoch(const QDate& day, const QTime& time);

private:
    // Instants [utcFirst, utcEnd) at one offset; the local times [localFirst, localEnd), in
    // milliseconds as if they were UTC, are converted with it. An empty local range converts
    // one by one until an instant falls out of the stretch.
    struct Stretch {
        qint64 utcFirst = 0;
        qint64 utcEnd = 0;
        qint64 offsetMs = 0;
        qint64 localFirst = 0;
        qint64 localEnd = 0;
    };
    Stretch stretchAround(qint64 instant, int offsetSeconds) const;

    QTimeZone zone_;
    std::optional<Stretch> stretch_;
};

}  // namespace tavolin
