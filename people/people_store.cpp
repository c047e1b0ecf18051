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

using birth::BirthDetails;

// A text as SQLite keeps it: an empty text is empty, not NULL.
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

// What a column holds: a field of the person's birth details, the person's
// id or last use, or something else the store keeps of its own.
enum class Holds { Detail, Id, LastUsed, Own };
// What saving a person whose name is saved already does to a column.
enum class OnReplace {
    Keep,          // the one saved stays (the id, the name as it was typed)
    Take,          // the new one takes its place
    TakeIfRecent,  // the new one only when the save joins the recent list
};

// One column of the table of people: its name and type as the layout
// declares them, the version of the layout that added it, and for a field
// of the birth details how it is written and read.
struct Column {
    const char* name;
    const char* type;
    int since;
    Holds holds;
    OnReplace onReplace;
    QVariant (*get)(const BirthDetails&) = nullptr;
    void (*set)(BirthDetails&, const QVariant&) = nullptr;
};

template <QString BirthDetails::*Field>
Column textField(const char* name) {
    return {name,
            "TEXT NOT NULL",
            1,
            Holds::Detail,
            OnReplace::Take,
            [](const BirthDetails& d) { return text(d.*Field); },
            [](BirthDetails& d, const QVariant& v) { d.*Field = v.toString(); }};
}

template <int BirthDetails::*Field>
Column numberField(const char* name) {
    return {name,
            "INTEGER NOT NULL",
            1,
            Holds::Detail,
            OnReplace::Take,
            [](const BirthDetails& d) { return QVariant(d.*Field); },
            [](BirthDetails& d, const QVariant& v) { d.*Field = v.toInt(); }};
}

template <bool BirthDetails::*Field>
Column flagField(const char* name) {
    return {name,
            "INTEGER NOT NULL",
            1,
            Holds::Detail,
            OnReplace::Take,
            [](const BirthDetails& d) { return QVariant(d.*Field ? 1 : 0); },
            [](BirthDetails& d, const QVariant& v) { d.*Field = v.toInt() != 0; }};
}

// The zone of the birthplace's clocks, added with version 5: empty in the
// files of earlier versions, as for a person saved without one.
Column zoneField() {
    return {"zone",
            "TEXT NOT NULL DEFAULT ''",
            5,
            Holds::Detail,
            OnReplace::Take,
            [](const BirthDetails& d) { return text(d.zone); },
            [](BirthDetails& d, const QVariant& v) { d.zone = v.toString(); }};
}

// The offset answered for a clock time the zone skipped or showed twice,
// in seconds east; NULL when none was.
Column offsetField() {
    return {"utc_offset",
            "INTEGER",
            5,
            Holds::Detail,
            OnReplace::Take,
            [](const BirthDetails& d) {
                return d.utcOffsetSeconds ? QVariant(*d.utcOffsetSeconds)
                                          : QVariant(QMetaType::fromType<int>());
            },
            [](BirthDetails& d, const QVariant& v) {
                d.utcOffsetSeconds = v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
            }};
}

Column own(const char* name, const char* type, int since, OnReplace onReplace,
           Holds holds = Holds::Own) {
    return {name, type, since, holds, onReplace};
}

// The table of people, column by column, in the order of the layout: the
// first layout's columns (version 1), then those each later version added.
// The layouts, the statements that write a person and the reading of a
// person back all follow from it. The columns of a version are those of the
// files that version wrote: they are never changed, moved or taken out; a
// new column comes last, with the next version, and layOut adds it.
const std::vector<Column>& columns() {
    static const std::vector<Column> all = [] {
        Column name = textField<&BirthDetails::name>("name");
        name.type = "TEXT NOT NULL UNIQUE";
        name.onReplace = OnReplace::Keep;  // what the replaced one was saved as
        return std::vector<Column>{
            own("id", "INTEGER PRIMARY KEY", 1, OnReplace::Keep, Holds::Id),
            name,
            numberField<&BirthDetails::monthIndex>("month"),
            numberField<&BirthDetails::day>("day"),
            numberField<&BirthDetails::year>("year"),
            numberField<&BirthDetails::hour>("hour"),
            numberField<&BirthDetails::minute>("minute"),
            numberField<&BirthDetails::second>("second"),
            textField<&BirthDetails::city>("city"),
            textField<&BirthDetails::state>("state"),
            textField<&BirthDetails::country>("country"),
            textField<&BirthDetails::latitudeDegrees>("latitude_degrees"),
            textField<&BirthDetails::latitudeMinutes>("latitude_minutes"),
            textField<&BirthDetails::latitudeSeconds>("latitude_seconds"),
            flagField<&BirthDetails::south>("south"),
            textField<&BirthDetails::longitudeDegrees>("longitude_degrees"),
            textField<&BirthDetails::longitudeMinutes>("longitude_minutes"),
            textField<&BirthDetails::longitudeSeconds>("longitude_seconds"),
            flagField<&BirthDetails::west>("west"),
            // When the person was last opened or saved, 0 for never
            // (imported and not opened yet).
            own("last_used", "INTEGER NOT NULL", 1, OnReplace::TakeIfRecent, Holds::LastUsed),
            // Version 2: the recent list, apart from when a person was last
            // used (so that Clear Recent keeps the order by last use), and
            // the folded name and place people are searched by.
            own("recent_at", "INTEGER", 2, OnReplace::TakeIfRecent),
            own("search", "TEXT NOT NULL DEFAULT ''", 2, OnReplace::Take),
            // Version 4: the name as the Name box types it, and the key that
            // orders names in the desktop's language.
            own("name_key", "TEXT NOT NULL DEFAULT ''", 4, OnReplace::Take),
            own("sort_key", "BLOB NOT NULL DEFAULT x''", 4, OnReplace::Take),
            // Version 5: the zone the birthplace's clocks kept, and the
            // offset answered where the clock time alone did not tell it.
            zoneField(),
            offsetField(),
        };
    }();
    return all;
}

