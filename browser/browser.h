// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The built-in browser that searches the web for the latitude and longitude
// of the typed place.

#include <QString>
#include <QUrl>

class QWidget;

namespace asterine {

class UrlOpener;

// Where the browser's searches and toolbar buttons lead.
struct BrowserSettings {
    QUrl searchEndpoint;  // the search form's action
    QUrl providerHome;    // the provider's home page, behind its logo
    QUrl providerLogo;
    QString publisherId;  // the maker's identifier with the provider
    QUrl homePage;        // the "Home" button
    QUrl searchPage;      // the "Search" button

    // The search provider's pages and the maker's home page.
    static BrowserSettings standard();
};

// A fresh browser window that searches for `phrase`; it deletes itself when
// closed. The web engine starts with the first browser, not with the program.
QWidget* createBrowser(const QString& phrase, UrlOpener& urls,
                       const BrowserSettings& settings = BrowserSettings::standard());

}  // namespace asterine
