#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program in a desktop session with a window manager (openbox), as
a new user meets it: where its windows open and what the window manager
offers on them, the About box's legal notices and the licence reached by
keyboard, links on a desktop that cannot open them, the Quit key, Enter on
the farewell form, a logout's SIGTERM, and the forms on a dark desktop.
Real X keys and clicks go in with xdotool; the program is read back over the
accessibility bus, and the window manager's view with xprop.

Run in a D-Bus session of its own, on a display of 1600x1000 (3200x2000 with
--scale 2):
    tests/private_session.sh xvfb-run -a -s "-screen 0 1600x1000x24" \\
        tests/desktop_session_test.py PROGRAM [--scale 2 | --font 16 | --dark]

Without an option it runs every check at 100 %; --scale and --font check
where the windows open at 200 % and with a 16 pt desktop font (given the
program through the GTK desktop settings that Qt's GTK platform theme
reads); --dark checks the outlines and colours on a dark GTK desktop.
"""
import os
import signal
import subprocess
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (PATIENCE, READING_BUTTON, Program, XServer, chart_pane,  # noqa: E402
                     descendants, fail, notice_readable, tallest_letter, text_of,
                     visible_windows, wait_for, wheel_words_as_tall, windows_of, xdotool)

MESSAGE_TITLE = "Asterine"
BROWSER_BUTTON = "Click Here To Find Latitude & Longitude"
REFER_BUTTON = "Refer A Friend Now"
HOME_PAGE = "https://www.quorvane.com/"

MWM_FUNC_MAXIMIZE = 0x10
MWM_DECOR_MAXIMIZE = 0x40


def start_window_manager():
    """openbox, once it manages the screen: it says so on the root window."""
    log = tempfile.TemporaryFile("w+")
    manager = subprocess.Popen(["openbox"], stdout=log, stderr=subprocess.STDOUT)
    x = XServer.shared()
    if not wait_for(lambda: manager.poll() is not None or x.window_manager()) \
            or manager.poll() is not None:
        log.seek(0)
        fail(f"openbox did not start (status {manager.poll()}): {log.read().strip()!r}")
    return manager


def program_windows(program):
    """The program's windows that the X server shows."""
    return windows_of(program.process.pid)


def xprop(window, name):
    return subprocess.run(["xprop", "-id", str(window), name], capture_output=True,
                          text=True).stdout.strip()


def title_of(window):
    return subprocess.run(["xdotool", "getwindowname", str(window)], capture_output=True,
                          text=True).stdout.strip()


def outer_geometry(window):
    """The window with the frame the window manager drew around it."""
    info = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True,
                          text=True).stdout
    values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    x, y = int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])
    width, height = int(values["Width"]), int(values["Height"])
    extents = xprop(window, "_NET_FRAME_EXTENTS")
    left = right = top = bottom = 0
    if "=" in extents:
        left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(","))
    return x - left, y - top, width + left + right, height + top + bottom


def screen_size():
    info = subprocess.run(["xwininfo", "-root"], capture_output=True, text=True).stdout
    values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return int(values["Width"]), int(values["Height"])


def expect_on_screen(program, what):
    """Every window the program shows lies wholly on the screen, once the
    window manager has framed it (it then tells the frame's size)."""
    program.settle()
    width, height = screen_size()
    beyond = []

    def placed():
        windows = program_windows(program)
        beyond.clear()
        for window in windows:
            if "=" not in xprop(window, "_NET_FRAME_EXTENTS"):
                beyond.append(f"{title_of(window)!r} has no frame yet")
                continue
            x, y, w, h = outer_geometry(window)
            if x < 0 or y < 0 or x + w > width or y + h > height:
                beyond.append(f"{title_of(window)!r} lies at {x},{y} {w}x{h}, "
                              f"beyond the {width}x{height} screen")
        return windows if windows and not beyond else None
    windows = wait_for(placed)
    if not windows:
        fail(f"{what}: {'; '.join(beyond) or 'no window on the display'}")
    return windows


