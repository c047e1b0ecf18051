// SPDX-License-Identifier: GPL-3.0-or-later
// The module that writes pictures as SVG files, loaded when the user first
// saves one.

#include "svg_module.h"

#include "skychart/svg_file.h"

extern "C" QString asterine_save_svg(const skychart::ChartPicture& picture,
                                     const skychart::ChartStyle& style, QSize size,
                                     const QString& path, const QString& title) {
    return skychart::saveSvg(picture, style, size, path, title);
}
