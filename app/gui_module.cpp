// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window, in a module of its own that the launcher loads when
// no command was given.

#include <QtGlobal>

#include <functional>

#include "run.h"

extern "C" Q_DECL_EXPORT int asterine_run(int argc, char* argv[],
                                          const std::function<void()>* started) {
    return asterine::run(argc, argv, started ? *started : std::function<void()>());
}
