// SPDX-License-Identifier: GPL-3.0-or-later
// The people the program remembers, against real SQLite files in temporary
// folders: every field round trip, replace, delete, the recent list, search
// folding, the migration from the first layout, files that are not stores,
// read-only and full disks, processes killed in the middle of a save, and
// CSV both ways, hostile files included. No window.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <csignal>

#include "people/people_csv.h"
#include "people/people_store.h"
#include "people/person_rules.h"
#include "people_writer.h"
#include "sample_people.h"

using namespace people;
using document::BirthDetails;

namespace {

// Seconds that are not zero, to see them kept.
BirthDetails Ada() {
    BirthDetails d = asterine::test::AdaLovelace();
    d.second = 9;
    return d;
}

QDateTime At(int minute) {
    return QDateTime(QDate(2026, 12, 8), QTime(10, 0)).addSecs(60 * minute);
}

mode_t Mode(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 0777;
}

QByteArray Csv(const QByteArrayList& rows) {
    return csvHeader().join(QLatin1Char(',')).toUtf8() + "\r\n" + rows.join("\r\n") + "\r\n";
}

QStringList Refused(const CsvCheck& check) {
    QStringList lines;
    for (const CsvRefusal& refusal : check.refused)
        lines << QStringLiteral("%1: %2").arg(refusal.line).arg(refusal.reason);
    return lines;
}

bool Mount(const QString& folder, const QString& options) {
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                              options, QStringLiteral("tmpfs"), folder}) == 0;
}

}  // namespace

// How SQLite reads the People window's list from the store in `path`.
QString ListingPlan(const QString& path) {
    QString plan;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plan"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("EXPLAIN QUERY PLAN SELECT id, name, "
                                                   "last_used, search FROM people ORDER BY name"))) {
            while (query.next())
                plan += query.value(3).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plan"));
    return plan;
}

class TestPeople : public QObject {
    Q_OBJECT

private slots:
    void init();

    void createdOnFirstSaveAndPrivate();
    void everyFieldRoundTrips_data();
    void everyFieldRoundTrips();
    void replaceAndDelete();
    void recentList();
    void searchFoldsAsTheAtlas();
    void saveAcceptsWhatTheReadingAccepts();
    void migratesTheFirstLayout();
    void listsByNameFromOneIndex();
    void filesThatAreNotStoresAreKeptAside_data();
    void filesThatAreNotStoresAreKeptAside();
    void readOnlyAndFullDisks();
    void killedInTheMiddleOfASave_data();
    void killedInTheMiddleOfASave();
    void csvRoundTrip();
    void csvHostileRows();
    void csvThatIsNotPeople_data();
    void csvThatIsNotPeople();
    void importIsAllOrNothing();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString storePath() const { return folder->filePath(QStringLiteral("data/people.sqlite")); }
};

void TestPeople::init() {
    folder = std::make_unique<QTemporaryDir>();
}

void TestPeople::createdOnFirstSaveAndPrivate() {
    PeopleStore store(storePath());
    QString problem;
    QCOMPARE(store.listing(&problem).size(), 0);
    QVERIFY(problem.isEmpty());
    QVERIFY(!QFileInfo::exists(storePath()));  // reading creates nothing
    QCOMPARE(store.save(Ada(), At(0)), std::nullopt);
    QVERIFY(QFileInfo::exists(storePath()));
    QCOMPARE(Mode(QFileInfo(storePath()).absolutePath()), mode_t(0700));
    for (const char* suffix : {"", "-wal", "-shm"}) {
        if (QFileInfo::exists(storePath() + QLatin1String(suffix)))
            QCOMPARE(Mode(storePath() + QLatin1String(suffix)), mode_t(0600));
    }
    // The journal is a write-ahead log.
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
    db.setDatabaseName(storePath());
    QVERIFY(db.open());
    {
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version")) && query.next());
        QCOMPARE(query.value(0).toInt(), PeopleStore::schemaVersion);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
}

void TestPeople::everyFieldRoundTrips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("place");
    QTest::newRow("plain") << "ADA LOVELACE" << "London";
    QTest::newRow("quotes and semicolons") << "O'NEIL \"THE\"; KID" << "Rock'n;Roll \"City\"";
    QTest::newRow("SQL") << "X'); DROP TABLE people; --" << "' OR 1=1 --";
    QTest::newRow("Qt's longest box") << QString(32767, QLatin1Char('A')) << QString(255, u'\u00e9');
    QTest::newRow("right to left") << "\u0645\u062d\u0645\u062f \u0639\u0644\u064a"
                                   << "\u05ea\u05dc \u05d0\u05d1\u05d9\u05d1";
    QTest::newRow("emoji and joiners") << "\U0001F469\u200D\U0001F680 ANN" << "\U0001F30D Earth";
    QTest::newRow("control characters") << "A\tB\u0001C" << "line\none";
}

