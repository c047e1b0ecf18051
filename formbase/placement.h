// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a window opens: wholly within the available area of its screen,
// whatever the scale and the desktop font.

#include <Qt>

class QRect;
class QSize;
class QWidget;

namespace asterine {

// Room a window manager's frame usually takes around a window: the title bar
// above, a thin border elsewhere. Used until the real frame is known.
struct FrameAllowance {
    int left = 8;
    int top = 40;
    int right = 8;
    int bottom = 8;
};

// The size a window of `wanted` client size may take in `available` once its
// frame is allowed for; never more than wanted.
QSize fittedSize(const QSize& wanted, const QRect& available, const FrameAllowance& frame = {});

// The top-left of a client area of `size` centred in `available` with its
// frame allowed for, moved inside where it would overhang; a window larger
// than the area keeps its top-left corner in view.
QRect placedGeometry(const QSize& size, const QRect& available, const FrameAllowance& frame = {});

// For a window of one fixed size: the window manager offers its title,
// system menu, minimise and close buttons, and no maximise button that
// would do nothing. `kind` is Qt::Window or Qt::Dialog; `extra` adds hints
// such as Qt::WindowStaysOnTopHint.
void offerNoMaximise(QWidget* window, Qt::WindowType kind = Qt::Window, Qt::WindowFlags extra = {});

// Sizes `window` to its contents (a window that can change size is shrunk to
// fit the screen) and centres it within the available area of its screen,
// or of `near`'s screen. Call before the window is first shown.
void placeOnScreen(QWidget* window, const QWidget* near = nullptr);

}  // namespace asterine
