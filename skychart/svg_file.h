// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A picture as an SVG file, through Qt SVG. This library is linked only by
// the code that saves files, so that starting the program does not load Qt SVG.

#include <QSize>
#include <QString>

#include "skychart/chart_picture.h"

namespace skychart {

// An empty string when the file is written; else what went wrong, naming the file.
QString saveSvg(const ChartPicture& picture, const ChartStyle& style, QSize size,
                const QString& path, const QString& title);

}  // namespace skychart
