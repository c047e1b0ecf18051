// SPDX-License-Identifier: GPL-3.0-or-later
// Star phases over a year: heliacal rising and setting, lying hidden,
// curtailed passage.

#include "sky/phases.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "sky/horizon.h"

namespace sky {
namespace {

constexpr double kSiderealRateDegPerDay = 360.0 * 1.00273781191135448;
constexpr std::string_view kPhaseNames[] = {"always visible", "never visible",
                                            "arising and lying hidden", "curtailed passage",
                                            "no magnitude"};

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
    const double lat = place.latitudeDeg;
    switch (visibility(a.declinationDeg, lat)) {
    case Visibility::Circumpolar:
        out.kind = PhaseKind::AlwaysVisible;
        return out;
    case Visibility::NeverRises:
        out.kind = PhaseKind::NeverVisible;
        return out;
    case Visibility::RisesAndSets:
        break;
    }

    // Local midnights in UT, from the longitude.
    const double first = julianDayOf(year, 1, 1) - place.eastLongitudeDeg / 360.0;
    const int nights = static_cast<int>(julianDayOf(year + 1, 1, 1) - julianDayOf(year, 1, 1));

    // The Sun every two days, from a day before the year to two after it.
    std::vector<Apparent> sun;
    for (double t = first - 2; t <= first + nights + 3; t += 2)
        sun.push_back(SkyAt(momentAt(t)).body(Body::Sun));
    auto sunAltitude = [&](double t, double lst) {
        const double u = (t - (first - 2)) / 2.0;
        const int i = std::clamp(static_cast<int>(u), 0, static_cast<int>(sun.size()) - 2);
        const double f = u - i;
        const double ra =
            sun[i].rightAscensionDeg +
            f * normalized180(sun[i + 1].rightAscensionDeg - sun[i].rightAscensionDeg);
        const double dec =
            sun[i].declinationDeg + f * (sun[i + 1].declinationDeg - sun[i].declinationDeg);
        return horizontal(ra, dec, lst, lat).altitudeDeg;
    };
    const double eo = middle.equationOfOriginsDeg();
    auto lstAt = [&](double t) {
        return normalized360(eraEra00(ERFA_DJ00, t - ERFA_DJ00) * ERFA_DR2D - eo +
                             place.eastLongitudeDeg);
    };

    const double cosH0 = (std::sin(kStarHorizonDeg * ERFA_DD2R) -
                          std::sin(lat * ERFA_DD2R) * std::sin(a.declinationDeg * ERFA_DD2R)) /
                         (std::cos(lat * ERFA_DD2R) * std::cos(a.declinationDeg * ERFA_DD2R));
    const double h0 = std::acos(std::clamp(cosH0, -1.0, 1.0)) * ERFA_DR2D;
    const double darkness = -out.arcusVisionisDeg;

    std::vector<bool> hidden(nights), curtailed(nights);
    // The first and last moments of each night at which the star is seen.
    std::vector<double> firstSeen(nights), lastSeen(nights);
    for (int night = 0; night < nights; ++night) {
        const double noon = first + night + 0.5;  // the night of `night` starts at its noon
        const double lstNoon = lstAt(noon);
        auto next = [&](double hourAngle) {
            return noon + normalized360(a.rightAscensionDeg + hourAngle - lstNoon) /
                              kSiderealRateDegPerDay;
        };
        const double rising = next(-h0), setting = next(h0);
        const bool seenRising = sunAltitude(rising, lstAt(rising)) <= darkness;
        const bool seenSetting = sunAltitude(setting, lstAt(setting)) <= darkness;
        double earliest = seenRising ? rising : 1e300;
        double latest = seenSetting ? setting : -1e300;
        if (seenRising && !seenSetting)
            latest = std::max(latest, rising);
        if (seenSetting && !seenRising)
            earliest = std::min(earliest, setting);
        for (int step = 0; step <= 144; ++step) {
            const double t = noon + step / 144.0;
            const double lst = lstAt(t);
            if (horizontal(a.rightAscensionDeg, a.declinationDeg, lst, lat).altitudeDeg >=
                    kStarHorizonDeg &&
                sunAltitude(t, lst) <= darkness) {
                earliest = std::min(earliest, t);
                latest = std::max(latest, t);
            }
        }
        const bool seen = latest >= earliest;
        firstSeen[night] = earliest;
        lastSeen[night] = latest;
        hidden[night] = !seen;
        curtailed[night] = seen && !seenRising && !seenSetting;
    }

    const auto [hiddenFrom, hiddenNights] = longestRun(hidden);
    if (hiddenNights > 0) {
        out.kind = PhaseKind::ArisingAndLyingHidden;
        out.nightsHidden = hiddenNights;
        const int lastNight = (hiddenFrom + nights - 1) % nights;
        const int firstNightAgain = (hiddenFrom + hiddenNights) % nights;
        out.heliacalSettingJdUt = lastSeen[lastNight];
        out.heliacalRisingJdUt = firstSeen[firstNightAgain];
        return out;
    }
    out.kind = PhaseKind::CurtailedPassage;
    const auto [curtailedFrom, curtailedNights] = longestRun(curtailed);
    if (curtailedNights > 0) {
        out.curtailedFromJdUt = first + curtailedFrom + 1;
        out.curtailedToJdUt = first + (curtailedFrom + curtailedNights - 1) % nights + 1;
    }
    return out;
}

}  // namespace sky
