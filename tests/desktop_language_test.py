#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a desktop in another language, driven with real X
keys and read back over the accessibility bus: under Arabic the birth-details
form is mirrored, the name box takes Arabic letters typed on the keyboard,
the degrees take digits, and the reading command gives the star the command
line gives, with its lore in Arabic; under German the same reading in German.

    tests/private_session.sh xvfb-run -a tests/desktop_language_test.py PROGRAM TS_FOLDER
"""
import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Program, descendants, fail, text_of, wait_for, xdotool  # noqa: E402


class Translations:
    """The texts of one language, from its .ts source."""

    def __init__(self, path):
        self.texts = {}
        for context in ET.parse(path).getroot().findall("context"):
            name = context.findtext("name")
            for message in context.findall("message"):
                translation = message.find("translation")
                if translation is not None and message.get("numerus") != "yes":
                    self.texts[(name, message.findtext("source"))] = translation.text or ""

    def __call__(self, context, source):
        return self.texts[(context, source)]


def plain(caption):
    """A caption as a screen reader is told it: without its access key."""
    return caption.replace("&&", "\0").replace("&", "").replace("\0", "&")


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def reading_in(program_path, folder, language, typed_name):
    tr = Translations(os.path.join(folder, f"asterine_{language}.ts"))
    program = Program(program_path, {"LANGUAGE": language, "LANG": "C.UTF-8"})
    try:
        button = plain(tr("asterine::FrmMain", "Get My Fixed Stars Astrology Reading"))
        entry = program.window_with(button)
        if not entry:
            fail(f"no birth-details form in {language} (no button {button!r})")
        inputs = program.inputs(entry)
        name_caption = plain(tr("asterine::FrmMain", "Name"))
        name = inputs.get(name_caption)
        if name is None:
            fail(f"no name box called {name_caption!r}: {sorted(inputs)}")
        latitude = plain(tr("asterine::FrmMain", "Latitude"))
        degrees = inputs[f"{latitude} {tr('asterine::FrmMain', 'degrees')}"]
        minutes = inputs[f"{latitude} {tr('asterine::FrmMain', 'minutes')}"]

        # Mirrored under a right-to-left language: the caption on the right
        # of its box; the angle's boxes still degrees, minutes, seconds from
        # the left.
        caption = [node for node in descendants(entry)
                   if node.getRole() == pyatspi.ROLE_LABEL and node.name == name_caption]
        if not caption:
            fail(f"no caption {name_caption!r}")
        right_to_left = language == "ar"
        if (extents(caption[0]).x > extents(name).x) != right_to_left:
            fail(f"the name's caption is on the wrong side of its box in {language}")
        if not extents(degrees).x < extents(minutes).x:
            fail("the latitude's degrees are not left of its minutes")

        # Real keys: the name in the language's letters, the degrees in digits.
        program.click(name)
        program.type(typed_name)
        if not wait_for(lambda: text_of(name) == typed_name.upper()):
            fail(f"the name box took {text_of(name)!r} of {typed_name!r}")
        for box, value in ((degrees, "77"), (minutes, "33")):
            program.click(box)
            xdotool("type", "--delay", "60", value)
            if not wait_for(lambda: text_of(box) == value):
                fail(f"a latitude box took {text_of(box)!r} of {value!r}")
        for other in ("Longitude degrees", "Longitude minutes", "Longitude seconds",
                      "Latitude seconds"):
            words = other.split()
            box = inputs[f"{plain(tr('asterine::FrmMain', words[0]))} "
                         f"{tr('asterine::FrmMain', words[1])}"]
            box.queryEditableText().setTextContents("0")
        command = [node for node in descendants(entry)
                   if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == button]
        program.click(command[0])

        # The star of the first year the form offers, as the command line gives it.
        english = json.loads(subprocess.run(
            [program_path, "reading", "--latitude", "77:33N", "--year", "1900", "--format",
             "json"], capture_output=True, text=True, check=True,
            env=dict(os.environ, LANGUAGE="en")).stdout)
        star = english["star"]
        result = program.window_with(star, pyatspi.ROLE_LABEL)
        if not result:
            fail(f"no reading of {star} in {language}")
        angel = tr("Lore", english["attributes"]["angel"])
        labels = [node.name for node in descendants(result) if node.getRole() == pyatspi.ROLE_LABEL]
        if angel not in labels:
            fail(f"the reading in {language} lacks the angel {angel!r}: {labels}")
        print(f"{language}: mirrored={right_to_left}, name typed {typed_name!r}, "
              f"reading of {star} with its angel {angel!r}")
    finally:
        program.close()


def main():
    program_path, folder = sys.argv[1], sys.argv[2]
    reading_in(program_path, folder, "ar", "محمد")
    reading_in(program_path, folder, "de", "jürgen")


if __name__ == "__main__":
    main()
