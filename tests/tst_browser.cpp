// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in browser, on the real web engine, against a web server on the
// loopback address that this test runs itself. Keys are typed the way a user
// types them: into whatever widget has the keyboard focus.

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolBar>
#include <QUrlQuery>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <unistd.h>
#include <csignal>
#include <functional>
#include <utility>

#include "browser/browser.h"
#include "browser/browser_form.h"
#include "entry/main_form.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

const QString kWorking = QStringLiteral("Working...");

// Runs the event loop until `done` holds or `ms` have passed. Unlike
// QTest::qWaitFor it never sleeps between rounds: the web engine runs its
// own work on this thread, and every sleep holds a page load up.
bool WaitFor(const std::function<bool()>& done, int ms = kPatienceMs) {
    if (done())
        return true;
    const QDeadlineTimer deadline(ms);
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    poll.start();
    loop.exec();
    return done();
}

// Lets the program run for `ms`, to show that something does not happen
// (what would happen comes at once, but has no signal of its own to wait
// on). Only a check that something does not happen spins: on a slow machine
// it may then miss a fault, never report one that is not there.
void Spin(int ms) {
    WaitFor([] { return false; }, ms);
}

}  // namespace

// Waits for a value, then compares it, so a failure shows both values.
#define WAIT_COMPARE(actual, expected)                         \
    do {                                                       \
        WaitFor([&] { return bool((actual) == (expected)); }); \
        QCOMPARE(actual, expected);                            \
    } while (false)

// Runs a helper that checks things, and ends the test where it failed.
#define CHECKED(call)                   \
    do {                                \
        call;                           \
        if (QTest::currentTestFailed()) \
            return;                     \
    } while (false)

#define WAIT_VERIFY(condition)                                \
    do {                                                      \
        WaitFor([&] { return bool(condition); });             \
        QVERIFY2(condition, #condition " after all waiting"); \
    } while (false)

namespace {

// Answers every GET on 127.0.0.1 with a small page titled after its path,
// after an optional delay or, while it holds pages back, once it lets them
// go; and records the request targets as they arrive, byte for byte.
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

    // How many requests for exactly this target have arrived.
    int requests(const QString& target) const { return int(targets.count(target)); }

    // Holds back the answers to requests from now on, until release().
    void hold() { holding_ = true; }
    void release() {
        holding_ = false;
        for (const auto& [socket, response] : std::exchange(held_, {}))
            answer(socket, response);
    }

    QStringList targets;
    int delayMs = 0;

private:
    static void answer(QTcpSocket* socket, const QByteArray& response) {
        if (!socket)
            return;  // the browser gave up on it
        socket->write(response);
        socket->disconnectFromHost();
    }

    void serve(QTcpSocket* socket) {
        const QByteArray request = socket->readAll();
        const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
        if (line.size() < 2)
            return;
        const QString target = QString::fromLatin1(line[1]);
        targets << target;
        const QString path = QUrl(target).path();
        // "/field" holds a text field over the page's top left corner.
        QString field;
        if (path == QLatin1String("/field"))
            field = QStringLiteral(
                "<input id=\"field\" value=\"abcd\" style=\"position:"
                "fixed; left:0; top:0; width:200px; height:40px\">");
        // "/renamed" takes another name a moment after it has loaded.
        if (path == QLatin1String("/renamed"))
            field = QStringLiteral(
                "<script>onload = () => setTimeout(() => document.title = 'Renamed', 200);"
                "</script>");
        // "/jump" goes on to "/landing" by itself, without a click, as some
        // results pages do.
        if (path == QLatin1String("/jump"))
            field = QStringLiteral(
                "<script>onload = () => setTimeout(() => location.href = '/landing', 200);"
                "</script>");
        const QByteArray body = QStringLiteral(
                                    "<html><head><title>Page %1</title></head>"
                                    "<body>%2<p>%1</p><p id=\"here\">here</p></body></html>")
                                    .arg(path.toHtmlEscaped(), field)
                                    .toUtf8();
        const QByteArray response =
            "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n"
            "Content-Length: " +
            QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        if (holding_) {
            held_.append({QPointer<QTcpSocket>(socket), response});
            return;
        }
        QTimer::singleShot(delayMs, socket, [socket, response] { answer(socket, response); });
    }

    QTcpServer server_;
    bool holding_ = false;
    QList<std::pair<QPointer<QTcpSocket>, QByteArray>> held_;
};

RecordingUrls gUrls;

// A form-encoded query value: "+" is a blank, then percent-decoding as UTF-8.
QString FormValue(const QString& target, const char* key) {
    QString query = QUrl(target).query(QUrl::FullyEncoded);
    query.replace(QLatin1Char('+'), QStringLiteral("%20"));
    return QUrlQuery(query).queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
}

// A query value exactly as it went over the wire, still percent-encoded.
QString RawFormValue(const QString& target, const char* key) {
    const QString query = target.mid(target.indexOf(QLatin1Char('?')) + 1);
    const QString prefix = QLatin1String(key) + QLatin1Char('=');
    for (const QString& item : query.split(QLatin1Char('&'))) {
        if (item.startsWith(prefix))
            return item.mid(prefix.size());
    }
    return {};
}

QAction* ToolButton(QWidget* browser, const char* key) {
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

QTimer* BusyTimer(QWidget* browser) {
    return Child<QTimer>(browser, "timTimer");
}

bool WaitForSearch(LoopbackServer& server, int count = 1) {
    return WaitFor([&] {
        int searches = 0;
        for (const QString& page : server.pages())
            searches += page.startsWith(QLatin1String("/custom")) ? 1 : 0;
        return searches >= count;
    });
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
           WaitFor([&] { return browser->windowTitle() == QStringLiteral("Page /custom"); });
}

// Makes the browser the active window, as a user's click on it does, so its
// keyboard focus and its keys are live.
bool Activate(QWidget* browser) {
    browser->activateWindow();
    return QTest::qWaitForWindowActive(browser, kPatienceMs);
}

// Clicks into the address box and returns the widget that then has the
// keyboard focus, the one a user's keys go to.
QWidget* ClickIntoAddressBox(QWidget* browser) {
    auto* box = Child<QComboBox>(browser, "cboAddress");
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton, {}, box->lineEdit()->rect().center());
    return QApplication::focusWidget();
}

// Clicks into the page shown and returns the widget that then has the focus.
QWidget* ClickIntoPage(FrmBrowser* browser) {
    QWidget* page = browser->view()->focusProxy();
    if (!page)
        return nullptr;
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(5, page->height() - 5));
    return QApplication::focusWidget();
}

