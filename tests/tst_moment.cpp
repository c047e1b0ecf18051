// SPDX-License-Identifier: GPL-3.0-or-later
// The moment of birth. Held against the system's tzdata as another reader
// of the same files sees it (Python's zoneinfo, asked at test time by
// moment_cases.py): zones through their history, clock times the clocks
// skipped or showed twice, births before a zone's first standard time, and
// dates from 1900 to 2050. Then the zone's texts and their refusals, the
// question an ambiguous clock time asks and the answers that settle it.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <limits>

#include "birth/details_moment.h"
#include "birth/moment.h"
#include "birth/zone.h"

using namespace birth;

namespace {

QDateTime clockOf(const QString& iso) {
    return QDateTime::fromString(iso, Qt::ISODate);
}

BirthClock berlin(QDate date, QTime time) {
    return {date, time, Zone::iana("Europe/Berlin"), 13.405};
}

ZoneState stateFrom(const QJsonObject& object) {
    const int offset = object[QLatin1String("offset")].toInt();
    return {offset, 0, object[QLatin1String("dst")].toBool(),
            object[QLatin1String("abbreviation")].toString()};
}

// The states compared as tzdata tells them: the standard offset is Qt's own
// inference, not in the files.
QString describe(const ZoneState& state) {
    return QStringLiteral("%1 %2 %3")
        .arg(state.offsetSeconds)
        .arg(state.daylightSaving ? QLatin1String("dst") : QLatin1String("standard"))
        .arg(state.abbreviation);
}

}  // namespace

class TestMoment : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void agreesWithTzdata_data();
    void agreesWithTzdata();
    void tableCoversTheHistory();
    void julianDays_data();
    void julianDays();
    void displayText();
    void zonesRead_data();
    void zonesRead();
    void zonesRefused_data();
    void zonesRefused();
    void offsetsRead();
    void offsetTexts();
    void daylightSavingRead();
    void skippedAndRepeatedAsked();
    void answeredByOffset();
    void answeredByDaylightSaving();
    void daylightSavingThatCannotTell();
    void daylightSavingOfWinterTime();
    void daylightSavingThatContradicts();
    void localMeanTimeAndFixedOffsets();
    void badInputRefused();
    void zoneList();
    void translated();
    void detailsAngles();
    void detailsMoment();
    void dayStartOnClockChanges();
    void detailsSkyRequest();

private:
    QJsonArray cases_;
};

