// SPDX-License-Identifier: GPL-3.0-or-later
#include "paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

#include "reading_document.h"
#include "skychart/chart_picture.h"
#include "skychart/chart_style.h"

namespace document {

namespace {

// Whether `text` holds letters of a script that is written with its
// letters joined or combined (Arabic, Devanagari...).
bool needsShaping(const QString& text) {
    for (const QChar c : text) {
        switch (c.script()) {
        case QChar::Script_Common:
        case QChar::Script_Inherited:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
            break;
        default:
            return true;
        }
    }
    return false;
}

// Letters as they are, without ligatures, in the runs of alphabets that do
// not need their letters joined: "Effect" stays six letters that a search
// in the PDF finds. Qt forms no ligatures in a letter-spaced run; a
// fiftieth of a pixel at 300 dots an inch does not show. Runs of Arabic
// or Devanagari keep their shaping.
void keepLettersApart(QTextDocument& text) {
    QList<std::pair<int, int>> runs;  // where and how long
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && !needsShaping(fragment.text()))
                runs.append({fragment.position(), fragment.length()});
        }
    }
    QTextCharFormat apart;
    apart.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    apart.setFontLetterSpacing(0.02);
    QTextCursor cursor(&text);
    for (const auto& [position, length] : runs) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(apart);
    }
}

// Of the page's width, the share a picture takes: the wheel somewhat less
// than the whole, so that the reading and the wheel often share a page; the
// day over the birthplace, wider than tall, all of it.
double widthShare(const skychart::ChartPicture& picture) {
    return picture.aspect() > 1.2 ? 1.0 : 0.75;
}

// Draws the pictures from `top` of the current page down, turning to a new
// page for a picture that does not fit; returns the pages it added.
int drawPictures(QPainter& painter, QPagedPaintDevice* device, const QRect& page, double top,
                 const PagePictures& pictures) {
    const skychart::ChartStyle paper = skychart::paperStyle();
    const double gap = device->logicalDpiY() * 0.25;  // a quarter of an inch
    int added = 0;
    double y = top;
    for (const skychart::ChartPicture* picture : pictures) {
        if (!picture)
            continue;
        double width = page.width() * widthShare(*picture);
        double height = width / picture->aspect();
        if (height > page.height()) {
            height = page.height();
            width = height * picture->aspect();
        }
        if (y > 0)
            y += gap;
        // Made smaller, down to half the page's width, rather than leave
        // the rest of the page empty.
        const double room = page.height() - y;
        if (height > room && room * picture->aspect() >= page.width() * 0.5) {
            height = room;
            width = height * picture->aspect();
        }
        if (y + height > page.height()) {
            device->newPage();
            ++added;
            y = 0;
        }
        picture->paint(painter, QRectF((page.width() - width) / 2, y, width, height), paper);
        y += height;
    }
    return added;
}

}  // namespace

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

QPageLayout pageLayoutFor(const QPageSize& pageSize) {
    return QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

QPageLayout pageLayoutToPrint(const QPageLayout& wanted, const QPageLayout& chosen,
                              const QPageSize& printerDefault, bool printerTakesWanted) {
    QPageLayout layout = chosen;
    layout.setUnits(QPageLayout::Point);
    if (printerTakesWanted && !chosen.pageSize().isEquivalentTo(wanted.pageSize()) &&
        chosen.pageSize().isEquivalentTo(printerDefault))
        layout.setPageSize(wanted.pageSize(), layout.minimumMargins());
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF margins = layout.margins();
    const auto same = [](const QMarginsF& a, const QMarginsF& b) {
        return qAbs(a.left() - b.left()) < 0.5 && qAbs(a.top() - b.top()) < 0.5 &&
               qAbs(a.right() - b.right()) < 0.5 && qAbs(a.bottom() - b.bottom()) < 0.5;
    };
    if (same(margins, least) || same(margins, QMarginsF())) {
        const QMarginsF want = wanted.margins(QPageLayout::Point);
        layout.setMargins(QMarginsF(
            std::max(want.left(), least.left()), std::max(want.top(), least.top()),
            std::max(want.right(), least.right()), std::max(want.bottom(), least.bottom())));
    }
    layout.setUnits(wanted.units());
    return layout;
}

int render(const ReadingDocument& reading, QPagedPaintDevice* device,
           const PagePictures& pictures) {
    QTextDocument text;
    // Laid out for the device's resolution, so that the point sizes are
    // points on paper.
    text.documentLayout()->setPaintDevice(device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(11);
    // Shaped as each script needs it: Arabic letters joined, Devanagari's
    // conjuncts formed; laid out in the document's direction.
    text.setDefaultFont(font);
    QTextOption option = text.defaultTextOption();
    option.setTextDirection(reading.direction);
    text.setDefaultTextOption(option);
    text.setHtml(toPageHtml(reading));
    keepLettersApart(text);
    const QRect page = device->pageLayout().paintRectPixels(device->logicalDpiX());
    text.setPageSize(page.size());

    // Black on white: anything the document does not colour is black, not
    // the desktop's text colour.
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
    if (pictures.empty())
        return pages;
    // Below the text's last line on its last page.
    const QRectF last = text.documentLayout()->blockBoundingRect(text.lastBlock());
    const double top = std::max(0.0, last.bottom() - (pages - 1) * page.height());
    painter.setRenderHint(QPainter::Antialiasing);
    return pages + drawPictures(painter, device, QRect(QPoint(), page.size()), top, pictures);
}

QByteArray toPdf(const ReadingDocument& reading, const QPageSize& pageSize,
                 const PagePictures& pictures) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pageLayoutFor(pageSize));
        writer.setResolution(300);
        writer.setTitle(metadataTitle(reading));
        writer.setCreator(QStringLiteral("Asterine %1").arg(QStringLiteral(ASTERINE_VERSION)));
        render(reading, &writer, pictures);
    }
    return bytes;
}

}  // namespace document
