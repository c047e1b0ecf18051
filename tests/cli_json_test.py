#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line's JSON, read by Python's own JSON parser: one object, the
keys the manual page lists, their types, for a principal star, a star
without lore, and a reading from the atlas; the moment of birth and the sky
of it, each key left out where the details do not allow it; the chart as
SVG, read by xmllint; and the command line without any display in its
environment.

    tests/cli_json_test.py PROGRAM
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

KEYS = {"program", "version", "name", "date", "year", "place", "latitude", "longitude",
        "colatitude_key", "catalogue", "star", "note", "attributes", "made_on", "sky"}
MOMENT = {"local": str, "zone": str, "utc_offset_seconds": int, "universal_time": str,
          "julian_day_ut": float, "daylight_saving": bool}
STAR = {"name": str, "right_ascension_deg": float, "declination_deg": float,
        "ecliptic_longitude_deg": float, "magnitude": float, "visibility": str,
        "rises_ut": str, "culminates_ut": str, "sets_ut": str, "altitude_deg": float,
        "azimuth_deg": float, "phase": str}
BODY = {"name": str, "ecliptic_longitude_deg": float, "right_ascension_deg": float,
        "declination_deg": float}
CONJUNCTION = {"star": str, "with": str, "orb_deg": float}
PARAN = {"star": str, "star_event": str, "with": str, "with_event": str, "ut": str}
EVENTS = {"rises", "culminates", "sets", "anti-culminates"}
UT = re.compile(r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$")
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
    keys = KEYS | {"moment"} if "--time" in arguments else KEYS
    if not isinstance(document, dict) or set(document) != keys:
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


def typed(what, value, types, required=()):
    """`value` is an object whose keys are among `types`, each of its type
    (an int does for a float), with `required` among them."""
    if not isinstance(value, dict):
        fail(f"{what} is not an object: {value!r}")
    for key, item in value.items():
        if key not in types:
            fail(f"{what} has a key {key!r} the manual page does not list")
        wanted = types[key]
        if wanted is float:
            good = isinstance(item, (int, float)) and not isinstance(item, bool)
        else:
            good = isinstance(item, wanted)
        if not good:
            fail(f"{what}.{key} is {item!r}, not a {wanted.__name__}")
    for key in required:
        if key not in value:
            fail(f"{what} lacks {key}")


def sky_shape():
    berlin = reading("--latitude", "52:31N", "--longitude", "13:24E", "--date", "1990-12-10",
                     "--time", "14:30", "--zone", "Europe/Berlin")
    typed("moment", berlin["moment"], MOMENT, MOMENT)
    if berlin["moment"]["universal_time"] != "1990-12-10T13:30:00Z" or \
            berlin["moment"]["julian_day_ut"] != 2448236.0625:
        fail(f"the moment is {berlin['moment']}")
    sky = berlin["sky"]
    if set(sky) != {"star", "bodies", "angles", "conjunctions", "parans"}:
        fail(f"the sky's keys are {sorted(sky)}")
    typed("sky.star", sky["star"], STAR, ("name", "right_ascension_deg", "declination_deg",
                                          "ecliptic_longitude_deg", "visibility", "phase",
                                          "altitude_deg", "azimuth_deg"))
    if sky["star"]["visibility"] not in ("circumpolar", "rises and sets", "never rises"):
        fail(f"visibility {sky['star']['visibility']}")
    for key in ("rises_ut", "culminates_ut", "sets_ut"):
        if key in sky["star"] and not UT.match(sky["star"][key]):
            fail(f"{key} is {sky['star'][key]}")
    if [body["name"] for body in sky["bodies"]] != [
            "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"]:
        fail(f"the bodies are {sky['bodies']}")
    for body in sky["bodies"]:
        typed("a body", body, BODY, BODY)
    typed("sky.angles", sky["angles"], {"ascendant_deg": float, "midheaven_deg": float},
          ("ascendant_deg", "midheaven_deg"))
    for conjunction in sky["conjunctions"]:
        typed("a conjunction", conjunction, CONJUNCTION, CONJUNCTION)
        if not 0 <= conjunction["orb_deg"] <= 1:
            fail(f"a conjunction beyond the orb: {conjunction}")
    if not sky["parans"]:
        fail("no parans on a whole day")
    for paran in sky["parans"]:
        typed("a paran", paran, PARAN, PARAN)
        if paran["star_event"] not in EVENTS or paran["with_event"] not in EVENTS or \
                not UT.match(paran["ut"]):
            fail(f"a paran {paran}")

    # Without the time, no moment, bodies, angles or conjunctions; without
    # the longitude, no day: left out, never null.
    timeless = reading("--latitude", "52:31N", "--year", "1990")
    if set(timeless["sky"]) != {"star"}:
        fail(f"the sky without a time has {sorted(timeless['sky'])}")
    if {"rises_ut", "culminates_ut", "sets_ut", "altitude_deg", "azimuth_deg"} & \
            set(timeless["sky"]["star"]):
        fail(f"the star without a day: {timeless['sky']['star']}")
    # English under every language, the numbers as they are.
    for language in ("de", "ar", "hi"):
        again = reading("--latitude", "52:31N", "--longitude", "13:24E", "--date", "1990-12-10",
                        "--time", "14:30", "--zone", "Europe/Berlin", language=language)
        if again["sky"] != sky or again["moment"] != berlin["moment"]:
            fail(f"the sky or the moment under {language} is not the English one")
    placeless = reading("--latitude", "52:31N", "--date", "1990-12-10", "--time", "14:30",
                        "--zone", "Europe/Berlin")
    if set(placeless["sky"]) != {"star", "bodies", "conjunctions"}:
        fail(f"the sky without a longitude has {sorted(placeless['sky'])}")


def chart():
    xmllint = shutil.which("xmllint")
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "wheel.svg")
        reading("--latitude", "52:31N", "--longitude", "13:24E", "--date", "1990-12-10",
                "--time", "14:30", "--zone", "Europe/Berlin", "--chart", path,
                "--chart-size", "600")
        if not os.path.getsize(path):
            fail("the chart is empty")
        if xmllint:
            check = subprocess.run([xmllint, "--noout", path], capture_output=True, text=True)
            if check.returncode != 0:
                fail(f"the chart is not well-formed XML: {check.stderr}")
        with open(path, encoding="utf-8") as svg:
            text = svg.read()
        if 'viewBox="0 0 600 600"' not in text or "<title>" not in text:
            fail("the chart is not an SVG picture of 600 by 600 with a title")


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
    sky_shape()
    chart()
    print("the JSON has the manual page's keys and types, for a principal star, a star "
          "without lore and a place from the atlas, in English under every language; the "
          "moment and the sky as the details allow; the chart is well-formed SVG")


if __name__ == "__main__":
    main()
