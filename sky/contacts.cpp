// SPDX-License-Identifier: GPL-3.0-or-later
// Conjunctions in longitude and parans of a day.

#include "sky/contacts.h"

#include <algorithm>
#include <cmath>

namespace sky {

std::vector<ChartPoint> chartPoints(const SkyAt& sky) {
    std::vector<ChartPoint> points;
    for (Body body : kBodies)
        points.push_back({bodyName(body), sky.body(body).eclipticLongitudeDeg});
    return points;
}

std::vector<ChartPoint> chartPoints(const SkyAt& sky, const Place& place) {
    std::vector<ChartPoint> points = chartPoints(sky);
    const std::vector<ChartPoint> angles = anglePoints(sky.angles(place));
    points.insert(points.end(), angles.begin(), angles.end());
    return points;
}

std::vector<ChartPoint> anglePoints(const Angles& angles) {
    return {{"Ascendant", angles.ascendantDeg},
            {"Midheaven", angles.midheavenDeg},
            {"Descendant", normalized360(angles.ascendantDeg + 180.0)},
            {"Imum Coeli", normalized360(angles.midheavenDeg + 180.0)}};
}

std::vector<Apparent> starPlaces(const SkyAt& sky) {
    std::vector<Apparent> places;
    places.reserve(stars().size());
    for (const Star& star : stars())
        places.push_back(sky.star(star));
    return places;
}

std::vector<Conjunction> conjunctions(std::span<const Apparent> places,
                                      std::span<const ChartPoint> points, double orbDeg) {
    std::vector<Conjunction> out;
    const auto all = stars();
    for (std::size_t i = 0; i < places.size() && i < all.size(); ++i) {
        for (const ChartPoint& point : points) {
            const double orb =
                std::abs(normalized180(places[i].eclipticLongitudeDeg - point.longitudeDeg));
            if (orb <= orbDeg)
                out.push_back({&all[i], point.name, orb, places[i].eclipticLongitudeDeg});
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const Conjunction& a, const Conjunction& b) {
        return a.orbDeg < b.orbDeg;
    });
    return out;
}

std::vector<Paran> parans(const SkyDay& day, double toleranceMinutes) {
    struct StarEvent {
        double jd;
        const Star* star;
        EventKind kind;
    };
    std::vector<StarEvent> starEvents;
    starEvents.reserve(stars().size() * 4);
    const double latitude = day.place().latitudeDeg;
    for (const Star& star : stars()) {
        const Apparent place = day.starPlace(star);
        const DayEvents events = day.starEvents(place);
        const bool risesAndSets =
            visibility(place.declinationDeg, latitude) == Visibility::RisesAndSets;
        for (EventKind kind : kEventKinds) {
            if (!risesAndSets && kind != EventKind::Culminates)
                continue;
            const Event& e = events[kind];
            if (e.status == EventStatus::Happens)
                starEvents.push_back({e.julianDayUt, &star, kind});
        }
    }
    std::sort(starEvents.begin(), starEvents.end(),
              [](const StarEvent& a, const StarEvent& b) { return a.jd < b.jd; });

    const double tolerance = toleranceMinutes / 1440.0;
    std::vector<Paran> out;
    for (Body body : kBodies) {
        const DayEvents events = day.bodyEvents(body);
        for (EventKind kind : kEventKinds) {
            const Event& e = events[kind];
            if (e.status != EventStatus::Happens)
                continue;
            auto it =
                std::lower_bound(starEvents.begin(), starEvents.end(), e.julianDayUt - tolerance,
                                 [](const StarEvent& s, double jd) { return s.jd < jd; });
            for (; it != starEvents.end() && it->jd <= e.julianDayUt + tolerance; ++it) {
                out.push_back({it->star, it->kind, body, kind, it->jd, e.julianDayUt,
                               std::abs(it->jd - e.julianDayUt) * 1440.0});
            }
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Paran& a, const Paran& b) { return a.starJdUt < b.starJdUt; });
    return out;
}

}  // namespace sky
