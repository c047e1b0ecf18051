#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real program's built-in browser as a desktop user does: opens
it from the birth details filled through the accessibility bus, then takes
the keyboard to the address box with Ctrl+L or a click, types the address of
a web server on the loopback address that this test runs itself, and presses
Return or the keypad's Enter, all with real X keys and clicks sent with
xdotool. Then the toolbar's keys, typed with the focus in the page. The
server's log and the window's caption on the X server say what happened.

The browser's own search goes to the provider's fixed public address, which
the test cannot answer; it fails without a network, and that is left alone.

A page that loads for a while is one the server holds back until the test
lets it go, so that what must happen while it loads is seen to happen then
however slowly the machine runs.

Run in a D-Bus session of its own, on a display:
    tests/private_session.sh xvfb-run -a tests/desktop_browser_test.py PROGRAM
"""
import http.server
import os
import subprocess
import sys
import tempfile
import threading

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (PATIENCE, READING_BUTTON, Program, descendants, fail,  # noqa: E402
                     visible_windows, wait_for, xdotool)
from provider import SearchProvider, magenta_share  # noqa: E402

MAIN_TITLE = "Asterine v1.0"
BROWSER_BUTTON = "Click Here To Find Latitude & Longitude"
WORKING = "Working..."


class Pages(http.server.BaseHTTPRequestHandler):
    """A small page titled after its path; while the test holds them back,
    paths starting /slow are answered only once it lets them go."""

    def do_GET(self):
        self.server.requests.append(self.path)
        if self.path.startswith("/slow"):
            self.server.gate.wait(PATIENCE)
        body = (f"<html><head><title>Loopback {self.path}</title></head>"
                f"<body><p>{self.path}</p></body></html>").encode()
        try:
            self.send_response(200)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        except OSError:
            pass  # a load the browser stopped while it was held back

    def log_message(self, *arguments):
        pass


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self):
        super().__init__(("127.0.0.1", 0), Pages)
        self.requests = []
        self.gate = threading.Event()
        self.gate.set()

    def hold(self):
        """Holds back the slow pages asked for from now on."""
        self.gate = threading.Event()

    def release(self):
        """Lets the slow pages held back go, and those asked for later."""
        self.gate.set()


def start_server():
    server = Server()
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Captions:
    """Every caption an X window takes, in order: the X server tells of each
    change, and a thread of the test's own reads the new caption at once."""

    def __init__(self, window):
        from Xlib import X, display
        self.X = X
        self.display = display.Display()
        self.display.set_error_handler(lambda *error: None)  # the window may go
        self.window = self.display.create_resource_object("window", window)
        self.id = window
        self.atom = self.display.intern_atom("_NET_WM_NAME")
        self.utf8 = self.display.intern_atom("UTF8_STRING")
        self.window.change_attributes(event_mask=X.PropertyChangeMask)
        self.shown = [self._read()]
        threading.Thread(target=self._watch, daemon=True).start()

    def _read(self):
        value = self.window.get_full_property(self.atom, self.utf8)
        return value.value.decode("utf-8") if value else ""

    def _watch(self):
        try:
            while True:
                event = self.display.next_event()
                if event.type == self.X.PropertyNotify and event.atom == self.atom:
                    self.shown.append(self._read())
        except Exception:  # the display closed as the test ended
            pass

    def mark(self):
        """Where the captions taken from now on begin, once the thread has
        caught up with the caption shown now."""
        if not wait_for(lambda: self.shown[-1] == caption(self.id)):
            fail(f"the captions seen end in {self.shown[-1]!r}, the window reads "
                 f"{caption(self.id)!r}")
        return len(self.shown)

    def since(self, mark):
        """The captions taken after `mark`, each change once."""
        self.mark()
        changes = []
        for shown in self.shown[mark:]:
            if not changes or changes[-1] != shown:
                changes.append(shown)
        return changes


def caption(window):
    return subprocess.run(["xdotool", "getwindowname", str(window)], capture_output=True,
                          text=True).stdout.strip()


def expect_caption(window, wanted, what):
    if not wait_for(lambda: caption(window) == wanted):
        fail(f"{what}: the caption reads {caption(window)!r}, not {wanted!r}")