QString nameOf(const Column& column) {
    return QLatin1String(column.name);
}

// The named placeholder of each column of columns(), in its order: ":name".
const QStringList& placeholders() {
    static const QStringList marks = [] {
        QStringList made;
        for (const Column& column : columns())
            made << QLatin1Char(':') + nameOf(column);
        return made;
    }();
    return marks;
}

// The first layout, that of version 1: a person and when it was last used.
// Spelt as the first versions of the program wrote it into their files.
QString firstLayout() {
    QStringList declared;
    for (const Column& column : columns()) {
        if (column.since == 1)
            declared << nameOf(column) + QLatin1Char(' ') + QLatin1String(column.type);
    }
    return QStringLiteral("CREATE TABLE people ( ") + declared.join(QStringLiteral(", ")) +
           QLatin1Char(')');
}

// The columns version `version` added to the table, as statements.
QStringList columnsAddedIn(int version) {
    QStringList statements;
    for (const Column& column : columns()) {
        if (column.since == version)
            statements << QStringLiteral("ALTER TABLE people ADD COLUMN ") + nameOf(column) +
                              QLatin1Char(' ') + QLatin1String(column.type);
    }
    return statements;
}

// Version 2 adds the index of the recent list to its columns.
const char* const kVersion2[] = {
    "CREATE INDEX people_recent ON people(recent_at) WHERE recent_at IS NOT NULL",
};

// Version 3 lists everyone in the order of their names from one index that
// holds all the list needs up front, without a look into the table for each.
const char* const kVersion3[] = {
    "CREATE INDEX people_listing ON people(name, last_used, search)",
};

// Version 4 lists names in the order of the desktop's language, from the
// sort keys its columns keep (made anew when the language changes), and
// tells names apart as the Name box types them.
const char* const kVersion4[] = {
    "DROP INDEX people_listing",
    "CREATE INDEX people_listing ON people(sort_key, name, last_used, search)",
    "CREATE INDEX people_names ON people(name_key)",
    "CREATE TABLE sorting (locale TEXT NOT NULL)",
    "INSERT INTO sorting VALUES ('')",
};

// The columns of the table of people in each version of the layout.
QSet<QString> columnsOf(int version) {
    QSet<QString> found;
    for (const Column& column : columns()) {
        if (column.since <= version)
            found.insert(nameOf(column));
    }
    return found;
}

// The columns a person is read from: the id, the birth details, the last
// use; those the table of version `version` has. A step that brings an old
// file up to date reads only the columns the file has at that step.
QStringList personColumnList(int version) {
    QStringList read;
    for (const Column& column : columns()) {
        if (column.holds != Holds::Own && column.since <= version)
            read << nameOf(column);
    }
    return read;
}

QString personColumns(int version = PeopleStore::schemaVersion) {
    return personColumnList(version).join(QStringLiteral(", "));
}

// A person from a row of personColumns(version); the details of columns
// that version has not keep their defaults.
Person personOf(const QSqlQuery& query, int version = PeopleStore::schemaVersion) {
    Person p;
    int at = 0;
    for (const Column& column : columns()) {
        if (column.since > version)
            continue;
        if (column.holds == Holds::Detail) {
            column.set(p.details, query.value(at++));
        } else if (column.holds == Holds::Id) {
            p.id = query.value(at++).toLongLong();
        } else if (column.holds == Holds::LastUsed) {
            const qint64 lastUsed = query.value(at++).toLongLong();
            if (lastUsed != 0)
                p.lastUsed = QDateTime::fromMSecsSinceEpoch(lastUsed);
        }
    }
    return p;
}

