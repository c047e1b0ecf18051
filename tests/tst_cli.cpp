// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, as a user meets it: the real program run without any
// display, its output and exit status read back, and held against the
// engine's own result and the form's.

#include <QComboBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

#include <stdexcept>

#include "birth/zone.h"
#include "cli/reading_command.h"
#include "cli/terminal_text.h"
#include "display/display_form.h"
#include "document/reading_document.h"
#include "entry/main_form.h"
#include "stars/engine.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program with `arguments`, as from a plain console: no display of any
// kind, a home of its own.
QTemporaryDir& Home() {
    static QTemporaryDir home;
    return home;
}

// How the program's standard output is set up: a pipe read back, a file
// (such as /dev/full), or closed before the program starts.
struct Output {
    QString file;
    bool closed = false;
};

// `environment` adds to (or, empty, takes from) the console's variables;
// the language comes from there alone.
Run Asterine(const QStringList& arguments, const QMap<QString, QString>& environment = {},
             const Output& output = {}) {
    const QTemporaryDir& home = Home();
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        variables.remove(QLatin1String(variable));
    variables.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    variables.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (auto it = environment.begin(); it != environment.end(); ++it) {
        if (it.value().isEmpty())
            variables.remove(it.key());
        else
            variables.insert(it.key(), it.value());
    }
    QProcess process;
    process.setProcessEnvironment(variables);
    if (!output.file.isEmpty())
        process.setStandardOutputFile(output.file);
    if (output.closed)
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    process.start(QStringLiteral(ASTERINE_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QMap<QString, QString> Language(const QString& language) {
    return {{QStringLiteral("LANGUAGE"), language}};
}

// The reading as JSON, read back; an empty object when it is none.
QJsonObject Json(const Run& run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// Whether `text` holds a character that would steer a terminal: a control
// character other than the line end, or a mark that turns text around.
bool SteersTheTerminal(const QString& text) {
    for (const char32_t code : text.toUcs4()) {
        if (code == U'\n')
            continue;
        if (code < 0x20 || (code >= 0x7f && code < 0xa0) || code == 0x2028 || code == 0x2029 ||
            (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069))
            return true;
    }
    return false;
}

QStringList WithoutFooter(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() &&
           (lines.last().isEmpty() || lines.last().startsWith(QLatin1String("Made with"))))
        lines.removeLast();
    return lines;
}

std::vector<atlas::Place> NoAtlas(const QString&) {
    throw std::runtime_error("no atlas");
}

}  // namespace

namespace {

// The reading of `more` as JSON, from the real program; the status too.
QJsonObject JsonReading(const QStringList& more, int* status = nullptr) {
    const Run run = Asterine(
        QStringList{QStringLiteral("reading"), QStringLiteral("--format"), QStringLiteral("json")} +
        more);
    if (status)
        *status = run.status;
    return Json(run);
}

QStringList Words(std::initializer_list<const char*> words) {
    QStringList list;
    for (const char* word : words)
        list << QString::fromUtf8(word);
    return list;
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersionWithoutADisplay();
    void readingsAreTheEnginesAndTheForms();
    void refusedInput_data();
    void refusedInput();
    void hostileArguments();
    void places();
    void withoutAnAtlas();
    void optionsBeforeAnyDisplay();
    void outputThatCannotBeWritten();
    void controlCharactersNeverReachTheTerminal();
    void anglesAsPeopleWriteThem_data();
    void anglesAsPeopleWriteThem();
    void placesInEveryLanguage_data();
    void placesInEveryLanguage();
    void narrowingByStateOrCountry();
    void theCLocaleSpeaksEnglish();
    void completion();
    void theMomentOfBirth();
    void thePlaceGivesTheZone();
    void clockTimesSkippedOrShownTwice_data();
    void clockTimesSkippedOrShownTwice();
    void localMeanTime();
    void whatTheSkyNeedsIsLeftOutWithoutIt();
    void orbAndParanMinutes();
    void aZoneOfTenMegabytes();
    void charts();
};

void TestCli::helpAndVersionWithoutADisplay() {
    for (const char* option : {"--help", "-h"}) {
        const Run run = Asterine({QLatin1String(option)});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(QLatin1String("Usage: asterine")), qPrintable(run.out));
        QVERIFY(run.out.contains(QLatin1String("--latitude")));
        QCOMPARE(run.err, QString());
    }
    // The synopsis: --place can stand for --latitude.
    QVERIFY(Asterine({QStringLiteral("--help")})
                .out.contains(QLatin1String("asterine reading (--latitude LATITUDE | --place "
                                            "PLACE)\n")));
    for (const char* option : {"--version", "-v"}) {
        const Run run = Asterine({QLatin1String(option)});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Asterine 1.0"));
    }
    // Both end with the copyright and the licence.
    for (const char* option : {"--version", "--help"}) {
        const QStringList lines = Asterine({QLatin1String(option)}).out.split(QLatin1Char('\n'));
        QVERIFY2(lines.size() > 5, option);
        QCOMPARE(lines.mid(lines.size() - 5),
                 QStringList({QStringLiteral("Copyright \u00a9 2026 Quorvane Softwares."),
                              QStringLiteral("License GPLv3+: GNU GPL version 3 or later "
                                             "<https://gnu.org/licenses/gpl.html>."),
                              QStringLiteral("This is free software: you are free to change and "
                                             "redistribute it."),
                              QStringLiteral("There is NO WARRANTY, to the extent permitted by "
                                             "law."),
                              QString()}));
    }
    QCOMPARE(Asterine({QStringLiteral("reading"), QStringLiteral("--help")}).status, 0);
    // No lock taken, no settings written.
    const Run reading =
        Asterine({QStringLiteral("reading"), QStringLiteral("--latitude"),
                  QStringLiteral("51:30:26N"), QStringLiteral("--year"), QStringLiteral("1970")});
    QCOMPARE(reading.status, 0);
    QVERIFY(!QFile::exists(Home().filePath(QStringLiteral("runtime/asterine.lock"))));
    QVERIFY(!QFileInfo::exists(Home().filePath(QStringLiteral("config"))));
}

void TestCli::readingsAreTheEnginesAndTheForms() {
    Harness h;
    QVERIFY(h.start());
    FrmMain* main = h.app->mainForm();
    FillValid(main);
    int compared = 0;
    for (int degrees = 0; degrees < 180; degrees += 11) {
        for (const int minutes : {0, 29, 60}) {
            for (const int year : {1900, 1999, 2000, 2050}) {
                const QString latitude = QStringLiteral("%1:%2:7N").arg(degrees).arg(minutes);
                const Run run =
                    Asterine({QStringLiteral("reading"), QStringLiteral("--latitude"), latitude,
                              QStringLiteral("--year"), QString::number(year)});
                stars::ReadingEngine engine;
                const stars::ReadingOutcome outcome =
                    engine.RequestReading(std::to_string(degrees), std::to_string(minutes), year);
                if (!outcome.accepted()) {
                    QCOMPARE(run.status, 2);
                    continue;
                }
                QCOMPARE(run.status, 0);
                // The engine's reading, as a document.
                birth::BirthDetails details;
                details.name.clear();
                details.dateGiven = false;
                details.timeGiven = false;
                details.year = year;
                details.latitudeDegrees = QString::number(degrees);
                details.latitudeMinutes = QString::number(minutes);
                details.latitudeSeconds = QStringLiteral("7");
                const QString expected = document::toText(
                    document::makeDocument(*outcome.reading, details, QDate::currentDate()));
                QCOMPARE(WithoutFooter(run.out), WithoutFooter(expected));

                // The form's, for the same boxes.
                if (compared++ % 5 == 0) {
                    main->show();
                    Child<QLineEdit>(main, "txtLatD")->setText(QString::number(degrees));
                    Child<QLineEdit>(main, "txtLatM")->setText(QString::number(minutes));
                    Child<QComboBox>(main, "cboYear")->setCurrentText(QString::number(year));
                    Click(main, "cmdRashi");
                    const document::ReadingDocument form = h.app->displayForm()->readingDocument();
                    // The star and its lore; the sky after them is of the
                    // form's whole details, which the command line's lack.
                    const auto star = [](const QString& text) {
                        const qsizetype from = text.indexOf(QLatin1String("Fixed Star:"));
                        return text.mid(from, text.indexOf(QLatin1String("\nSky\n")) - from);
                    };
                    QCOMPARE(star(run.out), star(toText(form)));
                    Click(h.app->displayForm(), "cmdOK");
                    Harness::settle();
                }
            }
        }
    }
    QVERIFY(compared > 100);
}

void TestCli::refusedInput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const auto reading = [](std::initializer_list<const char*> more) {
        QStringList arguments{QStringLiteral("reading")};
        for (const char* argument : more)
            arguments << QString::fromUtf8(argument);
        return arguments;
    };
    QTest::newRow("minutes above 60") << reading({"--latitude", "45:61N", "--year", "1970"}) << 2
                                      << "Please Enter Correct Minute of Latitude";
    QTest::newRow("four digits of degrees") << reading({"--latitude", "1000:00N", "--year", "1970"})
                                            << 2 << "Please Enter Correct Degree of Latitude";
    QTest::newRow("infinity") << reading({"--latitude", "1e309", "--year", "1970"}) << 2
                              << "the latitude \u201c1e309\u201d is neither";
    QTest::newRow("not a number") << reading({"--latitude", "nan", "--year", "1970"}) << 2
                                  << "the latitude \u201cnan\u201d is neither";
    QTest::newRow("empty latitude")
        << reading({"--latitude", "", "--year", "1970"}) << 2 << "Please Enter Degree of Latitude";
    // The latitude's refusal quotes it and names the forms it may take.
    QTest::newRow("a latitude without sense")
        << reading({"--latitude", "north", "--year", "1970"}) << 2
        << "asterine reading: the latitude \u201cnorth\u201d is neither degrees, minutes and "
           "seconds with N or S (51:30:26N, 51 30 N, 51\u00b030.5\u2032N) nor decimal degrees "
           "(-33.87, N51.5).\n";
    QTest::newRow("south twice") << reading({"--latitude", "-33.87S", "--year", "1970"}) << 2
                                 << "the latitude \u201c-33.87S\u201d is neither";
    QTest::newRow("north and south") << reading({"--latitude", "N51S", "--year", "1970"}) << 2
                                     << "the latitude \u201cN51S\u201d is neither";
    QTest::newRow("a decimal comma in English") << reading({"--latitude", "51,5", "--year", "1970"})
                                                << 2 << "the latitude \u201c51,5\u201d is neither";
    QTest::newRow("decimal minutes above 60")
        << reading({"--latitude", "45\u00b061.5'N", "--year", "1970"}) << 2
        << "Please Enter Correct Minute of Latitude";
    QTest::newRow("no latitude") << reading({"--year", "1970"}) << 2
                                 << "Please Enter Degree of Latitude";
    QTest::newRow("a day February lacks")
        << reading({"--latitude", "51:30N", "--date", "1901-02-29"}) << 2
        << "Please Enter Correct Date Or Month!";
    QTest::newRow("31 April") << reading({"--latitude", "51:30N", "--date", "2000-04-31"}) << 2
                              << "Please Enter Correct Date Or Month !";
    QTest::newRow("not a date") << reading({"--latitude", "51:30N", "--date", "1990-13-01"}) << 2
                                << "is not a date written YYYY-MM-DD";
    QTest::newRow("a year the form lacks")
        << reading({"--latitude", "51:30N", "--year", "1899"}) << 2 << "1900 to 2050";
    QTest::newRow("no year") << reading({"--latitude", "51:30N"}) << 2 << "--year";
    QTest::newRow("an apostrophe in the name")
        << reading({"--latitude", "51:30N", "--year", "1970", "--name", "O'NEIL"}) << 2
        << "Please Enter only Letters";
    QTest::newRow("a blank name") << reading(
                                         {"--latitude", "51:30N", "--year", "1970", "--name", "  "})
                                  << 2 << "Please Enter Name";
    // With more than one fault, the first told: the date as it is read, then
    // the name, then the latitude's star.
    QTest::newRow("a day February lacks before a blank name")
        << reading({"--latitude", "51:30N", "--date", "1901-02-29", "--name", "  "}) << 2
        << "Please Enter Correct Date Or Month!";
    QTest::newRow("a blank name before minutes above 60")
        << reading({"--latitude", "45:61N", "--year", "1970", "--name", " "}) << 2
        << "Please Enter Name";
    QTest::newRow("a refused letter before minutes above 60")
        << reading({"--latitude", "45:61N", "--year", "1970", "--name", "O'NEIL"}) << 2
        << "Please Enter only Letters";
    QTest::newRow("unknown format")
        << reading({"--latitude", "51:30N", "--year", "1970", "--format", "xml"}) << 2
        << "neither text nor json";
    QTest::newRow("unknown option")
        << reading({"--latitude", "51:30N", "--year", "1970", "--bogus"}) << 2 << "bogus";
    QTest::newRow("an unknown option without a command")
        << QStringList{QStringLiteral("--bogus")} << 2
        << "asterine: unknown option \u201c--bogus\u201d. Try \u201casterine --help\u201d.\n";
    QTest::newRow("unknown command")
        << QStringList{QStringLiteral("readings")} << 2 << "\u201creadings\u201d is not a command";
    QTest::newRow("a longitude without sense")
        << reading({"--latitude", "51:30N", "--year", "1970", "--longitude", "west"}) << 2
        << "the longitude";
    QTest::newRow("an option twice")
        << reading({"--latitude", "51:30N", "--latitude", "52:00N", "--year", "1970"}) << 2
        << "more than once";

    // The moment of birth: a time needs a date and a zone, and every value
    // is checked before anything is worked out.
    const auto at = [&reading](std::initializer_list<const char*> more) {
        QStringList arguments =
            reading({"--latitude", "52:31N", "--longitude", "13:24E", "--date", "1990-12-10"});
        for (const char* argument : more)
            arguments << QString::fromUtf8(argument);
        return arguments;
    };
    QTest::newRow("a time without a date")
        << reading({"--latitude", "51:30N", "--year", "1990", "--time", "14:30", "--zone",
                    "Europe/Berlin"})
        << 2 << "--time needs the date of birth: give --date too.";
    QTest::newRow("a time without a zone") << at({"--time", "14:30"}) << 2 << "give --zone";
    QTest::newRow("25 o'clock") << at({"--time", "25:00", "--zone", "Europe/Berlin"}) << 2
                                << "the time \u201c25:00\u201d is not a time of day";
    QTest::newRow("61 minutes") << at({"--time", "14:61", "--zone", "Europe/Berlin"}) << 2
                                << "the time \u201c14:61\u201d";
    QTest::newRow("a time of words")
        << at({"--time", "noon", "--zone", "Europe/Berlin"}) << 2 << "HH:MM or HH:MM:SS";
    QTest::newRow("an unknown zone") << at({"--time", "14:30", "--zone", "Mars/Olympus"}) << 2
                                     << "Unknown time zone \u201cMars/Olympus\u201d";
    QTest::newRow("an empty zone")
        << at({"--time", "14:30", "--zone", ""}) << 2 << "No time zone was given";
    QTest::newRow("a zone too long")
        << at({"--time", "14:30", "--zone", QByteArray(100000, 'a').constData()}) << 2
        << "too long to be one (100000 characters";
    QTest::newRow("a fixed offset beyond 14 hours")
        << at({"--time", "14:30", "--zone", "UTC+15:00"}) << 2 << "out of range";
    QTest::newRow("an offset of 30 hours")
        << at({"--time", "14:30", "--zone", "Europe/Berlin", "--offset", "+30:00"}) << 2
        << "The offset \u201c+30:00\u201d is out of range";
    QTest::newRow("an offset without a sign")
        << at({"--time", "14:30", "--zone", "Europe/Berlin", "--offset", "01:00"}) << 2
        << "not an offset from UTC";
    QTest::newRow("an offset without a time")
        << at({"--zone", "Europe/Berlin", "--offset", "+01:00"}) << 2
        << "--offset tells the offset of a clock time";
    QTest::newRow("daylight saving without a time")
        << at({"--zone", "Europe/Berlin", "--dst", "no"}) << 2
        << "--dst tells the offset of a clock time";
    QTest::newRow("daylight saving neither yes nor no")
        << at({"--time", "14:30", "--zone", "Europe/Berlin", "--dst", "maybe"}) << 2
        << "Daylight saving is yes or no, not \u201cmaybe\u201d.";
    QTest::newRow("daylight saving the zone did not keep")
        << at({"--time", "14:30", "--zone", "Europe/Berlin", "--dst", "yes"}) << 2
        << "Daylight saving was not in force in Europe/Berlin on 1990-12-10";
    QTest::newRow("local mean time without a longitude")
        << reading(
               {"--latitude", "27:42N", "--date", "1900-06-01", "--time", "12:00", "--zone", "LMT"})
        << 2
        << "--zone LMT is the local mean time of the birthplace's longitude: give "
           "--longitude or --place too.";
    QTest::newRow("a zone's local mean time without a longitude")
        << reading({"--latitude", "27:42N", "--date", "1900-06-01", "--time", "12:00", "--zone",
                    "Asia/Kathmandu"})
        << 2 << "longitude";
    QTest::newRow("a negative orb")
        << reading({"--latitude", "51:30N", "--year", "1990", "--orb", "-1"}) << 2
        << "the orb \u201c-1\u201d is not a number of degrees";
    QTest::newRow("an orb over 10")
        << reading({"--latitude", "51:30N", "--year", "1990", "--orb", "10.5"}) << 2
        << "from 0 to 10";
    QTest::newRow("an orb of words")
        << reading({"--latitude", "51:30N", "--year", "1990", "--orb", "wide"}) << 2
        << "the orb \u201cwide\u201d";
    QTest::newRow("an infinite orb")
        << reading({"--latitude", "51:30N", "--year", "1990", "--orb", "inf"}) << 2
        << "the orb \u201cinf\u201d";
    QTest::newRow("negative paran minutes")
        << reading({"--latitude", "51:30N", "--year", "1990", "--paran-minutes", "-4"}) << 2
        << "the paran tolerance \u201c-4\u201d is not a number of minutes from 0 to 60";
    QTest::newRow("paran minutes over 60")
        << reading({"--latitude", "51:30N", "--year", "1990", "--paran-minutes", "61"}) << 2
        << "from 0 to 60";
    QTest::newRow("paran minutes of words")
        << reading({"--latitude", "51:30N", "--year", "1990", "--paran-minutes", "four"}) << 2
        << "the paran tolerance \u201cfour\u201d";
    QTest::newRow("a chart as JPEG")
        << reading({"--latitude", "51:30N", "--year", "1990", "--chart", "wheel.jpg"}) << 2
        << "not as \u201c.jpg\u201d";
    QTest::newRow("a chart without an extension")
        << reading({"--latitude", "51:30N", "--year", "1990", "--chart", "wheel"}) << 2
        << "has no extension";
    QTest::newRow("a chart too small")
        << reading({"--latitude", "51:30N", "--year", "1990", "--chart", "wheel.png",
                    "--chart-size", "199"})
        << 2 << "the chart size \u201c199\u201d is not a number of pixels from 200 to 8000";
    QTest::newRow("a chart too large") << reading({"--latitude", "51:30N", "--year", "1990",
                                                   "--chart", "wheel.png", "--chart-size", "8001"})
                                       << 2 << "from 200 to 8000";
    QTest::newRow("a chart size of words")
        << reading({"--latitude", "51:30N", "--year", "1990", "--chart", "wheel.png",
                    "--chart-size", "big"})
        << 2 << "the chart size \u201cbig\u201d";
    QTest::newRow("a chart size without a chart")
        << reading({"--latitude", "51:30N", "--year", "1990", "--chart-size", "500"}) << 2
        << "give --chart too";
    QTest::newRow("a chart in a folder that is not there")
        << reading({"--latitude", "51:30N", "--year", "1990", "--chart",
                    "/nonexistent folder/wheel.svg"})
        << 1 << "/nonexistent folder/wheel.svg";
    QTest::newRow("a time twice") << at({"--time", "14:30", "--time", "15:30", "--zone",
                                         "Europe/Berlin"})
                                  << 2 << "--time is given more than once";
}

void TestCli::refusedInput() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run run = Asterine(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QString());  // no reading for refused input
    QVERIFY2(run.err.contains(message), qPrintable(run.err.left(400)));
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
}

