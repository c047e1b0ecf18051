// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules of the birth-details form, apart from the controls that hold the
// details: which box must be filled, which dates exist, which typed
// characters a box takes, and the message each refusal shows.

#include <QLocale>
#include <QString>

#include <optional>

#include "formbase/key_verdict.h"
#include "formbase/services.h"
#include "stars/engine.h"

namespace asterine {

// The boxes a refusal can send the cursor to.
enum class BirthBox { Name, LonD, LonM, LonS, LatD, LatM, LatS };

// The texts typed into the form and the positions of its date lists.
struct TypedBirthDetails {
    QString name;
    QString lonD, lonM, lonS;
    QString latD, latM, latS;
    int monthIndex = 0;  // 0 is January
    int dayIndex = 0;    // 0 is the 1st
    int year = 1900;
};

// A refusal: its message and icon, and the box the cursor goes to (none for
// a date that does not exist, which leaves the cursor where it is).
struct BirthDetailsProblem {
    std::optional<BirthBox> box;
    QString message;
    MessageIcon icon = MessageIcon::Critical;
};

// The first problem of the typed details, in the order the checks run: the
// name, the six coordinate boxes, then the day against month and year.
std::optional<BirthDetailsProblem> firstBirthDetailsProblem(const TypedBirthDetails& details);

// The refusal of a required box left blank.
BirthDetailsProblem missing(BirthBox box);

// The refusal of a day the month and year do not have; `day` counts from 1.
std::optional<BirthDetailsProblem> dateProblem(int monthIndex, int day, int year);

// What the name box says of a character it refuses, and the coordinate boxes.
QString refusedLetterMessage();
QString refusedDigitMessage();

// The refusal of a latitude the engine cannot read a star from.
BirthDetailsProblem latitudeRefusal(stars::LatitudeField field);

// A box is blank when nothing but blanks (the space character) is in it.
bool isBlank(const QString& text);

// Gregorian leap years: divisible by 4, except whole centuries not divisible by 400.
bool isLeapYear(int year);

enum class DateProblem {
    None,
    February,        // a February day the year does not have
    ThirtyDayMonth,  // day 31 in April, June, September or November
};

// `monthIndex` 0 is January; `day` counts from 1.
DateProblem checkDate(int monthIndex, int day, int year);

// The latitude and longitude boxes take the digits and Backspace.
KeyVerdict digitKey(char32_t code);
// The name box takes letters, turned to capitals, blank, Enter and Backspace.
KeyVerdict nameKey(char32_t code);
// The name box's filter for the language the program speaks: under English
// (and where no translation applies) exactly nameKey; under another
// language also the letters of its script (German ä ö ü ß, the accented
// letters of French, Spanish and Portuguese, Devanagari with its combining
// signs, Arabic letters with their vowel marks), in capitals where the
// script has them. Digits and punctuation of any script stay refused.
KeyFilter nameKeyFor(QLocale::Language language);

}  // namespace asterine
