#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real program as a desktop user does: real X key presses and
mouse clicks sent with xdotool, a dead-key keyboard layout set with
setxkbmap, a paste from the X selection; and reads the program back through
the accessibility bus and the X server.

Run in a D-Bus session of its own, on a display:
    tests/private_session.sh xvfb-run -a tests/desktop_test.py PROGRAM
"""
import glob
import json
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (READING_BUTTON, Program, XServer, descendants, fail,  # noqa: E402
                     shown_alone, text_of, visible_windows, wait_for, windows_of,
                     xdotool)

MAIN_TITLE = "Asterine v1.0"
MESSAGE_TITLE = "Asterine"
ZONE = "Time zone of birth"


def expect_message(program):
    """Waits for a message box, reads its text and closes it with Enter."""
    box = wait_for(lambda: visible_windows(MESSAGE_TITLE))
    if not box:
        return None
    shown = None
    for window in program.windows():
        labels = [node.name for node in descendants(window)
                  if node.getRole() == pyatspi.ROLE_LABEL]
        if window.name == MESSAGE_TITLE and labels:
            shown = labels
    program.await_focus(box[0], what="the message box")
    xdotool("key", "Return")
    if not wait_for(lambda: not visible_windows(MESSAGE_TITLE)):
        fail("the message box did not close on Enter")
    return shown


def expect_no_message(program):
    program.settle()
    if program.message_showing(MESSAGE_TITLE) or visible_windows(MESSAGE_TITLE):
        fail("a message box came up")


def expect_text(node, wanted, what):
    if not wait_for(lambda: text_of(node) == wanted):
        fail(f"{what}: {text_of(node)!r}, expected {wanted!r}")


def typing_and_editing_keys(program, inputs):
    name, degrees = inputs["Name"], inputs["Latitude degrees"]
    program.click(name)
    xdotool("type", "--delay", "30", "smith")
    expect_text(name, "SMITH", "typed name")
    xdotool("key", "--delay", "30", "Home", "Delete", "End", "Left", "Delete", "BackSpace")
    expect_text(name, "MI", "name after Delete and Backspace")
    expect_no_message(program)

    program.click(degrees)
    xdotool("type", "--delay", "30", "1234")
    expect_text(degrees, "123", "typed degrees")
    xdotool("key", "--delay", "30", "Home", "Delete", "Right", "Delete")
    expect_text(degrees, "2", "degrees after Delete")
    expect_no_message(program)
    xdotool("key", "period")
    if "Only Numbers Are Accepted" not in (expect_message(program) or []):
        fail("a point typed into the degrees box showed no message")
    print("typing, Delete, Backspace and the arrows work as in any text box")


def dead_keys(program, inputs):
    name, degrees = inputs["Name"], inputs["Latitude degrees"]
    subprocess.run(["setxkbmap", "-layout", "us", "-variant", "intl"], check=True)
    try:
        program.click(name)
        program.keys("End", "dead_acute", "e")
        if "Please Enter only Letters" not in (expect_message(program) or []):
            fail("a composed \u00e9 in the name box showed no message")
        expect_text(name, "MI", "name after a composed letter")
        xdotool("key", "--delay", "60", "a")
        expect_text(name, "MIA", "name after a plain letter on the dead-key layout")

        program.click(degrees)
        program.keys("End", "dead_circumflex", "a")
        if "Only Numbers Are Accepted" not in (expect_message(program) or []):
            fail("a composed \u00e2 in the degrees box showed no message")
        expect_text(degrees, "2", "degrees after a composed letter")
    finally:
        subprocess.run(["setxkbmap", "-layout", "us"], check=True)
    print("dead-key letters meet the same filters as typed ones")


# A compose sequence of this test's own that commits a long string at once,
# as an input method commits a word or a pasted phrase: one action.
LONG_COMMIT = "1234567890" * 20


def compose_file():
    compose = tempfile.NamedTemporaryFile("w", suffix=".XCompose", delete=False)
    compose.write('include "%L"\n')
    compose.write(f'<dead_acute> <z> : "{LONG_COMMIT}"\n')
    compose.close()
    return compose.name


def one_message_for_a_long_commit(program, inputs):
    name = inputs["Name"]
    name.queryEditableText().setTextContents("")
    subprocess.run(["setxkbmap", "-layout", "us", "-variant", "intl"], check=True)
    try:
        program.click(name)
        program.keys("dead_acute", "z")
        if "Please Enter only Letters" not in (expect_message(program) or []):
            fail("a committed string of digits showed no message")
        expect_no_message(program)  # one message for the whole commit, not 200
        expect_text(name, "", "name after a refused commit")
    finally:
        subprocess.run(["setxkbmap", "-layout", "us"], check=True)
    name.queryEditableText().setTextContents("SMITH")
    print(f"a commit of {len(LONG_COMMIT)} refused characters shows one message")


def large_selection_paste(program, inputs):
    name = inputs["Name"]
    name.queryEditableText().setTextContents("")
    with tempfile.TemporaryFile() as flood:
        flood.write(b"A" * (10 << 20))
        flood.seek(0)
        owner = subprocess.Popen(["xclip", "-selection", "primary", "-loops", "1", "-quiet"],
                                 stdin=flood, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        x = XServer.shared()
        primary = x.display.intern_atom("PRIMARY")

        def xclip_owns():
            owner = x.display.get_selection_owner(primary)
            return owner != x.X.NONE and owner.id not in windows_of(program.process.pid, False)
        if not wait_for(xclip_owns):
            fail("xclip did not take the selection")
        # The X server hands over the 10 MB in pieces; from the click on, the
        # program may spend two seconds of processor time on them before it
        # is idle again (on a machine of its own, two seconds), however long
        # other work on the machine makes it wait for the processor.
        started = program.cpu_seconds()
        program.click(name, button=2)
        if not wait_for(lambda: name.queryText().characterCount == 32767):
            fail(f"the pasted name holds {name.queryText().characterCount} characters")
        program.settle()

        # Idle again: less than a tenth of a core over half a second.
        def idle():
            before = program.cpu_seconds()
            time.sleep(0.5)
            return program.cpu_seconds() - before < 0.05
        if not wait_for(idle):
            fail("the program never became idle after a 10 MB paste")
        spent = program.cpu_seconds() - started
        if spent > 2.0:
            fail(f"the program spent {spent:.1f} s of processor time after a 10 MB paste")
        print(f"a 10 MB paste is cut to 32767 characters; idle again after {spent:.1f} s "
              f"of processor time")
    finally:
        owner.kill()
        owner.wait()
    name.queryEditableText().setTextContents("SMITH")


def atlas_by_keyboard(program, entry, inputs):
    city = inputs["City"]
    program.click(city)
    xdotool("type", "--delay", "40", "sao paulo")
    offered = wait_for(program.offered_places)
    if not offered or not offered[0].startswith("S\u00e3o Paulo, "):
        fail(f"the atlas offered {offered}")
    xdotool("key", "--delay", "80", "Down", "Return")
    expected = {"City": "S\u00e3o Paulo", "State": "S\u00e3o Paulo", "Country": "Brazil",
                "Latitude degrees": "23", "Longitude degrees": "46",
                ZONE: "America/Sao_Paulo"}
    for name, value in expected.items():
        expect_text(inputs[name], value, f"{name} after taking S\u00e3o Paulo")
    for side in ("South", "West"):
        button = program.control(entry, side, pyatspi.ROLE_RADIO_BUTTON)
        if not wait_for(lambda: button.getState().contains(pyatspi.STATE_CHECKED)):
            fail(f"{side} is not chosen after taking S\u00e3o Paulo")
    expect_no_message(program)
    print("the atlas fills the place, the coordinates and both sides from real keys")

    # A name longer than its box shows its start, as one typed and left would.
    program.click(city)
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "40", "delhi")
    if not wait_for(program.offered_places):
        fail("the atlas offered nothing for delhi")
    xdotool("key", "--delay", "80", "Down", "Return")
    state = inputs["State"]
    expect_text(state, "National Capital Territory of Delhi", "State after taking Delhi")
    expect_text(inputs[ZONE], "Asia/Kolkata", "the zone after taking Delhi")
    for name in ("City", "State", "Country"):
        caret = inputs[name].queryText().caretOffset
        if caret != 0:
            fail(f"{name} shows its text from character {caret}, not from its start")
    print("boxes the atlas fills show the start of their text")


def x_property(window, name):
    return subprocess.run(["xprop", "-id", str(window), name], capture_output=True,
                          text=True).stdout.strip()


def x_size(window):
    info = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True,
                          text=True).stdout
    values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return int(values["Width"]), int(values["Height"])


def result_window(program, entry, inputs, degrees, minutes, main_window):
    inputs["Latitude degrees"].queryEditableText().setTextContents(degrees)
    inputs["Latitude minutes"].queryEditableText().setTextContents(minutes)
    program.press(program.control(entry, READING_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
    if not program.window_with("Fixed Star", pyatspi.ROLE_LABEL):
        fail("the result form did not come up")
    window = shown_alone(MAIN_TITLE, main_window)
    kind = x_property(window, "_NET_WM_WINDOW_TYPE")
    if "_NET_WM_WINDOW_TYPE_NORMAL" not in kind:
        fail(f"the result window is not an ordinary window: {kind}")
    owner = x_property(window, "WM_TRANSIENT_FOR")
    if "window id" in owner:
        fail(f"the result window has an owner: {owner}")
    return window, x_size(window)


def keep_the_reading(program, window):
    """Ctrl+S saves the reading as text through the save dialog; Ctrl+C
    puts it on the clipboard as text and as a table; the File menu's items
    are named for screen readers."""
    result = program.window_with("Latin Name", pyatspi.ROLE_LABEL)
    file_menu = [node for node in descendants(result) if node.name == "File"]
    if not file_menu:
        fail("the result form has no File menu for screen readers")
    file_menu = file_menu[0]
    program.click(file_menu)  # opens the menu; a second click closes it

    def items():
        found = [node.name for shown in program.windows() for node in descendants(shown)
                 if node.getRole() == pyatspi.ROLE_MENU_ITEM]
        return found if "Copy Reading" in found else None
    items = wait_for(items) or []
    program.click(file_menu)
    for wanted in ("Print...", "Print Preview...", "Export as PDF...", "Save as Text...",
                   "Copy Reading", "Back", "Exit"):
        if wanted not in items:
            fail(f"the File menu has no item named {wanted!r} for screen readers: {items}")
    folder = tempfile.mkdtemp()
    target = os.path.join(folder, "ada.txt")
    program.focus(window)
    xdotool("key", "ctrl+s")
    dialog = wait_for(lambda: visible_windows("Save the Reading as Text"))
    if not dialog:
        fail("Ctrl+S did not open the save dialog")
    program.await_focus(dialog[0], what="the save dialog")
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "20", target)
    xdotool("key", "Return")
    if not wait_for(lambda: os.path.exists(target)):
        fail("the save dialog's Return wrote no file")
    with open(target, encoding="utf-8") as saved:
        text = saved.read()
    for wanted in ("Asterine Results\n", "Name: SMITH\n", "Fixed Star: Regulus\n",
                   "Latin Name: Cor leonis\n"):
        if wanted not in text:
            fail(f"the saved reading lacks {wanted!r}: {text!r}")
    if oct(os.stat(target).st_mode & 0o777) != "0o600":
        fail(f"the saved reading is readable by others: {oct(os.stat(target).st_mode)}")

    program.focus(window)
    xdotool("key", "ctrl+c")

    def offered():
        return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "TARGETS"],
                              capture_output=True, text=True).stdout.split()
    targets = wait_for(lambda: "text/html" in offered() and offered()) or offered()
    if "text/plain" not in " ".join(targets) or "text/html" not in targets:
        fail(f"the clipboard offers {targets}, not text and a table")
    plain = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                           capture_output=True, text=True).stdout
    html = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "text/html"],
                          capture_output=True, text=True).stdout
    if plain != text:
        fail(f"the clipboard's text differs from the saved reading: {plain!r}")
    if "<table" not in html or "Cor leonis" not in html:
        fail(f"the clipboard's table is not the reading: {html[:200]!r}")
    print("Ctrl+S saves the reading through the save dialog (readable by the user alone); "
          "Ctrl+C puts it on the clipboard as text and as a table")


def png_size(data):
    """The width and height a PNG's header gives, or None for no PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return int.from_bytes(data[16:20], "big"), int.from_bytes(data[20:24], "big")


