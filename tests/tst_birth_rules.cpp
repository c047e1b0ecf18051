// SPDX-License-Identifier: GPL-3.0-or-later
// The rules birth details meet before they give a reading, apart from any
// form: the required boxes in their order, the date against the calendar,
// the engine's latitude, what the command line leaves out, the keys the
// boxes take and the years and dates the program reads.

#include <QDate>
#include <QRegularExpression>
#include <QtTest>

#include <string>

#include "birth/birth_details.h"
#include "birth/birth_rules.h"
#include "birth/calendar.h"
#include "birth/key_rules.h"
#include "stars/engine.h"

using namespace birth;

Q_DECLARE_METATYPE(birth::BirthDetails)

namespace {

// Every box filled, a date that exists, a latitude with a star.
BirthDetails valid() {
    return BirthDetails{
        .name = QStringLiteral("ADA"),
        .monthIndex = 0,
        .day = 1,
        .year = 1980,
        .latitudeDegrees = QStringLiteral("77"),
        .latitudeMinutes = QStringLiteral("33"),
        .latitudeSeconds = QStringLiteral("10"),
        .longitudeDegrees = QStringLiteral("73"),
        .longitudeMinutes = QStringLiteral("51"),
        .longitudeSeconds = QStringLiteral("2"),
    };
}

}  // namespace

class TestBirthRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void requiredBoxesThenDate_data();
    void requiredBoxesThenDate();
    void readingProblemAddsTheLatitude_data();
    void readingProblemAddsTheLatitude();
    void commandLineBoxes();
    void passingMeansEveryEngineGivesAReading();
    void blanksAreSpacesOnly();
    void calendarAgreesWithGregorianDates();
    void writtenDates();
    void keysTheBoxesTake();
    void namesGivenWhole();
};

void TestBirthRules::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestBirthRules::cleanup() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestBirthRules::requiredBoxesThenDate_data() {
    QTest::addColumn<BirthDetails>("details");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("box");  // -1: the cursor stays where it is
    QTest::addColumn<bool>("error");

    QTest::newRow("valid") << valid() << QString() << -1 << false;
    QTest::newRow("all empty") << BirthDetails{} << "Please Enter Name" << int(BirthBox::Name)
                               << true;
    BirthDetails blanks = valid();
    blanks.name = QStringLiteral("   ");
    blanks.monthIndex = 3;
    blanks.day = 31;
    QTest::newRow("blank name before a bad date")
        << blanks << "Please Enter Name" << int(BirthBox::Name) << true;
    BirthDetails tab = valid();
    tab.name = QStringLiteral("\t");
    QTest::newRow("a tab is text") << tab << QString() << -1 << false;
    BirthDetails lon = valid();
    lon.longitudeMinutes.clear();
    lon.latitudeSeconds = QStringLiteral(" ");
    QTest::newRow("longitude minutes before latitude seconds")
        << lon << "Please Enter Minute of Longitude" << int(BirthBox::LonM) << true;
    BirthDetails lat = valid();
    lat.latitudeSeconds.clear();
    lat.monthIndex = 1;
    lat.day = 31;
    QTest::newRow("latitude seconds before the date")
        << lat << "Please Enter Second of Latitude" << int(BirthBox::LatS) << true;
    BirthDetails feb = valid();
    feb.monthIndex = 1;
    feb.day = 29;
    feb.year = 1900;
    QTest::newRow("29 Feb 1900") << feb << "Please Enter Correct Date Or Month!" << -1 << false;
    feb.year = 2000;
    QTest::newRow("29 Feb 2000") << feb << QString() << -1 << false;
    BirthDetails nov = valid();
    nov.monthIndex = 10;
    nov.day = 31;
    QTest::newRow("31 Nov") << nov << "Please Enter Correct Date Or Month !" << -1 << false;
    nov.day = 30;
    QTest::newRow("30 Nov") << nov << QString() << -1 << false;
    BirthDetails range = valid();
    range.longitudeDegrees = QStringLiteral("200");
    range.latitudeMinutes = QStringLiteral("75");
    QTest::newRow("no range check before the engine") << range << QString() << -1 << false;
}

