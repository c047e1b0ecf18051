// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry point of the window's module, which the launcher loads when no
// command was given. The module defines the function declared here and the
// launcher finds it through this declaration (ASTERINE_MODULE_ENTRY), so
// that the two cannot disagree on its name or its type.

#include <QtGlobal>

#include <functional>

// Runs the program's window until the program ends and returns its exit
// status; `started`, when given, is called once the birth-details form is
// shown.
extern "C" Q_DECL_EXPORT int asterine_run(int argc, char* argv[],
                                          const std::function<void()>* started);

namespace asterine {

// The module's file in lib/asterine.
inline constexpr char guiModuleName[] = "asterine_gui";

}  // namespace asterine