SIZE_DIALOG = "Size of the PNG Picture"


def save_the_chart(program, window, target, expect_file=True):
    """Alt+F, H opens Save Chart's dialog; the name typed there is written
    (for a PNG, once its size is answered: expect_file=False leaves that
    to the caller)."""
    program.focus(window)
    xdotool("key", "--delay", "150", "alt+f", "h")
    dialog = wait_for(lambda: visible_windows("Save the Chart"))
    if not dialog:
        fail("Alt+F, H did not open Save Chart's dialog")
    program.await_focus(dialog[0], what="Save Chart's dialog")
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "20", target)
    xdotool("key", "Return")
    if not expect_file:
        return
    if not wait_for(lambda: os.path.exists(target) and os.path.getsize(target) > 0):
        fail(f"Save Chart's dialog wrote no {target}")
    program.settle()


def size_dialog(program):
    """The PNG size dialog once it holds the keyboard focus: its X window and
    its width box as the accessibility bus gives it."""
    shown = wait_for(lambda: visible_windows(SIZE_DIALOG))
    if not shown:
        fail("a name ending in .png did not ask the picture's size")
    program.await_focus(shown[0], what="the PNG size dialog")
    program.app.clearCache()
    window = program.window_with("Width in pixels", pyatspi.ROLE_SPIN_BUTTON)
    if not window:
        fail("the PNG size dialog has no box named 'Width in pixels' for screen readers")
    return shown[0], program.control(window, "Width in pixels", pyatspi.ROLE_SPIN_BUTTON)


