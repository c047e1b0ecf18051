// SPDX-License-Identifier: GPL-3.0-or-later
#include "people_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "document/reading_document.h"
#include "name_order.h"
#include "person_rules.h"

namespace people {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(people::PeopleStore)
};

// The columns of a person, in the order they are bound and read.
const QStringList kColumns = {
    QStringLiteral("name"),
    QStringLiteral("month"),
    QStringLiteral("day"),
    QStringLiteral("year"),
    QStringLiteral("hour"),
    QStringLiteral("minute"),
    QStringLiteral("second"),
    QStringLiteral("city"),
    QStringLiteral("state"),
    QStringLiteral("country"),
    QStringLiteral("latitude_degrees"),
    QStringLiteral("latitude_minutes"),
    QStringLiteral("latitude_seconds"),
    QStringLiteral("south"),
    QStringLiteral("longitude_degrees"),
    QStringLiteral("longitude_minutes"),
    QStringLiteral("longitude_seconds"),
    QStringLiteral("west"),
};

// The first layout, that of version 1: a person and when it was last used.
const char* const kVersion1 =
    "CREATE TABLE people ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL UNIQUE,"
    " month INTEGER NOT NULL, day INTEGER NOT NULL, year INTEGER NOT NULL,"
    " hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,"
    " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
    " latitude_degrees TEXT NOT NULL, latitude_minutes TEXT NOT NULL,"
    " latitude_seconds TEXT NOT NULL, south INTEGER NOT NULL,"
    " longitude_degrees TEXT NOT NULL, longitude_minutes TEXT NOT NULL,"
    " longitude_seconds TEXT NOT NULL, west INTEGER NOT NULL,"
    " last_used INTEGER NOT NULL)";

// Version 2 adds the recent list, apart from when a person was last used
// (so that Clear Recent keeps the order by last use), and the folded name
// and place people are searched by.
const char* const kVersion2[] = {
    "ALTER TABLE people ADD COLUMN recent_at INTEGER",
    "ALTER TABLE people ADD COLUMN search TEXT NOT NULL DEFAULT ''",
    "CREATE INDEX people_recent ON people(recent_at) WHERE recent_at IS NOT NULL",
};

// Version 3 lists everyone in the order of their names from one index that
// holds all the list needs up front, without a look into the table for each.
const char* const kVersion3[] = {
    "CREATE INDEX people_listing ON people(name, last_used, search)",
};

// Version 4 lists names in the order of the desktop's language, from a sort
// key kept beside each name (made anew when the language changes), and tells
// names apart as the Name box types them. People imported and not yet
// opened have no last use (0).
const char* const kVersion4[] = {
    "ALTER TABLE people ADD COLUMN name_key TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE people ADD COLUMN sort_key BLOB NOT NULL DEFAULT x''",
    "DROP INDEX people_listing",
    "CREATE INDEX people_listing ON people(sort_key, name, last_used, search)",
    "CREATE INDEX people_names ON people(name_key)",
    "CREATE TABLE sorting (locale TEXT NOT NULL)",
    "INSERT INTO sorting VALUES ('')",
};

// The columns of the table of people in each version of the layout.
QSet<QString> columnsOf(int version) {
    QStringList columns = QStringList{QStringLiteral("id")} + kColumns;
    columns << QStringLiteral("last_used");
    if (version >= 2)
        columns << QStringLiteral("recent_at") << QStringLiteral("search");
    if (version >= 4)
        columns << QStringLiteral("name_key") << QStringLiteral("sort_key");
    return QSet<QString>(columns.begin(), columns.end());
}

