// SPDX-License-Identifier: GPL-3.0-or-later
#include "angle.h"

#include <QRegularExpression>

#include <cmath>

#include "atlas/atlas.h"

namespace asterine::cli {

namespace {

// The text with each character people use for the same thing made one:
// digits of every script as ASCII digits, every blank a space, minus signs
// and dashes "-", the decimal separator ".", and the marks of degrees,
// minutes and seconds "°", "'" and "\"" (two minute marks are a second mark).
QString plainAngle(const QString& text, const QString& decimalPoint) {
    const QChar localPoint = decimalPoint.size() == 1 ? decimalPoint.front() : QLatin1Char('.');
    QString plain;
    for (const char32_t code : text.toUcs4()) {
        if (QChar::category(code) == QChar::Number_DecimalDigit && QChar::digitValue(code) >= 0) {
            plain += QLatin1Char(char('0' + QChar::digitValue(code)));
            continue;
        }
        if (QChar::isSpace(code)) {
            plain += QLatin1Char(' ');
            continue;
        }
        switch (code) {
        case U'\u2212':  // minus sign
        case U'\u2013':  // en dash
        case U'\ufe63':  // small hyphen-minus
        case U'\uff0d':  // fullwidth hyphen-minus
            plain += QLatin1Char('-');
            continue;
        case U'\uff0b':  // fullwidth plus sign
            plain += QLatin1Char('+');
            continue;
        case U'\u066b':  // Arabic decimal separator
            plain += QLatin1Char('.');
            continue;
        case U'\u00ba':  // masculine ordinal indicator, on Spanish and Portuguese keyboards
        case U'\u02da':  // ring above
            plain += QChar(u'\u00b0');
            continue;
        case U'\u2032':  // prime
        case U'\u2018':
        case U'\u2019':
        case U'\u00b4':  // acute accent
        case U'\u02b9':  // modifier letter prime
            plain += QLatin1Char('\'');
            continue;
        case U'\u2033':  // double prime
        case U'\u201c':
        case U'\u201d':
        case U'\u02ba':  // modifier letter double prime
            plain += QLatin1Char('"');
            continue;
        default:
            break;
        }
        if (localPoint != QLatin1Char('.') && code == localPoint.unicode()) {
            plain += QLatin1Char('.');
            continue;
        }
        plain += QString::fromUcs4(&code, 1);
    }
    plain.replace(QLatin1String("''"), QLatin1String("\""));
    return plain.trimmed();
}

// A side letter at the front or the back of `rest`, taken off it.
// Nothing when there is none; false (positive) or true (negative) when
// there is one; an error when there are two.
struct Side {
    bool given = false;
    bool negative = false;
    bool twice = false;
};

Side takeSide(QString& rest, QChar positive, QChar negative) {
    Side side;
    const auto take = [&](QChar letter) {
        const QChar upper = letter.toUpper();
        if (upper != positive.toUpper() && upper != negative.toUpper())
            return false;
        side.twice = side.given;
        side.given = true;
        side.negative = upper == negative.toUpper();
        return true;
    };
    if (!rest.isEmpty() && take(rest.front()))
        rest = rest.mid(1).trimmed();
    if (!rest.isEmpty() && take(rest.back())) {
        rest.chop(1);
        rest = rest.trimmed();
    }
    return side;
}

// Seconds to two decimals at most, without trailing zeros: "30", "7.38".
QString secondsText(double seconds) {
    QString text = QString::number(seconds, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

}  // namespace

std::optional<TypedAngle> readAngle(const QString& text, QChar positive, QChar negative,
                                    const QString& decimalPoint) {
    if (text.size() > 64)
        return std::nullopt;
    QString rest = plainAngle(text, decimalPoint);
    const Side side = takeSide(rest, positive, negative);
    if (side.twice)
        return std::nullopt;
    bool minus = false;
    if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) {
        minus = rest.front() == QLatin1Char('-');
        rest = rest.mid(1).trimmed();
    }
    // "-33.87S" says south twice, or north and south at once.
    if (minus && side.given)
        return std::nullopt;
    const bool negativeSide = minus || side.negative;

    // Degrees and minutes, with or without seconds: "51:30:26", "51:30",
    // "51°30′26″", "51° 30' 26\"", "51 30 26", "51°30.5'".
    static const QRegularExpression withSeconds(QStringLiteral(
        "^(\\d+)(?:\\s*[\u00b0:]\\s*|\\s+)(\\d+)(?:\\s*[':]\\s*|\\s+)(\\d+(?:\\.\\d+)?)\\s*\"?$"));
    static const QRegularExpression withMinutes(
        QStringLiteral("^(\\d+)(?:\\s*[\u00b0:]\\s*|\\s+)(\\d+)(\\.\\d+)?\\s*'?$"));
    if (const QRegularExpressionMatch match = withSeconds.match(rest); match.hasMatch())
        return TypedAngle{match.captured(1), match.captured(2), match.captured(3), negativeSide};
    if (const QRegularExpressionMatch match = withMinutes.match(rest); match.hasMatch()) {
        QString minutes = match.captured(2);
        double seconds = 0.0;
        if (match.hasCaptured(3))
            seconds = std::round(match.captured(3).toDouble() * 6000.0) / 100.0;
        if (seconds >= 60.0) {  // 30.9999' is 31'
            minutes = QString::number(minutes.toInt() + 1);
            seconds = 0.0;
        }
        return TypedAngle{match.captured(1), minutes, secondsText(seconds), negativeSide};
    }

    // Decimal degrees, with or without the degree sign: "51.5", "51°".
    static const QRegularExpression decimal(
        QStringLiteral("^(\\d+(?:\\.\\d*)?|\\.\\d+)\\s*\u00b0?$"));
    const QRegularExpressionMatch match = decimal.match(rest);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double magnitude = match.captured(1).toDouble(&ok);
    if (!ok || !std::isfinite(magnitude))
        return std::nullopt;
    const double value = negativeSide ? -magnitude : magnitude;
    // Beyond what three digits of degrees hold, the degrees go on as they
    // are, for the engine to refuse as it refuses the box.
    if (magnitude >= 1000.0)
        return TypedAngle{QString::number(std::floor(magnitude), 'f', 0), QStringLiteral("0"),
                          QStringLiteral("0"), negativeSide};
    const atlas::Dms dms = atlas::toDms(value);
    return TypedAngle{QString::number(dms.degrees), QString::number(dms.minutes),
                      QString::number(dms.seconds), dms.negative};
}

}  // namespace asterine::cli