def height_shown(program, height):
    """Whether the size dialog reads the height as `height` pixels."""
    program.app.clearCache()
    return program.window_with(f"Height in pixels: {height}", pyatspi.ROLE_LABEL, seconds=2)


def save_png_of_width(program, window, target, width):
    """Saves the chart as PNG with `width` typed into the size dialog: Tab
    leaves the width box for the buttons, Alt+W takes it again, the number
    is typed over and Enter saves."""
    save_the_chart(program, window, target, expect_file=False)
    dialog, box = size_dialog(program)
    offered = int(box.queryValue().currentValue)
    program.focus(dialog)
    program.keys("Tab")
    if box.getState().contains(pyatspi.STATE_FOCUSED):
        fail("Tab did not leave the PNG size dialog's width box")
    program.keys("alt+w")
    if not wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED)):
        fail("Alt+W did not take the PNG size dialog's width box")
    program.keys("ctrl+a")
    program.type(str(width))
    if not wait_for(lambda: height_shown(program, width)):
        fail(f"typing {width} into the width box did not show the wheel's height as {width}")
    program.keys("Return")
    if not wait_for(lambda: os.path.exists(target) and os.path.getsize(target) > 0):
        fail(f"the PNG size dialog's Enter wrote no {target}")
    program.settle()
    return offered


