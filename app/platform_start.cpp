// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform_start.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace asterine {

namespace {

// The forms draw with the processor alone and never need OpenGL; only the
// built-in browser's web engine would, and it renders in software as well.
// Qt opens the OpenGL driver when it first meets the windowing system on
// X11 and Wayland (for the shared context the web engine asks for), tens of
// megabytes and milliseconds before anything is shown. Where the user has
// not chosen otherwise, the platform plugins are asked to leave OpenGL out.
struct PlatformChoice {
    const char* variable;
    const char* value;
};
constexpr PlatformChoice kWithoutOpenGL[] = {
    {"QT_XCB_GL_INTEGRATION", "none"},
    {"QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "asterine-none"},
};

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
QList<HeldMessage>* gHeld = nullptr;
QtMessageHandler gQtHandler = nullptr;
bool gXcbChosen = false;
bool gWaylandChosen = false;

// The platform plugins say that they go without OpenGL: what was asked of
// them, not news for the user.
bool saysWhatWasChosen(const QString& text) {
    if (gXcbChosen && text.contains(QLatin1String("Cannot create platform OpenGL context")))
        return true;
    return gWaylandChosen && text.contains(QLatin1String("client buffer integration")) &&
           (text.contains(QLatin1String("asterine-none")) ||
            text.contains(QLatin1String("Available client buffer integrations")));
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && gHeld) {
        std::fputs(
            "Asterine cannot open its window: the windowing system could not be reached "
            "(no usable Qt platform plugin).\n",
            stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (saysWhatWasChosen(text))
        return;
    if (gHeld) {
        gHeld->append({type, QByteArray(context.category ? context.category : ""), text});
        return;
    }
    if (gQtHandler)
        gQtHandler(type, context, text);
    else
        qt_message_output(type, context, text);
}

}  // namespace

PlatformStart::PlatformStart() {
    // The web engine wants its contexts shared before the application
    // exists, even when it is loaded later, from a module, and renders in
    // software.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    for (const PlatformChoice& choice : kWithoutOpenGL) {
        if (qEnvironmentVariableIsSet(choice.variable))
            continue;
        qputenv(choice.variable, choice.value);
        chosen_ << choice.variable;
    }
    gXcbChosen = chosen_.contains("QT_XCB_GL_INTEGRATION");
    gWaylandChosen = chosen_.contains("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION");
    gHeld = new QList<HeldMessage>;
    gQtHandler = qInstallMessageHandler(handleMessage);
}

PlatformStart::~PlatformStart() {
    delete gHeld;
    gHeld = nullptr;
    qInstallMessageHandler(gQtHandler);
    gQtHandler = nullptr;
}

void PlatformStart::applicationMade() {
    QList<HeldMessage>* held = gHeld;
    gHeld = nullptr;
    if (!held)
        return;
    for (const HeldMessage& message : std::as_const(*held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        handleMessage(message.type, context, message.text);
    }
    delete held;
}

void PlatformStart::windowShown() {
    // Qt's Wayland plugin reads its choice when the first window is made,
    // not with the application object.
    for (const QByteArray& variable : std::as_const(chosen_))
        qunsetenv(variable.constData());
}

}  // namespace asterine
