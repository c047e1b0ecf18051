#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Each of the program's modules and its loader share one declaration of the
module's entry point, so that they cannot drift apart unnoticed: the
definitions in module_entries.cpp, as the headers declare them, compile with
the build's own command for that file, and each one changed compiles no more,
the compiler naming the function whose definition strays.

    tests/module_entries_test.py BUILD_DIR SOURCE
"""
import json
import os
import shlex
import subprocess
import sys

STRAYS = {
    "STRAY_GUI": "asterine_run",
    "STRAY_BROWSER": "asterine_create_browser",
    "STRAY_PRINT": "asterine_put_on_paper",
    "STRAY_APPLICATION": "asterine_chart_application",
    "STRAY_CHART": "asterine_write_chart",
    "STRAY_SVG": "asterine_save_svg",
}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def build_command(build, source):
    """The build's command for `source`, checking only, writing nothing."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as file:
        entries = json.load(file)
    for entry in entries:
        path = os.path.join(entry["directory"], entry["file"])
        if os.path.exists(path) and os.path.samefile(path, source):
            words = entry.get("arguments") or shlex.split(entry["command"])
            break
    else:
        fail(f"the build has no command for {source}")
    command, skip = [], False
    for word in words:
        if skip:
            skip = False
        elif word in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif word not in ("-c", "-MD", "-MMD"):
            command.append(word)
    return command + ["-fsyntax-only"], entry["directory"]


def compile_with(command, directory, *defines):
    return subprocess.run(command + [f"-D{define}" for define in defines], cwd=directory,
                          capture_output=True, text=True)


def main():
    build, source = sys.argv[1], sys.argv[2]
    command, directory = build_command(build, source)
    result = compile_with(command, directory)
    if result.returncode != 0:
        fail("the entry points as their headers declare them do not compile:\n" + result.stderr)
    print("as declared: compiles")
    for define, function in STRAYS.items():
        result = compile_with(command, directory, define)
        if result.returncode == 0:
            fail(f"{function} defined otherwise than its header declares it compiles")
        refused = [line for line in result.stderr.splitlines()
                   if "conflicting declaration" in line and function in line]
        if not refused:
            fail(f"{function} defined otherwise is refused, but not as a conflict:\n"
                 + result.stderr)
        print(f"{function} defined otherwise: {refused[0].split('error: ', 1)[-1]}")


if __name__ == "__main__":
    main()