void TestCli::hostileArguments() {
    // 91 degrees: the reading the form gives for 91, the side as given.
    Run run =
        Asterine({QStringLiteral("reading"), QStringLiteral("--latitude"), QStringLiteral("91:00N"),
                  QStringLiteral("--year"), QStringLiteral("1970")});
    QCOMPARE(run.status, 0);
    stars::ReadingEngine engine;
    const auto outcome = engine.RequestReading("91", "00", 1970);
    QVERIFY(run.out.contains(QStringLiteral("Latitude: 91\u00b0 00\u2032 0\u2033 N\n")));
    QVERIFY(run.out.contains(QStringLiteral("Fixed Star: ") +
                             QString::fromStdString(engine.CurrentStarName())));

    // Decimal degrees, south by their sign, as the atlas turns them.
    run = Asterine({QStringLiteral("reading"), QStringLiteral("--latitude=-33.87"),
                    QStringLiteral("--year"), QStringLiteral("1970")});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Latitude: 33\u00b0 52\u2032 12\u2033 S\n")),
             qPrintable(run.out));
    run = Asterine({QStringLiteral("reading"), QStringLiteral("--latitude"),
                    QStringLiteral("51\u00b030\u203226\u2033N"), QStringLiteral("--year"),
                    QStringLiteral("1970")});
    QCOMPARE(run.status, 0);

    // The longest argument the system passes (128 KiB less one; exec
    // refuses more), and bytes of every kind but NUL: refused, quickly, whole.
    const QString flood(128 * 1024 - 1, QLatin1Char('7'));
    QElapsedTimer clock;
    clock.start();
    run = Asterine({QStringLiteral("reading"), QStringLiteral("--latitude"), flood,
                    QStringLiteral("--year"), QStringLiteral("1970")});
    QCOMPARE(run.status, 2);
    QVERIFY(clock.elapsed() < 10000);
    QByteArray junk;
    for (int byte = 1; byte < 256; ++byte)
        junk += char(byte);
    for (const char* option : {"--latitude", "--name", "--date", "--year"}) {
        run = Asterine({QStringLiteral("reading"), QLatin1String(option),
                        QString::fromLocal8Bit(junk), QStringLiteral("--latitude"),
                        QStringLiteral("1:1")});
        QCOMPARE(run.status, 2);
    }
    run =
        Asterine({QStringLiteral("reading"), QStringLiteral("--place"),
                  QString::fromLocal8Bit(junk), QStringLiteral("--year"), QStringLiteral("1970")});
    QVERIFY2(run.status == 3 || run.status == 2, qPrintable(run.err));
    // Empty strings.
    run = Asterine({QStringLiteral("reading"), QString(), QString()});
    QCOMPARE(run.status, 2);
    run = Asterine({QString()});
    QCOMPARE(run.status, 2);
}

