// SPDX-License-Identifier: GPL-3.0-or-later
// The entry points of the program's modules, defined as their headers
// declare them; compiled with the program and never run. The module_entries
// test compiles this file again with one definition changed (STRAY_GUI,
// STRAY_BROWSER, STRAY_PRINT, STRAY_APPLICATION, STRAY_CHART, STRAY_SVG), as
// a module and its loader that drifted apart would be, and wants the
// compiler to refuse it. The chart module's three entries are one module's,
// found by the command line and the result window alike.

#include "app/gui_module.h"
#include "browser/browser_module.h"
#include "display/print_module.h"
#include "sky/birth_sky.h"
#include "skychart/chart_module.h"

#ifdef STRAY_GUI
// Without the call once the form is shown.
extern "C" int asterine_run(int, char*[]) {
    return 0;
}
#else
extern "C" int asterine_run(int, char*[], const std::function<void()>*) {
    return 0;
}
#endif

#ifdef STRAY_BROWSER
// Without the browser's settings.
extern "C" QWidget* asterine_create_browser(const QString&, asterine::UrlOpener&) {
    return nullptr;
}
#else
extern "C" QWidget* asterine_create_browser(const QString&, asterine::UrlOpener&,
                                            const asterine::BrowserSettings&) {
    return nullptr;
}
#endif

#ifdef STRAY_PRINT
// Without the pictures.
extern "C" void asterine_put_on_paper(QWidget*, const document::ReadingDocument&,
                                      asterine::PaperAction, asterine::MessageService&) {}
#else
extern "C" void asterine_put_on_paper(QWidget*, const document::ReadingDocument&,
                                      const std::vector<const skychart::ChartPicture*>&,
                                      asterine::PaperAction, asterine::MessageService&) {}
#endif

#ifdef STRAY_SVG
// Without the title.
extern "C" QString asterine_save_svg(const skychart::ChartPicture&, const skychart::ChartStyle&,
                                     QSize, const QString&) {
    return {};
}
#else
extern "C" QString asterine_save_svg(const skychart::ChartPicture&, const skychart::ChartStyle&,
                                     QSize, const QString&, const QString&) {
    return {};
}
#endif

#ifdef STRAY_APPLICATION
// The arguments' count taken as a copy, so that the application's own
// count could outlive them no more.
extern "C" QCoreApplication* asterine_chart_application(int, char**) {
    return nullptr;
}
#else
extern "C" QCoreApplication* asterine_chart_application(int&, char**) {
    return nullptr;
}
#endif

#ifdef STRAY_CHART
// Without the sky worked out.
extern "C" QString asterine_write_chart(const sky::BirthSkyRequest&, const QString&, int) {
    return {};
}
#else
extern "C" QString asterine_write_chart(const sky::BirthSkyRequest&, const sky::BirthSky&,
                                        const QString&, int) {
    return {};
}
#endif