void TestPeople::everyFieldRoundTrips() {
    QFETCH(QString, name);
    QFETCH(QString, place);
    BirthDetails details = Ada();
    details.name = name;
    details.city = place;
    details.state = place + QStringLiteral("!");
    details.country = QString();
    details.south = true;
    details.west = false;
    PeopleStore store(storePath());
    QCOMPARE(store.save(details, At(3)), std::nullopt);
    // Read back by a second store on the same file, as the next run would.
    PeopleStore again(storePath());
    const std::optional<Person> person = again.personNamed(name);
    QVERIFY(person);
    QCOMPARE(person->details, details);
    QCOMPARE(person->lastUsed, At(3));
    QCOMPARE(again.count(), 1);
    const Listing listed = again.listing();
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.name(0), name);
    QCOMPARE(listed.id(0), person->id);
    QCOMPARE(listed.lastUsed(0), At(3).toMSecsSinceEpoch());
    const std::optional<ListedDetails> shown = again.listedDetails(person->id);
    QVERIFY(shown);
    QCOMPARE(shown->date, QStringLiteral("December 10, 1815"));
    QCOMPARE(shown->place, placeText(details));
}

void TestPeople::replaceAndDelete() {
    PeopleStore store(storePath());
    QCOMPARE(store.save(Ada(), At(0)), std::nullopt);
    BirthDetails changed = Ada();
    changed.city = QStringLiteral("Paris");
    changed.latitudeDegrees = QStringLiteral("48");
    QCOMPARE(store.save(changed, At(1)), std::nullopt);
    QCOMPARE(store.count(), 1);
    QCOMPARE(store.personNamed(Ada().name)->details, changed);
    // Names are compared exactly: another case is another person.
    BirthDetails other = Ada();
    other.name = QStringLiteral("Ada Lovelace");
    QCOMPARE(store.save(other, At(2)), std::nullopt);
    QCOMPARE(store.count(), 2);
    QCOMPARE(store.remove(store.personNamed(Ada().name)->id), std::nullopt);
    QCOMPARE(store.count(), 1);
    QVERIFY(!store.personNamed(Ada().name));
    QVERIFY(store.personNamed(QStringLiteral("Ada Lovelace")));
}

void TestPeople::recentList() {
    PeopleStore store(storePath());
    for (int n = 0; n < 12; ++n) {
        BirthDetails details = Ada();
        details.name = QStringLiteral("PERSON %1").arg(n, 2, 10, QLatin1Char('0'));
        QCOMPARE(store.save(details, At(n)), std::nullopt);
    }
    const auto names = [&store] {
        QStringList found;
        for (const Person& person : store.recent())
            found << person.details.name.right(2);
        return found;
    };
    QCOMPARE(names(), (QStringList{"11", "10", "09", "08", "07", "06", "05", "04", "03", "02"}));
    // Opened: first.
    QCOMPARE(store.markUsed(store.personNamed(QStringLiteral("PERSON 00"))->id, At(20)), std::nullopt);
    QCOMPARE(names().first(), QStringLiteral("00"));
    QCOMPARE(names().size(), 10);
    // Cleared: the list is empty, and when each was last used is kept.
    QCOMPARE(store.clearRecent(), std::nullopt);
    QVERIFY(store.recent().isEmpty());
    QCOMPARE(store.personNamed(QStringLiteral("PERSON 00"))->lastUsed, At(20));
    // An import does not fill the recent list.
    QCOMPARE(store.saveAll({Ada()}, At(30), true), std::nullopt);
    QVERIFY(store.recent().isEmpty());
}