// Replaces the address box's text by typing, as a user does.
void TypeAddress(QWidget* focus, const QString& address) {
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focus, address);
}

void Press(QWidget* focus, const QKeySequence& key) {
    QTest::keyClick(focus, key[0].key(), key[0].keyboardModifiers());
}

// Every caption the window shows, in order.
class Captions {
public:
    explicit Captions(QWidget* window) {
        QObject::connect(window, &QWidget::windowTitleChanged, &guard_,
                         [this](const QString& title) { shown << title; });
    }
    QStringList shown;

private:
    QObject guard_;
};

// Does what a user does to start a navigation, then checks the busy caption:
// "Working..." from that moment until the page's name replaces it, with
// nothing between, and the busy timer running exactly as long.
void ExpectBusyUntil(QWidget* browser, const std::function<void()>& userAction,
                     const QString& pageName) {
    Captions captions(browser);
    userAction();
    QCOMPARE(browser->windowTitle(), kWorking);
    QVERIFY(BusyTimer(browser)->isActive());
    WAIT_COMPARE(browser->windowTitle(), pageName);
    // Every caption shown, when another came between.
    QVERIFY2(captions.shown == (QStringList{kWorking, pageName}),
             qPrintable(captions.shown.join(QStringLiteral(" | "))));
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    QCOMPARE(browser->windowTitle(), pageName);
}

}  // namespace

class TestBrowser : public QObject {
    Q_OBJECT

private slots:
    void searchRequestCarriesThePhrase_data();
    void searchRequestCarriesThePhrase();
    void searchIsSentInTheDeclaredEncoding_data();
    void searchIsSentInTheDeclaredEncoding();
    void searchDoesNotStartTheBusyTimer();
    void enterInTheAddressBox();
    void historyAndAddressBox();
    void busyCaptionWhileLoading_data();
    void busyCaptionWhileLoading();
    void captionFollowsThePageName();
    void stopEndsTheBusyCaption();
    void navigationsThatLoadNothingEndTheBusyState();
    void backAndForwardAcrossTheStartPage();
    void backIntoPagesTheEngineSkips();
    void backWithoutHistoryDoesNothing();
    void keysShownInTheTooltips();
    void keysDoWhatTheButtonsDo_data();
    void keysDoWhatTheButtonsDo();
    void editingKeysStayEditingKeys();
    void survivesItsRenderProcess();
    void renderProcessDiesDuringALoad();
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
    QCOMPARE(FormValue(target, "ie"), QStringLiteral("UTF-8"));
    QCOMPARE(FormValue(target, "oe"), QStringLiteral("UTF-8"));
    QCOMPARE(FormValue(target, "hl"), QStringLiteral("en"));
    QCOMPARE(FormValue(target, "cof"),
             QStringLiteral("GALT:#008000;GL:1;DIV:#336699;VLC:663399;AH:center;BGC:FFFFFF;"
                            "LBGC:336699;ALC:0000FF;LC:0000FF;T:000000;GFNT:0000FF;GIMP:0000FF;"
                            "FORID:1;"));
    // The results page comes up and nothing submits the form a second time.
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /custom"));
    Spin(200);
    QCOMPARE(server.pages().size(), 1);
}

