// SPDX-License-Identifier: GPL-3.0-or-later
// A picture written as SVG.

#include "skychart/svg_file.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "skychart/chart_files.h"

namespace skychart {

QString saveSvg(const ChartPicture& picture, const ChartStyle& style, QSize size,
                const QString& path, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveError(path, file.errorString());
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(), size));
        generator.setResolution(96);
        generator.setTitle(title);
        QPainter painter;
        if (!painter.begin(&generator))
            return saveError(path, file.errorString());
        picture.paint(painter, QRectF(QPointF(), QSizeF(size)), style);
        painter.end();
    }
    if (file.error() != QFileDevice::NoError || !file.commit())
        return saveError(path, file.errorString());
    return {};
}

}  // namespace skychart
