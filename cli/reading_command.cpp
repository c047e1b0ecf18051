// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "angle.h"
#include "birth/birth_rules.h"
#include "birth/calendar.h"
#include "birth/details_moment.h"
#include "birth/key_rules.h"
#include "command_line.h"
#include "document/reading_document.h"
#include "language/translation.h"
#include "sky_output.h"
#include "stars/catalogues.h"
#include "stars/engine.h"
#include "terminal_text.h"

namespace asterine::cli {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::ReadingCommand)
};

ReadingResult refused(const QString& message, int status = 2) {
    return {status, QString(), message + QLatin1Char('\n')};
}

std::optional<int> yearOf(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^\\d{4}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int year = text.toInt();
    if (year < birth::kFirstYear || year > birth::kLastYear)
        return std::nullopt;
    return year;
}

QString catalogueName(const stars::StarCatalogue& catalogue) {
    if (&catalogue == &stars::NorthCatalogue1999)
        return QStringLiteral("NorthCatalogue1999");
    if (&catalogue == &stars::NorthCatalogue2000)
        return QStringLiteral("NorthCatalogue2000");
    if (&catalogue == &stars::SouthCatalogue1999)
        return QStringLiteral("SouthCatalogue1999");
    return QStringLiteral("SouthCatalogue2000");
}

QJsonValue angleJson(const QString& degrees, const QString& minutes, const QString& seconds,
                     QChar side) {
    return QJsonObject{
        {QStringLiteral("degrees"), degrees.toInt()},
        {QStringLiteral("minutes"), minutes.toInt()},
        {QStringLiteral("seconds"), seconds.toDouble()},
        {QStringLiteral("hemisphere"), QString(side)},
        {QStringLiteral("text"), document::angleText(degrees, minutes, seconds, side)},
    };
}

}  // namespace

std::vector<atlas::Place> atlasPlaces(const QString& typed) {
    static const atlas::Atlas all = translation::desktopAtlas();
    // The name, then what narrows it, after a comma as the language writes
    // one ("London, Canada", "القاهرة، مصر").
    static const QRegularExpression commas(QStringLiteral("[,\u060c\uff0c\u3001]"));
    const QStringList parts = typed.split(commas);
    const QString name = parts.first().trimmed();
    std::vector<atlas::Place> found = all.suggestions(name.toStdString(), all.size());
    for (const QString& part : parts.mid(1)) {
        const std::optional<std::string> wanted =
            atlas::foldForSearch(part.trimmed().toStdString());
        if (!wanted || wanted->empty())
            continue;
        std::erase_if(found,
                      [&wanted](const atlas::Place& place) { return !narrowedBy(place, *wanted); });
    }
    return found;
}

bool narrowedBy(const atlas::Place& place, const std::string& folded) {
    // The start of the state's or the country's name, as shown or in English.
    for (const std::string* text :
         {&place.state, &place.country, &place.englishState, &place.englishCountry}) {
        const std::optional<std::string> name = atlas::foldForSearch(*text);
        if (name && !name->empty() && name->starts_with(folded))
            return true;
    }
    // The code of the state or the country, whole ("TX", "CA"), and the
    // short names people write for a few countries.
    static constexpr std::pair<const char*, const char*> shortNames[] = {
        {"uk", "GB"}, {"usa", "US"}, {"uae", "AE"}};
    for (const std::string* code : {&place.stateCode, &place.countryCode}) {
        if (!code->empty() && atlas::foldForSearch(*code) == folded)
            return true;
    }
    for (const auto& [shortName, code] : shortNames) {
        if (folded == shortName && place.countryCode == code)
            return true;
    }
    return false;
}

