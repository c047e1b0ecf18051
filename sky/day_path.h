// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "sky/horizon.h"
#include "sky/positions.h"

namespace sky {

// Where an object stands at one moment of a day: altitude (geometric) and
// azimuth at the day's place.
struct PathPoint {
    double julianDayUt = 0;
    Horizontal horizontal;
};

// An object's path across a day: its altitude and azimuth at `count` moments
// evenly spaced over the 24 hours from the day's start, the first at the
// start and the last at its end (`count` is at least 2). A star keeps its
// place of the middle of the day; a body's place is interpolated. Bodies are
// seen from the centre of the Earth: the Moon's parallax is not in its path.
std::vector<PathPoint> starPath(const SkyDay& day, const Apparent& place, int count = 97);
std::vector<PathPoint> bodyPath(const SkyDay& day, Body body, int count = 97);

}  // namespace sky
