// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: window flow between the forms, the end of the
// program, the single-instance rule and the advertisement draw.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>

#include <csignal>

#include "app/desktop_services.h"
#include "display/display_form.h"
#include "document/reading_document.h"
#include "entry/main_form.h"
#include "formbase/file_menu.h"
#include "promo/tell_a_friend_form.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

// Which of the two overlapping advertisement labels is seen.
// The one behind is hidden too, so that a screen reader reads only the one
// in front.
QString FrontLabel(QWidget* form) {
    auto* coBrand = Child(form, "lblCobrand");
    const QObjectList siblings = coBrand->parentWidget()->children();
    const auto position = [&](const char* name) { return siblings.indexOf(Child(form, name)); };
    const QString front = position("lblCobrand") > position("lblFullBrand")
                              ? QStringLiteral("lblCobrand")
                              : QStringLiteral("lblFullBrand");
    const QString behind = front == QLatin1String("lblCobrand") ? QStringLiteral("lblFullBrand")
                                                                : QStringLiteral("lblCobrand");
    if (!Child(form, qPrintable(front))->isVisibleTo(form) ||
        Child(form, qPrintable(behind))->isVisibleTo(form))
        return QStringLiteral("both or neither shown");
    return front;
}

// The real program, started on the offscreen platform with a home of its own.
struct RealProgram {
    QTemporaryDir home;
    QProcess process;

    explicit RealProgram(const QString& runtime,
                         const QString& platform = QStringLiteral("offscreen")) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ASTERINE_BINARY), {});
    }
    ~RealProgram() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
};

}  // namespace

class TestFlow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpShowsTheEntryForm();
    void readingAndBack();
    void resultWindowShowsTheSky();
    void exitFromTheResultForm_data();
    void exitFromTheResultForm();
    void closingTheEntryFormShowsTheFarewell();
    void enterAndEscOnTheResultForm();
    void endApplicationUnloadsEveryForm();
    void secondCopyEndsWithoutAForm();
    void lockIsHeldAcrossProcessesAndTakenOverWhenStale();
    void coBrandRounding();
    void coBrandSplit();
    void coBrandChoosesTheFrontLabel();
    void messagesHoldTheWholeProgram();
    void sessionSignalsEndTheProgram_data();
    void sessionSignalsEndTheProgram();
    void noWindowingSystemIsOneSentence_data();
    void noWindowingSystemIsOneSentence();
    void fixedWindowsOfferNoMaximise();

private:
    std::unique_ptr<Harness> h;
};

void TestFlow::init() {
    h = std::make_unique<Harness>();
}

void TestFlow::cleanup() {
    h.reset();
}

void TestFlow::startUpShowsTheEntryForm() {
    QVERIFY(h->start());
    QVERIFY(h->app->mainForm()->isVisible());
    QVERIFY(!h->app->tellAFriendForm());
    QVERIFY(!h->app->displayForm());
    QCOMPARE(h->app->loadedForms().size(), 1);
    QCOMPARE(h->random.seeds, 1);
    QCOMPARE(h->ender.ends, 0);
    QVERIFY(!QApplication::quitOnLastWindowClosed());
}

void TestFlow::readingAndBack() {
    QVERIFY(h->start());
    FrmMain* main = h->app->mainForm();
    FillValid(main);
    Click(main, "cmdRashi");

    QPointer<FrmDisplay> display = h->app->displayForm();
    QVERIFY(display && display->isVisible());
    QVERIFY(!main->isVisible());
    QVERIFY(h->app->tellAFriendForm());
    QVERIFY(!h->app->tellAFriendForm()->isVisible());
    QCOMPARE(h->app->loadedForms(), (QList<QWidget*>{main, display, h->app->tellAFriendForm()}));

    Trigger(display, "mnuFileBack");
    Harness::settle();
    QVERIFY(!display);
    QVERIFY(main->isVisible());
    QVERIFY(h->app->tellAFriendForm());
    QVERIFY(!h->app->tellAFriendForm()->isVisible());
    QCOMPARE(h->ender.ends, 0);
}