void TestBirthRules::requiredBoxesThenDate() {
    QFETCH(BirthDetails, details);
    QFETCH(QString, message);
    QFETCH(int, box);
    QFETCH(bool, error);

    const std::optional<BirthProblem> problem = firstBirthProblem(details);
    if (message.isEmpty()) {
        QVERIFY(!problem);
        return;
    }
    QVERIFY(problem);
    QCOMPARE(problem->message, message);
    QCOMPARE(problem->box ? int(*problem->box) : -1, box);
    // Blank boxes stop the user; a day the month lacks is a notice.
    QCOMPARE(problem->severity, error ? Severity::Error : Severity::Notice);
    // The whole question gives the same answer: these never reach the engine.
    const std::optional<BirthProblem> whole = readingProblem(details);
    QVERIFY(whole);
    QCOMPARE(whole->message, message);
}

void TestBirthRules::readingProblemAddsTheLatitude_data() {
    QTest::addColumn<BirthDetails>("details");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("box");

    QTest::newRow("valid") << valid() << QString() << -1;
    const QString degrees = QStringLiteral("Please Enter Correct Degree of Latitude");
    const QString minutes = QStringLiteral("Please Enter Correct Minute of Latitude");
    BirthDetails d = valid();
    d.latitudeMinutes = QStringLiteral("61");
    QTest::newRow("minutes 61") << d << minutes << int(BirthBox::LatM);
    d.latitudeMinutes = QStringLiteral("60");
    QTest::newRow("minutes 60") << d << QString() << -1;
    d = valid();
    d.latitudeMinutes = QStringLiteral("-3");
    QTest::newRow("a pasted sign") << d << minutes << int(BirthBox::LatM);
    d = valid();
    d.latitudeDegrees = QStringLiteral("4x");
    QTest::newRow("a pasted letter") << d << degrees << int(BirthBox::LatD);
    d = valid();
    d.latitudeDegrees = QStringLiteral("4.5");
    QTest::newRow("a pasted fraction") << d << degrees << int(BirthBox::LatD);
    d = valid();
    d.latitudeDegrees = QStringLiteral("451");
    d.latitudeMinutes = QStringLiteral("0");
    QTest::newRow("no catalogue row") << d << degrees << int(BirthBox::LatD);
    // The boxes and the date come first, whatever the latitude.
    d.name.clear();
    QTest::newRow("a blank name before the latitude")
        << d << "Please Enter Name" << int(BirthBox::Name);
    d = valid();
    d.latitudeMinutes = QStringLiteral("61");
    d.monthIndex = 3;
    d.day = 31;
    QTest::newRow("the date before the latitude")
        << d << "Please Enter Correct Date Or Month !" << -1;
}

void TestBirthRules::readingProblemAddsTheLatitude() {
    QFETCH(BirthDetails, details);
    QFETCH(QString, message);
    QFETCH(int, box);

    const std::optional<BirthProblem> problem = readingProblem(details);
    if (message.isEmpty()) {
        QVERIFY(!problem);
        return;
    }
    QVERIFY(problem);
    QCOMPARE(problem->message, message);
    QCOMPARE(problem->box ? int(*problem->box) : -1, box);
}

