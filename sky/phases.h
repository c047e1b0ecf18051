// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "sky/catalogue.h"
#include "sky/positions.h"

namespace sky {

// The visibility model: a star is seen when it stands above the horizon
// (-34') while the Sun is lower than the star's arcus visionis below it. The
// arcus visionis grows linearly with the star's magnitude: 10° + 1° per
// magnitude, not under 7.5° (about 11° for a first-magnitude star, 8.5° for
// Sirius, 14° for a fourth-magnitude one), the scale of the historical
// heliacal tables. This linear arcus visionis takes no account of the
// atmosphere's extinction on the day or of the observer's eyes, so a date
// is good to a few days.
double arcusVisionisDeg(double magnitude);

// A star's phase for a year at a latitude, in Brady's terms.
enum class PhaseKind {
    AlwaysVisible,          // circumpolar: seen on every night
    NeverVisible,           // never rises
    ArisingAndLyingHidden,  // lost in the Sun's light for part of the year: it lies hidden
                            // between its heliacal setting and its heliacal rising
    CurtailedPassage,       // it rises and sets but is seen on every night of the year;
                            // for a time it is above the horizon at dusk and at dawn, rising
                            // and setting by day, and seen only on its passage
    NoMagnitude,            // an object without a magnitude: no phase can be worked out
};
// "always visible", "never visible", "arising and lying hidden", "curtailed
// passage", "no magnitude".
std::string_view phaseName(PhaseKind kind);

struct StarPhase {
    PhaseKind kind = PhaseKind::NoMagnitude;
    double arcusVisionisDeg = 0;
    // Arising and lying hidden: the last moment it is seen, in the evening,
    // before the nights it lies hidden (heliacal setting) and the first, in
    // the morning, after them (heliacal rising), Julian days UT, and the
    // number of nights it lies hidden between them. These are its setting and
    // its rising, but for stars so near to circumpolar that they are last
    // seen low over the horizon elsewhere (to ten minutes then).
    double heliacalSettingJdUt = 0;
    double heliacalRisingJdUt = 0;
    int nightsHidden = 0;
    // Curtailed passage: the first and last nights (Julian day UT of local
    // midnight) on which it is seen but neither rising nor setting; 0 when
    // there are none.
    double curtailedFromJdUt = 0;
    double curtailedToJdUt = 0;
};

// The phase of a star over a calendar year at a place (the longitude only
// places the nights in UT). Each night runs from local noon to local noon;
// the star's place is that of the middle of the year, the Sun's worked out
// every two days and interpolated.
StarPhase starPhase(const Star& star, int year, const Place& place);

}  // namespace sky
