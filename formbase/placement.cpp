// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace asterine {

namespace {

const QScreen* screenFor(const QWidget* window, const QWidget* near) {
    if (near && near->screen())
        return near->screen();
    if (window->screen())
        return window->screen();
    return QGuiApplication::primaryScreen();
}

bool fixedSize(const QWidget* window) {
    return window->minimumSize() == window->maximumSize();
}

}  // namespace

QSize fittedSize(const QSize& wanted, const QRect& available, const FrameAllowance& frame) {
    return {std::min(wanted.width(), available.width() - frame.left - frame.right),
            std::min(wanted.height(), available.height() - frame.top - frame.bottom)};
}

QRect placedGeometry(const QSize& size, const QRect& available, const FrameAllowance& frame) {
    const int outerWidth = size.width() + frame.left + frame.right;
    const int outerHeight = size.height() + frame.top + frame.bottom;
    int left = available.left() + (available.width() - outerWidth) / 2;
    int top = available.top() + (available.height() - outerHeight) / 2;
    // Within the area where it fits; its top-left corner in view where not.
    left = std::max(available.left(), std::min(left, available.right() + 1 - outerWidth));
    top = std::max(available.top(), std::min(top, available.bottom() + 1 - outerHeight));
    return {QPoint(left + frame.left, top + frame.top), size};
}

void offerNoMaximise(QWidget* window, Qt::WindowType kind, Qt::WindowFlags extra) {
    Qt::WindowFlags flags = kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | extra;
    if (kind == Qt::Window)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

void placeOnScreen(QWidget* window, const QWidget* near) {
    const QScreen* screen = screenFor(window, near);
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // A layout that fixes the window's size sizes it as it is activated; any
    // other window takes the size its contents ask for, unless it was given one.
    if (window->layout() && window->layout()->sizeConstraint() == QLayout::SetFixedSize)
        window->layout()->activate();
    else if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    QSize size = window->size();
    if (!fixedSize(window)) {
        size = fittedSize(size, available).expandedTo(window->minimumSizeHint());
        window->resize(size);
        size = window->size();
    }
    window->setGeometry(placedGeometry(size, available));
}

}  // namespace asterine