def expect_no_maximise(window, what):
    hints = xprop(window, "_MOTIF_WM_HINTS")
    values = [int(v, 16) for v in hints.split("=")[1].split(",")]
    if values[1] & MWM_FUNC_MAXIMIZE or values[2] & MWM_DECOR_MAXIMIZE:
        fail(f"{what}: the window asks for a maximise button: {hints}")
    allowed = xprop(window, "_NET_WM_ALLOWED_ACTIONS")
    if "MAXIMIZE" in allowed:
        fail(f"{what}: the window manager offers to maximise it: {allowed}")


def message_text(program):
    for window in program.windows():
        if window.name == MESSAGE_TITLE:
            labels = [node.name for node in descendants(window)
                      if node.getRole() == pyatspi.ROLE_LABEL and node.name]
            if labels:
                return "\n".join(labels)
    return None


def expect_no_message(program, what):
    program.settle()
    if program.message_showing(MESSAGE_TITLE) or visible_windows(MESSAGE_TITLE):
        fail(f"{what}: a message box came up")


class FakeOpener:
    """xdg-open as on a desktop without a browser: it records the address
    it was given and fails as xdg-open does when it finds no way to open it."""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()
        self.log = os.path.join(self.folder.name, "opened")
        script = os.path.join(self.folder.name, "xdg-open")
        self.environment = os.path.join(self.folder.name, "environment")
        with open(script, "w") as out:
            out.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" >> '{self.log}'\n"
                      f"env > '{self.environment}'\nexit 3\n")
        os.chmod(script, 0o755)

    def opened(self):
        try:
            with open(self.log) as log:
                return log.read().split()
        except FileNotFoundError:
            return []


def start(path, opener, environment=None):
    env = {"LANG": "C.UTF-8", "PATH": opener.folder.name + ":" + os.environ["PATH"]}
    if os.geteuid() == 0:
        env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # Chromium's refuses root
    env.update(environment or {})
    program = Program(path, env)
    entry = program.window_with(READING_BUTTON)
    if not entry:
        fail("no birth-details form")
    return program, entry


def main_window(program):
    windows = wait_for(lambda: len(program_windows(program)) == 1 and program_windows(program))
    if not windows:
        fail(f"expected the birth-details window alone, found {program_windows(program)}")
    return windows[0]


def about_box_and_licence(program, window):
    program.focus(window)
    xdotool("key", "--delay", "150", "alt+h", "a")
    about = program.window_with("Places: GeoNames, CC BY 4.0", pyatspi.ROLE_LABEL)
    if not about:
        fail("Alt+H, A did not open the About box with the GeoNames credit")
    notice = program.control(about, "Licence", pyatspi.ROLE_PUSH_BUTTON)
    labels = " ".join(node.name for node in descendants(about)
                      if node.getRole() == pyatspi.ROLE_LABEL)
    for part in ("Copyright", "ABSOLUTELY NO WARRANTY", "GNU General Public License",
                 "Click here to visit"):
        if part not in labels:
            fail(f"the About box does not say {part!r}: {labels!r}")
    expect_on_screen(program, "the About box")
    about_window = program.await_focus(leaving=window, what="the About box")
    xdotool("key", "Tab", "Return")
    licence = program.window_with("Licence", pyatspi.ROLE_TEXT)
    if not licence:
        fail(f"Tab and Return on {notice.name!r} did not show the licence")
    text = text_of(program.control(licence, "Licence", pyatspi.ROLE_TEXT))
    if "GNU GENERAL PUBLIC LICENSE" not in text or "Version 3, 29 June 2007" not in text:
        fail("the licence window does not hold the GPL, version 3")
    expect_on_screen(program, "the licence window")
    close_about_and_licence(program, about_window)
    print("the About box gives the legal notices and the GeoNames credit; "
          "Tab and Return show the licence, Esc closes both")


def close_about_and_licence(program, about_window):
    """Esc on the licence window, then Esc on the About box once it has the
    keyboard again."""
    program.await_focus(leaving=about_window, what="the licence window")
    xdotool("key", "Escape")
    if not wait_for(lambda: not program.window_with("Licence", pyatspi.ROLE_TEXT, 0)):
        fail("Esc did not close the licence window")
    program.await_focus(about_window, what="the About box, the licence closed,")
    xdotool("key", "Escape")
    if not wait_for(lambda: not program.window_with("Places: GeoNames, CC BY 4.0",
                                                    pyatspi.ROLE_LABEL, 0)):
        fail("Esc did not close the About box")