def keep_the_chart(program, window):
    """The wheel saved as SVG and as PNG of a size typed into the size dialog
    through the save dialog, and put on the clipboard as a picture by
    Alt+I, C (Edit, Copy Chart)."""
    folder = tempfile.mkdtemp()
    svg = os.path.join(folder, "wheel.svg")
    save_the_chart(program, window, svg)
    if visible_windows(SIZE_DIALOG):
        fail("saving the chart as SVG asked a size in pixels")
    lint = subprocess.run(["xmllint", "--noout", svg], capture_output=True, text=True)
    if lint.returncode != 0:
        fail(f"the saved chart is not well-formed XML: {lint.stderr}")
    with open(svg, encoding="utf-8") as saved:
        if "<svg" not in saved.read():
            fail("the saved chart is no SVG picture")
    png = os.path.join(folder, "wheel.png")
    offered = save_png_of_width(program, window, png, 1600)
    if offered != 1200:
        fail(f"the first PNG's size dialog offered {offered} pixels, not 1200")
    with open(png, "rb") as saved:
        size = png_size(saved.read(32))
    if size != (1600, 1600):
        fail(f"the chart saved as PNG 1600 pixels wide is {size}, not 1600x1600")
    # The next offers the width chosen; Escape saves nothing.
    other = os.path.join(folder, "other.png")
    save_the_chart(program, window, other, expect_file=False)
    dialog, box = size_dialog(program)
    if int(box.queryValue().currentValue) != 1600:
        fail(f"the next PNG's size dialog offered {box.queryValue().currentValue}, not 1600")
    program.keys("Escape")
    if not wait_for(lambda: not visible_windows(SIZE_DIALOG)):
        fail("Escape did not close the PNG size dialog")
    program.settle()
    if os.path.exists(other):
        fail("a PNG whose size was cancelled was saved all the same")
    print("Save Chart wrote SVG, and PNG at the width typed into its size dialog "
          "(offered again the next time; Escape saves nothing)")

    program.focus(window)
    xdotool("key", "--delay", "150", "alt+i", "c")

    def offered():
        return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "TARGETS"],
                              capture_output=True, text=True).stdout.split()
    if not wait_for(lambda: "image/png" in offered()):
        fail(f"Alt+I, C put no picture on the clipboard: {offered()}")
    picture = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "image/png"],
                             capture_output=True).stdout
    if png_size(picture) != (1200, 1200):
        fail(f"the chart on the clipboard is {png_size(picture)}, not 1200x1200")
    print("Edit, Copy Chart puts the wheel on the clipboard as a picture, 1200x1200")


def sky_section(program):
    """The result window's Sky section: the reading's star in the real sky,
    worked out off the window's thread and then read back line by line over
    the accessibility bus."""
    if not label_named(program, "Regulus in the Sky"):
        fail("the result window shows no Sky section for Regulus")
    patterns = {
        "Right Ascension: ": r"Right Ascension: \d\dh \d\dm \d\ds$",
        "Declination: ": r"Declination: [+\u2212]\d+\u00b0 \d\d\u2032 \d\d\u2033$",
        "Ecliptic Longitude: ": r"Ecliptic Longitude: Leo 2\d\u00b0\d\d\u2032$",
        "Magnitude: ": r"Magnitude: 1\.40$",
        "Visibility: ": r"Visibility: .+ at 77\u00b033\u2032 N$",
        "Phase in ": r"Phase in \d{4}: .+",
    }
    result = program.window_with("Fixed Star", pyatspi.ROLE_LABEL)
    for start, pattern in patterns.items():
        # A value is named with its caption, as a screen reader reads the line.
        lines = [node.name for node in descendants(result)
                 if node.getRole() == pyatspi.ROLE_LABEL and node.name.startswith(start)]
        if not any(re.match(pattern, line) for line in lines):
            fail(f"the Sky section's line {start!r} reads {lines!r}")
    # Without a zone on the form, the section says what it leaves out.
    if not label_named(program, "Without the zone the birthplace's clocks kept"):
        fail("the Sky section does not say why the bodies are left out")
    working = [node for node in descendants(result)
               if node.name.startswith("Working out the sky")
               and node.getState().contains(pyatspi.STATE_SHOWING)]
    if working:
        fail("the Sky section still says it is working once its lines show")
    print("the result window's Sky section shows the star's place, visibility and phase, "
          "read back over the accessibility bus")


