// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal degrees to whole degrees, minutes and seconds.

#include <cmath>
#include <cstdint>

#include "atlas/atlas.h"

namespace atlas {

namespace {

// Beyond this many degrees the degree count would not fit in an int.
constexpr double largestDegrees = 1e9;

// How far below a half second a value may lie and still count as the half:
// far below any real precision of a coordinate (a millionth of a second is
// about 0.03 mm on the ground), far above the binary error of a decimal.
constexpr double halfTolerance = 1e-6;

}  // namespace

Dms toDms(double value) {
    if (!std::isfinite(value) || std::fabs(value) > largestDegrees)
        return {};

    const double seconds = std::fabs(value) * 3600.0;
    const double whole = std::floor(seconds);
    const auto total =
        static_cast<std::int64_t>(whole) + (seconds - whole >= 0.5 - halfTolerance ? 1 : 0);

    Dms dms;
    dms.degrees = static_cast<int>(total / 3600);
    dms.minutes = static_cast<int>(total / 60 % 60);
    dms.seconds = static_cast<int>(total % 60);
    dms.negative = value < 0.0;
    return dms;
}

}  // namespace atlas
