// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures written to PNG and PDF files.

#include "skychart/chart_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace skychart {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SkyChart)
};

}  // namespace

QString saveError(const QString& path, const QString& reason) {
    return Texts::tr("The picture could not be saved to %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString savePng(const ChartPicture& picture, const ChartStyle& style, QSize size,
                const QString& path) {
    if (size.isEmpty())
        return saveError(path, Texts::tr("the size is empty"));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return saveError(path, Texts::tr("the picture is too large"));
    {
        QPainter painter(&image);
        picture.paint(painter, QRectF(QPointF(), QSizeF(size)), style);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveError(path, file.errorString());
    if (!image.save(&file, "PNG"))
        return saveError(path, file.errorString());
    if (!file.commit())
        return saveError(path, file.errorString());
    return {};
}

QString savePdf(const std::vector<const ChartPicture*>& pictures, const ChartStyle& style,
                const QString& path, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveError(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Asterine"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        QPainter painter;
        if (!painter.begin(&writer))
            return saveError(path, Texts::tr("the PDF could not be started"));
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            if (i > 0)
                writer.newPage();
            const QRectF page(QPointF(), QSizeF(writer.width(), writer.height()));
            // The wheel square, the horizon wide: each as large as the page allows.
            QRectF frame = page;
            if (dynamic_cast<const WheelPainter*>(pictures[i]))
                frame.setHeight(std::min(page.width(), page.height()));
            else
                frame.setHeight(std::min(page.height(), page.width() / 1.6));
            frame.setWidth(dynamic_cast<const WheelPainter*>(pictures[i]) ? frame.height()
                                                                          : page.width());
            frame.moveCenter(QPointF(page.center().x(), frame.height() / 2));
            pictures[i]->paint(painter, frame, style);
        }
        painter.end();
    }
    if (!file.commit())
        return saveError(path, file.errorString());
    return {};
}

}  // namespace skychart
