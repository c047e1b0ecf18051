// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the sky the document and the pictures share.

#include "skynames/sky_names.h"

#include <QCoreApplication>

#include <cmath>

namespace skynames {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(skynames::SkyNames)
};

}  // namespace

QString signName(int sign) {
    switch (((sign % 12) + 12) % 12) {
    case 0:
        return Texts::tr("Aries");
    case 1:
        return Texts::tr("Taurus");
    case 2:
        return Texts::tr("Gemini");
    case 3:
        return Texts::tr("Cancer");
    case 4:
        return Texts::tr("Leo");
    case 5:
        return Texts::tr("Virgo");
    case 6:
        return Texts::tr("Libra");
    case 7:
        return Texts::tr("Scorpio");
    case 8:
        return Texts::tr("Sagittarius");
    case 9:
        return Texts::tr("Capricorn");
    case 10:
        return Texts::tr("Aquarius");
    default:
        return Texts::tr("Pisces");
    }
}

QString bodyName(sky::Body body) {
    switch (body) {
    case sky::Body::Sun:
        return Texts::tr("Sun");
    case sky::Body::Moon:
        return Texts::tr("Moon");
    case sky::Body::Mercury:
        return Texts::tr("Mercury");
    case sky::Body::Venus:
        return Texts::tr("Venus");
    case sky::Body::Mars:
        return Texts::tr("Mars");
    case sky::Body::Jupiter:
        return Texts::tr("Jupiter");
    case sky::Body::Saturn:
        return Texts::tr("Saturn");
    case sky::Body::Uranus:
        return Texts::tr("Uranus");
    case sky::Body::Neptune:
        return Texts::tr("Neptune");
    }
    return {};
}

QString signAndDegree(const QString& sign, const QString& degrees) {
    //: A place in the zodiac: %1 the sign, %2 its degrees and minutes ("Leo 29°50′").
    return Texts::tr("%1 %2", "sign and degree").arg(sign, degrees);
}

SignMinutes toTheMinute(double longitudeDeg) {
    const qint64 minutes = std::llround(sky::normalized360(longitudeDeg) * 60.0) % (360 * 60);
    return {int(minutes / (30 * 60)), int(minutes % (30 * 60) / 60), int(minutes % 60)};
}

QString degreesAndMinutes(SignMinutes place) {
    return QString::number(place.degrees) + QChar(0x00b0) +
           QStringLiteral("%1").arg(place.minutes, 2, 10, QLatin1Char('0')) + QChar(0x2032);
}

int wholeAzimuth(double azimuthDeg) {
    return int(((std::lround(azimuthDeg) % 360) + 360) % 360);
}

}  // namespace skynames
