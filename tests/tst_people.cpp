// SPDX-License-Identifier: GPL-3.0-or-later
// The people the program remembers, against real SQLite files in temporary
// folders: every field round trip, replace, delete, the recent list, search
// folding, the migration from the first layout, files that are not stores,
// read-only and full disks, processes killed in the middle of a save, and
// CSV both ways, hostile files included. No window.

#include <QCollator>
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
using birth::BirthDetails;

// A store operation that has to work; its failure's words when it does not.
#define STORED(call)                                           \
    do {                                                       \
        const StoreResult stored_ = (call);                    \
        QVERIFY2(stored_.ok(), qPrintable(stored_.message())); \
    } while (false)

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

// A file of `rows` under the header of the columns every file has, as files
// were written before the zone was kept.
QByteArray Csv(const QByteArrayList& rows) {
    return csvRequiredHeader().join(QLatin1Char(',')).toUtf8() + "\r\n" + rows.join("\r\n") +
           "\r\n";
}

// A file of `rows` as writeCsv writes them, the zone last.
QByteArray CsvWithZones(const QByteArrayList& rows) {
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
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plan"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() &&
            query.exec(QStringLiteral("EXPLAIN QUERY PLAN SELECT id, name, "
                                      "last_used, search FROM people ORDER BY sort_key, name"))) {
            while (query.next())
                plan += query.value(3).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plan"));
    return plan;
}

// The statement the table of people in `path` was made by, as SQLite
// keeps it: the first layout with the columns added since.
QString TableOf(const QString& path) {
    QString made;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("table"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() &&
            query.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'people'")) &&
            query.next())
            made = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("table"));
    return made;
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
    void migratesTheFirstLayout();
    void migratesTheFourthLayout();
    void zoneAndOffsetRoundTrip();
    void listsByNameFromOneIndex();
    void filesThatAreNotStoresAreKeptAside_data();
    void filesThatAreNotStoresAreKeptAside();
    void failuresLeaveTheStoreInPlace_data();
    void failuresLeaveTheStoreInPlace();
    void permissionsOfTheUsersOwn();
    void readOnlyAndFullDisks();
    void killedInTheMiddleOfASave_data();
    void killedInTheMiddleOfASave();
    void csvRoundTrip();
    void csvHostileRows();
    void csvZones();
    void namesAsTheNameBoxTakesThem();
    void csvAsSpreadsheetsWriteIt();
    void csvCellsAreNotFormulas();
    void csvThatIsNotPeople_data();
    void csvThatIsNotPeople();
    void importIsAllOrNothing();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString storePath() const { return folder->filePath(QStringLiteral("data/people.sqlite")); }
};

void TestPeople::init() {
    folder = std::make_unique<QTemporaryDir>();
    // The desktop's language, as the program sets it.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestPeople::createdOnFirstSaveAndPrivate() {
    PeopleStore store(storePath());
    StoreResult read;
    QCOMPARE(store.listing(&read).size(), 0);
    QVERIFY(read.ok());
    QVERIFY(!QFileInfo::exists(storePath()));  // reading creates nothing
    STORED(store.save(Ada(), At(0)));
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
    QTest::newRow("plain") << "ADA LOVELACE"
                           << "London";
    QTest::newRow("quotes and semicolons") << "O'NEIL \"THE\"; KID"
                                           << "Rock'n;Roll \"City\"";
    QTest::newRow("SQL") << "X'); DROP TABLE people; --"
                         << "' OR 1=1 --";
    QTest::newRow("Qt's longest box")
        << QString(32767, QLatin1Char('A')) << QString(255, u'\u00e9');
    QTest::newRow("right to left") << "\u0645\u062d\u0645\u062f \u0639\u0644\u064a"
                                   << "\u05ea\u05dc \u05d0\u05d1\u05d9\u05d1";
    QTest::newRow("emoji and joiners") << "\U0001F469\u200D\U0001F680 ANN"
                                       << "\U0001F30D Earth";
    QTest::newRow("control characters") << "A\tB\u0001C"
                                        << "line\none";
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
    STORED(store.save(details, At(3)));
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
    STORED(store.save(Ada(), At(0)));
    BirthDetails changed = Ada();
    changed.city = QStringLiteral("Paris");
    changed.latitudeDegrees = QStringLiteral("48");
    STORED(store.save(changed, At(1)));
    QCOMPARE(store.count(), 1);
    QCOMPARE(store.personNamed(Ada().name)->details, changed);
    // Names are compared as the Name box types them: another case is the
    // same person, and the name saved last is the one kept.
    BirthDetails other = Ada();
    other.name = QStringLiteral("Ada Lovelace");
    STORED(store.save(other, At(2)));
    QCOMPARE(store.count(), 1);
    QCOMPARE(store.personNamed(Ada().name)->details.name, QStringLiteral("Ada Lovelace"));
    QCOMPARE(store.names(), QSet<QString>{Ada().name});
    // Another person is another name.
    BirthDetails bob = Ada();
    bob.name = QStringLiteral("BOB");
    STORED(store.save(bob, At(3)));
    QCOMPARE(store.count(), 2);
    STORED(store.remove(store.personNamed(QStringLiteral("ada lovelace"))->id));
    QCOMPARE(store.count(), 1);
    QVERIFY(!store.personNamed(Ada().name));
    QVERIFY(store.personNamed(QStringLiteral("BOB")));
}

