// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A passive notice: a short line at the foot of a window that says an
// action is done, and goes away by itself. Nothing to click away; the
// keyboard focus stays where it is.

#include <QString>

class QLabel;
class QWidget;

namespace asterine {

// Shows `text` at the foot of `window` for a few seconds, in place of any
// notice shown there before.
void showNotice(QWidget* window, const QString& text);

// The notice `window` shows now, if any (for the checks).
QLabel* shownNotice(QWidget* window);

}  // namespace asterine
