// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>

#include "HistoryPeriod.h"

namespace tavolin {

// The history's rows as Qt SQL hands them over, each value checked (HistoryValues) in the
// order of its columns, so that the first damaged one is the one told.

// A period's own columns, in the order periodOfRow reads them.
extern const QString kPeriodColumns;
// A game's columns, in the order gameOfRow reads them.
extern const QString kGameColumns;

// The period in `row`, its columns kPeriodColumns from the first; raises DamagedValue. Its
// closing is left to `checkClosing`, called at its place among the others.
HistoryPeriod periodOfRow(const QSqlQuery& row,
                          const std::function<void(const QVariant&)>& checkClosing);
// The game in `row`, its columns kGameColumns from `first` on; raises DamagedValue.
HistoryGame gameOfRow(const QSqlQuery& row, int first);

}  // namespace tavolin
