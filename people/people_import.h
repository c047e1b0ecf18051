// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bringing people in from a CSV file, apart from the window that asks:
// the file's rows checked against the store, the question about people
// saved already, the import itself as one transaction, and the report.
// Qt Core only.

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <optional>

#include "people_csv.h"
#include "people_store.h"

namespace people {

// What the user is told when the import is over.
struct ImportReport {
    QString text;
    // An error only when nobody could be imported; some rows refused among
    // people imported is a report.
    bool failed = false;
};

class PeopleImport {
    Q_DECLARE_TR_FUNCTIONS(people::PeopleImport)

public:
    // The most refused rows one report lists.
    static constexpr int kRefusalsShown = 30;

    // The file at `path`, read as `bytes`, into `store`.
    PeopleImport(PeopleStore& store, QByteArray bytes, QString path);

    // Checks every row; false when `progress` cancelled.
    bool check(const CsvProgress& progress = {});
    const CsvCheck& checked() const { return check_; }

    // Why the file is refused as a whole, if it is.
    const std::optional<QString>& notPeople() const { return check_.notPeople; }
    // The question to ask when some of the people are saved already
    // (Yes replaces them, No keeps the saved ones, Cancel imports nobody);
    // nothing when none is.
    std::optional<QString> existingQuestion() const;

    // Imports the rows that passed, replacing the people saved already
    // when `replace`; all or nothing. False when `progress` cancelled:
    // then nothing was kept, and there is nothing to report.
    bool run(const QDateTime& now, bool replace, const CsvProgress& progress = {});

    // What came of it; after run().
    ImportReport report() const;

private:
    PeopleStore& store_;
    QByteArray bytes_;
    QString path_;
    CsvCheck check_;
    bool replace_ = true;
    std::optional<QString> problem_;
};

}  // namespace people
