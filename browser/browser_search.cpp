// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser_search.h"

namespace asterine {

QString browserSearchPhrase(const QString& city, const QString& state, const QString& country) {
    return QStringLiteral("Latitude Longitude ") + city + QLatin1Char(' ') + state +
           QLatin1Char(' ') + country;
}

}  // namespace asterine
