// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text from the command line as a message may quote it on a terminal.

#include <QString>

namespace asterine::cli {

// `text` with every character that would steer the terminal or turn the
// line around written as an escape instead: control characters ("\x1B"),
// line and paragraph separators and the marks that change the direction of
// text ("\u202E"); at most `limit` characters of it, then "…".
QString terminalText(const QString& text, qsizetype limit = 80);

}  // namespace asterine::cli
