// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the birth details give beyond the reading: the birthplace in degrees,
// the moment of birth in universal time, the start of the birth day, and
// the request for the sky of the birth. The form's window, the documents
// and the command line all ask here, so that each reads the boxes alike.

#include <optional>
#include <string_view>

#include "birth/birth_details.h"
#include "birth/moment.h"
#include "birth/zone.h"
#include "sky/birth_sky.h"

namespace birth {

// The latitude of the boxes in degrees, north positive; the longitude in
// degrees, east positive. Nothing when the degrees are blank or any box is
// not a number; blank minutes or seconds count as none.
std::optional<double> latitudeOf(const BirthDetails& details);
std::optional<double> longitudeOf(const BirthDetails& details);

// The zone the details name. No value and no error when none is given.
Parsed<Zone> zoneOf(const BirthDetails& details);

// The moment of birth. Nothing at all, and no error, when the date, the
// time or the zone is not given; otherwise as momentOf says, the question of
// a skipped or repeated clock time included. The details' own offset
// answers the question unless `resolution` gives one.
MomentResult momentOfDetails(const BirthDetails& details, const Resolution& resolution = {});

// Local midnight at the start of the birth day, as a Julian day in UT: it
// needs the date and the zone (and for local mean time the longitude). On a
// day the clocks were changed it is the midnight the clocks showed.
std::optional<double> dayStartJdUt(const BirthDetails& details);

// The sky engine's request for these details, with the moment when there is
// one. `star` is the reading's star as its tables spell it; it must outlive
// the request.
sky::BirthSkyRequest skyRequest(const BirthDetails& details, const std::optional<Moment>& moment,
                                std::string_view star);

}  // namespace birth
