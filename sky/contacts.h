// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "sky/catalogue.h"
#include "sky/horizon.h"
#include "sky/positions.h"

namespace sky {

// A point of the chart in tropical longitude: a body or an angle.
struct ChartPoint {
    std::string_view
        name;  // "Sun" ... "Neptune", "Ascendant", "Midheaven", "Descendant", "Imum Coeli"
    double longitudeDeg = 0;
};

// The bodies at a moment, and with a place the four angles too.
std::vector<ChartPoint> chartPoints(const SkyAt& sky);
std::vector<ChartPoint> chartPoints(const SkyAt& sky, const Place& place);
// The four angles as points: Ascendant, Midheaven, Descendant, Imum Coeli.
std::vector<ChartPoint> anglePoints(const Angles& angles);

// The apparent places of every catalogue star at a moment, in the order of stars().
std::vector<Apparent> starPlaces(const SkyAt& sky);

// A catalogue star within the orb of a chart point in ecliptic longitude.
struct Conjunction {
    const Star* star = nullptr;
    std::string_view with;  // the chart point's name
    double orbDeg = 0;      // the distance in longitude, degrees, not negative
    double starLongitudeDeg = 0;
};

// Every star (places as starPlaces() gives them) within `orbDeg` of a point,
// closest first.
std::vector<Conjunction> conjunctions(std::span<const Apparent> places,
                                      std::span<const ChartPoint> points, double orbDeg = 1.0);

// A paran: a star and a body on the angles (rising, culminating, setting or
// anti-culminating) at moments of the same day within the tolerance.
struct Paran {
    const Star* star = nullptr;
    EventKind starEvent = EventKind::Rises;
    Body with = Body::Sun;
    EventKind withEvent = EventKind::Rises;
    double starJdUt = 0;  // the moment of the star's event
    double withJdUt = 0;  // the moment of the body's
    double minutesApart = 0;
};

// The parans of a day at its place, in the order of the star's moments.
// Stars that never rise or set at the latitude take part by culminating only.
std::vector<Paran> parans(const SkyDay& day, double toleranceMinutes = 4.0);

}  // namespace sky
