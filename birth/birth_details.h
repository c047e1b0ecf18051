// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The birth details as the birth-details form holds them: every box's text
// as typed, every list's choice, both hemispheres. Made by name, as in
// BirthDetails{.name = ..., .day = 10}: the month counts from 0 (the
// month list's index), the day of the month from 1, as it is written.
// Every member has its default, so that any may be left out.

#include <QString>

#include <optional>

#include "birth/calendar.h"

namespace birth {

struct BirthDetails {
    QString name{};         // no line for it when empty (the command line's may be)
    bool dateGiven = true;  // without it, only the year is told
    int monthIndex = 0;     // 0 is January
    int day = 1;            // 1 is the 1st
    int year = kFirstYear;
    bool timeGiven = true;
    int hour = 0;
    int minute = 0;
    int second = 0;
    QString city{};
    QString state{};
    QString country{};
    QString latitudeDegrees{};
    QString latitudeMinutes{};
    QString latitudeSeconds{};
    bool south = false;
    QString longitudeDegrees{};  // no line for the longitude when all three are empty
    QString longitudeMinutes{};
    QString longitudeSeconds{};
    bool west = false;
    // The zone the birthplace's clocks kept, as birth::Zone::text() writes
    // it ("Europe/Berlin", "LMT", "UTC+05:30"); empty when none was given.
    QString zone{};
    // The offset from UTC in force at the birth, in seconds east, where the
    // clock time alone does not tell it: a time the clocks skipped or showed
    // twice, answered; or a record that gives its offset. Overrides the zone.
    std::optional<int> utcOffsetSeconds{};

    bool operator==(const BirthDetails&) const = default;
};

}  // namespace birth
