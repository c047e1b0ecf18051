#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a desktop in another language, driven with real X
keys and read back over the accessibility bus: under Arabic the birth-details
form is mirrored, the name box takes Arabic letters typed on the keyboard,
the degrees take digits, and the reading command gives the star the command
line gives, with its lore in Arabic; under German the same reading in German;
under Hindi the same with no fonts but those the package depends on. Under
Arabic, on an Arabic keyboard, Alt and the Arabic letters of the access keys
open the File menu, the People window and close it. A German desktop whose
translation is damaged gets the program in English.

    tests/private_session.sh xvfb-run -a tests/desktop_language_test.py PROGRAM TS_FOLDER [FONTS_CONF]
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (READING_BUTTON, Program, chart_pane, descendants, fail,  # noqa: E402
                     notice_readable, text_of, wait_for, xdotool)


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


def reading_in(program_path, folder, language, typed_name, environment=None):
    tr = Translations(os.path.join(folder, f"asterine_{language}.ts"))
    program = Program(program_path, {"LANGUAGE": language, "LANG": "C.UTF-8",
                                     **(environment or {})})
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

        button_node = [node for node in descendants(entry)
                       if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == button]
        message_buttons(program, button_node[0], language)

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
        # The Sky section in the language, once worked out: on the reading's
        # left under a right-to-left language, its angles still read from
        # the left.
        sky_title = tr("document::Sky", "%1 in the Sky").replace("%1", star)

        def sky_shown():
            for node in descendants(result):
                if node.getRole() == pyatspi.ROLE_LABEL and node.name == sky_title:
                    return node
            return None
        title = wait_for(sky_shown)
        if not title:
            fail(f"no Sky section {sky_title!r} in {language}")
        star_label = [node for node in descendants(result)
                      if node.getRole() == pyatspi.ROLE_LABEL and node.name == star][0]
        if (extents(title).x < extents(star_label).x) != right_to_left:
            fail(f"the Sky section is on the wrong side of the reading in {language}")
        ascension = tr("document::Sky", "Right Ascension") + ": "
        lines = [node.name for node in descendants(result)
                 if node.getRole() == pyatspi.ROLE_LABEL and node.name.startswith(ascension)]
        if not lines or ("\u2066" in lines[0]) != right_to_left:
            fail(f"the right ascension in {language} reads {lines!r}")
        print(f"{language}: mirrored={right_to_left}, name typed {typed_name!r}, "
              f"reading of {star} with its angel {angel!r} and its sky, {lines[0]!r}")

        # The pictures beside the reading, on its other side in a right-to-
        # left language, their lines in the language.
        shots = os.environ.get("ASTERINE_SHOTS")
        if shots:
            shots = os.path.join(shots, language)
            os.makedirs(shots, exist_ok=True)
        wheel_name = tr("asterine::FrmDisplay", "Wheel of the birth's sky")
        wheel, horizon = chart_pane(
            program, result, wheel_name,
            tr("SkyChart", "The sky over the birthplace on the birth day"),
            tr("asterine::FrmDisplay", "Wheel"), tr("asterine::FrmDisplay", "Horizon"),
            shots=shots, wheel_look=notice_readable)
        no_time = tr("SkyChart", "The time of birth is needed for the bodies.")
        if wheel[0] != no_time:
            fail(f"the wheel's first line in {language} is {wheel[0]!r}, not {no_time!r}")
        chart = [node for node in descendants(result)
                 if node.getRole() == pyatspi.ROLE_LIST and node.name == wheel_name][0]
        fixed_star = [node for node in descendants(result)
                      if node.getRole() == pyatspi.ROLE_LABEL and node.name == star][0]
        if (extents(chart).x < extents(fixed_star).x) != right_to_left:
            fail(f"the chart is on the wrong side of the reading in {language}")
        print(f"{language}: the chart beside the reading reads {wheel[0]!r} and {horizon[0]!r}")
    finally:
        program.close()


