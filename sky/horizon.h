// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "sky/positions.h"

namespace sky {

// The altitude of the centre of an object when it rises or sets, degrees:
// the standard refraction at the horizon, 34', for stars and planets; the
// Sun's upper limb, 50'; the Moon's centre with its parallax and refraction,
// 0.7275 times its horizontal parallax less 34'.
inline constexpr double kStarHorizonDeg = -34.0 / 60.0;
inline constexpr double kSunHorizonDeg = -50.0 / 60.0;
double horizonDeg(Body body, double distanceAu);

// Whether an object of a declination, at a latitude, stays above the horizon
// all day, rises and sets, or stays below it, for the horizon altitude given:
// circumpolar when its lowest altitude, |latitude + declination| - 90, is
// above the horizon; never rising when its highest, 90 - |latitude -
// declination|, is below it.
enum class Visibility { Circumpolar, RisesAndSets, NeverRises };
Visibility visibility(double declinationDeg, double latitudeDeg,
                      double horizonDeg = kStarHorizonDeg);
// "circumpolar", "rises and sets", "never rises".
std::string_view visibilityName(Visibility visibility);

// Altitude and azimuth (from the north through the east) of a place of date
// at a local sidereal time. The altitude is geometric; the apparent one adds
// the refraction of an average atmosphere (Saemundsson's formula).
struct Horizontal {
    double altitudeDeg = 0;
    double apparentAltitudeDeg = 0;
    double azimuthDeg = 0;
};
Horizontal horizontal(double raDeg, double decDeg, double localSiderealDeg, double latitudeDeg);
double refractionDeg(double altitudeDeg);

// Altitude and azimuth at a moment and a place: a star, or a body (the Moon
// seen from the surface, its parallax in the altitude).
Horizontal starHorizontal(const SkyAt& sky, const Star& star, const Place& place);
Horizontal bodyHorizontal(const SkyAt& sky, Body body, const Place& place);

// What an object does on a day: its four crossings of the horizon and the meridian.
enum class EventKind { Rises, Culminates, Sets, AntiCulminates };
inline constexpr std::array<EventKind, 4> kEventKinds{EventKind::Rises, EventKind::Culminates,
                                                      EventKind::Sets, EventKind::AntiCulminates};
// "rises", "culminates", "sets", "anti-culminates".
std::string_view eventName(EventKind kind);

enum class EventStatus {
    Happens,      // at julianDayUt, within the day
    AlwaysAbove,  // no rising or setting: above the horizon all day (circumpolar, midnight sun)
    AlwaysBelow,  // no rising or setting: below the horizon all day (polar night)
    NotThatDay,   // it happens on other days, not within this one (the Moon's culminations,
                  // a rising without a setting near the polar circles)
};

struct Event {
    EventStatus status = EventStatus::NotThatDay;
    double julianDayUt = 0;  // when it happens
    double azimuthDeg = 0;   // where, from the north through the east
    double altitudeDeg = 0;  // geometric altitude then (the horizon altitude at a rising)
};

struct DayEvents {
    Event rises, culminates, sets, antiCulminates;
    const Event& operator[](EventKind kind) const;
};

// One day at one place: the 24 hours from dayStartJdUt (say, local midnight
// in UT). A star's events come in closed form from its place at the middle
// of the day (its place moves by less than a second of time in a day); a
// body's are searched for in its places worked out every three hours and
// interpolated, each found to a tenth of a second. The first event of each
// kind within the day is given. Sidereal time runs with the Earth's rotation
// angle exactly; TT - UT is Delta T of the model unless given.
class SkyDay {
public:
    SkyDay(double dayStartJdUt, Place place);
    SkyDay(double dayStartJdUt, Place place, double ttMinusUtSeconds);

    double startJdUt() const { return start_; }
    const Place& place() const { return place_; }
    // The sky at the middle of the day.
    const SkyAt& middle() const { return samples_[kMiddle]; }
    double ttMinusUtSeconds() const { return middle().moment().ttMinusUtSeconds; }

    Apparent starPlace(const Star& star) const { return middle().star(star); }
    DayEvents starEvents(const Star& star) const;
    DayEvents starEvents(const Apparent& place) const;
    DayEvents bodyEvents(Body body) const;

    // Local apparent sidereal time at a moment of the day, degrees.
    double localSiderealDeg(double julianDayUt) const;
    // A body's interpolated place at a moment of the day (from three hours
    // before the day to three hours after it).
    Apparent bodyPlace(Body body, double julianDayUt) const;

private:
    static constexpr int kSamples = 11;  // every 3 hours, from -3 h to +27 h
    static constexpr int kMiddle = 5;
    static constexpr double kStep = 0.125;

    double start_;
    Place place_;
    std::vector<SkyAt> samples_;
    std::array<std::array<Apparent, kSamples>, 9> bodies_;
};

}  // namespace sky