QString readingJson(const stars::StarReading& reading, const birth::BirthDetails& details,
                    double colatitudeKey, const QString& catalogue, const QDate& madeOn,
                    const std::optional<birth::Moment>& moment,
                    const std::optional<QJsonObject>& sky) {
    const document::ReadingDocument text = document::makeDocument(reading, details, madeOn);
    QJsonObject json{
        {QStringLiteral("program"), QStringLiteral("Asterine")},
        {QStringLiteral("version"), QCoreApplication::applicationVersion()},
        {QStringLiteral("name"), details.name.isEmpty() ? QJsonValue() : QJsonValue(details.name)},
        {QStringLiteral("date"),
         details.dateGiven
             ? QJsonValue(
                   QDate(details.year, details.monthIndex + 1, details.day).toString(Qt::ISODate))
             : QJsonValue()},
        {QStringLiteral("year"), details.year},
        {QStringLiteral("latitude"),
         angleJson(details.latitudeDegrees, details.latitudeMinutes, details.latitudeSeconds,
                   details.south ? QLatin1Char('S') : QLatin1Char('N'))},
        {QStringLiteral("colatitude_key"), colatitudeKey},
        {QStringLiteral("catalogue"), catalogue},
        {QStringLiteral("star"), text.starName},
        {QStringLiteral("note"),
         text.starNote.isEmpty() ? QJsonValue() : QJsonValue(text.starNote)},
        {QStringLiteral("made_on"), madeOn.toString(Qt::ISODate)},
    };
    const bool place = !(details.city + details.state + details.country).isEmpty();
    json.insert(QStringLiteral("place"),
                place ? QJsonValue(QJsonObject{{QStringLiteral("city"), details.city},
                                               {QStringLiteral("state"), details.state},
                                               {QStringLiteral("country"), details.country}})
                      : QJsonValue());
    const bool longitude =
        !(details.longitudeDegrees + details.longitudeMinutes + details.longitudeSeconds).isEmpty();
    json.insert(QStringLiteral("longitude"),
                longitude ? angleJson(details.longitudeDegrees, details.longitudeMinutes,
                                      details.longitudeSeconds,
                                      details.west ? QLatin1Char('W') : QLatin1Char('E'))
                          : QJsonValue());
    // The ten attributes under stable keys; none for a star without lore.
    static constexpr std::pair<stars::Attribute, const char*> keys[] = {
        {stars::Attribute::LatinName, "latin_name"},
        {stars::Attribute::Designation, "designation"},
        {stars::Attribute::Gemstone, "gemstone"},
        {stars::Attribute::Plant, "plant"},
        {stars::Attribute::Position, "position"},
        {stars::Attribute::RulingPlanet, "ruling_planet"},
        {stars::Attribute::Keywords, "keywords"},
        {stars::Attribute::Effect, "effect"},
        {stars::Attribute::Angel, "angel"},
        {stars::Attribute::Direction, "direction"},
    };
    if (reading.frameShown) {
        QJsonObject attributes;
        for (const auto& [attribute, key] : keys)
            attributes.insert(QLatin1String(key), QString::fromStdString(reading[attribute]));
        json.insert(QStringLiteral("attributes"), attributes);
    } else {
        json.insert(QStringLiteral("attributes"), QJsonValue());
    }
    if (moment)
        json.insert(QStringLiteral("moment"), momentJson(*moment));
    if (sky)
        json.insert(QStringLiteral("sky"), *sky);
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
}

