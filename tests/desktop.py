# SPDX-License-Identifier: GPL-3.0-or-later
"""What the tests that drive the real program share: starting it on the
display with the accessibility bus on, finding its windows and controls as a
screen reader does, and sending real X input with xdotool."""
import contextlib
import os
import random
import select
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

READING_BUTTON = "Get My Fixed Stars Astrology Reading"

# How long anything awaited may take before a check gives up on it. Every
# wait ends as soon as what it waits for happens, so the limit costs nothing
# when all is well; it is long because a machine busy with other work may
# take many seconds to start a program, map a window or load a page.
PATIENCE = 90


def pump(seconds):
    """Lets the accessibility bus deliver its events for a while."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def deliver():
    """Hands the events the accessibility bus holds already to their listeners."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(find, seconds=PATIENCE):
    deadline = time.monotonic() + seconds
    while True:
        found = find()
        if found or time.monotonic() >= deadline:
            return found or None
        pump(0.05)


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
    # --sync waits for the X server to report the move or the activation,
    # without a limit of its own.
    try:
        subprocess.run(["xdotool", *arguments], check=True, timeout=PATIENCE)
    except subprocess.TimeoutExpired:
        fail(f"xdotool {' '.join(arguments)} did not finish in {PATIENCE} s")


def visible_windows(title):
    """The X windows shown with exactly this title."""
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                            capture_output=True, text=True)
    return [int(w) for w in result.stdout.split()]


def shown_alone(title, instead_of=None):
    """The one window the X server shows with this title, once it shows it
    alone, and not `instead_of`, the window it takes the place of."""
    def alone():
        windows = visible_windows(title)
        return windows[0] if len(windows) == 1 and windows[0] != instead_of else None
    window = wait_for(alone)
    if not window:
        fail(f"expected one window titled {title!r} in place of {instead_of}, found "
             f"{visible_windows(title)}")
    return window


def windows_of(pid, visible=True):
    """The X windows of the process `pid`; only those shown, or all."""
    found = subprocess.run(["xdotool", "search", *(["--onlyvisible"] if visible else []),
                            "--pid", str(pid)], capture_output=True, text=True)
    return [int(w) for w in found.stdout.split()]