void TestPeople::searchFoldsAsTheAtlas() {
    PeopleStore store(storePath());
    BirthDetails details = Ada();
    details.name = QStringLiteral("J\u00dcRGEN M\u00dcLLER");
    details.city = QStringLiteral("S\u00e3o Paulo");
    details.state = QString();
    details.country = QStringLiteral("Brazil");
    QCOMPARE(store.save(details, At(0)), std::nullopt);
    const Listing listed = store.listing();
    const std::string_view search = listed.search(0);
    for (const char* typed : {"jurgen", "JÜRG", "muller", "sao p", "SÃO", "brazil", "paulo"})
        QVERIFY2(matches(search, foldedUtf8(QString::fromUtf8(typed))), typed);
    for (const char* typed : {"urgen", "aulo", "london"})
        QVERIFY2(!matches(search, foldedUtf8(QString::fromUtf8(typed))), typed);
    QVERIFY(matches(search, foldedUtf8(QString())));  // nothing typed: everyone
}

void TestPeople::saveAcceptsWhatTheReadingAccepts() {
    QCOMPARE(saveProblem(Ada()), std::nullopt);
    BirthDetails details = Ada();
    details.name = QStringLiteral("   ");
    QCOMPARE(saveProblem(details), QStringLiteral("Please Enter Name"));
    details = Ada();
    details.latitudeSeconds.clear();
    QCOMPARE(saveProblem(details), QStringLiteral("Please Enter Second of Latitude"));
    details = Ada();
    details.monthIndex = 3;
    details.day = 31;
    QCOMPARE(saveProblem(details), QStringLiteral("Please Enter Correct Date Or Month !"));
    details = Ada();
    details.latitudeMinutes = QStringLiteral("61");
    QCOMPARE(saveProblem(details), QStringLiteral("Please Enter Correct Minute of Latitude"));
    details = Ada();
    details.latitudeDegrees = QStringLiteral("4x");  // pasted past the filter
    QCOMPARE(saveProblem(details), QStringLiteral("Please Enter Correct Degree of Latitude"));
}

void TestPeople::migratesTheFirstLayout() {
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(storePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral(
            "CREATE TABLE people (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE,"
            " month INTEGER NOT NULL, day INTEGER NOT NULL, year INTEGER NOT NULL,"
            " hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,"
            " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
            " latitude_degrees TEXT NOT NULL, latitude_minutes TEXT NOT NULL,"
            " latitude_seconds TEXT NOT NULL, south INTEGER NOT NULL,"
            " longitude_degrees TEXT NOT NULL, longitude_minutes TEXT NOT NULL,"
            " longitude_seconds TEXT NOT NULL, west INTEGER NOT NULL,"
            " last_used INTEGER NOT NULL)")));
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO people VALUES (7, 'ZOË', 5, 17, 1990, 6, 30, 0, 'Zürich', 'Zürich',"
            " 'Switzerland', '47', '22', '0', 0, '8', '32', '0', 0, 1700000000000)")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    PeopleStore store(storePath());
    const Listing listed = store.listing();
    QCOMPARE(listed.size(), 1);
    QVERIFY(!store.takeNotice());
    QCOMPARE(listed.name(0), QStringLiteral("ZOË"));
    QVERIFY(matches(listed.search(0), foldedUtf8(QStringLiteral("zurich"))));
    QVERIFY(matches(listed.search(0), foldedUtf8(QStringLiteral("zoe"))));
    const std::optional<Person> zoe = store.person(7);
    QVERIFY(zoe);
    QCOMPARE(zoe->details.latitudeDegrees, QStringLiteral("47"));
    QCOMPARE(zoe->lastUsed.toMSecsSinceEpoch(), 1700000000000);
    QCOMPARE(store.recent().size(), 1);
    QCOMPARE(store.save(Ada(), At(0)), std::nullopt);
    QCOMPARE(store.count(), 2);
    QCOMPARE(ListingPlan(storePath()), QStringLiteral("SCAN people USING COVERING INDEX people_listing"));
}

