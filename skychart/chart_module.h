// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry points of the chart module, which writes the pictures of a
// birth's sky to files with Qt SVG and Qt Gui. Neither the program's start
// nor any command but the one that draws loads those libraries: the command
// line loads the module when "asterine reading --chart" asks for a picture,
// the result window when the user first saves a chart as SVG. The module
// defines the functions declared here and both find them through these
// declarations (ASTERINE_MODULE_ENTRY), so that neither can disagree with
// the module on their names or types.

#include <QSize>
#include <QString>
#include <QtGlobal>

class QCoreApplication;

namespace sky {
struct BirthSky;
struct BirthSkyRequest;
}  // namespace sky

namespace skychart {
class ChartPicture;
struct ChartStyle;
}  // namespace skychart

// The application a command that draws runs in: a QGuiApplication on Qt's
// offscreen platform, which needs no display. Made before anything else,
// in place of the QCoreApplication of the other commands.
extern "C" Q_DECL_EXPORT QCoreApplication* asterine_chart_application(int& argc, char** argv);

// Writes the wheel of `sky` (worked out for `request`) to `path`, as SVG or
// PNG by its extension, `pixels` wide and high. An empty string when it is
// written; else what went wrong, naming the file.
extern "C" Q_DECL_EXPORT QString asterine_write_chart(const sky::BirthSkyRequest& request,
                                                      const sky::BirthSky& sky, const QString& path,
                                                      int pixels);

// Writes `picture` to `path` as skychart::saveSvg does; an empty string
// when the file is written, else what went wrong, naming the file.
extern "C" Q_DECL_EXPORT QString asterine_save_svg(const skychart::ChartPicture& picture,
                                                   const skychart::ChartStyle& style, QSize size,
                                                   const QString& path, const QString& title);

namespace skychart {

// The module's file in lib/asterine.
inline constexpr char chartModuleName[] = "asterine_chart";

}  // namespace skychart
