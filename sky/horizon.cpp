// SPDX-License-Identifier: GPL-3.0-or-later
// The horizon: visibility at a latitude, altitude and azimuth, and the
// risings, culminations and settings of a day.

#include "sky/horizon.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>

namespace sky {
namespace {

constexpr double kEarthRadiusKm = 6378.137;
// The Earth's rotation angle advances 360 * 1.00273781191135448 degrees a UT1 day.
constexpr double kSiderealRateDegPerDay = 360.0 * 1.00273781191135448;

constexpr std::string_view kEventNames[] = {"rises", "culminates", "sets", "anti-culminates"};
constexpr std::string_view kVisibilityNames[] = {"circumpolar", "rises and sets", "never rises"};

double sinDeg(double deg) {
    return std::sin(deg * ERFA_DD2R);
}
double cosDeg(double deg) {
    return std::cos(deg * ERFA_DD2R);
}

// Finds, by halving, the moment within [a, b] where f changes sign.
template <typename F>
double bisect(F f, double a, double b, double fa) {
    for (int i = 0; i < 20; ++i) {
        const double m = 0.5 * (a + b);
        const double fm = f(m);
        if ((fm > 0) == (fa > 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}

}  // namespace

double horizonDeg(Body body, double distanceAu) {
    switch (body) {
    case Body::Sun:
        return kSunHorizonDeg;
    case Body::Moon: {
        const double parallax =
            std::asin(kEarthRadiusKm / (distanceAu * ERFA_DAU / 1000.0)) * ERFA_DR2D;
        return 0.7275 * parallax + kStarHorizonDeg;
    }
    default:
        return kStarHorizonDeg;
    }
}

Visibility visibility(double declinationDeg, double latitudeDeg, double horizon) {
    const double lowest = std::abs(latitudeDeg + declinationDeg) - 90.0;
    const double highest = 90.0 - std::abs(latitudeDeg - declinationDeg);
    if (lowest > horizon)
        return Visibility::Circumpolar;
    if (highest < horizon)
        return Visibility::NeverRises;
    return Visibility::RisesAndSets;
}

std::string_view visibilityName(Visibility visibility) {
    return kVisibilityNames[static_cast<int>(visibility)];
}

std::string_view eventName(EventKind kind) {
    return kEventNames[static_cast<int>(kind)];
}

const Event& DayEvents::operator[](EventKind kind) const {
    switch (kind) {
    case EventKind::Rises:
        return rises;
    case EventKind::Culminates:
        return culminates;
    case EventKind::Sets:
        return sets;
    case EventKind::AntiCulminates:
        break;
    }
    return antiCulminates;
}

double refractionDeg(double altitudeDeg) {
    if (altitudeDeg < -1.0)
        return 0.0;
    const double arcmin = 1.02 / std::tan((altitudeDeg + 10.3 / (altitudeDeg + 5.11)) * ERFA_DD2R);
    return std::max(arcmin, 0.0) / 60.0;
}

Horizontal horizontal(double raDeg, double decDeg, double localSiderealDeg, double latitudeDeg) {
    const double h = localSiderealDeg - raDeg;
    const double sinAlt =
        sinDeg(latitudeDeg) * sinDeg(decDeg) + cosDeg(latitudeDeg) * cosDeg(decDeg) * cosDeg(h);
    Horizontal out;
    out.altitudeDeg = std::asin(std::clamp(sinAlt, -1.0, 1.0)) * ERFA_DR2D;
    out.azimuthDeg =
        normalized360(std::atan2(-cosDeg(decDeg) * sinDeg(h),
                                 sinDeg(decDeg) * cosDeg(latitudeDeg) -
                                     cosDeg(decDeg) * sinDeg(latitudeDeg) * cosDeg(h)) *
                      ERFA_DR2D);
    out.apparentAltitudeDeg = out.altitudeDeg + refractionDeg(out.altitudeDeg);
    return out;
}

Horizontal starHorizontal(const SkyAt& sky, const Star& star, const Place& place) {
    const Apparent a = sky.star(star);
    return horizontal(a.rightAscensionDeg, a.declinationDeg,
                      sky.localSiderealDeg(place.eastLongitudeDeg), place.latitudeDeg);
}

Horizontal bodyHorizontal(const SkyAt& sky, Body body, const Place& place) {
    const Apparent a = sky.body(body);
    Horizontal out = horizontal(a.rightAscensionDeg, a.declinationDeg,
                                sky.localSiderealDeg(place.eastLongitudeDeg), place.latitudeDeg);
    if (body == Body::Moon) {
        const double parallax = std::asin(kEarthRadiusKm / (a.distanceAu * ERFA_DAU / 1000.0));
        out.altitudeDeg -= parallax * ERFA_DR2D * cosDeg(out.altitudeDeg);
        out.apparentAltitudeDeg = out.altitudeDeg + refractionDeg(out.altitudeDeg);
    }
    return out;
}

SkyDay::SkyDay(double dayStartJdUt, Place place)
    : SkyDay(dayStartJdUt, place, deltaTSeconds(decimalYear(dayStartJdUt + 0.5))) {}

SkyDay::SkyDay(double dayStartJdUt, Place place, double ttMinusUtSeconds)
    : start_(dayStartJdUt), place_(place) {
    samples_.reserve(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        samples_.emplace_back(Moment{start_ + (i - 1) * kStep, ttMinusUtSeconds});
        for (Body body : kBodies)
            bodies_[static_cast<int>(body)][i] = samples_.back().body(body);
    }
}

double SkyDay::localSiderealDeg(double julianDayUt) const {
    const double era = eraEra00(ERFA_DJ00, julianDayUt - ERFA_DJ00) * ERFA_DR2D;
    return normalized360(era - middle().equationOfOriginsDeg() + place_.eastLongitudeDeg);
}

Apparent SkyDay::bodyPlace(Body body, double julianDayUt) const {
    const auto& places = bodies_[static_cast<int>(body)];
    const double u = (julianDayUt - (start_ - kStep)) / kStep;
    const int first = std::clamp(static_cast<int>(std::floor(u)) - 1, 0, kSamples - 4);
    // Lagrange's four-point interpolation, right ascension unwrapped from the first.
    double ra = 0, dec = 0, distance = 0;
    for (int j = 0; j < 4; ++j) {
        double weight = 1.0;
        for (int k = 0; k < 4; ++k) {
            if (k != j)
                weight *= (u - (first + k)) / double(j - k);
        }
        const Apparent& p = places[first + j];
        ra += weight * (places[first].rightAscensionDeg +
                        normalized180(p.rightAscensionDeg - places[first].rightAscensionDeg));
        dec += weight * p.declinationDeg;
        distance += weight * p.distanceAu;
    }
    Apparent out;
    out.rightAscensionDeg = normalized360(ra);
    out.declinationDeg = dec;
    out.distanceAu = distance;
    middle().toEcliptic(out.rightAscensionDeg, out.declinationDeg, &out.eclipticLongitudeDeg,
                        &out.eclipticLatitudeDeg);
    return out;
}

DayEvents SkyDay::starEvents(const Star& star) const {
    return starEvents(starPlace(star));
}

DayEvents SkyDay::starEvents(const Apparent& place) const {
    const double ra = place.rightAscensionDeg, dec = place.declinationDeg;
    const double lst0 = localSiderealDeg(start_);
    // The first moment of the day at which the hour angle is `hourAngle`.
    auto at = [&](double hourAngle, double altitude) {
        Event e;
        e.status = EventStatus::Happens;
        e.julianDayUt = start_ + normalized360(ra + hourAngle - lst0) / kSiderealRateDegPerDay;
        const Horizontal h =
            horizontal(ra, dec, localSiderealDeg(e.julianDayUt), place_.latitudeDeg);
        e.azimuthDeg = h.azimuthDeg;
        e.altitudeDeg = std::isnan(altitude) ? h.altitudeDeg : altitude;
        return e;
    };
    DayEvents out;
    out.culminates = at(0.0, NAN);
    out.antiCulminates = at(180.0, NAN);
    const Visibility v = visibility(dec, place_.latitudeDeg, kStarHorizonDeg);
    const double denominator = cosDeg(place_.latitudeDeg) * cosDeg(dec);
    if (v == Visibility::RisesAndSets && std::abs(denominator) > 1e-12) {
        const double cosH0 =
            (sinDeg(kStarHorizonDeg) - sinDeg(place_.latitudeDeg) * sinDeg(dec)) / denominator;
        const double h0 = std::acos(std::clamp(cosH0, -1.0, 1.0)) * ERFA_DR2D;
        out.rises = at(-h0, kStarHorizonDeg);
        out.sets = at(h0, kStarHorizonDeg);
    } else {
        const EventStatus none = v == Visibility::NeverRises || (v == Visibility::RisesAndSets &&
                                                                 dec * place_.latitudeDeg < 0)
                                     ? EventStatus::AlwaysBelow
                                     : EventStatus::AlwaysAbove;
        out.rises.status = out.sets.status = none;
    }
    return out;
}

DayEvents SkyDay::bodyEvents(Body body) const {
    constexpr int kSteps = 288;  // five minutes
    const double lat = place_.latitudeDeg;
    auto aboveHorizon = [&](double t) {
        const Apparent p = bodyPlace(body, t);
        return horizontal(p.rightAscensionDeg, p.declinationDeg, localSiderealDeg(t), lat)
                   .altitudeDeg -
               horizonDeg(body, p.distanceAu);
    };
    auto sinHourAngle = [&](double t) {
        return sinDeg(localSiderealDeg(t) - bodyPlace(body, t).rightAscensionDeg);
    };
    auto event = [&](double t) {
        Event e;
        e.status = EventStatus::Happens;
        e.julianDayUt = t;
        const Apparent p = bodyPlace(body, t);
        const Horizontal h =
            horizontal(p.rightAscensionDeg, p.declinationDeg, localSiderealDeg(t), lat);
        e.azimuthDeg = h.azimuthDeg;
        e.altitudeDeg = h.altitudeDeg;
        return e;
    };

    DayEvents out;
    bool anyAbove = false, anyBelow = false;
    double t0 = start_;
    double f0 = aboveHorizon(t0);
    double g0 = sinHourAngle(t0);
    (f0 > 0 ? anyAbove : anyBelow) = true;
    for (int k = 1; k <= kSteps; ++k) {
        const double t1 = start_ + double(k) / kSteps;
        const double f1 = aboveHorizon(t1);
        const double g1 = sinHourAngle(t1);
        (f1 > 0 ? anyAbove : anyBelow) = true;
        if (f0 <= 0 && f1 > 0 && out.rises.status != EventStatus::Happens)
            out.rises = event(bisect(aboveHorizon, t0, t1, f0));
        if (f0 > 0 && f1 <= 0 && out.sets.status != EventStatus::Happens)
            out.sets = event(bisect(aboveHorizon, t0, t1, f0));
        if (g0 < 0 && g1 >= 0 && out.culminates.status != EventStatus::Happens) {
            const double t = bisect(sinHourAngle, t0, t1, g0);
            if (cosDeg(localSiderealDeg(t) - bodyPlace(body, t).rightAscensionDeg) > 0)
                out.culminates = event(t);
        }
        if (g0 > 0 && g1 <= 0 && out.antiCulminates.status != EventStatus::Happens) {
            const double t = bisect(sinHourAngle, t0, t1, g0);
            if (cosDeg(localSiderealDeg(t) - bodyPlace(body, t).rightAscensionDeg) < 0)
                out.antiCulminates = event(t);
        }
        t0 = t1;
        f0 = f1;
        g0 = g1;
    }
    const EventStatus none = anyAbove && !anyBelow   ? EventStatus::AlwaysAbove
                             : anyBelow && !anyAbove ? EventStatus::AlwaysBelow
                                                     : EventStatus::NotThatDay;
    if (out.rises.status != EventStatus::Happens)
        out.rises.status = none;
    if (out.sets.status != EventStatus::Happens)
        out.sets.status = none;
    return out;
}

}  // namespace sky
