// SPDX-License-Identifier: GPL-3.0-or-later
// The people the program remembers, as the user meets them: Save Person,
// Open Person, Open Recent on the birth-details form, and the People window
// with its search, keys, import and export; against a real store file.

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

#include "birth/birth_details.h"
#include "display/display_form.h"
#include "document/reading_document.h"
#include "entry/main_form.h"
#include "entry/people_window.h"
#include "formbase/notice.h"
#include "language/translation.h"
#include "people/people_csv.h"
#include "people/people_store.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Readable and writable by its owner, by no one else.
bool ForTheUserAlone(const QString& path) {
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const QFile::Permissions permissions = QFile::permissions(path);
    return permissions.testFlags(QFile::ReadOwner | QFile::WriteOwner) && !(permissions & others);
}

}  // namespace

class TestPeopleWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fileMenuOrderAndKeys();
    void savedAndOpenedExactly();
    void saveRefusesWhatTheReadingRefuses();
    void savingANameAgainAsks();
    void shortcutsAreNotTypedIntoTheBoxes();
    void recentMenu();
    void searchAndKeys();
    void deleteAsksNamingThePerson();
    void importReportsRefusedRowsByLine();
    void importIsTextAndTellsWhatItPassedOver();
    void anEmptyWindowSaysHowToAddPeople();
    void importRefusesAFileThatIsNotPeople();
    void exportEveryoneOrTheSelected();
    void aDamagedStoreIsKeptAsideAndReadingsGoOn();

private:
    FrmMain* form() const { return h->app->mainForm(); }
    PeopleWindow* peopleWindow() const {
        return qobject_cast<PeopleWindow*>(h->app->peopleWindow());
    }
    // Fills the form with `name` at 51° 30′ 26″ N, 0° 7′ 39″ W, saves it.
    void save(const QString& name, const QString& degrees = QStringLiteral("51"));

    std::unique_ptr<Harness> h;
    QTemporaryDir folder;
};

void TestPeopleWindow::initTestCase() {
    // In English as the program speaks it: with its plural forms.
    translation::useLanguage(QString(), translation::translationsFolder());
}

void TestPeopleWindow::init() {
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
}

void TestPeopleWindow::cleanup() {
    h.reset();
}

void TestPeopleWindow::save(const QString& name, const QString& degrees) {
    FillValid(form(), degrees);
    Child<QLineEdit>(form(), "txtName")->setText(name);
    for (const char* place : {"txtMCity", "txtMState", "txtMCountry"})
        Child<QLineEdit>(form(), place)->clear();
    Trigger(form(), "mnuSavePerson");
}

void TestPeopleWindow::fileMenuOrderAndKeys() {
    auto* file = form()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QStringList items;
    for (const QAction* action : file->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(items, (QStringList{"mnuOpenPerson", "mnuSavePerson", "mnuRecentMenu", "-", "mnuNext",
                                 "mnuExit"}));
    const auto action = [this](const char* name) {
        return form()->findChild<QAction*>(QLatin1String(name));
    };
    QCOMPARE(action("mnuOpenPerson")->text(), QStringLiteral("&Open Person..."));
    QCOMPARE(action("mnuSavePerson")->text(), QStringLiteral("&Save Person"));
    QCOMPARE(action("mnuOpenPerson")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Open));
    QCOMPARE(action("mnuSavePerson")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Save));
    // Start-up does not open the store; nothing is created until a save.
    QVERIFY(!QFile::exists(h->peoplePath()));
}

