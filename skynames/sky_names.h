// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of the sky that the document and the pictures both speak: the
// signs of the zodiac, the bodies, a place in a sign, and an azimuth to the
// whole degree. Qt Core only.

#include <QString>

#include "sky/positions.h"

namespace skynames {

// "Aries", translated; any whole number counts round the twelve signs.
QString signName(int sign);
// "Sun", translated.
QString bodyName(sky::Body body);
// A place in the zodiac, "Leo 29°50′", from the sign's name and the
// degrees within it as the caller writes them.
QString signAndDegree(const QString& sign, const QString& degrees);
// A longitude in its sign to the nearest minute of arc, as every text of a
// place in the zodiac shows it: 29°59.7′ of Leo is 0°00′ of Virgo.
struct SignMinutes {
    int sign = 0;  // 0 Aries ... 11 Pisces
    int degrees = 0;
    int minutes = 0;
};
SignMinutes toTheMinute(double longitudeDeg);
// "12°05′".
QString degreesAndMinutes(SignMinutes place);

// An azimuth to the whole degree, from 0 (north) to 359: a direction a
// hair west of north is 0, never 360.
int wholeAzimuth(double azimuthDeg);

}  // namespace skynames
