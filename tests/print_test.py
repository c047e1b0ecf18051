#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Printing as a desktop user prints: the real program, a reading, Ctrl+P,
Qt's print dialog answered with Return, and a printing system (CUPS) that
this test starts itself, on its own socket and spool folder, with one queue
that writes what it receives to a file. The queue's printer takes A4 and
US Letter, A4 by default, and prints to within a quarter inch of the edge;
the user is American. The job must come out as the reading, read back with
pdftotext, on the page the preview and the PDF have: US Letter with margins
of 20 mm. Then the same with no printer known: Print says so, and the print
preview opens all the same.

Where cupsd cannot be started here, the test says so and is skipped (status
77), not passed.

Run in a D-Bus session of its own, on a display:
    tests/private_session.sh xvfb-run -a tests/print_test.py PROGRAM
"""
import os
import re
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
POINTS_PER_MM = 72 / 25.4
MARGIN = 20 * POINTS_PER_MM
# A printer that takes A4 and US Letter, A4 by default, and prints to 18
# points (6.35 mm) of the paper's edge; the job goes to the back end as the
# PDF it is.
PPD = """*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "ASTERINE.PPD"
*Manufacturer: "Asterine"
*Product: "(Test)"
*ModelName: "Asterine Test Printer"
*ShortNickName: "Asterine Test"
*NickName: "Asterine Test Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter: "application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageRegion Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*ImageableArea Letter/US Letter: "18 18 594 774"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/US Letter: "612 792"
"""


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
            ppd = os.path.join(self.folder, "asterine.ppd")
            with open(ppd, "w") as out:
                out.write(PPD)
            subprocess.run(["lpadmin", "-p", "asterine-test", "-E", "-v", "asterine:/",
                            "-P", ppd], env=env, check=True, capture_output=True)
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
            # The job's options ($5) beside it, written first.
            out.write("#!/bin/sh\n"
                      "if [ $# -eq 0 ]; then echo 'direct asterine \"Unknown\" \"Test\"'; exit 0; fi\n"
                      f"printf '%s\\n' \"$5\" > '{job}.options'\n"
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


def words(pdf):
    """The words of the PDF's first page and their boxes, in points."""
    out = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True).stdout
    found = re.findall(r'<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" '
                       r'yMax="([0-9.]+)">([^<]*)</word>', out)
    return [(text, tuple(float(v) for v in box)) for *box, text in found]


def check_the_page(job):
    """The job is on US Letter, the user's paper, whatever the printer's
    default, with the document's margins of 20 mm, not the printer's
    quarter inch."""
    info = subprocess.run(["pdfinfo", job], capture_output=True, text=True).stdout
    size = re.search(r"Page size:\s+([0-9.]+) x ([0-9.]+) pts", info)
    if not size or (round(float(size.group(1))), round(float(size.group(2)))) != (612, 792):
        fail(f"the job is not on US Letter: {info!r}")
    with open(job + ".options") as options:
        given = options.read()
    if not re.search(r"(PageSize|media)=Letter", given, re.IGNORECASE):
        fail(f"the job does not ask for US Letter: {given!r}")
    boxes = words(job)
    if not boxes:
        fail("the job has no text")
    left = min(box[0] for _, box in boxes)
    top = min(box[1] for _, box in boxes)
    right = max(box[2] for _, box in boxes)
    # The text starts at the margin (Qt's rich text keeps a few points
    # inside it) and stays within it.
    if not (MARGIN - 1 <= left <= MARGIN + 6 and MARGIN - 1 <= top <= MARGIN + 6):
        fail(f"the text starts at {left:.1f}, {top:.1f} points, not at the 20 mm margin "
             f"({MARGIN:.1f} points)")
    if right > 612 - MARGIN + 1:
        fail(f"the text reaches {right:.1f} points, into the right margin")
    return f"US Letter, text from {left / POINTS_PER_MM:.1f} mm, {top / POINTS_PER_MM:.1f} mm"


def check_the_chart(job, text):
    """After the reading, the wheel and the day over the birthplace, drawn as
    lines and curves, not as a bitmap."""
    if "The sky over the birthplace on the birth day" not in text:
        fail(f"the printed job has no picture of the sky over the birthplace: {text!r}")
    with tempfile.TemporaryDirectory() as folder:
        plain = os.path.join(folder, "plain.pdf")
        subprocess.run(["qpdf", "--qdf", "--object-streams=disable", job, plain], check=True)
        with open(plain, "rb") as read:
            content = read.read()
    if b"/Subtype /Image" in content:
        fail("the printed chart is a bitmap")
    number = rb"-?[0-9.]+"
    curves = len(re.findall(rb"\s" + rb" ".join([number] * 6) + rb" c\n", content))
    lines = len(re.findall(rb"\s" + number + rb" " + number + rb" l\n", content))
    # The rings are curves, and the wheel has a tick for every degree.
    if curves < 4 or lines < 360:
        fail(f"the printed chart has {curves} curves and {lines} lines")
    return f"the chart drawn with {curves} curves and {lines} lines"


def print_with_the_keys(path):
    cups = PrintingSystem()
    program = Program(path, dict(cups.environment, LANG="en_US.UTF-8"))
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
        page = check_the_page(job)
        chart = check_the_chart(job, text)
        print("Ctrl+P, Return: the printing system receives one job, and its text is the reading, "
              f"on the previewed page ({page}); {chart}")
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
