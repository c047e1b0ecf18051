// SPDX-License-Identifier: GPL-3.0-or-later
// Delta T by the polynomials of Espenak and Meeus (2006), and calendar dates.

#include "sky/time_scale.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace sky {

double deltaTSeconds(double y) {
    auto longTerm = [](double year) {
        const double u = (year - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (y < 1800.0 || y >= 2150.0)
        return longTerm(y);
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * std::pow(t, 3) -
               0.00037436 * std::pow(t, 4) + 0.0000121272 * std::pow(t, 5) -
               0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + std::pow(t, 3) / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - std::pow(t, 3) / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    return longTerm(y) - 0.5628 * (2150.0 - y);
}

double decimalYear(double julianDay) {
    return 2000.0 + (julianDay - ERFA_DJ00) / ERFA_DJY;
}

Moment momentAt(double julianDayUt) {
    return Moment{julianDayUt, deltaTSeconds(decimalYear(julianDayUt))};
}

double julianDayOf(int year, int month, int day) {
    double djm0 = 0, djm = 0;
    eraCal2jd(year, month, day, &djm0, &djm);
    return djm0 + djm;
}

CalendarDate calendarDateOf(double julianDay) {
    CalendarDate date{};
    eraJd2cal(julianDay, 0.0, &date.year, &date.month, &date.day, &date.dayFraction);
    return date;
}

}  // namespace sky
