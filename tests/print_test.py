#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Printing as a desktop user prints: the real program, a reading, Ctrl+P,
Qt's print dialog answered with Return, and a printing system (CUPS) that
this test starts itself, on its own socket and spool folder, with one queue
that writes what it receives to a file. The job must come out as the
reading, read back with pdftotext. Then the same with no printer known:
Print says so, and the print preview opens all the same.

Where cupsd cannot be started here, the test says so and is skipped (status
77), not passed.

Run in a D-Bus session of its own, on a display:
    tests/private_session.sh xvfb-run -a tests/print_test.py PROGRAM
"""
import os
import shutil
import subprocess
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (READING_BUTTON, Program, descendants, fail,  # noqa: E402
                     shown_alone, visible_windows, wait_for, xdotool)

SKIP = 77
MESSAGE_TITLE = "Asterine"
INPUTS = {
    "Name": "ADA LOVELACE",
    "Longitude degrees": "0", "Longitude minutes": "7", "Longitude seconds": "39",
    "Latitude degrees": "77", "Latitude minutes": "33", "Latitude seconds": "10",
}


class PrintingSystem:
    """cupsd with a configuration, socket and spool of its own."""

    def __init__(self, queue=True):
        self.folder = tempfile.mkdtemp()
        self.socket = os.path.join(self.folder, "socket")
        self.output = os.path.join(self.folder, "out")
        os.makedirs(self.output)
        os.chmod(self.folder, 0o755)
        os.chmod(self.output, 0o777)  # the file backend writes as the unprivileged user
        server_root = os.path.join(self.folder, "etc")
        os.makedirs(os.path.join(server_root, "ppd"))
        config = os.path.join(server_root, "cupsd.conf")
        with open(config, "w") as out:
            out.write(f"Listen {self.socket}\nWebInterface No\nBrowsing No\n"
                      "DefaultAuthType None\n"
                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                      "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                      "</Policy>\n")
        files = os.path.join(server_root, "cups-files.conf")
        with open(files, "w") as out:
            for key, name in (("RequestRoot", "spool"), ("CacheDir", "cache"),
                              ("StateDir", "state")):
                os.makedirs(os.path.join(self.folder, name))
                out.write(f"{key} {os.path.join(self.folder, name)}\n")
            out.write(f"ServerRoot {server_root}\nServerBin {self.server_bin()}\n"
                      f"ErrorLog {os.path.join(self.folder, 'error_log')}\n"
                      f"AccessLog {os.path.join(self.folder, 'access_log')}\n"
                      "User nobody\nGroup nogroup\n")
        self.daemon = None
        cupsd = shutil.which("cupsd") or "/usr/sbin/cupsd"
        if not os.path.exists(cupsd):
            self.skip("there is no cupsd on this machine")
        self.daemon = subprocess.Popen([cupsd, "-f", "-c", config, "-s", files],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_for(lambda: self.daemon.poll() is not None or os.path.exists(self.socket)) \
                or self.daemon.poll() is not None:
            self.skip("cupsd did not start here")
        self.environment = {"CUPS_SERVER": self.socket}
        if queue:
            env = dict(os.environ, **self.environment)
            subprocess.run(["lpadmin", "-p", "asterine-test", "-E", "-v", "asterine:/",
                            "-m", "raw"], env=env, check=True, capture_output=True)
            subprocess.run(["lpadmin", "-d", "asterine-test"], env=env, check=True,
                           capture_output=True)

    def server_bin(self):
        """CUPS's programs, with one back end of the test's own that writes
        each job it is given to the output folder."""
        folder = os.path.join(self.folder, "bin")
        os.makedirs(os.path.join(folder, "backend"))
        for part in ("daemon", "filter"):
            os.symlink(os.path.join("/usr/lib/cups", part), os.path.join(folder, part))
        backend = os.path.join(folder, "backend", "asterine")
        job = os.path.join(self.output, "job")
        with open(backend, "w") as out:
            out.write("#!/bin/sh\n"
                      "if [ $# -eq 0 ]; then echo 'direct asterine \"Unknown\" \"Test\"'; exit 0; fi\n"
                      f"if [ -n \"$6\" ]; then cat \"$6\"; else cat; fi > '{job}.part' && "
                      f"mv '{job}.part' '{job}'\n")
        os.chmod(backend, 0o755)
        return folder

    def skip(self, why):
        print(f"SKIPPED: {why}; the printing checks did not run")
        self.close()
        sys.exit(SKIP)

    def close(self):
        if self.daemon:
            self.daemon.terminate()
            self.daemon.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


def reading(program):
    """The reading of INPUTS, its window given the keyboard focus; returns
    that window."""
    entry = program.window_with(READING_BUTTON)
    if not entry:
        fail("no birth-details form")
    main = shown_alone("Asterine v1.0")
    inputs = program.inputs(entry)
    for name, value in INPUTS.items():
        inputs[name].queryEditableText().setTextContents(value)
    program.press(program.control(entry, READING_BUTTON, pyatspi.ROLE_PUSH_BUTTON))
    if not program.window_with("Latin Name", pyatspi.ROLE_LABEL):
        fail("the result form did not come up")
    window = shown_alone("Asterine v1.0", main)
    program.focus(window)
    return window


def print_with_the_keys(path):
    cups = PrintingSystem()
    program = Program(path, dict(cups.environment, LANG="C.UTF-8"))
    try:
        reading(program)
        xdotool("key", "ctrl+p")
        dialog = wait_for(lambda: visible_windows("Print"))
        if not dialog:
            fail("Ctrl+P did not open the print dialog")
        program.await_focus(dialog[0], what="the print dialog")
        xdotool("key", "Return")
        # The back end moves a job into place once it has written all of it.
        job = os.path.join(cups.output, "job")
        if not wait_for(lambda: os.path.exists(job) and os.path.getsize(job) > 0):
            fail("the printing system received no job")
        text = subprocess.run(["pdftotext", job, "-"], capture_output=True, text=True).stdout
        for wanted in ("Asterine Results", "ADA LOVELACE", "Fixed Star: Regulus", "Cor leonis",
                       "Jupiter And Mars"):
            if wanted not in text:
                fail(f"the printed job does not say {wanted!r}: {text!r}")
        print("Ctrl+P, Return: the printing system receives one job, and its text is the reading")
    finally:
        program.close()
        cups.close()


def without_a_printer(path):
    cups = PrintingSystem(queue=False)
    program = Program(path, dict(cups.environment, LANG="C.UTF-8"))
    try:
        window = reading(program)
        xdotool("key", "ctrl+p")
        message = wait_for(lambda: visible_windows(MESSAGE_TITLE))
        if not message:
            fail("Ctrl+P with no printer showed nothing")
        said = [node.name for window in program.windows() for node in descendants(window)
                if node.getRole() == pyatspi.ROLE_LABEL and "No printer" in node.name]
        if not said:
            fail("Ctrl+P with no printer did not say that no printer was found")
        program.await_focus(message[0], what="the message")
        xdotool("key", "Return")
        if not wait_for(lambda: not visible_windows(MESSAGE_TITLE)):
            fail("the message did not close")
        # The preview works without a printer: File, Print Preview.
        program.focus(window)
        xdotool("key", "--delay", "200", "alt+f", "v")

        def preview():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Preview"],
                                   capture_output=True, text=True)
            return found.stdout.split()
        if not wait_for(preview):
            fail("File, Print Preview did not open the preview")
        xdotool("key", "Escape")
        print("with no printer, Print says so, and the preview opens all the same")
    finally:
        program.close()
        cups.close()


def main():
    print_with_the_keys(sys.argv[1])
    without_a_printer(sys.argv[1])


if __name__ == "__main__":
    main()
