// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry points of the chart module, which the program loads only when
// "asterine reading --chart" asks for a picture: the pictures need Qt Gui
// (and Qt SVG), which no other command loads. The module defines the
// functions declared here and the command line finds them through these
// declarations (ASTERINE_MODULE_ENTRY), so that the two cannot disagree on
// their names or types.

#include <QString>
#include <QtGlobal>

#include "sky/birth_sky.h"

class QCoreApplication;

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

namespace asterine {

// The module's file in lib/asterine.
inline constexpr char chartModuleName[] = "asterine_chart";

}  // namespace asterine
