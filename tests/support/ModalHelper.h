// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tavolin::testing {

// Acts on the next modal window of type Dialog as soon as it is on screen, then makes sure
// it closes: a modal window never blocks a test. Polls instead of racing a single shot.
template <typename Dialog>
void whenModalShown(std::function<void(Dialog*)> act) {
    auto* poll = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, act, elapsed] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if ((*elapsed += 10) > 5000) {  // never shown: give up rather than hang
                poll->deleteLater();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        act(dialog);
        if (dialog->isVisible()) {
            dialog->close();  // the test forgot to, or the window refused
        }
    });
    poll->start(10);
}

}  // namespace tavolin::testing
