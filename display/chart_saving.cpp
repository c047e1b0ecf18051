// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_saving.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QSettings>

#include <algorithm>
#include <cmath>

#include "formbase/program_module.h"
#include "formbase/services.h"
#include "skychart/chart_files.h"
#include "skychart/chart_module.h"
#include "skychart/chart_picture.h"
#include "skychart/chart_style.h"

namespace asterine {

ChartFileKind chartFileKind(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0
               ? ChartFileKind::Png
               : ChartFileKind::Svg;
}

QString withChartExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".svg") : path;
}

namespace {

const QString widthKey = QStringLiteral("Settings/ChartWidth");

}  // namespace

int boundedChartWidth(int width) {
    return std::clamp(width, kChartMinimumWidth, kChartMaximumWidth);
}

QSize chartPixelSize(double aspect, int width) {
    if (!std::isfinite(aspect) || aspect <= 0)
        return QSize(width, width);
    return QSize(width, std::max(1, int(std::lround(width / aspect))));
}

QSize chartPixelSize(const skychart::ChartPicture& picture, int width) {
    return chartPixelSize(picture.aspect(), width);
}

int rememberedChartWidth(const SettingsLocation& settings) {
    bool number = false;
    const int width = settings.open()->value(widthKey).toInt(&number);
    return number ? boundedChartWidth(width) : kChartPixelWidth;
}

void rememberChartWidth(const SettingsLocation& settings, int width) {
    settings.open()->setValue(widthKey, boundedChartWidth(width));
}

QString saveChartFile(const skychart::ChartPicture& picture, const QString& path,
                      const QString& title, int pngWidth) {
    const skychart::ChartStyle paper = skychart::paperStyle();
    if (chartFileKind(path) == ChartFileKind::Png)
        return skychart::savePng(picture, paper,
                                 chartPixelSize(picture, boundedChartWidth(pngWidth)), path);
    // An SVG picture scales to any size: it is drawn at the default width.
    const QSize size = chartPixelSize(picture);
    static const auto save = ASTERINE_MODULE_ENTRY(skychart::chartModuleName, asterine_save_svg);
    if (!save)
        return skychart::saveError(
            path, QCoreApplication::translate("asterine::ChartSaving",
                                              "SVG pictures cannot be written by this copy of "
                                              "Asterine; save the chart as PNG instead."));
    return save(picture, paper, size, path, title);
}

QImage chartImage(const skychart::ChartPicture& picture) {
    QImage image(chartPixelSize(picture), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    picture.paint(painter, QRectF(QPointF(), QSizeF(image.size())), skychart::paperStyle());
    painter.end();
    return image;
}

}  // namespace asterine
