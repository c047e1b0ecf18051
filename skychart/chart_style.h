// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours and type of the pictures: black on white for paper, or the
// desktop's palette, light or dark, for the screen. Every text reads on the
// background at 4.5:1 or more and every line shows at 3:1 or more.

#include <QColor>
#include <QFont>
#include <QPalette>

namespace skychart {

inline constexpr double kTextContrast = 4.5;
inline constexpr double kLineContrast = 3.0;

struct ChartStyle {
    QColor background;
    QColor text;
    QColor line;     // the rings, ticks, axes, the horizon and the paths' grid
    QColor star;     // the reading's star: its mark, name and path
    QColor sun;      // the Sun's path
    QColor ground;   // the fill below the horizon (an area, not a line)
    QString family;  // the type face; the size follows the picture's
    // On the screen with a desktop type larger than the usual, the words'
    // least size in pixels, that type's; 0 keeps them in proportion to the
    // picture, as on paper.
    double leastTextPixels = 0;
};

// The words' least size for a desktop font: none up to the usual 10 pt,
// the font's own pixel size above it.
double leastTextPixels(const QFont& font);

// Black on white.
ChartStyle paperStyle();
// The palette's window colours, each text and line colour brought to its
// contrast with the window's background where the palette falls short; the
// words as large as the font asks.
ChartStyle screenStyle(const QPalette& palette, const QFont& font);

// The contrast ratio of two colours as the WCAG defines it, from 1 to 21.
double contrastRatio(const QColor& first, const QColor& second);
// `preferred` when it has `contrast` with `background` or more; otherwise the
// same hue made lighter on a dark background or darker on a light one until
// it has (black and white always reach 4.5:1 with one or the other).
QColor withContrast(const QColor& preferred, const QColor& background, double contrast);

// The style's type at a pixel size.
QFont chartFont(const ChartStyle& style, double pixelSize, bool bold = false);

}  // namespace skychart
