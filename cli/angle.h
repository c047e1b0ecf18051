// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An angle as the command line takes it: degrees, minutes and seconds
// ("51:30:26N", "51°30′26″N") or decimal degrees ("-33.87", "33.87S"),
// turned into the three boxes' texts and a side, as the form holds them.

#include <QString>

#include <optional>

namespace asterine::cli {

struct TypedAngle {
    QString degrees;
    QString minutes;
    QString seconds;
    bool negative = false;  // South for a latitude, West for a longitude
};

// Reads `text`, whose sides are `positive` and `negative` ('N' and 'S', or
// 'E' and 'W', in either case). Degrees, minutes and seconds keep their
// digits as given, so that the engine's own checks see what was typed;
// decimal degrees become whole degrees, minutes and seconds as the atlas
// makes them. Nothing when the text is neither.
std::optional<TypedAngle> readAngle(const QString& text, QChar positive, QChar negative);

}  // namespace asterine::cli
