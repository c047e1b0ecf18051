// SPDX-License-Identifier: GPL-3.0-or-later
// Asterine: fixed-star astrology readings.
//
// The launcher: a command (--help, --version, reading) runs here, with Qt
// Core alone, without a display; the window comes from the program's module,
// so that a command never loads Qt's windowing libraries.

#include <QCoreApplication>
#include <QStringList>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "cli/command_line.h"
#include "formbase/program_module.h"
#include "gui_module.h"
#include "language/translation.h"
#include "skychart/chart_module.h"

namespace {

// A standard stream the program was started without (closed, as by
// ">&-") is taken by /dev/null opened for reading only: no file the
// program opens later becomes its output, and writing to the stream fails
// as writing to a closed one does.
void holdClosedStandardStreams() {
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int null = open("/dev/null", O_RDONLY);
        if (null >= 0 && null != stream) {
            dup2(null, stream);
            close(null);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    holdClosedStandardStreams();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Options are read before anything else: an unknown one is told as
    // such, not as a missing display.
    const asterine::cli::Invocation invocation = asterine::cli::commandOf(arguments);
    if (invocation.command != asterine::cli::Command::Window) {
        // A command that draws runs in the chart module's application, which
        // paints without a display; the others in Qt Core alone.
        std::unique_ptr<QCoreApplication> application;
        if (asterine::cli::drawsPictures(invocation, arguments)) {
            const auto make =
                ASTERINE_MODULE_ENTRY(skychart::chartModuleName, asterine_chart_application);
            if (!make) {
                std::fputs(
                    "asterine reading: the chart cannot be drawn: the chart module, "
                    "lib/asterine/asterine_chart.so beside the program's folder, is missing.\n",
                    stderr);
                return 1;
            }
            application.reset(make(argc, argv));
        } else {
            application = std::make_unique<QCoreApplication>(argc, argv);
        }
        QCoreApplication::setApplicationVersion(QStringLiteral(ASTERINE_VERSION));
        translation::useDesktopLanguage();
        // The arguments as given: the chart's application takes Qt's options
        // out of its own, and `invocation` counts them in.
        return asterine::cli::runCommand(invocation, arguments);
    }
    const auto run = ASTERINE_MODULE_ENTRY(asterine::guiModuleName, asterine_run);
    if (!run) {
        std::fputs(
            "Asterine's window is not installed: its module, lib/asterine/asterine_gui.so "
            "beside the program's folder, is missing.\n",
            stderr);
        return 1;
    }
    return run(argc, argv, nullptr);
}