void TestPeople::listsByNameFromOneIndex() {
    PeopleStore store(storePath());
    QList<BirthDetails> all;
    for (const char* name : {"ZOË", "ADA", "BOB", "ÅSA", "Ada"}) {
        BirthDetails details = Ada();
        details.name = QString::fromUtf8(name);
        all.append(details);
    }
    QCOMPARE(store.saveAll(all, At(0), false), std::nullopt);
    const Listing listed = store.listing();
    QStringList names;
    for (int i = 0; i < listed.size(); ++i)
        names << listed.name(i);
    QCOMPARE(names, (QStringList{"ADA", "Ada", "BOB", "ZOË", "ÅSA"}));
    // The list is read from the index alone: a hundred thousand people in
    // tens of milliseconds rather than hundreds.
    QCOMPARE(ListingPlan(storePath()), QStringLiteral("SCAN people USING COVERING INDEX people_listing"));
}

void TestPeople::filesThatAreNotStoresAreKeptAside_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("random bytes") << QByteArray("random");
    QTest::newRow("a text file") << QByteArray("text");
    QTest::newRow("another program's database") << QByteArray("foreign");
    QTest::newRow("a newer version's store") << QByteArray("newer");
}

void TestPeople::filesThatAreNotStoresAreKeptAside() {
    QFETCH(QByteArray, kind);
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    if (kind == "random" || kind == "text") {
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes;
        if (kind == "random") {
            for (int i = 0; i < 8192; ++i)
                bytes += char(QRandomGenerator::global()->bounded(256));
        } else {
            bytes = "Name,Date\nADA,1815-12-10\n";
        }
        file.write(bytes);
    } else {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(storePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        if (kind == "foreign")
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE invoices (id INTEGER, total REAL)")));
        else
            QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 99")));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QFile original(storePath());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    PeopleStore store(storePath());
    QCOMPARE(store.listing().size(), 0);
    const std::optional<QString> notice = store.takeNotice();
    QVERIFY(notice);
    QVERIFY2(notice->contains(storePath()), qPrintable(*notice));
    QVERIFY(!store.takeNotice());  // told once
    // Kept, byte for byte, under another name beside it.
    const QStringList kept =
        QDir(QFileInfo(storePath()).absolutePath()).entryList({QStringLiteral("people.sqlite.kept-*")});
    QCOMPARE(kept.size(), 1);
    QVERIFY2(notice->contains(kept.first()), qPrintable(*notice));
    QFile keptFile(QFileInfo(storePath()).absoluteDir().filePath(kept.first()));
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QCOMPARE(keptFile.readAll(), before);
    // And the store goes on, fresh.
    QCOMPARE(store.save(Ada(), At(0)), std::nullopt);
    QCOMPARE(store.count(), 1);
}

void TestPeople::readOnlyAndFullDisks() {
    const QString mount = folder->filePath(QStringLiteral("mount"));
    QVERIFY(QDir().mkpath(mount));
    if (!Mount(mount, QStringLiteral("size=256k,mode=0700")))
        QSKIP("this machine does not let the test mount a file system of its own");
    const QString path = QDir(mount).filePath(QStringLiteral("people.sqlite"));
    {
        PeopleStore store(path);
        QCOMPARE(store.save(Ada(), At(0)), std::nullopt);
        // Full: people with long names until the disk takes no more.
        std::optional<QString> problem;
        int saved = 1;
        for (int n = 0; n < 1000 && !problem; ++n) {
            BirthDetails details = Ada();
            details.name = QStringLiteral("%1 %2").arg(QString(2000, QLatin1Char('A'))).arg(n);
            problem = store.save(details, At(n));
            saved += problem ? 0 : 1;
        }
        QVERIFY(problem);
        QVERIFY2(problem->contains(path) && problem->contains(QLatin1String("full")),
                 qPrintable(*problem));
        QCOMPARE(store.count(), saved);
        QVERIFY(store.personNamed(Ada().name));
    }
    // Read-only.
    QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                               {QStringLiteral("-o"), QStringLiteral("remount,ro"), mount}),
             0);
    {
        PeopleStore store(path);
        BirthDetails details = Ada();
        details.name = QStringLiteral("ANOTHER");
        const std::optional<QString> problem = store.save(details, At(0));
        QVERIFY(problem);
        QVERIFY2(problem->contains(path), qPrintable(*problem));
        QVERIFY(store.personNamed(Ada().name));
    }
    QProcess::execute(QStringLiteral("umount"), {mount});
}