void TestBirthRules::commandLineBoxes() {
    // The command line's details: the latitude and the year, no name, no
    // longitude, and only the year of the date.
    BirthDetails given{
        .dateGiven = false,
        .year = 1970,
        .timeGiven = false,
        .latitudeDegrees = QStringLiteral("51"),
        .latitudeMinutes = QStringLiteral("30"),
        .latitudeSeconds = QStringLiteral("0"),
    };
    const RequiredBoxes latitudeOnly{.name = false, .longitude = false};
    QCOMPARE(readingProblem(given, latitudeOnly), std::nullopt);
    // The form needs what the command line leaves out.
    QCOMPARE(readingProblem(given)->message, QStringLiteral("Please Enter Name"));
    given.name = QStringLiteral("ADA");
    QCOMPARE(readingProblem(given)->message, QStringLiteral("Please Enter Degree of Longitude"));

    // A name given blank is refused when the name is required.
    given.name = QStringLiteral("  ");
    QCOMPARE(readingProblem(given, latitudeOnly), std::nullopt);
    const std::optional<BirthProblem> blank =
        readingProblem(given, RequiredBoxes{.name = true, .longitude = false});
    QVERIFY(blank);
    QCOMPARE(blank->message, QStringLiteral("Please Enter Name"));
    QVERIFY(blank->box == BirthBox::Name);

    // The latitude is always required, and always put to the engine.
    given.name.clear();
    given.latitudeSeconds.clear();
    QCOMPARE(readingProblem(given, latitudeOnly)->message,
             QStringLiteral("Please Enter Second of Latitude"));
    given.latitudeSeconds = QStringLiteral("0");
    given.latitudeMinutes = QStringLiteral("75");
    QCOMPARE(readingProblem(given, latitudeOnly)->message,
             QStringLiteral("Please Enter Correct Minute of Latitude"));
}

void TestBirthRules::passingMeansEveryEngineGivesAReading() {
    // The form asks the rules and then the program's engine, which has given
    // other readings before: whenever the rules pass, any engine gives a
    // reading, and whenever they refuse the latitude, a fresh engine refuses
    // it the same way.
    stars::ReadingEngine used;
    QVERIFY(used.RequestReading("51", "30", 1999).accepted());
    int passed = 0;
    int refused = 0;
    for (const int year : {1900, 1999, 2000, 2050}) {
        for (int degrees = 0; degrees <= 460; degrees += 3) {
            for (int minutes = 0; minutes <= 64; ++minutes) {
                BirthDetails details = valid();
                details.year = year;
                details.latitudeDegrees = QString::number(degrees);
                details.latitudeMinutes = QString::number(minutes);
                const std::optional<BirthProblem> problem = readingProblem(details);
                stars::ReadingEngine fresh;
                const stars::ReadingOutcome alone =
                    fresh.RequestReading(std::to_string(degrees), std::to_string(minutes), year);
                if (!problem) {
                    ++passed;
                    QVERIFY(alone.accepted());
                    QVERIFY(
                        used.RequestReading(std::to_string(degrees), std::to_string(minutes), year)
                            .accepted());
                    continue;
                }
                ++refused;
                QVERIFY(!alone.accepted());
                const BirthBox named = *alone.refusedField == stars::LatitudeField::Degrees
                                           ? BirthBox::LatD
                                           : BirthBox::LatM;
                QVERIFY(problem->box == named);
                QCOMPARE(problem->severity, Severity::Error);
            }
        }
    }
    // Both answers were met, many times over.
    QVERIFY(passed > 1000);
    QVERIFY(refused > 1000);
}

void TestBirthRules::blanksAreSpacesOnly() {
    QVERIFY(isBlank(QString()));
    QVERIFY(isBlank(QStringLiteral("   ")));
    // A tab or a no-break space is text, not a blank.
    QVERIFY(!isBlank(QStringLiteral(" \t ")));
    QVERIFY(!isBlank(QStringLiteral("\u00a0")));
    QVERIFY(!isBlank(QStringLiteral(" 1 ")));
}

void TestBirthRules::calendarAgreesWithGregorianDates() {
    // Held against QDate's Gregorian calendar, for every day number the
    // form's day list offers, in every month of every year offered.
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        QCOMPARE(isLeapYear(year), QDate::isLeapYear(year));
        for (int month = 0; month < 12; ++month) {
            const int length = QDate(year, month + 1, 1).daysInMonth();
            for (int day = 1; day <= 31; ++day) {
                const DateProblem problem = checkDate(month, day, year);
                QCOMPARE(problem == DateProblem::None, day <= length);
                if (problem == DateProblem::None)
                    QCOMPARE(dateProblem(month, day, year), std::nullopt);
                else
                    QCOMPARE(problem,
                             month == 1 ? DateProblem::February : DateProblem::ThirtyDayMonth);
            }
        }
    }
    QVERIFY(!isLeapYear(1900));
    QVERIFY(isLeapYear(2000));
    QVERIFY(!isLeapYear(2100));
    // The two messages differ by a blank, as the form has always shown them.
    QCOMPARE(dateProblem(1, 30, 2000)->message,
             QStringLiteral("Please Enter Correct Date Or Month!"));
    QCOMPARE(dateProblem(8, 31, 2000)->message,
             QStringLiteral("Please Enter Correct Date Or Month !"));
    QCOMPARE(dateProblem(8, 31, 2000)->severity, Severity::Notice);
    QVERIFY(!dateProblem(8, 31, 2000)->box);
}

