// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry point of the printing module, which the program loads when the
// user first prints. The module defines the function declared here and
// putOnPaper() finds it through this declaration (ASTERINE_MODULE_ENTRY), so
// that the two cannot disagree on its name or its type.

#include <QtGlobal>

#include "printing.h"

// Prints `reading` and `pictures` after the print dialog, or shows them in
// the print preview, as putOnPaper() does.
extern "C" Q_DECL_EXPORT void asterine_put_on_paper(
    QWidget* parent, const document::ReadingDocument& reading,
    const std::vector<const skychart::ChartPicture*>& pictures, asterine::PaperAction action,
    asterine::MessageService& messages);

namespace asterine {

// The module's file in lib/asterine.
inline constexpr char printModuleName[] = "asterine_print";

}  // namespace asterine
