// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sky {

// A moment of the sky: the Julian day in universal time (UT1; civil UTC is
// within 0.9 s of it) and the difference TT - UT in seconds, the clock of
// the ephemerides against the Earth's turning.
struct Moment {
    double julianDayUt = 0;
    double ttMinusUtSeconds = 0;

    double julianDayTt() const { return julianDayUt + ttMinusUtSeconds / 86400.0; }
};

// TT - UT (Delta T) in seconds at a decimal year, from the polynomial fits of
// F. Espenak and J. Meeus ("Polynomial expressions for Delta T", NASA's
// Five Millennium Canon of Solar Eclipses, 2006): piecewise polynomials
// 1800-2150 fitted to the measured values (within about a second from 1900
// to the present) and the parabola -20 + 32 u^2, u = (year - 1820) / 100,
// outside them. After the last measurements (2005) it is an extrapolation:
// by 2020 it exceeds the measured 69.4 s by about 3 s, which turns the sky
// by about 1.3 arcseconds.
double deltaTSeconds(double decimalYear);

// The decimal year of a Julian day (Julian years from J2000.0).
double decimalYear(double julianDay);

// The moment of a Julian day in UT, with Delta T from the model above.
Moment momentAt(double julianDayUt);

// The Julian day at 0h UT of a calendar date (proleptic Gregorian), and the
// calendar date of a Julian day.
double julianDayOf(int year, int month, int day);
struct CalendarDate {
    int year, month, day;
    double dayFraction;
};
CalendarDate calendarDateOf(double julianDay);

}  // namespace sky
