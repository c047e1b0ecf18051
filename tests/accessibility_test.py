#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real program through the accessibility bus, as a screen reader
would: takes a birthplace from the atlas by keyboard and reads back the boxes
it filled, finds the inputs by their accessible names, fills them, presses
the reading button, and reads the star line and the ten attributes back from
the result form. Also checks that the highlighted place and the star line
are announced.

Run in a D-Bus session of its own, on a display:
    tests/private_session.sh xvfb-run -a tests/accessibility_test.py PROGRAM
"""
import os
import sys

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (READING_BUTTON, Program, descendants, fail, text_of,  # noqa: E402
                     visible_windows, wait_for, xdotool)

# What taking Pune from the atlas puts into the boxes: 18.51957 N, 73.85535 E.
PUNE = {
    "City": "Pune", "State": "Maharashtra", "Country": "India",
    "Latitude degrees": "18", "Latitude minutes": "31", "Latitude seconds": "10",
    "Longitude degrees": "73", "Longitude minutes": "51", "Longitude seconds": "19",
    # The text box of the zone's list, called by the list's name.
    "Time zone of birth": "Asia/Kolkata",
}

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


def take_place_from_the_atlas(program, entry, texts, focused):
    window = wait_for(lambda: visible_windows("Asterine v1.0"))
    if not window:
        fail("the birth-details window is not on the display")
    program.focus(window[0])
    texts["City"].queryComponent().grabFocus()
    if not wait_for(lambda: texts["City"].getState().contains(pyatspi.STATE_FOCUSED)):
        fail("the City box did not take the focus")
    xdotool("type", "--delay", "50", "Pune")

    offered = wait_for(program.offered_places)
    if not offered or offered[0] != "Pune, Maharashtra, India":
        fail(f"the atlas offered {offered}")
    xdotool("key", "Down")
    if not wait_for(lambda: "Pune, Maharashtra, India" in focused):
        fail(f"the highlighted place was not announced; focus went to {focused}")
    xdotool("key", "Return")
    for name, value in PUNE.items():
        if not wait_for(lambda: text_of(texts[name]) == value):
            fail(f"{name} holds {text_of(texts[name])!r} after taking Pune, not {value!r}")
    for option in ("North", "East"):
        button = program.control(entry, option, pyatspi.ROLE_RADIO_BUTTON)
        if not wait_for(lambda: button.getState().contains(pyatspi.STATE_CHECKED)):
            fail(f"{option} is not chosen after taking Pune")
    print("took Pune from the atlas by keyboard; the nine boxes, both sides and the zone "
          "are filled")


def names_and_roles(program, entry):
    """The six date and time lists and the zone's list are called by what
    they hold, whatever they show; the forms are windows, not fillers; of the two promotion
    labels that lie on top of each other, only the one in front is there."""
    lists = {node.name: node for node in descendants(entry)
             if node.getRole() == pyatspi.ROLE_COMBO_BOX}
    wanted = ["Month of birth", "Day of birth", "Year of birth", "Hour", "Minute", "Second",
              "Time zone of birth"]
    if sorted(lists) != sorted(wanted):
        fail(f"the lists are called {sorted(lists)}, not {wanted}")
    if entry.getRole() != pyatspi.ROLE_FRAME:
        fail(f"the birth-details form is a {entry.getRoleName()!r}, not a frame")
    offers = [node.name for node in descendants(entry)
              if node.getRole() == pyatspi.ROLE_LABEL and
              ("co-brand" in node.name.lower() or "Home Business" in node.name) and
              node.getState().contains(pyatspi.STATE_SHOWING)]
    if len(offers) != 1:
        fail(f"the promotion strip exposes {len(offers)} labels: {offers}")
    print("the lists are named Month of birth ... Second, the form is a frame, "
          "and one promotion label is read")


def main():
    announced = []
    pyatspi.Registry.registerEventListener(
        lambda event: announced.append(event.source.name),
        "object:property-change:accessible-name")

    focused = []
    pyatspi.Registry.registerEventListener(
        lambda event: event.detail1 and focused.append(event.source.name),
        "object:state-changed:focused")

    program = Program(sys.argv[1])
    try:
        entry = program.window_with(READING_BUTTON)
        if not entry:
            fail("no birth-details form")

        names_and_roles(program, entry)
        texts = program.inputs(entry)
        take_place_from_the_atlas(program, entry, texts, focused)
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
        result = program.window_with("Latin Name", pyatspi.ROLE_LABEL)
        if result.getRole() != pyatspi.ROLE_FRAME:
            fail(f"the result form is a {result.getRoleName()!r}, not a frame")
        star = labels[labels.index("Fixed Star") + 1]
        if star != "Regulus":
            fail(f"star line {star!r}")
        for caption, value in EXPECTED.items():
            shown = labels[labels.index(caption) + 1]
            if shown != value:
                fail(f"{caption}: {shown!r}, expected {value!r}")

        if not wait_for(lambda: "Regulus" in announced):
            fail(f"the star line was not announced; announced: {announced}")
        print("read Regulus and its ten attributes through the accessibility bus")
    finally:
        program.close()


if __name__ == "__main__":
    main()
