// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small dialog asking how many pixels wide a picture is saved as PNG,
// the height it will have shown as the width changes.

#include <QDialog>

class QLabel;
class QSpinBox;

namespace asterine {

class ChartSizeDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from `width` (brought within the widths allowed), for a picture
    // of `aspect` (its width over its height).
    ChartSizeDialog(int width, double aspect, QWidget* parent = nullptr);

    int width() const;

private:
    void showHeight();

    double aspect_;
    QSpinBox* spnWidth_;
    QLabel* lblHeight_;
};

// Shows the dialog modal over `parent`; the width chosen, or 0 when the
// user cancelled.
int askChartWidth(QWidget* parent, int suggested, double aspect);

}  // namespace asterine
