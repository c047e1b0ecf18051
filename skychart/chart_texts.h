// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures' words and symbols, and the charts as plain lines for those
// who cannot see them (screen readers, a copy as text). The names of the
// signs and the bodies are the document's too: skynames/sky_names.h.

#include <QString>
#include <QStringList>

#include "skychart/chart_data.h"

namespace skychart {

QString bodySymbol(sky::Body body);  // "☉"
QString signSymbol(int sign);        // "♈"
// A longitude's degree within its sign, "12°"; with its minutes, "12°34′".
QString degreeText(double longitudeDeg);
QString degreeMinuteText(double longitudeDeg);
// A longitude in its sign, "Aries 12°34′".
QString zodiacText(double longitudeDeg);
// A time of the day from the hours since local midnight, "06:05".
QString clockText(double hours);

// The wheel and the horizon as lines of plain text: every body with its sign
// and degree, the angles, the marked stars; the reading's star's day and the
// Sun's.
QStringList wheelLines(const ChartData& data);
QStringList horizonLines(const ChartData& data);
// Both.
QStringList chartLines(const ChartData& data);

// The texts the pictures draw.
struct ChartTexts {
    static QString ascendantMark();
    static QString midheavenMark();
    static QString cardinal(int quarter);  // 0 north, 1 east, 2 south, 3 west
    static QString rises(double hours);
    static QString culminates(double hours);
    static QString sets(double hours);
    static QString birth(double hours);
    static QString alwaysAbove(const QString& name);
    static QString alwaysBelow(const QString& name);
    static QString horizonTitle();
    static QString noDay();
    static QString noTime();
};

}  // namespace skychart
