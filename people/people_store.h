// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The people the program remembers, in an SQLite file of the user's own:
// created on first save, readable by the user alone, every write one
// transaction, a file that is not such a store kept aside, never lost.
//
// Failures, one way throughout: every write of the store, and the reading
// of everyone for the list, gives a StoreResult, much as std::expected
// would: true when it worked, else the StoreFailure, the store's file and
// why in plain words, which message() makes the sentence the user is
// shown. Nothing is changed by a write that fails. The other reads give
// nothing (or an empty list) where they find nothing or cannot read.

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "birth/birth_details.h"

namespace people {

class NameOrder;

// Why the store failed: its file, and the reason in plain words
// ("the disk is full").
struct StoreFailure {
    QString file;
    QString reason;
};

class StoreResult {
public:
    StoreResult() = default;  // it worked
    StoreResult(StoreFailure failure) : failure_(std::move(failure)) {}

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    // The failure; only when not ok().
    const StoreFailure& failure() const { return *failure_; }
    // "The people could not be kept in “FILE”: REASON.", empty when ok().
    QString message() const;

private:
    std::optional<StoreFailure> failure_;
};

// How a save of many treats the people it holds.
struct SaveOptions {
    // People whose names are saved already (as the Name box types them) are
    // replaced; else they are skipped, and the saved ones stay.
    bool replaceExisting = true;
    // The people saved join the recent list and were last used now; else
    // they keep when they were last used (none for the new ones).
    bool joinRecent = false;
};

struct Person {
    qint64 id = 0;
    birth::BirthDetails details;
    QDateTime lastUsed;
};

// Everyone the store holds, as the People window lists them, in the order
// of their names: what the list needs at once for each, and what the search
// looks through. The date and place are read for the people shown
// (listedDetails).
class Listing {
public:
    int size() const { return int(ids_.size()); }
    qint64 id(int i) const { return ids_[std::size_t(i)]; }
    const QString& name(int i) const { return names_[std::size_t(i)]; }
    qint64 lastUsed(int i) const { return lastUsed_[std::size_t(i)]; }  // ms since 1970
    // The folded name and place, as UTF-8.
    std::string_view search(int i) const {
        return std::string_view(search_).substr(
            searchAt_[std::size_t(i)], searchAt_[std::size_t(i) + 1] - searchAt_[std::size_t(i)]);
    }

    void append(qint64 id, QString name, qint64 lastUsed, std::string_view search);

private:
    std::vector<qint64> ids_;
    std::vector<QString> names_;
    std::vector<qint64> lastUsed_;
    std::string search_;
    std::vector<std::size_t> searchAt_{0};
};

// The date and place one person is listed with.
struct ListedDetails {
    QString date;   // as the form shows it: "December 10, 1815"
    QString place;  // "City, State, Country"
};

class PeopleStore {
public:
    // The store in `path`; nothing is opened or created yet.
    explicit PeopleStore(QString path);
    ~PeopleStore();
    PeopleStore(const PeopleStore&) = delete;
    PeopleStore& operator=(const PeopleStore&) = delete;

    // The user's store: people.sqlite in the program's data folder.
    static QString standardPath();
    // The version of the file's layout this program writes.
    static constexpr int schemaVersion = 5;

    QString path() const { return path_; }

    // What became of a file that was not a store of people when it was
    // opened: kept aside under another name, a fresh store in its place.
    // Told once: the next call gives nothing.
    std::optional<QString> takeNotice();

    // Everyone, lightly, for the list, in the order of their names in the
    // desktop's language; none before the first save.
    // `problem` receives why the store could not be read, if it could not.
    Listing listing(StoreResult* problem = nullptr);
    std::optional<ListedDetails> listedDetails(qint64 id);
    std::optional<Person> person(qint64 id);
    // The person saved under `name` as the Name box types it (typedName),
    // the one of exactly that name first.
    std::optional<Person> personNamed(const QString& name);
    // The last ten opened or saved, the most recent first.
    QList<Person> recent(int limit = 10);
    // Everyone, or the people of `ids`, in the order of their names.
    QList<Person> people(const QList<qint64>& ids = {});
    qint64 count();

    // Writes: each one transaction, nothing changed when it fails.
    // Saves `details` under its name, replacing anyone of that name as the
    // Name box types it; the person joins the recent list.
    StoreResult save(const birth::BirthDetails& details, const QDateTime& now);
    // Saves many at once: all or nothing, as `options` say. `progress` is
    // told how many are done now and then, and cancels the whole when it
    // returns false (then the result is ok and nothing was saved).
    StoreResult saveAll(const QList<birth::BirthDetails>& all, const QDateTime& now,
                        SaveOptions options, const std::function<bool(int)>& progress = {});

    // A save of many, one person at a time, as one transaction: what an
    // import writes, without holding every person in memory.
    class Batch {
    public:
        Batch(PeopleStore& store, const QDateTime& now, SaveOptions options);
        ~Batch();  // rolls back what was not committed
        StoreResult add(const birth::BirthDetails& details);
        StoreResult commit();
        void cancel();
        // Ok while the batch goes on; why it could not begin, or the failure
        // that ended it.
        const StoreResult& status() const { return problem_; }

    private:
        PeopleStore& store_;
        qint64 when_;
        SaveOptions options_;
        bool open_ = false;
        StoreResult problem_;
        struct Statement;
        std::unique_ptr<Statement> statement_;
    };

    // Every name saved, as the Name box types it (typedName), for telling
    // which people of an import exist.
    QSet<QString> names();
    StoreResult remove(qint64 id);
    // A person opened: first of the recent ones.
    StoreResult markUsed(qint64 id, const QDateTime& now);
    StoreResult clearRecent();

private:
    enum class Opening { ForReading, ForWriting };
    bool open(Opening opening, StoreResult* problem);
    // The one person whose `column` (id or name_key, the code's own) is
    // `value`, the one named `exactName` first.
    std::optional<Person> personWhere(const QString& column, const QVariant& value,
                                      const QString& exactName = {});
    // What an opened file is: a store of ours (brought up to date), a file
    // that is not (`reason` says why), or one that cannot be told now
    // (`reason` says what failed).
    enum class Layout { Ours, NotOurs, Failed };
    Layout checkLayout(QString* reason);
    // Creates the layout (from version 0) or brings an older one up to date.
    bool layOut(int version, QString* reason);
    // Makes the sort keys anew when the desktop's language has changed.
    void resort();
    void setAside(const QString& reason);
    void close();
    StoreResult failure(const QString& reason) const;
    // The store's file and its folder, made for the user alone.
    bool create(QString* reason);

    QString path_;
    QString connection_;
    bool open_ = false;
    std::optional<QString> notice_;
    std::unique_ptr<NameOrder> order_;
};

}  // namespace people
