// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the command line's benchmark: a bare Qt Core program that
// prints one line and ends.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    std::puts("Asterine Results");
    return 0;
}
