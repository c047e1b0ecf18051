// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "application.h"
#include "desktop_services.h"
#include "formbase/program_icon.h"
#include "platform_start.h"
#include "single_instance.h"
#include "termination_signals.h"

namespace asterine {

namespace {

// Whether a windowing system can be reached: a display, or a platform
// chosen explicitly.
bool displayAvailable() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return false;
}

}  // namespace

int run(int argc, char* argv[], const std::function<void()>& started) {
    if (!displayAvailable()) {
        std::fputs("Asterine needs a graphical display, and none was found.\n", stderr);
        return 1;
    }
    PlatformStart platform;
    QApplication qtApplication(argc, argv);
    platform.applicationMade();
    QApplication::setWindowIcon(programIcon());
    // Ties the windows to the desktop entry, for docks and task switchers.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Asterine"));

    DesktopServices desktop;
    Application application(desktop.services());
    // A logout, Ctrl+C in a terminal or a closed terminal ends the program
    // as its own Exit does, without the farewell, and lets go of the lock.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application,
                     &Application::endApplication);
    SingleInstance instance;
    const bool startedUp = application.startUp(instance);
    platform.windowShown();
    if (!startedUp)
        return 0;
    if (started)
        QTimer::singleShot(0, &qtApplication, started);
    return QApplication::exec();
}

}  // namespace asterine
