// SPDX-License-Identifier: GPL-3.0-or-later
// Star phases over a year: heliacal rising and setting, lying hidden,
// curtailed passage.
//
// Each night, from local noon to local noon, the star is seen at its rising
// if the Sun is then at least the arcus visionis below the horizon, at its
// setting likewise, and at any ten-minute mark of the night at which it is
// above the horizon with the Sun so low. Most of these questions are far
// from close: the star is plainly up or down, the Sun plainly dark or
// light. Those are answered quickly, from the star's hour angle and from a
// low-precision Sun (SunTrack); only the few close ones are put to the
// star's altitude and to ERFA's Sun, so that every answer is the one those
// would give.

#include "sky/phases.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "sky/horizon.h"
#include "sky/sun_track.h"

namespace sky {
namespace {

constexpr double kSiderealRateDegPerDay = 360.0 * 1.00273781191135448;
constexpr std::string_view kPhaseNames[] = {"always visible", "never visible",
                                            "arising and lying hidden", "curtailed passage",
                                            "no magnitude"};

// The marks of a night, ten minutes apart from its noon (mark 0) to the next
// noon (the last mark).
constexpr int kLastMark = 144;

// Within this of the hour angle at which the star crosses the horizon, its
// hour angle (rounded, or from a sidereal time stepped on from noon's) might
// tell otherwise than its altitude; the altitude answers there.
constexpr double kHourAngleMarginDeg = 1e-4;
// The quick Sun's altitude is within SunTrack::kQuickErrorDeg of the one
// ERFA's Sun gives; so where it is more than this from the arcus visionis
// below the horizon, it answers as ERFA's would, and ERFA's answers closer.
constexpr double kSunMarginDeg = 0.05;
static_assert(kSunMarginDeg > SunTrack::kQuickErrorDeg);

double sinDeg(double deg) {
    return std::sin(deg * ERFA_DD2R);
}
double cosDeg(double deg) {
    return std::cos(deg * ERFA_DD2R);
}

// The longest run of true values on a circle: its first index and length.
std::pair<int, int> longestRun(const std::vector<bool>& values) {
    const int n = static_cast<int>(values.size());
    int bestStart = 0, bestLength = 0;
    if (std::all_of(values.begin(), values.end(), [](bool v) { return v; }))
        return {0, n};
    for (int i = 0; i < n; ++i) {
        // A run starts where the value before it is false.
        if (!values[i] || values[(i + n - 1) % n])
            continue;
        int length = 0;
        while (length < n && values[(i + length) % n])
            ++length;
        if (length > bestLength) {
            bestStart = i;
            bestLength = length;
        }
    }
    return {bestStart, bestLength};
}

// A quick answer, unless the question is too close to call that way.
enum class Quick { No, Yes, TooClose };

// What the star does on one night, leaving the marks aside.
struct Night {
    double noon = 0;                 // the night's start, local noon, Julian day UT
    double siderealNoonDeg = 0;      // local sidereal time then
    double rising = 0, setting = 0;  // the star's first rising and setting after noon
    bool seenRising = false, seenSetting = false;
    // The first and last moments at which it is seen, counting only the
    // rising and the setting: first the rising, or failing it the setting;
    // last the setting, or failing it the rising. Neither seen, earliest is
    // 1e300 and latest -1e300.
    double earliest = 1e300, latest = -1e300;
};

// The star and the Sun over a year at a place, and what the phase asks of
// them. The star's place is fixed (that of the middle of the year).
class StarYear {
public:
    StarYear(const Apparent& star, double equationOfOriginsDeg, double arcusVisionisDeg, int year,
             const Place& place)
        : star_(star),
          equationOfOriginsDeg_(equationOfOriginsDeg),
          darkness_(-arcusVisionisDeg),
          place_(place),
          // Local midnights in UT, from the longitude.
          first_(julianDayOf(year, 1, 1) - place.eastLongitudeDeg / 360.0),
          nights_(static_cast<int>(julianDayOf(year + 1, 1, 1) - julianDayOf(year, 1, 1))),
          // The Sun every two days, from a day before the year to two after it.
          sun_(first_ - 2, first_ + nights_ + 3),
          sinLatitude_(sinDeg(place.latitudeDeg)),
          cosLatitude_(cosDeg(place.latitudeDeg)),
          sinDarkest_(sinDeg(darkness_ - kSunMarginDeg)),
          sinLightest_(sinDeg(darkness_ + kSunMarginDeg)) {
        const double lat = place.latitudeDeg * ERFA_DD2R;
        const double dec = star.declinationDeg * ERFA_DD2R;
        const double cosH0 =
            (std::sin(kStarHorizonDeg * ERFA_DD2R) - std::sin(lat) * std::sin(dec)) /
            (std::cos(lat) * std::cos(dec));
        horizonHourAngleDeg_ = std::acos(std::clamp(cosH0, -1.0, 1.0)) * ERFA_DR2D;
    }

