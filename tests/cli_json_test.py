#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line's JSON, read by Python's own JSON parser: one object, the
keys the manual page lists, their types, for a principal star, a star
without lore, and a reading from the atlas; and the command line without
any display in its environment.

    tests/cli_json_test.py PROGRAM
"""
import json
import os
import subprocess
import sys

KEYS = {"program", "version", "name", "date", "year", "place", "latitude", "longitude",
        "colatitude_key", "catalogue", "star", "note", "attributes", "made_on"}
ANGLE = {"degrees", "minutes", "seconds", "hemisphere", "text"}
ATTRIBUTES = {"latin_name", "designation", "gemstone", "plant", "position", "ruling_planet",
              "keywords", "effect", "angel", "direction"}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def reading(*arguments, language=None):
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                          "LC_MESSAGES")}
    if language:
        env["LANGUAGE"] = language
        env["LANG"] = "C.UTF-8"
    run = subprocess.run([sys.argv[1], "reading", "--format", "json", *arguments],
                         capture_output=True, text=True, env=env)
    if run.returncode != 0:
        fail(f"reading {arguments} ended with {run.returncode}: {run.stderr}")
    document = json.loads(run.stdout)
    if not isinstance(document, dict) or set(document) != KEYS:
        fail(f"the keys are {sorted(document)}, not {sorted(KEYS)}")
    if document["program"] != "Asterine" or document["version"] != "1.0":
        fail(f"the program is {document['program']} {document['version']}")
    if set(document["latitude"]) != ANGLE:
        fail(f"the latitude's keys are {sorted(document['latitude'])}")
    for key in ("year",):
        if not isinstance(document[key], int):
            fail(f"{key} is not a whole number")
    if not isinstance(document["colatitude_key"], float) and not isinstance(document["colatitude_key"], int):
        fail("colatitude_key is not a number")
    return document


def main():
    regulus = reading("--latitude", "77:33:10N", "--year", "1970", "--name", "ada",
                      "--date", "1970-12-10", "--longitude", "0:7:39W")
    if regulus["star"] != "Regulus" or regulus["note"] is not None:
        fail(f"77 33 N in 1970 gave {regulus['star']}, {regulus['note']}")
    if set(regulus["attributes"]) != ATTRIBUTES:
        fail(f"the attributes' keys are {sorted(regulus['attributes'])}")
    if regulus["attributes"]["latin_name"] != "Cor leonis" or regulus["name"] != "ADA":
        fail(f"unexpected values: {regulus}")
    if regulus["colatitude_key"] != 12.27 or regulus["catalogue"] != "NorthCatalogue1999":
        fail(f"key {regulus['colatitude_key']} in {regulus['catalogue']}")
    if regulus["date"] != "1970-12-10" or regulus["longitude"]["hemisphere"] != "W":
        fail(f"date {regulus['date']}, longitude {regulus['longitude']}")
    if regulus["latitude"] != {"degrees": 77, "minutes": 33, "seconds": 10, "hemisphere": "N",
                               "text": "77\u00b0 33\u2032 10\u2033 N"}:
        fail(f"latitude {regulus['latitude']}")

    mirfak = reading("--latitude", "40:30N", "--year", "1970")
    if mirfak["attributes"] is not None or not mirfak["note"].startswith("Interpretation"):
        fail(f"a star without lore: {mirfak}")
    for key in ("name", "date", "place", "longitude"):
        if mirfak[key] is not None:
            fail(f"{key} is {mirfak[key]!r} though not given")

    pune = reading("--place", "Pune", "--year", "2010")
    if pune["place"] != {"city": "Pune", "state": "Maharashtra", "country": "India"}:
        fail(f"the place is {pune['place']}")
    if pune["catalogue"] != "NorthCatalogue2000":
        fail(f"2010 searched {pune['catalogue']}")
    # English in every language, found by the English name and qualifier
    # and by the language's own.
    for language, typed in (("de", "London, Canada"), ("ar", "London, Canada"),
                            ("hi", "London, Canada"), ("de", "London, Kanada")):
        london = reading("--place", typed, "--year", "1970", language=language)
        if london["place"] != {"city": "London", "state": "Ontario", "country": "Canada"}:
            fail(f"{typed} under {language} is {london['place']}")
        if london["note"] is not None and not london["note"].startswith("Interpretation"):
            fail(f"the note under {language} is not English: {london['note']}")
    for language, typed in (("de", "M\u00fcnchen"), ("fr", "Munich"), ("ar", "Munich")):
        munich = reading("--place", typed, "--year", "1970", language=language)
        if munich["place"] != {"city": "Munich", "state": "Bavaria", "country": "Germany"}:
            fail(f"{typed} under {language} is {munich['place']}")
    cairo = reading("--place", "\u0627\u0644\u0642\u0627\u0647\u0631\u0629\u060c \u0645\u0635\u0631",
                    "--year", "1970", language="ar")
    if cairo["place"]["city"] != "Cairo" or cairo["place"]["country"] != "Egypt":
        fail(f"Cairo, Egypt under Arabic is {cairo['place']}")
    print("the JSON has the manual page's keys and types, for a principal star, a star "
          "without lore and a place from the atlas, in English under every language")


if __name__ == "__main__":
    main()
