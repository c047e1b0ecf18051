// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fonts of the forms, by point size. The forms were laid out for a
// desktop whose default dialog font is 8.25 pt; every size is read relative
// to that, so a desktop with a larger default font gets larger forms.

#include <QFont>

namespace asterine {

// The desktop's default font size over the 8.25 pt the forms were laid out
// for: 1 on such a desktop, 16 / 8.25 on a desktop whose font is 16 pt.
double formScale();

// `pixels` of the forms' layout on this desktop.
int scaled(int pixels);

// Verdana where it is installed, otherwise a close sans-serif face, at
// `pointSize` of the forms' layout scaled to this desktop.
QFont formFont(double pointSize, bool bold = false, bool underline = false);

}  // namespace asterine
