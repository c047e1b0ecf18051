// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in browser, on the real web engine, against a web server on the
// loopback address that this test runs itself.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolBar>
#include <QUrlQuery>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <unistd.h>
#include <csignal>

#include "entry/main_form.h"
#include "support.h"
#include "web/browser.h"
#include "web/browser_form.h"

using namespace asterine;
using namespace asterine::test;

namespace {

// Answers every GET on 127.0.0.1 with a small page titled after its path,
// after an optional delay, and records the request targets.
class LoopbackServer : public QObject {
public:
    LoopbackServer() {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        server_.listen(QHostAddress::LocalHost);
    }

    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }

    BrowserSettings settings() const {
        BrowserSettings s;
        s.searchEndpoint = url(QStringLiteral("/custom"));
        s.providerHome = url(QStringLiteral("/provider"));
        s.providerLogo = url(QStringLiteral("/logo.gif"));
        s.publisherId = QStringLiteral("pub-test");
        s.homePage = url(QStringLiteral("/home"));
        s.searchPage = url(QStringLiteral("/search"));
        return s;
    }

    // Request targets other than the logo image and the icon.
    QStringList pages() const {
        QStringList result;
        for (const QString& target : targets) {
            if (!target.startsWith(QLatin1String("/logo")) &&
                !target.startsWith(QLatin1String("/favicon")))
                result << target;
        }
        return result;
    }

