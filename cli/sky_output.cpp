// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_output.h"

#include <QDateTime>
#include <QJsonArray>

#include <cmath>

#include "birth/zone.h"

namespace asterine::cli {

namespace {

QString text(std::string_view english) {
    return QString::fromUtf8(english.data(), qsizetype(english.size()));
}

QJsonObject starJson(const sky::ChosenStarSky& chosen) {
    QJsonObject star{
        {QStringLiteral("name"), text(chosen.star->name)},
        {QStringLiteral("right_ascension_deg"), chosen.place.rightAscensionDeg},
        {QStringLiteral("declination_deg"), chosen.place.declinationDeg},
        {QStringLiteral("ecliptic_longitude_deg"), chosen.place.eclipticLongitudeDeg},
        {QStringLiteral("visibility"), text(sky::visibilityName(chosen.visibility))},
        {QStringLiteral("phase"), text(sky::phaseName(chosen.phase.kind))},
    };
    if (chosen.star->hasMagnitude)
        star.insert(QStringLiteral("magnitude"), chosen.star->magnitude);
    if (chosen.day) {
        static constexpr std::pair<sky::EventKind, const char*> events[] = {
            {sky::EventKind::Rises, "rises_ut"},
            {sky::EventKind::Culminates, "culminates_ut"},
            {sky::EventKind::Sets, "sets_ut"},
        };
        for (const auto& [kind, key] : events) {
            const sky::Event& event = (*chosen.day)[kind];
            if (event.status == sky::EventStatus::Happens)
                star.insert(QLatin1String(key), universalIso(event.julianDayUt));
        }
    }
    if (chosen.atBirth) {
        star.insert(QStringLiteral("altitude_deg"), chosen.atBirth->altitudeDeg);
        star.insert(QStringLiteral("azimuth_deg"), chosen.atBirth->azimuthDeg);
    }
    return star;
}

}  // namespace

QString universalIso(double julianDayUt) {
    // Julian day 2440587.5 is 1970-01-01 00:00 UT.
    const qint64 seconds = std::llround((julianDayUt - 2440587.5) * 86400.0);
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
}

QJsonObject momentJson(const birth::Moment& moment) {
    return {
        {QStringLiteral("local"), moment.localIso()},
        {QStringLiteral("zone"), moment.zone.text()},
        {QStringLiteral("utc_offset_seconds"), moment.state.offsetSeconds},
        {QStringLiteral("universal_time"), moment.universalIso()},
        {QStringLiteral("julian_day_ut"), moment.julianDayUt},
        {QStringLiteral("daylight_saving"), moment.state.daylightSaving},
    };
}

QJsonObject skyJson(const sky::BirthSkyRequest& request, const sky::BirthSky& sky) {
    QJsonObject json;
    if (sky.star && sky.star->star)
        json.insert(QStringLiteral("star"), starJson(*sky.star));
    // With a time, the bodies and the conjunctions, even when none is
    // within the orb; with the day at the birthplace, the parans.
    if (request.julianDayUt) {
        QJsonArray bodies;
        for (const sky::BodySky& body : sky.bodies)
            bodies.append(QJsonObject{
                {QStringLiteral("name"), text(sky::bodyName(body.body))},
                {QStringLiteral("ecliptic_longitude_deg"), body.place.eclipticLongitudeDeg},
                {QStringLiteral("right_ascension_deg"), body.place.rightAscensionDeg},
                {QStringLiteral("declination_deg"), body.place.declinationDeg},
            });
        json.insert(QStringLiteral("bodies"), bodies);
        QJsonArray conjunctions;
        for (const sky::Conjunction& conjunction : sky.conjunctions)
            conjunctions.append(QJsonObject{
                {QStringLiteral("star"), text(conjunction.star->name)},
                {QStringLiteral("with"), text(conjunction.with)},
                {QStringLiteral("orb_deg"), conjunction.orbDeg},
            });
        json.insert(QStringLiteral("conjunctions"), conjunctions);
    }
    if (sky.angles)
        json.insert(QStringLiteral("angles"),
                    QJsonObject{{QStringLiteral("ascendant_deg"), sky.angles->ascendantDeg},
                                {QStringLiteral("midheaven_deg"), sky.angles->midheavenDeg}});
    if (request.dayStartJdUt && request.eastLongitudeDeg) {
        QJsonArray parans;
        for (const sky::Paran& paran : sky.parans)
            parans.append(QJsonObject{
                {QStringLiteral("star"), text(paran.star->name)},
                {QStringLiteral("star_event"), text(sky::eventName(paran.starEvent))},
                {QStringLiteral("with"), text(sky::bodyName(paran.with))},
                {QStringLiteral("with_event"), text(sky::eventName(paran.withEvent))},
                {QStringLiteral("ut"), universalIso(paran.starJdUt)},
            });
        json.insert(QStringLiteral("parans"), parans);
    }
    return json;
}

}  // namespace asterine::cli
