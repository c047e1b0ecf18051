// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module: Qt's print dialog and print preview for one reading,
// loaded when the user first prints.

#include "print_module.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

#include "document/paged_document.h"
#include "document/reading_document.h"
#include "formbase/services.h"

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::Printing)
};

}  // namespace

extern "C" void asterine_put_on_paper(QWidget* parent, const document::ReadingDocument& reading,
                                      const std::vector<const skychart::ChartPicture*>& pictures,
                                      asterine::PaperAction action,
                                      asterine::MessageService& messages) {
    QPrinter printer(QPrinter::HighResolution);
    // The paper of the user's country and the document's margins, as the
    // PDF has them; the dialogs can change them.
    const QPageLayout wanted = document::pageLayoutFor(document::pageSizeFor(QLocale()));
    printer.setPageLayout(wanted);
    printer.setDocName(document::metadataTitle(reading));
    printer.setCreator(QStringLiteral("Asterine"));

    if (action == asterine::PaperAction::Preview) {
        QPrintPreviewDialog preview(&printer, parent);
        preview.setObjectName(QStringLiteral("frmPrintPreview"));
        QObject::connect(
            &preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&reading, &pictures](QPrinter* paper) { document::render(reading, paper, pictures); });
        preview.exec();
        return;
    }
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        messages.show(
            parent,
            Texts::tr("No printer was found. Set one up in the desktop's printer settings, "
                      "or choose Export as PDF to save the reading as a file you can print."),
            asterine::MessageIcon::Information);
        return;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("frmPrint"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog sets the printer's own paper and smallest margins on the
    // way: the page printed is the one previewed unless the user chose
    // another.
    const QPrinterInfo info(printer);
    const QList<QPageSize> sizes = info.supportedPageSizes();
    const bool takesWanted = std::any_of(
        sizes.begin(), sizes.end(),
        [&wanted](const QPageSize& size) { return size.isEquivalentTo(wanted.pageSize()); });
    printer.setPageLayout(document::pageLayoutToPrint(wanted, printer.pageLayout(),
                                                      info.defaultPageSize(), takesWanted));
    document::render(reading, &printer, pictures);
}