void TestCli::places() {
    const auto place = [](const QString& typed) {
        return Asterine({QStringLiteral("reading"), QStringLiteral("--place"), typed,
                         QStringLiteral("--year"), QStringLiteral("1970")});
    };
    // One place: its coordinates, its name in the reading, nothing on stderr.
    Run run = place(QStringLiteral("Pune"));
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(QLatin1String("Place of Birth: Pune, Maharashtra, India\n")));
    QVERIFY(run.out.contains(QStringLiteral("Latitude: 18\u00b0 31\u2032 10\u2033 N\n")));
    QVERIFY(run.out.contains(QStringLiteral("Longitude: 73\u00b0 51\u2032 19\u2033 E\n")));
    QCOMPARE(run.err, QString());
    // Several: the most populous, and how to narrow it.
    run = place(QStringLiteral("London"));
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(QLatin1String("Place of Birth: London, England, United Kingdom\n")));
    QVERIFY2(run.err.contains(QLatin1String("places that match")) &&
                 run.err.contains(QStringLiteral("\u201cLondon, Canada\u201d")),
             qPrintable(run.err));
    run = place(QStringLiteral("London, Canada"));
    QVERIFY(run.out.contains(QLatin1String("Place of Birth: London, Ontario, Canada\n")));
    // Accents and capitals do not matter.
    for (const char* typed : {"sao paulo", "S\u00c3O PAULO", "S\u00e3o Paulo"}) {
        run = place(QString::fromUtf8(typed));
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(
                     QStringLiteral("Place of Birth: S\u00e3o Paulo, S\u00e3o Paulo, Brazil\n")),
                 typed);
    }
    // None.
    run = place(QStringLiteral("Xyzzyq"));
    QCOMPARE(run.status, 3);
    QCOMPARE(run.out, QString());
    QVERIFY(run.err.contains(QLatin1String("no place in the atlas matches")));
    // A latitude given as well is the one taken.
    run = Asterine({QStringLiteral("reading"), QStringLiteral("--place"), QStringLiteral("Pune"),
                    QStringLiteral("--latitude"), QStringLiteral("40:30N"),
                    QStringLiteral("--year"), QStringLiteral("1970")});
    QVERIFY(run.out.contains(QStringLiteral("Latitude: 40\u00b0 30\u2032 0\u2033 N\n")));
}

