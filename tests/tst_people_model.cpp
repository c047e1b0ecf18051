// SPDX-License-Identifier: GPL-3.0-or-later
// The People window's list and its import of CSV, without the window:
// the model over a listing the test makes, the import against a real
// store in a folder of the test's own. No widget is made.

#include <QDir>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

#include "people/people_csv.h"
#include "people/people_import.h"
#include "people/people_model.h"
#include "people/people_store.h"
#include "people/person_rules.h"
#include "people_writer.h"

using namespace people;

namespace {

// Three people, by name, as the store lists them; BEA never opened.
Listing ThreePeople() {
    Listing listing;
    const auto add = [&listing](qint64 id, const char* name, qint64 lastUsed, const char* place) {
        const QString shown = QString::fromUtf8(name);
        const std::string search = foldedUtf8(shown) + ' ' + foldedUtf8(QString::fromUtf8(place));
        listing.append(id, shown, lastUsed, search);
    };
    add(3, "ANNE MÜLLER", 1'700'000'000'000, "Zürich, Switzerland");
    add(1, "BEA", 0, "Lyon, France");
    add(2, "CARL", 1'800'000'000'000, "Bern, Switzerland");
    return listing;
}

QStringList Names(const PeopleModel& model) {
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.index(row, PeopleModel::Name).data().toString();
    return names;
}

QByteArray Csv(const QByteArrayList& rows) {
    return csvRequiredHeader().join(QLatin1Char(',')).toUtf8() + "\r\n" + rows.join("\r\n") +
           "\r\n";
}

QByteArray Row(const char* name, const char* city = "London") {
    return QByteArray(name) + ",1990-12-10,13:05:09," + city + ",England,UK,51,30,26,N,0,7,39,W";
}

QDateTime At(int minute) {
    return QDateTime(QDate(2026, 12, 8), QTime(10, 0)).addSecs(60 * minute);
}

}  // namespace

class TestPeopleModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void listsEveryoneByName();
    void searchNarrowsAndWidens();
    void sortsByLastUse();
    void detailsReadOnceWhenShown();

    void importsAndReports();
    void asksAboutPeopleSavedAlready();
    void reportsRefusedRows();
    void cancelledKeepsNothing();
    void fileThatIsNotPeople();

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

