// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "MessageBoxes.h"

namespace tavolin {

// The main window's boxes, each shown at most once in one user action. Handlers chain (a
// load runs the system's button, which runs "CALCUL"; opening a window deactivates the main
// one, which saves), and each would tell the same refusal or failure again.
class OncePerActionBoxes : public MessageBoxes {
public:
    explicit OncePerActionBoxes(MessageBoxes& inner) : inner_(inner) {}

    // A handler starts and ends; the outermost one is a new user action.
    void enter() {
        if (depth_++ == 0) {
            shown_.clear();
        }
    }
    void leave() { --depth_; }

    void warning(QWidget* parent, const QString& text) override {
        if (firstTime(text)) {
            inner_.warning(parent, text);
        }
    }
    void error(QWidget* parent, const QString& text) override {
        if (firstTime(text)) {
            inner_.error(parent, text);
        }
    }
    // A question is asked every time: each asks before its own action.
    bool question(QWidget* parent, const QString& text) override {
        return inner_.question(parent, text);
    }
    std::optional<QDate> questionWithDate(QWidget* parent, const QString& text,
                                          const QDate& latest) override {
        return inner_.questionWithDate(parent, text, latest);
    }
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial) override {
        return inner_.askText(parent, title, label, initial);
    }

private:
    bool firstTime(const QString& text) {
        if (shown_.contains(text)) {
            return false;
        }
        shown_.append(text);
        return true;
    }

    MessageBoxes& inner_;
    QStringList shown_;
    int depth_ = 0;
};

}  // namespace tavolin
