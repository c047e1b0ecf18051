// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's icon: a golden star on a night-blue disc.

#include <QIcon>
#include <QImage>

namespace asterine {

// Painted at whatever size it is asked for, and only then.
QIcon programIcon();
// The same icon as an image of `size` pixels square (it matches asterine.svg).
QImage programIconImage(int size);

}  // namespace asterine
