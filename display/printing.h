// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reading on paper: Qt's print dialog and print preview. They live in a
// module of their own, loaded when first used, so that start-up does not
// pay for Qt Print Support and the printing system's libraries.

class QWidget;

namespace document {
struct ReadingDocument;
}

namespace asterine {

class MessageService;

enum class PaperAction { Print, Preview };

// Prints `reading` after the print dialog, or shows it in the print preview.
// Where no printer is known, Print says so; the preview works all the same.
void putOnPaper(QWidget* parent, const document::ReadingDocument& reading, PaperAction action,
                MessageService& messages);

}  // namespace asterine
