// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A person the checks of documents and of people share: every field given,
// west of Greenwich.

#include "birth/birth_details.h"

namespace asterine::test {

inline birth::BirthDetails AdaLovelace() {
    birth::BirthDetails details;
    details.name = QStringLiteral("ADA LOVELACE");
    details.monthIndex = 11;
    details.day = 10;
    details.year = 1815;
    details.hour = 13;
    details.minute = 5;
    details.second = 0;
    details.city = QStringLiteral("London");
    details.state = QStringLiteral("England");
    details.country = QStringLiteral("United Kingdom");
    details.latitudeDegrees = QStringLiteral("51");
    details.latitudeMinutes = QStringLiteral("30");
    details.latitudeSeconds = QStringLiteral("26");
    details.longitudeDegrees = QStringLiteral("0");
    details.longitudeMinutes = QStringLiteral("7");
    details.longitudeSeconds = QStringLiteral("39");
    details.west = true;
    return details;
}

}  // namespace asterine::test
