// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt Widgets window, started and ended the way the start-up benchmark
// starts and ends the program: the process ends once the window is shown.

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.show();
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