void TestPeopleWindow::savedAndOpenedExactly() {
    // Whatever reached the boxes is kept as they hold it.
    FrmMain* main = form();
    FillValid(main, QStringLiteral("77"));
    const QString name =
        QStringLiteral("O'BRIEN; DROP TABLE people; -- \u05d3\u05e0\u05d4 \U0001F31F");
    Child<QLineEdit>(main, "txtName")->setText(name);
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("33"));
    Child<QLineEdit>(main, "txtMCity")->setText(QStringLiteral("Z\u00fcrich \"Altstadt\""));
    Child<QLineEdit>(main, "txtMState")
        ->setText(QStringLiteral("\u0627\u0644\u0642\u0627\u0647\u0631\u0629"));
    Child<QLineEdit>(main, "txtMCountry")->setText(QString(255, QLatin1Char('C')));
    Child<QComboBox>(main, "cboMonth")->setCurrentIndex(11);
    Child<QComboBox>(main, "cboDate")->setCurrentIndex(30);
    Child<QComboBox>(main, "cboYear")
        ->setCurrentIndex(Child<QComboBox>(main, "cboYear")->findText(QStringLiteral("1987")));
    Child<QComboBox>(main, "cboHH")->setCurrentIndex(23);
    Child<QComboBox>(main, "cboMM")->setCurrentIndex(59);
    Child<QComboBox>(main, "cboSS")->setCurrentIndex(1);
    Child<QRadioButton>(main, "optLat_1")->setChecked(true);
    Child<QRadioButton>(main, "optLong_1")->setChecked(true);
    Child<QComboBox>(main, "cboZone")
        ->setEditText(QStringLiteral("america/argentina/buenos_aires"));
    const birth::BirthDetails saved = main->birthDetails();
    QCOMPARE(saved.zone, QStringLiteral("America/Argentina/Buenos_Aires"));

    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    Child<QLineEdit>(main, "txtName")->setFocus();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Save);
    QVERIFY2(h->messages.shown.isEmpty(), qPrintable(h->messages.last()));
    QVERIFY(QFile::exists(h->peoplePath()));
    QVERIFY(ForTheUserAlone(h->peoplePath()));

    // Another person in the boxes; Open Person brings the saved one back.
    FillValid(main);
    Child<QRadioButton>(main, "optLat_0")->setChecked(true);
    Child<QLineEdit>(main, "txtMCity")->clear();
    Child<QComboBox>(main, "cboZone")->setCurrentIndex(0);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Open);
    PeopleWindow* people = peopleWindow();
    QVERIFY(people);
    QVERIFY(people->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(people));
    QCOMPARE(QApplication::focusWidget(), Child(people, "txtSearch"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("zurich"));
    QCOMPARE(people->model()->rowCount(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Harness::settle();
    QVERIFY(!peopleWindow());
    QCOMPARE(main->birthDetails(), saved);
    QCOMPARE(Child<QComboBox>(main, "cboZone")->currentText(),
             QStringLiteral("America/Argentina/Buenos_Aires"));
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(QApplication::focusWidget(), Child(main, "cmdRashi"));

    // Ready for the reading: the one the saved details give.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(h->app->displayForm());
    const QString reading = document::toText(h->app->displayForm()->readingDocument());
    QVERIFY2(reading.contains(QStringLiteral("Name: ") + name + QLatin1Char('\n')) &&
                 reading.contains(QStringLiteral("Latitude: 77\u00b0 33\u2032 30\u2033 S\n")),
             qPrintable(reading));
}

void TestPeopleWindow::saveRefusesWhatTheReadingRefuses() {
    // For each case, Save says what the reading command says, and keeps nothing.
    const std::function<void(FrmMain*)> cases[] = {
        [](FrmMain* main) { Child<QLineEdit>(main, "txtName")->clear(); },
        [](FrmMain* main) { Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("61")); },
        [](FrmMain* main) { Child<QLineEdit>(main, "txtLatD")->setText(QStringLiteral("999")); },
        [](FrmMain* main) { Child<QLineEdit>(main, "txtLonS")->clear(); },
        [](FrmMain* main) {  // 31 February
            Child<QComboBox>(main, "cboMonth")->setCurrentIndex(1);
            Child<QComboBox>(main, "cboDate")->setCurrentIndex(30);
        },
    };
    for (const auto& spoil : cases) {
        FillValid(form());
        spoil(form());
        const birth::BirthDetails typed = form()->birthDetails();
        Trigger(form(), "mnuSavePerson");
        QVERIFY2(h->messages.shown.size() == 1, qPrintable(QString::number(&spoil - cases)));
        const ShownMessage said = h->messages.shown.takeFirst();
        Click(form(), "cmdRashi");
        QVERIFY(!h->app->displayForm());
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(said.text, h->messages.shown.first().text);
        QCOMPARE(said.icon, h->messages.shown.first().icon);
        h->messages.shown.clear();
        QCOMPARE(form()->birthDetails(), typed);
    }
    QVERIFY(!QFile::exists(h->peoplePath()));
}

void TestPeopleWindow::savingANameAgainAsks() {
    save(QStringLiteral("ADA"));
    QVERIFY(h->messages.shown.isEmpty());
    // Told at the foot of the form, nothing to click away.
    QLabel* notice = shownNotice(form());
    QVERIFY(notice);
    QCOMPARE(notice->text(), QStringLiteral("\u201cADA\u201d is saved."));
    QTRY_VERIFY_WITH_TIMEOUT(!shownNotice(form()), 10000);
    // No keeps the first.
    save(QStringLiteral("ADA"), QStringLiteral("40"));
    QCOMPARE(h->messages.shown.size(), 1);
    QCOMPARE(h->messages.last(), QStringLiteral("\u201cADA\u201d is saved already. Replace it?"));
    QCOMPARE(h->messages.shown.last().buttons, MessageButtons::YesNo);
    QCOMPARE(h->app->peopleStore().personNamed(QStringLiteral("ADA"))->details.latitudeDegrees,
             QStringLiteral("51"));
    // Yes replaces it, under the one name.
    h->messages.answer = MessageAnswer::Yes;
    save(QStringLiteral("ADA"), QStringLiteral("40"));
    QCOMPARE(h->messages.shown.size(), 2);
    QCOMPARE(h->app->peopleStore().personNamed(QStringLiteral("ADA"))->details.latitudeDegrees,
             QStringLiteral("40"));
    QCOMPARE(h->app->peopleStore().count(), 1);
    // A name saved by an import in small letters is the same person.
    people::PeopleStore::Batch batch(h->app->peopleStore(), h->clock.time,
                                     {.replaceExisting = true});
    birth::BirthDetails zoe = h->app->peopleStore().personNamed(QStringLiteral("ADA"))->details;
    zoe.name = QStringLiteral("zoe smith");
    QVERIFY(batch.add(zoe));
    QVERIFY(batch.commit());
    h->messages.shown.clear();
    h->messages.answer = MessageAnswer::No;
    save(QStringLiteral("ZOE SMITH"));
    QCOMPARE(h->messages.texts(),
             QStringList{"\u201cZOE SMITH\u201d is saved already. Replace it?"});
    QCOMPARE(h->app->peopleStore().count(), 2);
}

void TestPeopleWindow::shortcutsAreNotTypedIntoTheBoxes() {
    FillValid(form());
    form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form()));
    // The filtered boxes: letters only, digits only, and a place box.
    int saves = 0;
    for (const char* name : {"txtName", "txtLatD", "txtLonS", "txtMCity"}) {
        auto* box = Child<QLineEdit>(form(), name);
        box->setFocus();
        const QString before = box->text();
        h->messages.answer = MessageAnswer::Yes;  // replace the one saved before
        QTest::keySequence(box, QKeySequence::Save);
        ++saves;
        QCOMPARE(box->text(), before);
        // No refusal: at most the question whether to replace.
        for (const ShownMessage& said : h->messages.shown)
            QVERIFY2(said.buttons == MessageButtons::YesNo, qPrintable(said.text));
        h->messages.shown.clear();
        QTest::keySequence(box, QKeySequence::Open);
        QVERIFY(peopleWindow());
        QVERIFY(h->messages.shown.isEmpty());
        peopleWindow()->close();
        Harness::settle();
        form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }
    QCOMPARE(h->app->peopleStore().count(), 1);
    // A control key that is not a shortcut is still typed, and refused.
    auto* name = Child<QLineEdit>(form(), "txtName");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(h->messages.texts(), QStringList{"Please Enter only Letters"});
}

