#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints, as JSON, birth clock times and what the system's tzdata says of
them, read with Python's zoneinfo: the offset in force, daylight saving, the
abbreviation, universal time and the Julian day; or, for a clock time the
zone skipped or showed twice, the two readings before and after the change.

    moment_cases.py [--zoneinfo DIR]

The cases: every change of a few zones' clocks over years of history (each
met at its edges and in its middle), clock times drawn over 1900-2050 in
zones around the world, and births before each zone's first standard time,
where the clocks kept the sun of the birthplace's own longitude (4 minutes
of time a degree) and not tzdata's reference city.
"""
import argparse
import json
import math
import random
import sys
import zoneinfo
from datetime import datetime, timedelta, timezone

EPOCH = datetime(1970, 1, 1)

# Years over which every change of the clocks is met.
HISTORY = [
    ("Europe/Berlin", 1944, 1949),       # double summer time
    ("Europe/London", 1967, 1972),       # British Standard Time
    ("America/New_York", 1941, 1946),    # war time and peace time
    ("Asia/Kolkata", 1941, 1946),
    ("Asia/Tokyo", 1947, 1952),
    ("Australia/Lord_Howe", 1981, 1986),  # half an hour of daylight saving
    ("Australia/Lord_Howe", 2021, 2023),
    ("Asia/Kathmandu", 1985, 1987),      # +05:30 to +05:45
    ("America/Sao_Paulo", 2016, 2019),
    ("Australia/Sydney", 2020, 2022),
    ("America/Santiago", 2022, 2024),
    ("Pacific/Auckland", 2024, 2025),
    ("Europe/Berlin", 2020, 2022),
    ("America/New_York", 2020, 2022),
    ("Europe/Berlin", 2049, 2050),       # after the last change written out
    ("America/New_York", 2050, 2050),
]

SAMPLED = [
    "Europe/Berlin", "Europe/London", "Europe/Paris", "Europe/Moscow", "Europe/Dublin",
    "America/New_York", "America/Chicago", "America/Los_Angeles", "America/Sao_Paulo",
    "America/Argentina/Buenos_Aires", "America/St_Johns", "Asia/Kolkata", "Asia/Tokyo",
    "Asia/Shanghai", "Asia/Kathmandu", "Asia/Tehran", "Australia/Sydney", "Australia/Adelaide",
    "Australia/Lord_Howe", "Pacific/Auckland", "Pacific/Chatham", "Africa/Johannesburg",
    "Africa/Cairo", "Asia/Jerusalem", "Pacific/Kiritimati", "Pacific/Pago_Pago", "UTC",
]

BEFORE_STANDARD_TIME = [
    "Europe/Berlin", "Europe/London", "America/New_York", "Asia/Kolkata", "Asia/Tokyo",
    "Australia/Sydney", "America/Sao_Paulo", "Asia/Kathmandu", "Pacific/Auckland",
    "Africa/Cairo",
]


def seconds(naive):
    return int((naive - EPOCH).total_seconds())


def naive_at(s):
    return EPOCH + timedelta(seconds=s)


def local_mean_time(longitude):
    scaled = longitude * 240.0
    return int(math.copysign(math.floor(abs(scaled) + 0.5), scaled))


def reference_longitudes(directory):
    """Each zone's reference city's longitude, from zone.tab."""
    result = {}
    with open(f"{directory}/zone.tab", encoding="utf-8") as table:
        for line in table:
            if line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            where = fields[1]
            cut = max(where.rfind("+"), where.rfind("-"))
            lon = where[cut:]
            sign = -1 if lon[0] == "-" else 1
            digits = lon[1:]
            degrees = int(digits[:3]) + int(digits[3:5]) / 60 + (int(digits[5:7]) / 3600
                                                               if len(digits) > 5 else 0)
            result[fields[2]] = sign * degrees
    return result


def info_at(zone, universal_seconds):
    moment = (datetime(1970, 1, 1, tzinfo=timezone.utc) +
              timedelta(seconds=universal_seconds)).astimezone(zone)
    return {"offset": int(moment.utcoffset().total_seconds()),
            "dst": moment.dst() != timedelta(0),
            "abbreviation": moment.tzname()}


def state(info, longitude):
    if info["abbreviation"] == "LMT":
        offset = local_mean_time(longitude)
        return {"offset": offset, "dst": False, "abbreviation": "LMT"}
    return info


def changes(zone, first_year, last_year):
    """The instants (UT seconds) at which the zone's clocks changed."""
    start = seconds(datetime(first_year, 1, 1)) - 86400
    end = seconds(datetime(last_year + 1, 1, 1)) + 86400
    step = 3 * 3600
    found = []
    previous = info_at(zone, start)
    at = start
    while at < end:
        following = info_at(zone, at + step)
        if following != previous:
            low, high = at, at + step
            while high - low > 1:
                middle = (low + high) // 2
                if info_at(zone, middle) == previous:
                    low = middle
                else:
                    high = middle
            found.append(high)
        previous = following
        at += step
    return found


