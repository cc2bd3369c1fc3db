// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogStart.h"

#include <QGuiApplication>
#include <QScreen>

#include "Fonts.h"
#include "ProgramIcon.h"

namespace tavolin {

namespace {

// What a window manager's frame and title bar take around a window, at most.
constexpr QSize kFrameRoom{16, 48};

}  // namespace

QSize sizeOnScreen(const QSize& wanted, const QSize& available) {
    return wanted.boundedTo((available - kFrameRoom).expandedTo(QSize(1, 1)));
}

void applyDialogLook(QDialog& dialog, const DialogLook& look) {
    dialog.setObjectName(look.objectName);
    dialog.setWindowTitle(look.title);
    dialog.setWindowIcon(programIcon());
    dialog.setFont(interfaceFont());
    if (look.fixedSize) {
        dialog.setFixedSize(look.size);
    } else {
        const QScreen* screen =
            dialog.screen() != nullptr ? dialog.screen() : QGuiApplication::primaryScreen();
        dialog.resize(screen != nullptr
                          ? sizeOnScreen(look.size, screen->availableGeometry().size())
                          : look.size);
    }
}

}  // namespace tavolin
