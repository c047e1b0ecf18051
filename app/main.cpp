// SPDX-License-Identifier: GPL-3.0-or-later
// Asterine: fixed-star astrology readings.
//
// The launcher: a command (--help, --version, reading) runs here, with Qt
// Core alone, without a display; the window comes from the program's module,
// so that a command never loads Qt's windowing libraries.

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <functional>

#include "cli/command_line.h"
#include "formbase/program_module.h"
#include "translation/translation.h"

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const asterine::cli::Command command = asterine::cli::commandOf(arguments);
    if (command != asterine::cli::Command::Window) {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(ASTERINE_VERSION));
        translation::useDesktopLanguage();
        return asterine::cli::runCommand(command, QCoreApplication::arguments());
    }
    using Run = int (*)(int, char**, const std::function<void()>*);
    const auto run =
        reinterpret_cast<Run>(asterine::programModuleFunction("asterine_gui", "asterine_run"));
    if (!run) {
        std::fputs(
            "Asterine's window is not installed: its module, lib/asterine/asterine_gui.so "
            "beside the program's folder, is missing.\n",
            stderr);
        return 1;
    }
    return run(argc, argv, nullptr);
}