void TestCli::withoutAnAtlas() {
    cli::ReadingRequest request;
    request.place = QStringLiteral("Pune");
    request.year = QStringLiteral("1970");
    const cli::ReadingResult result = cli::makeReading(request, QDate(2026, 12, 8), &NoAtlas);
    QCOMPARE(result.status, 3);
    QVERIFY(result.output.isEmpty());
    QVERIFY(result.messages.contains(QLatin1String("no atlas")));
}

void TestCli::optionsBeforeAnyDisplay() {
    // No display anywhere: an unknown option is still told as one, also
    // behind Qt's own options and their values.
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--bogus")},
          QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                      QStringLiteral("--bogus")},
          QStringList{QStringLiteral("-style"), QStringLiteral("fusion"),
                      QStringLiteral("-reverse"), QStringLiteral("--bogus")}}) {
        const Run run = Asterine(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, QStringLiteral("asterine: unknown option \u201c--bogus\u201d. Try "
                                         "\u201casterine --help\u201d.\n"));
        QCOMPARE(run.out, QString());
    }
    // Qt's options alone are the window's: without a display, that is what
    // is missing.
    Run run =
        Asterine({QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-reverse")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QLatin1String("graphical display")), qPrintable(run.err));

    // Behind reading, an option's value is its own, whatever it looks like.
    for (const char* value : {"-v", "--version", "-h"}) {
        run = Asterine({QStringLiteral("reading"), QStringLiteral("--latitude"),
                        QStringLiteral("51:30N"), QStringLiteral("--year"), QStringLiteral("1970"),
                        QStringLiteral("--name"), QLatin1String(value)});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(QLatin1String("Please Enter only Letters")), qPrintable(run.err));
    }
    run = Asterine({QStringLiteral("reading"), QStringLiteral("--latitude=-33.87"),
                    QStringLiteral("--name"), QStringLiteral("-v"), QStringLiteral("--year"),
                    QStringLiteral("1970"), QStringLiteral("--format"), QStringLiteral("json")});
    QCOMPARE(run.status, 2);
    // ... and the reading's own --version is the version.
    run = Asterine({QStringLiteral("reading"), QStringLiteral("--version")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.startsWith(QLatin1String("Asterine 1.0\n")));
}

void TestCli::outputThatCannotBeWritten() {
    const QStringList commands[] = {
        {QStringLiteral("--help")},
        {QStringLiteral("--version")},
        {QStringLiteral("reading"), QStringLiteral("--latitude"), QStringLiteral("51:30N"),
         QStringLiteral("--year"), QStringLiteral("1970")},
        {QStringLiteral("reading"), QStringLiteral("--place"), QStringLiteral("Pune"),
         QStringLiteral("--year"), QStringLiteral("1970"), QStringLiteral("--format"),
         QStringLiteral("json")},
    };
    for (const QStringList& arguments : commands) {
        // A full disk.
        Run run = Asterine(arguments, {}, {QStringLiteral("/dev/full"), false});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.endsWith(QLatin1String(
                     "asterine: standard output cannot be written: No space left on device.\n")),
                 qPrintable(arguments.join(QLatin1Char(' ')) + QLatin1String(": ") + run.err));
        // No standard output at all.
        run = Asterine(arguments, {}, {QString(), true});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.endsWith(QLatin1String(
                     "asterine: standard output cannot be written: Bad file descriptor.\n")),
                 qPrintable(arguments.join(QLatin1Char(' ')) + QLatin1String(": ") + run.err));
    }
    // The same commands, written, end well.
    for (const QStringList& arguments : commands)
        QCOMPARE(Asterine(arguments).status, 0);
}

void TestCli::controlCharactersNeverReachTheTerminal() {
    // Escape sequences that would recolour, retitle or clear a terminal, a
    // bell, a line break, the C1 control sequence introducer and a mark
    // that turns the line around.
    const QString hostile = QStringLiteral("\x1b[2J\x1b]0;owned\x07line\nbreak\u009b31m\u202etxt");
    const QStringList year{QStringLiteral("--year"), QStringLiteral("1970")};
    const QStringList latitude{QStringLiteral("--latitude"), QStringLiteral("51:30N")};
    const QStringList commands[] = {
        {hostile},
        {QStringLiteral("--") + hostile},
        {QStringLiteral("reading"), hostile},
        {QStringLiteral("reading"), QStringLiteral("--") + hostile},
        QStringList{QStringLiteral("reading"), QStringLiteral("--latitude"), hostile} + year,
        QStringList{QStringLiteral("reading"), QStringLiteral("--longitude"), hostile} + year +
            latitude,
        QStringList{QStringLiteral("reading"), QStringLiteral("--year"), hostile} + latitude,
        QStringList{QStringLiteral("reading"), QStringLiteral("--date"), hostile} + latitude,
        QStringList{QStringLiteral("reading"), QStringLiteral("--format"), hostile} + latitude +
            year,
        QStringList{QStringLiteral("reading"), QStringLiteral("--place"), hostile} + year,
        QStringList{QStringLiteral("reading"), QStringLiteral("--name"), hostile} + latitude + year,
    };
    for (const QStringList& arguments : commands) {
        const Run run = Asterine(arguments);
        const QString shown =
            arguments.join(QLatin1Char(' ')).toHtmlEscaped().toUtf8().toPercentEncoding();
        QVERIFY2(run.status == 2 || run.status == 3, qPrintable(shown));
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(!SteersTheTerminal(run.err), qPrintable(run.err.toUtf8().toPercentEncoding()));
        QCOMPARE(run.out, QString());
    }
    // Quoted, the characters show as escapes.
    const Run run = Asterine({hostile});
    QVERIFY2(
        run.err.contains(QStringLiteral("\u201c\\x1B[2J\\x1B]0;owned\\x07line\\x0Abreak\\x9B31m"
                                        "\\u202Etxt\u201d")),
        qPrintable(run.err));
    // A long argument is quoted in part.
    QCOMPARE(cli::terminalText(QString(200, QLatin1Char('x'))),
             QString(80, QLatin1Char('x')) + QChar(u'\u2026'));
    QCOMPARE(cli::terminalText(
                 QStringLiteral("M\u00fcnchen, \u0627\u0644\u0642\u0627\u0647\u0631\u0629")),
             QStringLiteral("M\u00fcnchen, \u0627\u0644\u0642\u0627\u0647\u0631\u0629"));
}

void TestCli::anglesAsPeopleWriteThem_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("hemisphere");
    const auto row = [](const char* name, const char* language, const char* typed, int degrees,
                        int minutes, double seconds, const char* hemisphere) {
        QTest::newRow(name) << QString::fromUtf8(language) << QString::fromUtf8(typed) << degrees
                            << minutes << seconds << QString::fromUtf8(hemisphere);
    };
    row("blanks", "", "51 30 N", 51, 30, 0, "N");
    row("blanks and seconds", "", "51 30 26 S", 51, 30, 26, "S");
    row("colons", "", "51:30:26N", 51, 30, 26, "N");
    row("degree sign alone", "", "51\u00b0N", 51, 0, 0, "N");
    row("ordinal sign", "", "51\u00ba30'N", 51, 30, 0, "N");
    row("primes", "", "51\u00b030\u203226\u2033N", 51, 30, 26, "N");
    row("apostrophes and blanks", "", "51\u00b0 30' 26\" s", 51, 30, 26, "S");
    row("decimal minutes", "", "51\u00b030.5'N", 51, 30, 30, "N");
    row("decimal seconds", "", "51:30:26.5N", 51, 30, 26.5, "N");
    row("minus sign", "", "\u221233.87", 33, 52, 12, "S");
    row("hyphen-minus", "", "-33.87", 33, 52, 12, "S");
    row("minus with minutes", "", "-33 52", 33, 52, 0, "S");
    row("side in front", "", "N51.5", 51, 30, 0, "N");
    row("side in front with a blank", "", "S 33 52 12", 33, 52, 12, "S");
    row("decimal comma in German", "de", "51,5", 51, 30, 0, "N");
    row("decimal comma in French", "fr", "-33,87", 33, 52, 12, "S");
    row("decimal point in German", "de", "51.5", 51, 30, 0, "N");
    row("Arabic-Indic digits", "ar", "\u0665\u0661:\u0663\u0660:\u0662\u0666N", 51, 30, 26, "N");
    row("Arabic decimal separator", "ar", "\u0665\u0661\u066b\u0665", 51, 30, 0, "N");
    row("Arabic-Indic digits in English", "", "\u0665\u0661 \u0663\u0660 N", 51, 30, 0, "N");
    row("Devanagari digits", "hi", "\u096b\u0967 \u0969\u0966 \u0968\u096c N", 51, 30, 26, "N");
    row("Devanagari decimal degrees", "hi", "\u096b\u0967.\u096b", 51, 30, 0, "N");
}

