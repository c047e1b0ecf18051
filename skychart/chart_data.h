// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two pictures of a birth's sky show, gathered once from the sky
// engine: the wheel's bodies, angles and stars, and the day's paths over the
// birthplace.

#include <QString>

#include <optional>
#include <vector>

#include "sky/birth_sky.h"
#include "sky/day_path.h"

namespace skychart {

struct WheelBody {
    sky::Body body = sky::Body::Sun;
    double longitudeDeg = 0;
};

// A star marked outside the wheel: the reading's star, and stars in
// conjunction with a body.
struct WheelStar {
    QString name;
    double longitudeDeg = 0;
    bool chosen = false;
    std::vector<sky::Body> conjunctWith;  // the bodies it is within the orb of
};

// The birth day over the birthplace.
struct HorizonDay {
    double startJdUt = 0;  // local midnight, UT: the day's times are counted from it
    double latitudeDeg = 0;
    std::optional<double> birthJdUt;
    // The reading's star, when the catalogue has it.
    QString starName;
    std::optional<sky::Visibility> starVisibility;
    std::optional<sky::DayEvents> starEvents;
    std::vector<sky::PathPoint> starPath;
    std::optional<sky::Horizontal> birthAltitude;  // the star's, at the moment of birth
    std::optional<sky::DayEvents> sunEvents;
    std::vector<sky::PathPoint> sunPath;
};

struct ChartData {
    std::vector<WheelBody> bodies;  // with the time of birth
    std::optional<sky::Angles> angles;
    std::vector<WheelStar> stars;   // the reading's star first
    std::optional<HorizonDay> day;  // with the birthplace and the day
};

// Stars in conjunction with a body are marked when they are at least this
// bright, and have a proper name: the catalogue's faint stars would crowd
// the wheel.
inline constexpr double kMarkedMagnitude = 2.5;

// The pictures' data for a request and the sky the engine worked out for it.
ChartData chartData(const sky::BirthSkyRequest& request, const sky::BirthSky& birthSky);
// The same, the sky worked out here.
ChartData chartData(const sky::BirthSkyRequest& request);

// Hours from the day's start, local midnight, of a moment of the day.
double hoursOfDay(const HorizonDay& day, double julianDayUt);

}  // namespace skychart
