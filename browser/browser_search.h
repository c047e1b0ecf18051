// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace asterine {

// The words the built-in browser searches for: "Latitude Longitude " and the
// city, state and country as typed, joined by single blanks.
QString browserSearchPhrase(const QString& city, const QString& state, const QString& country);

}  // namespace asterine