void TestCli::anglesAsPeopleWriteThem() {
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(int, degrees);
    QFETCH(int, minutes);
    QFETCH(double, seconds);
    QFETCH(QString, hemisphere);
    for (const char* option : {"--latitude", "--longitude"}) {
        const bool latitude = qstrcmp(option, "--latitude") == 0;
        QString angle = typed;
        if (!latitude)  // the same angle, east or west
            angle.replace(QLatin1Char('N'), QLatin1Char('E'))
                .replace(QLatin1Char('S'), QLatin1Char('W'))
                .replace(QLatin1Char('s'), QLatin1Char('w'));
        QStringList arguments{
            QStringLiteral("reading"), QLatin1String(option),  angle,
            QStringLiteral("--year"),  QStringLiteral("1970"), QStringLiteral("--format"),
            QStringLiteral("json")};
        if (!latitude)
            arguments << QStringLiteral("--latitude") << QStringLiteral("40:30N");
        const Run run = Asterine(arguments, Language(language));
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QJsonObject json = Json(run);
        const QJsonObject read =
            json.value(latitude ? QLatin1String("latitude") : QLatin1String("longitude"))
                .toObject();
        QCOMPARE(read.value(QLatin1String("degrees")).toInt(-1), degrees);
        QCOMPARE(read.value(QLatin1String("minutes")).toInt(-1), minutes);
        QCOMPARE(read.value(QLatin1String("seconds")).toDouble(-1), seconds);
        QString side = hemisphere;
        if (!latitude)
            side = side == QLatin1String("N") ? QStringLiteral("E") : QStringLiteral("W");
        QCOMPARE(read.value(QLatin1String("hemisphere")).toString(), side);
        if (latitude) {
            // The star is the engine's for those degrees and minutes.
            stars::ReadingEngine engine;
            QVERIFY(engine.RequestReading(std::to_string(degrees), std::to_string(minutes), 1970)
                        .accepted());
            QCOMPARE(json.value(QLatin1String("star")).toString(),
                     QString::fromStdString(engine.CurrentStarName()));
        }
    }
}

void TestCli::placesInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    for (const char* language : {"", "de", "ar", "hi", "fr"}) {
        const auto row = [language](const char* typed, const char* city, const char* state,
                                    const char* country) {
            QTest::addRow("%s under %s", typed, *language ? language : "English")
                << QString::fromUtf8(language) << QString::fromUtf8(typed)
                << QString::fromUtf8(city) << QString::fromUtf8(state)
                << QString::fromUtf8(country);
        };
        row("London, Canada", "London", "Ontario", "Canada");
        row("Paris, France", "Paris", "\u00cele-de-France Region", "France");
        row("London, UK", "London", "England", "United Kingdom");
        row("Paris, TX", "Paris", "Texas", "United States of America");
        row("Paris, Texas", "Paris", "Texas", "United States of America");
        row("Munich", "Munich", "Bavaria", "Germany");
    }
    // By the names of the language, JSON in English.
    QTest::newRow("M\u00fcnchen under de")
        << QStringLiteral("de") << QStringLiteral("M\u00fcnchen") << QStringLiteral("Munich")
        << QStringLiteral("Bavaria") << QStringLiteral("Germany");
    QTest::newRow("London, Kanada under de")
        << QStringLiteral("de") << QStringLiteral("London, Kanada") << QStringLiteral("London")
        << QStringLiteral("Ontario") << QStringLiteral("Canada");
    QTest::newRow("Cairo, Egypt, with the Arabic comma, under ar")
        << QStringLiteral("ar")
        << QStringLiteral("\u0627\u0644\u0642\u0627\u0647\u0631\u0629\u060c \u0645\u0635\u0631")
        << QStringLiteral("Cairo") << QStringLiteral("Cairo Governorate")
        << QStringLiteral("Egypt");
}

void TestCli::placesInEveryLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    const Run run = Asterine(
        {QStringLiteral("reading"), QStringLiteral("--place"), typed, QStringLiteral("--year"),
         QStringLiteral("1970"), QStringLiteral("--format"), QStringLiteral("json")},
        Language(language));
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const QJsonObject place = Json(run).value(QLatin1String("place")).toObject();
    QCOMPARE(place.value(QLatin1String("city")).toString(), city);
    QCOMPARE(place.value(QLatin1String("state")).toString(), state);
    QCOMPARE(place.value(QLatin1String("country")).toString(), country);
}

void TestCli::narrowingByStateOrCountry() {
    atlas::Place paris;
    paris.name = "Paris";
    paris.state = "Texas";
    paris.country = "Vereinigte Staaten";
    paris.englishName = "Paris";
    paris.englishState = "Texas";
    paris.englishCountry = "United States of America";
    paris.stateCode = "TX";
    paris.countryCode = "US";
    for (const char* folded : {"tx", "us", "usa", "tex", "texas", "united", "vereinigte"})
        QVERIFY2(cli::narrowedBy(paris, folded), folded);
    // Codes are whole; names are started, not ended or guessed.
    for (const char* folded : {"x", "s", "uk", "xas", "states", "france"})
        QVERIFY2(!cli::narrowedBy(paris, folded), folded);
    atlas::Place london;
    london.name = london.englishName = "London";
    london.state = london.englishState = "England";
    london.country = london.englishCountry = "United Kingdom";
    london.stateCode = "ENG";
    london.countryCode = "GB";
    QVERIFY(cli::narrowedBy(london, "uk"));
    QVERIFY(cli::narrowedBy(london, "gb"));
    QVERIFY(!cli::narrowedBy(london, "usa"));
}

void TestCli::theCLocaleSpeaksEnglish() {
    const QStringList reading{QStringLiteral("reading"), QStringLiteral("--latitude"),
                              QStringLiteral("77:33N"), QStringLiteral("--year"),
                              QStringLiteral("1970")};
    // The language is German where only LANGUAGE says so ...
    Run run = Asterine(reading, Language(QStringLiteral("de")));
    QVERIFY2(run.out.contains(QLatin1String("\nFixstern: Regulus\n")), qPrintable(run.out));
    run = Asterine(reading + QStringList{QStringLiteral("--place"), QStringLiteral("Munich")},
                   Language(QStringLiteral("de")));
    QVERIFY2(run.out.contains(QStringLiteral("Geburtsort: M\u00fcnchen, Bayern, Deutschland\n")),
             qPrintable(run.out));
    // ... and English where LC_ALL or LC_MESSAGES names the C locale.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES"}) {
        for (const char* locale : {"C", "C.UTF-8", "POSIX"}) {
            QMap<QString, QString> environment = Language(QStringLiteral("de:fr"));
            environment.insert(QLatin1String(variable), QLatin1String(locale));
            run = Asterine(reading, environment);
            QVERIFY2(run.out.contains(QLatin1String("\nFixed Star: Regulus\n")),
                     qPrintable(QStringLiteral("%1=%2: %3").arg(variable, locale, run.out)));
            run = Asterine({QStringLiteral("--help")}, environment);
            QVERIFY(run.out.startsWith(QLatin1String("Usage: asterine")));
            run =
                Asterine(reading + QStringList{QStringLiteral("--place"), QStringLiteral("Munich")},
                         environment);
            QVERIFY2(run.out.contains(QLatin1String("Place of Birth: Munich, Bavaria, Germany\n")),
                     qPrintable(run.out));
        }
    }
    // LC_ALL above LC_MESSAGES: a German LC_ALL keeps LANGUAGE's German.
    QMap<QString, QString> environment = Language(QStringLiteral("de"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("C"));
    run = Asterine(reading, environment);
    QVERIFY2(run.out.contains(QLatin1String("\nFixstern: Regulus\n")), qPrintable(run.out));
}

