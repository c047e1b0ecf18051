#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on Wayland, as a Wayland session starts it: on Weston's
headless back end, with QT_QPA_PLATFORM=wayland. The birth details go in and
the reading comes back over the accessibility bus; then the program ends on
the session's SIGTERM.

Run inside a D-Bus session, without an X display:
    dbus-run-session -- tests/wayland_test.py PROGRAM
"""
import os
import signal
import subprocess
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import READING_BUTTON, Program, descendants, fail, wait_for  # noqa: E402

# 77 degrees 33 minutes north gives the colatitude 12.27: Regulus.
INPUTS = {
    "Name": "ADA",
    "Longitude degrees": "73", "Longitude minutes": "51", "Longitude seconds": "2",
    "Latitude degrees": "77", "Latitude minutes": "33", "Latitude seconds": "10",
}


def start_weston(runtime):
    socket = "asterine-test"
    log = open(os.path.join(runtime, "weston.log"), "w")
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", f"--socket={socket}", "--idle-time=0",
         "--width=1600", "--height=1000"],
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime), stdout=log, stderr=subprocess.STDOUT)
    path = os.path.join(runtime, socket)
    if not wait_for(lambda: os.path.exists(path), 20):
        weston.kill()
        fail("Weston did not start its headless compositor")
    return weston, path


def main():
    runtime = tempfile.mkdtemp()
    os.chmod(runtime, 0o700)
    weston, display = start_weston(runtime)
    environment = {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": display,
                   "LANG": "C.UTF-8"}
    os.environ.pop("DISPLAY", None)
    try:
        program = Program(sys.argv[1], environment)
        try:
            entry = program.window_with(READING_BUTTON)
            if not entry:
                fail("no birth-details form on Wayland")
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

            program.process.send_signal(signal.SIGTERM)
            try:
                status = program.process.wait(10)
            except subprocess.TimeoutExpired:
                fail("SIGTERM did not end the program on Wayland")
            if status != 0:
                fail(f"SIGTERM ended the program with status {status} on Wayland")
            print("SIGTERM ends it there with status 0")
        finally:
            program.close()
    finally:
        weston.terminate()
        weston.wait()


if __name__ == "__main__":
    main()
