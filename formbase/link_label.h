// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Labels of the forms: one that wraps its text and remembers the height it
// needs for a width, and one that acts as a link.

#include <QFont>
#include <QLabel>

namespace asterine {

// A label whose word-wrapped text is laid out once for each width it is
// asked about: layouts ask a label's height for its width again and again,
// and Qt's label lays its whole text out for every question.
class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    int heightForWidth(int width) const override;

private:
    mutable int width_ = -1;
    mutable int height_ = -1;
    mutable QString text_;
    mutable QFont font_;
    mutable QMargins margins_;
};

class LinkLabel : public WrappingLabel {
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
