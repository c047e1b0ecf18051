// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <erfa.h>

#include <array>
#include <string_view>

#include "sky/catalogue.h"
#include "sky/time_scale.h"

namespace sky {

// A place on the Earth, in degrees: north and east positive.
struct Place {
    double latitudeDeg = 0;
    double eastLongitudeDeg = 0;
};

// The bodies of the sky: the Sun, the Moon, and Mercury to Neptune.
enum class Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune };
inline constexpr std::array<Body, 9> kBodies{Body::Sun,    Body::Moon,   Body::Mercury,
                                             Body::Venus,  Body::Mars,   Body::Jupiter,
                                             Body::Saturn, Body::Uranus, Body::Neptune};
// The English name of a body: "Sun", "Moon", "Mercury"...
std::string_view bodyName(Body body);

// An apparent geocentric place of date: right ascension and declination on
// the true equator and equinox of date, and tropical ecliptic longitude and
// latitude on the true ecliptic and equinox of date, in degrees. Light-time,
// aberration, light deflection by the Sun (stars), precession and nutation
// (IAU 2006/2000A) are in it; the observer is at the centre of the Earth.
struct Apparent {
    double rightAscensionDeg = 0;
    double declinationDeg = 0;
    double eclipticLongitudeDeg = 0;
    double eclipticLatitudeDeg = 0;
    double distanceAu = 0;  // bodies only: the geometric distance; 0 for stars
};

// The Ascendant and the Midheaven, tropical ecliptic longitudes in degrees.
// The Ascendant is the ecliptic's intersection with the eastern horizon;
// within the polar circles the formula's point is given as it is.
struct Angles {
    double ascendantDeg = 0;
    double midheavenDeg = 0;
};

// The sky at one moment: ERFA's star-independent quantities worked out once
// (Earth's position and velocity, precession-nutation, the equation of the
// origins, the obliquity, sidereal time), then any number of places.
//
// Accuracy (checked by the tests): star places as ERFA's own eraAtci13 (the
// IAU's SOFA algorithms, milliarcseconds) and within an arcsecond of
// published apparent places; the Sun within about 1" and the Moon within
// about 10" (ERFA's truncated ELP series eraMoon98); the planets by ERFA's
// analytic theory eraPlan94, whose errors from 1800 to 2050 stay under about
// 20" for Mercury to Mars and under about 1.5' for Jupiter to Neptune.
// Delta T, where it is the model's, adds its own error (see time_scale.h).
class SkyAt {
public:
    explicit SkyAt(Moment moment);

    const Moment& moment() const { return moment_; }

    Apparent star(const Star& star) const;
    Apparent body(Body body) const;

    // Greenwich apparent sidereal time, and local apparent sidereal time at an
    // east longitude, in degrees [0, 360).
    double greenwichSiderealDeg() const { return gast_; }
    double localSiderealDeg(double eastLongitudeDeg) const;
    // The true obliquity of the ecliptic of date, degrees.
    double trueObliquityDeg() const;
    // The equation of the origins (the equinox's right ascension from the
    // celestial intermediate origin), degrees.
    double equationOfOriginsDeg() const;

    Angles angles(const Place& place) const;

    // A right ascension and declination of date to tropical ecliptic
    // longitude and latitude of date, degrees.
    void toEcliptic(double raDeg, double decDeg, double* longitudeDeg, double* latitudeDeg) const;

private:
    Apparent fromCirs(const double direction[3]) const;

    Moment moment_;
    // ERFA takes it by a pointer to non-const but only reads it.
    mutable eraASTROM astrom_{};
    double equationOfOrigins_ = 0;       // radians
    double obliquity_ = 0;               // radians
    double gast_ = 0;                    // degrees
    mutable double earthHelio_[2][3]{};  // au, au/day, ICRS axes
};

// A longitude in the zodiac: sign (0 Aries ... 11 Pisces), whole degrees,
// whole minutes and seconds within the sign.
struct ZodiacPosition {
    int sign = 0;
    int degrees = 0;
    int minutes = 0;
    double seconds = 0;
};
ZodiacPosition zodiacPosition(double longitudeDeg);
// The English name of a sign: "Aries" ... "Pisces".
std::string_view signName(int sign);

// An angle brought into [0, 360) and into (-180, 180].
double normalized360(double deg);
double normalized180(double deg);

}  // namespace sky
