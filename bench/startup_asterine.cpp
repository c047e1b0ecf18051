// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, as its launcher starts the window: the window's
// module loaded from lib/asterine, its run ending once the birth-details
// form is shown. The benchmark program lies in bench/ of the build tree,
// beside bin/, so the module is found where the program finds it.

#include <QCoreApplication>

#include <cstdio>
#include <functional>

#include "app/gui_module.h"
#include "formbase/program_module.h"

int main(int argc, char* argv[]) {
    const auto run = ASTERINE_MODULE_ENTRY(asterine::guiModuleName, asterine_run);
    if (!run) {
        std::fputs("no window module beside the benchmark\n", stderr);
        return 1;
    }
    const std::function<void()> started = [] { QCoreApplication::exit(0); };
    return run(argc, argv, &started);
}
