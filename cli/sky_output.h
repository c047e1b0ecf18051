// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moment of birth and the sky of the birth as the reading's JSON gives
// them: under stable English keys and values, whatever the language. What
// the sky engine could not work out without the time or the place is left
// out, not given as null.

#include <QJsonObject>
#include <QString>

#include "birth/moment.h"
#include "sky/birth_sky.h"

namespace asterine::cli {

// "2448236.0625" as "1990-12-10T13:30:00Z": a Julian day in UT, to the second.
QString universalIso(double julianDayUt);

// "local", "zone", "utc_offset_seconds", "universal_time", "julian_day_ut",
// "daylight_saving".
QJsonObject momentJson(const birth::Moment& moment);

// "star" (when the catalogue has the reading's star), "bodies", "angles",
// "conjunctions" and "parans", each where the request allowed it.
QJsonObject skyJson(const sky::BirthSkyRequest& request, const sky::BirthSky& sky);

}  // namespace asterine::cli
