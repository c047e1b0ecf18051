// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// People as CSV, as spreadsheets open and write it (RFC 4180): UTF-8, a
// header row, one person per row; read with commas or semicolons, the
// columns in any order, others passed over. Every row read is checked as Save checks
// the form, and a refused row is told by its line number and why.

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "birth/birth_details.h"
#include "people_store.h"

namespace people {

// The header row, the columns in their order: the birth details, then the
// zone of the birthplace's clocks ("Time Zone").
QStringList csvHeader();
// The columns a file must have, in any order: all but the zone, which files
// written before it was kept do not have.
QStringList csvRequiredHeader();

// The people as a CSV file: a byte order mark (so that spreadsheets take it
// as UTF-8), the header, one row each, CR LF line ends; a text that a
// spreadsheet would run as a formula is marked as text (an apostrophe
// before it), which reading takes away.
QByteArray writeCsv(const QList<Person>& people);

// A row refused, by the line it starts on.
struct CsvRefusal {
    qint64 line = 0;
    QString reason;
};

// The most names of people saved already that a check keeps.
constexpr int kExistingNamesKept = 10;

// What a CSV file holds: how many rows pass, how many of those name people
// already saved (and the first of those names), the refused rows and the
// columns passed over; or that it is no CSV of people at all.
struct CsvCheck {
    std::optional<QString> notPeople;  // the file refused as a whole, named
    qint64 good = 0;
    qint64 existing = 0;
    QStringList existingNames;  // as saved: as the Name box types them
    QList<CsvRefusal> refused;
    QStringList ignoredColumns;  // by their headings, in the file's order
};

// Reports how far it has come (rows read, bytes read of all); returning
// false cancels.
using CsvProgress = std::function<bool(qint64 rows, qint64 bytesDone, qint64 bytesAll)>;

// Checks every row of `bytes`, the file `fileName`, against the rules and
// against `savedNames`.
CsvCheck checkCsv(const QByteArray& bytes, const QString& fileName, const QSet<QString>& savedNames,
                  const CsvProgress& progress = {});

// Reads the good rows of `bytes` into `batch`; nothing when they are all
// in, the batch's problem otherwise. Refused rows are passed over, as
// checkCsv found them. Returns std::nullopt and cancels the batch when
// `progress` cancels; `cancelled` says which.
std::optional<QString> importCsv(const QByteArray& bytes, PeopleStore::Batch& batch,
                                 const CsvProgress& progress, bool* cancelled);

}  // namespace people