def result_windows(program, entry, inputs, main_window):
    for name, value in {"Longitude degrees": "73", "Longitude minutes": "51",
                        "Longitude seconds": "2", "Latitude seconds": "10"}.items():
        inputs[name].queryEditableText().setTextContents(value)
    inputs["Name"].queryEditableText().setTextContents("SMITH")
    window, with_lore = result_window(program, entry, inputs, "77", "33", main_window)
    sky_section(program)
    keep_the_reading(program, window)
    keep_the_chart(program, window)
    program.focus(window)
    xdotool("key", "Tab", "Return")  # Enter on a focused Back goes back
    if not program.window_with(READING_BUTTON):
        fail("Enter on Back did not return to the birth details")

    window, without_lore = result_window(program, entry, inputs, "40", "30", main_window)
    if with_lore != without_lore:
        fail(f"the result window is {with_lore} for Regulus and {without_lore} for MIRFAK")
    program.focus(window)
    xdotool("key", "Return")  # Enter acts as Exit: the farewell comes up
    if not program.window_with("Refer A Friend Now", pyatspi.ROLE_PUSH_BUTTON):
        fail("Enter on the result form did not bring up the farewell")
    print(f"the result window is an ordinary window of one size, {with_lore[0]}x{with_lore[1]}")


def label_named(program, wanted):
    """The showing label whose text starts with `wanted`, once one shows."""
    def find():
        for window in program.windows():
            for node in descendants(window):
                if node.getRole() == pyatspi.ROLE_LABEL and node.name.startswith(wanted) \
                        and node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
        return None
    return wait_for(find)


def people_list(program):
    for window in program.windows():
        for node in descendants(window):
            if node.name == "People" and node.getRole() in (
                    pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE):
                return node
    return None


def open_people(program, window):
    """Ctrl+O on the birth details opens the People window; returns it once
    it has the keyboard focus."""
    program.focus(window)
    xdotool("key", "ctrl+o")
    people = wait_for(lambda: visible_windows("People"))
    if not people:
        fail("Ctrl+O did not open the People window")
    program.await_focus(people[0], what="the People window")
    return people[0]


def close_people(program, people):
    program.focus(people)
    xdotool("key", "Escape")
    if not wait_for(lambda: not visible_windows("People")):
        fail("Esc did not close the People window")


def empty_people_window(program, window):
    """Before anyone is saved, Ctrl+O opens a People window that says how
    to add people; Esc closes it."""
    people = open_people(program, window)
    hint = label_named(program, "No people are saved yet.")
    said = hint.name if hint else ""
    if "File, Save Person" not in said:
        fail("the empty People window does not say how to add people")
    close_people(program, people)
    print(f"the empty People window says: {said}")


def saved_people(store):
    """The people a store holds, once it can be read."""
    try:
        with sqlite3.connect(f"file:{store}?mode=ro", uri=True) as connection:
            return connection.execute("SELECT name, year, latitude_degrees, latitude_minutes, "
                                      "south FROM people").fetchall()
    except sqlite3.Error:
        return None  # not written yet, or being written


