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

enum class ChartFileKind { Svg, Png };

// The kind a file name asks for: PNG for ".png" in any case, else SVG.
ChartFileKind chartFileKind(const QString& path);
// `path` with ".svg" added when it has no extension.
QString withChartExtension(const QString& path);

// The width of a picture saved as PNG or put on the clipboard, in pixels;
// the height follows the picture's aspect.
inline constexpr int kChartPixelWidth = 1200;
QSize chartPixelSize(const skychart::ChartPicture& picture);

// Writes `picture` to `path` as its extension asks; an empty string when the
// file is written, else what went wrong, naming the file. SVG is written by
// a module loaded when first needed.
QString saveChartFile(const skychart::ChartPicture& picture, const QString& path,
                      const QString& title);

// The picture as an image for the clipboard.
QImage chartImage(const skychart::ChartPicture& picture);

}  // namespace asterine