// Whether SQLite found the file not to be a database, or a damaged one.
bool damaged(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

std::atomic<int> gConnections{0};

// A text as SQLite keeps it: an empty text is empty, not NULL.
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QVariant valueOf(const birth::BirthDetails& d, int column) {
    switch (column) {
    case 0: return text(d.name);
    case 1: return d.monthIndex;
    case 2: return d.day;
    case 3: return d.year;
    case 4: return d.hour;
    case 5: return d.minute;
    case 6: return d.second;
    case 7: return text(d.city);
    case 8: return text(d.state);
    case 9: return text(d.country);
    case 10: return text(d.latitudeDegrees);
    case 11: return text(d.latitudeMinutes);
    case 12: return text(d.latitudeSeconds);
    case 13: return d.south ? 1 : 0;
    case 14: return text(d.longitudeDegrees);
    case 15: return text(d.longitudeMinutes);
    case 16: return text(d.longitudeSeconds);
    case 17: return d.west ? 1 : 0;
    default: return {};
    }
}

// A person from a row whose first columns are id, then kColumns, then last_used.
Person personOf(const QSqlQuery& query) {
    Person p;
    p.id = query.value(0).toLongLong();
    birth::BirthDetails& d = p.details;
    d.name = query.value(1).toString();
    d.monthIndex = query.value(2).toInt();
    d.day = query.value(3).toInt();
    d.year = query.value(4).toInt();
    d.hour = query.value(5).toInt();
    d.minute = query.value(6).toInt();
    d.second = query.value(7).toInt();
    d.city = query.value(8).toString();
    d.state = query.value(9).toString();
    d.country = query.value(10).toString();
    d.latitudeDegrees = query.value(11).toString();
    d.latitudeMinutes = query.value(12).toString();
    d.latitudeSeconds = query.value(13).toString();
    d.south = query.value(14).toInt() != 0;
    d.longitudeDegrees = query.value(15).toString();
    d.longitudeMinutes = query.value(16).toString();
    d.longitudeSeconds = query.value(17).toString();
    d.west = query.value(18).toInt() != 0;
    const qint64 lastUsed = query.value(19).toLongLong();
    if (lastUsed != 0)
        p.lastUsed = QDateTime::fromMSecsSinceEpoch(lastUsed);
    return p;
}

QString personColumns() {
    return QStringLiteral("id, ") + kColumns.join(QStringLiteral(", ")) +
           QStringLiteral(", last_used");
}

QString searchText(const birth::BirthDetails& details) {
    return folded(details.name) + QLatin1Char(' ') + folded(placeText(details));
}

// SQLite's words for the usual failures, in plainer ones.
QString plainReason(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (text.contains(QLatin1String("readonly")) || text.contains(QLatin1String("read-only")))
        return Texts::tr("the file or its folder cannot be written to");
    if (text.contains(QLatin1String("disk is full")) || text.contains(QLatin1String("full")))
        return Texts::tr("the disk is full");
    if (text.contains(QLatin1String("unable to open")))
        return Texts::tr("the file cannot be opened or made there");
    if (text.contains(QLatin1String("locked")) || text.contains(QLatin1String("busy")))
        return Texts::tr("another program is using it; try again when it is done");
    return text;
}

}  // namespace

PeopleStore::PeopleStore(QString path)
    : path_(std::move(path)),
      connection_(QStringLiteral("asterine-people-%1").arg(gConnections.fetch_add(1))) {}

PeopleStore::~PeopleStore() {
    close();
}

QString PeopleStore::standardPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("people.sqlite"));
}

std::optional<QString> PeopleStore::takeNotice() {
    return std::exchange(notice_, std::nullopt);
}

QString PeopleStore::failure(const QString& reason) const {
    return Texts::tr("The people could not be kept in \u201c%1\u201d: %2.")
        .arg(QDir::toNativeSeparators(path_), reason);
}

void PeopleStore::close() {
    if (QSqlDatabase::contains(connection_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection_);
    }
    open_ = false;
}

