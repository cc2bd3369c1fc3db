// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does before its window is on screen, a line of text in it:
// the yardstick of the start-up benchmark.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Bonjour"), &window));
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
