// SPDX-License-Identifier: GPL-3.0-or-later
// The sky of a birth, from what is known of it.

#include "sky/birth_sky.h"

namespace sky {

BirthSky birthSky(const BirthSkyRequest& request) {
    BirthSky out;
    const bool hasLongitude = request.eastLongitudeDeg.has_value();
    const Place place{request.latitudeDeg, request.eastLongitudeDeg.value_or(0.0)};

    std::optional<SkyAt> birth;
    if (request.julianDayUt)
        birth.emplace(momentAt(*request.julianDayUt));
    std::optional<SkyDay> day;
    if (request.dayStartJdUt && hasLongitude)
        day.emplace(*request.dayStartJdUt, place);

    if (const Star* star = starForReadingName(request.chosenStar)) {
        ChosenStarSky chosen;
        chosen.star = star;
        chosen.place = birth ? birth->star(*star)
                             : SkyAt(momentAt(julianDayOf(request.year, 7, 2))).star(*star);
        chosen.visibility = visibility(chosen.place.declinationDeg, request.latitudeDeg);
        if (day)
            chosen.day = day->starEvents(*star);
        if (birth && hasLongitude)
            chosen.atBirth = starHorizontal(*birth, *star, place);
        chosen.phase = starPhase(*star, request.year, place);
        out.star = chosen;
    }

    if (birth) {
        for (Body body : kBodies)
            out.bodies.push_back({body, birth->body(body)});
        std::vector<ChartPoint> points;
        for (const BodySky& b : out.bodies)
            points.push_back({bodyName(b.body), b.place.eclipticLongitudeDeg});
        if (hasLongitude) {
            const Angles angles = birth->angles(place);
            out.angles = angles;
            const std::vector<ChartPoint> anglesAsPoints = anglePoints(angles);
            points.insert(points.end(), anglesAsPoints.begin(), anglesAsPoints.end());
        }
        out.conjunctions = conjunctions(starPlaces(*birth), points, request.orbDeg);
    }
    if (day)
        out.parans = parans(*day, request.paranMinutes);
    return out;
}

}  // namespace sky