void TestMoment::initTestCase() {
    QProcess helper;
    helper.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(MOMENT_CASES)});
    QVERIFY2(helper.waitForFinished(120000), "moment_cases.py did not finish");
    QVERIFY2(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0,
             helper.readAllStandardError().constData());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(helper.readAllStandardOutput(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    cases_ = document.array();
}

void TestMoment::agreesWithTzdata_data() {
    QTest::addColumn<QJsonObject>("tzdata");
    for (const QJsonValue& value : std::as_const(cases_)) {
        const QJsonObject object = value.toObject();
        const QString name = object[QLatin1String("group")].toString() + QLatin1Char(' ') +
                             object[QLatin1String("zone")].toString() + QLatin1Char(' ') +
                             object[QLatin1String("local")].toString();
        QTest::newRow(qPrintable(name)) << object;
    }
}

void TestMoment::agreesWithTzdata() {
    QFETCH(QJsonObject, tzdata);
    const QDateTime local = clockOf(tzdata[QLatin1String("local")].toString());
    const BirthClock clock{local.date(), local.time(),
                           Zone::iana(tzdata[QLatin1String("zone")].toString().toLatin1()),
                           tzdata[QLatin1String("longitude")].toDouble()};
    const MomentResult result = momentOf(clock);
    const QString kind = tzdata[QLatin1String("kind")].toString();
    if (kind == QLatin1String("unique")) {
        QVERIFY2(result.moment,
                 qPrintable(result.question ? result.question->message : result.error));
        QVERIFY(!result.question);
        QCOMPARE(describe(result.moment->state), describe(stateFrom(tzdata)));
        QCOMPARE(result.moment->universalIso(), tzdata[QLatin1String("universal")].toString());
        const double expected = tzdata[QLatin1String("julian_day")].toDouble();
        QVERIFY2(std::abs(result.moment->julianDayUt - expected) < 1e-6,
                 qPrintable(QString::number(result.moment->julianDayUt, 'f', 8)));
        return;
    }
    // Never read one way in silence: asked, with both readings.
    QVERIFY2(!result.moment, qPrintable(result.moment ? result.moment->text() : QString()));
    QVERIFY(result.question);
    QCOMPARE(result.question->kind, kind == QLatin1String("skipped")
                                        ? ClockQuestion::Kind::Skipped
                                        : ClockQuestion::Kind::Repeated);
    const ZoneState before = stateFrom(tzdata[QLatin1String("before")].toObject());
    const ZoneState after = stateFrom(tzdata[QLatin1String("after")].toObject());
    QCOMPARE(describe(result.question->before), describe(before));
    QCOMPARE(describe(result.question->after), describe(after));
    QVERIFY(result.question->choices.contains(shortOffsetText(before.offsetSeconds)));
    QVERIFY(result.question->choices.contains(shortOffsetText(after.offsetSeconds)));

    // Either reading, asked for by its offset, is that reading.
    const qint64 clockSeconds = QDateTime(clock.date, clock.time, Qt::UTC).toSecsSinceEpoch();
    for (const ZoneState& reading : {before, after}) {
        const MomentResult answered = momentOf(clock, {reading.offsetSeconds, std::nullopt});
        QVERIFY(answered.moment);
        QCOMPARE(describe(answered.moment->state), describe(reading));
        QCOMPARE(answered.moment->universalTime.toSecsSinceEpoch(),
                 clockSeconds - reading.offsetSeconds);
    }
}

void TestMoment::tableCoversTheHistory() {
    // What the table must hold for the comparison above to mean anything.
    QSet<QString> zones, askedZones, skippedZones, repeatedZones;
    int beforeStandardTime = 0, in1850 = 0, lordHoweHalfHour = 0, doubleSummerTime = 0;
    int earliest = 9999, latest = 0;
    for (const QJsonValue& value : std::as_const(cases_)) {
        const QJsonObject c = value.toObject();
        const QString zone = c[QLatin1String("zone")].toString();
        const QString kind = c[QLatin1String("kind")].toString();
        const int year = clockOf(c[QLatin1String("local")].toString()).date().year();
        zones.insert(zone);
        if (kind == QLatin1String("skipped"))
            skippedZones.insert(zone);
        if (kind == QLatin1String("repeated"))
            repeatedZones.insert(zone);
        if (c[QLatin1String("abbreviation")].toString() == QLatin1String("LMT"))
            ++beforeStandardTime;
        if (c[QLatin1String("group")].toString() == QLatin1String("1850"))
            ++in1850;
        if (zone == QLatin1String("Australia/Lord_Howe") && kind != QLatin1String("unique") &&
            std::abs(c[QLatin1String("before")][QLatin1String("offset")].toInt() -
                     c[QLatin1String("after")][QLatin1String("offset")].toInt()) == 1800)
            ++lordHoweHalfHour;
        if (zone == QLatin1String("Europe/Berlin") && c[QLatin1String("offset")].toInt() == 10800)
            ++doubleSummerTime;
        if (c[QLatin1String("group")].toString() == QLatin1String("sampled")) {
            earliest = std::min(earliest, year);
            latest = std::max(latest, year);
        }
    }
    for (const char* zone :
         {"Europe/Berlin", "Europe/London", "America/New_York", "Asia/Kolkata", "Asia/Tokyo",
          "Australia/Lord_Howe", "Asia/Kathmandu", "Australia/Sydney", "America/Sao_Paulo"})
        QVERIFY2(zones.contains(QLatin1String(zone)), zone);
    QVERIFY2((skippedZones & repeatedZones).size() >= 3, "a gap and an overlap in three zones");
    QVERIFY(beforeStandardTime >= 30);
    QVERIFY(in1850 >= 10);
    QVERIFY(lordHoweHalfHour >= 4);
    QVERIFY(doubleSummerTime >= 1);
    QVERIFY(earliest <= 1905 && latest >= 2045);
}

void TestMoment::julianDays_data() {
    QTest::addColumn<QDateTime>("universal");
    QTest::addColumn<double>("expected");
    // Astronomical almanacs' values.
    QTest::newRow("J2000") << QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC) << 2451545.0;
    QTest::newRow("1900 January 0.5")
        << QDateTime(QDate(1899, 12, 31), QTime(12, 0), Qt::UTC) << 2415020.0;
    QTest::newRow("Sputnik") << QDateTime(QDate(1957, 10, 4), QTime(19, 26, 24), Qt::UTC)
                             << 2436116.31;
    QTest::newRow("1987 January 27")
        << QDateTime(QDate(1987, 1, 27), QTime(0, 0), Qt::UTC) << 2446822.5;
    QTest::newRow("1850") << QDateTime(QDate(1850, 1, 1), QTime(0, 0), Qt::UTC) << 2396758.5;
    QTest::newRow("2050 last second")
        << QDateTime(QDate(2050, 12, 31), QTime(23, 59, 59), Qt::UTC) << 2470172.5 - 1.0 / 86400;
}

void TestMoment::julianDays() {
    QFETCH(QDateTime, universal);
    QFETCH(double, expected);
    QVERIFY2(std::abs(julianDay(universal) - expected) < 1e-6,
             qPrintable(QString::number(julianDay(universal), 'f', 8)));
}

