// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules birth details meet before they give a reading: which boxes must
// be filled, which dates exist, which latitudes the engine reads a star
// from, and the message each refusal shows. The form, the people the
// program keeps, their files and the command line all ask readingProblem.

#include <QString>

#include <optional>

#include "birth/birth_details.h"
#include "stars/engine.h"

namespace birth {

// The boxes a refusal can send the cursor to, in the order they are checked.
enum class BirthBox { Name, LonD, LonM, LonS, LatD, LatM, LatS };

// How a refusal is told: an error (a box left blank, a latitude without a
// star), or a notice (a day the month does not have).
enum class Severity { Error, Notice };

// A refusal: its message and severity, and the box the cursor goes to (none
// for a date that does not exist, which leaves the cursor where it is).
struct BirthProblem {
    std::optional<BirthBox> box;
    QString message;
    Severity severity = Severity::Error;
};

// The boxes that must not be blank. The form and the people it keeps have
// all seven; the command line has the latitude's, and the name only when
// one is given.
struct RequiredBoxes {
    bool name = true;
    bool longitude = true;
};

// Whether `details` can give a reading, and the first reason when they
// cannot, in the order the form checks them: a required box left blank (the
// name, the longitude's three, the latitude's three), a day the month and
// year do not have, then a latitude the engine reads no star from (its
// refusal names the degrees or the minutes). Nothing when they can: then
// the engine gives a reading for their latitude degrees, minutes and year,
// whatever it read before. Asking changes nothing in the program's engine.
std::optional<BirthProblem> readingProblem(const BirthDetails& details,
                                           RequiredBoxes required = {});

// The first two steps of readingProblem alone: the required boxes, then the date.
std::optional<BirthProblem> firstBirthProblem(const BirthDetails& details,
                                              RequiredBoxes required = {});

// The refusal of a required box left blank.
BirthProblem missing(BirthBox box);

// The refusal of a day the month and year do not have; `day` counts from 1.
std::optional<BirthProblem> dateProblem(int monthIndex, int day, int year);

// The refusal of a latitude the engine cannot read a star from.
BirthProblem latitudeRefusal(stars::LatitudeField field);

// A box is blank when nothing but blanks (the space character) is in it.
bool isBlank(const QString& text);

}  // namespace birth
