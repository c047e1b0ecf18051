// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures' words, and the charts as lines of text.

#include "skychart/chart_texts.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

#include "skynames/sky_names.h"

namespace skychart {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SkyChart)
};

QString number(double value) {
    return QString::number(std::lround(value));
}

// An azimuth in whole degrees, 0 (north) to 359.
QString azimuth(double degrees) {
    return QString::number(skynames::wholeAzimuth(degrees));
}

QString bodiesList(const std::vector<sky::Body>& bodies) {
    QStringList names;
    for (sky::Body body : bodies)
        names << skynames::bodyName(body);
    return names.join(QStringLiteral(", "));
}

}  // namespace

QString bodySymbol(sky::Body body) {
    static constexpr std::array<char16_t, 9> symbols{u'\u2609', u'\u263D', u'\u263F',
                                                     u'\u2640', u'\u2642', u'\u2643',
                                                     u'\u2644', u'\u2645', u'\u2646'};
    return QString(QChar(symbols[static_cast<int>(body)]));
}

QString signSymbol(int sign) {
    return QString(QChar(char16_t(0x2648 + ((sign % 12) + 12) % 12)));
}

QString degreeText(double longitudeDeg) {
    return QString::number(skynames::toTheMinute(longitudeDeg).degrees) + QChar(0x00B0);
}

QString degreeMinuteText(double longitudeDeg) {
    return skynames::degreesAndMinutes(skynames::toTheMinute(longitudeDeg));
}

QString zodiacText(double longitudeDeg) {
    const skynames::SignMinutes place = skynames::toTheMinute(longitudeDeg);
    return skynames::signAndDegree(skynames::signName(place.sign),
                                   skynames::degreesAndMinutes(place));
}

