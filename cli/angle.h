// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An angle as the command line takes it, written as people write one:
// degrees, minutes and seconds ("51:30:26N", "51°30′26″N", "51 30 N",
// "51°30.5'N", "N51.5") or decimal degrees ("-33.87", "33.87S"), in the
// digits of any script and with the locale's decimal separator; turned into
// the three boxes' texts and a side, as the form holds them.

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
// 'E' and 'W', in either case), before or after the number. A minus sign
// (the ASCII one or U+2212) means the negative side, and cannot be given
// with a side letter. `decimalPoint` is the locale's decimal separator,
// taken besides the full stop.
//
// Degrees, minutes and seconds keep their digits as given (in ASCII), so
// that the engine's own checks see what was typed; decimal minutes keep
// their whole minutes and give the rest as seconds; decimal degrees become
// whole degrees, minutes and seconds as the atlas makes them. Nothing when
// the text is none of these.
std::optional<TypedAngle> readAngle(const QString& text, QChar positive, QChar negative,
                                    const QString& decimalPoint = QStringLiteral("."));

}  // namespace asterine::cli
