// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The zone a birthplace's clocks kept: a zone of the IANA database (the
// system's tzdata), the local mean time of the birthplace's own longitude,
// or a fixed offset from UTC as an old record gives it. Each has one text,
// the one a person is kept with and the command line takes:
// "Europe/Berlin", "LMT" or "UTC+05:30".

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace birth {

// Offsets from UTC the program takes, in either direction.
inline constexpr int maxOffsetSeconds = 14 * 3600;

struct Zone {
    enum class Kind { Iana, LocalMeanTime, FixedOffset };

    Kind kind = Kind::LocalMeanTime;
    QByteArray ianaId;      // for Iana: "Europe/Berlin"
    int offsetSeconds = 0;  // for FixedOffset: east of Greenwich positive

    static Zone iana(const QByteArray& id) { return {Kind::Iana, id, 0}; }
    static Zone localMeanTime() { return {Kind::LocalMeanTime, {}, 0}; }
    static Zone fixedOffset(int seconds) { return {Kind::FixedOffset, {}, seconds}; }

    // "Europe/Berlin", "LMT" or "UTC+05:30": what parseZone reads back.
    QString text() const;
    // What a list shows for it: the IANA id, "Local mean time", or the
    // fixed offset's text; translated.
    QString label() const;

    bool operator==(const Zone&) const = default;
};

// A value read from text, or the sentence that says what was wrong with it.
template <typename T>
struct Parsed {
    std::optional<T> value;
    QString error;
};

// "Europe/Berlin" (an id the system's tzdata has; capitals are forgiven),
// "LMT", or "UTC+05:30" / "UTC-3" / "UTC+5:45". Blanks around it are
// ignored; an empty text, an unknown zone, a name far too long to be one,
// or an offset beyond 14 hours are refused with a message naming them.
Parsed<Zone> parseZone(QStringView text);

// An offset in force as a record gives it: "+01:00", "-03:30", "+5",
// "UTC+05:45"; the sign is required. Seconds east of Greenwich.
Parsed<int> parseOffset(QStringView text);

// Whether daylight saving was in force, as "yes" or "no".
Parsed<bool> parseDaylightSaving(QStringView text);

// "UTC+01:00", "UTC-03:30", "UTC+00:53:28" (seconds only when there are
// some): how the moment names its offset.
QString offsetText(int seconds);
// "UTC+1", "UTC+5:30", "UTC": the short form the question of an ambiguous
// clock time uses.
QString shortOffsetText(int seconds);

// Every zone id of the system's tzdata, sorted; read once, then kept.
const QStringList& zoneIds();
// The ids among `ids` that hold every word of `typed`, capitals and the
// underscore aside: "new york" finds "America/New_York".
QStringList zoneIdsMatching(const QStringList& ids, QStringView typed);

}  // namespace birth
