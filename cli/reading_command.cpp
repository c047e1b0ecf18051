// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_command.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>

#include "angle.h"
#include "command_line.h"
#include "document/reading_document.h"
#include "entry/validation.h"
#include "stars/catalogues.h"
#include "stars/engine.h"
#include "translation/translation.h"

namespace asterine::cli {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::ReadingCommand)
};

ReadingResult refused(const QString& message, int status = 2) {
    return {status, QString(), message + QLatin1Char('\n')};
}

// The form's years: its year list runs from 1900 to 2050.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

std::optional<int> yearOf(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^\\d{4}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int year = text.toInt();
    if (year < kFirstYear || year > kLastYear)
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

// The name as the form's name box takes it, key by key, in the language the
// program speaks: letters turned to capitals, blanks; nothing when a
// character is one it refuses.
std::optional<QString> nameAsTheFormTakesIt(const QString& typed) {
    const KeyFilter nameKey = nameKeyFor(QLocale().language());
    QString name;
    for (const char32_t code : typed.toUcs4()) {
        const KeyVerdict verdict = nameKey(code);
        if (verdict.action == KeyVerdict::Discard || code == 13 || code == 8)
            return std::nullopt;
        name += verdict.action == KeyVerdict::Replace ? QString(verdict.replacement)
                                                      : QString::fromUcs4(&code, 1);
    }
    return name;
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
    const QStringList parts = typed.split(QLatin1Char(','));
    const QString name = parts.first().trimmed();
    std::vector<atlas::Place> found = all.suggestions(name.toStdString(), all.size());
    // What follows the comma names the state or the country, or the start of either.
    for (const QString& part : parts.mid(1)) {
        const std::optional<std::string> wanted =
            atlas::foldForSearch(part.trimmed().toStdString());
        if (!wanted || wanted->empty())
            continue;
        std::erase_if(found, [&wanted](const atlas::Place& place) {
            for (const std::string* text : {&place.state, &place.country}) {
                const std::optional<std::string> folded = atlas::foldForSearch(*text);
                if (folded && folded->starts_with(*wanted))
                    return false;
            }
            return true;
        });
    }
    return found;
}

QString readingJson(const stars::StarReading& reading, const document::BirthDetails& details,
                    double colatitudeKey, const QString& catalogue, const QDate& madeOn) {
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
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
}

ReadingResult makeReading(const ReadingRequest& request, const QDate& madeOn,
                          PlaceFinder findPlaces) {
    if (request.format != QLatin1String("text") && request.format != QLatin1String("json"))
        return refused(Texts::tr("asterine reading: the format \u201c%1\u201d is neither text nor json.")
                           .arg(request.format));

    document::BirthDetails details;
    details.timeGiven = false;
    QString notes;

    // The place, from the atlas: the one the form's atlas would offer first.
    std::optional<TypedAngle> latitude;
    std::optional<TypedAngle> longitude;
    if (request.place) {
        const QString typed = request.place->trimmed();
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
            return refused(
                Texts::tr("asterine reading: no place in the atlas matches \u201c%1\u201d.").arg(typed),
                PlaceUnknown);
        const atlas::Place& place = places.front();
        details.city = QString::fromStdString(place.name);
        details.state = QString::fromStdString(place.state);
        details.country = QString::fromStdString(place.country);
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
            const auto sameName = std::find_if(
                places.begin() + 1, places.end(), [&folded](const atlas::Place& other) {
                    return atlas::foldForSearch(other.name) == folded;
                });
            const atlas::Place& other = sameName != places.end() ? *sameName : places[1];
            notes += Texts::tr("asterine reading: took %1, the most populous of %2 places that match "
                        "\u201c%3\u201d; to take another, name its state or country too, as in "
                        "\u201c%4, %5\u201d.")
                         .arg(QString::fromStdString(atlas::label(place)))
                         .arg(places.size())
                         .arg(typed, QString::fromStdString(other.name),
                              QString::fromStdString(other.country)) +
                     QLatin1Char('\n');
        }
    }

    if (request.latitude) {
        latitude = readAngle(*request.latitude, QLatin1Char('N'), QLatin1Char('S'));
        if (!latitude)
            return refused(latitudeRefusal(stars::LatitudeField::Degrees).message);
    }
    if (!latitude)
        return refused(missing(BirthBox::LatD).message);
    if (request.longitude) {
        longitude = readAngle(*request.longitude, QLatin1Char('E'), QLatin1Char('W'));
        if (!longitude)
            return refused(Texts::tr("asterine reading: the longitude \u201c%1\u201d is neither degrees, "
                              "minutes and seconds with E or W (73:51:19E) nor decimal degrees "
                              "(-73.86).")
                               .arg(*request.longitude));
    }

    // The year, on its own or from the date.
    std::optional<int> year;
    if (request.year) {
        year = yearOf(*request.year);
        if (!year)
            return refused(Texts::tr("asterine reading: the year \u201c%1\u201d is not one of the years "
                              "the form offers, 1900 to 2050.")
                               .arg(*request.year));
    }
    if (request.date) {
        static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
        const QRegularExpressionMatch match = form.match(*request.date);
        const int month = match.captured(2).toInt();
        const int day = match.captured(3).toInt();
        if (!match.hasMatch() || month < 1 || month > 12 || day < 1 || day > 31)
            return refused(Texts::tr("asterine reading: the date \u201c%1\u201d is not a date written "
                              "YYYY-MM-DD.")
                               .arg(*request.date));
        const std::optional<int> dateYear = yearOf(match.captured(1));
        if (!dateYear)
            return refused(Texts::tr("asterine reading: the year \u201c%1\u201d is not one of the years "
                              "the form offers, 1900 to 2050.")
                               .arg(match.captured(1)));
        if (year && *year != *dateYear)
            return refused(Texts::tr("asterine reading: the year %1 and the date %2 disagree.")
                               .arg(*year)
                               .arg(*request.date));
        if (const std::optional<BirthDetailsProblem> problem =
                dateProblem(month - 1, day, *dateYear))
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

    if (request.name) {
        if (isBlank(*request.name))
            return refused(missing(BirthBox::Name).message);
        const std::optional<QString> name = nameAsTheFormTakesIt(*request.name);
        if (!name)
            return refused(refusedLetterMessage());
        details.name = *name;
    }

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

    // The engine, as the form asks it: degrees and minutes as given, the
    // year; the hemisphere does not enter the reading.
    stars::ReadingEngine engine;
    const stars::ReadingOutcome outcome = engine.RequestReading(
        details.latitudeDegrees.toStdString(), details.latitudeMinutes.toStdString(), details.year);
    if (!outcome.accepted())
        return refused(latitudeRefusal(*outcome.refusedField).message);

    ReadingResult result;
    result.messages = notes;
    if (request.format == QLatin1String("json")) {
        const int degrees = details.latitudeDegrees.toInt();
        result.output =
            readingJson(*outcome.reading, details, engine.ColatitudeKey(),
                        catalogueName(stars::catalogueFor(degrees, details.year)), madeOn);
    } else {
        // The text is the reader's, in their language; the JSON is for
        // programs, and keeps the engine's English.
        result.output = document::toText(
            document::makeDocument(translation::localised(*outcome.reading), details, madeOn));
    }
    return result;
}

}  // namespace asterine::cli
