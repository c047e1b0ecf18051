// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calendar of a birth as the program takes it: the years it offers,
// the days each month has, and a date as files and the command line write
// it.

class QRegularExpression;

namespace birth {

// The years of birth the program offers: the form's year list, the command
// line's --year and --date, and the dates of the people's files.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

// Gregorian leap years: divisible by 4, except whole centuries not divisible by 400.
bool isLeapYear(int year);

enum class DateProblem {
    None,
    February,        // a February day the year does not have
    ThirtyDayMonth,  // day 31 in April, June, September or November
};

// `monthIndex` 0 is January; `day` counts from 1.
DateProblem checkDate(int monthIndex, int day, int year);

// A date written YYYY-MM-DD, as the command line's --date and the people's
// files give it: the year, the month and the day are its first three
// captures. Whether they make a date is for the caller to check.
const QRegularExpression& writtenDatePattern();

}  // namespace birth