void TestMoment::displayText() {
    const MomentResult winter = momentOf(berlin(QDate(1990, 12, 10), QTime(14, 30)));
    QVERIFY(winter.moment);
    QCOMPARE(winter.moment->text(), QStringLiteral("14:30 CET (UTC+01:00) · 13:30 UT"));
    QCOMPARE(winter.moment->localIso(), QStringLiteral("1990-12-10T14:30:00"));
    QCOMPARE(winter.moment->universalIso(), QStringLiteral("1990-12-10T13:30:00Z"));
    QCOMPARE(winter.moment->zone.text(), QStringLiteral("Europe/Berlin"));
    QCOMPARE(winter.moment->state.offsetSeconds, 3600);
    QVERIFY(!winter.moment->state.daylightSaving);

    const MomentResult summer = momentOf(berlin(QDate(1990, 7, 10), QTime(14, 30, 15)));
    QVERIFY(summer.moment);
    QCOMPARE(summer.moment->text(), QStringLiteral("14:30:15 CEST (UTC+02:00) · 12:30:15 UT"));
    QVERIFY(summer.moment->state.daylightSaving);

    // Before the first standard time: Munich's own sun, not Berlin's.
    const MomentResult munich =
        momentOf({QDate(1850, 6, 1), QTime(12, 0), Zone::iana("Europe/Berlin"), 11.575});
    QVERIFY(munich.moment);
    QCOMPARE(munich.moment->text(), QStringLiteral("12:00:00 LMT (UTC+00:46:18) · 11:13:42 UT"));

    // A zone whose abbreviation only repeats its offset shows the offset alone.
    const MomentResult kathmandu =
        momentOf({QDate(2000, 1, 1), QTime(12, 0), Zone::iana("Asia/Kathmandu"), 85.3});
    QVERIFY(kathmandu.moment);
    QCOMPARE(kathmandu.moment->text(), QStringLiteral("12:00 (UTC+05:45) · 06:15 UT"));
}

void TestMoment::zonesRead_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("offset");
    const int iana = int(Zone::Kind::Iana), lmt = int(Zone::Kind::LocalMeanTime),
              fixed = int(Zone::Kind::FixedOffset);
    QTest::newRow("id") << "Europe/Berlin"
                        << "Europe/Berlin" << iana << 0;
    QTest::newRow("blanks around") << "  Asia/Kolkata\t"
                                   << "Asia/Kolkata" << iana << 0;
    QTest::newRow("capitals forgiven") << "america/new_york"
                                       << "America/New_York" << iana << 0;
    QTest::newRow("three parts") << "America/Argentina/Buenos_Aires"
                                 << "America/Argentina/Buenos_Aires" << iana << 0;
    QTest::newRow("UTC") << "UTC"
                         << "UTC" << iana << 0;
    QTest::newRow("LMT") << "LMT"
                         << "LMT" << lmt << 0;
    QTest::newRow("lmt") << "lmt"
                         << "LMT" << lmt << 0;
    QTest::newRow("record's offset") << "UTC+05:30"
                                     << "UTC+05:30" << fixed << 19800;
    QTest::newRow("hours alone") << "UTC-3"
                                 << "UTC-03:00" << fixed << -10800;
    QTest::newRow("short hours") << "utc+5:45"
                                 << "UTC+05:45" << fixed << 20700;
    QTest::newRow("minus sign") << QStringLiteral("UTC\u221204:00") << "UTC-04:00" << fixed
                                << -14400;
    QTest::newRow("furthest east") << "UTC+14:00"
                                   << "UTC+14:00" << fixed << 50400;
}

void TestMoment::zonesRead() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, kind);
    QFETCH(int, offset);
    const Parsed<Zone> zone = parseZone(typed);
    QVERIFY2(zone.value, qPrintable(zone.error));
    QCOMPARE(int(zone.value->kind), kind);
    QCOMPARE(zone.value->offsetSeconds, offset);
    QCOMPARE(zone.value->text(), kept);
    // What is kept reads back as the same zone.
    const Parsed<Zone> again = parseZone(zone.value->text());
    QVERIFY(again.value);
    QVERIFY(*again.value == *zone.value);
}

void TestMoment::zonesRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("named");
    QTest::newRow("empty") << "  "
                           << "No time zone";
    QTest::newRow("unknown") << "Europe/Berln"
                             << "“Europe/Berln”";
    QTest::newRow("10 MB") << QString(10 * 1024 * 1024, QLatin1Char('A')) << "10485760 characters";
    QTest::newRow("+30:00") << "UTC+30:00"
                            << "“UTC+30:00” is out of range";
    QTest::newRow("a minute too far") << "UTC+14:01"
                                      << "out of range";
    QTest::newRow("75 minutes") << "UTC+05:75"
                                << "minutes run from 00 to 59";
    QTest::newRow("one digit of minutes") << "UTC+5:3"
                                          << "“UTC+5:3” is not an offset";
    QTest::newRow("no sign") << "UTC05:30"
                             << "not an offset";
    QTest::newRow("out of the folder") << "../../etc/passwd"
                                       << "Unknown time zone";
    QTest::newRow("a command") << "Europe/Berlin; rm"
                               << "Unknown time zone";
    QTest::newRow("Qt's own offset name") << "UTC+01:00 "
                                          << "";
}

void TestMoment::zonesRefused() {
    QFETCH(QString, typed);
    QFETCH(QString, named);
    const Parsed<Zone> zone = parseZone(typed);
    if (named.isEmpty()) {
        // Read as the program's own fixed offset, not as Qt's zone.
        QVERIFY(zone.value);
        QCOMPARE(zone.value->kind, Zone::Kind::FixedOffset);
        return;
    }
    QVERIFY2(!zone.value, qPrintable(zone.value ? zone.value->text() : QString()));
    QVERIFY2(zone.error.contains(named), qPrintable(zone.error));
    QVERIFY(zone.error.size() < 200);
}

