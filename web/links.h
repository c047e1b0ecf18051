// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The maker's web pages the program offers, one fixed address per role,
// opened in the user's default browser.

#include <QUrl>

namespace asterine {

class UrlOpener;

enum class LinkRole {
    HomePage,          // the maker's home page, its discussion forum
    HelpPage,          // the product's online help
    DownloadPage,      // the product's download page
    DonatePage,        // donations, on the maker's help site
    CoBrandPage,       // co-branding offer, on the maker's help site
    FullyBrandedPage,  // fully branded edition offer, on the maker's help site
    SoftwaresPage,     // the maker's family of programs
};

QUrl linkAddress(LinkRole role);

// Opens the role's page and returns at once; nothing is reported.
void OpenLink(UrlOpener& opener, LinkRole role);

}  // namespace asterine
