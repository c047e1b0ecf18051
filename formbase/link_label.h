// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A label that acts as a link: it reports a left click.

#include <QLabel>

namespace asterine {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    // `hand` gives the label the hand-shaped pointer.
    LinkLabel(const QString& objectName, const QString& text, bool hand, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace asterine