void TestPeople::killedInTheMiddleOfASave_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("one person at a time") << "save";
    QTest::newRow("batches of an import") << "import";
}

void TestPeople::killedInTheMiddleOfASave() {
    QFETCH(QString, mode);
    int committed = 0;
    for (int round = 0; round < 12; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(PEOPLE_WRITER), {storePath(), mode});
        QVERIFY(writer.waitForStarted());
        // Let it write for a random while, then kill it without warning.
        QTest::qWait(QRandomGenerator::global()->bounded(30, 250));
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());
        const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines) {
            if (!line.isEmpty())
                committed = std::max(committed, line.toInt());
        }
        // Everyone committed before is there, whole; nobody half.
        PeopleStore store(storePath());
        QVERIFY(!store.takeNotice());
        const QList<Person> everyone = store.people();
        QVERIFY2(everyone.size() >= committed,
                 qPrintable(QStringLiteral("%1 of %2").arg(everyone.size()).arg(committed)));
        if (mode == QLatin1String("import"))
            QCOMPARE(everyone.size() % 500, 0);
        for (const Person& person : everyone) {
            const int n = person.details.name.mid(7).toInt();
            QCOMPARE(person.details, writtenPerson(n));
        }
        committed = int(everyone.size());
    }
    QVERIFY(committed > 0);
}

void TestPeople::csvRoundTrip() {
    PeopleStore store(storePath());
    QList<BirthDetails> all;
    for (int n = 0; n < 30; ++n) {
        BirthDetails details = writtenPerson(n);
        details.latitudeMinutes = QString::number(n % 59);
        details.city = QStringLiteral("Quote \" comma , line\nbreak %1").arg(n);
        all << details;
    }
    all[3].name = QStringLiteral(" LEADING BLANK");
    all[4].state = QStringLiteral("\u6771\u4eac\u90fd");
    QCOMPARE(store.saveAll(all, At(0), true), std::nullopt);
    const QByteArray csv = writeCsv(store.people());
    QVERIFY(csv.startsWith("\xEF\xBB\xBFName,Date of Birth,Time of Birth,"));
    const CsvCheck check = checkCsv(csv, QStringLiteral("people.csv"), {});
    QCOMPARE(Refused(check), QStringList());
    QCOMPARE(check.good, 30);
    // Into a second store: the same people, byte for byte.
    PeopleStore second(folder->filePath(QStringLiteral("second.sqlite")));
    PeopleStore::Batch batch(second, At(1), true, false);
    bool cancelled = false;
    QCOMPARE(importCsv(csv, batch, {}, &cancelled), std::nullopt);
    QVERIFY(!cancelled);
    const QList<Person> before = store.people();
    const QList<Person> after = second.people();
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(after[i].details, before[i].details);
    // The names already saved are counted.
    QCOMPARE(checkCsv(csv, QString(), second.names()).existing, 30);
}

