#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every C++ source of the project is laid out as its .clang-format says.

Usage: format_check.py SOURCE_DIR [CLANG_FORMAT]

Names each file that clang-format would change, with the first lines it
would change, and how to mend them: clang-format -i FILE.
"""

import difflib
import pathlib
import subprocess
import sys

# Folders that hold no sources of ours: what builds write.
SKIPPED = {"build", ".git"}


def sources(top):
    for path in sorted(top.rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        parts = path.relative_to(top).parts
        if parts[0] in SKIPPED or parts[0].startswith("build"):
            continue
        yield path


def main():
    top = pathlib.Path(sys.argv[1]).resolve()
    tool = sys.argv[2] if len(sys.argv) > 2 else "clang-format"
    if not (top / ".clang-format").is_file():
        print(f"no .clang-format in {top}")
        return 1
    differing = []
    checked = 0
    for path in sources(top):
        checked += 1
        original = path.read_text(encoding="utf-8")
        formatted = subprocess.run(
            [tool, f"--assume-filename={path}", "--style=file"],
            input=original, capture_output=True, text=True, check=True,
            cwd=top).stdout
        if formatted != original:
            diff = list(difflib.unified_diff(
                original.splitlines(), formatted.splitlines(),
                lineterm="", n=0))
            differing.append((path.relative_to(top), diff[2:8]))
    if checked == 0:
        print(f"no sources found under {top}")
        return 1
    for path, diff in differing:
        print(f"{path} is not laid out as .clang-format says:")
        for line in diff:
            print(f"    {line}")
    if differing:
        print(f"{len(differing)} of {checked} files differ; "
              "mend them with clang-format -i FILE")
        return 1
    print(f"{checked} files laid out as .clang-format says")
    return 0


if __name__ == "__main__":
    sys.exit(main())
