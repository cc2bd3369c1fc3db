// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <optional>

class QWidget;

namespace tavolin {

// A question about something done on a day: its text, a date field (today by default, any
// day up to `latest`), "Oui" and "Non" ("Non" by default and on Escape). The day chosen for
// "Oui", nothing for "Non".
std::optional<QDate> askWithDate(QWidget* parent, const QString& title, const QString& text,
                                 const QDate& latest);

}  // namespace tavolin
