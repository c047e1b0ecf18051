// SPDX-License-Identifier: GPL-3.0-or-later
#include "links.h"

#include "brand.h"
#include "formbase/services.h"

namespace asterine {

QUrl linkAddress(LinkRole role) {
    switch (role) {
    case LinkRole::HomePage:
        return brand::mainSite();
    case LinkRole::HelpPage:
        return brand::productSite().resolved(QUrl(QStringLiteral("help.html")));
    case LinkRole::DownloadPage:
        return brand::productSite().resolved(QUrl(QStringLiteral("download.html")));
    case LinkRole::DonatePage:
        return brand::helpSite().resolved(QUrl(QStringLiteral("donate.html")));
    case LinkRole::CoBrandPage:
        return brand::helpSite().resolved(QUrl(QStringLiteral("co-brand.html")));
    case LinkRole::FullyBrandedPage:
        return brand::helpSite().resolved(QUrl(QStringLiteral("fully-branded.html")));
    case LinkRole::SoftwaresPage:
        return brand::mainSite().resolved(QUrl(QStringLiteral("softwares.html")));
    }
    return {};
}

void OpenLink(UrlOpener& opener, LinkRole role) {
    opener.open(linkAddress(role));
}

}  // namespace asterine
