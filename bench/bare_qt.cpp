// SPDX-License-Identifier: MIT
// The yardstick for start-up time and memory: the least a Qt Widgets program
// with a main window, a menu bar and one label costs, built with the same
// flags as the program.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare_qt"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("A label")));
    window.resize(693, 220);
    window.show();
    return QApplication::exec();
}
