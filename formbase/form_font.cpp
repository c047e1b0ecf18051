// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

namespace asterine {

double formScale() {
    const QFont font = QGuiApplication::font();
    const double desktop = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return desktop > 0 ? desktop / 8.25 : 1.0;
}

int scaled(int pixels) {
    return qRound(pixels * formScale());
}

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
    font.setPointSizeF(pointSize * formScale());
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

}  // namespace asterine
