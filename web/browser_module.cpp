// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the browser module, which the program loads when the
// browser is first opened.

#include "browser_form.h"

extern "C" Q_DECL_EXPORT QWidget* asterine_create_browser(
    const QString& phrase, asterine::UrlOpener& urls, const asterine::BrowserSettings& settings) {
    return new asterine::FrmBrowser(phrase, urls, settings);
}
