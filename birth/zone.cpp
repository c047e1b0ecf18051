// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>

namespace birth {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(birth::Zone)
};

// The longest id of the database has 32 characters.
constexpr qsizetype maxIdLength = 64;

// The characters of the database's ids: no blank, no dot, so no way out of
// its folder.
bool looksLikeId(QStringView text) {
    if (text.startsWith(QLatin1Char('/')) || text.endsWith(QLatin1Char('/')))
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('/') ||
               c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('+');
    });
}

QString quoted(QStringView text) {
    return QStringLiteral("“%1”").arg(text);
}

QString unknownZone(QStringView text) {
    return Texts::tr("Unknown time zone %1: give a zone such as Europe/Berlin, LMT or UTC+05:30.")
        .arg(quoted(text));
}

// "+05:30" after "UTC", or alone; `whole` is what the message quotes.
Parsed<int> readOffset(QStringView offset, QStringView whole) {
    static const QRegularExpression pattern(
        QStringLiteral("^([+\\-\\x{2212}])(\\d{1,4})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch match = pattern.match(offset);
    if (!match.hasMatch())
        return {std::nullopt,
                Texts::tr("%1 is not an offset from UTC: write it as +05:30 or -03:00.")
                    .arg(quoted(whole))};
    const int hours = match.capturedView(2).toInt();
    const int minutes = match.hasCaptured(3) ? match.capturedView(3).toInt() : 0;
    if (minutes > 59)
        return {std::nullopt,
                Texts::tr("The offset %1 is not a time: its minutes run from 00 to 59.")
                    .arg(quoted(whole))};
    const int seconds = hours * 3600 + minutes * 60;
    if (seconds > maxOffsetSeconds)
        return {std::nullopt,
                Texts::tr("The offset %1 is out of range: offsets from UTC run from -14:00 to "
                          "+14:00.")
                    .arg(quoted(whole))};
    return {match.capturedView(1) == QLatin1String("+") ? seconds : -seconds, {}};
}

QString signedClock(int seconds, bool padded, bool dropZeroMinutes) {
    const int magnitude = std::abs(seconds);
    const int hours = magnitude / 3600;
    const int minutes = magnitude / 60 % 60;
    const int rest = magnitude % 60;
    QString text = QLatin1String(seconds < 0 ? "-" : "+") +
                   QString::number(hours).rightJustified(padded ? 2 : 1, QLatin1Char('0'));
    if (dropZeroMinutes && minutes == 0 && rest == 0)
        return text;
    text += QLatin1Char(':') + QString::number(minutes).rightJustified(2, QLatin1Char('0'));
    if (rest != 0)
        text += QLatin1Char(':') + QString::number(rest).rightJustified(2, QLatin1Char('0'));
    return text;
}

QString folded(QStringView text) {
    QString result = text.toString().toCaseFolded();
    result.replace(QLatin1Char('_'), QLatin1Char(' '));
    return result;
}

}  // namespace

QString Zone::text() const {
    switch (kind) {
    case Kind::Iana:
        return QString::fromLatin1(ianaId);
    case Kind::LocalMeanTime:
        return QStringLiteral("LMT");
    case Kind::FixedOffset:
        return offsetText(offsetSeconds);
    }
    return {};
}

QString Zone::label() const {
    if (kind == Kind::LocalMeanTime)
        return Texts::tr("Local mean time");
    return text();
}

Parsed<Zone> parseZone(QStringView text) {
    const QStringView given = text.trimmed();
    if (given.isEmpty())
        return {std::nullopt, Texts::tr("No time zone was given: give a zone such as "
                                        "Europe/Berlin, LMT or UTC+05:30.")};
    if (given.size() > maxIdLength)
        return {std::nullopt, Texts::tr("The time zone given is too long to be one (%1 characters; "
                                        "a zone's name has at most %2).")
                                  .arg(given.size())
                                  .arg(maxIdLength)};
    if (given.compare(QLatin1String("LMT"), Qt::CaseInsensitive) == 0)
        return {Zone::localMeanTime(), {}};
    if (given.size() > 3 &&
        given.first(3).compare(QLatin1String("UTC"), Qt::CaseInsensitive) == 0) {
        const Parsed<int> offset = readOffset(given.sliced(3), given);
        if (!offset.value)
            return {std::nullopt, offset.error};
        return {Zone::fixedOffset(*offset.value), {}};
    }
    if (!looksLikeId(given))
        return {std::nullopt, unknownZone(given)};
    const QByteArray id = given.toLatin1();
    if (QTimeZone(id).isValid())
        return {Zone::iana(id), {}};
    // "europe/berlin" is Europe/Berlin.
    for (const QString& known : zoneIds()) {
        if (known.compare(given, Qt::CaseInsensitive) == 0)
            return {Zone::iana(known.toLatin1()), {}};
    }
    return {std::nullopt, unknownZone(given)};
}

Parsed<int> parseOffset(QStringView text) {
    QStringView given = text.trimmed();
    if (given.size() > 16)
        return {std::nullopt,
                Texts::tr("The offset given is too long to be one: write it as +05:30 or -03:00.")};
    if (given.startsWith(QLatin1String("UTC"), Qt::CaseInsensitive))
        return readOffset(given.sliced(3), given);
    return readOffset(given, given);
}

Parsed<bool> parseDaylightSaving(QStringView text) {
    const QStringView given = text.trimmed();
    if (given.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0)
        return {true, {}};
    if (given.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0)
        return {false, {}};
    return {std::nullopt,
            Texts::tr("Daylight saving is yes or no, not %1.").arg(quoted(given.left(16)))};
}

QString offsetText(int seconds) {
    return QLatin1String("UTC") + signedClock(seconds, true, false);
}

QString shortOffsetText(int seconds) {
    if (seconds == 0)
        return QStringLiteral("UTC");
    return QLatin1String("UTC") + signedClock(seconds, false, true);
}

const QStringList& zoneIds() {
    static const QStringList ids = [] {
        static const QRegularExpression offsetId(QStringLiteral("^UTC[+-]"));
        QStringList result;
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
            const QString text = QString::fromLatin1(id);
            // Qt's own names of fixed offsets; the program writes those itself.
            if (!offsetId.match(text).hasMatch())
                result.append(text);
        }
        result.sort();
        result.removeDuplicates();
        return result;
    }();
    return ids;
}

QStringList zoneIdsMatching(const QStringList& ids, QStringView typed) {
    const QStringList words = folded(typed).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList result;
    for (const QString& id : ids) {
        const QString name = folded(id);
        if (std::all_of(words.begin(), words.end(),
                        [&name](const QString& word) { return name.contains(word); }))
            result.append(id);
    }
    return result;
}

}  // namespace birth