void TestBrowser::searchIsSentInTheDeclaredEncoding_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("sent");
    // Every script arrives as its UTF-8 bytes, as the form declares: never
    // as character references, never as Latin-1 bytes.
    QTest::newRow("Zurich") << QStringLiteral("Z\u00fcrich") << "Z%C3%BCrich";
    QTest::newRow("Sao Paulo") << QStringLiteral("S\u00e3o Paulo") << "S%C3%A3o+Paulo";
    QTest::newRow("Lodz") << QStringLiteral("\u0141\u00f3d\u017a") << "%C5%81%C3%B3d%C5%BA";
    QTest::newRow("Tokyo") << QStringLiteral("\u6771\u4eac") << "%E6%9D%B1%E4%BA%AC";
    QTest::newRow("Cairo") << QStringLiteral("\u0627\u0644\u0642\u0627\u0647\u0631\u0629")
                           << "%D8%A7%D9%84%D9%82%D8%A7%D9%87%D8%B1%D8%A9";
    QTest::newRow("emoji") << QStringLiteral("\U0001F30D x") << "%F0%9F%8C%8D+x";
    QTest::newRow("euro sign") << QStringLiteral("\u20ac") << "%E2%82%AC";
}

void TestBrowser::searchIsSentInTheDeclaredEncoding() {
    QFETCH(QString, place);
    QFETCH(QString, sent);
    LoopbackServer server;
    const QString phrase = QStringLiteral("Latitude Longitude ") + place;
    std::unique_ptr<QWidget> browser(createBrowser(phrase, gUrls, server.settings()));
    browser->show();
    QVERIFY(WaitForSearch(server));

    const QString target = server.pages().constFirst();
    QCOMPARE(RawFormValue(target, "q"), QStringLiteral("Latitude+Longitude+") + sent);
    // What a provider reading the declared encoding makes of it.
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(RawFormValue(target, "q").toLatin1().replace('+', ' '));
    QCOMPARE(QString::fromUtf8(bytes), phrase);
    QCOMPARE(RawFormValue(target, "ie"), QStringLiteral("UTF-8"));
    QCOMPARE(RawFormValue(target, "oe"), QStringLiteral("UTF-8"));
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /custom"));
    QCOMPARE(server.pages().size(), 1);
}

void TestBrowser::searchDoesNotStartTheBusyTimer() {
    LoopbackServer server;
    server.delayMs = 300;  // a search that takes a while
    bool timerRan = false;
    auto browser = std::make_unique<FrmBrowser>(QStringLiteral("Latitude Longitude x"), gUrls,
                                                server.settings());
    Captions captions(browser.get());
    QTimer* timer = BusyTimer(browser.get());
    QObject::connect(browser->view(), &QWebEngineView::loadStarted, browser.get(),
                     [&] { timerRan |= timer->isActive(); });
    QObject::connect(browser->view(), &QWebEngineView::loadFinished, browser.get(),
                     [&] { timerRan |= timer->isActive(); });
    QObject::connect(browser.get(), &QWidget::windowTitleChanged, browser.get(),
                     [&] { timerRan |= timer->isActive(); });
    browser->show();
    QVERIFY(ShowsResults(browser.get(), server));
    QVERIFY(!timerRan);
    QVERIFY(!timer->isActive());
    QVERIFY2(!captions.shown.contains(kWorking), qPrintable(captions.shown.join(" | ")));
}

void TestBrowser::enterInTheAddressBox() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    WAIT_COMPARE(History(browser).size(), 1);
    const QString results = History(browser).constFirst();
    QVERIFY(Activate(browser));

    // Clicking into the box leaves the keyboard focus on the box itself.
    auto* box = Child<QComboBox>(browser, "cboAddress");
    QSignalSpy chosen(box, &QComboBox::activated);
    QWidget* focus = ClickIntoAddressBox(browser);
    QCOMPARE(focus, box);

    // Enter goes to the typed address, once.
    const QString two = server.url(QStringLiteral("/two")).toString();
    TypeAddress(focus, two);
    QCOMPARE(box->currentText(), two);
    CHECKED(ExpectBusyUntil(
        browser, [&] { QTest::keyClick(focus, Qt::Key_Return); }, QStringLiteral("Page /two")));
    QCOMPARE(History(browser), (QStringList{two, results}));
    QCOMPARE(server.requests(QStringLiteral("/two")), 1);

    // Keypad Enter goes to the text as typed, even where it differs from an
    // entry of the list only in case, and does not choose that entry too.
    const QString upper = server.url(QStringLiteral("/TWO")).toString();
    TypeAddress(focus, upper);
    QCOMPARE(box->currentText(), upper);
    CHECKED(ExpectBusyUntil(
        browser, [&] { QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier); },
        QStringLiteral("Page /TWO")));
    QCOMPARE(History(browser), (QStringList{upper, two, results}));
    QCOMPARE(server.requests(QStringLiteral("/TWO")), 1);
    QCOMPARE(server.requests(QStringLiteral("/two")), 1);

    // An address already in the list: one navigation, and the entry moves
    // to the top instead of appearing twice.
    TypeAddress(focus, two);
    CHECKED(ExpectBusyUntil(
        browser, [&] { QTest::keyClick(focus, Qt::Key_Return); }, QStringLiteral("Page /two")));
    QCOMPARE(History(browser), (QStringList{two, upper, results}));
    Spin(200);
    QCOMPARE(server.requests(QStringLiteral("/two")), 2);
    QCOMPARE(chosen.count(), 0);  // the box's own Enter handling never ran
    QCOMPARE(server.pages().size(), 4);
}

