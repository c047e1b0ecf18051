// SPDX-License-Identifier: GPL-3.0-or-later
#include "licence_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "formbase/form_font.h"

namespace asterine {

QString licenceText() {
    QFile file(QStringLiteral(":/asterine/LICENSE"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

LicenceWindow::LicenceWindow(QWidget* opener) : QDialog(opener) {
    setObjectName(QStringLiteral("frmLicence"));
    setWindowTitle(tr("Asterine Licence"));
    setModal(true);
    resize(scaled(620), scaled(520));

    auto* layout = new QVBoxLayout(this);
    auto* text = new QPlainTextEdit(licenceText(), this);
    text->setObjectName(QStringLiteral("txtLicence"));
    text->setAccessibleName(tr("Licence"));
    text->setReadOnly(true);
    // Read-only, it still takes the keyboard so that the text can be
    // scrolled, searched by a screen reader and copied.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(fixed.pointSizeF() > 0 ? fixed.pointSizeF() : 9);
    text->setFont(fixed);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    text->setFocus();
}

}  // namespace asterine