void TestPeopleWindow::recentMenu() {
    for (int n = 0; n < 12; ++n) {
        h->clock.time = h->clock.time.addSecs(60);
        save(QStringLiteral("PERSON %1").arg(QChar(u'A' + n)));
    }
    save(QStringLiteral("R&D"));
    auto* recent = form()->findChild<QMenu*>(QStringLiteral("mnuRecent"));
    QVERIFY(recent);
    emit recent->aboutToShow();
    QStringList shown;
    for (const QAction* action : recent->actions())
        shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
    // The last ten, the most recent first; an ampersand stays a letter.
    QCOMPARE(shown,
             (QStringList{"R&&D", "PERSON L", "PERSON K", "PERSON J", "PERSON I", "PERSON H",
                          "PERSON G", "PERSON F", "PERSON E", "PERSON D", "-", "&Clear Recent"}));
    // Opening one fills the form and puts it first.
    h->clock.time = h->clock.time.addSecs(60);
    recent->actions().at(4)->trigger();
    QCOMPARE(form()->birthDetails().name, QStringLiteral("PERSON I"));
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().at(0)->text(), QStringLiteral("PERSON I"));
    // Clear Recent empties the submenu, and forgets no one.
    form()->findChild<QAction*>(QStringLiteral("mnuClearRecent"))->trigger();
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
    QVERIFY(!recent->actions().at(0)->isEnabled());
    QCOMPARE(h->app->peopleStore().count(), 13);
    QVERIFY(h->messages.shown.isEmpty());
}

