// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageBoxes.h"

namespace tavolin {

// Passes boxes on and knows whether one is open, so that the main window can tell the
// focus its own box takes and gives back from the user leaving and coming back.
class TrackedMessageBoxes : public MessageBoxes {
public:
    explicit TrackedMessageBoxes(MessageBoxes& inner) : inner_(inner) {}

    void warning(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    std::optional<QDate> questionWithDate(QWidget* parent, const QString& text,
                                          const QDate& latest) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial) override;

    bool isOpen() const { return open_ > 0; }

private:
    MessageBoxes& inner_;
    int open_ = 0;
};

}  // namespace tavolin