void TestBirthRules::writtenDates() {
    const QRegularExpressionMatch match = writtenDatePattern().match(QStringLiteral("1990-12-10"));
    QVERIFY(match.hasMatch());
    QCOMPARE(match.captured(1), QStringLiteral("1990"));
    QCOMPARE(match.captured(2), QStringLiteral("12"));
    QCOMPARE(match.captured(3), QStringLiteral("10"));
    // The pattern reads the digits; whether they make a date is checked after.
    QVERIFY(writtenDatePattern().match(QStringLiteral("1990-13-40")).hasMatch());
    for (const char* written : {"1990-1-10", "90-12-10", "1990-12-10 ", " 1990-12-10", "1990/12/10",
                                "10.12.1990", "1990-12-10T00:00", ""})
        QVERIFY2(!writtenDatePattern().match(QString::fromLatin1(written)).hasMatch(), written);
}

void TestBirthRules::keysTheBoxesTake() {
    for (char32_t code = 0; code < 128; ++code) {
        const bool digit = (code >= U'0' && code <= U'9') || code == 8;
        QCOMPARE(digitKey(code).action, digit ? KeyVerdict::Pass : KeyVerdict::Discard);
    }
    QCOMPARE(nameKey(U'A').action, KeyVerdict::Pass);
    QCOMPARE(nameKey(U'z').action, KeyVerdict::Replace);
    QCOMPARE(nameKey(U'z').replacement, QLatin1Char('Z'));
    for (const char32_t code : {U' ', char32_t(13), char32_t(8)})
        QCOMPARE(nameKey(code).action, KeyVerdict::Pass);
    for (const char32_t code : {U'7', U'-', U'\'', U'\u00e9', U'\u0905'})
        QCOMPARE(nameKey(code).action, KeyVerdict::Discard);
    // Under German the umlauts are letters, turned to capitals.
    const KeyFilter german = nameKeyFor(QLocale::German);
    QCOMPARE(german(U'\u00fc').action, KeyVerdict::Replace);
    QCOMPARE(german(U'\u00fc').replacement, QChar(0x00dc));
    QCOMPARE(german(U'7').action, KeyVerdict::Discard);
    QCOMPARE(refusedLetterMessage(), QStringLiteral("Please Enter only Letters"));
    QCOMPARE(refusedDigitMessage(), QStringLiteral("Only Numbers Are Accepted"));
}

void TestBirthRules::namesGivenWhole() {
    QCOMPARE(nameAsTheBoxTakesIt(QStringLiteral("ada lovelace")), QStringLiteral("ADA LOVELACE"));
    QCOMPARE(nameAsTheBoxTakesIt(QStringLiteral("  ")), QStringLiteral("  "));
    QCOMPARE(nameAsTheBoxTakesIt(QString()), QString());
    QCOMPARE(nameAsTheBoxTakesIt(QStringLiteral("O'NEIL")), std::nullopt);
    // Enter and Backspace are keys of the box, not letters of a name.
    QCOMPARE(nameAsTheBoxTakesIt(QStringLiteral("ANN\r")), std::nullopt);
    QCOMPARE(nameAsTheBoxTakesIt(QStringLiteral("ANN\b")), std::nullopt);
    // In the language the program speaks.
    QCOMPARE(nameAsTheBoxTakesIt(QStringLiteral("j\u00fcrgen")), std::nullopt);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(nameAsTheBoxTakesIt(QStringLiteral("j\u00fcrgen")), QStringLiteral("J\u00dcRGEN"));
}

QTEST_GUILESS_MAIN(TestBirthRules)
#include "tst_birth_rules.moc"
