#pragma once

// The rules the birth-details checks and key filters apply, apart from the
// controls that hold the details.

#include <QString>

#include "app/widgets.h"

namespace asterine {

// A box is blank when nothing but blanks (the space character) is in it.
bool IsBlank(const QString& text);

// Gregorian leap years: divisible by 4, except whole centuries not divisible by 400.
bool IsLeapYear(int year);

enum class DateProblem {
    None,
    February,        // a February day the year does not have
    ThirtyDayMonth,  // day 31 in April, June, September or November
};

// `monthIndex` 0 is January; `day` counts from 1.
DateProblem CheckDate(int monthIndex, int day, int year);

// The latitude and longitude boxes take the digits and Backspace.
KeyVerdict DigitKey(char32_t code);
// The name box takes letters, turned to capitals, blank, Enter and Backspace.
KeyVerdict NameKey(char32_t code);

}  // namespace asterine
