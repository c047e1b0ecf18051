// SPDX-License-Identifier: GPL-3.0-or-later
#include "moment.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cmath>
#include <vector>

namespace birth {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(birth::Moment)
};

constexpr qint64 secondsPerDay = 86400;

QDateTime universalAt(qint64 seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

ZoneState localMeanTimeState(double longitude) {
    const int offset = localMeanTimeOffset(longitude);
    return {offset, offset, false, QStringLiteral("LMT")};
}

ZoneState stateOf(const QTimeZone::OffsetData& data, double longitude) {
    // tzdata's LMT is its reference city's; the birthplace has its own.
    if (data.abbreviation == QLatin1String("LMT"))
        return localMeanTimeState(longitude);
    return {data.offsetFromUtc, data.standardTimeOffset, data.daylightTimeOffset != 0,
            data.abbreviation};
}

// From `start` (seconds of UT since 1970) until the next span, the zone's
// clocks stood as `state` says.
struct Span {
    qint64 start;
    ZoneState state;
};

// The spans of `zone` over the seconds [from, to], the first one holding at
// `from`; empty for an IANA id the system does not have.
std::vector<Span> spansOver(const Zone& zone, qint64 from, qint64 to, double longitude) {
    switch (zone.kind) {
    case Zone::Kind::LocalMeanTime:
        return {{from, localMeanTimeState(longitude)}};
    case Zone::Kind::FixedOffset:
        return {{from, {zone.offsetSeconds, zone.offsetSeconds, false, {}}}};
    case Zone::Kind::Iana:
        break;
    }
    const QTimeZone tz(zone.ianaId);
    if (!tz.isValid())
        return {};
    if (!tz.hasTransitions()) {
        // "UTC" and its like: Qt answers each question apart.
        const QDateTime at = universalAt(from);
        return {{from,
                 {tz.offsetFromUtc(at), tz.standardTimeOffset(at), tz.isDaylightTime(at),
                  tz.abbreviation(at)}}};
    }
    // Before its first change the zone had no standard time: the sun's.
    static const QDateTime longAgo(QDate(1000, 1, 1), QTime(0, 0), Qt::UTC);
    const QTimeZone::OffsetData first = tz.nextTransition(longAgo);
    const bool beforeStandardTime = first.atUtc.isValid() && first.atUtc.toSecsSinceEpoch() > from;
    std::vector<Span> spans{{from, beforeStandardTime
                                       ? localMeanTimeState(longitude)
                                       : stateOf(tz.offsetData(universalAt(from)), longitude)}};
    for (const QTimeZone::OffsetData& change :
         tz.transitions(universalAt(from + 1), universalAt(to))) {
        spans.push_back({change.atUtc.toSecsSinceEpoch(), stateOf(change, longitude)});
    }
    return spans;
}

// tzdata's "negative" daylight saving: clocks put back from a standard
// time kept in summer (Ireland's winter, Morocco's Ramadan). Whether such
// clocks were "on daylight saving" is not what a record's yes or no means.
bool behindStandardTime(const ZoneState& state) {
    return state.daylightSaving && state.offsetSeconds < state.standardOffsetSeconds;
}

bool isNamed(const QString& abbreviation) {
    return !abbreviation.isEmpty() && abbreviation.front().isLetter();
}

QString clockText(const QTime& time, bool withSeconds) {
    return time.toString(withSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

// "01:30 CEST (UTC+2)": one reading of a clock time.
QString readingText(const QTime& time, const ZoneState& state) {
    QString text = clockText(time, time.second() != 0);
    if (isNamed(state.abbreviation))
        text += QLatin1Char(' ') + state.abbreviation;
    return text + QLatin1String(" (") + shortOffsetText(state.offsetSeconds) + QLatin1Char(')');
}

// The readings of a clock time (`clock`, its seconds counted as if it were
// UT) in the zone: none, one, or two in the order they happened; for none,
// the spans before and after the change that skipped it.
struct Readings {
    std::vector<ZoneState> states;
    std::optional<std::pair<ZoneState, ZoneState>> skipped;
};

Readings readingsOf(const std::vector<Span>& spans, qint64 clock) {
    Readings readings;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const qint64 universal = clock - spans[i].state.offsetSeconds;
        const bool afterStart = i == 0 || universal >= spans[i].start;
        const bool beforeEnd = i + 1 == spans.size() || universal < spans[i + 1].start;
        if (afterStart && beforeEnd)
            readings.states.push_back(spans[i].state);
    }
    if (!readings.states.empty())
        return readings;
    for (std::size_t i = 1; i < spans.size(); ++i) {
        const ZoneState& before = spans[i - 1].state;
        const ZoneState& after = spans[i].state;
        if (spans[i].start + before.offsetSeconds <= clock &&
            clock < spans[i].start + after.offsetSeconds) {
            readings.skipped = std::pair{before, after};
            break;
        }
    }
    return readings;
}

Moment makeMoment(const BirthClock& clock, qint64 clockSeconds, const ZoneState& state) {
    Moment moment{
        clock.date, clock.time, clock.zone, state, universalAt(clockSeconds - state.offsetSeconds),
        0.0};
    moment.julianDayUt = julianDay(moment.universalTime);
    return moment;
}

ClockQuestion makeQuestion(const BirthClock& clock, ClockQuestion::Kind kind,
                           const ZoneState& before, const ZoneState& after) {
    ClockQuestion question{kind,
                           before,
                           after,
                           {},
                           {},
                           readingText(clock.time, before),
                           readingText(clock.time, after)};
    question.choices =
        Texts::tr("%1 or %2").arg(readingText(clock.time, before), readingText(clock.time, after));
    const QString time = clockText(clock.time, clock.time.second() != 0);
    const QString date = clock.date.toString(Qt::ISODate);
    question.message = kind == ClockQuestion::Kind::Skipped
                           ? Texts::tr("The clocks of %1 skipped %2 on %3: was it %4?")
                                 .arg(clock.zone.label(), time, date, question.choices)
                           : Texts::tr("The clocks of %1 showed %2 twice on %3: was it %4?")
                                 .arg(clock.zone.label(), time, date, question.choices);
    return question;
}

QString noReading(const Zone& zone) {
    return Texts::tr("The time zone %1 gives no reading of this clock time.").arg(zone.label());
}

}  // namespace

QString Moment::localIso() const {
    return date.toString(Qt::ISODate) + QLatin1Char('T') +
           time.toString(QStringLiteral("HH:mm:ss"));
}

QString Moment::universalIso() const {
    return universalTime.date().toString(Qt::ISODate) + QLatin1Char('T') +
           universalTime.time().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char('Z');
}

QString Moment::text() const {
    const bool withSeconds = time.second() != 0 || universalTime.time().second() != 0;
    QString local = clockText(time, withSeconds);
    if (isNamed(state.abbreviation))
        local += QLatin1Char(' ') + state.abbreviation;
    local += QLatin1String(" (") + offsetText(state.offsetSeconds) + QLatin1Char(')');
    return Texts::tr("%1 · %2 UT").arg(local, clockText(universalTime.time(), withSeconds));
}

int localMeanTimeOffset(double longitude) {
    return static_cast<int>(std::lround(longitude * 240.0));
}

double julianDay(const QDateTime& universal) {
    return 2440587.5 + static_cast<double>(universal.toMSecsSinceEpoch()) / 86400000.0;
}

ZoneState zoneStateAt(const Zone& zone, const QDateTime& universal, double longitude) {
    const qint64 at = universal.toSecsSinceEpoch();
    const std::vector<Span> spans = spansOver(zone, at, at, longitude);
    return spans.empty() ? ZoneState{} : spans.front().state;
}

MomentResult momentOf(const BirthClock& clock, const Resolution& resolution) {
    if (!clock.date.isValid() || !clock.time.isValid())
        return {std::nullopt, std::nullopt,
                Texts::tr("The moment of birth needs its date and its time.")};
    if (clock.longitude && !(std::abs(*clock.longitude) <= 180.0))
        return {std::nullopt, std::nullopt,
                Texts::tr("The longitude %1 is out of range: longitudes run from 180° west to "
                          "180° east.")
                    .arg(*clock.longitude)};
    const double longitude = clock.longitude.value_or(0.0);
    // Local mean time read at a longitude nobody gave is no reading at all.
    const auto unknownSun = [&clock](const ZoneState& state) {
        return !clock.longitude && state.abbreviation == QLatin1String("LMT");
    };
    const QString sunNeeded =
        Texts::tr(
            "The clocks of %1 kept local mean time then, which needs the birthplace's "
            "longitude.")
            .arg(clock.zone.label());
    if (resolution.offsetSeconds && std::abs(*resolution.offsetSeconds) > maxOffsetSeconds)
        return {std::nullopt, std::nullopt,
                parseOffset(offsetText(*resolution.offsetSeconds)).error};

    // The clock's reading counted as if it were UT; every offset a zone has
    // ever had is less than a day, so two days either side hold every span
    // that can have shown it.
    const qint64 clockSeconds = QDateTime(clock.date, clock.time, Qt::UTC).toSecsSinceEpoch();
    const std::vector<Span> spans = spansOver(clock.zone, clockSeconds - 2 * secondsPerDay,
                                              clockSeconds + 2 * secondsPerDay, longitude);
    if (spans.empty()) {
        const QString unknown = parseZone(clock.zone.text()).error;
        return {std::nullopt, std::nullopt, unknown.isEmpty() ? noReading(clock.zone) : unknown};
    }
    const Readings readings = readingsOf(spans, clockSeconds);
    std::vector<ZoneState> candidates = readings.states;
    if (readings.skipped)
        candidates = {readings.skipped->first, readings.skipped->second};

    if (resolution.offsetSeconds) {
        const int offset = *resolution.offsetSeconds;
        std::optional<ZoneState> state;
        for (const ZoneState& candidate : candidates) {
            if (candidate.offsetSeconds == offset && !state && !unknownSun(candidate))
                state = candidate;
        }
        if (!state) {
            // An offset the zone did not have then: a record that knows better.
            const ZoneState zone =
                zoneStateAt(clock.zone, universalAt(clockSeconds - offset), longitude);
            state = ZoneState{offset,
                              zone.standardOffsetSeconds,
                              !unknownSun(zone) && offset > zone.standardOffsetSeconds,
                              {}};
        }
        if (resolution.daylightSaving)
            state->daylightSaving = *resolution.daylightSaving;
        return {makeMoment(clock, clockSeconds, *state), std::nullopt, {}};
    }

    if (readings.states.size() == 1) {
        const ZoneState& state = readings.states.front();
        if (unknownSun(state))
            return {std::nullopt, std::nullopt, sunNeeded};
        if (resolution.daylightSaving && *resolution.daylightSaving != state.daylightSaving &&
            !behindStandardTime(state)) {
            const QString reading = readingText(clock.time, state);
            const QString date = clock.date.toString(Qt::ISODate);
            return {std::nullopt, std::nullopt,
                    state.daylightSaving
                        ? Texts::tr("Daylight saving was in force in %1 on %2: the clocks showed "
                                    "%3.")
                              .arg(clock.zone.label(), date, reading)
                        : Texts::tr("Daylight saving was not in force in %1 on %2: the clocks "
                                    "showed %3.")
                              .arg(clock.zone.label(), date, reading)};
        }
        return {makeMoment(clock, clockSeconds, state), std::nullopt, {}};
    }

    if (candidates.size() < 2)
        return {std::nullopt, std::nullopt, noReading(clock.zone)};
    const ClockQuestion question = makeQuestion(
        clock, readings.skipped ? ClockQuestion::Kind::Skipped : ClockQuestion::Kind::Repeated,
        candidates.front(), candidates.back());
    if (unknownSun(question.before) || unknownSun(question.after))
        return {std::nullopt, std::nullopt, sunNeeded};
    if (!resolution.daylightSaving)
        return {std::nullopt, question, {}};
    const bool wanted = *resolution.daylightSaving;
    if (question.before.daylightSaving == question.after.daylightSaving ||
        behindStandardTime(question.before) || behindStandardTime(question.after))
        return {std::nullopt, question,
                Texts::tr("Daylight saving does not tell %1 apart: give the offset in force.")
                    .arg(question.choices)};
    const ZoneState& chosen =
        question.before.daylightSaving == wanted ? question.before : question.after;
    return {makeMoment(clock, clockSeconds, chosen), std::nullopt, {}};
}

}  // namespace birth
