// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures as files: PNG at a chosen size, and a PDF of pictures one to
// a page. Each is written whole to a temporary file and then put in place,
// so that a failure leaves any earlier file as it was. SVG is written by
// svg_file.h, in a library of its own that only the code saving files links.

#include <QSize>
#include <QString>

#include <vector>

#include "skychart/chart_picture.h"

namespace skychart {

// An empty string when the file is written; else what went wrong, naming the file.
QString savePng(const ChartPicture& picture, const ChartStyle& style, QSize size,
                const QString& path);
// The pictures, each on a page of its own, drawn as vector paths.
QString savePdf(const std::vector<const ChartPicture*>& pictures, const ChartStyle& style,
                const QString& path, const QString& title);

// The message for a file that could not be written.
QString saveError(const QString& path, const QString& reason);

}  // namespace skychart
