// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "MessageBoxes.h"
#include "QtPrinters.h"

namespace tavolin::testing {

// Records the boxes the program would show instead of showing them.
class RecordingMessageBoxes : public MessageBoxes {
public:
    void warning(QWidget*, const QString& text) override {
        warnings.append(text);
        if (whileShown) {
            whileShown();
        }
    }
    void error(QWidget*, const QString& text) override {
        errors.append(text);
        if (whileShown) {
            whileShown();
        }
    }

    bool question(QWidget*, const QString& text) override {
        questions.append(text);
        if (whileShown) {
            whileShown();
        }
        return answer;
    }

    std::optional<QDate> questionWithDate(QWidget* parent, const QString& text,
                                          const QDate& latest) override {
        if (!question(parent, text)) {
            return std::nullopt;
        }
        return dateAnswer.isValid() ? dateAnswer : latest;
    }

    std::optional<QString> askText(QWidget*, const QString&, const QString& label,
                                   const QString&) override {
        questions.append(label);
        if (whileShown) {
            whileShown();
        }
        return textAnswer;
    }

    QStringList warnings;
    QStringList errors;
    QStringList questions;
    // What every question is answered.
    bool answer = false;
    // The day a question with a date is answered with; the one it offers when invalid.
    QDate dateAnswer;
    // What a request for a line of text is answered; nothing is "Annuler".
    std::optional<QString> textAnswer;
    // Runs while a box would be on screen, as the event loop of a real box would.
    std::function<void()> whileShown;
};

}  // namespace tavolin::testing
