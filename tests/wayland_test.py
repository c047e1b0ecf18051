#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on Wayland, as a Wayland session starts it: on Weston's
headless back end, with QT_QPA_PLATFORM=wayland. The form comes up without
the OpenGL driver; the birth details go in and the reading comes back over
the accessibility bus; the built-in browser searches and draws its results
page (read off Weston's own screenshot); then the program ends on the
session's SIGTERM.

Run in a D-Bus session of its own, without an X display:
    tests/private_session.sh tests/wayland_test.py PROGRAM
"""
import os
import signal
import subprocess
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import PATIENCE, READING_BUTTON, Program, descendants, fail, wait_for  # noqa: E402
from provider import SearchProvider, magenta_share  # noqa: E402

BROWSER_BUTTON = "Click Here To Find Latitude & Longitude"
# The OpenGL driver and what only it loads; libEGL.so.1 and libOpenGL.so.0,
# which every Qt program links, only dispatch to it.
DRIVER = ("_dri.so", "libEGL_mesa", "libGLX_mesa", "libgbm")

# 77 degrees 33 minutes north gives the colatitude 12.27: Regulus.
INPUTS = {
    "Name": "ADA",
    "Longitude degrees": "73", "Longitude minutes": "51", "Longitude seconds": "2",
    "Latitude degrees": "77", "Latitude minutes": "33", "Latitude seconds": "10",
}


def start_weston(runtime):
    socket = "asterine-test"
    log = open(os.path.join(runtime, "weston.log"), "w")
    # Pixman draws what the clients show, and --debug lets the screenshooter in.
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
         f"--socket={socket}", "--idle-time=0", "--width=1600", "--height=1000"],
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime), stdout=log, stderr=subprocess.STDOUT)
    path = os.path.join(runtime, socket)
    if not wait_for(lambda: weston.poll() is not None or os.path.exists(path)) \
            or weston.poll() is not None:
        weston.kill()
        fail("Weston did not start its headless compositor")
    return weston, path


def screenshot_share(runtime, display):
    """How much of Weston's screen shows the results page's magenta."""
    folder = tempfile.mkdtemp(dir=runtime)
    subprocess.run(["weston-screenshooter"], cwd=folder, check=True, capture_output=True,
                   env=dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=display))
    shots = [name for name in os.listdir(folder) if name.endswith(".png")]
    return magenta_share(os.path.join(folder, shots[0])) if shots else 0.0


def browser_draws(program, entry, runtime, display):
    inputs = program.inputs(entry)
    for name, value in {"City": "Pune", "State": "Maharashtra", "Country": "India"}.items():
        inputs[name].queryEditableText().setTextContents(value)
    program.press(program.control(entry, BROWSER_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
    if not program.window_with("Refresh", pyatspi.ROLE_PUSH_BUTTON):
        fail("the browser did not come up on Wayland")
    if not wait_for(lambda: screenshot_share(runtime, display) > 0.05):
        fail("the browser did not draw its results page on Wayland")
    print("on Wayland the browser searches and draws its results page")


def main():
    runtime = tempfile.mkdtemp()
    os.chmod(runtime, 0o700)
    weston, display = start_weston(runtime)
    environment = {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": display,
                   "LANG": "C.UTF-8"}
    os.environ.pop("DISPLAY", None)
    provider = SearchProvider().__enter__()
    environment.update(provider.environment())
    if os.geteuid() == 0:
        environment["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # Chromium's refuses root
    try:
        program = Program(sys.argv[1], environment)
        try:
            entry = program.window_with(READING_BUTTON)
            if not entry:
                fail("no birth-details form on Wayland")
            with open(f"/proc/{program.process.pid}/maps") as maps:
                loaded = [line.split()[-1] for line in maps if any(d in line for d in DRIVER)]
            if loaded:
                fail(f"the form came up with the OpenGL driver loaded: {sorted(set(loaded))}")
            print("on Wayland the form comes up without the OpenGL driver")
            inputs = program.inputs(entry)
            for name, value in INPUTS.items():
                inputs[name].queryEditableText().setTextContents(value)
            program.press(program.control(entry, READING_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
            result = program.window_with("Latin Name", pyatspi.ROLE_LABEL)
            if not result:
                fail("the result form did not come up on Wayland")
            labels = [node.name for node in descendants(result)
                      if node.getRole() == pyatspi.ROLE_LABEL]
            star = labels[labels.index("Fixed Star") + 1]
            latin = labels[labels.index("Latin Name") + 1]
            if (star, latin) != ("Regulus", "Cor leonis"):
                fail(f"the reading on Wayland is {star!r}, {latin!r}")
            print("on Wayland (Weston, headless): the birth details go in and Regulus, "
                  "Cor leonis comes back over the accessibility bus")

            browser_draws(program, entry, runtime, display)

            program.process.send_signal(signal.SIGTERM)
            try:
                status = program.process.wait(PATIENCE)
            except subprocess.TimeoutExpired:
                fail("SIGTERM did not end the program on Wayland")
            if status != 0:
                fail(f"SIGTERM ended the program with status {status} on Wayland")
            print("SIGTERM ends it there with status 0")
        finally:
            program.close()
    finally:
        provider.__exit__()
        weston.terminate()
        weston.wait()


if __name__ == "__main__":
    main()