QString clockText(double hours) {
    int minutes = int(std::lround(hours * 60.0));
    minutes = ((minutes % 1440) + 1440) % 1440;
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QStringList wheelLines(const ChartData& data) {
    QStringList lines;
    if (data.bodies.empty())
        lines << ChartTexts::noTime();
    for (const WheelBody& body : data.bodies)
        lines << Texts::tr("%1: %2").arg(skynames::bodyName(body.body),
                                         zodiacText(body.longitudeDeg));
    if (data.angles) {
        lines << Texts::tr("Ascendant: %1").arg(zodiacText(data.angles->ascendantDeg));
        lines << Texts::tr("Midheaven: %1").arg(zodiacText(data.angles->midheavenDeg));
    }
    for (const WheelStar& star : data.stars) {
        QString line = star.chosen
                           ? Texts::tr("The reading's star, %1: %2")
                                 .arg(star.name, zodiacText(star.longitudeDeg))
                           : Texts::tr("Star %1: %2").arg(star.name, zodiacText(star.longitudeDeg));
        if (!star.conjunctWith.empty())
            line = Texts::tr("%1, in conjunction with %2").arg(line, bodiesList(star.conjunctWith));
        lines << line;
    }
    return lines;
}

QStringList horizonLines(const ChartData& data) {
    QStringList lines;
    if (!data.day) {
        lines << ChartTexts::noDay();
        return lines;
    }
    const HorizonDay& day = *data.day;
    if (day.starEvents) {
        const QString& name = day.starName;
        const sky::DayEvents& e = *day.starEvents;
        if (e.rises.status == sky::EventStatus::AlwaysAbove) {
            lines << ChartTexts::alwaysAbove(name);
        } else if (e.rises.status == sky::EventStatus::AlwaysBelow) {
            lines << ChartTexts::alwaysBelow(name);
        } else if (e.rises.status == sky::EventStatus::Happens) {
            lines << Texts::tr("%1 rises at %2, azimuth %3°")
                         .arg(name, clockText(hoursOfDay(day, e.rises.julianDayUt)),
                              azimuth(e.rises.azimuthDeg));
        } else {
            lines << Texts::tr("%1 does not rise that day").arg(name);
        }
        if (e.culminates.status == sky::EventStatus::Happens) {
            lines << Texts::tr("%1 culminates at %2, altitude %3°")
                         .arg(name, clockText(hoursOfDay(day, e.culminates.julianDayUt)),
                              number(e.culminates.altitudeDeg));
        }
        if (e.sets.status == sky::EventStatus::Happens) {
            lines << Texts::tr("%1 sets at %2, azimuth %3°")
                         .arg(name, clockText(hoursOfDay(day, e.sets.julianDayUt)),
                              azimuth(e.sets.azimuthDeg));
        } else if (e.sets.status == sky::EventStatus::NotThatDay) {
            lines << Texts::tr("%1 does not set that day").arg(name);
        }
    }
    if (day.sunEvents) {
        const sky::DayEvents& e = *day.sunEvents;
        const QString sun = skynames::bodyName(sky::Body::Sun);
        if (e.rises.status == sky::EventStatus::AlwaysAbove)
            lines << ChartTexts::alwaysAbove(sun);
        else if (e.rises.status == sky::EventStatus::AlwaysBelow)
            lines << ChartTexts::alwaysBelow(sun);
        if (e.rises.status == sky::EventStatus::Happens)
            lines << Texts::tr("%1 rises at %2, azimuth %3°")
                         .arg(sun, clockText(hoursOfDay(day, e.rises.julianDayUt)),
                              azimuth(e.rises.azimuthDeg));
        if (e.sets.status == sky::EventStatus::Happens)
            lines << Texts::tr("%1 sets at %2, azimuth %3°")
                         .arg(sun, clockText(hoursOfDay(day, e.sets.julianDayUt)),
                              azimuth(e.sets.azimuthDeg));
    }
    if (day.birthJdUt && day.birthAltitude) {
        lines << Texts::tr("At the birth, %1: %2 at altitude %3°, azimuth %4°")
                     .arg(clockText(hoursOfDay(day, *day.birthJdUt)), day.starName,
                          number(day.birthAltitude->altitudeDeg),
                          azimuth(day.birthAltitude->azimuthDeg));
    }
    return lines;
}

QStringList chartLines(const ChartData& data) {
    return wheelLines(data) + horizonLines(data);
}

QString ChartTexts::ascendantMark() {
    return QCoreApplication::translate("SkyChart", "AC", "the Ascendant on the wheel");
}

QString ChartTexts::midheavenMark() {
    return QCoreApplication::translate("SkyChart", "MC", "the Midheaven on the wheel");
}

QString ChartTexts::cardinal(int quarter) {
    switch (((quarter % 4) + 4) % 4) {
    case 0:
        return QCoreApplication::translate("SkyChart", "N", "north");
    case 1:
        return QCoreApplication::translate("SkyChart", "E", "east");
    case 2:
        return QCoreApplication::translate("SkyChart", "S", "south");
    default:
        return QCoreApplication::translate("SkyChart", "W", "west");
    }
}

QString ChartTexts::rises(double hours) {
    return QCoreApplication::translate("SkyChart", "rises %1").arg(clockText(hours));
}

QString ChartTexts::culminates(double hours) {
    return QCoreApplication::translate("SkyChart", "culminates %1").arg(clockText(hours));
}

QString ChartTexts::sets(double hours) {
    return QCoreApplication::translate("SkyChart", "sets %1").arg(clockText(hours));
}

QString ChartTexts::birth(double hours) {
    return QCoreApplication::translate("SkyChart", "birth %1").arg(clockText(hours));
}

QString ChartTexts::alwaysAbove(const QString& name) {
    return QCoreApplication::translate("SkyChart", "%1 stays above the horizon all day").arg(name);
}

QString ChartTexts::alwaysBelow(const QString& name) {
    return QCoreApplication::translate("SkyChart", "%1 stays below the horizon all day").arg(name);
}

QString ChartTexts::horizonTitle() {
    return QCoreApplication::translate("SkyChart", "The sky over the birthplace on the birth day");
}

QString ChartTexts::noDay() {
    return QCoreApplication::translate(
        "SkyChart",
        "The birthplace and the day of birth are needed for the sky over the birthplace.");
}

QString ChartTexts::noTime() {
    return QCoreApplication::translate("SkyChart", "The time of birth is needed for the bodies.");
}

}  // namespace skychart
