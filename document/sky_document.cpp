// SPDX-License-Identifier: GPL-3.0-or-later
// The birth's real sky as the document's sections.

#include "sky_document.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cmath>
#include <optional>
#include <string>

#include "birth/details_moment.h"
#include "birth/zone.h"
#include "skynames/sky_names.h"

namespace document {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(document::Sky)
};

constexpr double kUnixEpochJd = 2440587.5;

QString twoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// "12°05′": whole degrees and minutes, rounded to the minute.
QString degreesMinutes(double degrees) {
    const qint64 minutes = std::llround(std::abs(degrees) * 60.0);
    return (degrees < 0 && minutes > 0 ? QStringLiteral("\u2212") : QString()) +
           QString::number(minutes / 60) + QChar(0x00b0) + twoDigits(minutes % 60) + QChar(0x2032);
}

// "10h 08m 22s".
QString hoursMinutesSeconds(double degrees) {
    qint64 seconds = std::llround(degrees / 15.0 * 3600.0) % 86400;
    if (seconds < 0)
        seconds += 86400;
    return QStringLiteral("%1h %2m %3s")
        .arg(twoDigits(seconds / 3600), twoDigits(seconds / 60 % 60), twoDigits(seconds % 60));
}

// "+11° 58′ 02″".
QString signedArc(double degrees) {
    const qint64 seconds = std::llround(std::abs(degrees) * 3600.0);
    return (degrees < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
           QString::number(seconds / 3600) + QStringLiteral("\u00b0 ") +
           twoDigits(seconds / 60 % 60) + QStringLiteral("\u2032 ") + twoDigits(seconds % 60) +
           QChar(0x2033);
}

// An azimuth to the whole degree, "0°" (north) to "359°".
QString azimuthDegrees(double degrees) {
    return QString::number(skynames::wholeAzimuth(degrees)) + QChar(0x00b0);
}

// A chart point as the engine names it: a body or one of the four angles.
QString pointName(std::string_view name) {
    for (sky::Body body : sky::kBodies) {
        if (sky::bodyName(body) == name)
            return skynames::bodyName(body);
    }
    if (name == "Ascendant")
        return Texts::tr("Ascendant");
    if (name == "Midheaven")
        return Texts::tr("Midheaven");
    if (name == "Descendant")
        return Texts::tr("Descendant");
    if (name == "Imum Coeli")
        return Texts::tr("Imum Coeli");
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString eventVerb(sky::EventKind kind) {
    switch (kind) {
    case sky::EventKind::Rises:
        //: A paran: the star or body rises.
        return Texts::tr("rises");
    case sky::EventKind::Culminates:
        //: A paran: the star or body culminates (crosses the meridian, highest).
        return Texts::tr("culminates");
    case sky::EventKind::Sets:
        return Texts::tr("sets");
    case sky::EventKind::AntiCulminates:
        //: A paran: the star or body crosses the meridian at its lowest.
        return Texts::tr("anti-culminates");
    }
    return {};
}

// What the document says of a time and place: local clock and UT, the
// digits and direction of the document.
class Writer {
public:
    Writer(const birth::BirthDetails& details, const QLocale& locale)
        : rightToLeft_(locale.textDirection() == Qt::RightToLeft),
          locale_(locale),
          zone_(birth::zoneOf(details).value),
          longitude_(birth::longitudeOf(details).value_or(0.0)) {}

    // An angle, a time or a number kept left to right in a right-to-left line.
    QString kept(const QString& text) const { return rightToLeft_ ? leftToRight(text) : text; }

    QString zodiac(double longitudeDeg) const {
        const skynames::SignMinutes place = skynames::toTheMinute(longitudeDeg);
        return skynames::signAndDegree(skynames::signName(place.sign),
                                       kept(skynames::degreesAndMinutes(place)));
    }

    QString decimal(double value, int places) const {
        return kept(westernDigits(locale_.toString(value, 'f', places)));
    }

    static QDateTime universal(double julianDayUt) {
        // To the minute, as the times are shown.
        const qint64 minutes = std::llround((julianDayUt - kUnixEpochJd) * 1440.0);
        return QDateTime::fromSecsSinceEpoch(minutes * 60, Qt::UTC);
    }

    // "06:05 CET · 05:05 UT"; UT alone without the zone.
    QString time(double julianDayUt) const {
        const QDateTime ut = universal(julianDayUt);
        const QString utText = ut.toString(QStringLiteral("HH:mm"));
        if (!zone_)
            return kept(Texts::tr("%1 UT").arg(utText));
        const birth::ZoneState state = birth::zoneStateAt(*zone_, ut, longitude_);
        QString local = ut.addSecs(state.offsetSeconds).toString(QStringLiteral("HH:mm"));
        local += QLatin1Char(' ') +
                 (!state.abbreviation.isEmpty() && state.abbreviation.front().isLetter()
                      ? state.abbreviation
                      : birth::offsetText(state.offsetSeconds));
        //: A time of the birth day: %1 the clock time of the birthplace with its zone,
        //: %2 the same in universal time.
        return kept(Texts::tr("%1 · %2 UT").arg(local, utText));
    }

    // The day in the birthplace's calendar, as the document writes dates.
    QString date(double julianDayUt) const {
        QDateTime at = universal(julianDayUt);
        if (zone_)
            at = at.addSecs(birth::zoneStateAt(*zone_, at, longitude_).offsetSeconds);
        const QDate day = at.date();
        return dateText(day.month() - 1, day.day(), day.year());
    }

private:
    bool rightToLeft_;
    QLocale locale_;
    std::optional<birth::Zone> zone_;
    double longitude_;
};

QString visibilityText(sky::Visibility visibility) {
    switch (visibility) {
    case sky::Visibility::Circumpolar:
        return Texts::tr("Circumpolar: above the horizon all day");
    case sky::Visibility::RisesAndSets:
        return Texts::tr("Rises and sets");
    case sky::Visibility::NeverRises:
        return Texts::tr("Never rises");
    }
    return {};
}

QString eventText(const Writer& writer, const sky::Event& event, bool withAltitude) {
    switch (event.status) {
    case sky::EventStatus::Happens:
        if (withAltitude)
            //: When the star culminates: %1 the time, %2 its altitude, %3 its azimuth.
            return Texts::tr("%1, altitude %2, azimuth %3")
                .arg(writer.time(event.julianDayUt), writer.kept(degreesMinutes(event.altitudeDeg)),
                     writer.kept(azimuthDegrees(event.azimuthDeg)));
        //: When the star rises or sets: %1 the time, %2 the azimuth.
        return Texts::tr("%1, azimuth %2")
            .arg(writer.time(event.julianDayUt), writer.kept(azimuthDegrees(event.azimuthDeg)));
    case sky::EventStatus::AlwaysAbove:
        return Texts::tr("Not that day: above the horizon all day");
    case sky::EventStatus::AlwaysBelow:
        return Texts::tr("Not that day: below the horizon all day");
    case sky::EventStatus::NotThatDay:
        return Texts::tr("Not that day");
    }
    return {};
}

QString phaseText(const Writer& writer, const sky::StarPhase& phase) {
    switch (phase.kind) {
    case sky::PhaseKind::AlwaysVisible:
        return Texts::tr("Always visible: seen on every night of the year");
    case sky::PhaseKind::NeverVisible:
        return Texts::tr("Never visible: it never rises here");
    case sky::PhaseKind::ArisingAndLyingHidden:
        //: The star's phase: %1 the day of its heliacal setting, %2 that of its
        //: heliacal rising, %3 the number of nights between them.
        return Texts::tr(
                   "Arising and lying hidden: last seen in the evening on %1, seen again "
                   "in the morning on %2, hidden for %3 nights")
            .arg(writer.date(phase.heliacalSettingJdUt), writer.date(phase.heliacalRisingJdUt))
            .arg(phase.nightsHidden);
    case sky::PhaseKind::CurtailedPassage:
        if (phase.curtailedFromJdUt != 0)
            //: The star's phase: %1 and %2 the first and last nights on which it is seen
            //: neither rising nor setting.
            return Texts::tr(
                       "Curtailed passage: seen on every night; from %1 to %2 only on its "
                       "passage, neither rising nor setting in the dark")
                .arg(writer.date(phase.curtailedFromJdUt), writer.date(phase.curtailedToJdUt));
        return Texts::tr("Curtailed passage: seen on every night of the year");
    case sky::PhaseKind::NoMagnitude:
        return Texts::tr("None: the catalogue gives it no magnitude");
    }
    return {};
}

SkySection starSection(const Writer& writer, const birth::BirthDetails& details,
                       const QString& starName, const sky::BirthSky& sky, bool withMoment) {
    SkySection section;
    //: The heading of the reading's star in the real sky: %1 its name.
    section.title = Texts::tr("%1 in the Sky").arg(starName);
    if (!sky.star) {
        section.note =
            Texts::tr("The star catalogue has no entry for %1: its place in the sky is not known.")
                .arg(starName);
        return section;
    }
    const sky::ChosenStarSky& star = *sky.star;
    if (!withMoment)
        section.note = Texts::tr("Its place is that of the middle of %1.").arg(details.year);
    section.fields << Field{Texts::tr("Right Ascension"),
                            writer.kept(hoursMinutesSeconds(star.place.rightAscensionDeg))};
    section.fields << Field{Texts::tr("Declination"),
                            writer.kept(signedArc(star.place.declinationDeg))};
    section.fields << Field{Texts::tr("Ecliptic Longitude"),
                            writer.zodiac(star.place.eclipticLongitudeDeg)};
    section.fields << Field{Texts::tr("Magnitude"), star.star->hasMagnitude
                                                        ? writer.decimal(star.star->magnitude, 2)
                                                        : Texts::tr("not given")};
    const double latitude = birth::latitudeOf(details).value_or(0.0);
    //: How the star stands to the horizon: %1 that, %2 the latitude ("51°30′ N").
    section.fields << Field{
        Texts::tr("Visibility"),
        Texts::tr("%1 at %2")
            .arg(visibilityText(star.visibility),
                 writer.kept(degreesMinutes(std::abs(latitude)) + QLatin1Char(' ') +
                             compassLetter(latitude < 0 ? QLatin1Char('S') : QLatin1Char('N'))))};
    if (star.day) {
        section.fields << Field{Texts::tr("Rises"), eventText(writer, star.day->rises, false)};
        section.fields << Field{Texts::tr("Culminates"),
                                eventText(writer, star.day->culminates, true)};
        section.fields << Field{Texts::tr("Sets"), eventText(writer, star.day->sets, false)};
    }
    if (star.atBirth)
        //: Where the star stood at the moment of birth: %1 its altitude, %2 its azimuth.
        section.fields << Field{
            Texts::tr("At Birth"),
            Texts::tr("altitude %1, azimuth %2")
                .arg(writer.kept(degreesMinutes(star.atBirth->apparentAltitudeDeg)),
                     writer.kept(azimuthDegrees(star.atBirth->azimuthDeg)))};
    section.fields << Field{Texts::tr("Phase in %1").arg(details.year),
                            phaseText(writer, star.phase)};
    return section;
}

SkySection bodiesSection(const Writer& writer, const sky::BirthSky& sky) {
    SkySection section;
    section.title = Texts::tr("Bodies at Birth");
    for (const sky::BodySky& body : sky.bodies)
        section.fields << Field{skynames::bodyName(body.body),
                                writer.zodiac(body.place.eclipticLongitudeDeg)};
    if (sky.angles) {
        section.fields << Field{Texts::tr("Ascendant"), writer.zodiac(sky.angles->ascendantDeg)};
        section.fields << Field{Texts::tr("Midheaven"), writer.zodiac(sky.angles->midheavenDeg)};
    }
    return section;
}

QString starNameOf(const sky::Star* star) {
    return star ? QString::fromUtf8(star->name.data(), qsizetype(star->name.size())) : QString();
}

SkySection conjunctionsSection(const Writer& writer, const sky::BirthSky& sky,
                               const SkyOptions& options) {
    SkySection section;
    //: The heading of the stars near a body or an angle: %1 the orb ("1°").
    section.title = Texts::tr("Conjunctions within %1")
                        .arg(writer.kept(QString::number(options.orbDeg) + QChar(0x00b0)));
    const qsizetype listed =
        std::min<qsizetype>(qsizetype(sky.conjunctions.size()), kListedConjunctions);
    for (qsizetype i = 0; i < listed; ++i) {
        const sky::Conjunction& c = sky.conjunctions[std::size_t(i)];
        //: A star in conjunction: %1 the star, %2 the body or angle.
        section.fields << Field{
            Texts::tr("%1 with %2").arg(starNameOf(c.star), pointName(c.with)),
            //: %1 the distance in longitude, %2 the star's place.
            Texts::tr("orb %1, %2")
                .arg(writer.kept(degreesMinutes(c.orbDeg)), writer.zodiac(c.starLongitudeDeg))};
    }
    if (sky.conjunctions.empty())
        section.note =
            Texts::tr("No star of the catalogue is within the orb of a body or an angle.");
    else if (qsizetype(sky.conjunctions.size()) > listed)
        section.fields << Field{
            Texts::tr("More"),
            Texts::tr("%1 wider conjunctions")
                .arg(writer.kept(QString::number(qsizetype(sky.conjunctions.size()) - listed)))};
    return section;
}

SkySection paransSection(const Writer& writer, const QString& starName, const sky::BirthSky& sky,
                         const SkyOptions& options) {
    SkySection section;
    //: The heading of the parans: %1 the tolerance in minutes.
    section.title = Texts::tr("Parans within %1 Minutes")
                        .arg(writer.kept(QString::number(options.paranMinutes)));
    int mine = 0;
    for (const sky::Paran& paran : sky.parans) {
        if (!sky.star || paran.star != sky.star->star)
            continue;
        ++mine;
        //: A paran: %1 the star, %2 what it does, %3 the body, %4 what the body does
        //: ("Regulus rises, Sun culminates").
        section.fields << Field{
            Texts::tr("%1 %2, %3 %4", "paran")
                .arg(starName, eventVerb(paran.starEvent), skynames::bodyName(paran.with),
                     eventVerb(paran.withEvent)),
            //: %1 the time of the star's event, %2 the minutes between the two.
            Texts::tr("%1, %2 minutes apart")
                .arg(writer.time(paran.starJdUt), writer.decimal(paran.minutesApart, 1))};
    }
    //: How many parans the day holds: %1 all of them, %2 those of the reading's star %3.
    section.fields << Field{Texts::tr("All Parans of the Day"),
                            Texts::tr("%1, of which %2 with %3")
                                .arg(writer.kept(QString::number(sky.parans.size())),
                                     writer.kept(QString::number(mine)), starName)};
    return section;
}

}  // namespace

sky::BirthSky workOutSky(const birth::BirthDetails& details, const QString& starName,
                         const SkyOptions& options) {
    const std::optional<birth::Moment> moment =
        birth::momentOfDetails(details, options.resolution).moment;
    const std::string star = starName.toStdString();
    sky::BirthSkyRequest request = birth::skyRequest(details, moment, star);
    request.orbDeg = options.orbDeg;
    request.paranMinutes = options.paranMinutes;
    return sky::birthSky(request);
}

SkyParts skySections(const birth::BirthDetails& details, const QString& starName,
                     const sky::BirthSky& sky, const SkyOptions& options, const QLocale& locale) {
    SkyParts parts;
    const Writer writer(details, locale);
    const birth::MomentResult moment = birth::momentOfDetails(details, options.resolution);
    const bool withLongitude = birth::longitudeOf(details).has_value();
    const bool withDay = withLongitude && birth::dayStartJdUt(details).has_value();

    parts.sections << starSection(writer, details, starName, sky, moment.moment.has_value());
    if (!sky.bodies.empty()) {
        parts.sections << bodiesSection(writer, sky);
        parts.sections << conjunctionsSection(writer, sky, options);
    }
    if (withDay)
        parts.sections << paransSection(writer, starName, sky, options);

    bool dayNoted = false;
    if (moment.question) {
        parts.notes << moment.question->message;
    } else if (!moment.error.isEmpty()) {
        parts.notes << moment.error;
    } else if (!moment.moment && !(details.dateGiven && details.timeGiven)) {
        parts.notes << Texts::tr(
            "Without the date and the time of birth, the bodies, the angles, "
            "the conjunctions and the star at the moment of birth are left "
            "out.");
    } else if (!moment.moment) {
        parts.notes << Texts::tr(
            "Without the zone the birthplace's clocks kept, the bodies, the "
            "angles, the conjunctions, the star at the moment of birth, its "
            "day and the parans are left out.");
        dayNoted = true;
    }
    if (!withLongitude)
        parts.notes << Texts::tr(
            "Without the longitude of the birthplace, the Ascendant, the "
            "Midheaven, the star's day and the parans are left out.");
    else if (!withDay && !dayNoted)
        parts.notes << (details.dateGiven
                            ? Texts::tr("Without the zone the birthplace's clocks kept, the star's "
                                        "day and the parans are left out.")
                            : Texts::tr("Without the date of birth, the star's day and the parans "
                                        "are left out."));
    return parts;
}

}  // namespace document
