// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal_text.h"

#include <QList>

namespace asterine::cli {

namespace {

bool steers(char32_t code) {
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        break;
    }
    // The marks and embeddings of bidirectional text.
    return code == 0x061c || code == 0x200e || code == 0x200f ||
           (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}

}  // namespace

QString terminalText(const QString& text, qsizetype limit) {
    QString shown;
    qsizetype count = 0;
    for (const char32_t code : text.toUcs4()) {
        if (count++ == limit) {
            shown += QChar(u'\u2026');
            break;
        }
        if (!steers(code))
            shown += QString::fromUcs4(&code, 1);
        else
            shown += (code < 0x100 ? QStringLiteral("\\x") : QStringLiteral("\\u")) +
                     QString::number(uint(code), 16)
                         .toUpper()
                         .rightJustified(code < 0x100 ? 2 : 4, QLatin1Char('0'));
    }
    return shown;
}

}  // namespace asterine::cli
