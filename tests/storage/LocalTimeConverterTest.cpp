// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalTimeConverter.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <vector>

#include "LocalZone.h"

namespace tavolin::testing {
namespace {

// What QDateTime's local time says of `day` at `time`: the instant, none when skipped.
std::optional<qint64> qtInstant(const QDate& day, const QTime& time) {
    const QDateTime local(day, time);
    return local.isValid() ? std::optional(local.toMSecsSinceEpoch()) : std::nullopt;
}

// Local times every `step` minutes from `first` for `days`, in order, as a history lists them.
std::vector<QDateTime> everyFewMinutes(const QDate& first, int days, int step) {
    std::vector<QDateTime> times;
    for (int day = 0; day < days; ++day) {
        for (int minute = 0; minute < 24 * 60; minute += step) {
            times.emplace_back(first.addDays(day), QTime(minute / 60, minute % 60), Qt::UTC);
        }
    }
    return times;
}

// Around the clock changes of zones that skip or repeat an hour at night, half an hour, at
// midnight, a whole day, by a rule rather than a table, or never: the same instants as
// QDateTime, the same times skipped, listed forwards or backwards.
TEST(LocalTimeConverterTest, GivesQDateTimesInstantsAroundEveryKindOfClockChange) {
    struct Case {
        const char* zone;
        QDate around;  // a few days before a change
    };
    const Case cases[] = {
        {"Europe/Paris", QDate(2024, 3, 29)},
        {"Europe/Paris", QDate(2024, 10, 25)},
        {"America/New_York", QDate(2024, 3, 8)},
        {"America/New_York", QDate(2024, 11, 1)},
        {"Australia/Lord_Howe", QDate(2024, 4, 5)},
        {"America/Sao_Paulo", QDate(2018, 11, 2)},
        {"America/Sao_Paulo", QDate(2019, 2, 14)},
        {"Pacific/Apia", QDate(2011, 12, 27)},
        {"CET-1CEST,M3.5.0,M10.5.0/3", QDate(2030, 3, 29)},
        {"UTC", QDate(2024, 3, 29)},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.zone) + " " + test.around.toString().toStdString());
        const LocalZone zone(test.zone);
        std::vector<QDateTime> times = everyFewMinutes(test.around.addDays(-400), 1, 30);
        for (const QDateTime& time : everyFewMinutes(test.around, 6, 10)) {
            times.push_back(time);
        }
        for (const bool backwards : {false, true}) {
            LocalTimeConverter converter;
            for (std::size_t k = 0; k < times.size(); ++k) {
                const QDateTime& time = times[backwards ? times.size() - 1 - k : k];
                ASSERT_EQ(converter.msecsSinceEpoch(time.date(), time.time()),
                          qtInstant(time.date(), time.time()))
                    << time.toString(Qt::ISODate).toStdString() << (backwards ? " backwards" : "");
            }
        }
    }
}

// Years of daily closings, a few each day at any time: every one as QDateTime has it.
TEST(LocalTimeConverterTest, YearsOfClosingsAreConvertedAsQDateTimeConvertsThem) {
    const LocalZone zone("Europe/Paris");
    LocalTimeConverter converter;
    int compared = 0;
    for (QDateTime time(QDate(1990, 1, 1), QTime(0, 7), Qt::UTC); time.date() < QDate(2030, 1, 1);
         time = time.addSecs(5 * 3600 + 13 * 60)) {
        ASSERT_EQ(converter.msecsSinceEpoch(time.date(), time.time()),
                  qtInstant(time.date(), time.time()))
            << time.toString(Qt::ISODate).toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 60000);
}

TEST(LocalTimeConverterTest, AnInvalidDayOrTimeHasNoInstant) {
    LocalTimeConverter converter;
    EXPECT_FALSE(converter.msecsSinceEpoch(QDate(), QTime(12, 0)).has_value());
    EXPECT_FALSE(converter.msecsSinceEpoch(QDate(2024, 1, 1), QTime()).has_value());
}

}  // namespace
}  // namespace tavolin::testing