bool PeopleStore::create(QString* reason) {
    // Birth details are personal: the folders made for them and the file
    // are the user's alone, whatever the umask. A file or folder that is
    // there already keeps the mode its owner gave it.
    const QString folder = QFileInfo(path_).absolutePath();
    QStringList missing;
    for (QString at = folder; !QFileInfo::exists(at) && !QFileInfo(at).isSymLink();
         at = QFileInfo(at).absolutePath()) {
        missing.prepend(at);
        if (QFileInfo(at).isRoot())
            break;
    }
    for (const QString& made : missing) {
        const QByteArray name = QFile::encodeName(made);
        if (::mkdir(name.constData(), 0700) != 0 || ::chmod(name.constData(), 0700) != 0) {
            *reason = Texts::tr("its folder cannot be made");
            return false;
        }
    }
    if (QFileInfo::exists(path_))
        return true;
    // Made here, not followed through a link, and never over a file that
    // appeared meanwhile.
    const int file = ::open(QFile::encodeName(path_).constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file < 0 || ::fchmod(file, 0600) != 0) {
        if (file >= 0)
            ::close(file);
        *reason = Texts::tr("the file cannot be opened or made there");
        return false;
    }
    ::close(file);
    return true;
}

bool PeopleStore::open(Opening opening, QString* problem) {
    if (open_)
        return true;
    if (!QFile::exists(path_) && opening == Opening::ForReading)
        return false;  // nobody saved yet
    for (int attempt = 0; attempt < 2; ++attempt) {
        QString reason;
        if (!create(&reason)) {
            if (problem)
                *problem = failure(reason);
            return false;
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
            db.setDatabaseName(path_);
            if (!db.open()) {
                reason = plainReason(db.lastError());
                close();
                if (problem)
                    *problem = failure(reason);
                return false;
            }
        }
        open_ = true;
        switch (checkLayout(&reason)) {
        case Layout::Ours:
            return true;
        case Layout::NotOurs:
            // Kept aside, a fresh one in its place.
            setAside(reason);
            if (opening == Opening::ForReading || QFile::exists(path_))
                return false;
            continue;
        case Layout::Failed:
            // A store that cannot be read or written now, or one this
            // version cannot use: told, and left where it is.
            close();
            if (problem)
                *problem = failure(reason);
            return false;
        }
    }
    return false;
}

PeopleStore::Layout PeopleStore::checkLayout(QString* reason) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    const auto failed = [reason](const QSqlError& error) {
        if (damaged(error)) {
            *reason = Texts::tr("it is not an SQLite database, or a damaged one: %1")
                          .arg(error.databaseText());
            return Layout::NotOurs;
        }
        *reason = plainReason(error);
        return Layout::Failed;
    };
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed(query.lastError());
    const int version = query.value(0).toInt();
    query.finish();
    if (version > schemaVersion) {
        *reason = Texts::tr("it was made by a newer version of Asterine, which this one cannot use");
        return Layout::Failed;
    }
    QSet<QString> tables;
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return failed(query.lastError());
    while (query.next())
        tables.insert(query.value(0).toString());
    query.finish();
    if (version < 0 || (version == 0 && !tables.isEmpty())) {
        *reason = Texts::tr("it holds the tables of another program");
        return Layout::NotOurs;
    }
    if (version > 0) {
        // Ours only if its table of people is that of its version; only
        // then is it brought up to date.
        QSet<QString> columns;
        if (!query.exec(QStringLiteral("PRAGMA table_info(people)")))
            return failed(query.lastError());
        while (query.next())
            columns.insert(query.value(1).toString());
        query.finish();
        if (columns != columnsOf(version) ||
            (version >= 4 && !tables.contains(QStringLiteral("sorting")))) {
            *reason = Texts::tr("its table of people is not the one Asterine keeps");
            return Layout::NotOurs;
        }
    }
    if (version < schemaVersion && !layOut(version, reason))
        return Layout::Failed;
    // Every write one transaction, in a journal that a killed process
    // cannot leave half-written.
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    query.finish();
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    query.finish();
    resort();
    return Layout::Ours;
}

