// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "asterine reading": one reading from a latitude and a year, as text or
// JSON, checked by the same rules and with the same messages as the form.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "atlas/atlas.h"
#include "birth/birth_details.h"
#include "stars/reading.h"

namespace asterine::cli {

// What the command was asked, before any check.
struct ReadingRequest {
    std::optional<QString> latitude;
    std::optional<QString> longitude;
    std::optional<QString> year;
    std::optional<QString> date;
    std::optional<QString> name;
    std::optional<QString> place;
    QString format = QStringLiteral("text");
};

// What it gives: a reading with its details, or why not.
struct ReadingResult {
    int status = 0;
    QString output;    // for standard output
    QString messages;  // for standard error, one line each
};

// The places a typed place name can mean; the atlas is read on first use.
// Throws std::runtime_error when there is no atlas.
using PlaceFinder = std::vector<atlas::Place> (*)(const QString& typed);

// The reading for `request`, made on `madeOn`.
ReadingResult makeReading(const ReadingRequest& request, const QDate& madeOn,
                          PlaceFinder findPlaces);

// The places of Debian's atlas whose names begin with what `typed` names
// (before a comma: ",", or the Arabic "،"), in the desktop's language or in
// English, narrowed by what follows each comma (see narrowedBy), the most
// populous first.
std::vector<atlas::Place> atlasPlaces(const QString& typed);

// Whether `folded` (as foldForSearch makes it) names the state or the
// country of `place`: the start of its name, in the language shown or in
// English ("Can" for Canada under every language); or its code, whole
// ("TX", "FR"), or "UK", "USA" and "UAE".
bool narrowedBy(const atlas::Place& place, const std::string& folded);

// The reading as JSON: one object with the keys the manual page lists.
QString readingJson(const stars::StarReading& reading, const birth::BirthDetails& details,
                    double colatitudeKey, const QString& catalogue, const QDate& madeOn);

}  // namespace asterine::cli
