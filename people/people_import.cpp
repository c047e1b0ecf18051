// SPDX-License-Identifier: GPL-3.0-or-later
#include "people_import.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <utility>

#include "person_rules.h"

namespace people {

PeopleImport::PeopleImport(PeopleStore& store, QByteArray bytes, QString path)
    : store_(store), bytes_(std::move(bytes)), path_(std::move(path)) {}

bool PeopleImport::check(const CsvProgress& progress) {
    bool cancelled = false;
    const CsvProgress step = [&](qint64 rows, qint64 done, qint64 all) {
        cancelled = progress && !progress(rows, done, all);
        return !cancelled;
    };
    check_ = checkCsv(bytes_, path_, store_.names(), step);
    return !cancelled;
}

std::optional<QString> PeopleImport::existingQuestion() const {
    if (check_.existing == 0)
        return std::nullopt;
    QStringList names;
    for (const QString& name : check_.existingNames)
        names << QStringLiteral("\u201c%1\u201d").arg(shownName(name));
    QString saved = names.join(QStringLiteral(", "));
    if (check_.existing > check_.existingNames.size())
        saved += QStringLiteral(" ") +
                 tr("and %n more", nullptr, int(check_.existing - check_.existingNames.size()));
    return tr("%n of the people in \u201c%1\u201d are saved already: %2.\n\nReplace them? No keeps "
              "the saved ones; Cancel imports nobody.",
              nullptr, int(check_.existing))
        .arg(QFileInfo(path_).fileName(), saved);
}

bool PeopleImport::run(const QDateTime& now, bool replace, const CsvProgress& progress) {
    replace_ = replace;
    problem_.reset();
    if (check_.good == 0)
        return true;
    bool cancelled = false;
    PeopleStore::Batch batch(store_, now, {.replaceExisting = replace});
    if (!batch.status())
        problem_ = batch.status().message();
    else
        problem_ = importCsv(bytes_, batch, progress, &cancelled);
    return !cancelled;
}

ImportReport PeopleImport::report() const {
    ImportReport report;
    qint64 imported = 0;
    if (problem_) {
        report.text = *problem_;
    } else {
        imported = check_.good - (replace_ ? 0 : check_.existing);
        report.text = tr("%n people imported from \u201c%1\u201d.", nullptr, int(imported))
                          .arg(QDir::toNativeSeparators(path_));
    }
    if (!check_.ignoredColumns.isEmpty()) {
        QStringList columns;
        for (const QString& column : check_.ignoredColumns)
            columns << QStringLiteral("\u201c%1\u201d").arg(column);
        report.text += QStringLiteral("\n\n") +
                       tr("These columns are not of a person and were passed over: %1.")
                           .arg(columns.join(QStringLiteral(", ")));
    }
    if (!check_.refused.isEmpty()) {
        report.text += QStringLiteral("\n\n") +
                       tr("%n rows could not be imported:", nullptr, int(check_.refused.size()));
        for (int i = 0; i < std::min<qsizetype>(check_.refused.size(), kRefusalsShown); ++i) {
            report.text +=
                QStringLiteral("\n") +
                tr("line %1: %2").arg(check_.refused[i].line).arg(check_.refused[i].reason);
        }
        if (check_.refused.size() > kRefusalsShown)
            report.text += QStringLiteral("\n") +
                           tr("and %n more.", nullptr, int(check_.refused.size() - kRefusalsShown));
    }
    report.failed = problem_.has_value() || (imported == 0 && !check_.refused.isEmpty());
    return report;
}

}  // namespace people
