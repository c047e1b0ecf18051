// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line: --help, --version, and readings without a window. None
// of it needs a display, takes the single-instance lock or writes settings;
// it uses Qt Core alone.

#include <QStringList>

namespace asterine::cli {

// What a command line asks for.
enum class Command {
    Window,         // no command: the desktop program, with Qt's own options
    Help,           // -h, --help
    Version,        // -v, --version
    Reading,        // reading ...
    Unknown,        // a word that is no command
    UnknownOption,  // an option that is neither ours nor Qt's
};

// The command, and where on the command line it was named.
struct Invocation {
    Command command = Command::Window;
    qsizetype at = 0;  // the argument that decided it
};

// The exit statuses of the commands.
enum ExitStatus {
    Success = 0,
    Failure = 1,       // the output could not be written
    Refused = 2,       // unknown options or input the rules refuse
    PlaceUnknown = 3,  // --place found nothing, or there is no atlas
};

// Reads `arguments`, the program's own name first, up to the first that
// is not one of Qt's options (-platform NAME, -style NAME, -reverse...):
// that one names the command. Behind "reading", everything is the reading
// command's own, so that "--name -v" is a name.
Invocation commandOf(const QStringList& arguments);

// Whether `invocation` draws a picture (reading --chart): it then runs in
// the chart module's application, which can paint, rather than in Qt Core's.
bool drawsPictures(const Invocation& invocation, const QStringList& arguments);

// Runs `invocation` (not Window) for `arguments`; writes to standard output
// and error; returns the exit status. When standard output cannot be
// written, standard error says so and the status is Failure.
int runCommand(const Invocation& invocation, const QStringList& arguments);

}  // namespace asterine::cli
