// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Colours that stay readable on any desktop palette, light or dark. A form
// that sets a text's colour either sets the background it was designed
// against with it, or lets the colour follow the palette's background.

#include <QColor>
#include <QPalette>

class QWidget;

namespace asterine {

// The contrast ratio of two colours as the WCAG defines it, from 1 to 21.
double contrastRatio(const QColor& first, const QColor& second);

// The contrast every text keeps with its background: the WCAG AA level.
inline constexpr double readableContrast = 4.5;

// The contrast the outline of an input keeps with what lies around it: the
// WCAG level for the parts of a control.
inline constexpr double visibleOutlineContrast = 3.0;

// `preferred` when it reads on `background` at `contrast` or more; otherwise
// the same hue, made lighter on a dark background or darker on a light one,
// until it does.
QColor readableColour(const QColor& preferred, const QColor& background,
                      double contrast = readableContrast);

// Whether `background` is dark: light colours read on it, dark ones do not.
bool isDark(const QColor& background);

// The colour that lies behind `widget`: the background of the nearest of it
// and its ancestors that fills its background, or the window's.
QColor backgroundBehind(const QWidget* widget);

// The palette of a light desktop, for a form designed in light colours that
// must read as designed whatever the desktop's palette: Qt's standard one.
QPalette lightPalette();

// Gives `widget` and what it holds a fixed text colour and a fixed, filled
// background.
void setColours(QWidget* widget, const QColor& text, const QColor& background);

// Gives `widget` the text colour `preferred`, made readable on whatever lies
// behind it, now and whenever the desktop's palette changes.
void setAccentColour(QWidget* widget, const QColor& preferred);

}  // namespace asterine
