// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moment of birth: the clock time of the birthplace read in its zone,
// with daylight saving, and turned to universal time (UT) and a Julian day.
//
// A clock time that never happened (the clocks were put forward over it) or
// happened twice (they were put back over it) is never read one way in
// silence: the result asks which was meant, naming both offsets, until a
// Resolution tells it. Before a zone's first standard time, and in the
// local-mean-time zone, the clocks kept the sun at the birthplace's own
// longitude: 4 minutes of time a degree, to the second.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

#include "birth/zone.h"

namespace birth {

// The clock time of a birth and where it was read.
struct BirthClock {
    QDate date;
    QTime time;
    Zone zone;
    // The birthplace's, in degrees, east positive. Without it there is no
    // moment where the clocks kept local mean time.
    std::optional<double> longitude;
};

// What a person's record says when the clock time alone does not: the
// offset in force (which then overrides the zone), or whether the clocks
// were on daylight saving.
struct Resolution {
    std::optional<int> offsetSeconds;
    std::optional<bool> daylightSaving;
};

// How the clocks of a zone stood at one instant.
struct ZoneState {
    int offsetSeconds = 0;          // east of Greenwich positive
    int standardOffsetSeconds = 0;  // without daylight saving
    bool daylightSaving = false;
    QString abbreviation;  // "CET", "CEST", "LMT"; empty for a fixed offset

    bool operator==(const ZoneState&) const = default;
};

struct Moment {
    QDate date;  // as the clock showed
    QTime time;
    Zone zone;
    ZoneState state;
    QDateTime universalTime;  // in UTC
    double julianDayUt = 0.0;

    // "1990-12-10T14:30:00", the clock time.
    QString localIso() const;
    // "1990-12-10T13:30:00Z".
    QString universalIso() const;
    // "14:30 CET (UTC+01:00) · 13:30 UT"; seconds only when there are some.
    QString text() const;
};

// A clock time that the zone skipped or showed twice, and its two readings:
// with the offset in force before the clocks were changed, and after.
struct ClockQuestion {
    enum class Kind { Skipped, Repeated };

    Kind kind = Kind::Skipped;
    ZoneState before;
    ZoneState after;
    // "01:30 CEST (UTC+2) or 01:30 CET (UTC+1)", the two choices.
    QString choices;
    // The whole question in a sentence, naming the date, the time and the zone.
    QString message;
    // Each reading alone, as `choices` names it: "01:30 CEST (UTC+2)".
    QString beforeReading;
    QString afterReading;
};

struct MomentResult {
    std::optional<Moment> moment;
    std::optional<ClockQuestion> question;  // when no Resolution decided it
    QString error;  // a Resolution that does not fit the clock time, or a date or time not given
};

// The moment of `clock`, decided where needed by `resolution`. An offset in
// the resolution is always the one in force; daylight saving chooses
// between the two readings of a skipped or repeated clock time, and for any
// other clock time must agree with the zone. Daylight saving is as tzdata
// flags it; where a zone puts its clocks back from a summer standard time
// (Ireland's winter), a yes or no tells nothing and only an offset decides.
MomentResult momentOf(const BirthClock& clock, const Resolution& resolution = {});

// How the clocks of `zone` stood at `universal` (the local mean time of
// `longitude` where the zone had no standard time yet).
ZoneState zoneStateAt(const Zone& zone, const QDateTime& universal, double longitude);

// The local mean time of a longitude (degrees east), in whole seconds.
int localMeanTimeOffset(double longitude);

// The Julian day of an instant in UT: 2451545.0 at 2000-01-01 12:00 UT.
double julianDay(const QDateTime& universal);

}  // namespace birth