void TestBrowser::historyAndAddressBox() {
    LoopbackServer server;
    auto* browser = static_cast<FrmBrowser*>(
        createBrowser(QStringLiteral("Latitude Longitude x"), gUrls, server.settings()));
    std::unique_ptr<QWidget> owner(browser);
    browser->show();
    QVERIFY(WaitForSearch(server));
    WAIT_COMPARE(History(browser).size(), 1);
    const QString results = History(browser).constFirst();
    QVERIFY(results.contains(QLatin1String("/custom?")));
    QCOMPARE(server.pages().size(), 1);  // putting it in the list did not navigate
    QVERIFY(Activate(browser));

    QWidget* focus = ClickIntoAddressBox(browser);
    const QString two = server.url(QStringLiteral("/two")).toString();
    TypeAddress(focus, two);
    QTest::keyClick(focus, Qt::Key_Return);
    WAIT_COMPARE(History(browser), (QStringList{two, results}));
    QVERIFY(!History(browser).contains(QStringLiteral("about:blank")));

    // Choosing an entry from the open list navigates to it.
    auto* box = Child<QComboBox>(browser, "cboAddress");
    const int before = server.pages().size();
    box->showPopup();
    QVERIFY(WaitFor([&] { return box->view()->isVisible(); }));
    QTest::keyClick(box->view(), Qt::Key_Down);
    CHECKED(ExpectBusyUntil(
        browser, [&] { QTest::keyClick(box->view(), Qt::Key_Return); },
        QStringLiteral("Page /custom")));
    QCOMPARE(History(browser), (QStringList{results, two}));
    Spin(200);
    QCOMPARE(server.pages().size(), before + 1);

    // Home and Search open their fixed pages.
    ToolButton(browser, "Home")->trigger();
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /home"));
    ToolButton(browser, "Search")->trigger();
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /search"));
    ToolButton(browser, "Back")->trigger();
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /home"));
    ToolButton(browser, "Forward")->trigger();
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /search"));
    QCOMPARE(History(browser).mid(0, 2),
             (QStringList{server.url(QStringLiteral("/search")).toString(),
                          server.url(QStringLiteral("/home")).toString()}));
}

void TestBrowser::busyCaptionWhileLoading_data() {
    QTest::addColumn<int>("delayMs");
    // A page that answers at once used to finish before the engine had
    // reported it busy; one that takes a while shows the caption for long.
    QTest::newRow("instant page") << 0;
    QTest::newRow("slow page") << 300;
}

void TestBrowser::busyCaptionWhileLoading() {
    QFETCH(int, delayMs);
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    QVERIFY(Activate(browser));
    server.delayMs = delayMs;

    const auto click = [browser](const char* key) {
        return [browser, key] { ToolButton(browser, key)->trigger(); };
    };
    CHECKED(ExpectBusyUntil(browser, click("Home"), QStringLiteral("Page /home")));
    CHECKED(ExpectBusyUntil(browser, click("Search"), QStringLiteral("Page /search")));
    CHECKED(ExpectBusyUntil(browser, click("Back"), QStringLiteral("Page /home")));
    CHECKED(ExpectBusyUntil(browser, click("Forward"), QStringLiteral("Page /search")));
    CHECKED(ExpectBusyUntil(browser, click("Refresh"), QStringLiteral("Page /search")));

    QWidget* focus = ClickIntoAddressBox(browser);
    TypeAddress(focus, server.url(QStringLiteral("/typed")).toString());
    CHECKED(ExpectBusyUntil(
        browser, [&] { QTest::keyClick(focus, Qt::Key_Return); }, QStringLiteral("Page /typed")));
    // The same, many times over: every navigation shows it.
    for (int i = 0; i < 5; ++i) {
        CHECKED(ExpectBusyUntil(browser, click("Home"), QStringLiteral("Page /home")));
        CHECKED(ExpectBusyUntil(browser, click("Refresh"), QStringLiteral("Page /home")));
        CHECKED(ExpectBusyUntil(browser, click("Back"), QStringLiteral("Page /typed")));
    }
}