    QStringList targets;
    int delayMs = 0;

private:
    void serve(QTcpSocket* socket) {
        const QByteArray request = socket->readAll();
        const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
        if (line.size() < 2)
            return;
        const QString target = QString::fromLatin1(line[1]);
        targets << target;
        const QString path = QUrl(target).path();
        const QByteArray body = QStringLiteral(
                                    "<html><head><title>Page %1</title></head>"
                                    "<body>%1</body></html>")
                                    .arg(path.toHtmlEscaped())
                                    .toUtf8();
        const QByteArray response =
            "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n"
            "Content-Length: " +
            QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        QTimer::singleShot(delayMs, socket, [socket, response] {
            socket->write(response);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
};

RecordingUrls gUrls;

// A form-encoded query value: "+" is a blank, then percent-decoding.
QString FormValue(const QString& target, const char* key) {
    QString query = QUrl(target).query(QUrl::FullyEncoded);
    query.replace(QLatin1Char('+'), QStringLiteral("%20"));
    return QUrlQuery(query).queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
}

QAction* ToolButton(FrmBrowser* browser, const char* key) {
    return browser->findChild<QToolBar*>(QStringLiteral("tbToolBar"))
        ->findChild<QAction*>(QLatin1String(key));
}

QStringList History(QWidget* browser) {
    auto* box = Child<QComboBox>(browser, "cboAddress");
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

bool WaitForSearch(LoopbackServer& server, int count = 1) {
    return QTest::qWaitFor(
        [&] {
            int searches = 0;
            for (const QString& page : server.pages())
                searches += page.startsWith(QLatin1String("/custom")) ? 1 : 0;
            return searches >= count;
        },
        20000);
}

// A fresh browser window searching for a fixed phrase.
std::unique_ptr<FrmBrowser> OpenBrowser(const BrowserSettings& settings) {
    auto browser =
        std::make_unique<FrmBrowser>(QStringLiteral("Latitude Longitude x"), gUrls, settings);
    browser->show();
    return browser;
}

// Whether the browser's search reached the server and its results page is shown.
bool ShowsResults(QWidget* browser, LoopbackServer& server) {
    return WaitForSearch(server) &&
           QTest::qWaitFor([&] { return browser->windowTitle() == QStringLiteral("Page /custom"); },
                           10000);
}

}  // namespace

class TestBrowser : public QObject {
    Q_OBJECT

private slots:
    void searchRequestCarriesThePhrase_data();
    void searchRequestCarriesThePhrase();
    void historyAndAddressBox();
    void busyCaptionWhileLoading();
    void backWithoutHistoryDoesNothing();
    void survivesItsRenderProcess();
    void unreachableHostShowsTheEngineErrorPage();
    void openedFromTheEntryForm();
};

void TestBrowser::searchRequestCarriesThePhrase_data() {
    QTest::addColumn<QString>("phrase");
    QTest::newRow("ordinary") << "Latitude Longitude Pune Maharashtra India";
    QTest::newRow("blanks kept") << "Latitude Longitude    a  b ";
    QTest::newRow("script breakout") << "Latitude Longitude \"); alert(1); (\" ' x";
    QTest::newRow("markup") << "Latitude Longitude </script><b>x</b> & = + #";
}

void TestBrowser::searchRequestCarriesThePhrase() {
    QFETCH(QString, phrase);
    LoopbackServer server;
    std::unique_ptr<QWidget> browser(createBrowser(phrase, gUrls, server.settings()));
    browser->show();
    QVERIFY(WaitForSearch(server));

    const QString target = server.pages().constFirst();
    QVERIFY2(target.startsWith(QLatin1String("/custom?")), qPrintable(target));
    QCOMPARE(FormValue(target, "q"), phrase);
    QCOMPARE(FormValue(target, "sa"), QStringLiteral("Search"));
    QCOMPARE(FormValue(target, "client"), QStringLiteral("pub-test"));
    QCOMPARE(FormValue(target, "forid"), QStringLiteral("1"));
    QCOMPARE(FormValue(target, "ie"), QStringLiteral("ISO-8859-1"));
    QCOMPARE(FormValue(target, "oe"), QStringLiteral("ISO-8859-1"));
    QCOMPARE(FormValue(target, "hl"), QStringLiteral("en"));
    QCOMPARE(FormValue(target, "cof"),
             QStringLiteral("GALT:#008000;GL:1;DIV:#336699;VLC:663399;AH:center;BGC:FFFFFF;"
                            "LBGC:336699;ALC:0000FF;LC:0000FF;T:000000;GFNT:0000FF;GIMP:0000FF;"
                            "FORID:1;"));
    // The results page comes up and nothing submits the form a second time.
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page /custom"), 10000);
    QTest::qWait(200);
    QCOMPARE(server.pages().size(), 1);
}

void TestBrowser::historyAndAddressBox() {
    LoopbackServer server;
    auto* browser = static_cast<FrmBrowser*>(
        createBrowser(QStringLiteral("Latitude Longitude x"), gUrls, server.settings()));
    std::unique_ptr<QWidget> owner(browser);
    browser->show();
    QVERIFY(WaitForSearch(server));
    QTRY_COMPARE_WITH_TIMEOUT(History(browser).size(), 1, 10000);
    const QString results = History(browser).constFirst();
    QVERIFY(results.contains(QLatin1String("/custom?")));
    QCOMPARE(server.pages().size(), 1);  // putting it in the list did not navigate

    // Enter in the address box goes to the typed address.
    auto* edit = Child<QComboBox>(browser, "cboAddress")->lineEdit();
    const QString two = server.url(QStringLiteral("/two")).toString();
    edit->setText(two);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(History(browser), (QStringList{two, results}), 10000);

    // A revisited address moves to the top instead of appearing twice.
    edit->setText(results);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(History(browser), (QStringList{results, two}), 10000);
    QVERIFY(!History(browser).contains(QStringLiteral("about:blank")));

    // Choosing an entry from the list navigates to it.
    const int before = server.pages().size();
    auto* box = Child<QComboBox>(browser, "cboAddress");
    box->setCurrentIndex(1);
    emit box->activated(1);
    QTRY_COMPARE_WITH_TIMEOUT(History(browser), (QStringList{two, results}), 10000);
    QCOMPARE(server.pages().size(), before + 1);

    // Home and Search open their fixed pages.
    ToolButton(browser, "Home")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page /home"), 10000);
    ToolButton(browser, "Search")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page /search"), 10000);
    ToolButton(browser, "Back")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page /home"), 10000);
    ToolButton(browser, "Forward")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page /search"), 10000);
}

void TestBrowser::busyCaptionWhileLoading() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));