void TestMoment::offsetsRead() {
    const std::pair<const char*, int> read[] = {
        {"+01:00", 3600}, {"-03:30", -12600}, {"UTC+05:45", 20700}, {"+5", 18000}, {" -0 ", 0}};
    for (const auto& [text, seconds] : read) {
        const Parsed<int> offset = parseOffset(QString::fromLatin1(text));
        QVERIFY2(offset.value, qPrintable(offset.error));
        QCOMPARE(*offset.value, seconds);
    }
    const std::pair<const char*, const char*> refused[] = {
        {"01:00", "not an offset"}, {"+30:00", "out of range"},
        {"+1:60", "minutes"},       {"+01:00:00:00:00:00:00", "too long"},
        {"", "not an offset"},
    };
    for (const auto& [text, named] : refused) {
        const Parsed<int> offset = parseOffset(QString::fromLatin1(text));
        QVERIFY2(!offset.value, text);
        QVERIFY2(offset.error.contains(QLatin1String(named)), qPrintable(offset.error));
    }
}

void TestMoment::offsetTexts() {
    QCOMPARE(offsetText(3600), QStringLiteral("UTC+01:00"));
    QCOMPARE(offsetText(-12600), QStringLiteral("UTC-03:30"));
    QCOMPARE(offsetText(3208), QStringLiteral("UTC+00:53:28"));
    QCOMPARE(offsetText(-17761), QStringLiteral("UTC-04:56:01"));
    QCOMPARE(offsetText(0), QStringLiteral("UTC+00:00"));
    QCOMPARE(shortOffsetText(7200), QStringLiteral("UTC+2"));
    QCOMPARE(shortOffsetText(19800), QStringLiteral("UTC+5:30"));
    QCOMPARE(shortOffsetText(-34200), QStringLiteral("UTC-9:30"));
    QCOMPARE(shortOffsetText(0), QStringLiteral("UTC"));
    QCOMPARE(localMeanTimeOffset(15.0), 3600);
    QCOMPARE(localMeanTimeOffset(-74.006), -17761);
    QCOMPARE(localMeanTimeOffset(0.5 / 240), 1);  // half a second rounds away from Greenwich
    QCOMPARE(localMeanTimeOffset(-0.5 / 240), -1);
}

void TestMoment::daylightSavingRead() {
    QCOMPARE(parseDaylightSaving(u"yes").value, std::optional<bool>(true));
    QCOMPARE(parseDaylightSaving(u" NO ").value, std::optional<bool>(false));
    const Parsed<bool> maybe = parseDaylightSaving(u"maybe");
    QVERIFY(!maybe.value);
    QVERIFY2(maybe.error.contains(QStringLiteral("“maybe”")), qPrintable(maybe.error));
}

void TestMoment::skippedAndRepeatedAsked() {
    // Qt alone gives no valid date inside a gap; the moment asks instead.
    const MomentResult spring = momentOf(berlin(QDate(2021, 3, 28), QTime(2, 30)));
    QVERIFY(!spring.moment);
    QVERIFY(spring.question);
    QCOMPARE(spring.question->kind, ClockQuestion::Kind::Skipped);
    QCOMPARE(spring.question->choices, QStringLiteral("02:30 CET (UTC+1) or 02:30 CEST (UTC+2)"));
    QCOMPARE(spring.question->message,
             QStringLiteral("The clocks of Europe/Berlin skipped 02:30 on 2021-03-28: was it "
                            "02:30 CET (UTC+1) or 02:30 CEST (UTC+2)?"));

    const MomentResult autumn = momentOf(berlin(QDate(2021, 10, 31), QTime(2, 30)));
    QVERIFY(!autumn.moment);
    QVERIFY(autumn.question);
    QCOMPARE(autumn.question->kind, ClockQuestion::Kind::Repeated);
    QCOMPARE(autumn.question->choices, QStringLiteral("02:30 CEST (UTC+2) or 02:30 CET (UTC+1)"));
    QVERIFY(autumn.question->message.contains(QLatin1String("showed 02:30 twice on 2021-10-31")));

    // The minutes around them are read without a question.
    for (const QTime time : {QTime(1, 59, 59), QTime(3, 0)}) {
        QVERIFY(momentOf(berlin(QDate(2021, 3, 28), time)).moment);
        QVERIFY(momentOf(berlin(QDate(2021, 10, 31), time)).moment);
    }
}