void TestBrowser::captionFollowsThePageName() {
    // A page that takes its name only after it has loaded, as a busy
    // machine's engine may also tell it late: the caption follows.
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    QVERIFY(Activate(browser));
    QWidget* focus = ClickIntoAddressBox(browser);
    TypeAddress(focus, server.url(QStringLiteral("/renamed")).toString());
    CHECKED(ExpectBusyUntil(
        browser, [&] { QTest::keyClick(focus, Qt::Key_Return); }, QStringLiteral("Page /renamed")));
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Renamed"));
    QVERIFY(!BusyTimer(browser)->isActive());
}

void TestBrowser::stopEndsTheBusyCaption() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    QVERIFY(Activate(browser));
    QTimer* timer = BusyTimer(browser);

    // Stop, clicked while a page is on its way, ends the busy caption at once.
    server.hold();
    ToolButton(browser, "Home")->trigger();
    QCOMPARE(browser->windowTitle(), kWorking);
    QVERIFY(WaitFor([&] { return server.requests(QStringLiteral("/home")) == 1; }));
    QCOMPARE(browser->windowTitle(), kWorking);
    ToolButton(browser, "Stop")->trigger();
    QVERIFY(!timer->isActive());
    QCOMPARE(browser->windowTitle(), QStringLiteral("Page /custom"));
    Spin(100);
    QCOMPARE(browser->windowTitle(), QStringLiteral("Page /custom"));

    // Esc does the same while a page loads, wherever the focus is.
    for (const bool inPage : {false, true}) {
        QWidget* focus = inPage ? ClickIntoPage(browser) : ClickIntoAddressBox(browser);
        QVERIFY(focus);
        ToolButton(browser, "Refresh")->trigger();
        QCOMPARE(browser->windowTitle(), kWorking);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!timer->isActive());
        QCOMPARE(browser->windowTitle(), QStringLiteral("Page /custom"));
    }

    // With nothing loading, Esc is left to the widget that has the focus.
    auto* stopKey = browser->findChild<QAction*>(QStringLiteral("stopKey"));
    QVERIFY(stopKey);
    QSignalSpy stopped(stopKey, &QAction::triggered);
    Spin(50);
    QTest::keyClick(ClickIntoAddressBox(browser), Qt::Key_Escape);
    QCOMPARE(stopped.count(), 0);
    ToolButton(browser, "Refresh")->trigger();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(stopped.count(), 1);
}

void TestBrowser::navigationsThatLoadNothingEndTheBusyState() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    QVERIFY(Activate(browser));
    QWidget* focus = ClickIntoAddressBox(browser);
    const QString two = server.url(QStringLiteral("/two")).toString();
    TypeAddress(focus, two);
    QTest::keyClick(focus, Qt::Key_Return);
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /two"));
    const int requests = server.pages().size();

    // A move to an anchor of the page shown loads nothing; the busy caption
    // ends all the same, and so do Back and Forward between the anchors.
    TypeAddress(focus, two + QStringLiteral("#here"));
    CHECKED(ExpectBusyUntil(
        browser, [&] { QTest::keyClick(focus, Qt::Key_Return); }, QStringLiteral("Page /two")));
    QCOMPARE(browser->view()->url().fragment(), QStringLiteral("here"));
    CHECKED(ExpectBusyUntil(
        browser, [&] { ToolButton(browser, "Back")->trigger(); }, QStringLiteral("Page /two")));
    QCOMPARE(browser->view()->url().fragment(), QString());
    CHECKED(ExpectBusyUntil(
        browser, [&] { ToolButton(browser, "Forward")->trigger(); }, QStringLiteral("Page /two")));
    QCOMPARE(browser->view()->url().fragment(), QStringLiteral("here"));
    QCOMPARE(server.pages().size(), requests);

    // A script address runs in the page and loads nothing: never busy.
    Captions captions(browser);
    TypeAddress(focus, QStringLiteral("javascript:void(0)"));
    QTest::keyClick(focus, Qt::Key_Return);
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    QCOMPARE(browser->windowTitle(), QStringLiteral("Page /two"));
    QVERIFY(!captions.shown.contains(kWorking));

    // Forward with nothing ahead: the timer starts, finds nothing loading
    // and stops, and the caption stays.
    ToolButton(browser, "Forward")->trigger();
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    QCOMPARE(browser->windowTitle(), QStringLiteral("Page /two"));
    QVERIFY(!captions.shown.contains(kWorking));
    QCOMPARE(server.pages().size(), requests);
}

