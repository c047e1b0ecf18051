// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>

#include "application.h"
#include "cli/terminal_text.h"
#include "desktop_services.h"
#include "formbase/program_icon.h"
#include "language/translation.h"
#include "platform_start.h"
#include "single_instance.h"
#include "termination_signals.h"

namespace asterine {

namespace {

// Whether a windowing system can be reached: a display, or a platform
// chosen explicitly, in the environment or with Qt's -platform option.
bool displayAvailable(int argc, char* argv[]) {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            return true;
    }
    return false;
}

}  // namespace

int run(int argc, char* argv[], const std::function<void()>& started) {
    if (!displayAvailable(argc, argv)) {
        std::fputs("Asterine needs a graphical display, and none was found.\n", stderr);
        return 1;
    }
    PlatformStart platform;
    QApplication qtApplication(argc, argv);
    platform.applicationMade();
    // Qt has taken its own options (-platform, -style, ...); anything left
    // is no option of the window's.
    if (argc > 1) {
        const QByteArray option = cli::terminalText(QString::fromLocal8Bit(argv[1])).toUtf8();
        std::fprintf(stderr,
                     "asterine: unknown option \u201c%s\u201d. Try \u201casterine --help\u201d.\n",
                     option.constData());
        return 2;
    }
    // The desktop's language, where Asterine has it; right to left where
    // the language is written so.
    translation::useDesktopLanguage();
    QGuiApplication::setLayoutDirection(QLocale().textDirection());
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
