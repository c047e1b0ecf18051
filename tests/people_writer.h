// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The person number `n` that the writer saves: every field follows from the
// number, so that a person read back whole can be told from one that is not.

#include <QString>

#include "birth/birth_details.h"

// The number written in letters, as the Name box takes them: 0 is A, 9 is J.
inline QString writtenNumber(int n) {
    QString letters = QStringLiteral("%1").arg(n, 8, 10, QLatin1Char('0'));
    for (QChar& c : letters)
        c = QChar(u'A' + (c.unicode() - u'0'));
    return letters;
}

inline int numberWritten(const QString& letters) {
    int n = 0;
    for (const QChar c : letters)
        n = n * 10 + (c.unicode() - u'A');
    return n;
}

inline birth::BirthDetails writtenPerson(int n) {
    birth::BirthDetails d;
    d.name = QStringLiteral("PERSON ") + writtenNumber(n);
    d.monthIndex = n % 12;
    d.day = 1 + n % 28;
    d.year = 1900 + n % 151;
    d.hour = n % 24;
    d.minute = n % 60;
    d.second = (n / 60) % 60;
    d.city = QStringLiteral("City %1").arg(n);
    d.state = QStringLiteral("State %1").arg(n * 7);
    d.country = QStringLiteral("Country %1").arg(n * 13);
    d.latitudeDegrees = QString::number(n % 90);
    d.latitudeMinutes = QString::number(n % 60);
    d.latitudeSeconds = QString::number((n / 7) % 60);
    d.south = n % 2 == 1;
    d.longitudeDegrees = QString::number(n % 180);
    d.longitudeMinutes = QString::number((n / 3) % 60);
    d.longitudeSeconds = QString::number((n / 11) % 60);
    d.west = n % 3 == 1;
    return d;
}