void TestCli::completion() {
    // The completion as bash runs it, for the words on a command line and
    // the last one being typed; what it offers, one line each.
    const auto offered = [](const QStringList& words) {
        QProcess bash;
        QString script =
            QStringLiteral("source '%1'\nCOMP_WORDS=(").arg(QStringLiteral(ASTERINE_COMPLETION));
        for (const QString& word : words)
            script += QLatin1Char('\'') + word + QStringLiteral("' ");
        script +=
            QStringLiteral(")\nCOMP_CWORD=%1\n_asterine\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n")
                .arg(words.size() - 1);
        bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), script});
        bash.waitForFinished(10000);
        return QString::fromUtf8(bash.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    const QStringList reading{QStringLiteral("asterine"), QStringLiteral("reading")};
    QCOMPARE(offered({QStringLiteral("asterine"), QStringLiteral("rea")}),
             QStringList{QStringLiteral("reading")});
    // The values of --format, given apart, after "=" (which bash makes a
    // word of its own), or in one word.
    QCOMPARE(offered(reading + QStringList{QStringLiteral("--format"), QString()}),
             QStringList({QStringLiteral("text"), QStringLiteral("json")}));
    QCOMPARE(offered(reading + QStringList{QStringLiteral("--format"), QStringLiteral("=")}),
             QStringList({QStringLiteral("text"), QStringLiteral("json")}));
    QCOMPARE(offered(reading + QStringList{QStringLiteral("--format"), QStringLiteral("="),
                                           QStringLiteral("j")}),
             QStringList{QStringLiteral("json")});
    QCOMPARE(offered(reading + QStringList{QStringLiteral("--format=t")}),
             QStringList{QStringLiteral("--format=text")});
    // No value offered for the others.
    QCOMPARE(offered(reading + QStringList{QStringLiteral("--place"), QString()}), QStringList());
    // The options not given yet.
    QCOMPARE(offered(reading + QStringList{QStringLiteral("--")}),
             Words({"--latitude", "--longitude", "--year", "--date", "--name", "--place", "--time",
                    "--zone", "--offset", "--dst", "--orb", "--paran-minutes", "--chart",
                    "--chart-size", "--format", "--help"}));
    QCOMPARE(
        offered(reading + QStringList{QStringLiteral("--latitude"), QStringLiteral("51:30N"),
                                      QStringLiteral("--format=json"), QStringLiteral("--year"),
                                      QStringLiteral("1970"), QStringLiteral("--")}),
        Words({"--longitude", "--date", "--name", "--place", "--time", "--zone", "--offset",
               "--dst", "--orb", "--paran-minutes", "--chart", "--chart-size", "--help"}));
    QCOMPARE(offered(reading + QStringList{QStringLiteral("--format"), QStringLiteral("="),
                                           QStringLiteral("text"), QStringLiteral("--f")}),
             QStringList());
    // Daylight saving's two answers; the zones of the system's database, by
    // their first letters, and LMT.
    QCOMPARE(offered(reading + Words({"--dst", ""})), Words({"yes", "no"}));
    QCOMPARE(offered(reading + Words({"--dst=n"})), Words({"--dst=no"}));
    const QStringList berlin = offered(reading + Words({"--zone", "Europe/Berl"}));
    QCOMPARE(berlin, Words({"Europe/Berlin"}));
    QVERIFY(offered(reading + Words({"--zone", "Asia/"})).contains(QLatin1String("Asia/Kolkata")));
    QCOMPARE(offered(reading + Words({"--zone", "LM"})), Words({"LMT"}));
    // Every zone offered is one the program takes.
    for (const QString& zone : offered(reading + Words({"--zone", "America/A"})))
        QVERIFY2(birth::parseZone(zone).value.has_value(), qPrintable(zone));
    // The chart: folders, and pictures.
    QTemporaryDir folder;
    for (const char* name : {"wheel.svg", "wheel.png", "notes.txt"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("pictures")));
    QStringList files =
        offered(reading + QStringList{QStringLiteral("--chart"), folder.path() + QLatin1Char('/')});
    files.sort();
    QCOMPARE(files, QStringList({folder.filePath(QStringLiteral("pictures")),
                                 folder.filePath(QStringLiteral("wheel.png")),
                                 folder.filePath(QStringLiteral("wheel.svg"))}));
    // No value offered for the numbers.
    QCOMPARE(offered(reading + Words({"--time", ""})), QStringList());
    QCOMPARE(offered(reading + Words({"--chart-size", ""})), QStringList());
}

void TestCli::theMomentOfBirth() {
    // Berlin, 10 December 1990, 14:30 CET: 13:30 UT.
    int status = -1;
    const QJsonObject json =
        JsonReading(Words({"--latitude", "52:31N", "--longitude", "13:24E", "--date", "1990-12-10",
                           "--time", "14:30", "--zone", "europe/berlin"}),
                    &status);
    QCOMPARE(status, 0);
    const QJsonObject moment = json.value(QLatin1String("moment")).toObject();
    QCOMPARE(moment.value(QLatin1String("local")).toString(),
             QStringLiteral("1990-12-10T14:30:00"));
    QCOMPARE(moment.value(QLatin1String("zone")).toString(), QStringLiteral("Europe/Berlin"));
    QCOMPARE(moment.value(QLatin1String("utc_offset_seconds")).toInt(), 3600);
    QCOMPARE(moment.value(QLatin1String("universal_time")).toString(),
             QStringLiteral("1990-12-10T13:30:00Z"));
    QCOMPARE(moment.value(QLatin1String("julian_day_ut")).toDouble(), 2448236.0625);
    QCOMPARE(moment.value(QLatin1String("daylight_saving")).toBool(false), false);
    QVERIFY(moment.value(QLatin1String("daylight_saving")).isBool());
    // In summer, daylight saving, with seconds.
    const QJsonObject summer = JsonReading(Words({"--latitude", "52:31N", "--date", "1990-07-10",
                                                  "--time", "14:30:15", "--zone", "Europe/Berlin"}))
                                   .value(QLatin1String("moment"))
                                   .toObject();
    QCOMPARE(summer.value(QLatin1String("universal_time")).toString(),
             QStringLiteral("1990-07-10T12:30:15Z"));
    QCOMPARE(summer.value(QLatin1String("utc_offset_seconds")).toInt(), 7200);
    QCOMPARE(summer.value(QLatin1String("daylight_saving")).toBool(), true);
    // A fixed offset, as an old record gives it; and an offset in force
    // over the zone's.
    const QJsonObject fixed = JsonReading(Words({"--latitude", "18:31N", "--date", "1990-12-10",
                                                 "--time", "14:30", "--zone", "UTC+05:30"}))
                                  .value(QLatin1String("moment"))
                                  .toObject();
    QCOMPARE(fixed.value(QLatin1String("zone")).toString(), QStringLiteral("UTC+05:30"));
    QCOMPARE(fixed.value(QLatin1String("universal_time")).toString(),
             QStringLiteral("1990-12-10T09:00:00Z"));
    const QJsonObject offset =
        JsonReading(Words({"--latitude", "52:31N", "--date", "1990-12-10", "--time", "14:30",
                           "--zone", "Europe/Berlin", "--offset", "+02:00"}))
            .value(QLatin1String("moment"))
            .toObject();
    QCOMPARE(offset.value(QLatin1String("utc_offset_seconds")).toInt(), 7200);
    QCOMPARE(offset.value(QLatin1String("universal_time")).toString(),
             QStringLiteral("1990-12-10T12:30:00Z"));
    // The text still reads, the time given.
    const Run text = Asterine(Words({"reading", "--latitude", "52:31N", "--date", "1990-12-10",
                                     "--time", "14:30", "--zone", "Europe/Berlin"}));
    QCOMPARE(text.status, 0);
    QCOMPARE(text.err, QString());
    QVERIFY2(text.out.contains(QLatin1String("Date of Birth")), qPrintable(text.out));
    // The time line gives the moment, and the Sky section follows the reading.
    QVERIFY2(text.out.contains(QStringLiteral("14:30 CET (UTC+01:00) \u00b7 13:30 UT")),
             qPrintable(text.out));
    QVERIFY2(text.out.contains(QLatin1String(" in the Sky")), qPrintable(text.out));
    // A clock time shown twice, answered by --dst: the text tells the
    // reading chosen.
    const Run answered =
        Asterine(Words({"reading", "--latitude", "52:31N", "--date", "1990-09-30", "--time",
                        "02:30", "--zone", "Europe/Berlin", "--dst", "yes"}));
    QCOMPARE(answered.status, 0);
    QVERIFY2(answered.out.contains(QStringLiteral("02:30 CEST (UTC+02:00) \u00b7 00:30 UT")),
             qPrintable(answered.out));
}

