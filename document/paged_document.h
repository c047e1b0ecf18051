// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reading document on paper and in a PDF: one page for every reading,
// black on white whatever the desktop's palette, real text with its fonts
// embedded, and after the text the pictures of the birth's sky, drawn as
// lines and shapes rather than as a bitmap.

#include <QByteArray>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

#include <vector>

class QPagedPaintDevice;
class QTextDocument;

namespace skychart {
class ChartPicture;
}

namespace document {

struct ReadingDocument;

// The paper of the user's country: US Letter in the United States and
// Canada (and the few others that use it), A4 elsewhere.
QPageSize pageSizeFor(const QLocale& locale);

// The document's page: `pageSize` in portrait, with margins of 20 mm.
QPageLayout pageLayoutFor(const QPageSize& pageSize);

// The page to print on after the print dialog, which falls back to the
// printer's own paper and smallest margins whatever it was given: the
// document's `wanted` page, unless the user chose another in the dialog.
// `chosen` is the page the dialog left; `printerDefault` the printer's
// paper and `printerTakesWanted` whether it takes the document's. Paper
// other than the printer's default, margins other than its smallest and
// a turned page are the user's choice and are kept; margins are never made
// smaller than the printer's smallest.
QPageLayout pageLayoutToPrint(const QPageLayout& wanted, const QPageLayout& chosen,
                              const QPageSize& printerDefault, bool printerTakesWanted);

// The pictures that follow a reading on paper, in their order.
using PagePictures = std::vector<const skychart::ChartPicture*>;

// Draws `document` on `device`'s pages within their margins, starting on the
// page the device is on, and then `pictures`, each below the last where the
// page has room for it and else on the next page; returns the number of
// pages it took.
int render(const ReadingDocument& document, QPagedPaintDevice* device,
           const PagePictures& pictures = {});

// The document as a PDF on paper of `pageSize`, with its title and the
// program as its creator in the metadata.
QByteArray toPdf(const ReadingDocument& document, const QPageSize& pageSize,
                 const PagePictures& pictures = {});

}  // namespace document
