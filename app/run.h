// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace asterine {

// Runs the program: its start-up, then the event loop until the program
// ends. `started`, when given, is called from the event loop once the start-up
// has shown its window (the start-up benchmark ends the process there).
int run(int argc, char* argv[], const std::function<void()>& started = {});

}  // namespace asterine