void TestCli::thePlaceGivesTheZone() {
    // Pune's clocks keep India's time, as the atlas says.
    const QJsonObject pune =
        JsonReading(Words({"--place", "Pune", "--date", "1990-12-10", "--time", "14:30"}));
    const QJsonObject moment = pune.value(QLatin1String("moment")).toObject();
    QCOMPARE(moment.value(QLatin1String("zone")).toString(), QStringLiteral("Asia/Kolkata"));
    QCOMPARE(moment.value(QLatin1String("utc_offset_seconds")).toInt(), 19800);
    QCOMPARE(moment.value(QLatin1String("universal_time")).toString(),
             QStringLiteral("1990-12-10T09:00:00Z"));
    // A zone given is the one taken.
    const QJsonObject given = JsonReading(Words(
        {"--place", "Pune", "--date", "1990-12-10", "--time", "14:30", "--zone", "UTC+05:00"}));
    QCOMPARE(given.value(QLatin1String("moment"))
                 .toObject()
                 .value(QLatin1String("universal_time"))
                 .toString(),
             QStringLiteral("1990-12-10T09:30:00Z"));
    // Without a time, no moment; the place's zone still gives the birth day
    // and its parans.
    const QJsonObject day = JsonReading(Words({"--place", "Pune", "--date", "1990-12-10"}));
    QVERIFY(!day.contains(QLatin1String("moment")));
    QVERIFY(day.value(QLatin1String("sky")).toObject().contains(QLatin1String("parans")));
}

void TestCli::clockTimesSkippedOrShownTwice_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QString>("universal");
    // Paris put its clocks forward over 02:00 to 03:00 on 25 March 1990,
    // and back over 02:00 to 03:00 on 30 September.
    const QString skipped = QStringLiteral("1990-03-25");
    const QString repeated = QStringLiteral("1990-09-30");
    QTest::newRow("skipped") << skipped << QStringList() << QString();
    QTest::newRow("skipped, summer time's offset")
        << skipped << Words({"--offset", "+02:00"}) << QStringLiteral("1990-03-25T00:30:00Z");
    QTest::newRow("skipped, winter time's offset")
        << skipped << Words({"--offset", "+01:00"}) << QStringLiteral("1990-03-25T01:30:00Z");
    QTest::newRow("skipped, daylight saving")
        << skipped << Words({"--dst", "yes"}) << QStringLiteral("1990-03-25T00:30:00Z");
    QTest::newRow("skipped, no daylight saving")
        << skipped << Words({"--dst", "no"}) << QStringLiteral("1990-03-25T01:30:00Z");
    QTest::newRow("repeated") << repeated << QStringList() << QString();
    QTest::newRow("repeated, the first")
        << repeated << Words({"--offset", "+02:00"}) << QStringLiteral("1990-09-30T00:30:00Z");
    QTest::newRow("repeated, the second")
        << repeated << Words({"--offset", "+01:00"}) << QStringLiteral("1990-09-30T01:30:00Z");
    QTest::newRow("repeated, daylight saving")
        << repeated << Words({"--dst", "yes"}) << QStringLiteral("1990-09-30T00:30:00Z");
    QTest::newRow("repeated, no daylight saving")
        << repeated << Words({"--dst", "no"}) << QStringLiteral("1990-09-30T01:30:00Z");
}

void TestCli::clockTimesSkippedOrShownTwice() {
    QFETCH(QString, date);
    QFETCH(QStringList, answer);
    QFETCH(QString, universal);
    const QStringList arguments =
        Words({"reading", "--latitude", "48:51N", "--longitude", "2:21E", "--time", "02:30",
               "--zone", "Europe/Paris", "--format", "json", "--date"}) +
        QStringList{date} + answer;
    const Run run = Asterine(arguments);
    if (answer.isEmpty()) {
        // Never read one way in silence: the question, and how to answer it.
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        const QString question = date == QLatin1String("1990-03-25")
                                     ? QStringLiteral(
                                           "The clocks of Europe/Paris skipped 02:30 "
                                           "on 1990-03-25: was it 02:30 CET (UTC+1) or "
                                           "02:30 CEST (UTC+2)?")
                                     : QStringLiteral(
                                           "The clocks of Europe/Paris showed 02:30 "
                                           "twice on 1990-09-30: was it 02:30 CEST "
                                           "(UTC+2) or 02:30 CET (UTC+1)?");
        QVERIFY2(run.err.contains(question), qPrintable(run.err));
        QVERIFY2(run.err.contains(QLatin1String("--offset UTC+01:00")) &&
                     run.err.contains(QLatin1String("--offset UTC+02:00")) &&
                     run.err.contains(QLatin1String("--dst")),
                 qPrintable(run.err));
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        return;
    }
    QCOMPARE(run.status, 0);
    QCOMPARE(Json(run)
                 .value(QLatin1String("moment"))
                 .toObject()
                 .value(QLatin1String("universal_time"))
                 .toString(),
             universal);
}

void TestCli::localMeanTime() {
    // Kathmandu kept the local mean time of its longitude until 1920: in
    // 1900 its zone gives the sun's time at 85° 19' E, 5:41:16 ahead.
    const QJsonObject kathmandu =
        JsonReading(Words({"--latitude", "27:42N", "--longitude", "85:19E", "--date", "1900-06-01",
                           "--time", "12:00", "--zone", "Asia/Kathmandu"}))
            .value(QLatin1String("moment"))
            .toObject();
    QCOMPARE(kathmandu.value(QLatin1String("zone")).toString(), QStringLiteral("Asia/Kathmandu"));
    QCOMPARE(kathmandu.value(QLatin1String("utc_offset_seconds")).toInt(), 20476);
    QCOMPARE(kathmandu.value(QLatin1String("universal_time")).toString(),
             QStringLiteral("1900-06-01T06:18:44Z"));
    // The same asked for as LMT.
    const QJsonObject lmt =
        JsonReading(Words({"--latitude", "27:42N", "--longitude", "85:19E", "--date", "1900-06-01",
                           "--time", "12:00", "--zone", "LMT"}))
            .value(QLatin1String("moment"))
            .toObject();
    QCOMPARE(lmt.value(QLatin1String("zone")).toString(), QStringLiteral("LMT"));
    QCOMPARE(lmt.value(QLatin1String("universal_time")).toString(),
             QStringLiteral("1900-06-01T06:18:44Z"));
    // In 1990 it keeps Nepal's time, 5:45 ahead.
    const QJsonObject later =
        JsonReading(Words({"--latitude", "27:42N", "--longitude", "85:19E", "--date", "1990-06-01",
                           "--time", "12:00", "--zone", "Asia/Kathmandu"}))
            .value(QLatin1String("moment"))
            .toObject();
    QCOMPARE(later.value(QLatin1String("utc_offset_seconds")).toInt(), 20700);
}

void TestCli::whatTheSkyNeedsIsLeftOutWithoutIt() {
    const QString star = QStringLiteral("star");
    const auto keys = [](const QJsonValue& value) {
        QStringList list = value.toObject().keys();
        list.sort();
        return list;
    };
    // The latitude and the year: the star's place, visibility and phase.
    QJsonObject json = JsonReading(Words({"--latitude", "51:30N", "--year", "1990"}));
    QVERIFY(!json.contains(QLatin1String("moment")));
    QJsonObject sky = json.value(QLatin1String("sky")).toObject();
    QCOMPARE(sky.keys(), QStringList{star});
    QCOMPARE(keys(sky.value(star)), Words({"declination_deg", "ecliptic_longitude_deg", "magnitude",
                                           "name", "phase", "right_ascension_deg", "visibility"}));
    QCOMPARE(sky.value(star).toObject().value(QLatin1String("name")).toString(),
             QStringLiteral("Vega"));
    QCOMPARE(sky.value(star).toObject().value(QLatin1String("visibility")).toString(),
             QStringLiteral("circumpolar"));
    // A time and a zone without the longitude: the bodies and their
    // conjunctions, no angles, no day.
    json = JsonReading(Words({"--latitude", "51:30N", "--date", "1990-12-10", "--time", "14:30",
                              "--zone", "Europe/London"}));
    sky = json.value(QLatin1String("sky")).toObject();
    QCOMPARE(keys(sky), Words({"bodies", "conjunctions", "star"}));
    QCOMPARE(sky.value(QLatin1String("bodies")).toArray().size(), 9);
    QCOMPARE(keys(sky.value(QLatin1String("bodies")).toArray().first()),
             Words({"declination_deg", "ecliptic_longitude_deg", "name", "right_ascension_deg"}));
    QCOMPARE(sky.value(QLatin1String("bodies"))
                 .toArray()
                 .first()
                 .toObject()
                 .value(QLatin1String("name"))
                 .toString(),
             QStringLiteral("Sun"));
    // Everything: the day's events of the star (Vega in London never sets),
    // its place at the birth, the angles and the parans.
    json = JsonReading(Words({"--latitude", "51:30N", "--longitude", "0:07W", "--date",
                              "1990-12-10", "--time", "14:30", "--zone", "Europe/London"}));
    sky = json.value(QLatin1String("sky")).toObject();
    QCOMPARE(keys(sky), Words({"angles", "bodies", "conjunctions", "parans", "star"}));
    QCOMPARE(keys(sky.value(QLatin1String("angles"))), Words({"ascendant_deg", "midheaven_deg"}));
    QCOMPARE(keys(sky.value(star)), Words({"altitude_deg", "azimuth_deg", "culminates_ut",
                                           "declination_deg", "ecliptic_longitude_deg", "magnitude",
                                           "name", "phase", "right_ascension_deg", "visibility"}));
    QVERIFY(sky.value(star)
                .toObject()
                .value(QLatin1String("culminates_ut"))
                .toString()
                .startsWith(QLatin1String("1990-12-10T")));
    const QJsonArray parans = sky.value(QLatin1String("parans")).toArray();
    QVERIFY(!parans.isEmpty());
    QCOMPARE(keys(parans.first()), Words({"star", "star_event", "ut", "with", "with_event"}));
    const QStringList events = Words({"rises", "culminates", "sets", "anti-culminates"});
    for (const QJsonValue& paran : parans) {
        QVERIFY(events.contains(paran.toObject().value(QLatin1String("star_event")).toString()));
        QVERIFY(events.contains(paran.toObject().value(QLatin1String("with_event")).toString()));
    }
    // A star that rises and sets: all three.
    json = JsonReading(Words({"--latitude", "18:31N", "--longitude", "73:51E", "--date",
                              "1990-12-10", "--time", "14:30", "--zone", "Asia/Kolkata"}));
    const QJsonObject risesAndSets =
        json.value(QLatin1String("sky")).toObject().value(star).toObject();
    if (risesAndSets.value(QLatin1String("visibility")).toString() ==
        QLatin1String("rises and sets")) {
        QVERIFY(risesAndSets.contains(QLatin1String("rises_ut")));
        QVERIFY(risesAndSets.contains(QLatin1String("sets_ut")));
    }
    // Copula, the star of 42° 30' N in 1950, is not in the star catalogue:
    // no star, the rest as ever.
    json = JsonReading(Words({"--latitude", "42:30N", "--date", "1950-12-10", "--time", "14:30",
                              "--zone", "UTC+01:00"}));
    QCOMPARE(json.value(QLatin1String("star")).toString(), QStringLiteral("COPULA"));
    QCOMPARE(keys(json.value(QLatin1String("sky"))), Words({"bodies", "conjunctions"}));
    json = JsonReading(Words({"--latitude", "42:30N", "--year", "1950"}));
    QCOMPARE(json.value(QLatin1String("sky")).toObject(), QJsonObject());
}