void TestFlow::resultWindowShowsTheSky() {
    QVERIFY(h->start());
    FrmMain* main = h->app->mainForm();
    FillValid(main);
    Click(main, "cmdRashi");
    QPointer<FrmDisplay> display = h->app->displayForm();
    QVERIFY(display);
    auto* status = Child<QLabel>(display, "lblSkyStatus");
    auto* frame = Child(display, "frmSky");
    QVERIFY(frame && frame->isVisible());
    // Worked out off the window's thread, saying so meanwhile.
    if (!display->skyShown()) {
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), QStringLiteral("Working out the sky\u2026"));
    }
    display->adjustSize();
    const QSize before = display->size();
    // A second reading in the same window before the first sky is done:
    // only the second one's sky is shown.
    display->showReading(stars::assembleReading("Vega"));
    QTRY_VERIFY_WITH_TIMEOUT(display->skyShown(), 30000);
    QVERIFY(!status->isVisible());
    Harness::settle();
    // Filled, the window keeps its size.
    display->adjustSize();
    QCOMPARE(display->size(), before);

    // The window's lines are the document's, word for word.
    const document::ReadingDocument reading = display->readingDocument();
    QCOMPARE(reading.sky.first().title, QStringLiteral("Vega in the Sky"));
    QStringList shown;
    for (const QLabel* label : frame->findChildren<QLabel*>()) {
        if (label->isVisibleTo(frame))
            shown << label->text();
    }
    int lines = 0;
    for (int i = 0; i < reading.sky.size(); ++i) {
        const document::SkySection& section = reading.sky[i];
        QCOMPARE(
            Child<QLabel>(display, qPrintable(QStringLiteral("lblSkySection%1").arg(i)))->text(),
            section.title);
        for (const document::Field& field : section.fields) {
            QVERIFY2(shown.contains(field.caption) && shown.contains(field.value),
                     qPrintable(field.caption));
            ++lines;
        }
    }
    QVERIFY(lines >= 6);
    // The moment of birth heads it, as the document's time line.
    QCOMPARE(Child<QLabel>(display, "lblSkyMoment")->text(),
             reading.birthTime.caption + QStringLiteral(": ") + reading.birthTime.value);
    QVERIFY(reading.details.contains(reading.birthTime));
    for (const QString& note : reading.skyNotes)
        QVERIFY2(shown.contains(note), qPrintable(note));
    // Each value tells a screen reader its caption too.
    QStringList names;
    for (const QLabel* label : frame->findChildren<QLabel*>())
        names << label->accessibleName();
    const document::Field& first = reading.sky.first().fields.first();
    QVERIFY(names.contains(first.caption + QStringLiteral(": ") + first.value));
    // The sky stays within the window.
    auto* scroll = Child<QScrollArea>(display, "scrSky");
    QVERIFY(display->rect().contains(QRect(scroll->mapTo(display, QPoint()), scroll->size())));
}

void TestFlow::exitFromTheResultForm_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "cmdExit";
    QTest::newRow("Exit menu") << "mnuExit";
    QTest::newRow("close box") << "close";
    QTest::newRow("Quit key") << "quit";
}

void TestFlow::exitFromTheResultForm() {
    QFETCH(QString, how);
    QVERIFY(h->start());
    FrmMain* main = h->app->mainForm();
    FillValid(main);
    Click(main, "cmdRashi");
    QPointer<FrmDisplay> display = h->app->displayForm();
    if (how == QLatin1String("cmdExit"))
        Click(display, "cmdExit");
    else if (how == QLatin1String("mnuExit"))
        Trigger(display, "mnuExit");
    else if (how == QLatin1String("quit")) {
        display->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(display));
        QTest::keySequence(QApplication::focusWidget(), quitKeys().constFirst());
    } else
        display->close();
    Harness::settle();

    // Farewell: the birth-details form is still loaded, hidden.
    QVERIFY(!display);
    FrmTellAFriend* farewell = h->app->tellAFriendForm();
    QVERIFY(farewell && farewell->isVisible());
    QVERIFY(h->app->mainForm() && !h->app->mainForm()->isVisible());
    QCOMPARE(h->ender.ends, 0);

    // Closing the farewell ends the program all the same.
    farewell->close();
    Harness::settle();
    QCOMPARE(h->ender.ends, 1);
    QVERIFY(h->app->loadedForms().isEmpty());
}

