// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: what the program is, and two of the maker's links.

#include <QDialog>

namespace asterine {

class UrlOpener;

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(UrlOpener& urls, QWidget* opener);
};

}  // namespace asterine