void TestCli::orbAndParanMinutes() {
    const QStringList birth = Words({"--latitude", "51:30N", "--longitude", "0:07W", "--date",
                                     "1990-12-10", "--time", "14:30", "--zone", "Europe/London"});
    const auto sky = [&birth](const QStringList& more) {
        return JsonReading(birth + more).value(QLatin1String("sky")).toObject();
    };
    const auto widest = [](const QJsonArray& conjunctions) {
        double widest = 0;
        for (const QJsonValue& conjunction : conjunctions)
            widest =
                std::max(widest, conjunction.toObject().value(QLatin1String("orb_deg")).toDouble());
        return widest;
    };
    // One degree unless told; a narrower orb keeps the closer ones only.
    const QJsonArray usual = sky({}).value(QLatin1String("conjunctions")).toArray();
    const QJsonArray narrow =
        sky(Words({"--orb", "0.25"})).value(QLatin1String("conjunctions")).toArray();
    QVERIFY(widest(usual) <= 1.0 && widest(usual) > 0.5);
    QVERIFY(widest(narrow) <= 0.25);
    QVERIFY(narrow.size() < usual.size() && !narrow.isEmpty());
    // Four minutes unless told.
    const qsizetype four = sky({}).value(QLatin1String("parans")).toArray().size();
    const qsizetype one =
        sky(Words({"--paran-minutes", "1"})).value(QLatin1String("parans")).toArray().size();
    const qsizetype ten =
        sky(Words({"--paran-minutes", "10"})).value(QLatin1String("parans")).toArray().size();
    QVERIFY2(one < four && four < ten,
             qPrintable(QStringLiteral("%1 %2 %3").arg(one).arg(four).arg(ten)));
    // The text's Sky section keeps to the same limits.
    const auto text = [&birth](const QStringList& more) {
        const Run run = Asterine(QStringList{QStringLiteral("reading")} + birth + more);
        return run.status == 0 ? run.out : QString();
    };
    const QString usualText = text({});
    QVERIFY(!usualText.isEmpty());
    QVERIFY(text(Words({"--orb", "0.25"})) != usualText);
    QVERIFY(text(Words({"--paran-minutes", "10"})) != usualText);
}

void TestCli::aZoneOfTenMegabytes() {
    // More than a command line holds, as a program may pass it.
    cli::ReadingRequest request;
    request.latitude = QStringLiteral("52:31N");
    request.date = QStringLiteral("1990-12-10");
    request.time = QStringLiteral("14:30");
    request.zone = QString(10 * 1024 * 1024, QLatin1Char('x'));
    const cli::ReadingResult result = cli::makeReading(request, QDate(2026, 12, 8), &NoAtlas);
    QCOMPARE(result.status, 2);
    QVERIFY(result.output.isEmpty());
    QVERIFY2(result.messages.contains(QLatin1String("too long")), qPrintable(result.messages));
    QVERIFY(result.messages.size() < 400);
}

void TestCli::charts() {
    QTemporaryDir folder;
    const QStringList birth =
        Words({"reading", "--latitude", "51:30N", "--longitude", "0:07W", "--date", "1990-12-10",
               "--time", "14:30", "--zone", "Europe/London"});
    // A PNG of the size asked, beside the text.
    const QString png = folder.filePath(QStringLiteral("wheel.png"));
    Run run = Asterine(birth + QStringList{QStringLiteral("--chart"), png,
                                           QStringLiteral("--chart-size"), QStringLiteral("640")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(QLatin1String("Date of Birth")));
    const QImage image(png);
    QCOMPARE(image.size(), QSize(640, 640));
    // Not blank: the wheel's lines on the white paper.
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
    int drawn = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            drawn += image.pixelColor(x, y).lightness() < 128;
    }
    QVERIFY2(drawn > 200, qPrintable(QString::number(drawn)));
    // 1000 pixels unless told; an SVG beside the JSON, its capitals aside.
    const QString svg = folder.filePath(QStringLiteral("wheel.SVG"));
    run = Asterine(birth + Words({"--format", "json", "--chart"}) + QStringList{svg});
    QCOMPARE(run.status, 0);
    QVERIFY(Json(run).contains(QLatin1String("moment")));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("<svg"));
    QVERIFY(content.contains("viewBox=\"0 0 1000 1000\""));
    QVERIFY(content.trimmed().endsWith("</svg>"));
    const QString defaultPng = folder.filePath(QStringLiteral("default.png"));
    // As from cron, without a runtime folder: nothing on standard error.
    run = Asterine(birth + QStringList{QStringLiteral("--chart"), defaultPng},
                   {{QStringLiteral("XDG_RUNTIME_DIR"), QString()}});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(QImage(defaultPng).size(), QSize(1000, 1000));
    // A file that cannot be written (a folder of the name): named, status
    // 1, nothing printed, the folder as it was.
    const QString taken = folder.filePath(QStringLiteral("taken.png"));
    QVERIFY(QDir().mkdir(taken));
    run = Asterine(birth + Words({"--format", "json", "--chart"}) + QStringList{taken});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(taken), qPrintable(run.err));
    QVERIFY(QFileInfo(taken).isDir());
    // In Hindi, the chart's texts in Devanagari, and nothing on standard error.
    const QString hindi = folder.filePath(QStringLiteral("hindi.png"));
    run = Asterine(birth + QStringList{QStringLiteral("--chart"), hindi},
                   Language(QStringLiteral("hi")));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(QImage(hindi).size(), QSize(1000, 1000));
    // Qt's options before the command are the window's: the chart is
    // painted off screen, with no display, whatever platform they name.
    const QString behind = folder.filePath(QStringLiteral("behind.svg"));
    run = Asterine(Words({"-platform", "xcb", "-reverse"}) + birth +
                   QStringList{QStringLiteral("--chart"), behind});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(QLatin1String("Date of Birth")));
    QVERIFY(QFileInfo(behind).size() > 0);
    // Without a time the wheel has its stars and no bodies; it is drawn all the same.
    const QString timeless = folder.filePath(QStringLiteral("timeless.png"));
    run = Asterine(Words({"reading", "--latitude", "51:30N", "--year", "1990", "--chart"}) +
                   QStringList{timeless});
    QCOMPARE(run.status, 0);
    QCOMPARE(QImage(timeless).size(), QSize(1000, 1000));
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