def message_buttons(program, command, language):
    """A message box's buttons speak the language: they are Qt's own texts,
    from Qt's translation or, under Hindi, which Qt does not translate,
    from the program's. The reading asked for with no name brings one."""
    program.click(command)

    def buttons():
        for window in program.windows():
            if window.name == "Asterine":
                found = [node.name for node in descendants(window)
                         if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
                if found:
                    return found
        return None
    shown = wait_for(buttons)
    if not shown:
        fail(f"no message box in {language} for a reading without a name")
    if "OK" in shown and language in ("hi", "ar"):
        fail(f"the message box's button in {language} is in English: {shown!r}")
    if language == "hi" and "\u0920\u0940\u0915 \u0939\u0948" not in shown:
        fail(f"the message box's button in Hindi is {shown!r}")
    xdotool("key", "Return")
    if not wait_for(lambda: not buttons()):
        fail(f"the message box in {language} did not close on Enter")
    print(f"{language}: a message box's button reads {shown!r}")


def showing(program, name, role):
    """Whether a control called `name` of `role` shows in any window."""
    for window in program.windows():
        for node in [window, *descendants(window)]:
            if (node.name == name and node.getRole() == role
                    and node.getState().contains(pyatspi.STATE_SHOWING)):
                return True
    return False


def arabic_access_keys(program_path, folder):
    """Alt and an Arabic letter, typed on an Arabic keyboard, as the
    captions mark them: the File menu, its Open Person item, the People
    window's Close button."""
    tr = Translations(os.path.join(folder, "asterine_ar.ts"))
    program = Program(program_path, {"LANGUAGE": "ar", "LANG": "C.UTF-8"})
    try:
        entry = program.window_with(plain(tr("asterine::FrmMain",
                                             "Get My Fixed Stars Astrology Reading")))
        if not entry:
            fail("no birth-details form in Arabic")
        name = program.inputs(entry)[plain(tr("asterine::FrmMain", "Name"))]
        program.click(name)
        open_person = plain(tr("asterine::FrmMain", "&Open Person..."))
        program.keys("alt+Arabic_meem")  # م of "&ملف"
        if not wait_for(lambda: showing(program, open_person, pyatspi.ROLE_MENU_ITEM)):
            fail("Alt+م did not open the File menu")
        program.keys("Arabic_feh")  # ف of "&فتح شخص..."
        search = plain(tr("asterine::PeopleWindow", "&Search:"))
        close = plain(tr("asterine::PeopleWindow", "&Close"))
        if not wait_for(lambda: showing(program, close, pyatspi.ROLE_PUSH_BUTTON)):
            fail("ف in the File menu did not open the People window")
        program.keys("alt+Arabic_ghain")  # غ of "إ&غلاق"
        if not wait_for(lambda: not showing(program, close, pyatspi.ROLE_PUSH_BUTTON)):
            fail("Alt+غ did not close the People window")
        print(f"ar: Alt+م opened the File menu, ف the People window ({search!r}), "
              "Alt+غ closed it")
    finally:
        program.close()


def damaged_translation(program_path):
    """The program as installed beside its translations, the German one
    with one byte changed: a German desktop gets it in English, working."""
    with tempfile.TemporaryDirectory() as tree:
        built = os.path.dirname(os.path.dirname(os.path.realpath(program_path)))
        os.makedirs(os.path.join(tree, "bin"))
        shutil.copy(program_path, os.path.join(tree, "bin", "asterine"))
        os.symlink(os.path.join(built, "lib"), os.path.join(tree, "lib"))
        translations = os.path.join(tree, "share", "asterine", "translations")
        shutil.copytree(os.path.join(built, "share", "asterine", "translations"), translations)
        damaged = os.path.join(translations, "asterine_de.qm")
        with open(damaged, "r+b") as qm:
            qm.seek(2000)
            byte = qm.read(1)
            qm.seek(2000)
            qm.write(bytes([byte[0] ^ 0x5A]))
        program = Program(os.path.join(tree, "bin", "asterine"),
                          {"LANGUAGE": "de", "LANG": "C.UTF-8"})
        try:
            entry = program.window_with(READING_BUTTON)
            if not entry:
                fail("no birth-details form in English with a damaged German translation")
            inputs = program.inputs(entry)
            if "Name" not in inputs:
                fail(f"the form is not in English: {sorted(inputs)}")
            program.click(inputs["Name"])
            xdotool("type", "--delay", "60", "ann")
            if not wait_for(lambda: text_of(inputs["Name"]) == "ANN"):
                fail(f"the name box took {text_of(inputs['Name'])!r}")
            if program.process.poll() is not None:
                fail("the program ended")
            print("de with a damaged translation: the form in English, taking keys")
        finally:
            program.close()


def main():
    program_path, folder = sys.argv[1], sys.argv[2]
    reading_in(program_path, folder, "ar", "محمد")
    reading_in(program_path, folder, "de", "jürgen")
    if len(sys.argv) > 3:
        # Only the fonts the package depends on.
        reading_in(program_path, folder, "hi", "राम", {"FONTCONFIG_FILE": sys.argv[3]})
    arabic_access_keys(program_path, folder)
    damaged_translation(program_path)


if __name__ == "__main__":
    main()