void TestPeople::recentList() {
    PeopleStore store(storePath());
    for (int n = 0; n < 12; ++n) {
        BirthDetails details = Ada();
        details.name = QStringLiteral("PERSON %1").arg(n, 2, 10, QLatin1Char('0'));
        STORED(store.save(details, At(n)));
    }
    const auto names = [&store] {
        QStringList found;
        for (const Person& person : store.recent())
            found << person.details.name.right(2);
        return found;
    };
    QCOMPARE(names(), (QStringList{"11", "10", "09", "08", "07", "06", "05", "04", "03", "02"}));
    // Opened: first.
    STORED(store.markUsed(store.personNamed(QStringLiteral("PERSON 00"))->id, At(20)));
    QCOMPARE(names().first(), QStringLiteral("00"));
    QCOMPARE(names().size(), 10);
    // Cleared: the list is empty, and when each was last used is kept.
    STORED(store.clearRecent());
    QVERIFY(store.recent().isEmpty());
    QCOMPARE(store.personNamed(QStringLiteral("PERSON 00"))->lastUsed, At(20));
    // An import does not fill the recent list.
    STORED(store.saveAll({Ada()}, At(30), {.replaceExisting = true}));
    QVERIFY(store.recent().isEmpty());
}

void TestPeople::searchFoldsAsTheAtlas() {
    PeopleStore store(storePath());
    BirthDetails details = Ada();
    details.name = QStringLiteral("J\u00dcRGEN M\u00dcLLER");
    details.city = QStringLiteral("S\u00e3o Paulo");
    details.state = QString();
    details.country = QStringLiteral("Brazil");
    STORED(store.save(details, At(0)));
    const Listing listed = store.listing();
    const std::string_view search = listed.search(0);
    for (const char* typed : {"jurgen", "JÜRG", "muller", "sao p", "SÃO", "brazil", "paulo"})
        QVERIFY2(matches(search, foldedUtf8(QString::fromUtf8(typed))), typed);
    for (const char* typed : {"urgen", "aulo", "london"})
        QVERIFY2(!matches(search, foldedUtf8(QString::fromUtf8(typed))), typed);
    QVERIFY(matches(search, foldedUtf8(QString())));  // nothing typed: everyone
}

// The people table as the first layout of the store had it, spelt as the
// first versions of the program wrote it.
static QString firstLayout() {
    return QStringLiteral(
        "CREATE TABLE people ( id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE,"
        " month INTEGER NOT NULL, day INTEGER NOT NULL, year INTEGER NOT NULL,"
        " hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,"
        " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
        " latitude_degrees TEXT NOT NULL, latitude_minutes TEXT NOT NULL,"
        " latitude_seconds TEXT NOT NULL, south INTEGER NOT NULL,"
        " longitude_degrees TEXT NOT NULL, longitude_minutes TEXT NOT NULL,"
        " longitude_seconds TEXT NOT NULL, west INTEGER NOT NULL,"
        " last_used INTEGER NOT NULL)");
}

void TestPeople::migratesTheFirstLayout() {
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(storePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(firstLayout()));
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO people VALUES (7, 'ZOË', 5, 17, 1990, 6, 30, 0, 'Zürich', 'Zürich',"
            " 'Switzerland', '47', '22', '0', 0, '8', '32', '0', 0, 1700000000000)")));
        // Imported before names were compared as the Name box types them.
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO people VALUES (8, 'zoë', 5, 17, 1991, 6, 30, 0, 'Bern', '',"
            " 'Switzerland', '46', '57', '0', 0, '7', '26', '0', 0, 1700000000001)")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    PeopleStore store(storePath());
    const Listing listed = store.listing();
    QVERIFY(!store.takeNotice());
    QCOMPARE(listed.size(), 2);
    const int big = listed.name(0) == QStringLiteral("ZOË") ? 0 : 1;
    QCOMPARE(listed.name(big), QStringLiteral("ZOË"));
    QCOMPARE(listed.name(1 - big), QStringLiteral("zoë"));
    // In the order QCollator gives.
    QCOMPARE(QCollator().compare(listed.name(0), listed.name(1)) < 0, true);
    QVERIFY(matches(listed.search(big), foldedUtf8(QStringLiteral("zurich"))));
    QVERIFY(matches(listed.search(big), foldedUtf8(QStringLiteral("zoe"))));
    const std::optional<Person> zoe = store.person(7);
    QVERIFY(zoe);
    QCOMPARE(zoe->details.latitudeDegrees, QStringLiteral("47"));
    QCOMPARE(zoe->lastUsed.toMSecsSinceEpoch(), 1700000000000);
    QCOMPARE(store.recent().size(), 2);
    // Both kept; the one of exactly the name is found first, and saving
    // it replaces only it.
    QCOMPARE(store.personNamed(QStringLiteral("zoë"))->id, 8);
    QCOMPARE(store.personNamed(QStringLiteral("ZOË"))->id, 7);
    QCOMPARE(store.personNamed(QStringLiteral("Zoë"))->id, 7);
    BirthDetails changed = zoe->details;
    changed.year = 1992;
    STORED(store.save(changed, At(0)));
    QCOMPARE(store.person(8)->details.year, 1991);
    QCOMPARE(store.person(7)->details.year, 1992);
    STORED(store.save(Ada(), At(0)));
    QCOMPARE(store.count(), 3);
    QCOMPARE(ListingPlan(storePath()),
             QStringLiteral("SCAN people USING COVERING INDEX people_listing"));
    // A store made now starts from the same first layout, and ends with the
    // very table the old one was brought up to.
    PeopleStore fresh(folder->filePath(QStringLiteral("fresh/people.sqlite")));
    STORED(fresh.save(Ada(), At(0)));
    QVERIFY2(TableOf(fresh.path()).startsWith(firstLayout().chopped(1) + QStringLiteral(", ")),
             qPrintable(TableOf(fresh.path())));
    QCOMPARE(TableOf(fresh.path()), TableOf(storePath()));
    QCOMPARE(fresh.person(fresh.personNamed(Ada().name)->id)->details, Ada());
}

