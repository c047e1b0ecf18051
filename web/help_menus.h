// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The menus that the birth-details and result forms share.

#include <QString>

#include <functional>

class QAbstractButton;
class QMenuBar;
class QWidget;

namespace asterine {

class UrlOpener;

// What differs between the forms' Help menus.
struct HelpMenuNames {
    QString updateCaption;  // the update item's caption, with its access key
    QString firstSeparator;
    QString secondSeparator;
};

// Adds "&File" to `bar`: a first item named `firstName` that clicks `first`,
// exactly as if the button had been pressed, then "E&xit" (`mnuExit`), which
// closes `form`.
void addFileMenu(QMenuBar* bar, QWidget* form, const QString& firstCaption, const char* firstName,
                 QAbstractButton* first);

// Adds "&Help" (online help, visit us, update, About) and "&Donate" to `bar`.
void addHelpAndDonateMenus(QMenuBar* bar, UrlOpener& urls, const HelpMenuNames& names,
                           std::function<void()> showAbout);

}  // namespace asterine
