// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window, in a module of its own that the launcher loads when
// no command was given.

#include "gui_module.h"

#include "run.h"

// extern "C" here as well: a definition that strays from the header's
// declaration is then a conflict the compiler refuses, not an overload.
extern "C" int asterine_run(int argc, char* argv[], const std::function<void()>* started) {
    return asterine::run(argc, argv, started ? *started : std::function<void()>());
}