bool PeopleStore::layOut(int version, QString* reason) {
    // From nothing (version 0) or an older version to this one, step by
    // step, in one transaction.
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) {
        *reason = Texts::tr("it could not be brought up to date: %1").arg(plainReason(db.lastError()));
        return false;
    }
    QSqlQuery query(db);
    QSqlError error;
    const auto run = [&query, &error](const QString& statement) {
        if (!error.isValid() && !query.exec(statement))
            error = query.lastError();
        return !error.isValid();
    };
    if (version == 0)
        run(QLatin1String(kVersion1));
    if (version < 2) {
        for (const char* statement : kVersion2)
            run(QLatin1String(statement));
        // The search text of everyone, and the recent list as their last use.
        QList<std::pair<qint64, QString>> texts;
        if (run(QStringLiteral("SELECT ") + personColumns() + QStringLiteral(" FROM people"))) {
            while (query.next()) {
                const Person person = personOf(query);
                texts.append({person.id, searchText(person.details)});
            }
        }
        QSqlQuery update(db);
        if (!error.isValid() && !update.prepare(QStringLiteral(
                "UPDATE people SET search = ?, recent_at = last_used WHERE id = ?")))
            error = update.lastError();
        for (const auto& [id, text] : texts) {
            update.addBindValue(text);
            update.addBindValue(id);
            if (!error.isValid() && !update.exec())
                error = update.lastError();
        }
    }
    if (version < 3) {
        for (const char* statement : kVersion3)
            run(QLatin1String(statement));
    }
    if (version < 4) {
        for (const char* statement : kVersion4)
            run(QLatin1String(statement));
        // The names as the Name box types them; the sort keys follow.
        QList<std::pair<qint64, QString>> names;
        if (run(QStringLiteral("SELECT id, name FROM people"))) {
            while (query.next())
                names.append({query.value(0).toLongLong(), query.value(1).toString()});
        }
        QSqlQuery update(db);
        if (!error.isValid() &&
            !update.prepare(QStringLiteral("UPDATE people SET name_key = ? WHERE id = ?")))
            error = update.lastError();
        for (const auto& [id, name] : names) {
            update.addBindValue(typedName(name));
            update.addBindValue(id);
            if (!error.isValid() && !update.exec())
                error = update.lastError();
        }
    }
    run(QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion));
    if (error.isValid() || !db.commit()) {
        if (!error.isValid())
            error = db.lastError();
        db.rollback();
        *reason = Texts::tr("it could not be brought up to date: %1").arg(plainReason(error));
        return false;
    }
    return true;
}

void PeopleStore::resort() {
    if (!order_)
        order_ = std::make_unique<NameOrder>();
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT locale FROM sorting")) || !query.next() ||
        query.value(0).toString() == order_->localeName())
        return;
    query.finish();
    // Another language: every key anew, in one transaction. A store that
    // cannot be written keeps the order it has.
    if (!db.transaction())
        return;
    QList<std::pair<qint64, QString>> names;
    if (query.exec(QStringLiteral("SELECT id, name FROM people"))) {
        while (query.next())
            names.append({query.value(0).toLongLong(), query.value(1).toString()});
    }
    query.finish();
    QSqlQuery update(db);
    bool ok = update.prepare(QStringLiteral("UPDATE people SET sort_key = ? WHERE id = ?"));
    for (const auto& [id, name] : names) {
        update.addBindValue(order_->key(name));
        update.addBindValue(id);
        ok = ok && update.exec();
    }
    update.finish();
    update.prepare(QStringLiteral("UPDATE sorting SET locale = ?"));
    update.addBindValue(order_->localeName());
    ok = ok && update.exec();
    if (!ok || !db.commit())
        db.rollback();
}

