// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reading document on paper and in a PDF: one page for every reading,
// black on white whatever the desktop's palette, real text with its fonts
// embedded.

#include <QByteArray>
#include <QLocale>
#include <QPageSize>

class QPagedPaintDevice;
class QTextDocument;

namespace document {

struct ReadingDocument;

// The paper of the user's country: US Letter in the United States and
// Canada (and the few others that use it), A4 elsewhere.
QPageSize pageSizeFor(const QLocale& locale);

// Draws `document` on `device`'s pages within their margins, starting on the
// page the device is on; returns the number of pages it took.
int render(const ReadingDocument& document, QPagedPaintDevice* device);

// The document as a PDF on paper of `pageSize`, with its title and the
// program as its creator in the metadata.
QByteArray toPdf(const ReadingDocument& document, const QPageSize& pageSize);

}  // namespace document