// The statements that brought a store to version 4, as that version ran
// them after the first layout; user_version 4 follows.
static const char* const kUpToVersion4[] = {
    "ALTER TABLE people ADD COLUMN recent_at INTEGER",
    "ALTER TABLE people ADD COLUMN search TEXT NOT NULL DEFAULT ''",
    "CREATE INDEX people_recent ON people(recent_at) WHERE recent_at IS NOT NULL",
    "CREATE INDEX people_listing ON people(name, last_used, search)",
    "ALTER TABLE people ADD COLUMN name_key TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE people ADD COLUMN sort_key BLOB NOT NULL DEFAULT x''",
    "DROP INDEX people_listing",
    "CREATE INDEX people_listing ON people(sort_key, name, last_used, search)",
    "CREATE INDEX people_names ON people(name_key)",
    "CREATE TABLE sorting (locale TEXT NOT NULL)",
    "INSERT INTO sorting VALUES ('')",
};

// Every index and table of a store, as SQLite keeps their statements.
static QStringList SchemaOf(const QString& path) {
    QStringList made;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schema"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE sql IS "
                                                   "NOT NULL ORDER BY name"))) {
            while (query.next())
                made << query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("schema"));
    return made;
}

void TestPeople::migratesTheFourthLayout() {
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(storePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(firstLayout()));
        for (const char* statement : kUpToVersion4)
            QVERIFY2(query.exec(QLatin1String(statement)), statement);
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO people VALUES (3, 'ADA LOVELACE', 11, 10, 1815, 13, 5, 9, 'London',"
            " 'England', 'United Kingdom', '51', '30', '26', 0, '0', '7', '39', 1,"
            " 1700000000000, 1700000000000, 'ada lovelace london england united kingdom',"
            " 'ADA LOVELACE', x'')")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 4")));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    PeopleStore store(storePath());
    const std::optional<Person> ada = store.person(3);
    QVERIFY(!store.takeNotice());
    QVERIFY(ada);
    // Everything as it was, and no zone: no moment is read for it.
    QCOMPARE(ada->details, Ada());
    QCOMPARE(ada->details.zone, QString());
    QCOMPARE(ada->details.utcOffsetSeconds, std::nullopt);
    QCOMPARE(ada->lastUsed.toMSecsSinceEpoch(), 1700000000000);
    QCOMPARE(store.recent().size(), 1);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(storePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version")) && query.next());
        QCOMPARE(query.value(0).toInt(), 5);
        QVERIFY(query.exec(QStringLiteral("SELECT zone, utc_offset IS NULL FROM people")) &&
                query.next());
        QCOMPARE(query.value(0).toString(), QString());
        QCOMPARE(query.value(1).toInt(), 1);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    // A zone saved now is kept in the migrated file as in a new one.
    BirthDetails zoned = Ada();
    zoned.zone = QStringLiteral("Europe/London");
    STORED(store.save(zoned, At(0)));
    QCOMPARE(store.person(3)->details, zoned);
    PeopleStore fresh(folder->filePath(QStringLiteral("fresh/people.sqlite")));
    STORED(fresh.save(Ada(), At(0)));
    QCOMPARE(TableOf(fresh.path()), TableOf(storePath()));
    QCOMPARE(SchemaOf(fresh.path()), SchemaOf(storePath()));
    QCOMPARE(ListingPlan(storePath()),
             QStringLiteral("SCAN people USING COVERING INDEX people_listing"));
}

void TestPeople::zoneAndOffsetRoundTrip() {
    PeopleStore store(storePath());
    BirthDetails berlin = Ada();
    berlin.name = QStringLiteral("BERLIN");
    berlin.zone = QStringLiteral("Europe/Berlin");
    berlin.utcOffsetSeconds = 7200;
    BirthDetails west = Ada();
    west.name = QStringLiteral("WEST");
    west.zone = QStringLiteral("UTC-03:30");
    west.utcOffsetSeconds = -12600;
    BirthDetails none = Ada();
    none.name = QStringLiteral("NONE");
    none.zone = QStringLiteral("LMT");
    STORED(store.saveAll({berlin, west, none}, At(0), {.replaceExisting = true}));
    PeopleStore again(storePath());
    QCOMPARE(again.personNamed(QStringLiteral("BERLIN"))->details, berlin);
    QCOMPARE(again.personNamed(QStringLiteral("WEST"))->details, west);
    QCOMPARE(again.personNamed(QStringLiteral("NONE"))->details, none);
    // Saving again without the answer takes it away.
    berlin.utcOffsetSeconds.reset();
    STORED(again.save(berlin, At(1)));
    QCOMPARE(again.personNamed(QStringLiteral("BERLIN"))->details.utcOffsetSeconds, std::nullopt);
}

void TestPeople::listsByNameFromOneIndex() {
    const QLocale before;
    const auto listedNames = [this] {
        PeopleStore store(storePath());
        const Listing listed = store.listing();
        QStringList names;
        for (int i = 0; i < listed.size(); ++i)
            names << listed.name(i);
        return names;
    };
    const QStringList all = {"ZOË", "ada", "BOB", "ÅSA", "Émile", "EVA", "zed", "Ärger", "OTTO"};
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        PeopleStore store(storePath());
        QList<BirthDetails> people;
        for (const QString& name : all) {
            BirthDetails details = Ada();
            details.name = name;
            people.append(details);
        }
        STORED(store.saveAll(people, At(0), {.replaceExisting = false}));
    }
    // In each language as QCollator orders it; the keys are made anew when
    // the desktop's language changes.
    for (const QLocale& locale :
         {QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale(QLocale::Swedish, QLocale::Sweden), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        QStringList expected = all;
        const QCollator collator(locale);
        std::sort(
            expected.begin(), expected.end(),
            [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
        QCOMPARE(listedNames(), expected);
    }
    // Swedish has Å and Ä after Z; English and German among the A.
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    QCOMPARE(listedNames().mid(7), (QStringList{"ÅSA", "Ärger"}));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(listedNames(),
             (QStringList{"ada", "Ärger", "ÅSA", "BOB", "Émile", "EVA", "OTTO", "zed", "ZOË"}));
    QLocale::setDefault(before);
    // The list is read from the index alone: a hundred thousand people in
    // tens of milliseconds rather than hundreds.
    QCOMPARE(ListingPlan(storePath()),
             QStringLiteral("SCAN people USING COVERING INDEX people_listing"));
}

void TestPeople::filesThatAreNotStoresAreKeptAside_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("random bytes") << QByteArray("random");
    QTest::newRow("a text file") << QByteArray("text");
    QTest::newRow("another program's database") << QByteArray("foreign");
    QTest::newRow("another program's, of version 1") << QByteArray("foreign 1");
    QTest::newRow("a table of people not ours") << QByteArray("people 3");
    QTest::newRow("a negative version") << QByteArray("negative");
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
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(storePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        if (kind.startsWith("foreign"))
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE invoices (id INTEGER, total REAL)")));
        if (kind == "foreign 1")
            QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        if (kind == "people 3") {
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE people (id INTEGER, name TEXT)")));
            QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 3")));
        }
        if (kind == "negative")
            QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = -2")));
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
    const QStringList kept = QDir(QFileInfo(storePath()).absolutePath())
                                 .entryList({QStringLiteral("people.sqlite.kept-*")});
    QCOMPARE(kept.size(), 1);
    QVERIFY2(notice->contains(kept.first()), qPrintable(*notice));
    QFile keptFile(QFileInfo(storePath()).absoluteDir().filePath(kept.first()));
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QCOMPARE(keptFile.readAll(), before);
    // And the store goes on, fresh.
    STORED(store.save(Ada(), At(0)));
    QCOMPARE(store.count(), 1);
}

void TestPeople::failuresLeaveTheStoreInPlace_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("a newer version's store") << QByteArray("newer");
    QTest::newRow("locked by another program") << QByteArray("locked");
    QTest::newRow("a folder that cannot be written, a store to bring up to date")
        << QByteArray("read-only");
}

void TestPeople::failuresLeaveTheStoreInPlace() {
    QFETCH(QByteArray, kind);
    const QString data = QFileInfo(storePath()).absolutePath();
    QVERIFY(QDir().mkpath(data));
    const QString connection = QStringLiteral("other");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(storePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(firstLayout()));
        QVERIFY(
            query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kind == "newer" ? 99 : 1)));
        query.finish();
        if (kind == "locked") {
            // Another process holding the file for longer than the store waits.
            QVERIFY(query.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
            QVERIFY(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM people")));
            query.finish();
        } else {
            db.close();
        }
    }
    if (kind == "read-only")
        QVERIFY(QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner));
    QFile original(storePath());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    const bool asRoot = ::geteuid() == 0;

    QString problem;
    {
        PeopleStore store(storePath());
        StoreResult read;
        store.listing(&read);
        problem = read.message();
        QVERIFY(!store.takeNotice());
        if (!(asRoot && kind == "read-only")) {
            QVERIFY(!read);
            QCOMPARE(read.failure().file, storePath());
            QVERIFY2(problem.contains(storePath()), qPrintable(problem));
            QVERIFY2(!problem.contains(QLatin1String("is kept")), qPrintable(problem));
            // The next save says what failed too, and keeps nothing aside.
            BirthDetails details = Ada();
            const StoreResult refused = store.save(details, At(0));
            QVERIFY(!refused);
            QVERIFY2(refused.message().contains(storePath()), qPrintable(refused.message()));
            QVERIFY2(refused.message().contains(refused.failure().reason),
                     qPrintable(refused.message()));
            // So does clearing the recent list.
            const StoreResult cleared = store.clearRecent();
            QVERIFY(!cleared);
            QVERIFY2(cleared.message().contains(storePath()), qPrintable(cleared.message()));
        }
    }
    if (kind == "newer")
        QVERIFY2(problem.contains(QLatin1String("newer version")), qPrintable(problem));
    if (kind == "locked")
        QVERIFY2(problem.contains(QLatin1String("another program is using it")),
                 qPrintable(problem));
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
    QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Where it was, as it was.
    QVERIFY(QDir(data).entryList({QStringLiteral("people.sqlite.kept-*")}).isEmpty());
    QVERIFY(original.open(QIODevice::ReadOnly));
    if (kind != "locked" && !(asRoot && kind == "read-only"))
        QCOMPARE(original.readAll(), before);
}

