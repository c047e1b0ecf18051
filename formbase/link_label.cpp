// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_label.h"

#include <QMouseEvent>

namespace asterine {

int WrappingLabel::heightForWidth(int width) const {
    if (!wordWrap())
        return QLabel::heightForWidth(width);
    if (width != width_ || text() != text_ || font() != font_ || contentsMargins() != margins_) {
        height_ = QLabel::heightForWidth(width);
        width_ = width;
        text_ = text();
        font_ = font();
        margins_ = contentsMargins();
    }
    return height_;
}

LinkLabel::LinkLabel(const QString& objectName, const QString& text, bool hand, QWidget* parent)
    : WrappingLabel(text, parent) {
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
