// SPDX-License-Identifier: GPL-3.0-or-later
#include "paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextDocument>

#include "reading_document.h"

namespace document {

QPageSize pageSizeFor(const QLocale& locale) {
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::PuertoRico:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
        return QPageSize(QPageSize::Letter);
    default:
        return QPageSize(QPageSize::A4);
    }
}

int render(const ReadingDocument& reading, QPagedPaintDevice* device) {
    QTextDocument text;
    // Laid out for the device's resolution, so that the point sizes are
    // points on paper.
    text.documentLayout()->setPaintDevice(device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(11);
    // Letters as they are, without ligatures: "Effect" stays five letters
    // that a search in the PDF finds.
    font.setStyleStrategy(QFont::PreferNoShaping);
    text.setDefaultFont(font);
    text.setHtml(toHtml(reading));
    const QRect page = device->pageLayout().paintRectPixels(device->logicalDpiX());
    text.setPageSize(page.size());

    // The text's own colours are black and dark blue; anything the document
    // does not colour is black, not the desktop's text colour.
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = QPalette(Qt::black, Qt::white);
    context.palette.setColor(QPalette::Text, Qt::black);

    QPainter painter(device);
    const int pages = text.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            device->newPage();
        painter.save();
        const QRect shown(0, index * page.height(), page.width(), page.height());
        painter.translate(0, -shown.top());
        context.clip = shown;
        painter.setClipRect(shown);
        text.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return pages;
}

QByteArray toPdf(const ReadingDocument& reading, const QPageSize& pageSize) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(metadataTitle(reading));
        writer.setCreator(QStringLiteral("Asterine %1").arg(QStringLiteral(ASTERINE_VERSION)));
        render(reading, &writer);
    }
    return bytes;
}

}  // namespace document
