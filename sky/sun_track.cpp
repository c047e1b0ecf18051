// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun over a run of days: ERFA's places, worked out as they are needed,
// and a quick low-precision track beside them.

#include "sky/sun_track.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>

#include "sky/positions.h"

namespace sky {

SunPlace lowPrecisionSun(double julianDayUt) {
    // Julian centuries of TT from J2000.0.
    const double t = (momentAt(julianDayUt).julianDayTt() - ERFA_DJ00) / ERFA_DJC;
    const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double meanAnomaly = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * ERFA_DD2R;
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(meanAnomaly) +
                          (0.019993 - 0.000101 * t) * std::sin(2 * meanAnomaly) +
                          0.000289 * std::sin(3 * meanAnomaly);
    // The Moon's node, for the nutation in longitude and in obliquity.
    const double node = (125.04 - 1934.136 * t) * ERFA_DD2R;
    // Aberration (-20.5") and nutation.
    const double longitude =
        (meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node)) * ERFA_DD2R;
    const double obliquity =
        (23.0 + 26.0 / 60.0 +
         (21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0 +
         0.00256 * std::cos(node)) *
        ERFA_DD2R;
    SunPlace out;
    out.rightAscensionDeg = normalized360(
        std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude)) * ERFA_DR2D);
    out.declinationDeg = std::asin(std::sin(obliquity) * std::sin(longitude)) * ERFA_DR2D;
    return out;
}

SunTrack::SunTrack(double firstJdUt, double lastJdUt) : first_(firstJdUt) {
    for (double t = firstJdUt; t <= lastJdUt; t += 2) {
        days_.push_back(t);
        quick_.push_back(lowPrecisionSun(t));
    }
    exact_.resize(days_.size());
}

int SunTrack::spanOf(double julianDayUt, double* fraction) const {
    const double u = (julianDayUt - first_) / 2.0;
    const int i = std::clamp(static_cast<int>(u), 0, static_cast<int>(days_.size()) - 2);
    *fraction = u - i;
    return i;
}

SunPlace SunTrack::between(const SunPlace& from, const SunPlace& to, double fraction) {
    SunPlace out;
    out.rightAscensionDeg = from.rightAscensionDeg +
                            fraction * normalized180(to.rightAscensionDeg - from.rightAscensionDeg);
    out.declinationDeg = from.declinationDeg + fraction * (to.declinationDeg - from.declinationDeg);
    return out;
}

const SunPlace& SunTrack::exactAt(int day) const {
    std::optional<SunPlace>& place = exact_[day];
    if (!place) {
        const Apparent sun = SkyAt(momentAt(days_[day])).body(Body::Sun);
        place = SunPlace{sun.rightAscensionDeg, sun.declinationDeg};
    }
    return *place;
}

SunPlace SunTrack::place(double julianDayUt) const {
    double f = 0;
    const int i = spanOf(julianDayUt, &f);
    return between(exactAt(i), exactAt(i + 1), f);
}

SunPlace SunTrack::quickPlace(double julianDayUt) const {
    double f = 0;
    const int i = spanOf(julianDayUt, &f);
    return between(quick_[i], quick_[i + 1], f);
}

}  // namespace sky
