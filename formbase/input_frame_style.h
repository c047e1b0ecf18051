// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop's own style, with the outlines of the inputs (text boxes,
// drop-down lists, check boxes and option buttons) kept visible on any
// palette: Fusion draws them a shade darker than the window, which on a dark
// palette is next to invisible, and even on a light one reads at only 2:1.

#include <QProxyStyle>

namespace asterine {

class InputFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps the style named `key` (a QStyleFactory key).
    explicit InputFrameStyle(const QString& key);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

// Makes InputFrameStyle, around the style the application has, the style of
// every widget; once is enough, and later calls change nothing.
void installInputFrameStyle();

}  // namespace asterine
