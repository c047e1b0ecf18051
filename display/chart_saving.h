// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A picture of the birth's sky as a file or on the clipboard: black on
// white, as on paper, whatever the desktop's colours.

#include <QImage>
#include <QSize>
#include <QString>

namespace skychart {
class ChartPicture;
}

namespace asterine {

class SettingsLocation;

enum class ChartFileKind { Svg, Png };

// The kind a file name asks for: PNG for ".png" in any case, else SVG.
ChartFileKind chartFileKind(const QString& path);
// `path` with ".svg" added when it has no extension.
QString withChartExtension(const QString& path);

// The width of a picture put on the clipboard, and of one saved as PNG
// until the user chooses another, in pixels; the height follows the
// picture's aspect.
inline constexpr int kChartPixelWidth = 1200;
// The widths a PNG picture may be saved at: narrower, its names cannot be
// read; wider, the image takes more memory than a desktop spares lightly.
inline constexpr int kChartMinimumWidth = 200;
inline constexpr int kChartMaximumWidth = 8000;

// `width` brought within the widths a PNG picture may be saved at.
int boundedChartWidth(int width);
// The size of a picture of `aspect` (width over height) `width` pixels wide,
// never less than a pixel high.
QSize chartPixelSize(double aspect, int width = kChartPixelWidth);
QSize chartPixelSize(const skychart::ChartPicture& picture, int width = kChartPixelWidth);

// The width the last PNG picture was saved at, kept with the settings
// (kChartPixelWidth before the first); one kept out of bounds is brought
// within them.
int rememberedChartWidth(const SettingsLocation& settings);
// Keeps `width`, brought within bounds, as the width of the next PNG picture.
void rememberChartWidth(const SettingsLocation& settings, int width);

// Writes `picture` to `path` as its extension asks, as PNG `pngWidth`
// pixels wide (brought within bounds); an empty string when the file is
// written, else what went wrong, naming the file. SVG is written by the
// chart module, loaded when first needed.
QString saveChartFile(const skychart::ChartPicture& picture, const QString& path,
                      const QString& title, int pngWidth = kChartPixelWidth);

// The picture as an image for the clipboard.
QImage chartImage(const skychart::ChartPicture& picture);

}  // namespace asterine