void TestPeopleWindow::searchAndKeys() {
    h->clock.time = h->clock.time.addSecs(60);
    save(QStringLiteral("ZO\u00cb ANDERSEN"));
    h->clock.time = h->clock.time.addSecs(60);
    FillValid(form());
    Child<QLineEdit>(form(), "txtName")->setText(QStringLiteral("BOB"));
    Child<QLineEdit>(form(), "txtMCity")->setText(QStringLiteral("S\u00e3o Paulo"));
    Trigger(form(), "mnuSavePerson");
    h->clock.time = h->clock.time.addSecs(60);
    save(QStringLiteral("CAROL"));
    Trigger(form(), "mnuOpenPerson");
    PeopleWindow* people = peopleWindow();
    QVERIFY(people);
    QVERIFY(QTest::qWaitForWindowActive(people));
    auto* search = Child<QLineEdit>(people, "txtSearch");
    auto* list = Child<QTreeView>(people, "lstPeople");
    QCOMPARE(people->model()->rowCount(), 3);
    QCOMPARE(people->model()->nameAt(0), QStringLiteral("BOB"));
    QVERIFY(!Child(people, "cmdOpen")->isEnabled());
    QVERIFY(!Child(people, "cmdExportSelected")->isEnabled());
    QVERIFY(!Child(people, "lblNoPeople")->isVisible());
    // Tab into the list highlights a row at once, and back.
    QCOMPARE(QApplication::focusWidget(), search);
    QTest::keyClick(search, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->currentIndex().row(), 0);
    QVERIFY(list->selectionModel()->isRowSelected(0, {}));
    QVERIFY(Child(people, "cmdOpen")->isEnabled());
    QTest::keyClick(list, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), search);

    // Accents and case folded; names and places, from the start of a word.
    const std::pair<QString, QStringList> searches[] = {
        {QStringLiteral("zoe"), {"ZO\u00cb ANDERSEN"}},
        {QStringLiteral("ANDERS"), {"ZO\u00cb ANDERSEN"}},
        {QStringLiteral("sao"), {"BOB"}},
        {QStringLiteral("PAULO"), {"BOB"}},
        {QStringLiteral("ulo"), {}},
        {QString(), {"BOB", "CAROL", "ZO\u00cb ANDERSEN"}},
    };
    for (const auto& [typed, found] : searches) {
        search->selectAll();
        QTest::keyClick(search, Qt::Key_Backspace);
        QTest::keyClicks(search, typed);
        QStringList names;
        for (int row = 0; row < people->model()->rowCount(); ++row)
            names << people->model()->nameAt(row);
        QVERIFY2(names == found, qPrintable(typed + QLatin1String(": ") + names.join(u'|')));
    }
    // By last used: the most recent first.
    list->header()->sectionClicked(people::PeopleModel::LastUsed);
    QCOMPARE(people->model()->nameAt(0), QStringLiteral("CAROL"));
    QCOMPARE(list->header()->sortIndicatorSection(), int(people::PeopleModel::LastUsed));

    // Down goes into the list, on the first; Down again, Enter opens.
    QTest::keyClick(search, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->currentIndex().row(), 0);
    QVERIFY(Child(people, "cmdOpen")->isEnabled());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex().row(), 1);
    QTest::keyClick(list, Qt::Key_Return);
    Harness::settle();
    QVERIFY(!peopleWindow());
    QCOMPARE(form()->birthDetails().name, QStringLiteral("BOB"));
    QCOMPARE(form()->birthDetails().city, QStringLiteral("S\u00e3o Paulo"));

    // Esc closes; Enter with nothing found opens no one.
    Trigger(form(), "mnuOpenPerson");
    QVERIFY(QTest::qWaitForWindowActive(peopleWindow()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("nobody"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(peopleWindow());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    Harness::settle();
    QVERIFY(!peopleWindow());
    QCOMPARE(form()->birthDetails().name, QStringLiteral("BOB"));
}

void TestPeopleWindow::deleteAsksNamingThePerson() {
    save(QStringLiteral("ADA"));
    save(QStringLiteral("BOB"));
    Trigger(form(), "mnuOpenPerson");
    PeopleWindow* people = peopleWindow();
    QVERIFY(QTest::qWaitForWindowActive(people));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    auto* list = Child<QTreeView>(people, "lstPeople");
    QCOMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(h->messages.texts(),
             QStringList{"Remove \u201cADA\u201d from the people Asterine remembers?"});
    QCOMPARE(h->app->peopleStore().count(), 2);
    h->messages.answer = MessageAnswer::Yes;
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(h->app->peopleStore().count(), 1);
    QCOMPARE(people->model()->rowCount(), 1);
    QCOMPARE(list->currentIndex().row(), 0);
    QVERIFY(!h->app->peopleStore().personNamed(QStringLiteral("ADA")));
}

void TestPeopleWindow::importReportsRefusedRowsByLine() {
    save(QStringLiteral("ADA"));
    const QString csv = folder.filePath(QStringLiteral("friends.csv"));
    const QByteArray row = ",1990-12-10,13:05:09,London,England,UK,51,30,26,N,0,7,39,W\r\n";
    QVERIFY(Write(csv, people::csvRequiredHeader().join(QLatin1Char(',')).toUtf8() + "\r\n" +
                           "ADA" + row +                                                 // 2
                           "BOB,1990-12-10,13:05:09,London,,,51,4x,26,N,0,7,39,W\r\n" +  // 3
                           "CAROL" + row +                                               // 4
                           "DAN,2001-04-31,13:05:09,London,,,51,30,26,N,0,7,39,W\r\n" +  // 5
                           "EVE" + row));                                                // 6
    h->files.answer = csv;
    Trigger(form(), "mnuOpenPerson");
    PeopleWindow* people = peopleWindow();
    QVERIFY(people);
    Click(people, "cmdImport");
    // One question for the names saved already; No keeps the saved ones.
    QCOMPARE(h->messages.shown.size(), 2);
    QCOMPARE(h->messages.shown[0].buttons, MessageButtons::YesNoCancel);
    QCOMPARE(h->messages.shown[0].text,
             QStringLiteral(
                 "1 of the people in \u201cfriends.csv\u201d is saved already: \u201cADA\u201d."
                 "\n\nReplace it? No keeps the saved one; Cancel imports nobody."));
    // Some people imported, some rows refused: a report, not an error.
    QCOMPARE(h->messages.shown[1].icon, MessageIcon::Information);
    const QString report = h->messages.shown[1].text;
    QVERIFY2(report.startsWith(QStringLiteral("2 people imported from \u201c%1\u201d.")
                                   .arg(QDir::toNativeSeparators(csv))),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral(
                 "line 3: latitude minutes \u201c4x\u201d are not a number\nline 5: 31 April 2001 "
                 "is not a date")),
             qPrintable(report));
    QCOMPARE(people->model()->rowCount(), 3);
    QCOMPARE(h->app->peopleStore().personNamed(QStringLiteral("ADA"))->details.city, QString());
    QCOMPARE(h->app->peopleStore().personNamed(QStringLiteral("CAROL"))->details.city,
             QStringLiteral("London"));
    // Not used yet: no last use shown.
    for (int row = 0; row < people->model()->rowCount(); ++row) {
        const QString lastUsed =
            people->model()->index(row, people::PeopleModel::LastUsed).data().toString();
        QCOMPARE(lastUsed.isEmpty(), people->model()->nameAt(row) != QLatin1String("ADA"));
    }
    // The folder the reading's files are suggested in is not the import's.
    QVERIFY(h->settings.open()->value(QStringLiteral("Settings/LastFolder")).isNull());
    // Cancel imports nobody and says nothing more.
    h->messages.shown.clear();
    h->messages.answer = MessageAnswer::Cancel;
    h->app->peopleStore().remove(h->app->peopleStore().personNamed(QStringLiteral("EVE"))->id);
    Click(people, "cmdImport");
    QCOMPARE(h->messages.shown.size(), 1);
    QVERIFY(!h->app->peopleStore().personNamed(QStringLiteral("EVE")));
    // Again, replacing: the saved ADA takes the file's place.
    h->messages.shown.clear();
    h->messages.answer = MessageAnswer::Yes;
    Click(people, "cmdImport");
    QCOMPARE(h->messages.shown.size(), 2);
    QCOMPARE(h->app->peopleStore().personNamed(QStringLiteral("ADA"))->details.city,
             QStringLiteral("London"));
    QCOMPARE(h->app->peopleStore().count(), 3);
    QCOMPARE(h->messages.shown.size(), 2);
    QVERIFY2(h->messages.shown[0].text.contains(
                 QStringLiteral("saved already: \u201cADA\u201d, \u201cCAROL\u201d.")),
             qPrintable(h->messages.shown[0].text));
}

void TestPeopleWindow::importIsTextAndTellsWhatItPassedOver() {
    const QString csv = folder.filePath(QStringLiteral("hostile.csv"));
    const QByteArray tail = ",1990-12-10,13:05:09,London,,,51,30,26,N,0,7,39,W,x\r\n";
    QVERIFY(Write(csv, people::csvRequiredHeader().join(QLatin1Char(',')).toUtf8() + ",Notes\r\n" +
                           "<img src='/tmp/x.png'>" + tail + "ann" + tail));
    h->files.answer = csv;
    Trigger(form(), "mnuOpenPerson");
    PeopleWindow* people = peopleWindow();
    Click(people, "cmdImport");
    QCOMPARE(h->messages.shown.size(), 1);
    const QString report = h->messages.last();
    QVERIFY2(
        report.contains(QStringLiteral("line 2: the name has \u201c<\u201d (U+003C), which the "
                                       "Name box does not take")),
        qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("These columns are not of a person and were passed "
                                            "over: \u201cNotes\u201d.")),
             qPrintable(report));
    QCOMPARE(people->model()->rowCount(), 1);
    QCOMPARE(people->model()->nameAt(0), QStringLiteral("ANN"));
}

