// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "asterine reading": one reading from a latitude and a year, as text or
// JSON, checked by the same rules and with the same messages as the form;
// with the moment of birth, the real sky and its wheel when the time, the
// zone and the place are given.

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "atlas/atlas.h"
#include "birth/birth_details.h"
#include "birth/moment.h"
#include "sky/birth_sky.h"
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
    std::optional<QString> time;    // HH:MM or HH:MM:SS, the clock time
    std::optional<QString> zone;    // "Europe/Berlin", "LMT", "UTC+05:30"
    std::optional<QString> offset;  // the offset in force, "+01:00"
    std::optional<QString> dst;     // "yes" or "no"
    std::optional<QString> orb;     // degrees, for conjunctions
    std::optional<QString> paranMinutes;
    std::optional<QString> chart;  // the file of the wheel, .svg or .png
    std::optional<QString> chartSize;
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

// Writes the wheel of a birth's sky to a file, as SVG or PNG by its
// extension, the size given in pixels; an empty string when it is written,
// else what went wrong, naming the file. Null where the chart module is
// not installed.
using ChartWriter = QString (*)(const sky::BirthSkyRequest& request, const sky::BirthSky& sky,
                                const QString& path, int pixels);

// The reading for `request`, made on `madeOn`; the chart, when one is asked
// for, written by `writeChart`.
ReadingResult makeReading(const ReadingRequest& request, const QDate& madeOn,
                          PlaceFinder findPlaces, ChartWriter writeChart = nullptr);

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

// The reading as JSON: one object with the keys the manual page lists; the
// moment of birth when there is one, and the sky when it was worked out.
QString readingJson(const stars::StarReading& reading, const birth::BirthDetails& details,
                    double colatitudeKey, const QString& catalogue, const QDate& madeOn,
                    const std::optional<birth::Moment>& moment = std::nullopt,
                    const std::optional<QJsonObject>& sky = std::nullopt);

}  // namespace asterine::cli