void TestFlow::closingTheEntryFormShowsTheFarewell() {
    QVERIFY(h->start());
    QPointer<FrmMain> main = h->app->mainForm();
    Trigger(main, "mnuExit");
    Harness::settle();
    QVERIFY(!main);
    QVERIFY(h->app->tellAFriendForm()->isVisible());
    QCOMPARE(h->ender.ends, 0);

    Click(h->app->tellAFriendForm(), "cmdClose");
    Harness::settle();
    QCOMPARE(h->ender.ends, 1);
    QVERIFY(h->app->loadedForms().isEmpty());
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void TestFlow::enterAndEscOnTheResultForm() {
    QVERIFY(h->start());
    FrmMain* main = h->app->mainForm();
    FillValid(main);

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        main->show();
        Click(main, "cmdRashi");
        QPointer<FrmDisplay> display = h->app->displayForm();
        QVERIFY(QTest::qWaitForWindowActive(display));
        QCOMPARE(QApplication::focusWidget(), Child(display, "cmdExit"));
        QTest::keyClick(QApplication::focusWidget(), key);
        Harness::settle();
        QVERIFY2(!display, "acts as Exit");
        QVERIFY(h->app->tellAFriendForm()->isVisible());
    }

    // With the focus on Back, Enter goes Back and Esc still exits.
    main->show();
    Click(main, "cmdRashi");
    QPointer<FrmDisplay> display = h->app->displayForm();
    QVERIFY(QTest::qWaitForWindowActive(display));
    QTest::keyClick(display, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Child(display, "cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Harness::settle();
    QVERIFY(!display);
    QVERIFY(main->isVisible());
    QVERIFY(!h->app->tellAFriendForm()->isVisible());

    Click(main, "cmdRashi");
    display = h->app->displayForm();
    QVERIFY(QTest::qWaitForWindowActive(display));
    QTest::keyClick(display, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    Harness::settle();
    QVERIFY(!display);
    QVERIFY(h->app->tellAFriendForm()->isVisible());
    QVERIFY(!main->isVisible());
}

void TestFlow::endApplicationUnloadsEveryForm() {
    QVERIFY(h->start());
    FrmMain* main = h->app->mainForm();
    FillValid(main);
    Click(main, "cmdRashi");
    QVERIFY(h->app->displayForm());

    // End the program while the About box is open over the result form.
    const ModalWatchdog watchdog;
    QTimer::singleShot(0, h->app.get(), [this] {
        QVERIFY(QApplication::activeModalWidget());
        QCOMPARE(QApplication::activeModalWidget()->objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(h->app->loadedForms().size(), 4);
        h->app->endApplication();
    });
    Trigger(h->app->displayForm(), "mnuAbout");
    Harness::settle();

    QCOMPARE(h->ender.ends, 1);
    QVERIFY(h->app->loadedForms().isEmpty());
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    // Unload handlers that would show the farewell while ending do not.
    QVERIFY(!h->app->tellAFriendForm());
}

void TestFlow::secondCopyEndsWithoutAForm() {
    SingleInstance first(h->lockPath());
    QVERIFY(first.acquire());

    QVERIFY(!h->start());
    QCOMPARE(h->messages.texts(), QStringList{"Application is already running"});
    QCOMPARE(h->messages.shown.last().icon, MessageIcon::Information);
    QCOMPARE(h->ender.ends, 1);
    QVERIFY(h->app->loadedForms().isEmpty());
    QVERIFY(!h->app->mainForm());
}

void TestFlow::lockIsHeldAcrossProcessesAndTakenOverWhenStale() {
    // The real program as the first copy.
    RealProgram program(h->runtime.path());
    QVERIFY(program.process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(h->lockPath()), 10000);
    QTest::qWait(200);

    SingleInstance second(h->lockPath());
    QVERIFY(!second.acquire());

    // A copy that was killed leaves its lock behind; the next one takes it over.
    program.process.kill();
    QVERIFY(program.process.waitForFinished());
    QVERIFY(QFile::exists(h->lockPath()));
    QVERIFY(second.acquire());
}

void TestFlow::sessionSignalsEndTheProgram_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM, as at logout") << int(SIGTERM);
    QTest::newRow("SIGINT, Ctrl+C in a terminal") << int(SIGINT);
    QTest::newRow("SIGHUP, the terminal closed") << int(SIGHUP);
}

void TestFlow::sessionSignalsEndTheProgram() {
    QFETCH(int, signalNumber);
    RealProgram program(h->runtime.path());
    QVERIFY(program.process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(h->lockPath()), 10000);
    QTest::qWait(200);
    // A program that has ended has the id 0, and a signal to 0 goes to the
    // whole process group, this check with it.
    QVERIFY(program.process.state() == QProcess::Running && program.process.processId() > 0);
    ::kill(static_cast<pid_t>(program.process.processId()), signalNumber);
    QVERIFY(program.process.waitForFinished(10000));
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 0);
    // The lock is let go of, not left for the next copy to find stale.
    QVERIFY(!QFile::exists(h->lockPath()));
}

void TestFlow::noWindowingSystemIsOneSentence_data() {
    QTest::addColumn<QString>("platform");
    QTest::newRow("no such platform plugin") << QStringLiteral("nosuchplatform");
    QTest::newRow("Wayland without a compositor") << QStringLiteral("wayland");
    QTest::newRow("X11 without a server") << QStringLiteral("xcb:display=:987");
}

void TestFlow::noWindowingSystemIsOneSentence() {
    QFETCH(QString, platform);
    RealProgram program(h->runtime.path(), platform);
    QVERIFY(program.process.waitForFinished(20000));
    // Ended, not aborted: no core dump, a status that tells the failure.
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 1);
    const QString errors = QString::fromUtf8(program.process.readAllStandardError());
    QCOMPARE(errors.count(QLatin1Char('\n')), 1);
    QVERIFY2(errors.startsWith(QLatin1String("Asterine cannot open its window")),
             qPrintable(errors));
    QVERIFY(!QFile::exists(h->lockPath()));
}

void TestFlow::fixedWindowsOfferNoMaximise() {
    QVERIFY(h->start());
    FillValid(h->app->mainForm());
    QWidget* main = h->app->mainForm();
    Click(main, "cmdRashi");
    h->app->showTellAFriend();
    for (QWidget* window : {main, static_cast<QWidget*>(h->app->displayForm()),
                            static_cast<QWidget*>(h->app->tellAFriendForm())}) {
        QVERIFY(window);
        window->show();
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY2(flags & Qt::CustomizeWindowHint, qPrintable(window->objectName()));
        QVERIFY2(!(flags & Qt::WindowMaximizeButtonHint), qPrintable(window->objectName()));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);
    }
    QVERIFY(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(h->app->tellAFriendForm()->windowFlags() & Qt::WindowStaysOnTopHint);
}

void TestFlow::coBrandRounding() {
    QCOMPARE(Application::coBrandNumberFor(0.0), 1);
    QCOMPARE(Application::coBrandNumberFor(0.25), 2);  // 2.5 goes to the even 2
    QCOMPARE(Application::coBrandNumberFor(0.5), 4);
    QCOMPARE(Application::coBrandNumberFor(0.75), 6);  // 5.5 goes to the even 6
    QCOMPARE(Application::coBrandNumberFor(0.9), 6);
    QCOMPARE(Application::coBrandNumberFor(0.95), 7);
    QCOMPARE(Application::coBrandNumberFor(std::nextafter(1.0, 0.0)), 7);
}

void TestFlow::coBrandSplit() {
    // Draws spread evenly over [0, 1), away from the cells' edges.
    constexpr int kDraws = 1200;
    std::map<int, int> counts;
    for (int k = 0; k < kDraws; ++k)
        ++counts[Application::coBrandNumberFor((k + 0.5) / kDraws)];
    const std::map<int, int> expected = {{1, 100}, {2, 200}, {3, 200}, {4, 200},
                                         {5, 200}, {6, 200}, {7, 100}};
    QCOMPARE(counts, expected);
}

void TestFlow::coBrandChoosesTheFrontLabel() {
    QVERIFY(h->start());
    FrmMain* main = h->app->mainForm();
    // Each draw, the number it gives, and the label in front afterwards.
    const std::tuple<double, int, QString> steps[] = {
        {0.2, 2, "lblFullBrand"},                          // 2.2 -> 2
        {0.05, 1, "lblCobrand"},                           // 1.3 -> 1
        {0.95, 7, "lblCobrand"},                           // 6.7 -> 7 keeps the order
        {0.5, 4, "lblFullBrand"}, {0.3, 3, "lblCobrand"},  // 2.8 -> 3
        {0.97, 7, "lblCobrand"},
    };
    for (const auto& [r, number, front] : steps) {
        h->random.draws = {r};
        h->app->CoBrand_Randomize();
        QCOMPARE(h->app->coBrandRandomNumber(), qint16(number));
        QCOMPARE(FrontLabel(main), front);
    }
    QCOMPARE(h->app->coBrandRandomNumber(), qint16(7));
}

// Application-modal: while a message is up, no other window of the program,
// the browser beside the form included, takes input.
void TestFlow::messagesHoldTheWholeProgram() {
    DialogMessageService service;
    QWidget opener;
    opener.show();
    struct Seen {
        Qt::WindowModality modality;
        QString title;
        QMessageBox::Icon icon;
    };
    for (QWidget* parent : {&opener, static_cast<QWidget*>(nullptr)}) {
        for (const MessageIcon icon : {MessageIcon::Critical, MessageIcon::Information}) {
            for (const MessageButtons buttons : {MessageButtons::Ok, MessageButtons::YesNo}) {
                std::optional<Seen> seen;
                const ModalWatchdog watchdog;
                QTimer::singleShot(0, this, [&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!box)
                        return;
                    seen = Seen{box->windowModality(), box->windowTitle(), box->icon()};
                    box->buttons().constFirst()->click();
                });
                service.show(parent, QStringLiteral("Please Enter Name"), icon, buttons);
                QVERIFY(seen);
                QCOMPARE(seen->modality, Qt::ApplicationModal);
                QCOMPARE(seen->title, QStringLiteral("Asterine"));
                QCOMPARE(seen->icon, icon == MessageIcon::Critical ? QMessageBox::Critical
                                                                   : QMessageBox::Information);
            }
        }
    }
}

QTEST_MAIN(TestFlow)
#include "tst_flow.moc"
