// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own modules: parts that start-up does not pay for (the web
// engine, printing), loaded when they are first used.

namespace asterine {

// The function `symbol` of the program's module `name`, loaded on first
// use; null when the module or the function is missing. Modules are looked
// for in one place only, lib/asterine beside the program's own folder, so
// that a module can never come from anywhere another user could plant one.
void* programModuleFunction(const char* name, const char* symbol);

}  // namespace asterine

// The entry point `function` of the program's module `name`, typed as the
// module's header declares it, or null. Each module's header declares its
// entry point, the module defines it and its loader names it only through
// this: a module and its loader that disagree on the function's name or type
// do not compile.
#define ASTERINE_MODULE_ENTRY(name, function) \
    reinterpret_cast<decltype(&function)>(::asterine::programModuleFunction(name, #function))
