// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, ending once the birth-details form is shown.

#include <QCoreApplication>

#include "app/run.h"

int main(int argc, char* argv[]) {
    return asterine::run(argc, argv, [] { QCoreApplication::exit(0); });
}