void TestPeopleWindow::anEmptyWindowSaysHowToAddPeople() {
    Trigger(form(), "mnuOpenPerson");
    PeopleWindow* people = peopleWindow();
    QVERIFY(QTest::qWaitForWindowExposed(people));
    auto* hint = Child<QLabel>(people, "lblNoPeople");
    QVERIFY(hint->isVisible());
    QVERIFY2(hint->text().contains(QLatin1String("File, Save Person")) &&
                 hint->text().contains(QLatin1String("Import")),
             qPrintable(hint->text()));
    QVERIFY(!Child(people, "lstPeople")->isVisible());
    people->close();
    Harness::settle();
    save(QStringLiteral("ADA"));
    Trigger(form(), "mnuOpenPerson");
    QVERIFY(QTest::qWaitForWindowExposed(peopleWindow()));
    QVERIFY(!Child(peopleWindow(), "lblNoPeople")->isVisible());
    QVERIFY(Child(peopleWindow(), "lstPeople")->isVisible());
    // Rows tall enough for the marks over capitals.
    auto* list = Child<QTreeView>(peopleWindow(), "lstPeople");
    const QFontMetrics metrics(list->font());
    QVERIFY(list->visualRect(peopleWindow()->model()->index(0, 0)).height() >=
            metrics.boundingRect(QStringLiteral("\u00c5\u00dc\u01fa")).height());
}