void TestMoment::answeredByOffset() {
    const BirthClock autumn = berlin(QDate(2021, 10, 31), QTime(2, 30));
    const MomentResult cet = momentOf(autumn, {3600, std::nullopt});
    QVERIFY(cet.moment);
    QCOMPARE(cet.moment->text(), QStringLiteral("02:30 CET (UTC+01:00) · 01:30 UT"));
    const MomentResult cest = momentOf(autumn, {7200, std::nullopt});
    QVERIFY(cest.moment);
    QCOMPARE(cest.moment->text(), QStringLiteral("02:30 CEST (UTC+02:00) · 00:30 UT"));
    QVERIFY(cest.moment->state.daylightSaving);

    // An offset the zone did not have then is the record's word: no
    // abbreviation, daylight saving when ahead of the zone's standard time.
    const MomentResult record = momentOf(berlin(QDate(1990, 12, 10), QTime(14, 30)), {7200, {}});
    QVERIFY(record.moment);
    QCOMPARE(record.moment->text(), QStringLiteral("14:30 (UTC+02:00) · 12:30 UT"));
    QVERIFY(record.moment->state.daylightSaving);
    const MomentResult behind = momentOf(berlin(QDate(1990, 12, 10), QTime(14, 30)), {0, {}});
    QVERIFY(behind.moment);
    QVERIFY(!behind.moment->state.daylightSaving);
    QCOMPARE(behind.moment->universalIso(), QStringLiteral("1990-12-10T14:30:00Z"));
}

void TestMoment::answeredByDaylightSaving() {
    const BirthClock spring = berlin(QDate(2021, 3, 28), QTime(2, 30));
    const MomentResult before = momentOf(spring, {std::nullopt, false});
    QVERIFY(before.moment);
    QCOMPARE(before.moment->universalIso(), QStringLiteral("2021-03-28T01:30:00Z"));
    QCOMPARE(before.moment->state.abbreviation, QStringLiteral("CET"));
    const MomentResult after = momentOf(spring, {std::nullopt, true});
    QVERIFY(after.moment);
    QCOMPARE(after.moment->universalIso(), QStringLiteral("2021-03-28T00:30:00Z"));
    QCOMPARE(after.moment->state.abbreviation, QStringLiteral("CEST"));

    const BirthClock autumn = berlin(QDate(2021, 10, 31), QTime(2, 30));
    const MomentResult first = momentOf(autumn, {std::nullopt, true});
    QVERIFY(first.moment);
    QCOMPARE(first.moment->universalIso(), QStringLiteral("2021-10-31T00:30:00Z"));
    const MomentResult second = momentOf(autumn, {std::nullopt, false});
    QVERIFY(second.moment);
    QCOMPARE(second.moment->universalIso(), QStringLiteral("2021-10-31T01:30:00Z"));

    // Half an hour of daylight saving on Lord Howe Island.
    const BirthClock lordHowe{QDate(2021, 4, 4), QTime(1, 45), Zone::iana("Australia/Lord_Howe"),
                              159.08};
    const MomentResult island = momentOf(lordHowe);
    QVERIFY(island.question);
    QCOMPARE(island.question->choices, QStringLiteral("01:45 (UTC+11) or 01:45 (UTC+10:30)"));
    const MomentResult standard = momentOf(lordHowe, {std::nullopt, false});
    QVERIFY(standard.moment);
    QCOMPARE(standard.moment->universalIso(), QStringLiteral("2021-04-03T15:15:00Z"));
}

void TestMoment::daylightSavingThatCannotTell() {
    // British Standard Time ended in 1971 with both readings standard time.
    const BirthClock london{QDate(1971, 10, 31), QTime(2, 30), Zone::iana("Europe/London"), -0.12};
    const MomentResult asked = momentOf(london, {std::nullopt, true});
    QVERIFY(!asked.moment);
    QVERIFY(asked.question);
    QVERIFY2(asked.error.contains(QLatin1String("02:30 BST (UTC+1) or 02:30 GMT (UTC)")),
             qPrintable(asked.error));
    QVERIFY(asked.error.contains(QLatin1String("give the offset")));
    const MomentResult told = momentOf(london, {3600, std::nullopt});
    QVERIFY(told.moment);
    QCOMPARE(told.moment->state.abbreviation, QStringLiteral("BST"));
    QVERIFY(!told.moment->state.daylightSaving);
}

void TestMoment::daylightSavingOfWinterTime() {
    // Ireland keeps Irish Standard Time in summer; tzdata flags its winter
    // GMT as daylight saving, behind standard time. A record's yes or no
    // cannot be read against that, so an offset decides.
    const BirthClock autumn{QDate(2021, 10, 31), QTime(1, 30), Zone::iana("Europe/Dublin"), -6.26};
    for (const bool daylightSaving : {true, false}) {
        const MomentResult asked = momentOf(autumn, {std::nullopt, daylightSaving});
        QVERIFY(!asked.moment);
        QVERIFY(asked.question);
        QVERIFY2(asked.error.contains(QLatin1String("01:30 IST (UTC+1) or 01:30 GMT (UTC)")),
                 qPrintable(asked.error));
    }
    const MomentResult summer = momentOf(autumn, {3600, std::nullopt});
    QVERIFY(summer.moment);
    QCOMPARE(summer.moment->universalIso(), QStringLiteral("2021-10-31T00:30:00Z"));
    QCOMPARE(summer.moment->state.abbreviation, QStringLiteral("IST"));

    // A winter birth is one moment whatever the record says of it.
    const BirthClock winter{QDate(1990, 1, 15), QTime(12, 0), Zone::iana("Europe/Dublin"), -6.26};
    for (const bool daylightSaving : {true, false}) {
        const MomentResult told = momentOf(winter, {std::nullopt, daylightSaving});
        QVERIFY2(told.moment, qPrintable(told.error));
        QCOMPARE(told.moment->universalIso(), QStringLiteral("1990-01-15T12:00:00Z"));
    }
}