void PeopleStore::setAside(const QString& reason) {
    close();
    const QString kept = path_ + QStringLiteral(".kept-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    bool moved = true;
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QString file = path_ + QLatin1String(suffix);
        if (QFile::exists(file))
            moved = QFile::rename(file, kept + QLatin1String(suffix)) && moved;
    }
    notice_ = moved ? Texts::tr("\u201c%1\u201d is not a store of people that Asterine can use (%2). It "
                         "is kept, unchanged, as \u201c%3\u201d, and a new, empty store takes its "
                         "place.")
                          .arg(QDir::toNativeSeparators(path_), reason,
                               QDir::toNativeSeparators(kept))
                    : Texts::tr("\u201c%1\u201d is not a store of people that Asterine can use (%2), and "
                         "it cannot be set aside; it is left as it is, and no people can be kept "
                         "until it is moved.")
                          .arg(QDir::toNativeSeparators(path_), reason);
}

void Listing::append(qint64 id, QString name, qint64 lastUsed, std::string_view search) {
    ids_.push_back(id);
    names_.push_back(std::move(name));
    lastUsed_.push_back(lastUsed);
    search_.append(search);
    searchAt_.push_back(search_.size());
}

Listing PeopleStore::listing(QString* problem) {
    Listing listed;
    if (!open(Opening::ForReading, problem))
        return listed;
    // A hundred thousand people are read in a few tens of milliseconds from
    // SQLite's own interface, in the order of the listing index; through
    // QSqlQuery every value would be a QVariant of its own.
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const QVariant handle = db.driver()->handle();
    sqlite3* raw = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
                       ? *static_cast<sqlite3* const*>(handle.data())
                       : nullptr;
    sqlite3_stmt* statement = nullptr;
    if (!raw || sqlite3_prepare_v2(raw,
                                   "SELECT id, name, last_used, search FROM people "
                                   "ORDER BY sort_key, name",
                                   -1, &statement, nullptr) != SQLITE_OK) {
        if (problem)
            *problem = failure(raw ? plainReason(QSqlError(QString(),
                                                       QString::fromUtf8(sqlite3_errmsg(raw))))
                               : Texts::tr("it cannot be read"));
        return listed;
    }
    const auto text = [statement](int column) {
        return std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                                std::size_t(sqlite3_column_bytes(statement, column)));
    };
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        const std::string_view name = text(1);
        listed.append(sqlite3_column_int64(statement, 0),
                      QString::fromUtf8(name.data(), qsizetype(name.size())),
                      sqlite3_column_int64(statement, 2), text(3));
    }
    if (step != SQLITE_DONE && problem)
        *problem =
            failure(plainReason(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(raw)))));
    sqlite3_finalize(statement);
    return listed;
}

std::optional<ListedDetails> PeopleStore::listedDetails(qint64 id) {
    if (!open(Opening::ForReading, nullptr))
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT month, day, year, city, state, country FROM people "
                                 "WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    birth::BirthDetails place;
    place.city = query.value(3).toString();
    place.state = query.value(4).toString();
    place.country = query.value(5).toString();
    return ListedDetails{document::dateText(query.value(0).toInt(), query.value(1).toInt(),
                                            query.value(2).toInt()),
                         placeText(place)};
}

std::optional<Person> PeopleStore::person(qint64 id) {
    return personWhere(QStringLiteral("id"), id);
}

std::optional<Person> PeopleStore::personNamed(const QString& name) {
    return personWhere(QStringLiteral("name_key"), typedName(name), name);
}

std::optional<Person> PeopleStore::personWhere(const QString& column, const QVariant& value,
                                               const QString& exactName) {
    if (!open(Opening::ForReading, nullptr))
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT ") + personColumns() + QStringLiteral(" FROM people WHERE ") +
                  column + QStringLiteral(" = ? ORDER BY name = ? DESC, id LIMIT 1"));
    query.addBindValue(value);
    query.addBindValue(exactName);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return personOf(query);
}

QList<Person> PeopleStore::recent(int limit) {
    QList<Person> found;
    if (!open(Opening::ForReading, nullptr))
        return found;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT ") + personColumns() +
                  QStringLiteral(" FROM people WHERE recent_at IS NOT NULL "
                                 "ORDER BY recent_at DESC, id DESC LIMIT ?"));
    query.addBindValue(limit);
    if (query.exec()) {
        while (query.next())
            found.append(personOf(query));
    }
    return found;
}