def people_by_keyboard(program, entry, inputs, window):
    """Ctrl+S saves the person the form holds; Ctrl+O opens the People
    window, where typing finds them, Down goes into the list and Enter fills
    the form again, ready for a reading that matches the saved latitude."""
    saved = {"Name": "ADA", "Latitude degrees": "51", "Latitude minutes": "30",
             "Latitude seconds": "26", "Longitude degrees": "0", "Longitude minutes": "7",
             "Longitude seconds": "39"}
    for name, value in saved.items():
        inputs[name].queryEditableText().setTextContents(value)
    program.focus(window)
    program.click(inputs["Latitude degrees"])  # a digits-only box: Ctrl+S is no character
    xdotool("key", "ctrl+s")
    expect_no_message(program)
    # Told at the foot of the form, nothing to click away.
    if not label_named(program, "\u201cADA\u201d is saved."):
        fail("Save Person did not say that ADA is saved")
    stores = wait_for(lambda: glob.glob(os.path.join(program.home.name, "data", "**",
                                                     "people.sqlite"), recursive=True))
    if not stores:
        fail("Ctrl+S saved no one")
    if oct(os.stat(stores[0]).st_mode & 0o777) != "0o600":
        fail(f"the people are readable by others: {oct(os.stat(stores[0]).st_mode)}")
    row = wait_for(lambda: saved_people(stores[0])) or saved_people(stores[0])
    if not row or len(row) != 1 or row[0][0] != "ADA" or row[0][2:4] != ("51", "30"):
        fail(f"the store holds {row}")
    year = row[0][1]

    # Someone else in the boxes; then back to ADA by keys alone.
    for name, value in {"Name": "BOB", "Latitude degrees": "10",
                        "Longitude seconds": "1"}.items():
        inputs[name].queryEditableText().setTextContents(value)
    program.focus(window)
    xdotool("key", "ctrl+o")
    people = wait_for(lambda: visible_windows("People"))
    if not people:
        fail("Ctrl+O did not open the People window")
    program.await_focus(people[0], what="the People window")
    # Tab into the list highlights a row; Shift+Tab goes back to the search.
    xdotool("key", "Tab")
    listed = wait_for(lambda: people_list(program))
    if not listed:
        fail("no list of people")
    if not wait_for(lambda: listed.getState().contains(pyatspi.STATE_FOCUSED)):
        fail("Tab did not go into the list of people")

    def highlighted():
        return [cell.name for cell in descendants(listed)
                if cell.getState().contains(pyatspi.STATE_SELECTED)]
    if not wait_for(highlighted):
        fail("Tab into the list of people highlighted no row")
    xdotool("key", "shift+Tab")
    if not wait_for(lambda: not listed.getState().contains(pyatspi.STATE_FOCUSED)):
        fail("Shift+Tab did not leave the list of people")
    program.settle()
    xdotool("type", "--delay", "40", "ada")
    xdotool("key", "--delay", "100", "Down", "Return")
    if not wait_for(lambda: not visible_windows("People")):
        fail("Enter in the list did not open the person")
    program.await_focus(window, what="the birth details, the People window closed,")
    for name, value in saved.items():
        expect_text(inputs[name], value, f"the opened person's {name}")

    # The reading command has the focus: Enter gives ADA's reading.
    expected = json.loads(subprocess.run(
        [program.path, "reading", "--latitude", "51:30:26N", "--year", str(year),
         "--format", "json"],
        capture_output=True, text=True, check=True).stdout)["star"]
    xdotool("key", "Return")
    result = program.window_with(expected, pyatspi.ROLE_LABEL)
    if not result:
        fail(f"the reading after opening ADA is not {expected!r}")
    reading = shown_alone(MAIN_TITLE, window)
    program.focus(reading)
    # Copy Reading says it is done, without a box to click away.
    xdotool("key", "ctrl+c")
    if not label_named(program, "The reading is copied."):
        fail("Copy Reading did not say the reading is copied")
    expect_no_message(program)
    program.focus(reading)
    xdotool("key", "Tab", "Return")  # Back
    if not program.window_with(READING_BUTTON):
        fail("Back did not return to the birth details")
    print(f"Ctrl+S saved ADA; Ctrl+O, typing, Down and Enter brought her back; "
          f"the reading is {expected}")


def names_as_plain_text(program, window):
    """A name that looks like markup, kept by an older import, is asked
    about as it is written, not drawn as markup."""
    store = glob.glob(os.path.join(program.home.name, "data", "**", "people.sqlite"),
                      recursive=True)[0]
    with sqlite3.connect(store) as db:
        columns = [row[1] for row in db.execute("PRAGMA table_info(people)") if row[1] != "id"]
        values = ", ".join("'<b>AL</b>'" if c == "name" else "'<B>AL</B>'" if c == "name_key"
                           else "x''" if c == "sort_key" else c for c in columns)
        db.execute(f"INSERT INTO people ({', '.join(columns)}) SELECT {values} FROM people "
                   "WHERE name = 'ADA'")
    people = open_people(program, window)
    xdotool("key", "Tab", "Delete")
    shown = expect_message(program)
    if not shown or not any("\u201c<b>AL</b>\u201d" in label for label in shown):
        fail(f"the delete question shows the name otherwise: {shown}")
    program.settle()
    if visible_windows("People"):
        close_people(program, people)
    print(f"the delete question reads: {shown}")