void TestPeople::permissionsOfTheUsersOwn() {
    // A store the user made read-only stays so, and is read.
    {
        PeopleStore store(storePath());
        STORED(store.save(Ada(), At(0)));
    }
    QVERIFY(QFile::setPermissions(storePath(), QFile::ReadOwner));
    {
        PeopleStore store(storePath());
        QCOMPARE(store.listing().size(), 1);
        if (::geteuid() != 0) {
            BirthDetails bob = Ada();
            bob.name = QStringLiteral("BOB");
            const StoreResult refused = store.save(bob, At(1));
            QVERIFY(!refused && refused.message().contains(storePath()));
            QCOMPARE(refused.failure().file, storePath());
        }
    }
    QCOMPARE(Mode(storePath()), mode_t(0400));
    // Through a link: the file it points to keeps its mode.
    const QString target = folder->filePath(QStringLiteral("elsewhere.sqlite"));
    QVERIFY(QFile::copy(storePath(), target));
    QVERIFY(QFile::setPermissions(
        target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString link = folder->filePath(QStringLiteral("data/linked.sqlite"));
    QVERIFY(QFile::link(target, link));
    {
        PeopleStore store(link);
        BirthDetails bob = Ada();
        bob.name = QStringLiteral("BOB");
        STORED(store.save(bob, At(1)));
        QCOMPARE(store.count(), 2);
    }
    QCOMPARE(Mode(target), mode_t(0644));
    // Folders made for the store are the user's alone under any umask, and
    // so is the file.
    for (const mode_t mask : {mode_t(0), mode_t(022), mode_t(0277)}) {
        const QString deep =
            folder->filePath(QStringLiteral("umask-%1/share/asterine/people.sqlite").arg(mask));
        const mode_t old = ::umask(mask);
        StoreResult saved;
        {
            PeopleStore store(deep);
            saved = store.save(Ada(), At(0));
        }
        ::umask(old);
        QVERIFY2(saved, qPrintable(saved.message()));
        QCOMPARE(Mode(folder->filePath(QStringLiteral("umask-%1").arg(mask))), mode_t(0700));
        QCOMPARE(Mode(QFileInfo(deep).absolutePath()), mode_t(0700));
        QCOMPARE(Mode(deep), mode_t(0600));
        for (const char* suffix : {"-wal", "-shm"}) {
            if (QFileInfo::exists(deep + QLatin1String(suffix)))
                QCOMPARE(Mode(deep + QLatin1String(suffix)), mode_t(0600));
        }
    }
}

void TestPeople::readOnlyAndFullDisks() {
    const QString mount = folder->filePath(QStringLiteral("mount"));
    QVERIFY(QDir().mkpath(mount));
    if (!Mount(mount, QStringLiteral("size=256k,mode=0700")))
        QSKIP("this machine does not let the test mount a file system of its own");
    const QString path = QDir(mount).filePath(QStringLiteral("people.sqlite"));
    {
        PeopleStore store(path);
        STORED(store.save(Ada(), At(0)));
        // Full: people with long names until the disk takes no more.
        StoreResult stored;
        int saved = 1;
        for (int n = 0; n < 1000 && stored; ++n) {
            BirthDetails details = Ada();
            details.name = QStringLiteral("%1 %2").arg(QString(2000, QLatin1Char('A'))).arg(n);
            stored = store.save(details, At(n));
            saved += stored ? 1 : 0;
        }
        QVERIFY(!stored);
        const QString problem = stored.message();
        QVERIFY2(problem.contains(path) && problem.contains(QLatin1String("full")),
                 qPrintable(problem));
        QCOMPARE(stored.failure().reason, QStringLiteral("the disk is full"));
        QCOMPARE(store.count(), saved);
        QVERIFY(store.personNamed(Ada().name));
    }
    {
        // Started again on the full disk: read as it is, nothing set aside.
        PeopleStore store(path);
        StoreResult read;
        QCOMPARE(store.listing(&read).size(), store.count());
        QVERIFY(!store.takeNotice());
        QVERIFY(QDir(mount).entryList({QStringLiteral("people.sqlite.kept-*")}).isEmpty());
    }
    // Read-only.
    QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                               {QStringLiteral("-o"), QStringLiteral("remount,ro"), mount}),
             0);
    {
        PeopleStore store(path);
        BirthDetails details = Ada();
        details.name = QStringLiteral("ANOTHER");
        const StoreResult refused = store.save(details, At(0));
        QVERIFY(!refused);
        QVERIFY2(refused.message().contains(path), qPrintable(refused.message()));
        QVERIFY(store.personNamed(Ada().name));
        QVERIFY(!store.takeNotice());
        QVERIFY(QDir(mount).entryList({QStringLiteral("people.sqlite.kept-*")}).isEmpty());
        QVERIFY(QFileInfo::exists(path));
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
        // Only a writer still running: with none, its id is 0, and a kill
        // of 0 would be one of the whole process group, the test with it.
        if (writer.state() != QProcess::NotRunning && writer.processId() > 0)
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
            const int n = numberWritten(person.details.name.mid(7));
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
    STORED(store.saveAll(all, At(0), {.replaceExisting = true}));
    const QByteArray csv = writeCsv(store.people());
    QVERIFY(csv.startsWith("\xEF\xBB\xBFName,Date of Birth,Time of Birth,"));
    const CsvCheck check = checkCsv(csv, QStringLiteral("people.csv"), {});
    QCOMPARE(Refused(check), QStringList());
    QCOMPARE(check.good, 30);
    // Into a second store: the same people, byte for byte.
    PeopleStore second(folder->filePath(QStringLiteral("second.sqlite")));
    PeopleStore::Batch batch(second, At(1), {.replaceExisting = true});
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
    const QByteArray csv =
        "\xEF\xBB\xBF" +
        Csv({
            good,                                                               // line 2
            "BOB,1990-12-10,13:05:09,London,England,UK,51,4x,26,N,0,7,39,W",    // 3
            "CAROL,2001-04-31,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",  // 4
            "DAN,1990-12-10,13:05:09,London",                                   // 5
            "\"EVE SMITH\",1990-12-10,13:05:09,\"a "
            "\"\"quoted\"\",\ntown\",,,51,30,26,S,0,7,39,E",                      // 6, 7
            "FAY,1990-12-10,13:05:09,Z\xfcrich,,,51,30,26,N,0,7,39,W",            // 8: Latin-1
            "ADA,1990-12-10,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",      // 9: again
            "GUS,1990-12-10,25:00:00,London,England,UK,51,30,26,N,0,7,39,W",      // 10
            "HAL,1990-12-10,13:05:09,London,England,UK,51,61,26,N,0,7,39,W",      // 11
            "IDA,1990-12-10,13:05:09,London,England,UK,51,30,26,X,0,7,39,W",      // 12
            " ,1990-12-10,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",        // 13
            "\"JO\"E,1990-12-10,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",  // 14
            "KIM,1899-01-01,13:05:09,London,England,UK,51,30,26,N,0,7,39,W",      // 15
        });
    const CsvCheck check = checkCsv(csv, QStringLiteral("people.csv"), {QStringLiteral("ADA")});
    QCOMPARE(check.notPeople, std::nullopt);
    QCOMPARE(check.good, 2);  // ADA and EVE SMITH
    QCOMPARE(check.existing, 1);
    QCOMPARE(Refused(check),
             (QStringList{
                 "3: latitude minutes \u201c4x\u201d are not a number",
                 "4: 31 April 2001 is not a date",
                 "5: 4 fields, where the header has 14",
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
    PeopleStore::Batch batch(store, At(0), {.replaceExisting = true});
    QCOMPARE(importCsv(csv, batch, {}, nullptr), std::nullopt);
    const std::optional<Person> eve = store.personNamed(QStringLiteral("EVE SMITH"));
    QVERIFY(eve);
    QCOMPARE(eve->details.city, QStringLiteral("a \"quoted\",\ntown"));
    QVERIFY(eve->details.south);
    QCOMPARE(store.count(), 2);
}

void TestPeople::csvZones() {
    PeopleStore store(storePath());
    // Files hold the years a reading takes.
    BirthDetails berlin = Ada();
    berlin.year = 1990;
    berlin.name = QStringLiteral("BERLIN");
    berlin.zone = QStringLiteral("Europe/Berlin");
    BirthDetails answered = berlin;
    answered.name = QStringLiteral("ANSWERED");
    answered.utcOffsetSeconds = 7200;
    BirthDetails none = berlin;
    none.name = QStringLiteral("NONE");
    none.zone.clear();
    STORED(store.saveAll({berlin, answered, none}, At(0), {.replaceExisting = true}));
    const QByteArray csv = writeCsv(store.people());
    const QList<QByteArray> lines = csv.split('\n');
    // The zone comes last; an answered offset is written as the fixed
    // offset it overrides the zone with.
    QVERIFY(lines[0].endsWith(",East or West,Time Zone\r"));
    QVERIFY2(lines[1].startsWith("ANSWERED,") && lines[1].endsWith(",W,UTC+02:00\r"), lines[1]);
    QVERIFY2(lines[2].endsWith(",W,Europe/Berlin\r"), lines[2]);
    QVERIFY2(lines[3].endsWith(",W,\r"), lines[3]);

    PeopleStore second(folder->filePath(QStringLiteral("second.sqlite")));
    {
        PeopleStore::Batch batch(second, At(1), {.replaceExisting = true});
        QCOMPARE(importCsv(csv, batch, {}, nullptr), std::nullopt);
    }
    QCOMPARE(second.personNamed(QStringLiteral("BERLIN"))->details, berlin);
    QCOMPARE(second.personNamed(QStringLiteral("NONE"))->details, none);
    const BirthDetails back = second.personNamed(QStringLiteral("ANSWERED"))->details;
    QCOMPARE(back.zone, QStringLiteral("UTC+02:00"));
    QCOMPARE(back.utcOffsetSeconds, std::nullopt);

    // Read in any place among the columns, capitals forgiven, and kept as
    // the zone's own text; an unknown one is refused by its line.
    const QByteArray typed =
        "Time zone,Name,Date of Birth,Time of Birth,City,State,Country,Latitude Degrees,"
        "Latitude Minutes,Latitude Seconds,North or South,Longitude Degrees,Longitude "
        "Minutes,Longitude Seconds,East or West\r\n"
        "asia/kolkata,ANU,1990-12-10,13:05:09,Delhi,,India,28,36,0,N,77,12,0,E\r\n"
        "Mars/Olympus,BOB,1990-12-10,13:05:09,Delhi,,India,28,36,0,N,77,12,0,E\r\n"
        "utc+5:30,CY,1990-12-10,13:05:09,Delhi,,India,28,36,0,N,77,12,0,E\r\n"
        "UTC+15,DI,1990-12-10,13:05:09,Delhi,,India,28,36,0,N,77,12,0,E\r\n"
        " ,EL,1990-12-10,13:05:09,Delhi,,India,28,36,0,N,77,12,0,E\r\n";
    const CsvCheck check = checkCsv(typed, QStringLiteral("zones.csv"), {});
    QCOMPARE(check.notPeople, std::nullopt);
    QCOMPARE(check.good, 3);
    const QStringList refused = Refused(check);
    QCOMPARE(refused.size(), 2);
    QVERIFY2(refused[0].startsWith(QLatin1String("3: ")) && refused[0].contains("Mars/Olympus"),
             qPrintable(refused[0]));
    QVERIFY2(refused[1].startsWith(QLatin1String("5: ")) && refused[1].contains("UTC+15"),
             qPrintable(refused[1]));
    QCOMPARE(check.ignoredColumns, QStringList());
    PeopleStore third(folder->filePath(QStringLiteral("third.sqlite")));
    {
        PeopleStore::Batch batch(third, At(1), {.replaceExisting = true});
        QCOMPARE(importCsv(typed, batch, {}, nullptr), std::nullopt);
    }
    QCOMPARE(third.personNamed(QStringLiteral("ANU"))->details.zone,
             QStringLiteral("Asia/Kolkata"));
    QCOMPARE(third.personNamed(QStringLiteral("CY"))->details.zone, QStringLiteral("UTC+05:30"));
    QCOMPARE(third.personNamed(QStringLiteral("EL"))->details.zone, QString());
}

void TestPeople::namesAsTheNameBoxTakesThem() {
    // Compared as typed: small letters are capitals.
    QCOMPARE(typedName(QStringLiteral("zoë smith")), QStringLiteral("ZOË SMITH"));
    QCOMPARE(typedName(QStringLiteral("ZOË SMITH")), QStringLiteral("ZOË SMITH"));
    QCOMPARE(typedName(QStringLiteral("straße")), QStringLiteral("STRAßE"));  // letter by letter
    QString typed;
    QCOMPARE(nameProblem(QStringLiteral("zoe smith"), &typed), std::nullopt);
    QCOMPARE(typed, QStringLiteral("ZOE SMITH"));
    QCOMPARE(nameProblem(QString(kLongestName, QLatin1Char('a')), &typed), std::nullopt);
    QCOMPARE(typed.size(), kLongestName);
    QCOMPARE(nameProblem(QString(kLongestName + 1, QLatin1Char('A')), &typed),
             QStringLiteral("the name is longer than the 32,767 characters the Name box takes"));
    QCOMPARE(nameProblem(QStringLiteral("A\u0001B"), &typed),
             QStringLiteral("the name has the character U+0001, which the Name box does not take"));
    QCOMPARE(nameProblem(QString(QStringLiteral("A") + QChar(0) + QStringLiteral("B")), &typed),
             QStringLiteral("the name has the character U+0000, which the Name box does not take"));
    QCOMPARE(
        nameProblem(QStringLiteral("<img src=x>"), &typed),
        QStringLiteral("the name has \u201c<\u201d (U+003C), which the Name box does not take"));
    QCOMPARE(
        nameProblem(QStringLiteral("ANN 2"), &typed),
        QStringLiteral("the name has \u201c2\u201d (U+0032), which the Name box does not take"));
    QVERIFY(nameProblem(QStringLiteral("J\u00fcrgen"), &typed));  // not a letter of the English box
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(nameProblem(QStringLiteral("J\u00fcrgen"), &typed), std::nullopt);
    QCOMPARE(typed, QStringLiteral("J\u00dcRGEN"));
}

void TestPeople::csvAsSpreadsheetsWriteIt() {
    // Semicolons, the columns in another order and one more, blanks around
    // cells, times without seconds, CR alone at line ends, compass words.
    const QByteArray csv =
        "East or West; Name ;Notes;Date of Birth;Time of Birth;City;State;Country;Latitude Degrees;"
        "Latitude Minutes;Latitude Seconds;North or South;Longitude Degrees;Longitude Minutes;"
        "Longitude Seconds\r"
        "Ost ; ann lee ;friend; 1990-12-10 ;7:07;Berlin;;Germany;52;31;0;Nord;13;24;0\r"
        "Ouest;BEA;;1990-12-10;07:07:30;Paris;;France;48; 51;0;Süd;2;21;0\r"
        "Oeste;CY;;1990-12-10;23:59;Lisboa;;Portugal;38;43;0;Sul;9;8;0\r"
        "شرق;DI;;1990-12-10;0:00;x;;;30;2;0;شمال;31;14;0\r"
        "पश्चिम;ED;;1990-12-10;12:00;x;;;28;36;0;उत्तर;77;12;0\r"
        "Este;FLO;;1990-12-10;12:00;x;;;40;25;0;Norte;3;42;0\r"
        "W;GUS;;1990-12-10;12:00;x;;;9999;25;0;N;3;42;0\r";
    const CsvCheck check = checkCsv(csv, QStringLiteral("sheet.csv"), {QStringLiteral("BEA")});
    QCOMPARE(check.notPeople, std::nullopt);
    QCOMPARE(Refused(check),
             QStringList{"8: latitude degrees \u201c9999\u201d are longer than 3 digits"});
    QCOMPARE(check.good, 6);
    QCOMPARE(check.existing, 1);
    QCOMPARE(check.existingNames, QStringList{"BEA"});
    QCOMPARE(check.ignoredColumns, QStringList{"Notes"});
    PeopleStore store(storePath());
    {
        PeopleStore::Batch batch(store, At(0), {.replaceExisting = true});
        QCOMPARE(importCsv(csv, batch, {}, nullptr), std::nullopt);
    }
    QCOMPARE(store.count(), 6);
    const std::optional<Person> ann = store.personNamed(QStringLiteral("ANN LEE"));
    QVERIFY(ann);
    QCOMPARE(ann->details.name, QStringLiteral("ANN LEE"));  // as the Name box types it
    QCOMPARE(ann->details.hour, 7);
    QCOMPARE(ann->details.minute, 7);
    QCOMPARE(ann->details.second, 0);
    QCOMPARE(ann->details.day, 10);
    QCOMPARE(ann->details.city, QStringLiteral("Berlin"));
    QVERIFY(!ann->details.south && !ann->details.west);
    QVERIFY(!ann->lastUsed.isValid());  // not used yet
    QCOMPARE(store.listing().lastUsed(0), 0);
    const auto sides = [&store](const char* name) {
        const BirthDetails d = store.personNamed(QString::fromLatin1(name))->details;
        return QString(QLatin1Char(d.south ? 'S' : 'N')) + QLatin1Char(d.west ? 'W' : 'E');
    };
    QCOMPARE(sides("BEA"), QStringLiteral("SW"));
    QCOMPARE(store.personNamed(QStringLiteral("BEA"))->details.latitudeMinutes,
             QStringLiteral("51"));
    QCOMPARE(store.personNamed(QStringLiteral("BEA"))->details.second, 30);
    QCOMPARE(sides("CY"), QStringLiteral("SW"));
    QCOMPARE(sides("DI"), QStringLiteral("NE"));
    QCOMPARE(sides("ED"), QStringLiteral("NW"));
    QCOMPARE(sides("FLO"), QStringLiteral("NE"));

    // A saved name in other case is the same person: counted, and replaced;
    // when it was last used stays as it was.
    STORED(store.markUsed(store.personNamed(QStringLiteral("FLO"))->id, At(5)));
    const QByteArray again = Csv({"flo,1990-12-10,12:00:00,Madrid,,,40,25,0,N,3,42,0,W"});
    const CsvCheck same = checkCsv(again, QString(), store.names());
    QCOMPARE(same.existing, 1);
    {
        PeopleStore::Batch batch(store, At(6), {.replaceExisting = true});
        QCOMPARE(importCsv(again, batch, {}, nullptr), std::nullopt);
    }
    QCOMPARE(store.count(), 6);
    QCOMPARE(store.personNamed(QStringLiteral("FLO"))->details.city, QStringLiteral("Madrid"));
    QCOMPARE(store.personNamed(QStringLiteral("FLO"))->lastUsed, At(5));
    // Skipping keeps the saved one, whatever the case.
    const QByteArray third = Csv({"Flo,1990-12-10,12:00:00,Rome,,,40,25,0,N,3,42,0,W"});
    {
        PeopleStore::Batch batch(store, At(7), {.replaceExisting = false});
        QCOMPARE(importCsv(third, batch, {}, nullptr), std::nullopt);
    }
    QCOMPARE(store.count(), 6);
    QCOMPARE(store.personNamed(QStringLiteral("FLO"))->details.city, QStringLiteral("Madrid"));
    // Names the Name box refuses are refused, told as plain text.
    const QByteArray hostile = Csv({
        "\"<b>BOLD</b>\",1990-12-10,12:00:00,x,,,40,25,0,N,3,42,0,W",
        "\"A\x01\",1990-12-10,12:00:00,x,,,40,25,0,N,3,42,0,W",
        QByteArray(40000, 'A') + ",1990-12-10,12:00:00,x,,,40,25,0,N,3,42,0,W",
    });
    QCOMPARE(
        Refused(checkCsv(hostile, QString(), {})),
        (QStringList{"2: the name has \u201c<\u201d (U+003C), which the Name box does not take",
                     "3: the name has the character U+0001, which the Name box does not take",
                     "4: the name is longer than the 32,767 characters the Name box takes"}));
}

void TestPeople::csvCellsAreNotFormulas() {
    PeopleStore store(storePath());
    QList<BirthDetails> all;
    const QStringList cities = {"=HYPERLINK(\"http://x\")",
                                "+1",
                                "-2+3",
                                "@SUM(A1)",
                                "'=quoted",
                                "''+two",
                                "'plain",
                                "a=b"};
    for (int n = 0; n < cities.size(); ++n) {
        BirthDetails details = writtenPerson(n);
        details.city = cities[n];
        all << details;
    }
    STORED(store.saveAll(all, At(0), {.replaceExisting = true}));
    const QByteArray csv = writeCsv(store.people());
    // No cell a spreadsheet would run: those start with an apostrophe.
    for (const QByteArray& line : csv.split('\n').mid(1)) {
        for (const QByteArray& cell : line.trimmed().split(',')) {
            const QByteArray bare = cell.startsWith('"') ? cell.mid(1) : cell;
            QVERIFY2(bare.isEmpty() || !QByteArray("=+-@").contains(bare[0]), line.constData());
        }
    }
    for (const char* written :
         {",\"'=HYPERLINK(", ",'+1,", ",''=quoted,", ",'''+two,", ",'plain,", ",a=b,"})
        QVERIFY2(csv.contains(written), written);
    // And read back as they were.
    PeopleStore second(folder->filePath(QStringLiteral("second.sqlite")));
    {
        PeopleStore::Batch batch(second, At(1), {.replaceExisting = true});
        QCOMPARE(importCsv(csv, batch, {}, nullptr), std::nullopt);
    }
    const QList<Person> back = second.people();
    const QList<Person> written = store.people();
    QCOMPARE(back.size(), cities.size());
    for (int n = 0; n < back.size(); ++n)
        QCOMPARE(back[n].details, written[n].details);
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
    STORED(store.save(Ada(), At(0)));
    QByteArrayList rows;
    for (int n = 0; n < 5000; ++n) {
        const BirthDetails d = writtenPerson(n);
        rows << writeCsv({Person{0, d, {}}}).split('\n').at(1).trimmed();
    }
    const QByteArray csv = CsvWithZones(rows);
    // Cancelled half-way: nothing of it is kept.
    {
        PeopleStore::Batch batch(store, At(1), {.replaceExisting = true});
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
        const QByteArray withAda = CsvWithZones(
            rows + QByteArrayList{writeCsv({Person{0, ada, {}}}).split('\n').at(1).trimmed()});
        PeopleStore::Batch batch(store, At(2), {.replaceExisting = false});
        QCOMPARE(importCsv(withAda, batch, {}, nullptr), std::nullopt);
    }
    QCOMPARE(store.count(), 5001);
    QCOMPARE(store.personNamed(Ada().name)->details.city, QStringLiteral("London"));
}

QTEST_GUILESS_MAIN(TestPeople)
#include "tst_people.moc"
