// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fonts of the forms, by point size.

#include <QFont>

namespace asterine {

// Verdana where it is installed, otherwise a close sans-serif face.
QFont formFont(double pointSize, bool bold = false, bool underline = false);

}  // namespace asterine
