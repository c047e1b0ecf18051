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

Run inside a D-Bus session on a display:
    dbus-run-session -- xvfb-run -a tests/desktop_browser_test.py PROGRAM
"""
import http.server
import os
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (READING_BUTTON, Program, descendants, fail, pump,  # noqa: E402
                     visible_windows, wait_for, xdotool)
from provider import MAGENTA, SearchProvider, magenta_share  # noqa: E402

MAIN_TITLE = "Asterine v1.0"
BROWSER_BUTTON = "Click Here To Find Latitude & Longitude"
WORKING = "Working..."
SLOW_SECONDS = 2.5


class Pages(http.server.BaseHTTPRequestHandler):
    """A small page titled after its path; paths starting /slow come late."""

    def do_GET(self):
        self.server.requests.append(self.path)
        if self.path.startswith("/slow"):
            time.sleep(SLOW_SECONDS)
        body = (f"<html><head><title>Loopback {self.path}</title></head>"
                f"<body><p>{self.path}</p></body></html>").encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *arguments):
        pass


def start_server():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Pages)
    server.requests = []
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def caption(window):
    return subprocess.run(["xdotool", "getwindowname", str(window)], capture_output=True,
                          text=True).stdout.strip()


def expect_caption(window, wanted, what, seconds=20):
    if not wait_for(lambda: caption(window) == wanted, seconds):
        fail(f"{what}: the caption reads {caption(window)!r}, not {wanted!r}")


def requests_for(server, path):
    return server.requests.count(path)


def expect_one_request(server, path, what):
    if not wait_for(lambda: requests_for(server, path) >= 1, 20):
        fail(f"{what}: the loopback server never saw {path}; it saw {server.requests}")
    pump(0.5)  # a second navigation would come in this time
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
    if not program.window_with("Refresh", pyatspi.ROLE_PUSH_BUTTON, seconds=30):
        fail("the browser window did not come up")

    def browser_window():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(program.process.pid)], capture_output=True, text=True)
        windows = [int(w) for w in found.stdout.split() if int(w) not in main_window]
        return windows[0] if len(windows) == 1 else None
    window = wait_for(browser_window, 20)
    if not window:
        fail("the browser window is not on the display")
    return window


def address_box(program):
    """The address box: the browser window's one combo box. On this desktop
    a combo box that can be typed into is named by the text it holds."""
    window = program.window_with("Refresh", pyatspi.ROLE_PUSH_BUTTON)
    for node in descendants(window):
        if node.getRole() == pyatspi.ROLE_COMBO_BOX:
            return node
    fail("no address box in the browser window")


def type_address_after_ctrl_l(server, window):
    xdotool("windowfocus", "--sync", str(window))
    pump(0.3)
    xdotool("key", "ctrl+l")
    pump(0.3)
    address = f"http://127.0.0.1:{server.server_port}/typed-return"
    xdotool("type", "--delay", "20", address)  # types over the selected address
    xdotool("key", "Return")
    expect_one_request(server, "/typed-return", "Ctrl+L, an address and Return")
    expect_caption(window, "Loopback /typed-return", "Return in the address box")
    print("Ctrl+L, a typed address and Return load the page, once")


def type_address_after_click(program, server, window):
    program.click(address_box(program))
    pump(0.3)
    xdotool("key", "ctrl+a")
    address = f"http://127.0.0.1:{server.server_port}/typed-keypad"
    xdotool("type", "--delay", "20", address)
    xdotool("key", "KP_Enter")
    expect_one_request(server, "/typed-keypad", "a click, an address and keypad Enter")
    expect_caption(window, "Loopback /typed-keypad", "keypad Enter in the address box")
    print("a click into the address box, a typed address and keypad Enter load the page, once")


def expect_busy_until(window, wanted, what):
    """The caption reads "Working..." from now until it reads `wanted`."""
    if not wait_for(lambda: caption(window) == WORKING, SLOW_SECONDS):
        fail(f"{what}: no busy caption while the page loads; it reads {caption(window)!r}")
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        shown = caption(window)
        if shown == wanted:
            return
        if shown != WORKING:
            fail(f"{what}: the caption read {shown!r} while the page loaded")
        time.sleep(0.02)
    fail(f"{what}: the caption never read {wanted!r}")


def busy_caption(server, window):
    xdotool("key", "alt+d")
    pump(0.3)
    xdotool("type", "--delay", "20", f"http://127.0.0.1:{server.server_port}/slow")
    xdotool("key", "Return")
    expect_busy_until(window, "Loopback /slow", "a slow page")
    print(f"the caption reads {WORKING!r} while a page loads, then the page's name")


def toolbar_keys_in_the_page(program, server, window):
    box = address_box(program).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    # A click into the page, below the address box.
    xdotool("mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height + 200))
    xdotool("click", "1")
    pump(0.3)
    before = requests_for(server, "/slow")
    xdotool("key", "F5")
    expect_busy_until(window, "Loopback /slow", "F5 in the page")
    if requests_for(server, "/slow") != before + 1:
        fail(f"F5 asked for the page {requests_for(server, '/slow') - before} times")

    xdotool("key", "ctrl+r")
    if not wait_for(lambda: caption(window) == WORKING, SLOW_SECONDS):
        fail("Ctrl+R in the page did not reload it")
    # Stopped, the page's name comes back at once, long before the page would.
    xdotool("key", "Escape")
    expect_caption(window, "Loopback /slow", "Esc while the page reloads", 1.5)

    xdotool("key", "alt+Left")
    expect_caption(window, "Loopback /typed-keypad", "Alt+Left in the page")
    xdotool("key", "alt+Right")
    expect_caption(window, "Loopback /slow", "Alt+Right in the page")
    # The maker's home page, which cannot load here: the caption moves on.
    xdotool("key", "alt+Home")
    if not wait_for(lambda: caption(window) != "Loopback /slow", 5):
        fail("Alt+Home in the page did nothing")
    print("F5, Ctrl+R, Esc, Alt+Left, Alt+Right and Alt+Home work with the focus in the page")


def back_from_the_first_results_page(window):
    """Before the first results page lies only the start page, which the
    engine does not go back to: Alt+Left does nothing, and the caption
    never reads Working... for it."""
    if not wait_for(lambda: caption(window) not in ("", WORKING, "about:blank"), 30):
        fail(f"the search's results page never came; the caption reads {caption(window)!r}")
    first = caption(window)
    xdotool("windowfocus", "--sync", str(window))
    pump(0.3)
    xdotool("key", "alt+Left")
    deadline = time.monotonic() + 3
    while time.monotonic() < deadline:
        if caption(window) != first:
            fail(f"Alt+Left on the first results page: the caption reads {caption(window)!r}")
        time.sleep(0.02)
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
            fields = provider.search(30)
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
            if not wait_for(drawn, 10):
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
        back_from_the_first_results_page(window)
        type_address_after_ctrl_l(server, window)
        type_address_after_click(program, server, window)
        busy_caption(server, window)
        toolbar_keys_in_the_page(program, server, window)
    finally:
        program.close()
        server.shutdown()


if __name__ == "__main__":
    main()
