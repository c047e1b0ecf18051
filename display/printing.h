// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reading on paper: Qt's print dialog and print preview. They live in a
// module of their own, loaded when first used, so that start-up does not
// pay for Qt Print Support and the printing system's libraries.

#include <vector>

class QWidget;

namespace document {
struct ReadingDocument;
}

namespace skychart {
class ChartPicture;
}

namespace asterine {

class MessageService;

enum class PaperAction { Print, Preview };

// Prints `reading` and then `pictures` after the print dialog, or shows
// them in the print preview. Where no printer is known, Print says so; the
// preview works all the same.
void putOnPaper(QWidget* parent, const document::ReadingDocument& reading,
                const std::vector<const skychart::ChartPicture*>& pictures, PaperAction action,
                MessageService& messages);

}  // namespace asterine
