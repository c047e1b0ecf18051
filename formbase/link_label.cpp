// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_label.h"

#include <QMouseEvent>

namespace asterine {

LinkLabel::LinkLabel(const QString& objectName, const QString& text, bool hand, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    if (hand)
        setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace asterine
