// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the browser module, which the program loads when the
// browser is first opened.

#include "browser_module.h"

#include <QOpenGLContext>
#include <QQuickWindow>

#include "browser_form.h"

extern "C" QWidget* asterine_create_browser(const QString& phrase, asterine::UrlOpener& urls,
                                            const asterine::BrowserSettings& settings) {
    // Without OpenGL (the program starts without it, see app/platform_start),
    // the shared context exists but was never made, and the web engine's
    // scene graph draws in software; the user's own choice of scene graph
    // stands.
    const QOpenGLContext* shared = QOpenGLContext::globalShareContext();
    if ((!shared || !shared->isValid()) && !qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return new asterine::FrmBrowser(phrase, urls, settings);
}
