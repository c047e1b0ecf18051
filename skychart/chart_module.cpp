// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of a birth's sky written to files: the wheel for the command
// line, and whichever picture the result window saves as SVG.

#include "skychart/chart_module.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <string_view>
#include <vector>

#include "sky/birth_sky.h"
#include "skychart/chart_data.h"
#include "skychart/chart_files.h"
#include "skychart/chart_picture.h"
#include "skychart/chart_style.h"
#include "skychart/svg_file.h"

namespace {

QtMessageHandler shownBefore = nullptr;

// Two of Qt's warnings are no concern of a command that only writes a
// picture, and are not shown on its standard error: that there is no
// runtime folder (as under cron or ssh), and that the chart's type face has
// no shaping tables of its own for a script, whose letters then come,
// shaped, from a face that has them (Devanagari under Hindi).
void withoutIdleWarnings(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtWarningMsg &&
        (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")) ||
         message.trimmed().startsWith(QLatin1String("OpenType support missing for"))))
        return;
    if (shownBefore)
        shownBefore(type, context, message);
}

}  // namespace

QCoreApplication* asterine_chart_application(int& argc, char** argv) {
    // The picture is painted off screen whatever display there is, or none,
    // and whatever platform Qt's options before the command name: they are
    // the window's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::vector<char*> arguments;
    static int count = 0;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if ((argument == "-platform" || argument == "--platform") && i + 1 < argc) {
            ++i;
            continue;
        }
        arguments.push_back(argv[i]);
    }
    count = int(arguments.size());
    arguments.push_back(nullptr);
    shownBefore = qInstallMessageHandler(withoutIdleWarnings);
    return new QGuiApplication(count, arguments.data());
}

QString asterine_write_chart(const sky::BirthSkyRequest& request, const sky::BirthSky& sky,
                             const QString& path, int pixels) {
    const skychart::WheelPainter wheel(skychart::chartData(request, sky));
    const QSize size(pixels, pixels);
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return skychart::saveSvg(wheel, skychart::paperStyle(), size, path,
                                 QStringLiteral("Asterine"));
    return skychart::savePng(wheel, skychart::paperStyle(), size, path);
}

QString asterine_save_svg(const skychart::ChartPicture& picture, const skychart::ChartStyle& style,
                          QSize size, const QString& path, const QString& title) {
    return skychart::saveSvg(picture, style, size, path, title);
}
