// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures' data, from the sky engine.

#include "skychart/chart_data.h"

#include <algorithm>

namespace skychart {

namespace {

std::optional<sky::Body> bodyNamed(std::string_view name) {
    for (sky::Body body : sky::kBodies) {
        if (sky::bodyName(body) == name)
            return body;
    }
    return std::nullopt;
}

// A star the catalogue names with a proper name, not with a designation or
// a working label of its compilers ("Miz0", "AA11_page_B73").
bool properlyNamed(const sky::Star& star) {
    return !star.name.empty() && std::all_of(star.name.begin(), star.name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' || c == '-' ||
               c == '\'';
    });
}

QString starName(const sky::Star& star) {
    return QString::fromUtf8(star.name.data(), qsizetype(star.name.size()));
}

}  // namespace

ChartData chartData(const sky::BirthSkyRequest& request, const sky::BirthSky& birthSky) {
    ChartData out;
    for (const sky::BodySky& body : birthSky.bodies)
        out.bodies.push_back({body.body, body.place.eclipticLongitudeDeg});
    out.angles = birthSky.angles;

    const sky::Star* chosen = birthSky.star ? birthSky.star->star : nullptr;
    if (chosen) {
        WheelStar star;
        star.name =
            QString::fromUtf8(request.chosenStar.data(), qsizetype(request.chosenStar.size()));
        star.longitudeDeg = birthSky.star->place.eclipticLongitudeDeg;
        star.chosen = true;
        out.stars.push_back(star);
    }
    for (const sky::Conjunction& c : birthSky.conjunctions) {
        const std::optional<sky::Body> body = bodyNamed(c.with);
        if (!body)
            continue;
        const bool isChosen = c.star == chosen;
        if (!isChosen && !(c.star->hasMagnitude && c.star->magnitude <= kMarkedMagnitude &&
                           properlyNamed(*c.star)))
            continue;
        const QString name = isChosen ? out.stars.front().name : starName(*c.star);
        auto found = std::find_if(out.stars.begin(), out.stars.end(),
                                  [&](const WheelStar& s) { return s.name == name; });
        if (found == out.stars.end()) {
            out.stars.push_back({name, c.starLongitudeDeg, false, {}});
            found = out.stars.end() - 1;
        }
        found->conjunctWith.push_back(*body);
    }

    if (request.dayStartJdUt && request.eastLongitudeDeg) {
        const sky::SkyDay skyDay(*request.dayStartJdUt,
                                 {request.latitudeDeg, *request.eastLongitudeDeg});
        HorizonDay day;
        day.startJdUt = *request.dayStartJdUt;
        day.latitudeDeg = request.latitudeDeg;
        day.birthJdUt = request.julianDayUt;
        if (chosen) {
            const sky::Apparent place = skyDay.starPlace(*chosen);
            day.starName = out.stars.front().name;
            day.starVisibility = sky::visibility(place.declinationDeg, request.latitudeDeg);
            day.starEvents = birthSky.star->day ? *birthSky.star->day : skyDay.starEvents(place);
            day.starPath = sky::starPath(skyDay, place);
            if (birthSky.star->atBirth)
                day.birthAltitude = birthSky.star->atBirth;
        }
        day.sunEvents = skyDay.bodyEvents(sky::Body::Sun);
        day.sunPath = sky::bodyPath(skyDay, sky::Body::Sun);
        out.day = day;
    }
    return out;
}

ChartData chartData(const sky::BirthSkyRequest& request) {
    return chartData(request, sky::birthSky(request));
}

double hoursOfDay(const HorizonDay& day, double julianDayUt) {
    return (julianDayUt - day.startJdUt) * 24.0;
}

}  // namespace skychart
