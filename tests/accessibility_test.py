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
import sys

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import READING_BUTTON, Program, descendants, fail, pump, wait_for  # noqa: E402

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


def main():
    announced = []
    pyatspi.Registry.registerEventListener(
        lambda event: announced.append(event.source.name),
        "object:property-change:accessible-name")

    program = Program(sys.argv[1])
    try:
        entry = program.window_with(READING_BUTTON)
        if not entry:
            fail("no birth-details form")

        texts = program.inputs(entry)
        for name, value in INPUTS.items():
            if name not in texts:
                fail(f"no input named {name!r}; found {sorted(texts)}")
            texts[name].queryEditableText().setTextContents(value)
        for name in ("City", "State", "Country", "Name"):
            if name not in texts:
                fail(f"no input named {name!r}")
        program.press(program.control(entry, READING_BUTTON, pyatspi.ROLE_PUSH_BUTTON))

        def result_form():
            for window in program.windows():
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
        program.close()


if __name__ == "__main__":
    main()