def import_from_a_spreadsheet(program, window):
    """Import, by keys, through the file dialog: a file as a spreadsheet
    writes it (semicolons, columns in another order, a time without
    seconds, German compass words) with a name saved already in small
    letters; the question names the name, Esc cancels, Yes imports."""
    csv = os.path.join(program.home.name, "sheet.csv")
    with open(csv, "w", encoding="utf-8", newline="") as sheet:
        sheet.write("Name;Notes;Date of Birth;Time of Birth;City;State;Country;Latitude Degrees;"
                    "Latitude Minutes;Latitude Seconds;North or South;Longitude Degrees;"
                    "Longitude Minutes;Longitude Seconds;East or West\r\n"
                    "ada ;x;1990-12-10;7:07;Berlin;;;52;31;0;Nord;13;24;0;Ost\r\n"
                    "ZOE;;1990-12-10;7:07;Bern;;;46;57;0;Nord;7;26;0;Ost\r\n"
                    "BAD 2;;1990-12-10;7:07;Bern;;;46;57;0;N;7;26;0;E\r\n")

    def ask_to_import(people):
        """Alt+I in the People window, the file typed into the file dialog;
        returns the question the program asks then."""
        program.focus(people)
        xdotool("key", "alt+i")
        dialog = wait_for(lambda: visible_windows("Import People"))
        if not dialog:
            names = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                                   capture_output=True, text=True).stdout.split()
            titles = [subprocess.run(["xdotool", "getwindowname", w], capture_output=True,
                                     text=True).stdout.strip() for w in names]
            fail(f"Alt+I did not open the file dialog: {titles}")
        program.await_focus(dialog[0], what="the file dialog")
        xdotool("type", "--delay", "20", csv)
        xdotool("key", "Return")
        if not wait_for(lambda: not visible_windows("Import People")):
            fail("the file dialog did not take the file typed")
        box = wait_for(lambda: visible_windows(MESSAGE_TITLE))
        if not box:
            fail("no question for the name saved already")
        program.await_focus(box[0], what="the question")
        return box[0]

    people = open_people(program, window)
    box = ask_to_import(people)

    def asked():
        question = [node.name for w in program.windows() if w.name == MESSAGE_TITLE
                    for node in descendants(w) if node.getRole() == pyatspi.ROLE_LABEL]
        buttons = [node.name for w in program.windows() if w.name == MESSAGE_TITLE
                   for node in descendants(w) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        return question, buttons
    question, buttons = wait_for(lambda: all(asked()) and asked()) or asked()
    if not any("is saved already: \u201cADA\u201d." in label for label in question) or \
            not any("Cancel" in button for button in buttons):
        fail(f"the question is {question} with {buttons}")
    xdotool("key", "Escape")  # Cancel: nobody imported, nothing more said
    if not wait_for(lambda: not visible_windows(MESSAGE_TITLE)):
        fail("Esc did not cancel the import")
    expect_no_message(program)
    store = glob.glob(os.path.join(program.home.name, "data", "**", "people.sqlite"),
                      recursive=True)[0]
    with sqlite3.connect(f"file:{store}?mode=ro", uri=True) as db:
        if db.execute("SELECT count(*) FROM people WHERE name = 'ZOE'").fetchone()[0]:
            fail("Cancel imported the file")
    box = ask_to_import(people)
    xdotool("key", "alt+y")
    shown_alone(MESSAGE_TITLE, box)  # the report, in the question's place
    report = expect_message(program)
    if not report or not any(label.startswith("2 people imported from") and
                             "line 4: the name has \u201c2\u201d" in label and
                             "\u201cNotes\u201d" in label for label in report):
        fail(f"the import reports {report}")
    with sqlite3.connect(f"file:{store}?mode=ro", uri=True) as db:
        rows = db.execute("SELECT name, city, hour, minute, last_used FROM people "
                          "WHERE name IN ('ADA', 'ZOE') ORDER BY name").fetchall()
    if [row[:4] for row in rows] != [("ADA", "Berlin", 7, 7), ("ZOE", "Bern", 7, 7)] or \
            rows[1][4] != 0:
        fail(f"the import kept {rows}")
    close_people(program, people)
    print(f"Import asked {question}, then reported {report}")


def zone_by_keyboard(program, entry, inputs):
    """The zone box: reached by Tab from the Country box, called by its
    name, offering Asia/Kolkata for "Kolkata" typed with real keys."""
    zone = inputs[ZONE]
    boxes = [node for node in descendants(entry)
             if node.name == ZONE and node.getRole() == pyatspi.ROLE_COMBO_BOX]
    if not boxes:
        fail(f"no drop-down list called {ZONE!r}")
    zone.queryEditableText().setTextContents("")
    program.click(inputs["Country"])
    xdotool("key", "Tab")

    def focused():
        return (zone.getState().contains(pyatspi.STATE_FOCUSED)
                or boxes[0].getState().contains(pyatspi.STATE_FOCUSED))
    if not wait_for(focused):
        fail("Tab from the Country box did not reach the zone box")
    xdotool("type", "--delay", "40", "Kolkata")
    offered = wait_for(program.offered_zones)
    if offered != ["Asia/Kolkata"]:
        fail(f"typing Kolkata offered {offered}")
    xdotool("key", "--delay", "80", "Down", "Return")
    expect_text(zone, "Asia/Kolkata", "the zone taken from the list")
    expect_no_message(program)
    # Words in any case, a blank for the underscore.
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "40", "new york")
    offered = wait_for(program.offered_zones)
    if not offered or "America/New_York" not in offered:
        fail(f"typing new york offered {offered}")
    xdotool("key", "Escape")
    zone.queryEditableText().setTextContents("")
    print(f"the zone box {ZONE!r} is reached by Tab and offers Asia/Kolkata for Kolkata")