def first_standard_time(zone):
    """The instant the zone left its tzdata local mean time, or None."""
    at = seconds(datetime(1800, 1, 1))
    if info_at(zone, at)["abbreviation"] != "LMT":
        return None
    step = 30 * 86400
    while info_at(zone, at + step)["abbreviation"] == "LMT":
        at += step
    low, high = at, at + step
    while high - low > 1:
        middle = (low + high) // 2
        if info_at(zone, middle)["abbreviation"] == "LMT":
            low = middle
        else:
            high = middle
    return high


def julian_day(universal_seconds):
    moment = naive_at(universal_seconds)
    day = moment.hour * 3600 + moment.minute * 60 + moment.second
    return moment.date().toordinal() + 1721424.5 + day / 86400


def unique(offset_state, clock):
    universal = clock - offset_state["offset"]
    return {"kind": "unique", **offset_state,
            "universal": naive_at(universal).isoformat() + "Z",
            "julian_day": julian_day(universal)}


def evaluate(name, clock, longitude, firsts):
    """What tzdata says of the clock time `clock` (seconds, read as if UT)."""
    zone = zoneinfo.ZoneInfo(name)
    first = firsts.get(name)
    if first is not None and clock < first + 86400:
        # Around and before the first standard time: the birthplace's sun,
        # then the zone's first standard time.
        before = state({"abbreviation": "LMT"}, longitude)
        after = info_at(zone, first)
        readings = []
        if clock - before["offset"] < first:
            readings.append(before)
        if clock - after["offset"] >= first:
            readings.append(after)
        if len(readings) == 1:
            return unique(readings[0], clock)
        kind = "repeated" if readings else "skipped"
        return {"kind": kind, "before": before, "after": after}
    local = naive_at(clock)
    readings = []
    for fold in (0, 1):
        moment = local.replace(tzinfo=zone, fold=fold)
        readings.append({"offset": int(moment.utcoffset().total_seconds()),
                         "dst": moment.dst() != timedelta(0),
                         "abbreviation": moment.tzname()})
    if readings[0]["offset"] == readings[1]["offset"]:
        return unique(readings[0], clock)
    earlier = local.replace(tzinfo=zone, fold=0)
    back = earlier.astimezone(timezone.utc).astimezone(zone).replace(tzinfo=None)
    kind = "skipped" if back != local else "repeated"
    return {"kind": kind, "before": readings[0], "after": readings[1]}


def case(group, name, clock, longitude, firsts):
    return {"group": group, "zone": name, "local": naive_at(clock).isoformat(),
            "longitude": round(longitude, 6), **evaluate(name, clock, longitude, firsts)}


def edges(universal, before, after):
    """Clock times at the edges and in the middle of a change's skipped or
    repeated stretch, and an hour before it."""
    low = universal + min(before, after)
    high = universal + max(before, after)
    return sorted({low - 3600, low - 1, low, (low + high) // 2, high - 1, high})


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--zoneinfo", default="/usr/share/zoneinfo")
    arguments = parser.parse_args()
    longitudes = reference_longitudes(arguments.zoneinfo)
    longitudes["UTC"] = 0.0
    draw = random.Random(20261208)
    zones = {name for name, _, _ in HISTORY} | set(SAMPLED) | set(BEFORE_STANDARD_TIME)
    firsts = {name: first_standard_time(zoneinfo.ZoneInfo(name)) for name in zones}
    cases = []

    for name, first_year, last_year in HISTORY:
        zone = zoneinfo.ZoneInfo(name)
        for universal in changes(zone, first_year, last_year):
            before = info_at(zone, universal - 1)["offset"]
            after = info_at(zone, universal)["offset"]
            for clock in edges(universal, before, after):
                cases.append(case("history", name, clock, longitudes[name], firsts))

    low, high = seconds(datetime(1900, 1, 1)), seconds(datetime(2051, 1, 1)) - 1
    for name in SAMPLED:
        for _ in range(40):
            longitude = longitudes[name] + draw.uniform(-3.0, 3.0)
            cases.append(case("sampled", name, draw.randint(low, high), longitude, firsts))

    for name in BEFORE_STANDARD_TIME:
        first = firsts[name]
        for _ in range(3):
            longitude = longitudes[name] + draw.uniform(-5.0, 5.0)
            clock = draw.randint(seconds(datetime(1850, 1, 1)), seconds(datetime(1851, 1, 1)))
            cases.append(case("1850", name, clock, longitude, firsts))
            after = info_at(zoneinfo.ZoneInfo(name), first)["offset"]
            for clock in edges(first, local_mean_time(longitude), after):
                cases.append(case("first standard time", name, clock, longitude, firsts))

    json.dump(cases, sys.stdout, indent=0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
