// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "ShownText.h"

class QWidget;

namespace tavolin {

// Every box the program shows goes through here, so that tests can replace them all and
// read what they would have shown.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A message of the program: title "Avertissement", warning icon, one "OK".
    virtual void warning(QWidget* parent, const QString& text) = 0;

    // The application's error box, for a failure of the platform: title "Tavolin", error
    // icon, one "OK".
    virtual void error(QWidget* parent, const QString& text) = 0;

    // A question before an action that cannot be undone: title "Confirmation", buttons
    // "Oui" and "Non", "Non" by default and on Escape. True for "Oui".
    virtual bool question(QWidget* parent, const QString& text) = 0;

    // The same question with a date field, today (`latest`) by default, for something done
    // on a day: the day chosen for "Oui", nothing for "Non".
    virtual std::optional<QDate> questionWithDate(QWidget* parent, const QString& text,
                                                  const QDate& latest) = 0;

    // A line of text asked for, `initial` in it at first: the text for "OK", nothing for
    // "Annuler".
    virtual std::optional<QString> askText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& initial) = 0;
};

// The real boxes, modal, shown one at a time.
class DialogMessageBoxes : public MessageBoxes {
public:
    void warning(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    std::optional<QDate> questionWithDate(QWidget* parent, const QString& text,
                                          const QDate& latest) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial) override;
};

inline constexpr ShownText kWarningTitle = TAVOLIN_TEXT("MessageBoxes", "Avertissement");
inline const QString kApplicationTitle = QStringLiteral("Tavolin");
inline constexpr ShownText kQuestionTitle = TAVOLIN_TEXT("MessageBoxes", "Confirmation");

}  // namespace tavolin