def requests_for(server, path):
    return server.requests.count(path)


def expect_one_request(program, server, path, what):
    """The page at `path` was asked for once: a second navigation would have
    asked for it again before the page loaded and the program was done."""
    if not wait_for(lambda: requests_for(server, path) >= 1):
        fail(f"{what}: the loopback server never saw {path}; it saw {server.requests}")
    expect_caption(program.browser, f"Loopback {path}", what)
    program.settle()
    if requests_for(server, path) != 1:
        fail(f"{what}: {path} was asked for {requests_for(server, path)} times")


def open_browser(program, place=None):
    entry = program.window_with(READING_BUTTON)
    if not entry:
        fail("no birth-details form")
    main_window = wait_for(lambda: visible_windows(MAIN_TITLE))
    if not main_window:
        fail("the birth-details window is not on the display")
    inputs = program.inputs(entry)
    place = place or {"City": "Pune", "State": "Maharashtra", "Country": "India"}
    for name, value in place.items():
        inputs[name].queryEditableText().setTextContents(value)
    program.press(program.control(entry, BROWSER_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
    if not program.window_with("Refresh", pyatspi.ROLE_PUSH_BUTTON):
        fail("the browser window did not come up")

    def browser_window():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(program.process.pid)], capture_output=True, text=True)
        windows = [int(w) for w in found.stdout.split() if int(w) not in main_window]
        return windows[0] if len(windows) == 1 else None
    window = wait_for(browser_window)
    if not window:
        fail("the browser window is not on the display")
    program.browser = window
    program.captions = Captions(window)
    return window


def address_box(program):
    """The address box: the browser window's one combo box. On this desktop
    a combo box that can be typed into is named by the text it holds."""
    window = program.window_with("Refresh", pyatspi.ROLE_PUSH_BUTTON)
    for node in descendants(window):
        if node.getRole() == pyatspi.ROLE_COMBO_BOX:
            return node
    fail("no address box in the browser window")


def type_address_after_ctrl_l(program, server, window):
    program.focus(window)
    xdotool("key", "ctrl+l")
    address = f"http://127.0.0.1:{server.server_port}/typed-return"
    xdotool("type", "--delay", "20", address)  # types over the selected address
    xdotool("key", "Return")
    expect_one_request(program, server, "/typed-return", "Ctrl+L, an address and Return")
    print("Ctrl+L, a typed address and Return load the page, once")


def type_address_after_click(program, server, window):
    program.click(address_box(program))
    xdotool("key", "ctrl+a")
    address = f"http://127.0.0.1:{server.server_port}/typed-keypad"
    xdotool("type", "--delay", "20", address)
    xdotool("key", "KP_Enter")
    expect_one_request(program, server, "/typed-keypad", "a click, an address and keypad Enter")
    print("a click into the address box, a typed address and keypad Enter load the page, once")


def expect_busy_until(program, server, mark, wanted, what):
    """The caption reads "Working..." while the slow page the server holds
    back loads, and from the `mark`-th caption on, nothing else until it
    reads `wanted`, the page's name, once the page is let go."""
    window = program.browser
    if not wait_for(lambda: caption(window) == WORKING):
        fail(f"{what}: no busy caption while the page loads; it reads {caption(window)!r}")
    server.release()
    expect_caption(window, wanted, what)
    program.settle()
    if program.captions.since(mark) != [WORKING, wanted]:
        fail(f"{what}: the captions were {program.captions.since(mark)}, not "
             f"{[WORKING, wanted]}")


def busy_caption(program, server):
    xdotool("key", "alt+d")
    server.hold()
    mark = program.captions.mark()
    xdotool("type", "--delay", "20", f"http://127.0.0.1:{server.server_port}/slow")
    xdotool("key", "Return")
    expect_busy_until(program, server, mark, "Loopback /slow", "a slow page")
    print(f"the caption reads {WORKING!r} while a page loads, then the page's name")


