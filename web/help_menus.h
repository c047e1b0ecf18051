// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Help and Donate menus that the birth-details and result forms share.

#include <QString>

#include <functional>

class QMenuBar;

namespace asterine {

class UrlOpener;

// What differs between the forms' Help menus.
struct HelpMenuNames {
    QString updateCaption;  // the update item's caption, with its access key
    QString firstSeparator;
    QString secondSeparator;
};

// Adds "&Help" (online help, visit us, update, About) and "&Donate" to `bar`.
void addHelpAndDonateMenus(QMenuBar* bar, UrlOpener& urls, const HelpMenuNames& names,
                           std::function<void()> showAbout);

}  // namespace asterine
