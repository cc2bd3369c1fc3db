// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <cstdio>

#include "MainWindow.h"
#include "TerminationSignals.h"

namespace tavolin {

namespace {

int saveBeforeEnding(MainWindow& window) {
    const QString error = window.session().saveForEnding();
    if (error.isEmpty()) {
        return 0;
    }
    std::fprintf(stderr, "tavolin: %s\n", qUtf8Printable(error));
    return 1;
}

}  // namespace

void endOnTermination(MainWindow& window, TerminationSignals& termination,
                      std::function<void(int status)> end) {
    QObject::connect(&termination, &TerminationSignals::received, &window,
                     [&window, end = std::move(end)] { end(saveBeforeEnding(window)); });
}

void saveOnSessionEnd(MainWindow& window) {
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { saveBeforeEnding(window); });
}

}  // namespace tavolin
