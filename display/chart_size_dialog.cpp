// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_size_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "chart_saving.h"

namespace asterine {

ChartSizeDialog::ChartSizeDialog(int width, double aspect, QWidget* parent)
    : QDialog(parent), aspect_(aspect) {
    setObjectName(QStringLiteral("frmChartSize"));
    setWindowTitle(tr("Size of the PNG Picture"));
    setAccessibleName(windowTitle());
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);

    spnWidth_ = new QSpinBox(this);
    spnWidth_->setObjectName(QStringLiteral("spnChartWidth"));
    spnWidth_->setRange(kChartMinimumWidth, kChartMaximumWidth);
    spnWidth_->setSingleStep(100);
    spnWidth_->setValue(boundedChartWidth(width));
    spnWidth_->setAccessibleName(tr("Width in pixels"));
    auto* widthCaption = new QLabel(tr("&Width in pixels:"), this);
    widthCaption->setObjectName(QStringLiteral("lblChartWidth"));
    widthCaption->setBuddy(spnWidth_);
    fields->addRow(widthCaption, spnWidth_);

    lblHeight_ = new QLabel(this);
    lblHeight_->setObjectName(QStringLiteral("lblChartHeight"));
    auto* heightCaption = new QLabel(tr("Height in pixels:"), this);
    fields->addRow(heightCaption, lblHeight_);
    connect(spnWidth_, &QSpinBox::valueChanged, this, &ChartSizeDialog::showHeight);
    showHeight();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdChartSizeOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdChartSizeCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // The width is typed over at once.
    spnWidth_->setFocus();
    spnWidth_->selectAll();
}

int ChartSizeDialog::width() const {
    return spnWidth_->value();
}

void ChartSizeDialog::showHeight() {
    // In the digits of the width box beside it, and as it writes them, with
    // no separator between the thousands.
    QLocale digits = spnWidth_->locale();
    digits.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString height = digits.toString(chartPixelSize(aspect_, width()).height());
    lblHeight_->setText(height);
    // Read with its caption, as the eye takes them together.
    lblHeight_->setAccessibleName(tr("Height in pixels: %1").arg(height));
}

int askChartWidth(QWidget* parent, int suggested, double aspect) {
    ChartSizeDialog dialog(suggested, aspect, parent);
    // Held for the whole program, as the file dialog before it is.
    dialog.setWindowModality(Qt::ApplicationModal);
    return dialog.exec() == QDialog::Accepted ? dialog.width() : 0;
}

}  // namespace asterine
