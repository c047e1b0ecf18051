// SPDX-License-Identifier: GPL-3.0-or-later
// An object's altitude and azimuth sampled across a day.

#include "sky/day_path.h"

#include <algorithm>

namespace sky {

namespace {

template <typename PlaceAt>
std::vector<PathPoint> sampled(const SkyDay& day, int count, PlaceAt placeAt) {
    count = std::max(count, 2);
    std::vector<PathPoint> path;
    path.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double jd = day.startJdUt() + double(i) / double(count - 1);
        const Apparent place = placeAt(jd);
        path.push_back({jd, horizontal(place.rightAscensionDeg, place.declinationDeg,
                                       day.localSiderealDeg(jd), day.place().latitudeDeg)});
    }
    return path;
}

}  // namespace

std::vector<PathPoint> starPath(const SkyDay& day, const Apparent& place, int count) {
    return sampled(day, count, [&](double) { return place; });
}

std::vector<PathPoint> bodyPath(const SkyDay& day, Body body, int count) {
    return sampled(day, count, [&](double jd) { return day.bodyPlace(body, jd); });
}

}  // namespace sky
