// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry point of the module that writes pictures as SVG files, which the
// program loads when the user first saves one: starting the program does not
// load Qt SVG. The module defines the function declared here and
// saveChartFile() finds it through this declaration (ASTERINE_MODULE_ENTRY).

#include <QSize>
#include <QString>
#include <QtGlobal>

namespace skychart {
class ChartPicture;
struct ChartStyle;
}  // namespace skychart

// Writes `picture` to `path` as skychart::saveSvg does; an empty string
// when the file is written, else what went wrong, naming the file.
extern "C" Q_DECL_EXPORT QString asterine_save_svg(const skychart::ChartPicture& picture,
                                                   const skychart::ChartStyle& style, QSize size,
                                                   const QString& path, const QString& title);

namespace asterine {

// The module's file in lib/asterine.
inline constexpr char svgModuleName[] = "asterine_svg";

}  // namespace asterine
