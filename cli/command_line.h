// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line: --help, --version, and readings without a window. None
// of it needs a display, takes the single-instance lock or writes settings;
// it uses Qt Core alone.

#include <QStringList>

namespace asterine::cli {

// What a command line asks for.
enum class Command {
    Window,   // no command: the desktop program, with Qt's own options
    Help,     // -h, --help
    Version,  // -v, --version
    Reading,  // reading ...
    Unknown,  // a word that is no command
};

// The exit statuses of the commands.
enum ExitStatus {
    Success = 0,
    Failure = 1,       // the output could not be written
    Refused = 2,       // unknown options or input the rules refuse
    PlaceUnknown = 3,  // --place found nothing, or there is no atlas
};

Command commandOf(const QStringList& arguments);

// Runs `command` (not Window) for `arguments`, the program's own name first;
// writes to standard output and error; returns the exit status.
int runCommand(Command command, const QStringList& arguments);

}  // namespace asterine::cli
