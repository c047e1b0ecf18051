// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What screen readers are told of the forms beyond Qt's own: each form is a
// window, and a drop-down list is called by its name, not by its value.

namespace asterine {

// Registers the program's accessibility rules with Qt; once is enough, and
// later calls change nothing. Call before the first form is shown.
void installAccessibility();

}  // namespace asterine
