// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, as a user meets it: the real program run without any
// display, its output and exit status read back, and held against the
// engine's own result and the form's.

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

#include <stdexcept>

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
}

void TestCli::refusedInput() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run run = Asterine(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QString());  // no reading for refused input
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
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
             QStringList({QStringLiteral("--latitude"), QStringLiteral("--longitude"),
                          QStringLiteral("--year"), QStringLiteral("--date"),
                          QStringLiteral("--name"), QStringLiteral("--place"),
                          QStringLiteral("--format"), QStringLiteral("--help")}));
    QCOMPARE(
        offered(reading + QStringList{QStringLiteral("--latitude"), QStringLiteral("51:30N"),
                                      QStringLiteral("--format=json"), QStringLiteral("--year"),
                                      QStringLiteral("1970"), QStringLiteral("--")}),
        QStringList({QStringLiteral("--longitude"), QStringLiteral("--date"),
                     QStringLiteral("--name"), QStringLiteral("--place"),
                     QStringLiteral("--help")}));
    QCOMPARE(offered(reading + QStringList{QStringLiteral("--format"), QStringLiteral("="),
                                           QStringLiteral("text"), QStringLiteral("--f")}),
             QStringList());
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