    server.delayMs = 1500;
    ToolButton(browser, "Home")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Working..."), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page /home"), 10000);
    QTRY_VERIFY(!browser->findChild<QTimer*>(QStringLiteral("timTimer"))->isActive());

    // Stop ends the busy caption at once.
    ToolButton(browser, "Refresh")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Working..."), 5000);
    ToolButton(browser, "Stop")->trigger();
    QVERIFY(!browser->findChild<QTimer*>(QStringLiteral("timTimer"))->isActive());
    QVERIFY(browser->windowTitle() != QStringLiteral("Working..."));
}

void TestBrowser::backWithoutHistoryDoesNothing() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    for (int i = 0; i < 3; ++i)
        ToolButton(browser, "Back")->trigger();
    ToolButton(browser, "Forward")->trigger();
    QVERIFY(ShowsResults(browser, server));
    QVERIFY(browser->isVisible());
}

void TestBrowser::survivesItsRenderProcess() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));

    QWebEnginePage* page = browser->view()->page();
    QSignalSpy terminated(page, &QWebEnginePage::renderProcessTerminated);
    const qint64 pid = page->renderProcessPid();
    QVERIFY(pid > 0);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    QVERIFY(terminated.wait(10000));
    QVERIFY(browser->isVisible());

    ToolButton(browser, "Home")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page /home"), 15000);
}

void TestBrowser::unreachableHostShowsTheEngineErrorPage() {
    LoopbackServer server;
    BrowserSettings settings = server.settings();
    // A loopback port that nothing listens on refuses at once.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    settings.homePage = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort()));
    closed.close();

    const auto owner = OpenBrowser(settings);
    FrmBrowser* browser = owner.get();
    QVERIFY(WaitForSearch(server));
    QSignalSpy finished(browser->view(), &QWebEngineView::loadFinished);
    ToolButton(browser, "Home")->trigger();
    QVERIFY(finished.wait(10000));
    QVERIFY(browser->isVisible());
    // Still usable afterwards.
    ToolButton(browser, "Search")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page /search"), 10000);
}

void TestBrowser::openedFromTheEntryForm() {
    LoopbackServer server;
    Harness h;
    h.app->setBrowserSettings(server.settings());
    QVERIFY(h.start());
    FrmMain* main = h.app->mainForm();
    Child<QLineEdit>(main, "txtMCity")->setText(QStringLiteral(" Pune"));
    Child<QLineEdit>(main, "txtMState")->setText(QStringLiteral("MH"));
    Child<QLineEdit>(main, "txtMCountry")->setText(QStringLiteral("India "));
    Click(main, "cmdBrowser");
    QPointer<QWidget> first = h.app->browserForm();
    QVERIFY(first && first->isVisible());
    QVERIFY(WaitForSearch(server));
    QCOMPARE(FormValue(server.pages().last(), "q"),
             QStringLiteral("Latitude Longitude  Pune MH India "));

    // A second click replaces the window with a fresh one and a new search.
    Child<QLineEdit>(main, "txtMCity")->setText(QStringLiteral("Goa"));
    Click(main, "cmdBrowser");
    Harness::settle();
    QVERIFY(!first);
    QWidget* second = h.app->browserForm();
    QVERIFY(second);
    QVERIFY(History(second).isEmpty());
    QVERIFY(WaitForSearch(server, 2));
    QCOMPARE(FormValue(server.pages().last(), "q"),
             QStringLiteral("Latitude Longitude Goa MH India "));

    // Closing the browser never ends the program; ending it closes the browser.
    second->close();
    Harness::settle();
    QCOMPARE(h.ender.ends, 0);
    QVERIFY(main->isVisible());
    Click(main, "cmdBrowser");
    QVERIFY(h.app->browserForm());
    h.app->endApplication();
    Harness::settle();
    QCOMPARE(h.ender.ends, 1);
    QVERIFY(h.app->loadedForms().isEmpty());
}

ASTERINE_WEB_TEST_MAIN(TestBrowser)

#include "tst_browser.moc"
