// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "sky/catalogue.h"
#include "sky/contacts.h"
#include "sky/horizon.h"
#include "sky/phases.h"
#include "sky/positions.h"

namespace sky {

// What is known of a birth. The year and the latitude always; the rest when
// the details give it.
struct BirthSkyRequest {
    int year = 2000;
    double latitudeDeg = 0;
    std::optional<double> eastLongitudeDeg;  // the birthplace's longitude
    std::optional<double> julianDayUt;       // the moment of birth, UT
    std::optional<double> dayStartJdUt;      // local midnight of the birth day, UT
    std::string_view chosenStar;             // the reading's star, as its tables spell it
    double orbDeg = 1.0;                     // conjunctions
    double paranMinutes = 4.0;               // parans
};

// The reading's star in the real sky.
struct ChosenStarSky {
    const Star* star = nullptr;
    // Its apparent place at the moment of birth, or without a time at the
    // middle of the birth year.
    Apparent place;
    Visibility visibility = Visibility::RisesAndSets;  // at the latitude, that year
    std::optional<DayEvents> day;                      // the birth day at the birthplace
    std::optional<Horizontal> atBirth;                 // the moment of birth at the birthplace
    StarPhase phase;                                   // the birth year at the latitude
};

struct BodySky {
    Body body = Body::Sun;
    Apparent place;
};

// The sky of a birth: whatever the request allows. Without a time there are
// no bodies, angles or conjunctions; without the birthplace's longitude or
// the day, no day's events and no parans.
struct BirthSky {
    std::optional<ChosenStarSky> star;      // absent when the name has no catalogue entry
    std::vector<BodySky> bodies;            // with a time
    std::optional<Angles> angles;           // with a time and a longitude
    std::vector<Conjunction> conjunctions;  // with a time: bodies, and angles with a longitude
    std::vector<Paran> parans;              // with the day and a longitude
};

BirthSky birthSky(const BirthSkyRequest& request);

}  // namespace sky