void TestPeopleModel::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestPeopleModel::listsEveryoneByName() {
    PeopleModel model([](qint64) { return std::nullopt; });
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), int(PeopleModel::ColumnCount));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setListing(ThreePeople());
    QVERIFY(reset.count() >= 1);
    QCOMPARE(model.total(), 3);
    QCOMPARE(Names(model), (QStringList{"ANNE MÜLLER", "BEA", "CARL"}));
    QCOMPARE(model.idAt(1), 1);
    QCOMPARE(model.nameAt(2), QStringLiteral("CARL"));
    // Never opened: no last use to tell.
    QCOMPARE(model.index(1, PeopleModel::LastUsed).data().toString(), QString());
    QCOMPARE(model.index(0, PeopleModel::LastUsed).data().toString(),
             QLocale().toString(QDateTime::fromMSecsSinceEpoch(1'700'000'000'000),
                                QLocale::ShortFormat));
    QCOMPARE(model.headerData(PeopleModel::Name, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Name"));
    QCOMPARE(model.headerData(PeopleModel::Place, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Place of Birth"));
    QVERIFY(!model.headerData(PeopleModel::Name, Qt::Vertical, Qt::DisplayRole).isValid());
    QVERIFY(!model.index(0, PeopleModel::Name).data(Qt::EditRole).isValid());
}

void TestPeopleModel::searchNarrowsAndWidens() {
    PeopleModel model([](qint64) { return std::nullopt; });
    model.setListing(ThreePeople());
    // A word of the name or of the place, from its start, accents and case aside.
    model.setFilter(QStringLiteral("swi"));
    QCOMPARE(Names(model), (QStringList{"ANNE MÜLLER", "CARL"}));
    model.setFilter(QStringLiteral("swit"));
    QCOMPARE(Names(model), (QStringList{"ANNE MÜLLER", "CARL"}));
    model.setFilter(QStringLiteral("muller"));
    QCOMPARE(Names(model), (QStringList{"ANNE MÜLLER"}));
    model.setFilter(QStringLiteral("itz"));  // not from a word's start
    QCOMPARE(Names(model), QStringList());
    // Less typed: everyone is looked through again.
    model.setFilter(QStringLiteral("l"));
    QCOMPARE(Names(model), (QStringList{"BEA"}));
    model.setFilter(QString());
    QCOMPARE(Names(model), (QStringList{"ANNE MÜLLER", "BEA", "CARL"}));
    QCOMPARE(model.total(), 3);
}

void TestPeopleModel::sortsByLastUse() {
    PeopleModel model([](qint64) { return std::nullopt; });
    model.setListing(ThreePeople());
    model.sort(PeopleModel::LastUsed, Qt::DescendingOrder);
    QCOMPARE(model.sortColumn(), PeopleModel::LastUsed);
    QCOMPARE(Names(model), (QStringList{"CARL", "ANNE MÜLLER", "BEA"}));
    model.setFilter(QStringLiteral("switzerland"));
    QCOMPARE(Names(model), (QStringList{"CARL", "ANNE MÜLLER"}));
    // The date and the place keep the order; the name takes it back.
    model.sortBy(PeopleModel::Place);
    QCOMPARE(model.sortColumn(), PeopleModel::Name);
    QCOMPARE(Names(model), (QStringList{"ANNE MÜLLER", "CARL"}));
}

void TestPeopleModel::detailsReadOnceWhenShown() {
    std::map<qint64, int> asked;
    PeopleModel model([&asked](qint64 id) -> std::optional<ListedDetails> {
        ++asked[id];
        if (id == 1)
            return std::nullopt;  // gone meanwhile
        return ListedDetails{QStringLiteral("December 10, 1815"),
                             QStringLiteral("Place %1").arg(id)};
    });
    model.setListing(ThreePeople());
    QVERIFY(asked.empty());  // nothing read until shown
    QCOMPARE(model.index(2, PeopleModel::Place).data().toString(), QStringLiteral("Place 2"));
    QCOMPARE(model.index(2, PeopleModel::Date).data().toString(),
             QStringLiteral("December 10, 1815"));
    QCOMPARE(model.index(2, PeopleModel::Place).data().toString(), QStringLiteral("Place 2"));
    QCOMPARE(asked[2], 1);
    QCOMPARE(model.index(1, PeopleModel::Place).data().toString(), QString());
    QCOMPARE(asked.size(), std::size_t(2));
    // A new listing reads them again.
    model.setListing(ThreePeople());
    QCOMPARE(model.index(2, PeopleModel::Place).data().toString(), QStringLiteral("Place 2"));
    QCOMPARE(asked[2], 2);
}

void TestPeopleModel::importsAndReports() {
    QTemporaryDir folder;
    PeopleStore store(folder.filePath(QStringLiteral("people.sqlite")));
    const QString path = folder.filePath(QStringLiteral("some.csv"));
    PeopleImport import(store, Csv({Row("ADA"), Row("BOB"), Row("CY")}), path);
    QVERIFY(import.check());
    QCOMPARE(import.checked().good, 3);
    QVERIFY(!import.notPeople());
    QVERIFY(!import.existingQuestion());
    QVERIFY(import.run(At(0), true));
    QCOMPARE(store.count(), 3);
    const ImportReport report = import.report();
    QCOMPARE(report.text, QStringLiteral("3 people imported from \u201c%1\u201d.")
                              .arg(QDir::toNativeSeparators(path)));
    QVERIFY(!report.failed);
    // Imported, not opened: they do not join the recent list.
    QVERIFY(store.recent().isEmpty());
}

void TestPeopleModel::asksAboutPeopleSavedAlready() {
    const QByteArray again = Csv({Row("ada", "Paris"), Row("bob", "Paris"), Row("CY")});
    for (const bool replace : {false, true}) {
        QTemporaryDir folder;
        PeopleStore store(folder.filePath(QStringLiteral("people.sqlite")));
        PeopleImport first(store, Csv({Row("ADA"), Row("BOB")}), QStringLiteral("first.csv"));
        QVERIFY(first.check() && first.run(At(0), true));

        PeopleImport import(store, again, folder.filePath(QStringLiteral("again.csv")));
        QVERIFY(import.check());
        QCOMPARE(import.checked().existing, 2);
        const std::optional<QString> question = import.existingQuestion();
        QVERIFY(question);
        QVERIFY2(question->startsWith(
                     QStringLiteral("2 of the people in \u201cagain.csv\u201d are saved already: "
                                    "\u201cADA\u201d, \u201cBOB\u201d.")),
                 qPrintable(*question));
        QVERIFY(import.run(At(1), replace));
        const QString report = import.report().text;
        // Kept, the saved ones are not counted as imported (the English
        // plural forms come with a translation; none is loaded here).
        QVERIFY2(
            report.startsWith(replace ? QStringLiteral("3 people") : QStringLiteral("1 people")),
            qPrintable(report));
        QCOMPARE(store.personNamed(QStringLiteral("ADA"))->details.city,
                 replace ? QStringLiteral("Paris") : QStringLiteral("London"));
        QCOMPARE(store.count(), 3);
    }
}

void TestPeopleModel::reportsRefusedRows() {
    QTemporaryDir folder;
    PeopleStore store(folder.filePath(QStringLiteral("people.sqlite")));
    QByteArrayList rows{Row("ADA"), "BOB,1990-12-10,13:05:09,London"};
    // More refused rows than one report lists.
    for (int n = 0; n < PeopleImport::kRefusalsShown + 2; ++n)
        rows << QByteArray("P") + QByteArray::number(n) +
                    ",1990-02-30,13:05:09,London,,,1,2,3,N,4,5,6,E";
    PeopleImport import(store, Csv(rows), folder.filePath(QStringLiteral("mixed.csv")));
    QVERIFY(import.check());
    QVERIFY(import.run(At(0), true));
    const ImportReport report = import.report();
    QVERIFY(!report.failed);  // one imported: a report, not an error
    const QStringList lines = report.text.split(QLatin1Char('\n'));
    QCOMPARE(
        lines.at(2),
        QStringLiteral("%1 rows could not be imported:").arg(PeopleImport::kRefusalsShown + 3));
    QCOMPARE(lines.at(3), QStringLiteral("line 3: 4 fields, where the header has 14"));
    QCOMPARE(lines.size(), 4 + PeopleImport::kRefusalsShown);
    QCOMPARE(lines.constLast(), QStringLiteral("and 3 more."));

    // Nobody imported and rows refused: an error.
    PeopleImport none(store, Csv({"BOB,1990-12-10,13:05:09,London"}), QStringLiteral("bad.csv"));
    QVERIFY(none.check() && none.run(At(1), true));
    QVERIFY(none.report().failed);
}

void TestPeopleModel::cancelledKeepsNothing() {
    QTemporaryDir folder;
    PeopleStore store(folder.filePath(QStringLiteral("people.sqlite")));
    QByteArrayList rows;
    for (int n = 0; n < 3000; ++n)
        rows << Row((QStringLiteral("PERSON ") + writtenNumber(n)).toUtf8().constData());
    PeopleImport import(store, Csv(rows), QStringLiteral("many.csv"));
    QVERIFY(import.check());
    QCOMPARE(import.checked().good, 3000);
    int told = 0;
    QVERIFY(!import.run(At(0), true, [&told](qint64, qint64, qint64) { return ++told < 2; }));
    QCOMPARE(store.count(), 0);
    // The check can be cancelled too.
    PeopleImport again(store, Csv(rows), QStringLiteral("many.csv"));
    QVERIFY(!again.check([](qint64, qint64, qint64) { return false; }));
}

void TestPeopleModel::fileThatIsNotPeople() {
    QTemporaryDir folder;
    PeopleStore store(folder.filePath(QStringLiteral("people.sqlite")));
    PeopleImport import(store, QByteArray("\x00\x01\x02 binary", 10), QStringLiteral("x.csv"));
    QVERIFY(import.check());
    QVERIFY(import.notPeople());
    QCOMPARE(store.count(), 0);
}

QTEST_GUILESS_MAIN(TestPeopleModel)
#include "tst_people_model.moc"
