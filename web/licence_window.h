// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The licence the program comes under, in full, for the user to read.

#include <QDialog>

namespace asterine {

// The GNU General Public License, version 3, as the program carries it.
QString licenceText();

class LicenceWindow : public QDialog {
    Q_OBJECT
public:
    explicit LicenceWindow(QWidget* opener);
};

}  // namespace asterine
