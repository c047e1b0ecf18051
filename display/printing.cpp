// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing.h"

#include <QCoreApplication>

#include "formbase/program_module.h"
#include "formbase/services.h"
#include "print_module.h"

namespace asterine {

void putOnPaper(QWidget* parent, const document::ReadingDocument& reading,
                const std::vector<const skychart::ChartPicture*>& pictures, PaperAction action,
                MessageService& messages) {
    static const auto print = ASTERINE_MODULE_ENTRY(printModuleName, asterine_put_on_paper);
    if (!print) {
        messages.show(parent,
                      QCoreApplication::translate("asterine::Printing",
                                                  "Printing is not installed with this copy of "
                                                  "Asterine. Export as PDF saves the reading as a "
                                                  "file you can print."),
                      MessageIcon::Information);
        return;
    }
    print(parent, reading, pictures, action, messages);
}

}  // namespace asterine