    int nights() const { return nights_; }

    Night night(int index) const {
        Night out;
        out.noon = first_ + index + 0.5;
        out.siderealNoonDeg = siderealDeg(out.noon);
        auto next = [&](double hourAngle) {
            return out.noon +
                   normalized360(star_.rightAscensionDeg + hourAngle - out.siderealNoonDeg) /
                       kSiderealRateDegPerDay;
        };
        out.rising = next(-horizonHourAngleDeg_);
        out.setting = next(horizonHourAngleDeg_);
        out.seenRising = sunDark(out.rising, siderealDeg(out.rising));
        out.seenSetting = sunDark(out.setting, siderealDeg(out.setting));
        if (out.seenRising)
            out.earliest = out.rising;
        else if (out.seenSetting)
            out.earliest = out.setting;
        if (out.seenSetting)
            out.latest = out.setting;
        else if (out.seenRising)
            out.latest = out.rising;
        return out;
    }

    // Whether the star is seen that night: when its last moment seen is not
    // before its first, the marks at which it is seen counted in. The marks
    // can only bring the first earlier and the last later; so they matter
    // only where the rising and the setting alone leave the night unseen,
    // and then any one of them at which the star is seen makes it seen.
    bool seen(const Night& night) const {
        return night.latest >= night.earliest || seenAtAMark(night);
    }

    // The first and the last moments seen on a night, marks counted in.
    double firstSeen(const Night& night) const {
        for (int mark = 0; mark <= kLastMark; ++mark) {
            const double t = markTime(night, mark);
            if (t >= night.earliest)
                break;
            if (seenAt(t))
                return t;
        }
        return night.earliest;
    }
    double lastSeen(const Night& night) const {
        for (int mark = kLastMark; mark >= 0; --mark) {
            const double t = markTime(night, mark);
            if (t <= night.latest)
                break;
            if (seenAt(t))
                return t;
        }
        return night.latest;
    }

private:
    static double markTime(const Night& night, int mark) {
        return night.noon + mark / static_cast<double>(kLastMark);
    }

    // Local apparent sidereal time, degrees: the Earth's rotation angle with
    // the equation of the origins of the middle of the year.
    double siderealDeg(double t) const {
        return normalized360(eraEra00(ERFA_DJ00, t - ERFA_DJ00) * ERFA_DR2D -
                             equationOfOriginsDeg_ + place_.eastLongitudeDeg);
    }

    // Whether the star is above the horizon, and whether the Sun is low
    // enough, at a moment with its local sidereal time: each answered
    // quickly where it can be, else by the altitude itself.
    Quick quickStarUp(double siderealDeg) const {
        const double fromHorizon =
            std::abs(normalized180(siderealDeg - star_.rightAscensionDeg)) - horizonHourAngleDeg_;
        if (fromHorizon < -kHourAngleMarginDeg)
            return Quick::Yes;
        if (fromHorizon > kHourAngleMarginDeg)
            return Quick::No;
        return Quick::TooClose;
    }
    bool starUp(double siderealDeg) const {
        switch (quickStarUp(siderealDeg)) {
        case Quick::Yes:
            return true;
        case Quick::No:
            return false;
        case Quick::TooClose:
            break;
        }
        return horizontal(star_.rightAscensionDeg, star_.declinationDeg, siderealDeg,
                          place_.latitudeDeg)
                   .altitudeDeg >= kStarHorizonDeg;
    }
    Quick quickSunDark(double t, double siderealDeg) const {
        const SunPlace sun = sun_.quickPlace(t);
        const double sinAltitude =
            sinLatitude_ * sinDeg(sun.declinationDeg) +
            cosLatitude_ * cosDeg(sun.declinationDeg) * cosDeg(siderealDeg - sun.rightAscensionDeg);
        if (sinAltitude < sinDarkest_)
            return Quick::Yes;
        if (sinAltitude > sinLightest_)
            return Quick::No;
        return Quick::TooClose;
    }
    bool sunDark(double t, double siderealDeg) const {
        switch (quickSunDark(t, siderealDeg)) {
        case Quick::Yes:
            return true;
        case Quick::No:
            return false;
        case Quick::TooClose:
            break;
        }
        const SunPlace sun = sun_.place(t);
        return horizontal(sun.rightAscensionDeg, sun.declinationDeg, siderealDeg,
                          place_.latitudeDeg)
                   .altitudeDeg <= darkness_;
    }

