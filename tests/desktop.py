# SPDX-License-Identifier: GPL-3.0-or-later
"""What the tests that drive the real program share: starting it on the
display with the accessibility bus on, finding its windows and controls as a
screen reader does, and sending real X input with xdotool."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

READING_BUTTON = "Get My Fixed Stars Astrology Reading"


def pump(seconds):
    """Lets the accessibility bus deliver its events for a while."""
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
        pump(0.05)
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def visible_windows(title):
    """The X windows shown with exactly this title."""
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                            capture_output=True, text=True)
    return [int(w) for w in result.stdout.split()]


class Program:
    """The real program, started on the display with a home of its own."""

    def __init__(self, path, environment=None):
        self.home = tempfile.TemporaryDirectory()
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=os.path.join(self.home.name, "config"),
                   XDG_DATA_HOME=os.path.join(self.home.name, "data"),
                   XDG_RUNTIME_DIR=os.path.join(self.home.name, "runtime"))
        env.pop("QT_QPA_PLATFORM", None)  # a real display, not offscreen
        env.update(environment or {})
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        self.path = path
        self.process = subprocess.Popen([path], env=env)
        self.app = wait_for(self._application)
        if not self.app:
            fail("the program did not appear on the accessibility bus")

    def _application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "asterine":
                return app
        return None

    def close(self):
        self.process.kill()
        self.process.wait()
        self.home.cleanup()

    def windows(self):
        """The program's windows that are showing."""
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                yield window

    def window_with(self, name, role=None, seconds=20):
        """The showing window that holds a control called `name`."""
        def find():
            for window in self.windows():
                for node in descendants(window):
                    if node.name == name and (role is None or node.getRole() == role):
                        return window
            return None
        return wait_for(find, seconds)

    @staticmethod
    def control(window, name, role):
        for node in descendants(window):
            if node.name == name and node.getRole() == role:
                return node
        fail(f"no {role} named {name!r}")

    @staticmethod
    def inputs(window):
        return {node.name: node for node in descendants(window)
                if node.getRole() == pyatspi.ROLE_TEXT}

    @staticmethod
    def press(button):
        button.queryAction().doAction(0)

    @staticmethod
    def click(node, button=1):
        """A real mouse click in the middle of a control."""
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
        # xdotool's --sync waits for the pointer to move, so for ever (or
        # long) when it is already there.
        where = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True,
                               text=True).stdout
        if f"X={x}\n" not in where or f"Y={y}\n" not in where:
            xdotool("mousemove", "--sync", str(x), str(y))
        xdotool("click", str(button))

    def offered_places(self):
        """The places the atlas list under the City box offers, if it shows."""
        for window in self.windows():
            for node in [window, *descendants(window)]:
                if node.getRole() == pyatspi.ROLE_LIST and node.name == "Places":
                    items = [item.name for item in descendants(node)
                             if item.getRole() == pyatspi.ROLE_LIST_ITEM]
                    return items or None
        return None

    def cpu_seconds(self):
        with open(f"/proc/{self.process.pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