def links_without_a_browser(program, window, opener):
    program.focus(window)
    xdotool("key", "--delay", "150", "alt+h", "v")
    if not wait_for(lambda: visible_windows(MESSAGE_TITLE)):
        fail("a link the desktop cannot open showed no message")
    text = wait_for(lambda: message_text(program)) or ""
    if HOME_PAGE not in text:
        fail(f"the message does not name the address: {text!r}")
    if opener.opened() != [HOME_PAGE]:
        fail(f"xdg-open was given {opener.opened()}")
    with open(opener.environment) as environment:
        inherited = [line for line in environment if line.startswith(
            ("QT_XCB_GL_INTEGRATION=", "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION="))]
    if inherited:
        fail(f"the program's choices for itself reached xdg-open: {inherited}")
    expect_on_screen(program, "the message")
    program.await_focus(visible_windows(MESSAGE_TITLE)[0], what="the message")
    xdotool("key", "alt+y")
    if not wait_for(lambda: not visible_windows(MESSAGE_TITLE)):
        fail("Alt+Y did not answer the message")
    copied = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                            text=True).stdout
    if copied != HOME_PAGE:
        fail(f"the clipboard holds {copied!r}, not the address")
    print("a link the desktop cannot open: one message naming it, and Yes copies it")


def browser_on_screen(program, entry):
    inputs = program.inputs(entry)
    for name, value in {"City": "Pune", "State": "Maharashtra", "Country": "India"}.items():
        inputs[name].queryEditableText().setTextContents(value)
    program.press(program.control(entry, BROWSER_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
    if not program.window_with("Refresh", pyatspi.ROLE_PUSH_BUTTON):
        fail("the browser window did not come up")
    if not wait_for(lambda: len(program_windows(program)) == 2):
        fail("the browser window is not on the display")
    expect_on_screen(program, "the browser")
    print("the browser opens wholly on the screen")


def quit_key_and_farewell(program, entry, window, opener):
    degrees = program.inputs(entry)["Latitude degrees"]
    program.focus(window)
    program.click(degrees)
    xdotool("key", "ctrl+q")
    farewell = program.window_with(REFER_BUTTON, pyatspi.ROLE_PUSH_BUTTON)
    if not farewell:
        fail("Ctrl+Q in the degrees box did not bring up the farewell")
    expect_no_message(program, "Ctrl+Q in the degrees box")
    expect_on_screen(program, "the farewell")
    for w in program_windows(program):
        if title_of(w) == "Asterine v1.0":  # not the browser beside it
            expect_no_maximise(w, "the farewell")

    # Enter in its boxes and on its check box sends nothing.
    fields = {node.name: node for node in descendants(farewell)
              if node.getRole() == pyatspi.ROLE_TEXT}
    before = opener.opened()
    program.click(fields["Your Name"])
    xdotool("type", "--delay", "30", "Ann")
    xdotool("key", "Return")
    program.click(fields["Your Email Address"])
    xdotool("type", "--delay", "30", "ann@example.org")
    xdotool("key", "Return", "KP_Enter")
    check = [node for node in descendants(farewell) if node.getRole() == pyatspi.ROLE_CHECK_BOX]
    check[0].queryComponent().grabFocus()
    if not wait_for(lambda: check[0].getState().contains(pyatspi.STATE_FOCUSED)):
        fail("the farewell's check box did not take the focus")
    xdotool("key", "Return")
    expect_no_message(program, "Enter in the farewell's boxes")
    if opener.opened() != before:
        fail(f"Enter in the farewell's boxes opened {opener.opened()[len(before):]}")
    if not program.window_with(REFER_BUTTON, pyatspi.ROLE_PUSH_BUTTON, 0):
        fail("Enter in the farewell's boxes closed it")
    print("Ctrl+Q leaves for the farewell from a filtered box; Enter in the farewell's "
          "boxes and on its check box sends nothing")


def logout_ends_the_program(program):
    lock = os.path.join(program.home.name, "runtime", "asterine.lock")
    if not os.path.exists(lock):
        fail("the running program holds no lock")
    program.process.send_signal(signal.SIGTERM)
    try:
        status = program.process.wait(PATIENCE)
    except subprocess.TimeoutExpired:
        fail("SIGTERM did not end the program")
    if status != 0:
        fail(f"SIGTERM ended the program with status {status}")
    if os.path.exists(lock):
        fail("SIGTERM left the lock behind")
    print("SIGTERM, as at logout, ends the program with status 0 and releases the lock")


def result_window(program, entry, main):
    inputs = program.inputs(entry)
    for name, value in {"Name": "ADA", "Longitude degrees": "73", "Longitude minutes": "51",
                        "Longitude seconds": "2", "Latitude degrees": "77",
                        "Latitude minutes": "33", "Latitude seconds": "10"}.items():
        inputs[name].queryEditableText().setTextContents(value)
    program.press(program.control(entry, READING_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
    if not program.window_with("Latin Name", pyatspi.ROLE_LABEL):
        fail("the result form did not come up")
    expect_on_screen(program, "the result form")

    def results():
        return [w for w in program_windows(program) if title_of(w) == "Asterine v1.0"]
    windows = wait_for(lambda: results() != [main] and len(results()) == 1 and results())
    if not windows:
        fail(f"expected one result window beside any browser, found {results()}")
    expect_no_maximise(windows[0], "the result form")
    return windows[0]


# The pictures' lists, as screen readers are told of them.
WHEEL_LIST = "Wheel of the birth's sky"
HORIZON_LIST = "The sky over the birthplace on the birth day"


def window_letter(program, result, scale=1):
    """The height in pixels of the tallest letter of the result form's
    "Latin Name", as the screen shows it."""
    from PIL import Image
    label = next(node for node in descendants(result)
                 if node.getRole() == pyatspi.ROLE_LABEL and node.name == "Latin Name")
    box = label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    with tempfile.NamedTemporaryFile(suffix=".png") as shot:
        subprocess.run(["import", "-window", "root", shot.name], check=True)
        image = Image.open(shot.name).convert("RGB")
    return tallest_letter(image.crop((round(box.x * scale), round(box.y * scale),
                                      round((box.x + box.width) * scale),
                                      round((box.y + box.height) * scale))))


def chart_beside_the_reading(program, what, look=None, scale=1, words_as_tall=False):
    """The wheel and the horizon beside the reading, drawn and read out; a
    folder named by ASTERINE_SHOTS gets the screenshots. With
    `words_as_tall`, the wheel's names are in type near the window's."""
    result = program.window_with("Latin Name", pyatspi.ROLE_LABEL)
    shots = os.environ.get("ASTERINE_SHOTS")
    if shots:
        shots = os.path.join(shots, what.replace(" ", "_").replace("%", ""))
        os.makedirs(shots, exist_ok=True)
    wheel_look = notice_readable
    if words_as_tall:
        letter = window_letter(program, result, scale)
        if letter < 10:
            fail(f"the result form's \"Latin Name\" has letters only {letter} px tall")
        as_tall = wheel_words_as_tall(letter)

        def wheel_look(picture):
            return notice_readable(picture) or as_tall(picture)
    wheel, horizon = chart_pane(program, result, WHEEL_LIST, HORIZON_LIST, "Wheel", "Horizon",
                                look, shots, scale, wheel_look=wheel_look)
    if not any("Regulus" in line for line in wheel):
        fail(f"the wheel's list does not name the reading's star: {wheel}")
    print(f"the wheel and the horizon show beside the reading {what}, read out as "
          f"{len(wheel)} and {len(horizon)} lines: {wheel[0]!r} ...")
    if words_as_tall:
        print(f"the wheel's names are about as tall as the window's words ({letter} px)")


# The OpenGL driver and what only it loads; libEGL.so.1 and libOpenGL.so.0,
# which every Qt program links, only dispatch to it.
DRIVER = ("_dri.so", "libEGL_mesa", "libGLX_mesa", "libgbm")


def without_the_opengl_driver(program):
    with open(f"/proc/{program.process.pid}/maps") as maps:
        loaded = {line.split()[-1] for line in maps if any(d in line for d in DRIVER)}
    if loaded:
        fail(f"the form came up with the OpenGL driver loaded: {sorted(loaded)}")
    print("the form comes up without the OpenGL driver")


def full_session(path):
    opener = FakeOpener()
    program, entry = start(path, opener)
    try:
        window = main_window(program)
        without_the_opengl_driver(program)
        expect_on_screen(program, "the birth-details form")
        expect_no_maximise(window, "the birth-details form")
        about_box_and_licence(program, window)
        links_without_a_browser(program, window, opener)
        browser_on_screen(program, entry)
        quit_key_and_farewell(program, entry, window, opener)
        logout_ends_the_program(program)
    finally:
        program.close()

    program, entry = start(path, opener)
    try:
        result = result_window(program, entry, main_window(program))
        chart_beside_the_reading(program, "at 100 %")
        program.focus(result)
        xdotool("key", "ctrl+q")
        if not program.window_with(REFER_BUTTON, pyatspi.ROLE_PUSH_BUTTON):
            fail("Ctrl+Q on the result form did not bring up the farewell")
        print("the result form opens on the screen without Maximise; Ctrl+Q leaves it")
    finally:
        program.close()


def placement_only(path, environment, what, scale=1, words_as_tall=False):
    opener = FakeOpener()
    program, entry = start(path, opener, environment)
    try:
        window = main_window(program)
        expect_on_screen(program, f"the birth-details form {what}")
        program.focus(window)
        xdotool("key", "--delay", "150", "alt+h", "a")
        if not program.window_with("Places: GeoNames, CC BY 4.0", pyatspi.ROLE_LABEL):
            fail("Alt+H, A did not open the About box")
        expect_on_screen(program, f"the About box {what}")
        about_window = program.await_focus(leaving=window, what="the About box")
        xdotool("key", "Tab", "Return")
        if not program.window_with("Licence", pyatspi.ROLE_TEXT):
            fail("the licence did not come up")
        expect_on_screen(program, f"the licence {what}")
        close_about_and_licence(program, about_window)
        browser_on_screen(program, entry)
        result = result_window(program, entry, window)
        chart_beside_the_reading(program, what, scale=scale, words_as_tall=words_as_tall)
        program.focus(result)
        xdotool("key", "ctrl+q")
        if not program.window_with(REFER_BUTTON, pyatspi.ROLE_PUSH_BUTTON):
            fail("Ctrl+Q on the result form did not bring up the farewell")
        expect_on_screen(program, f"the farewell {what}")
        print(f"every window opens wholly on the screen {what}")
    finally:
        program.close()


def gtk_settings(font=None, dark=False):
    """A desktop's GTK settings, which Qt's GTK platform theme reads: the
    program's environment for them."""
    config = tempfile.mkdtemp()
    os.makedirs(os.path.join(config, "gtk-3.0"))
    with open(os.path.join(config, "gtk-3.0", "settings.ini"), "w") as settings:
        settings.write("[Settings]\n")
        if font:
            settings.write(f"gtk-font-name=DejaVu Sans {font}\n")
        if dark:
            settings.write("gtk-application-prefer-dark-theme=1\n")
    # GTK, which the theme loads, would put a second, empty "asterine" on
    # the accessibility bus; Qt's own is the program.
    return {"QT_QPA_PLATFORMTHEME": "gtk3", "XDG_CONFIG_HOME": config, "NO_AT_BRIDGE": "1",
            "GTK_THEME": "Adwaita:dark" if dark else "Adwaita"}


def luminance(colour):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = colour[:3]
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def contrast(a, b):
    x, y = luminance(a), luminance(b)
    return (max(x, y) + 0.05) / (min(x, y) + 0.05)


def screenshot():
    from PIL import Image
    with tempfile.NamedTemporaryFile(suffix=".png") as shot:
        subprocess.run(["import", "-window", "root", shot.name], check=True)
        return Image.open(shot.name).convert("RGB")


def outline_contrast(image, node, background, band=3):
    """How far the outline at the left edge of a control, where it crosses
    the control's middle, stands out from `background`."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    middle = box.y + box.height // 2
    return max(contrast(image.getpixel((box.x + dx, middle)), background)
               for dx in range(band))


def drawn(program, look):
    """Screenshots of the screen until `look`, given one, finds what it looks
    for (it returns None then, else what it found wrong): a window shown is
    drawn a moment later, and later still on a busy machine. Fails with what
    the last screenshot showed."""
    program.settle()
    complaint = []

    def seen():
        complaint[:] = [look(screenshot())]
        return complaint[0] is None
    if not wait_for(seen):
        fail(complaint[0])


def dark_desktop(path):
    opener = FakeOpener()
    program, entry = start(path, opener, gtk_settings(dark=True))
    try:
        window = main_window(program)
        program.focus(window)
        expect_on_screen(program, "the birth-details form")
        inputs = program.inputs(entry)
        sample = program.control(entry, "Latitude", pyatspi.ROLE_LABEL) \
            .queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

        def dark_form(image):
            background = image.getpixel((sample.x - 3, sample.y + sample.height // 2))
            if luminance(background) > 0.18:
                return f"the desktop is not dark: the form's background is {background}"
            for name in ("Longitude degrees", "Longitude minutes", "Longitude seconds",
                         "Latitude degrees", "Latitude minutes", "Latitude seconds", "City"):
                seen = outline_contrast(image, inputs[name], background)
                if seen < 3.0:
                    return f"the frame of {name!r} stands out {seen:.2f}:1 on the dark form"
            return None
        drawn(program, dark_form)
        print("on a dark desktop every number box shows its frame (3:1 or more)")

        # The pictures in the desktop's dark colours, their lines and
        # labels standing out.
        result = result_window(program, entry, window)

        def dark_chart(picture):
            ground = picture.getpixel((3, 3))
            if luminance(ground) > 0.18:
                return f"the chart is not drawn dark on a dark desktop: {ground}"
            brightest = max(picture.getdata(), key=luminance)
            if contrast(brightest, ground) < 4.5:
                return f"the chart's lines stand out only {contrast(brightest, ground):.1f}:1"
            return None
        chart_beside_the_reading(program, "on a dark desktop", dark_chart)
        program.focus(result)

        xdotool("key", "ctrl+q")
        farewell = program.window_with(REFER_BUTTON, pyatspi.ROLE_PUSH_BUTTON)
        if not farewell:
            fail("Ctrl+Q did not bring up the farewell")
        expect_on_screen(program, "the farewell")
        check = [node for node in descendants(farewell)
                 if node.getRole() == pyatspi.ROLE_CHECK_BOX][0]
        box = check.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        exit_button = program.control(farewell, "Exit", pyatspi.ROLE_PUSH_BUTTON)
        button = exit_button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        outline = []

        def light_farewell(image):
            white = image.getpixel((box.x + box.width - 3, box.y + 2))
            if luminance(white) < 0.9:
                return f"the farewell form is not white on a dark desktop: {white}"
            outline[:] = [outline_contrast(image, check, white, band=4)]
            if outline[0] < 3.0:
                return f"the farewell's check box outline stands out {outline[0]:.2f}:1"
            face = image.getpixel((button.x + 4, button.y + button.height // 2))
            if luminance(face) < 0.5:
                return f"the farewell's Exit button is dark on a dark desktop: {face}"
            return None
        drawn(program, light_farewell)
        print("on a dark desktop the farewell stays light: a light Exit button and a check "
              f"box whose outline stands out {outline[0]:.1f}:1")
    finally:
        program.close()


def main():
    path = sys.argv[1]
    option = sys.argv[2:]
    manager = start_window_manager()
    try:
        if option[:1] == ["--scale"]:
            placement_only(path, {"QT_SCALE_FACTOR": option[1]}, f"at {option[1]}00 %",
                           float(option[1]))
        elif option[:1] == ["--font"]:
            placement_only(path, gtk_settings(font=option[1]),
                           f"with a {option[1]} pt desktop font", words_as_tall=True)
        elif option[:1] == ["--dark"]:
            dark_desktop(path)
        else:
            full_session(path)
    finally:
        manager.terminate()


if __name__ == "__main__":
    main()