void TestBrowser::backAndForwardAcrossTheStartPage() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    QVERIFY(Activate(browser));
    const QString results = QStringLiteral("Page /custom");
    QWidget* focus = ClickIntoAddressBox(browser);

    // From the first results page, Back and Forward have nowhere to go: the
    // start page before it is not a page of the user's. The busy state
    // ends at once, by the button and by its key.
    for (int round = 0; round < 2; ++round) {
        Captions captions(browser);
        ToolButton(browser, "Back")->trigger();
        Press(focus, FrmBrowser::buttonKeys(QStringLiteral("Back")).constFirst());
        ToolButton(browser, "Forward")->trigger();
        WAIT_VERIFY(!BusyTimer(browser)->isActive());
        QCOMPARE(browser->windowTitle(), results);
        QVERIFY2(!captions.shown.contains(kWorking), qPrintable(captions.shown.join(" | ")));
    }

    // With a page of the user's after it, Back returns to the results and
    // stops there; Forward goes on to that page again.
    TypeAddress(focus, server.url(QStringLiteral("/two")).toString());
    CHECKED(ExpectBusyUntil(
        browser, [&] { QTest::keyClick(focus, Qt::Key_Return); }, QStringLiteral("Page /two")));
    CHECKED(ExpectBusyUntil(
        browser, [&] { ToolButton(browser, "Back")->trigger(); }, results));
    Captions captions(browser);
    ToolButton(browser, "Back")->trigger();
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    QCOMPARE(browser->windowTitle(), results);
    QVERIFY2(!captions.shown.contains(kWorking), qPrintable(captions.shown.join(" | ")));
    CHECKED(ExpectBusyUntil(
        browser, [&] { ToolButton(browser, "Forward")->trigger(); }, QStringLiteral("Page /two")));
}

void TestBrowser::backIntoPagesTheEngineSkips() {
    // The search's results page goes on by itself, a moment after it has
    // loaded: neither it nor the start page is a page of the user's, and the
    // engine goes back to neither. It sends no signal for the Back it
    // ignores; the busy state ends once the engine has had time to begin a
    // navigation, and the caption stays.
    LoopbackServer server;
    BrowserSettings settings = server.settings();
    settings.searchEndpoint = server.url(QStringLiteral("/jump"));
    const auto owner = OpenBrowser(settings);
    FrmBrowser* browser = owner.get();
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /landing"));
    QVERIFY(Activate(browser));
    Captions captions(browser);
    QVERIFY(browser->view()->history()->canGoBack());
    QCOMPARE(browser->view()->history()->backItem().url().path(), QStringLiteral("/jump"));
    ToolButton(browser, "Back")->trigger();
    QCOMPARE(browser->windowTitle(), kWorking);
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    QCOMPARE(captions.shown, (QStringList{kWorking, QStringLiteral("Page /landing")}));
    QCOMPARE(browser->view()->url().path(), QStringLiteral("/landing"));
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
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    QCOMPARE(browser->windowTitle(), QStringLiteral("Page /custom"));
    QCOMPARE(server.pages().size(), 1);
}

void TestBrowser::keysShownInTheTooltips() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    const auto tip = [browser](const char* key) { return ToolButton(browser, key)->toolTip(); };
    QVERIFY2(tip("Back").startsWith(QLatin1String("Back (Alt+Left")), qPrintable(tip("Back")));
    QVERIFY2(tip("Forward").startsWith(QLatin1String("Forward (Alt+Right")),
             qPrintable(tip("Forward")));
    QVERIFY2(tip("Refresh").startsWith(QLatin1String("Refresh (F5, Ctrl+R")),
             qPrintable(tip("Refresh")));
    QCOMPARE(tip("Stop"), QStringLiteral("Stop (Esc)"));
    QCOMPARE(tip("Home"), QStringLiteral("Home (Alt+Home)"));
    QCOMPARE(tip("Search"), QStringLiteral("Search"));
    QCOMPARE(Child<QComboBox>(browser, "cboAddress")->toolTip(),
             QStringLiteral("Address (Ctrl+L, Alt+D)"));
    // Every key a button answers to is named in its tooltip.
    for (const char* key : {"Back", "Forward", "Refresh", "Stop", "Home"}) {
        for (const QKeySequence& sequence : FrmBrowser::buttonKeys(QLatin1String(key)))
            QVERIFY(tip(key).contains(sequence.toString(QKeySequence::NativeText)));
    }
}

void TestBrowser::keysDoWhatTheButtonsDo_data() {
    QTest::addColumn<bool>("inPage");
    QTest::newRow("focus in the address box") << false;
    QTest::newRow("focus in the page") << true;
}