QList<Person> PeopleStore::people(const QList<qint64>& ids) {
    QList<Person> found;
    if (!open(Opening::ForReading, nullptr))
        return found;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT ") + personColumns() +
                    QStringLiteral(" FROM people ORDER BY sort_key, name")))
        return found;
    const QSet<qint64> wanted(ids.begin(), ids.end());
    while (query.next()) {
        if (wanted.isEmpty() || wanted.contains(query.value(0).toLongLong()))
            found.append(personOf(query));
    }
    return found;
}

qint64 PeopleStore::count() {
    if (!open(Opening::ForReading, nullptr))
        return 0;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM people")) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

std::optional<QString> PeopleStore::save(const birth::BirthDetails& details, const QDateTime& now) {
    Batch batch(*this, now, true, true);
    if (batch.problem())
        return batch.problem();
    if (std::optional<QString> problem = batch.add(details))
        return problem;
    return batch.commit();
}

std::optional<QString> PeopleStore::saveAll(const QList<birth::BirthDetails>& all,
                                            const QDateTime& now, bool replace,
                                            const std::function<bool(int)>& progress) {
    Batch batch(*this, now, replace, false);
    if (batch.problem())
        return batch.problem();
    for (int row = 0; row < all.size(); ++row) {
        if (std::optional<QString> problem = batch.add(all[row]))
            return problem;
        if (progress && (row + 1) % 500 == 0 && !progress(row + 1)) {
            batch.cancel();
            return std::nullopt;
        }
    }
    return batch.commit();
}

struct PeopleStore::Batch::Statement {
    QSqlQuery insert;
    QSqlQuery rename;  // replacing: a name saved in other case takes the new one
};

PeopleStore::Batch::Batch(PeopleStore& store, const QDateTime& now, bool replace, bool recent)
    : store_(store), when_(now.toMSecsSinceEpoch()), recent_(recent), replace_(replace) {
    QString problem;
    if (!store_.open(Opening::ForWriting, &problem)) {
        problem_ = problem.isEmpty() ? store_.failure(Texts::tr("it cannot be opened")) : problem;
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(store_.connection_, false);
    if (!db.transaction()) {
        problem_ = store_.failure(plainReason(db.lastError()));
        return;
    }
    open_ = true;
    const QStringList columns = kColumns + QStringList{QStringLiteral("last_used"),
                                                       QStringLiteral("recent_at"),
                                                       QStringLiteral("search"),
                                                       QStringLiteral("name_key"),
                                                       QStringLiteral("sort_key")};
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    QString statement = QStringLiteral("INSERT INTO people (") + columns.join(QStringLiteral(", ")) +
                        QStringLiteral(") ");
    if (replace) {
        // Anyone of the name as the Name box types it is replaced; an
        // import leaves when they were last used as it was.
        QStringList updated = kColumns.mid(1);
        updated << QStringLiteral("search") << QStringLiteral("name_key")
                << QStringLiteral("sort_key");
        if (recent_)
            updated << QStringLiteral("last_used") << QStringLiteral("recent_at");
        QStringList updates;
        for (const QString& column : updated)
            updates << column + QStringLiteral(" = excluded.") + column;
        statement += QStringLiteral("VALUES (") + marks.join(QStringLiteral(", ")) +
                     QStringLiteral(") ON CONFLICT(name) DO UPDATE SET ") +
                     updates.join(QStringLiteral(", "));
    } else {
        statement += QStringLiteral("SELECT ") + marks.join(QStringLiteral(", ")) +
                     QStringLiteral(" WHERE NOT EXISTS (SELECT 1 FROM people WHERE name_key = ?) "
                                    "ON CONFLICT(name) DO NOTHING");
    }
    statement_ = std::make_unique<Statement>(Statement{QSqlQuery(db), QSqlQuery(db)});
    bool prepared = statement_->insert.prepare(statement);
    QSqlError error = statement_->insert.lastError();
    if (prepared && replace) {
        prepared = statement_->rename.prepare(QStringLiteral(
            "UPDATE people SET name = ? WHERE NOT EXISTS (SELECT 1 FROM people WHERE name = ?) "
            "AND id = (SELECT min(id) FROM people WHERE name_key = ?)"));
        error = statement_->rename.lastError();
    }
    if (!prepared) {
        problem_ = store_.failure(plainReason(error));
        cancel();
    }
}

PeopleStore::Batch::~Batch() {
    cancel();
}

std::optional<QString> PeopleStore::Batch::add(const birth::BirthDetails& details) {
    if (!open_)
        return problem_ ? problem_ : store_.failure(Texts::tr("the save was cancelled"));
    const QString key = typedName(details.name);
    if (replace_) {
        QSqlQuery& rename = statement_->rename;
        rename.bindValue(0, text(details.name));
        rename.bindValue(1, text(details.name));
        rename.bindValue(2, key);
        if (!rename.exec()) {
            problem_ = store_.failure(plainReason(rename.lastError()));
            cancel();
            return problem_;
        }
    }
    QSqlQuery& query = statement_->insert;
    int at = 0;
    for (int column = 0; column < kColumns.size(); ++column)
        query.bindValue(at++, valueOf(details, column));
    query.bindValue(at++, recent_ ? when_ : qint64(0));
    query.bindValue(at++, recent_ ? QVariant(when_) : QVariant());
    query.bindValue(at++, searchText(details));
    query.bindValue(at++, key);
    query.bindValue(at++, store_.order_->key(details.name));
    if (!replace_)
        query.bindValue(at++, key);
    if (!query.exec()) {
        problem_ = store_.failure(plainReason(query.lastError()));
        cancel();
        return problem_;
    }
    return std::nullopt;
}

std::optional<QString> PeopleStore::Batch::commit() {
    if (!open_)
        return problem_ ? problem_ : store_.failure(Texts::tr("the save was cancelled"));
    statement_.reset();
    QSqlDatabase db = QSqlDatabase::database(store_.connection_, false);
    open_ = false;
    if (!db.commit()) {
        problem_ = store_.failure(plainReason(db.lastError()));
        db.rollback();
        return problem_;
    }
    return std::nullopt;
}

void PeopleStore::Batch::cancel() {
    if (!open_)
        return;
    statement_.reset();
    open_ = false;
    QSqlDatabase::database(store_.connection_, false).rollback();
}

QSet<QString> PeopleStore::names() {
    QSet<QString> found;
    if (!open(Opening::ForReading, nullptr))
        return found;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT name_key FROM people"))) {
        while (query.next())
            found.insert(query.value(0).toString());
    }
    return found;
}

std::optional<QString> PeopleStore::remove(qint64 id) {
    QString problem;
    if (!open(Opening::ForWriting, &problem))
        return problem;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("DELETE FROM people WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        return failure(plainReason(query.lastError()));
    return std::nullopt;
}

std::optional<QString> PeopleStore::markUsed(qint64 id, const QDateTime& now) {
    QString problem;
    if (!open(Opening::ForWriting, &problem))
        return problem;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("UPDATE people SET last_used = ?, recent_at = ? WHERE id = ?"));
    query.addBindValue(now.toMSecsSinceEpoch());
    query.addBindValue(now.toMSecsSinceEpoch());
    query.addBindValue(id);
    if (!query.exec())
        return failure(plainReason(query.lastError()));
    return std::nullopt;
}

std::optional<QString> PeopleStore::clearRecent() {
    if (!open(Opening::ForReading, nullptr))
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("UPDATE people SET recent_at = NULL")))
        return failure(plainReason(query.lastError()));
    return std::nullopt;
}

}  // namespace people