void TestMoment::daylightSavingThatContradicts() {
    const MomentResult winter =
        momentOf(berlin(QDate(1990, 12, 10), QTime(14, 30)), {std::nullopt, true});
    QVERIFY(!winter.moment);
    QCOMPARE(winter.error, QStringLiteral("Daylight saving was not in force in Europe/Berlin on "
                                          "1990-12-10: the clocks showed 14:30 CET (UTC+1)."));
    const MomentResult summer =
        momentOf(berlin(QDate(1945, 6, 1), QTime(12, 0)), {std::nullopt, false});
    QVERIFY(!summer.moment);
    QVERIFY2(summer.error.contains(QLatin1String("was in force")), qPrintable(summer.error));
    QVERIFY2(summer.error.contains(QLatin1String("CEMT (UTC+3)")), qPrintable(summer.error));
    QVERIFY(momentOf(berlin(QDate(1945, 6, 1), QTime(12, 0)), {std::nullopt, true}).moment);
}

void TestMoment::localMeanTimeAndFixedOffsets() {
    // Chosen local mean time is the birthplace's sun at any date.
    const MomentResult newYork =
        momentOf({QDate(2000, 1, 1), QTime(12, 0), Zone::localMeanTime(), -74.006});
    QVERIFY(newYork.moment);
    QCOMPARE(newYork.moment->universalIso(), QStringLiteral("2000-01-01T16:56:01Z"));
    QCOMPARE(newYork.moment->text(), QStringLiteral("12:00:00 LMT (UTC-04:56:01) · 16:56:01 UT"));
    QCOMPARE(newYork.moment->zone.label(), QStringLiteral("Local mean time"));

    const MomentResult record =
        momentOf({QDate(1990, 12, 10), QTime(14, 30), Zone::fixedOffset(19800), 77.2});
    QVERIFY(record.moment);
    QCOMPARE(record.moment->text(), QStringLiteral("14:30 (UTC+05:30) · 09:00 UT"));
    QVERIFY(!record.moment->state.daylightSaving);
    QCOMPARE(record.moment->zone.text(), QStringLiteral("UTC+05:30"));
    // No fixed offset ever skips a clock time.
    QVERIFY(momentOf({QDate(2021, 3, 28), QTime(2, 30), Zone::fixedOffset(3600), 13.4}).moment);
}

void TestMoment::badInputRefused() {
    const MomentResult noTime = momentOf(berlin(QDate(1990, 12, 10), QTime()));
    QVERIFY(!noTime.moment);
    QVERIFY(noTime.error.contains(QLatin1String("its time")));
    QVERIFY(!momentOf(berlin(QDate(), QTime(12, 0))).moment);

    BirthClock far = berlin(QDate(1990, 12, 10), QTime(14, 30));
    far.longitude = 200.0;
    QVERIFY(momentOf(far).error.contains(QLatin1String("200")));
    far.longitude = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(!momentOf(far).moment);

    const MomentResult tooFar =
        momentOf(berlin(QDate(1990, 12, 10), QTime(14, 30)), {30 * 3600, {}});
    QVERIFY(!tooFar.moment);
    QVERIFY2(tooFar.error.contains(QLatin1String("UTC+30:00")), qPrintable(tooFar.error));

    // Local mean time needs the birthplace's longitude; standard time does not.
    const BirthClock noPlace{QDate(1850, 6, 1), QTime(12, 0), Zone::iana("Europe/Berlin"), {}};
    const MomentResult sun = momentOf(noPlace);
    QVERIFY(!sun.moment);
    QVERIFY2(sun.error.contains(QLatin1String("longitude")), qPrintable(sun.error));
    QVERIFY(!momentOf({QDate(2000, 1, 1), QTime(12, 0), Zone::localMeanTime(), {}}).moment);
    const MomentResult told = momentOf(noPlace, {3600, std::nullopt});
    QVERIFY(told.moment);
    QCOMPARE(told.moment->universalIso(), QStringLiteral("1850-06-01T11:00:00Z"));
    QVERIFY(told.moment->state.abbreviation.isEmpty());
    const MomentResult modern =
        momentOf({QDate(1990, 12, 10), QTime(14, 30), Zone::iana("Europe/Berlin"), {}});
    QVERIFY(modern.moment);
    QCOMPARE(modern.moment->universalIso(), QStringLiteral("1990-12-10T13:30:00Z"));

    const MomentResult wayTooFar =
        momentOf(berlin(QDate(1990, 12, 10), QTime(14, 30)), {1000 * 3600, {}});
    QVERIFY2(wayTooFar.error.contains(QLatin1String("out of range")), qPrintable(wayTooFar.error));

    // A zone made in code rather than read is still told apart when wrong.
    const MomentResult lowercase =
        momentOf({QDate(1990, 12, 10), QTime(14, 30), Zone::iana("europe/berlin"), 0.0});
    QVERIFY(!lowercase.moment);
    QVERIFY2(lowercase.error.contains(QLatin1String("europe/berlin")), qPrintable(lowercase.error));

    const MomentResult unknown =
        momentOf({QDate(1990, 12, 10), QTime(14, 30), Zone::iana("Mars/Olympus_Mons"), 0.0});
    QVERIFY(!unknown.moment);
    QVERIFY(unknown.error.contains(QLatin1String("Mars/Olympus_Mons")));
}

