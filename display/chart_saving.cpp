// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_saving.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

#include "formbase/program_module.h"
#include "skychart/chart_files.h"
#include "skychart/chart_picture.h"
#include "skychart/chart_style.h"
#include "svg_module.h"

namespace asterine {

ChartFileKind chartFileKind(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0
               ? ChartFileKind::Png
               : ChartFileKind::Svg;
}

QString withChartExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".svg") : path;
}

QSize chartPixelSize(const skychart::ChartPicture& picture) {
    return QSize(kChartPixelWidth, qRound(kChartPixelWidth / picture.aspect()));
}

QString saveChartFile(const skychart::ChartPicture& picture, const QString& path,
                      const QString& title) {
    const skychart::ChartStyle paper = skychart::paperStyle();
    const QSize size = chartPixelSize(picture);
    if (chartFileKind(path) == ChartFileKind::Png)
        return skychart::savePng(picture, paper, size, path);
    static const auto save = ASTERINE_MODULE_ENTRY(svgModuleName, asterine_save_svg);
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