def toolbar_keys_in_the_page(program, server, window):
    box = address_box(program).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    # A click into the page, below the address box.
    xdotool("mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height + 200))
    xdotool("click", "1")
    program.settle()
    before = requests_for(server, "/slow")
    server.hold()
    mark = program.captions.mark()
    xdotool("key", "F5")
    expect_busy_until(program, server, mark, "Loopback /slow", "F5 in the page")
    if requests_for(server, "/slow") != before + 1:
        fail(f"F5 asked for the page {requests_for(server, '/slow') - before} times")

    server.hold()
    xdotool("key", "ctrl+r")
    if not wait_for(lambda: caption(window) == WORKING):
        fail("Ctrl+R in the page did not reload it")
    # Stopped, the page's name comes back while the page is still held back.
    xdotool("key", "Escape")
    expect_caption(window, "Loopback /slow", "Esc while the page reloads")
    server.release()

    xdotool("key", "alt+Left")
    expect_caption(window, "Loopback /typed-keypad", "Alt+Left in the page")
    xdotool("key", "alt+Right")
    expect_caption(window, "Loopback /slow", "Alt+Right in the page")
    # The maker's home page, which cannot load here: the caption moves on.
    xdotool("key", "alt+Home")
    if not wait_for(lambda: caption(window) != "Loopback /slow"):
        fail("Alt+Home in the page did nothing")
    print("F5, Ctrl+R, Esc, Alt+Left, Alt+Right and Alt+Home work with the focus in the page")


def back_from_the_first_results_page(program, window):
    """Before the first results page lies only the start page, which the
    engine does not go back to: Alt+Left does nothing, and the caption
    never reads Working... for it (the program shows it as it handles the
    key, when it asks for a navigation)."""
    if not wait_for(lambda: caption(window) not in ("", WORKING, "about:blank")):
        fail(f"the search's results page never came; the caption reads {caption(window)!r}")
    first = caption(window)
    program.focus(window)
    mark = program.captions.mark()
    xdotool("key", "alt+Left")
    program.settle()
    if caption(window) != first or program.captions.since(mark):
        fail(f"Alt+Left on the first results page: the caption read "
             f"{program.captions.since(mark) or [caption(window)]}")
    print("Alt+Left on the first results page does nothing and shows no busy caption")


def search_in_every_script(path, environment):
    """The place typed in any script reaches the provider as UTF-8, the
    encoding the search form declares, and the results page is drawn."""
    with SearchProvider() as provider:
        place = {"City": "\u6771\u4eac", "State": "Z\u00fcrich",
                 "Country": "\u0645\u0635\u0631 \U0001F30D"}
        program = Program(path, dict(environment, **provider.environment()))
        try:
            window = open_browser(program, place)
            fields = provider.search(PATIENCE)
            wanted = "Latitude Longitude " + " ".join(place.values())
            if fields.get("q") != wanted:
                fail(f"the provider read q={fields.get('q')!r}, not {wanted!r}")
            if fields.get("ie") != "UTF-8" or fields.get("oe") != "UTF-8":
                fail(f"the search declares ie={fields.get('ie')!r}, oe={fields.get('oe')!r}")
            print("a place in Japanese, German, Arabic and an emoji reaches the search "
                  "provider whole, as UTF-8")
            expect_caption(window, "Results", "the results page")

            def drawn():
                with tempfile.NamedTemporaryFile(suffix=".png") as shot:
                    subprocess.run(["import", "-window", str(window), shot.name], check=True)
                    return magenta_share(shot.name) > 0.3
            if not wait_for(drawn):
                fail("the results page did not draw its colour in the browser window")
            maps = open(f"/proc/{program.process.pid}/maps").read()
            print(f"the results page is drawn in software, on X11 "
                  f"({'no' if 'swrast' not in maps else 'the'} OpenGL driver loaded)")
        finally:
            program.close()


def main():
    server = start_server()
    environment = {"LANG": "C.UTF-8"}
    if os.geteuid() == 0:
        environment["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # Chromium's refuses root
    search_in_every_script(sys.argv[1], environment)
    program = Program(sys.argv[1], environment)
    try:
        window = open_browser(program)
        back_from_the_first_results_page(program, window)
        type_address_after_ctrl_l(program, server, window)
        type_address_after_click(program, server, window)
        busy_caption(program, server)
        toolbar_keys_in_the_page(program, server, window)
    finally:
        program.close()
        server.shutdown()


if __name__ == "__main__":
    main()