void TestMoment::zoneList() {
    const QStringList& ids = zoneIds();
    QVERIFY(std::is_sorted(ids.begin(), ids.end()));
    // Every zone of tzdata's own table is offered.
    QFile table(QStringLiteral("/usr/share/zoneinfo/zone.tab"));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    int listed = 0;
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine());
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QString id = line.split(QLatin1Char('\t')).value(2).trimmed();
        QVERIFY2(ids.contains(id), qPrintable(id));
        ++listed;
    }
    QVERIFY(listed > 300);
    for (const QString& id : ids) {
        QVERIFY2(!id.startsWith(QLatin1String("UTC+")) && !id.startsWith(QLatin1String("UTC-")),
                 qPrintable(id));
    }
    QVERIFY(parseZone(ids.first()).value);
    QVERIFY(parseZone(ids.last()).value);

    QCOMPARE(zoneIdsMatching(ids, u"new york"), QStringList{QStringLiteral("America/New_York")});
    QCOMPARE(zoneIdsMatching(ids, u"BERLIN"), QStringList{QStringLiteral("Europe/Berlin")});
    const QStringList argentina = zoneIdsMatching(ids, u" america  argentina ");
    QVERIFY(argentina.size() > 5);
    for (const QString& id : argentina)
        QVERIFY2(id.startsWith(QLatin1String("America/Argentina/")), qPrintable(id));
    QVERIFY(zoneIdsMatching(ids, u"atlantis").isEmpty());
    QCOMPARE(zoneIdsMatching(ids, u""), ids);
}

