// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's links from every form, the About box, and the update prompt.

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>

#include "app/desktop_services.h"
#include "display/display_form.h"
#include "entry/main_form.h"
#include "promo/tell_a_friend_form.h"
#include "support.h"
#include "web/update_prompt.h"

using namespace asterine;
using namespace asterine::test;

namespace {

// Opens the download page only after checking what the store holds then.
class OrderCheckingUrls : public UrlOpener {
public:
    explicit OrderCheckingUrls(const TemporarySettings& settings) : settings_(settings) {}
    void open(const QUrl& address) override {
        opened.append(address);
        durationWhenOpened = settings_.duration().toString();
    }
    QList<QUrl> opened;
    QString durationWhenOpened;

private:
    const TemporarySettings& settings_;
};

}  // namespace

class TestWeb : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aboutBoxIsModalWithItsLinks();
    void aboutBoxClosesOnEnterAndEsc();
    void aboutBoxCarriesTheLegalNotices();
    void desktopOpenerTellsWhenNothingOpens();
    void updatePromptCalendar_data();
    void updatePromptCalendar();
    void updatePromptAnswers();
    void unreadableStoredDateCountsAsMissing();
    void helpMenuUpdateLeavesTheDateAlone();
    void startsWithABrokenSettingsStore();
    void linkTable();
    void linkRolesHaveTheirSites();

private:
    std::unique_ptr<Harness> h;
};

void TestWeb::init() {
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
}

void TestWeb::cleanup() {
    h.reset();
}

void TestWeb::aboutBoxIsModalWithItsLinks() {
    FrmMain* main = h->app->mainForm();
    int openings = 0;
    const ModalWatchdog watchdog;
    QTimer::singleShot(0, this, [&] {
        QWidget* about = QApplication::activeModalWidget();
        QVERIFY(about);
        QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about->parentWidget(), main);
        QVERIFY(about->isModal());
        ++openings;
        Click(about, "lblCoBrand");
        Click(about, "lblCoBrand");
        Click(about, "lblHomePage");
        QVERIFY(about->isVisible());
        QVERIFY(Child<QLabel>(about, "lblHomePage")->text().startsWith("Click here to visit "));
        Click(about, "cmdOK");
    });
    Trigger(main, "mnuAbout");
    Harness::settle();
    QCOMPARE(openings, 1);
    QCOMPARE(h->urls.opened, (QList<QUrl>{linkAddress(LinkRole::FullyBrandedPage),
                                          linkAddress(LinkRole::FullyBrandedPage),
                                          linkAddress(LinkRole::HomePage)}));
    QCOMPARE(h->app->loadedForms(), QList<QWidget*>{main});
}

void TestWeb::aboutBoxClosesOnEnterAndEsc() {
    FrmMain* main = h->app->mainForm();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool closed = false;
        const ModalWatchdog watchdog;
        QTimer::singleShot(0, this, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about);
            QTest::keyClick(about, key);
            closed = !about->isVisible();
        });
        Trigger(main, "mnuAbout");
        QVERIFY(closed);
        QCOMPARE(h->app->loadedForms(), QList<QWidget*>{main});
    }
}

