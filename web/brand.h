// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The maker's and the product's fixed texts and addresses, in one place.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace asterine::brand {

// Window captions.
QString windowCaption();

// The maker's main site, whose root is the home page (its forum).
QUrl mainSite();
// The product's own site, which serves the help and download pages.
QUrl productSite();
// The maker's help site, which serves the donation and reseller pages.
QUrl helpSite();
// The maker's web address as it is shown to users.
QString shownAddress();

// The description shown on the birth-details form, the result form and in
// the About box.
QString description();
// The banner that invites the user to the maker's forum.
QString forumBanner();
QString coBrandOffer();
QString fullyBrandedOffer();

// The tell-a-friend form's texts.
QStringList supportMessages();  // four, by the number drawn at load
QString softwaresParagraph();

}  // namespace asterine::brand
