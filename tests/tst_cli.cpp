// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, as a user meets it: the real program run without any
// display, its output and exit status read back, and held against the
// engine's own result and the form's.

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <stdexcept>

#include "cli/reading_command.h"
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

Run Asterine(const QStringList& arguments) {
    const QTemporaryDir& home = Home();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ASTERINE_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
};

void TestCli::helpAndVersionWithoutADisplay() {
    for (const char* option : {"--help", "-h"}) {
        const Run run = Asterine({QLatin1String(option)});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(QLatin1String("Usage: asterine")), qPrintable(run.out));
        QVERIFY(run.out.contains(QLatin1String("--latitude")));
        QCOMPARE(run.err, QString());
    }
    for (const char* option : {"--version", "-v"}) {
        const Run run = Asterine({QLatin1String(option)});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Asterine 1.0\n"));
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
                document::BirthDetails details;
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
                    const auto star = [](const QString& text) {
                        return WithoutFooter(text.mid(text.indexOf(QLatin1String("Fixed Star:"))));
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
                              << "Please Enter Correct Degree of Latitude";
    QTest::newRow("not a number") << reading({"--latitude", "nan", "--year", "1970"}) << 2
                                  << "Please Enter Correct Degree of Latitude";
    QTest::newRow("empty latitude") << reading({"--latitude", "", "--year", "1970"}) << 2
                                    << "Please Enter Correct Degree of Latitude";
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
    QTest::newRow("unknown format")
        << reading({"--latitude", "51:30N", "--year", "1970", "--format", "xml"}) << 2
        << "neither text nor json";
    QTest::newRow("unknown option")
        << reading({"--latitude", "51:30N", "--year", "1970", "--bogus"}) << 2 << "bogus";
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

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