// Whether SQLite found the file not to be a database, or a damaged one.
bool damaged(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

std::atomic<int> gConnections{0};

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

QString StoreResult::message() const {
    if (ok())
        return {};
    return Texts::tr("The people could not be kept in \u201c%1\u201d: %2.")
        .arg(QDir::toNativeSeparators(failure_->file), failure_->reason);
}

StoreResult PeopleStore::failure(const QString& reason) const {
    return StoreResult(StoreFailure{path_, reason});
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

bool PeopleStore::open(Opening opening, StoreResult* problem) {
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
        *reason =
            Texts::tr("it was made by a newer version of Asterine, which this one cannot use");
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
        *reason =
            Texts::tr("it could not be brought up to date: %1").arg(plainReason(db.lastError()));
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
        run(firstLayout());
    if (version < 2) {
        for (const QString& statement : columnsAddedIn(2))
            run(statement);
        for (const char* statement : kVersion2)
            run(QLatin1String(statement));
        // The search text of everyone, and the recent list as their last use.
        QList<std::pair<qint64, QString>> texts;
        if (run(QStringLiteral("SELECT ") + personColumns(2) + QStringLiteral(" FROM people"))) {
            while (query.next()) {
                const Person person = personOf(query, 2);
                texts.append({person.id, searchText(person.details)});
            }
        }
        QSqlQuery update(db);
        if (!error.isValid() &&
            !update.prepare(
                QStringLiteral("UPDATE people SET search = ?, recent_at = last_used WHERE id = ?")))
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
        for (const QString& statement : columnsAddedIn(4))
            run(statement);
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
    if (version < 5) {
        // Nobody had a zone yet: each keeps an empty one and no offset.
        for (const QString& statement : columnsAddedIn(5))
            run(statement);
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
    notice_ =
        moved ? Texts::tr(
                    "\u201c%1\u201d is not a store of people that Asterine can use (%2). It "
                    "is kept, unchanged, as \u201c%3\u201d, and a new, empty store takes its "
                    "place.")
                    .arg(QDir::toNativeSeparators(path_), reason, QDir::toNativeSeparators(kept))
              : Texts::tr(
                    "\u201c%1\u201d is not a store of people that Asterine can use (%2), and "
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

Listing PeopleStore::listing(StoreResult* problem) {
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
            *problem = failure(
                raw ? plainReason(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(raw))))
                    : Texts::tr("it cannot be read"));
        return listed;
    }
    const auto text = [statement](int column) {
        return std::string_view(
            reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
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
    query.prepare(
        QStringLiteral("SELECT month, day, year, city, state, country FROM people "
                       "WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    birth::BirthDetails place;
    place.city = query.value(3).toString();
    place.state = query.value(4).toString();
    place.country = query.value(5).toString();
    return ListedDetails{
        document::dateText(query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()),
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
    query.prepare(QStringLiteral("SELECT ") + personColumns() +
                  QStringLiteral(" FROM people WHERE ") + column +
                  QStringLiteral(" = ? ORDER BY name = ? DESC, id LIMIT 1"));
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

StoreResult PeopleStore::save(const birth::BirthDetails& details, const QDateTime& now) {
    Batch batch(*this, now, {.replaceExisting = true, .joinRecent = true});
    if (!batch.status())
        return batch.status();
    if (StoreResult added = batch.add(details); !added)
        return added;
    return batch.commit();
}

StoreResult PeopleStore::saveAll(const QList<birth::BirthDetails>& all, const QDateTime& now,
                                 SaveOptions options, const std::function<bool(int)>& progress) {
    Batch batch(*this, now, options);
    if (!batch.status())
        return batch.status();
    for (int row = 0; row < all.size(); ++row) {
        if (StoreResult added = batch.add(all[row]); !added)
            return added;
        if (progress && (row + 1) % 500 == 0 && !progress(row + 1)) {
            batch.cancel();
            return {};
        }
    }
    return batch.commit();
}

struct PeopleStore::Batch::Statement {
    QSqlQuery insert;
    QSqlQuery rename;  // replacing: a name saved in other case takes the new one
};

PeopleStore::Batch::Batch(PeopleStore& store, const QDateTime& now, SaveOptions options)
    : store_(store), when_(now.toMSecsSinceEpoch()), options_(options) {
    StoreResult opened;
    if (!store_.open(Opening::ForWriting, &opened)) {
        problem_ = opened ? store_.failure(Texts::tr("it cannot be opened")) : opened;
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(store_.connection_, false);
    if (!db.transaction()) {
        problem_ = store_.failure(plainReason(db.lastError()));
        return;
    }
    open_ = true;
    // Every column but the id, each bound by its name.
    QStringList written;
    QStringList marks;
    QStringList updates;
    for (const Column& column : columns()) {
        if (column.holds == Holds::Id)
            continue;
        const QString name = nameOf(column);
        written << name;
        marks << placeholders()[qsizetype(&column - columns().data())];
        // Anyone of the name as the Name box types it is replaced; an
        // import leaves when they were last used as it was.
        if (column.onReplace == OnReplace::Take ||
            (column.onReplace == OnReplace::TakeIfRecent && options_.joinRecent))
            updates << name + QStringLiteral(" = excluded.") + name;
    }
    QString statement = QStringLiteral("INSERT INTO people (") +
                        written.join(QStringLiteral(", ")) + QStringLiteral(") ");
    if (options_.replaceExisting) {
        statement += QStringLiteral("VALUES (") + marks.join(QStringLiteral(", ")) +
                     QStringLiteral(") ON CONFLICT(name) DO UPDATE SET ") +
                     updates.join(QStringLiteral(", "));
    } else {
        statement += QStringLiteral("SELECT ") + marks.join(QStringLiteral(", ")) +
                     QStringLiteral(
                         " WHERE NOT EXISTS (SELECT 1 FROM people WHERE name_key = "
                         ":name_key) ON CONFLICT(name) DO NOTHING");
    }
    statement_ = std::make_unique<Statement>(Statement{QSqlQuery(db), QSqlQuery(db)});
    bool prepared = statement_->insert.prepare(statement);
    QSqlError error = statement_->insert.lastError();
    if (prepared && options_.replaceExisting) {
        prepared = statement_->rename.prepare(QStringLiteral(
            "UPDATE people SET name = :name WHERE NOT EXISTS (SELECT 1 FROM people WHERE name = "
            ":name) AND id = (SELECT min(id) FROM people WHERE name_key = :name_key)"));
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

StoreResult PeopleStore::Batch::add(const birth::BirthDetails& details) {
    if (!open_)
        return !problem_ ? problem_ : store_.failure(Texts::tr("the save was cancelled"));
    const QString key = typedName(details.name);
    if (options_.replaceExisting) {
        QSqlQuery& rename = statement_->rename;
        rename.bindValue(QStringLiteral(":name"), text(details.name));
        rename.bindValue(QStringLiteral(":name_key"), key);
        if (!rename.exec()) {
            problem_ = store_.failure(plainReason(rename.lastError()));
            cancel();
            return problem_;
        }
    }
    QSqlQuery& query = statement_->insert;
    for (std::size_t i = 0; i < columns().size(); ++i) {
        const Column& column = columns()[i];
        if (column.holds == Holds::Detail)
            query.bindValue(placeholders()[qsizetype(i)], column.get(details));
    }
    const bool recent = options_.joinRecent;
    query.bindValue(QStringLiteral(":last_used"), recent ? when_ : qint64(0));
    query.bindValue(QStringLiteral(":recent_at"), recent ? QVariant(when_) : QVariant());
    query.bindValue(QStringLiteral(":search"), searchText(details));
    query.bindValue(QStringLiteral(":name_key"), key);
    query.bindValue(QStringLiteral(":sort_key"), store_.order_->key(details.name));
    if (!query.exec()) {
        problem_ = store_.failure(plainReason(query.lastError()));
        cancel();
        return problem_;
    }
    return {};
}

StoreResult PeopleStore::Batch::commit() {
    if (!open_)
        return !problem_ ? problem_ : store_.failure(Texts::tr("the save was cancelled"));
    statement_.reset();
    QSqlDatabase db = QSqlDatabase::database(store_.connection_, false);
    open_ = false;
    if (!db.commit()) {
        problem_ = store_.failure(plainReason(db.lastError()));
        db.rollback();
        return problem_;
    }
    return {};
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

StoreResult PeopleStore::remove(qint64 id) {
    StoreResult opened;
    if (!open(Opening::ForWriting, &opened))
        return opened;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("DELETE FROM people WHERE id = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return failure(plainReason(query.lastError()));
    return {};
}

StoreResult PeopleStore::markUsed(qint64 id, const QDateTime& now) {
    StoreResult opened;
    if (!open(Opening::ForWriting, &opened))
        return opened;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(
        QStringLiteral("UPDATE people SET last_used = :now, recent_at = :now WHERE id = :id"));
    query.bindValue(QStringLiteral(":now"), now.toMSecsSinceEpoch());
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return failure(plainReason(query.lastError()));
    return {};
}

StoreResult PeopleStore::clearRecent() {
    // Nothing to clear when nobody was saved yet; a store that cannot be
    // opened says so.
    StoreResult problem;
    if (!open(Opening::ForReading, &problem))
        return problem;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("UPDATE people SET recent_at = NULL")))
        return failure(plainReason(query.lastError()));
    return {};
}

}  // namespace people
