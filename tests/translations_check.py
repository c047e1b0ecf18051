#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the translations against the sources and against themselves.

    translations_check.py [--lupdate LUPDATE --root SOURCE_ROOT --folders F,G,...] TS_FILE ...

With --lupdate, each .ts file is first brought up to date with the sources in
a copy of its own (lupdate, as `update_translations` runs it): a text the
sources have and the file lacks, or the file has and the sources no longer
have, fails, as does any translation not finished. Then every translation is
held to its source: the same placeholders (%1, %2, ..., and %n in plural
forms that give the number), one access key where the source has one, the
same HTML tags, no leading or trailing blank that the source lacks.
Exits 1 listing every problem; 0 when there are none.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(\d+|n)")
TAG = re.compile(r"</?([A-Za-z][A-Za-z0-9]*)")


def access_keys(text):
    """The characters marked as access keys: those after a lone '&'."""
    keys = []
    i = 0
    while i < len(text):
        if text[i] == "&":
            if i + 1 < len(text) and text[i + 1] == "&":
                i += 2
                continue
            if i + 1 < len(text) and not text[i + 1].isspace():
                keys.append(text[i + 1])
        i += 1
    return keys


def check_pair(source, translation, plural):
    problems = []
    wanted = set(PLACEHOLDER.findall(source))
    found = set(PLACEHOLDER.findall(translation))
    if plural:
        # A plural form may say the number in words ("one person").
        wanted.discard("n")
        found.discard("n")
    if wanted != found:
        problems.append(f"placeholders {sorted(found)} where the source has {sorted(wanted)}")
    source_keys, keys = access_keys(source), access_keys(translation)
    if len(source_keys) != len(keys):
        problems.append(f"{len(keys)} access keys where the source has {len(source_keys)}")
    if sorted(TAG.findall(source)) != sorted(TAG.findall(translation)):
        problems.append("HTML tags differ from the source's")
    for end, name in ((0, "leading"), (-1, "trailing")):
        if translation and source and translation[end].isspace() and not source[end].isspace():
            problems.append(f"a {name} blank the source lacks")
    return problems


def check_file(path):
    problems = []
    root = ET.parse(path).getroot()
    for context in root.findall("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{os.path.basename(path)}: {name}: {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "vanished", "obsolete", "missing"):
                label = "not translated" if kind in ("unfinished", "missing") else \
                    "no longer in the sources"
                problems.append(f"{where}: {label}")
                continue
            if message.get("numerus") == "yes":
                forms = [form.text or "" for form in translation.findall("numerusform")]
                if not forms or any(not form for form in forms):
                    problems.append(f"{where}: a plural form is empty")
                # The number must be said in the general form at least.
                if "%n" in source and forms and "%n" not in forms[-1]:
                    problems.append(f"{where}: the last plural form does not give %n")
                for form in forms:
                    problems += [f"{where}: {p}" for p in check_pair(source, form, True)]
            else:
                text = translation.text or ""
                if source and not text:
                    problems.append(f"{where}: the translation is empty")
                problems += [f"{where}: {p}" for p in check_pair(source, text, False)]
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate")
    parser.add_argument("--root")
    parser.add_argument("--folders", default="", help="the source folders, comma-separated")
    parser.add_argument("ts", nargs="+")
    arguments = parser.parse_args()
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in arguments.ts:
            checked = ts
            if arguments.lupdate:
                checked = os.path.join(scratch, os.path.basename(ts))
                shutil.copyfile(ts, checked)
                update = subprocess.run(
                    [arguments.lupdate, "-locations", "none", "-no-ui-lines",
                     *arguments.folders.split(","), "-ts", checked],
                    cwd=arguments.root, capture_output=True, text=True)
                if update.returncode != 0:
                    problems.append(f"lupdate failed on {ts}: {update.stderr.strip()}")
                    continue
                warnings = [line for line in update.stderr.splitlines()
                            if "warning" in line.lower() or "lacks Q_OBJECT" in line
                            or "cannot be called" in line]
                problems += [f"lupdate: {line}" for line in warnings]
            problems += check_file(checked)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problems in the translations", file=sys.stderr)
        return 1
    print(f"{len(arguments.ts)} translations complete and consistent with the sources")
    return 0


if __name__ == "__main__":
    sys.exit(main())