void TestBrowser::keysDoWhatTheButtonsDo() {
    QFETCH(bool, inPage);
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    QVERIFY(Activate(browser));
    auto* box = Child<QComboBox>(browser, "cboAddress");
    // Puts the keyboard focus where this run types its keys.
    const auto focusWhere = [&] {
        QWidget* focus = inPage ? ClickIntoPage(browser) : ClickIntoAddressBox(browser);
        QVERIFY(focus);
        if (inPage)
            QVERIFY(browser->view()->isAncestorOf(focus));
        else
            QCOMPARE(focus, box);
    };
    const auto press = [](const QKeySequence& key) {
        return [key] { Press(QApplication::focusWidget(), key); };
    };
    const QList<QKeySequence> back = FrmBrowser::buttonKeys(QStringLiteral("Back"));
    const QList<QKeySequence> forward = FrmBrowser::buttonKeys(QStringLiteral("Forward"));
    const QList<QKeySequence> refresh = FrmBrowser::buttonKeys(QStringLiteral("Refresh"));
    const QList<QKeySequence> home = FrmBrowser::buttonKeys(QStringLiteral("Home"));
    QVERIFY(back.contains(QKeySequence(Qt::ALT | Qt::Key_Left)));
    QVERIFY(forward.contains(QKeySequence(Qt::ALT | Qt::Key_Right)));
    QVERIFY(refresh.contains(QKeySequence(Qt::Key_F5)));
    QVERIFY(refresh.contains(QKeySequence(Qt::CTRL | Qt::Key_R)));
    QCOMPARE(home, (QList<QKeySequence>{QKeySequence(Qt::ALT | Qt::Key_Home)}));

    CHECKED(focusWhere());
    CHECKED(ExpectBusyUntil(browser, press(home.constFirst()), QStringLiteral("Page /home")));
    ToolButton(browser, "Search")->trigger();
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /search"));
    for (const QKeySequence& key : back) {
        CHECKED(focusWhere());
        CHECKED(ExpectBusyUntil(browser, press(key), QStringLiteral("Page /home")));
        CHECKED(focusWhere());
        CHECKED(
            ExpectBusyUntil(browser, press(forward.constFirst()), QStringLiteral("Page /search")));
    }
    for (const QKeySequence& key : forward) {
        CHECKED(focusWhere());
        CHECKED(ExpectBusyUntil(browser, press(back.constFirst()), QStringLiteral("Page /home")));
        CHECKED(focusWhere());
        CHECKED(ExpectBusyUntil(browser, press(key), QStringLiteral("Page /search")));
    }
    for (const QKeySequence& key : refresh) {
        const int before = server.requests(QStringLiteral("/search"));
        CHECKED(focusWhere());
        CHECKED(ExpectBusyUntil(browser, press(key), QStringLiteral("Page /search")));
        QCOMPARE(server.requests(QStringLiteral("/search")), before + 1);
    }

    // Ctrl+L and Alt+D take the keyboard to the address box, its text
    // selected, ready to be typed over.
    for (const QKeySequence& key : FrmBrowser::addressKeys()) {
        CHECKED(focusWhere());
        if (!inPage) {
            QTest::keyClick(box, Qt::Key_End);
            QVERIFY(!box->lineEdit()->hasSelectedText());
        }
        Press(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(box->lineEdit()->hasSelectedText());
        QCOMPARE(box->lineEdit()->selectedText(), box->currentText());
        QTest::keyClicks(QApplication::focusWidget(), server.url(QStringLiteral("/k")).toString());
        QCOMPARE(box->currentText(), server.url(QStringLiteral("/k")).toString());
    }
}

void TestBrowser::editingKeysStayEditingKeys() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    QVERIFY(Activate(browser));
    auto* box = Child<QComboBox>(browser, "cboAddress");
    QWidget* focus = ClickIntoAddressBox(browser);
    TypeAddress(focus, server.url(QStringLiteral("/field")).toString());
    QTest::keyClick(focus, Qt::Key_Return);
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /field"));
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    const int requests = server.pages().size();
    Captions captions(browser);

    // Backspace and Shift+Backspace, which some desktops give Back and
    // Forward, edit the address box's text; so do the arrows without Alt.
    TypeAddress(focus, QStringLiteral("abcd"));
    QTest::keyClick(focus, Qt::Key_Backspace);
    QCOMPARE(box->currentText(), QStringLiteral("abc"));
    QTest::keyClick(focus, Qt::Key_Left);
    QTest::keyClick(focus, Qt::Key_Backspace, Qt::ShiftModifier);
    QCOMPARE(box->currentText(), QStringLiteral("ac"));
    QTest::keyClick(focus, Qt::Key_Home);
    QTest::keyClick(focus, Qt::Key_Delete);
    QCOMPARE(box->currentText(), QStringLiteral("c"));

    // And a text field of the page. The engine places a click only once
    // it has drawn the page, so the click is repeated until it lands.
    QWidget* page = browser->view()->focusProxy();
    QVERIFY(page);
    QString value;
    const auto fieldValue = [&] {
        bool answered = false;
        browser->view()->page()->runJavaScript(
            QStringLiteral("document.activeElement.id + ':' + document.getElementById('field')"
                           ".value"),
            [&](const QVariant& result) {
                value = result.toString();
                answered = true;
            });
        WaitFor([&] { return answered; });
        return value;
    };
    QVERIFY(WaitFor([&] {
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(100, 20));
        return fieldValue() == QLatin1String("field:abcd");
    }));
    QVERIFY(QApplication::focusWidget() == page);
    QTest::keyClick(page, Qt::Key_End);
    QTest::keyClick(page, Qt::Key_Backspace);
    WAIT_COMPARE(fieldValue(), QStringLiteral("field:abc"));
    QTest::keyClick(page, Qt::Key_Backspace, Qt::ShiftModifier);
    WAIT_COMPARE(fieldValue(), QStringLiteral("field:ab"));

    // Nor do they go back or forward from elsewhere in the page.
    QVERIFY(ClickIntoPage(browser) == page);
    WAIT_COMPARE(fieldValue(), QStringLiteral(":ab"));
    QTest::keyClick(page, Qt::Key_Backspace);
    QTest::keyClick(page, Qt::Key_Backspace, Qt::ShiftModifier);

    Spin(300);
    QVERIFY2(captions.shown.isEmpty(), qPrintable(captions.shown.join(QLatin1String(" | "))));
    QVERIFY(!BusyTimer(browser)->isActive());
    QCOMPARE(browser->view()->url(), server.url(QStringLiteral("/field")));
    QCOMPARE(server.pages().size(), requests);
}

