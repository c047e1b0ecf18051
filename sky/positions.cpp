// SPDX-License-Identifier: GPL-3.0-or-later
// Apparent places of stars and bodies, sidereal time and the angles, with ERFA.

#include "sky/positions.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>

namespace sky {
namespace {

constexpr std::string_view kBodyNames[] = {"Sun",     "Moon",   "Mercury", "Venus",  "Mars",
                                           "Jupiter", "Saturn", "Uranus",  "Neptune"};
constexpr std::string_view kSignNames[] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                           "Leo",         "Virgo",     "Libra",    "Scorpio",
                                           "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// ERFA's planet numbers for eraPlan94.
int planetNumber(Body body) {
    switch (body) {
    case Body::Mercury:
        return 1;
    case Body::Venus:
        return 2;
    case Body::Mars:
        return 4;
    case Body::Jupiter:
        return 5;
    case Body::Saturn:
        return 6;
    case Body::Uranus:
        return 7;
    case Body::Neptune:
        return 8;
    default:
        return 0;
    }
}

}  // namespace

std::string_view bodyName(Body body) {
    return kBodyNames[static_cast<int>(body)];
}
std::string_view signName(int sign) {
    return kSignNames[((sign % 12) + 12) % 12];
}

double normalized360(double deg) {
    double r = std::fmod(deg, 360.0);
    if (r < 0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

double normalized180(double deg) {
    const double r = normalized360(deg);
    return r > 180.0 ? r - 360.0 : r;
}

SkyAt::SkyAt(Moment moment) : moment_(moment) {
    const double tt1 = ERFA_DJ00;
    const double tt2 = moment.julianDayTt() - ERFA_DJ00;
    eraApci13(tt1, tt2, &astrom_, &equationOfOrigins_);
    double dpsi = 0, deps = 0;
    eraNut06a(tt1, tt2, &dpsi, &deps);
    obliquity_ = eraObl06(tt1, tt2) + deps;
    const double era = eraEra00(ERFA_DJ00, moment.julianDayUt - ERFA_DJ00);
    gast_ = eraAnp(era - equationOfOrigins_) * ERFA_DR2D;
    double earthBary[2][3];
    eraEpv00(tt1, tt2, earthHelio_, earthBary);
}

double SkyAt::trueObliquityDeg() const {
    return obliquity_ * ERFA_DR2D;
}

double SkyAt::equationOfOriginsDeg() const {
    return equationOfOrigins_ * ERFA_DR2D;
}

double SkyAt::localSiderealDeg(double eastLongitudeDeg) const {
    return normalized360(gast_ + eastLongitudeDeg);
}

void SkyAt::toEcliptic(double raDeg, double decDeg, double* longitudeDeg,
                       double* latitudeDeg) const {
    const double a = raDeg * ERFA_DD2R, d = decDeg * ERFA_DD2R;
    const double ce = std::cos(obliquity_), se = std::sin(obliquity_);
    const double x = std::cos(d) * std::cos(a);
    const double y = std::cos(d) * std::sin(a);
    const double z = std::sin(d);
    *longitudeDeg = normalized360(std::atan2(y * ce + z * se, x) * ERFA_DR2D);
    *latitudeDeg = std::asin(std::clamp(z * ce - y * se, -1.0, 1.0)) * ERFA_DR2D;
}

Apparent SkyAt::fromCirs(const double direction[3]) const {
    double ri = 0, di = 0;
    double p[3] = {direction[0], direction[1], direction[2]};
    eraC2s(p, &ri, &di);
    Apparent out;
    // From the celestial intermediate origin to the true equinox of date.
    out.rightAscensionDeg = eraAnp(ri - equationOfOrigins_) * ERFA_DR2D;
    out.declinationDeg = di * ERFA_DR2D;
    toEcliptic(out.rightAscensionDeg, out.declinationDeg, &out.eclipticLongitudeDeg,
               &out.eclipticLatitudeDeg);
    return out;
}

Apparent SkyAt::star(const Star& star) const {
    const double dec = star.declinationDeg * ERFA_DD2R;
    // The catalogue gives the motion in right ascension on the sky (times cos
    // declination); ERFA takes the rate of right ascension itself.
    const double cosDec = std::cos(dec);
    const double pmRa = cosDec > 1e-9 ? star.properMotionRaMas * ERFA_DMAS2R / cosDec : 0.0;
    double ri = 0, di = 0;
    eraAtciq(star.rightAscensionDeg * ERFA_DD2R, dec, pmRa, star.properMotionDecMas * ERFA_DMAS2R,
             star.parallaxMas / 1000.0, star.radialVelocityKmS, &astrom_, &ri, &di);
    double direction[3];
    eraS2c(ri, di, direction);
    return fromCirs(direction);
}

Apparent SkyAt::body(Body body) const {
    const double tt1 = ERFA_DJ00;
    const double tt = moment_.julianDayTt() - ERFA_DJ00;
    double geocentric[3];
    double distance = 0;
    bool aberration = true;
    if (body == Body::Moon) {
        // Geocentric already; with the Earth moving alike, the light-time
        // alone is the Moon's aberration.
        double pv[2][3];
        eraMoon98(tt1, tt, pv);
        distance = eraPm(pv[0]);
        eraMoon98(tt1, tt - distance / ERFA_DC, pv);
        eraCp(pv[0], geocentric);
        aberration = false;
    } else if (body == Body::Sun) {
        eraSxp(-1.0, earthHelio_[0], geocentric);
        distance = eraPm(geocentric);
    } else {
        // Heliocentric planet, seen from the Earth, corrected for light-time.
        double pv[2][3];
        double lightTime = 0;
        for (int i = 0; i < 3; ++i) {
            eraPlan94(tt1, tt - lightTime, planetNumber(body), pv);
            eraPmp(pv[0], earthHelio_[0], geocentric);
            lightTime = eraPm(geocentric) / ERFA_DC;
        }
        distance = eraPm(geocentric);
    }
    double natural[3], deflected[3], proper[3], cirs[3];
    eraPn(geocentric, &distance, natural);
    if (body == Body::Sun || body == Body::Moon) {
        eraCp(natural, deflected);
    } else {
        eraLdsun(natural, astrom_.eh, astrom_.em, deflected);
    }
    if (aberration) {
        eraAb(deflected, astrom_.v, astrom_.em, astrom_.bm1, proper);
    } else {
        eraCp(deflected, proper);
    }
    eraRxp(astrom_.bpn, proper, cirs);
    Apparent out = fromCirs(cirs);
    out.distanceAu = distance;
    return out;
}

Angles SkyAt::angles(const Place& place) const {
    const double ramc = localSiderealDeg(place.eastLongitudeDeg) * ERFA_DD2R;
    const double ce = std::cos(obliquity_), se = std::sin(obliquity_);
    const double phi = place.latitudeDeg * ERFA_DD2R;
    Angles out;
    out.midheavenDeg = normalized360(std::atan2(std::sin(ramc), std::cos(ramc) * ce) * ERFA_DR2D);
    out.ascendantDeg = normalized360(
        std::atan2(std::cos(ramc), -(std::sin(ramc) * ce + std::tan(phi) * se)) * ERFA_DR2D);
    return out;
}

ZodiacPosition zodiacPosition(double longitudeDeg) {
    const double lon = normalized360(longitudeDeg);
    // Whole arcseconds first, so that 29°59'59.9999" does not show as 30°.
    const double totalSeconds = lon * 3600.0;
    long whole = static_cast<long>(std::floor(totalSeconds));
    ZodiacPosition out;
    out.seconds = (whole % 60) + (totalSeconds - static_cast<double>(whole));
    whole /= 60;
    out.minutes = static_cast<int>(whole % 60);
    whole /= 60;
    out.degrees = static_cast<int>(whole % 30);
    out.sign = static_cast<int>(whole / 30) % 12;
    return out;
}

}  // namespace sky