namespace {

// A request read: the details as the form would hold them, and what the
// output needs besides.
struct ReadDetails {
    birth::BirthDetails details;
    QString notes;  // for standard error, before anything else
    // The place as the JSON gives it: in English, whatever the language.
    QString englishCity, englishState, englishCountry;
    QString placeZone;             // the zone the atlas gives the place, when it gives one
    birth::Resolution resolution;  // --dst
    double orbDeg = 1.0;
    double paranMinutes = 4.0;
    int chartPixels = 1000;
};

// The place, from the atlas: the one the form's atlas would offer first,
// its latitude and longitude, and a note when others of the name match too.
std::optional<ReadingResult> readPlace(const QString& given, PlaceFinder findPlaces,
                                       ReadDetails& read, std::optional<TypedAngle>& latitude,
                                       std::optional<TypedAngle>& longitude) {
    const QString typed = given.trimmed();
    if (typed.isEmpty())
        return refused(Texts::tr("asterine reading: --place names no place."));
    std::vector<atlas::Place> places;
    try {
        places = findPlaces(typed);
    } catch (const std::exception&) {
        return refused(Texts::tr("asterine reading: there is no atlas on this system (Debian's "
                                 "libgeonames), so --place cannot be looked up."),
                       PlaceUnknown);
    }
    if (places.empty())
        return refused(Texts::tr("asterine reading: no place in the atlas matches \u201c%1\u201d.")
                           .arg(terminalText(typed)),
                       PlaceUnknown);
    const atlas::Place& place = places.front();
    birth::BirthDetails& details = read.details;
    details.city = QString::fromStdString(place.name);
    details.state = QString::fromStdString(place.state);
    details.country = QString::fromStdString(place.country);
    const auto english = [](const std::string& text, const QString& shown) {
        return text.empty() ? shown : QString::fromStdString(text);
    };
    read.englishCity = english(place.englishName, details.city);
    read.englishState = english(place.englishState, details.state);
    read.englishCountry = english(place.englishCountry, details.country);
    read.placeZone = QString::fromStdString(place.timeZone);
    const auto angle = [](double value) {
        const atlas::Dms dms = atlas::toDms(value);
        return TypedAngle{QString::number(dms.degrees), QString::number(dms.minutes),
                          QString::number(dms.seconds), dms.negative};
    };
    latitude = angle(place.latitude);
    longitude = angle(place.longitude);
    if (places.size() > 1) {
        // The example names another place of the same name where there is one.
        const std::optional<std::string> folded = atlas::foldForSearch(place.name);
        const auto sameName =
            std::find_if(places.begin() + 1, places.end(), [&folded](const atlas::Place& other) {
                return atlas::foldForSearch(other.name) == folded;
            });
        const atlas::Place& other = sameName != places.end() ? *sameName : places[1];
        read.notes += Texts::tr(
                          "asterine reading: took %1, the most populous of %2 places that "
                          "match \u201c%3\u201d; to take another, name its state or "
                          "country too, as in \u201c%4, %5\u201d.")
                          .arg(QString::fromStdString(atlas::label(place)))
                          .arg(places.size())
                          .arg(terminalText(typed), QString::fromStdString(other.name),
                               QString::fromStdString(other.country)) +
                      QLatin1Char('\n');
    }
    return std::nullopt;
}

// The latitude and the longitude, as given or from the place, into the
// details' boxes.
std::optional<ReadingResult> readAngles(const ReadingRequest& request, ReadDetails& read,
                                        std::optional<TypedAngle> latitude,
                                        std::optional<TypedAngle> longitude) {
    // Angles as people write them, with the locale's decimal separator too.
    const QString decimalPoint = QLocale().decimalPoint();
    if (request.latitude) {
        if (birth::isBlank(*request.latitude))
            return refused(birth::missing(birth::BirthBox::LatD).message);
        latitude = readAngle(*request.latitude, QLatin1Char('N'), QLatin1Char('S'), decimalPoint);
        if (!latitude)
            return refused(
                Texts::tr("asterine reading: the latitude \u201c%1\u201d is neither degrees, "
                          "minutes and seconds with N or S (51:30:26N, 51 30 N, 51°30.5′N) nor "
                          "decimal degrees (-33.87, N51.5).")
                    .arg(terminalText(*request.latitude)));
    }
    if (!latitude)
        return refused(birth::missing(birth::BirthBox::LatD).message);
    if (request.longitude) {
        longitude = readAngle(*request.longitude, QLatin1Char('E'), QLatin1Char('W'), decimalPoint);
        if (!longitude)
            return refused(
                Texts::tr("asterine reading: the longitude \u201c%1\u201d is neither degrees, "
                          "minutes and seconds with E or W (73:51:19E) nor decimal degrees "
                          "(-73.86).")
                    .arg(terminalText(*request.longitude)));
    }
    birth::BirthDetails& details = read.details;
    details.latitudeDegrees = latitude->degrees;
    details.latitudeMinutes = latitude->minutes;
    details.latitudeSeconds = latitude->seconds;
    details.south = latitude->negative;
    if (longitude) {
        details.longitudeDegrees = longitude->degrees;
        details.longitudeMinutes = longitude->minutes;
        details.longitudeSeconds = longitude->seconds;
        details.west = longitude->negative;
    }
    return std::nullopt;
}

// The year, on its own or from the date. A day the month lacks is refused
// as the date is read, before anything is said of the name.
std::optional<ReadingResult> readDate(const ReadingRequest& request, birth::BirthDetails& details) {
    std::optional<int> year;
    if (request.year) {
        year = yearOf(*request.year);
        if (!year)
            return refused(
                Texts::tr("asterine reading: the year \u201c%1\u201d is not one of the years "
                          "the form offers, %2 to %3.")
                    .arg(terminalText(*request.year), QString::number(birth::kFirstYear),
                         QString::number(birth::kLastYear)));
    }
    if (request.date) {
        const QRegularExpressionMatch match = birth::writtenDatePattern().match(*request.date);
        const int month = match.captured(2).toInt();
        const int day = match.captured(3).toInt();
        if (!match.hasMatch() || month < 1 || month > 12 || day < 1 || day > 31)
            return refused(
                Texts::tr("asterine reading: the date \u201c%1\u201d is not a date written "
                          "YYYY-MM-DD.")
                    .arg(terminalText(*request.date)));
        const std::optional<int> dateYear = yearOf(match.captured(1));
        if (!dateYear)
            return refused(
                Texts::tr("asterine reading: the year \u201c%1\u201d is not one of the years "
                          "the form offers, %2 to %3.")
                    .arg(match.captured(1), QString::number(birth::kFirstYear),
                         QString::number(birth::kLastYear)));
        if (year && *year != *dateYear)
            return refused(Texts::tr("asterine reading: the year %1 and the date %2 disagree.")
                               .arg(*year)
                               .arg(*request.date));
        if (const std::optional<birth::BirthProblem> problem =
                birth::dateProblem(month - 1, day, *dateYear))
            return refused(problem->message);
        year = dateYear;
        details.monthIndex = month - 1;
        details.day = day;
    }
    if (!year)
        return refused(
            Texts::tr("asterine reading: give the year of birth (--year) or the date "
                      "(--date)."));
    details.year = *year;
    details.dateGiven = request.date.has_value();
    return std::nullopt;
}

// A message of birth/ (which names what it read) as the command's own.
ReadingResult refusedBecause(const QString& message, int status = 2) {
    return refused(Texts::tr("asterine reading: %1").arg(terminalText(message, 240)), status);
}

// A number from `text` between `lowest` and `highest`; nothing when it is
// not one, or outside them.
std::optional<double> numberOf(const QString& text, double lowest, double highest) {
    bool ok = false;
    double value = text.trimmed().toDouble(&ok);
    if (!ok)
        value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// The clock time, the zone and what answers its questions, into the
// details; the orb, the paran tolerance and the chart's file and size.
std::optional<ReadingResult> readClock(const ReadingRequest& request, ReadDetails& read) {
    birth::BirthDetails& details = read.details;
    if (request.time) {
        if (!request.date)
            return refused(
                Texts::tr("asterine reading: --time needs the date of birth: give --date too."));
        static const QRegularExpression pattern(
            QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*$"));
        const QRegularExpressionMatch match = pattern.match(*request.time);
        const int hour = match.captured(1).toInt();
        const int minute = match.captured(2).toInt();
        const int second = match.captured(3).toInt();
        if (!match.hasMatch() || hour > 23 || minute > 59 || second > 59)
            return refused(Texts::tr("asterine reading: the time \u201c%1\u201d is not a time of "
                                     "day written HH:MM or HH:MM:SS, from 00:00 to 23:59:59.")
                               .arg(terminalText(*request.time)));
        details.timeGiven = true;
        details.hour = hour;
        details.minute = minute;
        details.second = second;
    }
    if (request.zone) {
        const birth::Parsed<birth::Zone> zone = birth::parseZone(*request.zone);
        if (!zone.value)
            return refusedBecause(zone.error);
        details.zone = zone.value->text();
        if (request.time && zone.value->kind == birth::Zone::Kind::LocalMeanTime &&
            !birth::longitudeOf(details))
            return refused(
                Texts::tr("asterine reading: --zone LMT is the local mean time of "
                          "the birthplace's longitude: give --longitude or --place "
                          "too."));
    } else {
        details.zone = read.placeZone;
    }
    for (const auto& [given, option] :
         {std::pair{&request.offset, "offset"}, std::pair{&request.dst, "dst"}}) {
        if (*given && !request.time)
            return refused(Texts::tr("asterine reading: --%1 tells the offset of a clock time: "
                                     "give the time of birth (--time) too.")
                               .arg(QLatin1String(option)));
    }
    if (request.offset) {
        const birth::Parsed<int> offset = birth::parseOffset(*request.offset);
        if (!offset.value)
            return refusedBecause(offset.error);
        details.utcOffsetSeconds = offset.value;
    }
    if (request.dst) {
        const birth::Parsed<bool> dst = birth::parseDaylightSaving(*request.dst);
        if (!dst.value)
            return refusedBecause(dst.error);
        read.resolution.daylightSaving = dst.value;
    }
    if (request.time && details.zone.isEmpty())
        return refused(
            Texts::tr("asterine reading: --time needs the zone the clocks kept: give --zone, "
                      "such as Europe/Berlin, LMT or UTC+05:30."));
    if (request.orb) {
        const std::optional<double> orb = numberOf(*request.orb, 0, 10);
        if (!orb)
            return refused(Texts::tr("asterine reading: the orb \u201c%1\u201d is not a number "
                                     "of degrees from 0 to 10.")
                               .arg(terminalText(*request.orb)));
        read.orbDeg = *orb;
    }
    if (request.paranMinutes) {
        const std::optional<double> minutes = numberOf(*request.paranMinutes, 0, 60);
        if (!minutes)
            return refused(Texts::tr("asterine reading: the paran tolerance \u201c%1\u201d is "
                                     "not a number of minutes from 0 to 60.")
                               .arg(terminalText(*request.paranMinutes)));
        read.paranMinutes = *minutes;
    }
    if (request.chartSize && !request.chart)
        return refused(Texts::tr(
            "asterine reading: --chart-size is the size of the chart: give --chart too."));
    if (request.chart) {
        const QString suffix = QFileInfo(*request.chart).suffix().toLower();
        if (request.chart->isEmpty())
            return refused(Texts::tr("asterine reading: --chart names no file."));
        if (suffix.isEmpty())
            return refused(Texts::tr("asterine reading: the chart \u201c%1\u201d has no "
                                     "extension: name it .svg or .png.")
                               .arg(terminalText(*request.chart)));
        if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
            return refused(Texts::tr("asterine reading: the chart is written as .svg or .png, "
                                     "not as \u201c.%1\u201d.")
                               .arg(terminalText(QFileInfo(*request.chart).suffix())));
    }
    if (request.chartSize) {
        static const QRegularExpression digits(QStringLiteral("^\\s*\\d{1,5}\\s*$"));
        const int pixels = request.chartSize->trimmed().toInt();
        if (!digits.match(*request.chartSize).hasMatch() || pixels < 200 || pixels > 8000)
            return refused(Texts::tr("asterine reading: the chart size \u201c%1\u201d is not a "
                                     "number of pixels from 200 to 8000.")
                               .arg(terminalText(*request.chartSize)));
        read.chartPixels = pixels;
    }
    return std::nullopt;
}

// Everything the request gives, read in the order the options are told
// apart: the place, the angles, the year and date, the name. Whether the
// details can give a reading is checkDetails's to say.
std::optional<ReadingResult> parseRequest(const ReadingRequest& request, PlaceFinder findPlaces,
                                          ReadDetails& read) {
    if (request.format != QLatin1String("text") && request.format != QLatin1String("json"))
        return refused(
            Texts::tr("asterine reading: the format \u201c%1\u201d is neither text nor json.")
                .arg(terminalText(request.format)));
    read.details.timeGiven = false;
    std::optional<TypedAngle> latitude;
    std::optional<TypedAngle> longitude;
    if (request.place) {
        if (std::optional<ReadingResult> refusal =
                readPlace(*request.place, findPlaces, read, latitude, longitude))
            return refusal;
    }
    if (std::optional<ReadingResult> refusal = readAngles(request, read, latitude, longitude))
        return refusal;
    if (std::optional<ReadingResult> refusal = readDate(request, read.details))
        return refusal;
    if (std::optional<ReadingResult> refusal = readClock(request, read))
        return refusal;
    if (request.name) {
        // A blank name reads as one; the check below refuses it.
        const std::optional<QString> name = birth::nameAsTheBoxTakesIt(*request.name);
        if (!name)
            return refused(birth::refusedLetterMessage());
        read.details.name = *name;
    }
    return std::nullopt;
}

// The rules the form's details meet, for the boxes the command line has: the
// latitude's, and the name when one is given; a longitude is never needed.
std::optional<ReadingResult> checkDetails(const ReadingRequest& request,
                                          const birth::BirthDetails& details) {
    const birth::RequiredBoxes required{.name = request.name.has_value(), .longitude = false};
    if (const std::optional<birth::BirthProblem> problem = birth::readingProblem(details, required))
        return refused(problem->message);
    return std::nullopt;
}

// The reading of details that passed the check, as text or JSON.
ReadingResult renderReading(const ReadingRequest& request, const ReadDetails& read,
                            const std::optional<birth::Moment>& moment, const QDate& madeOn,
                            ChartWriter writeChart) {
    const birth::BirthDetails& details = read.details;
    // The engine, as the form asks it: degrees and minutes as given, the
    // year; the hemisphere does not enter the reading.
    stars::ReadingEngine engine;
    const stars::ReadingOutcome outcome = engine.RequestReading(
        details.latitudeDegrees.toStdString(), details.latitudeMinutes.toStdString(), details.year);
    if (!outcome.accepted())  // not once the check has passed: it asked the same
        return refused(birth::latitudeRefusal(*outcome.refusedField).message);

    // The real sky, worked out once for the text or the JSON and the chart.
    const bool json = request.format == QLatin1String("json");
    const std::string& line = outcome.reading->starLine;
    const std::string star = line.substr(0, line.find('\r'));
    sky::BirthSkyRequest skyRequest = birth::skyRequest(details, moment, star);
    skyRequest.orbDeg = read.orbDeg;
    skyRequest.paranMinutes = read.paranMinutes;
    const sky::BirthSky sky = sky::birthSky(skyRequest);
    if (request.chart) {
        // The notes on the place first, as for a reading.
        if (!writeChart) {
            ReadingResult failed =
                refused(Texts::tr("asterine reading: the chart cannot be drawn: the chart "
                                  "module, lib/asterine/asterine_chart.so beside the "
                                  "program's folder, is missing."),
                        Failure);
            failed.messages.prepend(read.notes);
            return failed;
        }
        const QString error = writeChart(skyRequest, sky, *request.chart, read.chartPixels);
        if (!error.isEmpty()) {
            ReadingResult failed = refusedBecause(error, Failure);
            failed.messages.prepend(read.notes);
            return failed;
        }
    }
    const std::optional<QJsonObject> skyObject =
        json ? std::optional<QJsonObject>(skyJson(skyRequest, sky)) : std::nullopt;

    ReadingResult result;
    result.messages = read.notes;
    if (json) {
        const int degrees = details.latitudeDegrees.toInt();
        birth::BirthDetails inEnglish = details;
        if (request.place) {
            inEnglish.city = read.englishCity;
            inEnglish.state = read.englishState;
            inEnglish.country = read.englishCountry;
        }
        result.output = readingJson(*outcome.reading, inEnglish, engine.ColatitudeKey(),
                                    catalogueName(stars::catalogueFor(degrees, details.year)),
                                    madeOn, moment, skyObject);
    } else {
        // The text is the reader's, in their language; the JSON is for
        // programs, and keeps the engine's English.
        // Its Sky section is the sky worked out above, with the limits given.
        const document::SkyOptions options{.resolution = read.resolution,
                                           .orbDeg = read.orbDeg,
                                           .paranMinutes = read.paranMinutes,
                                           .sky = &sky};
        result.output = document::toText(document::makeDocument(
            translation::localised(*outcome.reading), details, madeOn, QLocale(), options));
    }
    return result;
}

}  // namespace

ReadingResult makeReading(const ReadingRequest& request, const QDate& madeOn,
                          PlaceFinder findPlaces, ChartWriter writeChart) {
    ReadDetails read;
    if (std::optional<ReadingResult> refusal = parseRequest(request, findPlaces, read))
        return *refusal;
    if (std::optional<ReadingResult> refusal = checkDetails(request, read.details))
        return *refusal;
    // The moment of birth: a clock time the zone skipped or showed twice is
    // asked about, unless --offset or --dst answers it.
    const birth::MomentResult moment = birth::momentOfDetails(read.details, read.resolution);
    if (moment.question)
        return refused(Texts::tr("asterine reading: %1 Say which with --offset %2 or --offset "
                                 "%3, or with --dst yes or --dst no.")
                           .arg(terminalText(moment.question->message, 240),
                                birth::offsetText(moment.question->before.offsetSeconds),
                                birth::offsetText(moment.question->after.offsetSeconds)));
    if (!moment.error.isEmpty())
        return refusedBecause(moment.error);
    return renderReading(request, read, moment.moment, madeOn, writeChart);
}

}  // namespace asterine::cli