void TestWeb::aboutBoxCarriesTheLegalNotices() {
    FrmMain* main = h->app->mainForm();
    QString licence;
    bool aboutStayedOpen = false;
    const ModalWatchdog watchdog;
    QTimer::singleShot(0, this, [&] {
        QWidget* about = QApplication::activeModalWidget();
        QVERIFY(about);
        // The About box's own texts stay; the notices come below them.
        QVERIFY(Child<QLabel>(about, "lblHomePage"));
        const QString notice = Child<QLabel>(about, "lblLicence")->text();
        for (const char* part : {"Copyright \u00a9 2026 Quorvane Softwares",
                                 "GNU General Public License, version 3 or any later version",
                                 "ABSOLUTELY NO WARRANTY", "Licence"})
            QVERIFY2(notice.contains(QString::fromUtf8(part)), part);
        QCOMPARE(Child<QLabel>(about, "lblPlaces")->text(),
                 QStringLiteral("Places: GeoNames, CC BY 4.0"));
        // The star catalogue and the engine of the sky are credited too.
        QCOMPARE(Child<QLabel>(about, "lblStars")->text(),
                 QStringLiteral("Stars: the catalogue sefstars.txt of swe-basic-data, CC0-1.0"));
        QCOMPARE(Child<QLabel>(about, "lblSkyEngine")->text(),
                 QStringLiteral("The sky is worked out with ERFA, BSD-3-Clause"));
        // The keyboard reaches the Licence button from OK.
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), Child(about, "cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Child(about, "cmdLicence"));
        QTimer::singleShot(0, this, [&] {
            QWidget* window = QApplication::activeModalWidget();
            QVERIFY(window && window->objectName() == QLatin1String("frmLicence"));
            licence = Child<QPlainTextEdit>(window, "txtLicence")->toPlainText();
            QTest::keyClick(window, Qt::Key_Escape);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        aboutStayedOpen = about->isVisible();
        Click(about, "cmdOK");
    });
    Trigger(main, "mnuAbout");
    QVERIFY(aboutStayedOpen);
    QVERIFY(licence.startsWith(QLatin1String("                    GNU GENERAL PUBLIC LICENSE")));
    QVERIFY(licence.contains(QLatin1String("Version 3, 29 June 2007")));
    QVERIFY(licence.contains(QLatin1String("END OF TERMS AND CONDITIONS")));
}

// The desktop's opener replaced by a script of the test's: it records the
// address it is given and ends with `status`.
class FakeOpener {
public:
    explicit FakeOpener(int status) {
        const QString script = folder.filePath(QStringLiteral("xdg-open"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                       .arg(folder.filePath(QStringLiteral("given")))
                       .arg(status)
                       .toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        path = qgetenv("PATH");
        qputenv("PATH", folder.path().toUtf8());
    }
    ~FakeOpener() { qputenv("PATH", path); }
    QString given() const {
        QFile file(folder.filePath(QStringLiteral("given")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QTemporaryDir folder;
    QByteArray path;
};

void TestWeb::desktopOpenerTellsWhenNothingOpens() {
    const QUrl address(
        QStringLiteral("https://www.quorvane.com/qvms-refer-a-friend.php?taf1=A%20B"));
    RecordingMessages messages;
    DesktopUrlOpener opener(messages);
    messages.answer = MessageAnswer::Yes;
    QApplication::clipboard()->clear();
    {
        // xdg-open finds a browser: nothing to tell.
        FakeOpener desktop(0);
        opener.open(address);
        QTRY_COMPARE(desktop.given(), address.toString(QUrl::FullyEncoded));
        QTest::qWait(100);
        QVERIFY(messages.shown.isEmpty());
    }
    {
        // xdg-open finds none (its status 3): one message naming the
        // address, and Yes puts the address on the clipboard.
        FakeOpener desktop(3);
        opener.open(address);
        QTRY_COMPARE(messages.shown.size(), 1);
        QVERIFY2(messages.last().contains(address.toDisplayString()), qPrintable(messages.last()));
        QCOMPARE(messages.shown.last().buttons, MessageButtons::YesNo);
        QCOMPARE(QApplication::clipboard()->text(), address.toString(QUrl::FullyEncoded));
        // No: nothing copied.
        QApplication::clipboard()->clear();
        messages.answer = MessageAnswer::No;
        opener.open(linkAddress(LinkRole::HomePage));
        QTRY_COMPARE(messages.shown.size(), 2);
        QVERIFY(messages.last().contains(linkAddress(LinkRole::HomePage).toDisplayString()));
        QCOMPARE(QApplication::clipboard()->text(), QString());
    }
    {
        // No xdg-open at all, and no other way on this platform.
        FakeOpener desktop(0);
        QFile::remove(desktop.folder.filePath(QStringLiteral("xdg-open")));
        const QByteArray browser = qgetenv("BROWSER");
        qunsetenv("BROWSER");
        opener.open(address);
        qputenv("BROWSER", browser);
        QTRY_COMPARE(messages.shown.size(), 3);
        QVERIFY(messages.last().contains(address.toDisplayString()));
    }
}

void TestWeb::updatePromptCalendar_data() {
    QTest::addColumn<qint64>("secondsFromNow");
    QTest::addColumn<bool>("asks");
    const qint64 day = 24 * 3600;
    QTest::newRow("14 days ago") << -14 * day << false;
    QTest::newRow("15 days ago") << -15 * day << true;
    QTest::newRow("14 days ahead") << 14 * day << false;
    QTest::newRow("15 days ahead") << 15 * day << true;
    // 14 days and 11 hours ago, but 15 calendar-day boundaries.
    QTest::newRow("boundaries, not hours") << -(14 * day + 11 * 3600) << true;
}

void TestWeb::updatePromptCalendar() {
    QFETCH(qint64, secondsFromNow);
    QFETCH(bool, asks);
    const QString stored = h->clock.time.addSecs(secondsFromNow).toString(Qt::ISODate);
    h->settings.setDuration(stored);
    h->messages.shown.clear();

    UpdatePrompt(h->app->services());
    if (!asks) {
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(h->settings.duration().toString(), stored);
        return;
    }
    QCOMPARE(h->messages.shown.size(), 1);
    const ShownMessage question = h->messages.shown.last();
    QCOMPARE(question.text, QStringLiteral("There maybe an update to this software available\r"
                                           "Do you want to check for an update?"));
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.icon, MessageIcon::Information);
    QCOMPARE(h->settings.duration().toString(), h->clock.time.toString(Qt::ISODate));
}

void TestWeb::updatePromptAnswers() {
    // First run: nothing stored, no question, now stored.
    h->settings.open()->remove(QStringLiteral("Settings/Duration"));
    UpdatePrompt(h->app->services());
    QVERIFY(h->messages.shown.isEmpty());
    QCOMPARE(QDateTime::fromString(h->settings.duration().toString(), Qt::ISODate), h->clock.time);

    // No: stored, nothing opened; the next question 15 days on.
    h->clock.time = h->clock.time.addDays(15);
    h->messages.answer = MessageAnswer::No;
    UpdatePrompt(h->app->services());
    QCOMPARE(h->messages.shown.size(), 1);
    QVERIFY(h->urls.opened.isEmpty());
    h->clock.time = h->clock.time.addDays(14);
    UpdatePrompt(h->app->services());
    QCOMPARE(h->messages.shown.size(), 1);

    // Yes: the date is stored before the download page opens.
    OrderCheckingUrls urls(h->settings);
    Services services = h->app->services();
    services.urls = &urls;
    h->clock.time = h->clock.time.addDays(1);
    h->messages.answer = MessageAnswer::Yes;
    UpdatePrompt(services);
    QCOMPARE(h->messages.shown.size(), 2);
    QCOMPARE(urls.opened, QList<QUrl>{linkAddress(LinkRole::DownloadPage)});
    QCOMPARE(urls.durationWhenOpened, h->clock.time.toString(Qt::ISODate));
}

void TestWeb::unreadableStoredDateCountsAsMissing() {
    for (const QString& garbage : {QStringLiteral("not a date"), QStringLiteral("2026-13-45"),
                                   QStringLiteral("\u0000\u00ff")}) {
        h->settings.setDuration(garbage);
        h->messages.shown.clear();
        UpdatePrompt(h->app->services());
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(h->settings.duration().toString(), h->clock.time.toString(Qt::ISODate));
    }
}

void TestWeb::helpMenuUpdateLeavesTheDateAlone() {
    const QString stored = h->clock.time.addDays(-40).toString(Qt::ISODate);
    h->settings.setDuration(stored);
    Trigger(h->app->mainForm(), "mnuUpdate");
    QCOMPARE(h->urls.opened, QList<QUrl>{linkAddress(LinkRole::DownloadPage)});
    QVERIFY(h->messages.shown.isEmpty());
    QCOMPARE(h->settings.duration().toString(), stored);
}

void TestWeb::startsWithABrokenSettingsStore() {
    // A settings file full of garbage.
    {
        QFile file(h->settings.path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919) % 256));
        file.write(junk);
    }
    Harness broken;
    QFile::remove(broken.settings.path());
    QFile::copy(h->settings.path(), broken.settings.path());
    QVERIFY(broken.start());
    QVERIFY(broken.app->mainForm()->isVisible());

    // A settings store that cannot be written at all.
    class Unwritable : public SettingsLocation {
    public:
        std::unique_ptr<QSettings> open() const override {
            return std::make_unique<QSettings>(QStringLiteral("/dev/null/asterine/asterine.ini"),
                                               QSettings::IniFormat);
        }
    } unwritable;
    Harness readOnly;
    Services services = readOnly.app->services();
    services.settings = &unwritable;
    readOnly.app = std::make_unique<Application>(services);
    QVERIFY(readOnly.start());
    QVERIFY(readOnly.app->mainForm()->isVisible());
    QVERIFY(readOnly.messages.shown.isEmpty());
}

void TestWeb::linkTable() {
    FrmMain* main = h->app->mainForm();

    struct Link {
        const char* control;
        bool menu;
        LinkRole role;
    };
    const auto check = [this](QWidget* form, const Link& link) {
        h->urls.opened.clear();
        if (link.menu)
            Trigger(form, link.control);
        else
            Click(form, link.control);
        QCOMPARE(h->urls.opened, QList<QUrl>{linkAddress(link.role)});
        QVERIFY(h->messages.shown.isEmpty());
    };
    const Link shared[] = {
        {"Label61", false, LinkRole::HomePage},
        {"mnuVisit", true, LinkRole::HomePage},
        {"mnuOnline", true, LinkRole::HelpPage},
        {"mnuUpdate", true, LinkRole::DownloadPage},
        {"mnuDonate", true, LinkRole::DonatePage},
        {"lblCobrand", false, LinkRole::CoBrandPage},
        {"lblFullBrand", false, LinkRole::FullyBrandedPage},
    };
    for (const Link& link : shared)
        check(main, link);
    check(main, {"Label2", false, LinkRole::FullyBrandedPage});

    FillValid(main, QStringLiteral("77"));
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("33"));
    Click(main, "cmdRashi");
    FrmDisplay* display = h->app->displayForm();
    QVERIFY(display);
    for (const Link& link : shared)
        check(display, link);
    check(display, {"Label19", false, LinkRole::CoBrandPage});
    check(display, {"Label1", false, LinkRole::FullyBrandedPage});
    // The links change nothing on the form.
    QCOMPARE(Child<QLabel>(display, "lblFixedStar")->text(), QStringLiteral("Regulus"));
    QVERIFY(display->isVisible());

    Click(display, "cmdExit");
    FrmTellAFriend* farewell = h->app->tellAFriendForm();
    check(farewell, {"Check1", false, LinkRole::HomePage});
    QVERIFY(!Child<QCheckBox>(farewell, "Check1")->isChecked());
    check(farewell, {"lblGoToHome", false, LinkRole::SoftwaresPage});
}

void TestWeb::linkRolesHaveTheirSites() {
    const QList<LinkRole> roles = {LinkRole::HomePage,     LinkRole::HelpPage,
                                   LinkRole::DownloadPage, LinkRole::DonatePage,
                                   LinkRole::CoBrandPage,  LinkRole::FullyBrandedPage,
                                   LinkRole::SoftwaresPage};
    QSet<QUrl> addresses;
    for (const LinkRole role : roles) {
        const QUrl address = linkAddress(role);
        QVERIFY(address.isValid());
        QCOMPARE(address.scheme(), QStringLiteral("https"));
        addresses.insert(address);
    }
    QCOMPARE(addresses.size(), roles.size());
    QCOMPARE(linkAddress(LinkRole::HelpPage).host(), linkAddress(LinkRole::DownloadPage).host());
    QCOMPARE(linkAddress(LinkRole::DonatePage).host(), linkAddress(LinkRole::CoBrandPage).host());
    QCOMPARE(linkAddress(LinkRole::DonatePage).host(),
             linkAddress(LinkRole::FullyBrandedPage).host());
    QCOMPARE(linkAddress(LinkRole::HomePage).path(), QStringLiteral("/"));
}

QTEST_MAIN(TestWeb)
#include "tst_web.moc"