void TestMoment::translated() {
    QTranslator french;
    QVERIFY(french.load(QStringLiteral("asterine_fr"), QStringLiteral(TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&french);
    const MomentResult winter = momentOf(berlin(QDate(1990, 12, 10), QTime(14, 30)));
    const MomentResult spring = momentOf(berlin(QDate(2021, 3, 28), QTime(2, 30)));
    const QString refused = parseZone(u"Europe/Berln").error;
    const QString label = Zone::localMeanTime().label();
    const QString shown = winter.moment ? winter.moment->text() : QString();
    QCoreApplication::removeTranslator(&french);
    QCOMPARE(shown, QStringLiteral("14:30 CET (UTC+01:00) · 13:30 TU"));
    QVERIFY(spring.question);
    QCOMPARE(spring.question->choices, QStringLiteral("02:30 CET (UTC+1) ou 02:30 CEST (UTC+2)"));
    QVERIFY2(spring.question->message.startsWith(QLatin1String("Les horloges de Europe/Berlin")),
             qPrintable(spring.question->message));
    QVERIFY2(refused.startsWith(QLatin1String("Fuseau horaire")), qPrintable(refused));
    QCOMPARE(label, QStringLiteral("Temps moyen local"));
}

namespace {

BirthDetails berlinDetails() {
    return {.name = QStringLiteral("Ada"),
            .monthIndex = 11,
            .day = 10,
            .year = 1990,
            .hour = 14,
            .minute = 30,
            .latitudeDegrees = QStringLiteral("52"),
            .latitudeMinutes = QStringLiteral("31"),
            .latitudeSeconds = QStringLiteral("12"),
            .longitudeDegrees = QStringLiteral("13"),
            .longitudeMinutes = QStringLiteral("24"),
            .longitudeSeconds = QStringLiteral("18"),
            .zone = QStringLiteral("Europe/Berlin")};
}

}  // namespace

void TestMoment::detailsAngles() {
    BirthDetails details = berlinDetails();
    QCOMPARE(*latitudeOf(details), 52 + 31 / 60.0 + 12 / 3600.0);
    QCOMPARE(*longitudeOf(details), 13 + 24 / 60.0 + 18 / 3600.0);
    details.south = true;
    details.west = true;
    QVERIFY(*latitudeOf(details) < -52.5);
    QVERIFY(*longitudeOf(details) < -13.4);
    // Minutes and seconds left blank count as none; degrees left blank,
    // text that is not a number, or an angle past the pole are no angle.
    details.longitudeMinutes.clear();
    details.longitudeSeconds = QStringLiteral("  ");
    QCOMPARE(*longitudeOf(details), -13.0);
    details.longitudeDegrees.clear();
    QVERIFY(!longitudeOf(details));
    details.latitudeMinutes = QStringLiteral("3x");
    QVERIFY(!latitudeOf(details));
    details.latitudeMinutes = QStringLiteral("-3");
    QVERIFY(!latitudeOf(details));
    details.latitudeMinutes = QStringLiteral("30");
    details.latitudeDegrees = QStringLiteral("90");
    QVERIFY(!latitudeOf(details));
}

void TestMoment::detailsMoment() {
    BirthDetails details = berlinDetails();
    const MomentResult given = momentOfDetails(details);
    QVERIFY2(given.moment, qPrintable(given.error));
    QCOMPARE(given.moment->universalIso(), QStringLiteral("1990-12-10T13:30:00Z"));
    QCOMPARE(given.moment->text(), QStringLiteral("14:30 CET (UTC+01:00) · 13:30 UT"));

    // Without the time, the date or the zone there is no moment, and nothing is wrong.
    for (const auto& without : {+[](BirthDetails& d) { d.timeGiven = false; },
                                +[](BirthDetails& d) { d.dateGiven = false; },
                                +[](BirthDetails& d) { d.zone = QStringLiteral(" "); }}) {
        BirthDetails partial = details;
        without(partial);
        const MomentResult none = momentOfDetails(partial);
        QVERIFY(!none.moment && !none.question);
        QVERIFY2(none.error.isEmpty(), qPrintable(none.error));
    }
    details.zone = QStringLiteral("Europe/Atlantis");
    QVERIFY(momentOfDetails(details).error.contains(QLatin1String("Europe/Atlantis")));

    // The local mean time of the birthplace's own longitude, and the
    // question of a clock time the clocks showed twice.
    details.zone = QStringLiteral("LMT");
    const MomentResult sun = momentOfDetails(details);
    QVERIFY2(sun.moment, qPrintable(sun.error));
    QCOMPARE(sun.moment->state.offsetSeconds, 53 * 60 + 37);
    details.zone = QStringLiteral("Europe/Berlin");
    details.year = 2021;
    details.monthIndex = 9;
    details.day = 31;
    details.hour = 2;
    QVERIFY(momentOfDetails(details).question);
    QVERIFY(momentOfDetails(details, {.offsetSeconds = 3600, .daylightSaving = {}}).moment);
    details.utcOffsetSeconds = 7200;
    const MomentResult answered = momentOfDetails(details);
    QVERIFY2(answered.moment, qPrintable(answered.error));
    QCOMPARE(answered.moment->universalIso(), QStringLiteral("2021-10-31T00:30:00Z"));
}

void TestMoment::dayStartOnClockChanges() {
    BirthDetails details = berlinDetails();
    const auto startOf = [&details](int year, int month, int day) {
        details.year = year;
        details.monthIndex = month - 1;
        details.day = day;
        const std::optional<double> start = dayStartJdUt(details);
        return start ? QDateTime::fromMSecsSinceEpoch(
                           std::llround((*start - 2440587.5) * 86400000.0), Qt::UTC)
                     : QDateTime();
    };
    const auto utc = [](const char* iso) {
        return QDateTime::fromString(QLatin1String(iso), Qt::ISODate);
    };
    QCOMPARE(startOf(1990, 12, 10), utc("1990-12-09T23:00:00Z"));
    QCOMPARE(startOf(1990, 7, 10), utc("1990-07-09T22:00:00Z"));
    // The midnights before the clocks went forward and back: still the
    // offset the clocks showed at midnight.
    QCOMPARE(startOf(2021, 3, 28), utc("2021-03-27T23:00:00Z"));
    QCOMPARE(startOf(2021, 10, 31), utc("2021-10-30T22:00:00Z"));
    // A zone that put its clocks back from 24:00 to 23:00 (Santiago, 2 April
    // 2022): the clocks first showed the next midnight on winter time.
    details.zone = QStringLiteral("America/Santiago");
    QCOMPARE(startOf(2022, 4, 3), utc("2022-04-03T04:00:00Z"));
    // Local mean time needs the longitude; no date, no day.
    details.zone = QStringLiteral("LMT");
    details.longitudeDegrees.clear();
    QVERIFY(!startOf(1990, 12, 10).isValid());
    details.zone = QStringLiteral("UTC+05:30");
    details.dateGiven = false;
    QVERIFY(!dayStartJdUt(details));
}

void TestMoment::detailsSkyRequest() {
    const BirthDetails details = berlinDetails();
    const MomentResult moment = momentOfDetails(details);
    const sky::BirthSkyRequest request = skyRequest(details, moment.moment, "Regulus");
    QCOMPARE(request.year, 1990);
    QCOMPARE(request.latitudeDeg, *latitudeOf(details));
    QCOMPARE(*request.eastLongitudeDeg, *longitudeOf(details));
    QCOMPARE(*request.julianDayUt, moment.moment->julianDayUt);
    QCOMPARE(*request.dayStartJdUt, *dayStartJdUt(details));
    QCOMPARE(request.chosenStar, std::string_view("Regulus"));
    const sky::BirthSkyRequest timeless = skyRequest(details, std::nullopt, "Regulus");
    QVERIFY(!timeless.julianDayUt);
    QVERIFY(timeless.dayStartJdUt);
}

QTEST_GUILESS_MAIN(TestMoment)
#include "tst_moment.moc"
