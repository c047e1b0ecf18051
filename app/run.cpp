// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include <QApplication>
#include <QList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "application.h"
#include "desktop_services.h"
#include "formbase/program_icon.h"
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

// What Qt reports while it connects to the windowing system. When no
// platform plugin can be started, Qt reports a fatal error and aborts the
// process, core dump and all; the program says so in one sentence instead
// and ends with a status that tells a failure. What Qt reports on a start
// that works is handed on as Qt would have shown it.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage>* gHeldMessages = nullptr;
QtMessageHandler gQtHandler = nullptr;

void holdStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(
            "Asterine cannot open its window: the windowing system could not be reached "
            "(no usable Qt platform plugin).\n",
            stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (gHeldMessages)
        gHeldMessages->append({type, QByteArray(context.category ? context.category : ""), text});
}

void handOnHeldMessages() {
    qInstallMessageHandler(gQtHandler);
    if (!gHeldMessages)
        return;
    for (const HeldMessage& held : std::as_const(*gHeldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
    delete gHeldMessages;
    gHeldMessages = nullptr;
}

}  // namespace

int run(int argc, char* argv[], const std::function<void()>& started) {
    if (!displayAvailable()) {
        std::fputs("Asterine needs a graphical display, and none was found.\n", stderr);
        return 1;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    gHeldMessages = new QList<HeldMessage>;
    gQtHandler = qInstallMessageHandler(holdStartMessages);
    QApplication qtApplication(argc, argv);
    handOnHeldMessages();
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
    if (!application.startUp(instance))
        return 0;
    if (started)
        QTimer::singleShot(0, &qtApplication, started);
    return QApplication::exec();
}

}  // namespace asterine
