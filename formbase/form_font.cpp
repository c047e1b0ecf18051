// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace asterine {

QFont formFont(double pointSize, bool bold, bool underline) {
    // Looked up once: asking the font database for a missing face on every
    // control costs more than building the form.
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate :
             {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(candidate))
                return candidate;
        }
        return QFont().family();
    }();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

}  // namespace asterine
