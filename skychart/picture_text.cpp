// SPDX-License-Identifier: GPL-3.0-or-later
// Texts drawn centred in the boxes the layouts give them.

#include "skychart/picture_text.h"

#include <QFontMetricsF>
#include <QPainter>

namespace skychart {

void drawTextBox(QPainter& painter, const TextBox& text) {
    const QFontMetricsF metrics(text.font, painter.device());
    QRectF ink = metrics.tightBoundingRect(text.text);
    if (ink.isEmpty())
        ink = QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(text.text), metrics.height());
    painter.setFont(text.font);
    painter.drawText(text.box.center() - ink.center(), text.text);
}

}  // namespace skychart
