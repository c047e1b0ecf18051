// SPDX-License-Identifier: GPL-3.0-or-later
// Asterine: fixed-star astrology readings.

#include "run.h"

int main(int argc, char* argv[]) {
    return asterine::run(argc, argv);
}