void TestPeople::csvHostileRows() {
    const QByteArray good = "ADA,1990-12-10,13:05:09,London,England,UK,51,30,26,N,0,7,39,W";
    const QByteArray csv = "\xEF\xBB\xBF" + Csv({
        good,                                                                  // line 2
        "BOB,1990-12-10,13:05:09,London,England,UK,51,4x,26,N,0,7,39,W",       // 3
        "CAROL,2001-04-31,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",     // 4
        "DAN,1990-12-10,13:05:09,London",                                      // 5
        "\"EVE\nSMITH\",1990-12-10,13:05:09,\"a \"\"quoted\"\", town\",,,51,30,26,S,0,7,39,E",  // 6, 7
        "FAY,1990-12-10,13:05:09,Z\xfcrich,,,51,30,26,N,0,7,39,W",             // 8: Latin-1
        "ADA,1990-12-10,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",       // 9: again
        "GUS,1990-12-10,25:00:00,London,England,UK,51,30,26,N,0,7,39,W",       // 10
        "HAL,1990-12-10,13:05:09,London,England,UK,51,61,26,N,0,7,39,W",       // 11
        "IDA,1990-12-10,13:05:09,London,England,UK,51,30,26,X,0,7,39,W",       // 12
        " ,1990-12-10,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",         // 13
        "\"JO\"E,1990-12-10,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",   // 14
        "KIM,1899-01-01,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",       // 15
    });
    const CsvCheck check = checkCsv(csv, QStringLiteral("people.csv"), {QStringLiteral("ADA")});
    QCOMPARE(check.notPeople, std::nullopt);
    QCOMPARE(check.good, 2);  // ADA and EVE SMITH
    QCOMPARE(check.existing, 1);
    QCOMPARE(Refused(check),
             (QStringList{
                 "3: latitude minutes \u201c4x\u201d are not a number",
                 "4: 31 April 2001 is not a date",
                 "5: 4 fields, where a person has 14",
                 "8: the text is not UTF-8 (save the file as UTF-8)",
                 "9: the name \u201cADA\u201d is also on line 2",
                 "10: the time \u201c25:00:00\u201d is not HH:MM:SS",
                 "11: Please Enter Correct Minute of Latitude",
                 "12: the latitude's side \u201cX\u201d is neither N nor S",
                 "13: the name is empty",
                 "14: a quoted field is not closed, or goes on after its closing quote",
                 "15: the year 1899 is not one from 1900 to 2050",
             }));
    // The good ones go in, a quoted line break and doubled quotes whole.
    PeopleStore store(storePath());
    PeopleStore::Batch batch(store, At(0), true, false);
    QCOMPARE(importCsv(csv, batch, {}, nullptr), std::nullopt);
    const std::optional<Person> eve = store.personNamed(QStringLiteral("EVE\nSMITH"));
    QVERIFY(eve);
    QCOMPARE(eve->details.city, QStringLiteral("a \"quoted\", town"));
    QVERIFY(eve->details.south);
    QCOMPARE(store.count(), 2);
}

void TestPeople::csvThatIsNotPeople_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    QTest::newRow("another header") << QByteArray("id,total\n1,2.50\n");
    QTest::newRow("empty") << QByteArray();
}

void TestPeople::csvThatIsNotPeople() {
    QFETCH(QByteArray, bytes);
    const CsvCheck check = checkCsv(bytes, QStringLiteral("/home/ann/invoices.csv"), {});
    QVERIFY(check.notPeople);
    QVERIFY2(check.notPeople->contains(QLatin1String("/home/ann/invoices.csv")),
             qPrintable(*check.notPeople));
    QCOMPARE(check.good, 0);
}

void TestPeople::importIsAllOrNothing() {
    PeopleStore store(storePath());
    QCOMPARE(store.save(Ada(), At(0)), std::nullopt);
    QByteArrayList rows;
    for (int n = 0; n < 5000; ++n) {
        const BirthDetails d = writtenPerson(n);
        rows << writeCsv({Person{0, d, {}}}).split('\n').at(1).trimmed();
    }
    const QByteArray csv = Csv(rows);
    // Cancelled half-way: nothing of it is kept.
    {
        PeopleStore::Batch batch(store, At(1), true, false);
        bool cancelled = false;
        const auto progress = [](qint64 done, qint64, qint64) { return done < 2500; };
        QCOMPARE(importCsv(csv, batch, progress, &cancelled), std::nullopt);
        QVERIFY(cancelled);
    }
    QCOMPARE(store.count(), 1);
    // Skipping the names that exist keeps the saved person as it was.
    {
        BirthDetails ada = Ada();
        ada.city = QStringLiteral("Elsewhere");
        const QByteArray withAda = Csv(rows + QByteArrayList{writeCsv({Person{0, ada, {}}}).split('\n').at(1).trimmed()});
        PeopleStore::Batch batch(store, At(2), false, false);
        QCOMPARE(importCsv(withAda, batch, {}, nullptr), std::nullopt);
    }
    QCOMPARE(store.count(), 5001);
    QCOMPARE(store.personNamed(Ada().name)->details.city, QStringLiteral("London"));
}

QTEST_GUILESS_MAIN(TestPeople)
#include "tst_people.moc"