class XServer:
    """A connection of the tests' own to the X server, for what xdotool and
    xprop cannot wait on: a ping that a program answers only once it has
    handled every X event sent to it before, and the keyboard focus."""

    _shared = None

    @classmethod
    def shared(cls):
        if cls._shared is None:
            cls._shared = cls()
        return cls._shared

    def __init__(self):
        from Xlib import X, display
        self.X = X
        self.display = display.Display()
        # A window that went away before its ping arrived is no failure of
        # its own: the ping simply goes unanswered.
        self.display.set_error_handler(lambda *error: None)
        self.root = self.display.screen().root
        # Answers to pings go to the root window, to whoever listens there.
        self.root.change_attributes(event_mask=X.StructureNotifyMask |
                                    X.SubstructureNotifyMask)
        self.protocols = self.display.intern_atom("WM_PROTOCOLS")
        self.ping_atom = self.display.intern_atom("_NET_WM_PING")
        self.token = random.randrange(1 << 20, 1 << 30)

    def ping(self, windows, seconds=PATIENCE):
        """Pings the windows of one program; true once any of them answers."""
        from Xlib.protocol import event
        self.token += 1
        for window in windows:
            target = self.display.create_resource_object("window", window)
            # No timestamp: a client takes the time of a ping as the server's
            # time, and a made-up one would make it ignore its own requests.
            message = event.ClientMessage(
                window=target, client_type=self.protocols,
                data=(32, [self.ping_atom, self.X.CurrentTime, window, self.token, 0]))
            target.send_event(message, event_mask=0)
        self.display.flush()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while self.display.pending_events():
                answer = self.display.next_event()
                if answer.type == self.X.ClientMessage and answer.client_type == self.protocols:
                    data = answer.data[1]
                    if data[0] == self.ping_atom and data[3] == self.token:
                        return True
            select.select([self.display.fileno()], [], [], 0.05)
        return False

    def focus_within(self, window):
        """Whether the keyboard focus lies on `window` or a window inside it."""
        focus = self.display.get_input_focus().focus
        while isinstance(focus, type(self.root)) and focus.id != self.root.id:
            if focus.id == window:
                return True
            focus = focus.query_tree().parent
        return False

    def under_pointer(self):
        """The top-level window (a window manager's frame) under the pointer."""
        child = self.root.query_pointer().child
        return child.id if child else None

    @staticmethod
    def keysym(key):
        """The keysym of a character, or of a key named as xdotool names it."""
        from Xlib import XK
        if len(key) == 1:
            return ord(key) if ord(key) < 0x100 else 0x1000000 + ord(key)
        XK.load_keysym_group("xkb")  # the dead keys
        return XK.string_to_keysym(key.split("+")[-1])

    @contextlib.contextmanager
    def keys_for(self, keys):
        """Puts the characters or keys that no key of the keyboard gives on
        spare keys for as long as this lasts. (xdotool would put each on a
        spare key just while it types it, and take it off again perhaps
        before the program has read which key gives what.)"""
        info = self.display.display.info
        first, count = info.min_keycode, info.max_keycode - info.min_keycode + 1
        mapping = self.display.get_keyboard_mapping(first, count)
        spare = [first + i for i, row in enumerate(mapping) if not any(row)]
        missing = []
        for keysym in dict.fromkeys(self.keysym(key) for key in keys):
            if not self.display.keysym_to_keycode(keysym):
                missing.append(keysym)
        if len(missing) > len(spare):
            fail(f"the keyboard has no spare keys for {keys!r}")
        changed = list(zip(spare, missing))
        for keycode, keysym in changed:
            self.display.change_keyboard_mapping(keycode, [(keysym, keysym)])
        self.display.sync()
        try:
            yield
        finally:
            for keycode, _ in changed:
                self.display.change_keyboard_mapping(keycode, [tuple(mapping[keycode - first])])
            self.display.sync()

    def window_manager(self):
        """Whether a window manager runs on the display."""
        check = self.root.get_full_property(
            self.display.intern_atom("_NET_SUPPORTING_WM_CHECK"), self.X.AnyPropertyType)
        return bool(check and check.value)


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
        self.on_x = "DISPLAY" in env and env.get("QT_QPA_PLATFORM", "xcb").startswith("xcb")
        self.process = subprocess.Popen([path], env=env)
        self.app = wait_for(self._application)
        if not self.app:
            desktop = pyatspi.Registry.getDesktop(0)
            present = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
            fail(f"the program did not appear on the accessibility bus (status "
                 f"{self.process.poll()}); it holds {[a.name for a in present if a]}")

    def _application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clearCache()
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "asterine":
                return app
        return None

    def close(self):
        self.process.kill()
        self.process.wait()
        self.home.cleanup()

    def settle(self):
        """Returns once the program has handled all that was sent to it so
        far: every X event (keys, clicks, focus) and every request on the
        accessibility bus, and shown whatever they made it show. A check that
        something did not happen looks after this, not after a while.

        On X the program answers a ping once it has read every event before
        it, and handles the events it read before it takes the next request
        from the accessibility bus, whose answer follows the events the
        program sent on that bus before. Twice, for what the events handed
        on to the next round of the program's event loop."""
        for _ in range(2):
            if self.on_x:
                # None may be found while one window takes another's place
                # and the window manager takes the old one off its frame.
                windows = wait_for(lambda: windows_of(self.process.pid) or
                                   windows_of(self.process.pid, False))
                if not windows:
                    fail("the program has no window on the X server to ask")
                if not XServer.shared().ping(windows):
                    fail(f"the program answered no ping in {PATIENCE} s: it hangs")
            self.app.clearCache()
            for i in range(self.app.childCount):
                window = self.app.getChildAtIndex(i)
                if window is not None:
                    window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    break
            deliver()

    def type(self, text):
        """Types `text` with real keys, each character on a key of its own
        that stays while all of it is typed."""
        with XServer.shared().keys_for(text):
            self.settle()  # the program has read the keyboard's new keys
            xdotool("type", "--delay", "60", text)
            self.settle()

    def keys(self, *keys):
        """Presses keys named as xdotool names them, as type() types."""
        with XServer.shared().keys_for(keys):
            self.settle()
            xdotool("key", "--delay", "60", *keys)
            self.settle()

    def focus(self, window):
        """Gives the X window `window` the keyboard focus, as a click on it
        does, and returns once the program has taken it."""
        x = XServer.shared()
        if x.window_manager():
            xdotool("windowactivate", "--sync", str(window))
        else:
            xdotool("windowfocus", "--sync", str(window))
        if not wait_for(lambda: x.focus_within(window)):
            fail(f"the window {window} did not take the keyboard focus")
        self.settle()

    def focused_window(self):
        """The program's shown X window that holds the keyboard focus, if any."""
        x = XServer.shared()
        for window in windows_of(self.process.pid):
            if x.focus_within(window):
                return window
        return None

    def await_focus(self, window=None, leaving=None, what="the new window"):
        """Waits until the keyboard focus lies in the program's X window
        `window`, or in any window of the program's but `leaving`, and the
        program has taken it; returns that window. Keys typed before then
        would go to the window that had the focus."""
        def arrived():
            focused = self.focused_window()
            if focused is None or focused == leaving:
                return None
            return focused if window is None or focused == window else None
        focused = wait_for(arrived)
        if not focused:
            fail(f"{what} did not take the keyboard focus (it is in {self.focused_window()})")
        self.settle()
        return focused

    def windows(self):
        """The program's windows that are showing."""
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                yield window

    def window_with(self, name, role=None, seconds=PATIENCE):
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

    def click(self, node, button=1):
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
        # A window manager gives the clicked window the keyboard focus when
        # it has handled the click; keys typed next go there only then.
        server = XServer.shared()
        if server.window_manager():
            top = server.under_pointer()
            if top and not wait_for(lambda: server.focus_within(top)):
                fail(f"the window under a click ({top}) did not take the keyboard focus")
        self.settle()

    def message_showing(self, title):
        """Whether the program shows a window with this title, as it itself
        sees it: a window shown but not yet mapped by a window manager counts."""
        self.app.clearCache()
        for window in self.windows():
            if window.name == title:
                return True
        return False

    def offered_places(self):
        """The places the atlas list under the City box offers, if it shows."""
        for window in self.windows():
            for node in [window, *descendants(window)]:
                if node.getRole() == pyatspi.ROLE_LIST and node.name == "Places":
                    items = [item.name for item in descendants(node)
                             if item.getRole() == pyatspi.ROLE_LIST_ITEM]
                    return items or None
        return None

    def offered_zones(self):
        """The zones the zone box's completion list offers, if it shows."""
        for window in self.windows():
            for node in [window, *descendants(window)]:
                if node.getRole() == pyatspi.ROLE_LIST and node.name == "Time zones":
                    if not node.getState().contains(pyatspi.STATE_SHOWING):
                        continue
                    items = [item.name for item in descendants(node)
                             if item.getRole() == pyatspi.ROLE_LIST_ITEM]
                    return items or None
        return None

    def cpu_seconds(self):
        with open(f"/proc/{self.process.pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def notice_readable(picture):
    """None when the wheel, as the screen shows it, has no notice in its
    inner circle or one in type as large as the signs' (a line's ink at
    least 2.3 % of the wheel's side tall; in the type of the bodies'
    degrees it would be 2.1 %); else what is wrong."""
    width, height = picture.size
    side = min(width, height)
    cx, cy = width // 2, height // 2
    ground = picture.getpixel((3, 3))

    def ink(x, y):
        return sum(abs(a - b) for a, b in zip(picture.getpixel((x, y)), ground)) > 60
    # Within the notice, clear of the inner circle round it.
    rows = [y for y in range(cy - int(side * 0.15), cy + int(side * 0.15))
            if any(ink(x, y) for x in range(cx - int(side * 0.08), cx + int(side * 0.08)))]
    if not rows:
        return None
    runs, start = [], rows[0]
    for previous, row in zip(rows, rows[1:] + [None]):
        if row is None or row > previous + 2:
            runs.append(previous - start + 1)
            start = row
    if max(runs) < side * 0.023:
        return (f"the wheel's notice is {max(runs)} px tall in a wheel of {side} px: "
                "smaller than the signs")
    return None


def glyphs(picture):
    """The boxes (left, top, right, bottom) of the picture's pieces of ink,
    each a set of touching pixels that differ from its corner's colour."""
    width, height = picture.size
    ground = picture.getpixel((3, 3))
    pixels = picture.load()
    ink = [[sum(abs(a - b) for a, b in zip(pixels[x, y], ground)) > 60 for x in range(width)]
           for y in range(height)]
    seen = [[False] * width for _ in range(height)]
    boxes = []
    for y in range(height):
        for x in range(width):
            if not ink[y][x] or seen[y][x]:
                continue
            seen[y][x] = True
            stack, box = [(x, y)], [x, y, x, y]
            while stack:
                px, py = stack.pop()
                box = [min(box[0], px), min(box[1], py), max(box[2], px), max(box[3], py)]
                for nx, ny in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                    if 0 <= nx < width and 0 <= ny < height and ink[ny][nx] and \
                            not seen[ny][nx]:
                        seen[ny][nx] = True
                        stack.append((nx, ny))
            boxes.append(tuple(box))
    return boxes


def tallest_letter(picture):
    """The height in pixels of the tallest letter in a picture of words:
    of its pieces of ink no wider than three times their height (not an
    underline)."""
    heights = [bottom - top + 1 for left, top, right, bottom in glyphs(picture)
               if right - left + 1 <= 3 * (bottom - top + 1)]
    return max(heights, default=0)


def wheel_words_as_tall(letter):
    """A look at the wheel: None when the tallest letter of the names
    outside its ring is at least four fifths of `letter` pixels tall, as
    tall as the window's own words near enough; else what is wrong."""
    def look(picture):
        boxes = glyphs(picture)
        # The ring, its ticks and spokes are the one piece wider than a third of the picture.
        rings = [b for b in boxes if b[2] - b[0] > picture.size[0] / 3]
        if not rings:
            return "the wheel shows no ring"
        left, top, right, bottom = max(rings, key=lambda b: b[2] - b[0])
        cx, cy, radius = (left + right) / 2, (top + bottom) / 2, (right - left) / 2
        outside = [bottom - top + 1 for left, top, right, bottom in boxes
                   if ((left + right) / 2 - cx) ** 2 + ((top + bottom) / 2 - cy) ** 2 >
                   radius ** 2 and right - left + 1 <= 3 * (bottom - top + 1)]
        tallest = max(outside, default=0)
        if tallest < 0.8 * letter:
            return (f"the wheel's names have letters {tallest} px tall, the window's "
                    f"{letter} px")
        return None
    return look


def chart_pane(program, result, wheel_name, horizon_name, wheel_tab, horizon_tab,
               look=None, shots=None, scale=1, wheel_look=None):
    """The result form's pictures of the sky as a screen reader and a user
    get them: the wheel's list read over the accessibility bus, a real click
    on the horizon's tab and its list read in turn, and each picture drawn
    where its list says it is. `look`, given the picture as the screen shows
    it, returns None or what it found wrong. Screenshots go to the folder
    `shots` names, if any. Qt tells the accessibility bus its own pixels:
    `scale` is the screen's pixels to one of those. `wheel_look` looks at
    the wheel alone, as `look` does. Returns the lines of both lists."""
    def extents(node):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (round(box.x * scale), round(box.y * scale), round(box.width * scale),
                round(box.height * scale))

    def click(node):
        x, y, width, height = extents(node)
        xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2))
        xdotool("click", "1")
        program.settle()

    def showing_list(name):
        def find():
            for node in descendants(result):
                if node.getRole() == pyatspi.ROLE_LIST and node.name == name and \
                        node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
            return None
        return wait_for(find)

    def lines_of(node):
        return [node.getChildAtIndex(i).name for i in range(node.childCount)]

    def drawn_in(node, what, looks=()):
        from PIL import Image
        x, y, width, height = extents(node)
        complaint = [f"{what} was not looked at"]

        def seen():
            with tempfile.NamedTemporaryFile(suffix=".png") as shot:
                subprocess.run(["import", "-window", "root", shot.name], check=True)
                image = Image.open(shot.name).convert("RGB")
                if shots:
                    image.save(os.path.join(shots, what.replace(" ", "_") + ".png"))
            if width < 100 or height < 100 or x < 0 or y < 0 or x + width > image.width or \
                    y + height > image.height:
                complaint[0] = f"{what} is not wholly on the screen: {x},{y} {width}x{height}"
                return False
            picture = image.crop((x, y, x + width, y + height))
            ground = picture.getpixel((3, 3))
            pixels = list(picture.getdata())
            ink = sum(1 for p in pixels if p != ground) / len(pixels)
            if ink < 0.005:
                complaint[0] = f"{what} shows almost nothing ({ink:.1%} ink)"
                return False
            complaint[0] = next((found for check in (look, *looks) if check
                                 for found in [check(picture)] if found), None)
            return complaint[0] is None
        program.settle()
        if not wait_for(seen):
            fail(complaint[0])

    # The Sky section comes first: a real click on the wheel's tab shows it.
    wheel_tabs = [node for node in descendants(result)
                  if node.getRole() == pyatspi.ROLE_PAGE_TAB and node.name == wheel_tab]
    if not wheel_tabs:
        fail(f"no tab {wheel_tab!r} on the result form")
    click(wheel_tabs[0])
    wheel = showing_list(wheel_name)
    if not wheel:
        fail(f"the result form offers no list {wheel_name!r} to screen readers")
    wheel_lines = lines_of(wheel)
    if len(wheel_lines) < 2 or not all(wheel_lines):
        fail(f"the wheel's list reads {wheel_lines}")
    drawn_in(wheel, "the wheel", (wheel_look,))
    tab = [node for node in descendants(result)
           if node.getRole() == pyatspi.ROLE_PAGE_TAB and node.name == horizon_tab]
    if not tab:
        fail(f"no tab {horizon_tab!r} on the result form")
    click(tab[0])
    horizon = showing_list(horizon_name)
    if not horizon:
        fail(f"a click on {horizon_tab!r} did not show the list {horizon_name!r}")
    horizon_lines = lines_of(horizon)
    if not horizon_lines or not all(horizon_lines):
        fail(f"the horizon's list reads {horizon_lines}")
    drawn_in(horizon, "the horizon")
    back = [node for node in descendants(result)
            if node.getRole() == pyatspi.ROLE_PAGE_TAB and node.name == wheel_tab]
    click(back[0])
    if not showing_list(wheel_name):
        fail(f"a click on {wheel_tab!r} did not bring the wheel back")
    return wheel_lines, horizon_lines
