// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry point of the browser module, which the program loads when the
// browser is first opened. The module defines the function declared here and
// createBrowser() finds it through this declaration (ASTERINE_MODULE_ENTRY),
// so that the two cannot disagree on its name or its type.

#include <QtGlobal>

#include "browser.h"

// A fresh browser window that searches for `phrase`, as createBrowser()
// gives it.
extern "C" Q_DECL_EXPORT QWidget* asterine_create_browser(
    const QString& phrase, asterine::UrlOpener& urls, const asterine::BrowserSettings& settings);

namespace asterine {

// The module's file in lib/asterine.
inline constexpr char browserModuleName[] = "asterine_browser";

}  // namespace asterine