void TestBrowser::survivesItsRenderProcess() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    WAIT_COMPARE(History(browser).size(), 1);
    const QStringList history = History(browser);
    const QString results = server.pages().constFirst();

    QWebEnginePage* page = browser->view()->page();
    QSignalSpy terminated(page, &QWebEnginePage::renderProcessTerminated);
    Captions captions(browser);
    const qint64 pid = page->renderProcessPid();
    QVERIFY(pid > 0);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    QVERIFY(terminated.wait(kPatienceMs));
    QVERIFY(browser->isVisible());

    // A notice says what happened and what to do, in the page's place; the
    // caption and the address list stay as they were.
    auto* notice = browser->findChild<QLabel*>(QStringLiteral("stoppedNotice"));
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY(!browser->view()->isVisible());
    QVERIFY2(notice->text().contains(QLatin1String("stopped working")), qPrintable(notice->text()));
    QVERIFY(notice->text().contains(QLatin1String("Refresh")));
    QVERIFY(notice->text().contains(QLatin1String("Home")));
    Spin(200);
    QCOMPARE(browser->windowTitle(), QStringLiteral("Page /custom"));
    QVERIFY(captions.shown.isEmpty());
    QCOMPARE(History(browser), history);

    // Refresh loads the page that stopped, not the notice.
    CHECKED(ExpectBusyUntil(
        browser, [&] { ToolButton(browser, "Refresh")->trigger(); },
        QStringLiteral("Page /custom")));
    QCOMPARE(server.requests(results), 2);
    QVERIFY(browser->view()->isVisible());
    QVERIFY(!notice->isVisible());
    QCOMPARE(History(browser), history);

    // Again, and Home this time.
    const qint64 second = page->renderProcessPid();
    QVERIFY(second > 0);
    ::kill(static_cast<pid_t>(second), SIGKILL);
    QVERIFY(terminated.wait(kPatienceMs));
    QVERIFY(notice->isVisible());
    CHECKED(ExpectBusyUntil(
        browser, [&] { ToolButton(browser, "Home")->trigger(); }, QStringLiteral("Page /home")));
    QVERIFY(browser->view()->isVisible());
    QVERIFY(!notice->isVisible());

    // A page that crashes its render process by itself.
    browser->view()->load(QUrl(QStringLiteral("chrome://crash")));
    QVERIFY(terminated.wait(kPatienceMs));
    QVERIFY(notice->isVisible());
    QCOMPARE(browser->windowTitle(), QStringLiteral("Page /home"));
    CHECKED(ExpectBusyUntil(
        browser, [&] { ToolButton(browser, "Search")->trigger(); },
        QStringLiteral("Page /search")));
    QVERIFY(!notice->isVisible());
}

void TestBrowser::renderProcessDiesDuringALoad() {
    LoopbackServer server;
    const auto owner = OpenBrowser(server.settings());
    FrmBrowser* browser = owner.get();
    QVERIFY(ShowsResults(browser, server));
    QWebEnginePage* page = browser->view()->page();
    QSignalSpy terminated(page, &QWebEnginePage::renderProcessTerminated);

    server.hold();
    ToolButton(browser, "Home")->trigger();
    QCOMPARE(browser->windowTitle(), kWorking);
    QVERIFY(WaitFor([&] { return server.requests(QStringLiteral("/home")) == 1; }));
    const qint64 pid = page->renderProcessPid();
    QVERIFY(pid > 0);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    QVERIFY(terminated.wait(kPatienceMs));
    // The busy caption ends with the page shown, never left standing.
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    QVERIFY(browser->windowTitle() != kWorking);
    // The page on its way still arrives, in a fresh render process, and
    // takes the notice's place once loaded.
    server.release();
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /home"));
    WAIT_VERIFY(browser->view()->isVisible());
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
    QVERIFY(finished.wait(kPatienceMs));
    QVERIFY(browser->isVisible());
    WAIT_VERIFY(!BusyTimer(browser)->isActive());
    QVERIFY(browser->windowTitle() != kWorking);
    // Still usable afterwards.
    ToolButton(browser, "Search")->trigger();
    WAIT_COMPARE(browser->windowTitle(), QStringLiteral("Page /search"));
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