def lists_by_keyboard(program, inputs, typed):
    """From the Name box, Tab to each date and time list in turn and type
    into it (a list takes what is typed as a search), or press keys."""
    program.click(inputs["Name"])
    for keys in typed:
        xdotool("key", "Tab")
        if keys.startswith("key:"):
            xdotool("key", keys[4:])
        else:
            xdotool("type", "--delay", "40", keys)
        program.settle()


def twice_shown_clock_time(program, entry, inputs, main_window):
    """02:30 on 31 October 2021 in Berlin, shown twice by the clocks: the
    reading asks which was meant, with a button for each reading."""
    for name, value in {"Name": "SMITH", "Longitude degrees": "13", "Longitude minutes": "24",
                        "Longitude seconds": "0", "Latitude degrees": "52",
                        "Latitude minutes": "31", "Latitude seconds": "0"}.items():
        inputs[name].queryEditableText().setTextContents(value)
    lists_by_keyboard(program, inputs, ["Oc", "31", "2021", "2", "30"])
    inputs[ZONE].queryEditableText().setTextContents("Europe/Berlin")
    program.click(program.control(entry, READING_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
    box = wait_for(lambda: visible_windows(MESSAGE_TITLE))
    if not box:
        fail("no question came up for a clock time shown twice")

    def buttons():
        for window in program.windows():
            if window.name == MESSAGE_TITLE:
                found = {node.name: node for node in descendants(window)
                         if node.getRole() == pyatspi.ROLE_PUSH_BUTTON}
                if found:
                    return found
        return None
    offered = wait_for(buttons) or {}
    wanted = {"02:30 CEST (UTC+2)", "02:30 CET (UTC+1)", "Cancel"}
    if set(offered) != wanted:
        fail(f"the question offers {sorted(offered)}, not {sorted(wanted)}")
    program.click(offered["02:30 CET (UTC+1)"])
    if not program.window_with("Fixed Star", pyatspi.ROLE_LABEL):
        fail("no reading after the question was answered")
    window = shown_alone(MAIN_TITLE, main_window)
    program.focus(window)
    xdotool("key", "Tab", "Return")  # Back
    if not program.window_with(READING_BUTTON):
        fail("Back did not return to the birth details")
    # Answered once: the next reading of the same clock time asks no more.
    program.click(program.control(entry, READING_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
    if not program.window_with("Fixed Star", pyatspi.ROLE_LABEL):
        fail("no reading the second time")
    expect_no_message(program)
    program.focus(shown_alone(MAIN_TITLE, main_window))
    xdotool("key", "Tab", "Return")
    if not program.window_with(READING_BUTTON):
        fail("Back did not return to the birth details")
    # The first entry of each list again, and no zone.
    lists_by_keyboard(program, inputs, ["key:Home"] * 5)
    inputs[ZONE].queryEditableText().setTextContents("")
    print(f"a clock time shown twice asks: {sorted(offered)}")


def main():
    program = Program(sys.argv[1], {"LANG": "C.UTF-8", "XCOMPOSEFILE": compose_file()})
    try:
        entry = program.window_with(READING_BUTTON)
        if not entry:
            fail("no birth-details form")
        main_window = wait_for(lambda: visible_windows(MAIN_TITLE))
        if not main_window:
            fail("the birth-details window is not on the display")
        main_window = main_window[0]
        program.focus(main_window)
        inputs = program.inputs(entry)
        typing_and_editing_keys(program, inputs)
        dead_keys(program, inputs)
        one_message_for_a_long_commit(program, inputs)
        large_selection_paste(program, inputs)
        atlas_by_keyboard(program, entry, inputs)
        zone_by_keyboard(program, entry, inputs)
        empty_people_window(program, main_window)
        people_by_keyboard(program, entry, inputs, main_window)
        names_as_plain_text(program, main_window)
        import_from_a_spreadsheet(program, main_window)
        twice_shown_clock_time(program, entry, inputs, main_window)
        result_windows(program, entry, inputs, main_window)
    finally:
        program.close()


if __name__ == "__main__":
    main()
