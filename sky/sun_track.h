// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

namespace sky {

// The Sun's apparent right ascension and declination of date, degrees.
struct SunPlace {
    double rightAscensionDeg = 0;
    double declinationDeg = 0;
};

// The Sun by the low-precision formulas of the Astronomical Almanac (a mean
// orbit with the equation of the centre, the nutation's main term and the
// aberration): within about 0.01° of ERFA's apparent Sun for centuries
// about 2000. A handful of sines, against a fraction of a millisecond for
// ERFA's.
SunPlace lowPrecisionSun(double julianDayUt);

// The Sun over a run of days, as the star phases look at it: its apparent
// place (SkyAt::body) every two days from `firstJdUt`, up to `lastJdUt`, and
// in between interpolated linearly.
//
// The ERFA places are costly, and most questions about the Sun are settled
// without them, so each is worked out only when first needed. Beside them
// runs a quick track: the low-precision Sun on the same days, interpolated
// alike, which stays within kQuickErrorDeg of the ERFA track (its right
// ascension and declination errors added), so that the altitude it gives is
// within that of the ERFA track's.
class SunTrack {
public:
    static constexpr double kQuickErrorDeg = 0.025;

    SunTrack(double firstJdUt, double lastJdUt);

    SunPlace place(double julianDayUt) const;
    SunPlace quickPlace(double julianDayUt) const;

private:
    // The two-day span (its first day's index) that a moment falls in, and
    // how far into it, as a fraction.
    int spanOf(double julianDayUt, double* fraction) const;
    static SunPlace between(const SunPlace& from, const SunPlace& to, double fraction);
    const SunPlace& exactAt(int day) const;

    double first_;
    std::vector<double> days_;
    std::vector<SunPlace> quick_;
    mutable std::vector<std::optional<SunPlace>> exact_;
};

}  // namespace sky