void TestPeopleWindow::importRefusesAFileThatIsNotPeople() {
    const QString invoice = folder.filePath(QStringLiteral("invoice.csv"));
    QVERIFY(Write(invoice, "id,total\r\n1,2.50\r\n"));
    Trigger(form(), "mnuOpenPerson");
    h->files.answer = invoice;
    Click(peopleWindow(), "cmdImport");
    QCOMPARE(h->messages.shown.size(), 1);
    QCOMPARE(h->messages.shown[0].icon, MessageIcon::Critical);
    QVERIFY2(h->messages.last().contains(invoice), qPrintable(h->messages.last()));
    // A file that cannot be read is told, named.
    h->messages.shown.clear();
    h->files.answer = folder.filePath(QStringLiteral("gone.csv"));
    Click(peopleWindow(), "cmdImport");
    QCOMPARE(h->messages.shown.size(), 1);
    QVERIFY2(h->messages.last().contains(h->files.answer), qPrintable(h->messages.last()));
    QCOMPARE(h->app->peopleStore().count(), 0);
}

void TestPeopleWindow::exportEveryoneOrTheSelected() {
    save(QStringLiteral("ADA"));
    save(QStringLiteral("BOB"));
    save(QStringLiteral("CAROL"));
    Trigger(form(), "mnuOpenPerson");
    PeopleWindow* people = peopleWindow();
    QVERIFY(people);
    const QString all = folder.filePath(QStringLiteral("everyone"));
    h->files.answer = all;
    Click(people, "cmdExportAll");
    QVERIFY2(h->messages.shown.isEmpty(), qPrintable(h->messages.last()));
    QVERIFY(shownNotice(people));
    QCOMPARE(shownNotice(people)->text(),
             QStringLiteral("3 people exported to \u201ceveryone.csv\u201d."));
    QCOMPARE(h->files.asked.last().filter, QStringLiteral("CSV files (*.csv)"));
    const QByteArray everyone = Read(all + QStringLiteral(".csv"));
    QVERIFY(everyone.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(everyone.count("\r\n"), 4);
    QVERIFY(ForTheUserAlone(all + QStringLiteral(".csv")));

    auto* list = Child<QTreeView>(people, "lstPeople");
    list->selectionModel()->select(people->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(people->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString chosen = folder.filePath(QStringLiteral("chosen.csv"));
    h->files.answer = chosen;
    Click(people, "cmdExportSelected");
    const QByteArray two = Read(chosen);
    QCOMPARE(two.count("\r\n"), 3);
    QCOMPARE(shownNotice(people)->text(),
             QStringLiteral("2 people exported to \u201cchosen.csv\u201d."));
    QVERIFY(two.contains("\r\nADA,") && two.contains("\r\nCAROL,") && !two.contains("BOB"));
    list->selectionModel()->select(people->model()->index(0, 0),
                                   QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    h->files.answer = folder.filePath(QStringLiteral("one.csv"));
    Click(people, "cmdExportSelected");
    QCOMPARE(shownNotice(people)->text(),
             QStringLiteral("1 person exported to \u201cone.csv\u201d."));

    // What was exported comes back whole into another store.
    people::PeopleStore other(folder.filePath(QStringLiteral("other.sqlite")));
    const people::CsvCheck check = people::checkCsv(everyone, all, other.names());
    QCOMPARE(check.good, 3);
    people::PeopleStore::Batch batch(other, h->clock.time, {.replaceExisting = true});
    QCOMPARE(people::importCsv(everyone, batch, {}, nullptr), std::nullopt);
    const QList<people::Person> exported = h->app->peopleStore().people();
    const QList<people::Person> imported = other.people();
    QCOMPARE(imported.size(), exported.size());
    for (int i = 0; i < exported.size(); ++i)
        QVERIFY(imported[i].details == exported[i].details);
}

void TestPeopleWindow::aDamagedStoreIsKeptAsideAndReadingsGoOn() {
    const QByteArray garbage = QByteArray("this is not a database\n").repeated(100);
    QVERIFY(Write(h->peoplePath(), garbage));
    Trigger(form(), "mnuOpenPerson");
    QVERIFY(peopleWindow());
    // Told over the People window, once it is on the screen.
    QTRY_COMPARE(h->messages.shown.size(), 1);
    QCOMPARE(h->messages.shown[0].icon, MessageIcon::Critical);
    QCOMPARE(h->messages.shown[0].parent, peopleWindow());
    QVERIFY(h->messages.shown[0].parentShown);
    QVERIFY2(h->messages.last().contains(h->peoplePath()), qPrintable(h->messages.last()));
    QCOMPARE(peopleWindow()->model()->rowCount(), 0);
    // Kept aside, whole, under the date.
    const QStringList kept =
        QDir(QFileInfo(h->peoplePath()).path()).entryList({QStringLiteral("people.sqlite.kept-*")});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(Read(QFileInfo(h->peoplePath()).dir().filePath(kept[0])), garbage);
    peopleWindow()->close();
    // A fresh store takes the next save; the reading works throughout.
    h->messages.shown.clear();
    save(QStringLiteral("ADA"));
    QVERIFY(h->messages.shown.isEmpty());
    QCOMPARE(h->app->peopleStore().count(), 1);
    Click(form(), "cmdRashi");
    QVERIFY(h->app->displayForm());
    // Copy Reading says it is done, at the foot of the reading.
    QVERIFY(!shownNotice(h->app->displayForm()));
    Trigger(h->app->displayForm(), "mnuCopyReading");
    QVERIFY(shownNotice(h->app->displayForm()));
    QCOMPARE(shownNotice(h->app->displayForm())->text(), QStringLiteral("The reading is copied."));
    QVERIFY(h->messages.shown.isEmpty());
}

QTEST_MAIN(TestPeopleWindow)
#include "tst_people_window.moc"
