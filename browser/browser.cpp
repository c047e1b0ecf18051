// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser.h"

#include <QCoreApplication>
#include <QLabel>

#include "browser_module.h"
#include "formbase/form_font.h"
#include "formbase/program_module.h"
#include "web/brand.h"
#include "web/links.h"

namespace asterine {

namespace {

// The browser lives in a module of its own, loaded when it is first opened,
// so that the program does not pay for the web engine at start-up.
auto loadBrowserModule() {
    static const auto create = ASTERINE_MODULE_ENTRY(browserModuleName, asterine_create_browser);
    return create;
}

}  // namespace

BrowserSettings BrowserSettings::standard() {
    BrowserSettings settings;
    settings.searchEndpoint = QUrl(QStringLiteral("https://www.google.com/custom"));
    settings.providerHome = QUrl(QStringLiteral("https://www.google.com/"));
    settings.providerLogo = QUrl(QStringLiteral("https://www.google.com/logos/Logo_25wht.gif"));
    settings.publisherId = QStringLiteral("pub-quorvane-asterine");
    settings.homePage = linkAddress(LinkRole::HomePage);
    settings.searchPage = QUrl(QStringLiteral("https://www.google.com/"));
    return settings;
}

QWidget* createBrowser(const QString& phrase, UrlOpener& urls, const BrowserSettings& settings) {
    if (const auto create = loadBrowserModule())
        return create(phrase, urls, settings);
    // Without its module the browser window still opens, and says why it is empty.
    auto* missing = new QLabel(QCoreApplication::translate(
        "asterine::FrmBrowser", "The built-in browser is not installed."));
    missing->setObjectName(QStringLiteral("frmBrowser"));
    missing->setWindowTitle(brand::windowCaption());
    missing->setAttribute(Qt::WA_DeleteOnClose);
    missing->setAlignment(Qt::AlignCenter);
    missing->setMinimumSize(scaled(420), scaled(120));
    return missing;
}

}  // namespace asterine
