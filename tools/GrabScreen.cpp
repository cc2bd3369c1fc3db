// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the whole screen of the display given in DISPLAY as a PNG file; used by
// scripts/screenshot to look at the windows under Xvfb.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavolin-grab-screen FILE.png\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    return screen.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
