// SPDX-License-Identifier: GPL-3.0-or-later
#include "details_moment.h"

#include <cmath>

namespace birth {

namespace {

// Degrees, minutes and seconds as the boxes hold them, with the side.
std::optional<double> angleOf(const QString& degrees, const QString& minutes,
                              const QString& seconds, bool negative) {
    if (degrees.trimmed().isEmpty())
        return std::nullopt;
    double parts[3] = {0, 0, 0};
    const QString* texts[3] = {&degrees, &minutes, &seconds};
    for (int i = 0; i < 3; ++i) {
        const QString text = texts[i]->trimmed();
        if (text.isEmpty())
            continue;
        bool ok = false;
        parts[i] = text.toDouble(&ok);
        if (!ok || !std::isfinite(parts[i]) || parts[i] < 0)
            return std::nullopt;
    }
    const double value = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    return negative ? -value : value;
}

}  // namespace

std::optional<double> latitudeOf(const BirthDetails& details) {
    const std::optional<double> value = angleOf(details.latitudeDegrees, details.latitudeMinutes,
                                                details.latitudeSeconds, details.south);
    if (value && std::abs(*value) > 90.0)
        return std::nullopt;
    return value;
}

std::optional<double> longitudeOf(const BirthDetails& details) {
    const std::optional<double> value = angleOf(details.longitudeDegrees, details.longitudeMinutes,
                                                details.longitudeSeconds, details.west);
    if (value && std::abs(*value) > 180.0)
        return std::nullopt;
    return value;
}

Parsed<Zone> zoneOf(const BirthDetails& details) {
    if (details.zone.trimmed().isEmpty())
        return {};
    return parseZone(details.zone);
}

MomentResult momentOfDetails(const BirthDetails& details, const Resolution& resolution) {
    if (!details.dateGiven || !details.timeGiven)
        return {};
    const Parsed<Zone> zone = zoneOf(details);
    if (!zone.value)
        return {std::nullopt, std::nullopt, zone.error};
    const BirthClock clock{QDate(details.year, details.monthIndex + 1, details.day),
                           QTime(details.hour, details.minute, details.second), *zone.value,
                           longitudeOf(details)};
    Resolution answered = resolution;
    if (!answered.offsetSeconds)
        answered.offsetSeconds = details.utcOffsetSeconds;
    return momentOf(clock, answered);
}

std::optional<double> dayStartJdUt(const BirthDetails& details) {
    if (!details.dateGiven)
        return std::nullopt;
    const Parsed<Zone> zone = zoneOf(details);
    if (!zone.value)
        return std::nullopt;
    const std::optional<double> longitude = longitudeOf(details);
    if (zone.value->kind == Zone::Kind::LocalMeanTime && !longitude)
        return std::nullopt;
    const QDate date(details.year, details.monthIndex + 1, details.day);
    if (!date.isValid())
        return std::nullopt;
    // Midnight read as UT, then moved by the offset the clocks kept then:
    // once with the offset of the midnight so placed, and again with the
    // offset found there, so that a change of the clocks during the night
    // before is taken into account.
    const QDateTime midnight(date, QTime(0, 0), Qt::UTC);
    const double east = longitude.value_or(0.0);
    int offset = zoneStateAt(*zone.value, midnight, east).offsetSeconds;
    for (int round = 0; round < 2; ++round) {
        const int found = zoneStateAt(*zone.value, midnight.addSecs(-offset), east).offsetSeconds;
        if (found == offset)
            break;
        offset = found;
    }
    return julianDay(midnight.addSecs(-offset));
}

sky::BirthSkyRequest skyRequest(const BirthDetails& details, const std::optional<Moment>& moment,
                                std::string_view star) {
    sky::BirthSkyRequest request;
    request.year = details.year;
    request.latitudeDeg = latitudeOf(details).value_or(0.0);
    request.eastLongitudeDeg = longitudeOf(details);
    if (moment)
        request.julianDayUt = moment->julianDayUt;
    request.dayStartJdUt = dayStartJdUt(details);
    request.chosenStar = star;
    return request;
}

}  // namespace birth
