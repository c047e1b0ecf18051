// SPDX-License-Identifier: GPL-3.0-or-later
#include "angle.h"

#include <QRegularExpression>

#include <cmath>

#include "atlas/atlas.h"

namespace asterine::cli {

std::optional<TypedAngle> readAngle(const QString& text, QChar positive, QChar negative) {
    QString rest = text.trimmed();
    if (rest.isEmpty() || rest.size() > 64)
        return std::nullopt;
    // A side letter at the end.
    std::optional<bool> side;
    const QChar last = rest.back().toUpper();
    if (last == positive.toUpper() || last == negative.toUpper()) {
        side = last == negative.toUpper();
        rest.chop(1);
        rest = rest.trimmed();
    }

    // Degrees, minutes and seconds: "51:30:26", "51:30", "51°30′26″",
    // "51° 30' 26\"".
    static const QRegularExpression separated(QStringLiteral(
        "^(\\d+)\\s*(?::|\u00b0)\\s*(\\d+)\\s*(?:(?::|\u2032|')\\s*(\\d+)\\s*(?:\u2033|\")?|"
        "\u2032|')?$"));
    if (const QRegularExpressionMatch match = separated.match(rest); match.hasMatch()) {
        TypedAngle angle{match.captured(1), match.captured(2),
                         match.captured(3).isEmpty() ? QStringLiteral("0") : match.captured(3),
                         side.value_or(false)};
        return angle;
    }

    // Decimal degrees, signed or with a side.
    static const QRegularExpression decimal(QStringLiteral("^[-+]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    if (!decimal.match(rest).hasMatch())
        return std::nullopt;
    bool ok = false;
    double value = rest.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    if (side) {
        if (value < 0)
            return std::nullopt;  // "-33.87S" says south twice, or north and south at once
        value = *side ? -value : value;
    }
    // Beyond what three digits of degrees hold, the degrees go on as they
    // are, for the engine to refuse as it refuses the box.
    if (std::fabs(value) >= 1000.0)
        return TypedAngle{QString::number(std::floor(std::fabs(value)), 'f', 0),
                          QStringLiteral("0"), QStringLiteral("0"), value < 0};
    const atlas::Dms dms = atlas::toDms(value);
    return TypedAngle{QString::number(dms.degrees), QString::number(dms.minutes),
                      QString::number(dms.seconds), dms.negative};
}

}  // namespace asterine::cli