    bool seenAt(double t) const {
        const double lst = siderealDeg(t);
        return starUp(lst) && sunDark(t, lst);
    }

    // Whether the star is seen at any mark of the night. The quick answers
    // go first, the sidereal time stepped on from noon's; the marks they
    // leave too close to call are looked at again only if no mark is plainly
    // one at which it is seen.
    bool seenAtAMark(const Night& night) const {
        std::vector<int> close;
        for (int mark = 0; mark <= kLastMark; ++mark) {
            const double t = markTime(night, mark);
            const double lst = night.siderealNoonDeg + kSiderealRateDegPerDay * (t - night.noon);
            const Quick up = quickStarUp(lst);
            if (up == Quick::No)
                continue;
            const Quick dark = quickSunDark(t, lst);
            if (up == Quick::Yes && dark == Quick::Yes)
                return true;
            if (dark != Quick::No)
                close.push_back(mark);
        }
        return std::any_of(close.begin(), close.end(),
                           [&](int mark) { return seenAt(markTime(night, mark)); });
    }

    Apparent star_;
    double equationOfOriginsDeg_;
    double darkness_;  // the Sun's altitude at which the star can be seen, degrees
    Place place_;
    double first_;
    int nights_;
    SunTrack sun_;
    double sinLatitude_, cosLatitude_;
    // The sines of the altitudes within which the quick Sun is too close to call.
    double sinDarkest_, sinLightest_;
    double horizonHourAngleDeg_ = 0;
};

}  // namespace

double arcusVisionisDeg(double magnitude) {
    return std::max(7.5, 10.0 + magnitude);
}

std::string_view phaseName(PhaseKind kind) {
    return kPhaseNames[static_cast<int>(kind)];
}

StarPhase starPhase(const Star& star, int year, const Place& place) {
    StarPhase out;
    if (!star.hasMagnitude)
        return out;
    out.arcusVisionisDeg = arcusVisionisDeg(star.magnitude);

    const SkyAt middle(momentAt(julianDayOf(year, 7, 2)));
    const Apparent a = middle.star(star);
    switch (visibility(a.declinationDeg, place.latitudeDeg)) {
    case Visibility::Circumpolar:
        out.kind = PhaseKind::AlwaysVisible;
        return out;
    case Visibility::NeverRises:
        out.kind = PhaseKind::NeverVisible;
        return out;
    case Visibility::RisesAndSets:
        break;
    }

    const StarYear sky(a, middle.equationOfOriginsDeg(), out.arcusVisionisDeg, year, place);
    const int nights = sky.nights();
    std::vector<bool> hidden(nights), curtailed(nights);
    for (int i = 0; i < nights; ++i) {
        const Night night = sky.night(i);
        const bool seen = sky.seen(night);
        hidden[i] = !seen;
        curtailed[i] = seen && !night.seenRising && !night.seenSetting;
    }

    const auto [hiddenFrom, hiddenNights] = longestRun(hidden);
    if (hiddenNights > 0) {
        out.kind = PhaseKind::ArisingAndLyingHidden;
        out.nightsHidden = hiddenNights;
        const int lastNight = (hiddenFrom + nights - 1) % nights;
        const int firstNightAgain = (hiddenFrom + hiddenNights) % nights;
        out.heliacalSettingJdUt = sky.lastSeen(sky.night(lastNight));
        out.heliacalRisingJdUt = sky.firstSeen(sky.night(firstNightAgain));
        return out;
    }
    out.kind = PhaseKind::CurtailedPassage;
    const auto [curtailedFrom, curtailedNights] = longestRun(curtailed);
    if (curtailedNights > 0) {
        const double first = julianDayOf(year, 1, 1) - place.eastLongitudeDeg / 360.0;
        out.curtailedFromJdUt = first + curtailedFrom + 1;
        out.curtailedToJdUt = first + (curtailedFrom + curtailedNights - 1) % nights + 1;
    }
    return out;
}

}  // namespace sky
