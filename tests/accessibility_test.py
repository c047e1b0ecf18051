#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real program through the accessibility bus, as a screen reader
would: finds the inputs by their accessible names, fills them, presses the
reading button, and reads the star line and the ten attributes back from the
result form. Also checks that the star line is announced when the result form
comes up.

Run inside a D-Bus session on a display:
    dbus-run-session -- xvfb-run -a tests/accessibility_test.py PROGRAM
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

EXPECTED = {
    "Latin Name": "Cor leonis",
    "Designation": "Alpha Leonis",
    "Gemstone": "Granite",
    "Plant": "mugwort",
    "Position": "Leo 29\u00b050'",
    "Ruling Planet": "Jupiter And Mars",
    "Keywords": "Independence, Leadership, Success",
    "Effect": "You can hope to accomplish all your goals. "
              "You may become famous in your professional life.",
    "Angel": "Raphael",
    "Direction": "North",
}

# 77 degrees 33 minutes north gives the colatitude 12.27: Regulus.
INPUTS = {
    "Name": "ADA",
    "Longitude degrees": "73", "Longitude minutes": "51", "Longitude seconds": "2",
    "Latitude degrees": "77", "Latitude minutes": "33", "Latitude seconds": "10",
}


def pump(seconds):
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        pump(0.1)
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "asterine":
            return app
    return None


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def main():
    announced = []
    pyatspi.Registry.registerEventListener(
        lambda event: announced.append(event.source.name),
        "object:property-change:accessible-name")

    home = tempfile.TemporaryDirectory()
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       XDG_CONFIG_HOME=os.path.join(home.name, "config"),
                       XDG_RUNTIME_DIR=os.path.join(home.name, "runtime"))
    environment.pop("QT_QPA_PLATFORM", None)  # a real display, not offscreen
    os.makedirs(environment["XDG_RUNTIME_DIR"], mode=0o700)
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        app = wait_for(application)
        if not app:
            fail("the program did not appear on the accessibility bus")
        entry = wait_for(lambda: next((w for w in (app.getChildAtIndex(i) for i in range(app.childCount))
                                       if w is not None and any(
                                           d.name == "Get My Fixed Stars Astrology Reading"
                                           for d in descendants(w))), None))
        if not entry:
            fail("no birth-details form")

        texts = {node.name: node for node in descendants(entry)
                 if node.getRole() == pyatspi.ROLE_TEXT}
        for name, value in INPUTS.items():
            if name not in texts:
                fail(f"no input named {name!r}; found {sorted(texts)}")
            texts[name].queryEditableText().setTextContents(value)
        for name in ("City", "State", "Country", "Name"):
            if name not in texts:
                fail(f"no input named {name!r}")

        button = next(node for node in descendants(entry)
                      if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
                      and node.name == "Get My Fixed Stars Astrology Reading")
        button.queryAction().doAction(0)

        def result_form():
            for i in range(app.childCount):
                window = app.getChildAtIndex(i)
                if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                labels = [node.name for node in descendants(window)
                          if node.getRole() == pyatspi.ROLE_LABEL]
                if "Fixed Star" in labels and "Latin Name" in labels:
                    return labels
            return None

        labels = wait_for(result_form)
        if not labels:
            fail("the result form did not come up")
        star = labels[labels.index("Fixed Star") + 1]
        if star != "Regulus":
            fail(f"star line {star!r}")
        for caption, value in EXPECTED.items():
            shown = labels[labels.index(caption) + 1]
            if shown != value:
                fail(f"{caption}: {shown!r}, expected {value!r}")

        pump(1.0)
        if "Regulus" not in announced:
            fail(f"the star line was not announced; announced: {announced}")
        print("read Regulus and its ten attributes through the accessibility bus")
    finally:
        program.kill()
        program.wait()
        home.cleanup()


if __name__ == "__main__":
    main()
