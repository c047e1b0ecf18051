#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks which folders of the program include which.

    include_rule_test.py SOURCE_ROOT

Reads every source's `#include "..."` lines and draws the graph of the
program's folders (the folders of the source tree that hold sources, found
anew each run). Fails, naming the files and lines at fault, when a folder
other than those allowed includes a form's folder, or when the folders
include each other in a circle.

Before the tree itself, the check is run on a small tree of its own making
that breaks both rules, and must find both there.
"""
import os
import re
import sys
import tempfile

# The folders of the forms: only the folders below may include them.
FORM_FOLDERS = ["entry", "display", "promo"]
# What knows every form: the start-up and the flow between the windows.
MAY_INCLUDE_FORMS = ["app"]
# Folders that check or measure the program rather than belong to it.
NOT_OF_THE_PROGRAM = ["tests", "bench"]

SOURCE_ENDINGS = (".cpp", ".h")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def program_folders(root):
    """The top-level folders of `root` that hold sources, anywhere below them."""
    folders = []
    for name in sorted(os.listdir(root)):
        path = os.path.join(root, name)
        if not os.path.isdir(path) or name.startswith(".") or name.startswith("build"):
            continue
        if name in NOT_OF_THE_PROGRAM:
            continue
        for _, _, files in os.walk(path):
            if any(f.endswith(SOURCE_ENDINGS) for f in files):
                folders.append(name)
                break
    return folders


def included_folder(root, folders, source, included):
    """The program's folder that `included`, as `source` names it, lies in; None for others."""
    for base in (os.path.dirname(source), root):
        candidate = os.path.normpath(os.path.join(base, included))
        if os.path.exists(candidate):
            relative = os.path.relpath(candidate, root)
            first = relative.split(os.sep)[0]
            return first if first in folders else None
    # A header made at build time still names its folder.
    first = os.path.normpath(included).split(os.sep)[0]
    return first if first in folders else None


def folder_graph(root):
    """The edges between folders: {(from, to): [(file, line), ...]}."""
    folders = program_folders(root)
    edges = {}
    for folder in folders:
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith(SOURCE_ENDINGS):
                    continue
                source = os.path.join(directory, name)
                with open(source, encoding="utf-8", errors="replace") as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = included_folder(root, folders, source, match.group(1))
                        if target is None or target == folder:
                            continue
                        where = f"{os.path.relpath(source, root)}:{number}"
                        edges.setdefault((folder, target), []).append((where, match.group(1)))
    return folders, edges


def circles(folders, edges):
    """The strongly connected groups of more than one folder (Tarjan's algorithm)."""
    after = {folder: sorted(t for (f, t) in edges if f == folder) for folder in folders}
    index, low, stack, on_stack, groups = {}, {}, [], set(), []
    counter = [0]

    def visit(folder):
        index[folder] = low[folder] = counter[0]
        counter[0] += 1
        stack.append(folder)
        on_stack.add(folder)
        for target in after[folder]:
            if target not in index:
                visit(target)
                low[folder] = min(low[folder], low[target])
            elif target in on_stack:
                low[folder] = min(low[folder], index[target])
        if low[folder] == index[folder]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == folder:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for folder in folders:
        if folder not in index:
            visit(folder)
    return groups


def problems(root):
    folders, edges = folder_graph(root)
    found = []
    for (folder, target), places in sorted(edges.items()):
        if target in FORM_FOLDERS and folder not in MAY_INCLUDE_FORMS:
            for where, included in places:
                found.append(f"{where}: {folder}/ includes the form's folder {target}/ "
                             f"(\"{included}\"); only {', '.join(MAY_INCLUDE_FORMS)}/ may")
    for group in circles(folders, edges):
        lines = [f"the folders {', '.join(g + '/' for g in group)} include each other in a circle:"]
        for (folder, target), places in sorted(edges.items()):
            if folder in group and target in group:
                for where, included in places:
                    lines.append(f"  {where}: {folder}/ includes \"{included}\"")
        found.append("\n".join(lines))
    return found


def check_finds_what_it_should():
    """The check on a tree made to break both rules must name both."""
    with tempfile.TemporaryDirectory() as root:
        files = {
            "birth/rules.h": '#include "people/person.h"\n',
            "people/person.h": '#include "birth/rules.h"\n',
            "cli/command.cpp": '#include "entry/form.h"\n#include "birth/rules.h"\n',
            "entry/form.h": '#include "birth/rules.h"\n',
            "app/run.cpp": '#include "entry/form.h"\n',
            "tests/tst_form.cpp": '#include "entry/form.h"\n',
        }
        for path, text in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as out:
                out.write(text)
        found = problems(root)
        wanted = [
            lambda p: p.startswith("cli/command.cpp:1: cli/ includes the form's folder entry/"),
            lambda p: p.startswith("the folders birth/, people/ include each other")
            and "birth/rules.h:1" in p and "people/person.h:1" in p,
        ]
        if len(found) != len(wanted) or not all(any(w(p) for p in found) for w in wanted):
            print("The include check misses what a tree made to break it breaks:", file=sys.stderr)
            for p in found:
                print(p, file=sys.stderr)
            return False
    return True


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    if not check_finds_what_it_should():
        return 1
    root = os.path.abspath(sys.argv[1])
    folders, edges = folder_graph(root)
    if not edges or len(folders) < 5:
        print(f"No folders of the program found under {root}", file=sys.stderr)
        return 1
    found = problems(root)
    for problem in found:
        print(problem, file=sys.stderr)
    if found:
        return 1
    print(f"{len(folders)} folders, {len(edges)} ways between them, no form's folder "
          f"included but by {', '.join(MAY_INCLUDE_FORMS)}/, no circle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
