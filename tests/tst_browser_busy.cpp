// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in browser's busy state, fed the web engine's reports in every
// order the engine sends them, on a clock the test moves: no window, no
// web engine.

#include <QtTest>

#include "browser/browser_busy.h"

using namespace asterine;

namespace {

const QUrl kHome(QStringLiteral("http://127.0.0.1/home"));
const QUrl kSearch(QStringLiteral("http://127.0.0.1/search"));
const QUrl kAnchor(QStringLiteral("http://127.0.0.1/search#here"));

// A busy state on a clock of the test's own, and the page it shows.
struct Browser {
    qint64 now = 1000;
    BrowserBusy busy{[this] { return now; }};

    Browser() {
        // The search page shown, loaded by the engine of itself.
        busy.urlChanged(kSearch);
        busy.loadStarted(kSearch);
        busy.loadFinished(kSearch);
    }
    void wait(qint64 ms) { now += ms; }
};

}  // namespace

class TestBrowserBusy : public QObject {
    Q_OBJECT

private slots:
    void idleAtFirst();
    void busyFromTheRequestToTheEndOfTheLoad_data();
    void busyFromTheRequestToTheEndOfTheLoad();
    void aStartToldAfterTheEndBeginsNothing();
    void aSlowEngineKeepsTheRequest();
    void aNavigationNeverBegunEnds();
    void aLoadWhoseEndIsNeverToldEnds();
    void movesWithinThePageEndTheRequest();
    void anotherPagesAddressEndsNothing();
    void stopEndsEverything();
    void loadsOfTheEnginesOwnAreBusy();
};

void TestBrowserBusy::idleAtFirst() {
    Browser b;
    QVERIFY(!b.busy.busy());
    BrowserBusy fresh;  // on the process's own clock
    QVERIFY(!fresh.busy());
    fresh.navigationRequested();
    QVERIFY(fresh.busy());
    fresh.check(false);
    QVERIFY(fresh.busy());  // the engine has had no time to begin
}

void TestBrowserBusy::busyFromTheRequestToTheEndOfTheLoad_data() {
    QTest::addColumn<bool>("addressFirst");
    QTest::addColumn<bool>("engineAsked");
    // The engine may tell the new address before the load, or after it.
    QTest::newRow("address, then start") << true << false;
    QTest::newRow("start, then address") << false << false;
    QTest::newRow("address first, engine asked between") << true << true;
    QTest::newRow("start first, engine asked between") << false << true;
}

void TestBrowserBusy::busyFromTheRequestToTheEndOfTheLoad() {
    QFETCH(bool, addressFirst);
    QFETCH(bool, engineAsked);
    Browser b;
    b.busy.navigationRequested();
    QVERIFY(b.busy.busy());
    if (engineAsked) {
        b.wait(10);
        b.busy.check(false);  // not begun yet
        QVERIFY(b.busy.busy());
    }
    if (addressFirst)
        b.busy.urlChanged(kHome);
    b.busy.loadStarted(kHome);
    QVERIFY(b.busy.busy());
    if (!addressFirst)
        b.busy.urlChanged(kHome);
    QVERIFY(b.busy.busy());
    b.busy.loadProgress(10);
    if (engineAsked) {
        b.wait(10);
        b.busy.check(true);
    }
    b.busy.loadProgress(100);
    QVERIFY(b.busy.busy());
    b.busy.loadFinished(kHome);
    QVERIFY(!b.busy.busy());
    b.busy.check(false);
    QVERIFY(!b.busy.busy());
}

void TestBrowserBusy::aStartToldAfterTheEndBeginsNothing() {
    // A page that answers at once: the engine may tell its end first.
    Browser b;
    b.busy.navigationRequested();
    b.busy.urlChanged(kHome);
    b.busy.loadFinished(kHome);
    QVERIFY(!b.busy.busy());
    b.busy.loadStarted(kHome);
    QVERIFY(!b.busy.busy());
    // The next request of the same page is a load again.
    b.busy.navigationRequested();
    b.busy.loadStarted(kHome);
    QVERIFY(b.busy.busy());
    b.busy.loadFinished(kHome);
    QVERIFY(!b.busy.busy());
    // And a page that goes on by itself to another is busy while it loads.
    b.busy.loadStarted(kSearch);
    QVERIFY(b.busy.busy());
    b.busy.loadFinished(kSearch);
    QVERIFY(!b.busy.busy());
}

void TestBrowserBusy::aSlowEngineKeepsTheRequest() {
    // An engine on a loaded machine begins late: the request stands for
    // all the time it may take, asked many times over.
    Browser b;
    b.busy.navigationRequested();
    for (qint64 waited = 0; waited + 5 < BrowserBusy::kEngineSilenceMs; waited += 5) {
        b.wait(5);
        b.busy.check(false);
        QVERIFY2(b.busy.busy(), qPrintable(QString::number(waited)));
    }
    // The engine at work on it gives it the time again.
    b.busy.check(true);
    b.wait(BrowserBusy::kEngineSilenceMs - 1);
    b.busy.check(false);
    QVERIFY(b.busy.busy());
    b.busy.loadProgress(0);
    b.wait(BrowserBusy::kEngineSilenceMs - 1);
    b.busy.check(false);
    QVERIFY(b.busy.busy());
    b.busy.loadStarted(kHome);
    b.busy.loadFinished(kHome);
    QVERIFY(!b.busy.busy());
}

void TestBrowserBusy::aNavigationNeverBegunEnds() {
    // A Back into a page the engine skips: no signal at all.
    Browser b;
    b.busy.navigationRequested();
    b.wait(BrowserBusy::kEngineSilenceMs - 1);
    b.busy.check(false);
    QVERIFY(b.busy.busy());
    b.wait(1);
    b.busy.check(false);
    QVERIFY(!b.busy.busy());
    // Only when asked: the clock alone changes nothing.
    b.busy.navigationRequested();
    b.wait(10 * BrowserBusy::kEngineSilenceMs);
    QVERIFY(b.busy.busy());
    b.busy.check(false);
    QVERIFY(!b.busy.busy());
}

void TestBrowserBusy::aLoadWhoseEndIsNeverToldEnds() {
    Browser b;
    b.busy.navigationRequested();
    b.busy.loadStarted(kHome);
    // The engine says it no longer loads a moment before its report of the
    // end comes: still busy then.
    b.busy.check(false);
    b.wait(BrowserBusy::kEngineSilenceMs / 2);
    b.busy.check(false);
    QVERIFY(b.busy.busy());
    // Loading again: the silence starts over.
    b.busy.check(true);
    b.wait(BrowserBusy::kEngineSilenceMs / 2 + 1);
    b.busy.check(false);
    QVERIFY(b.busy.busy());
    b.wait(BrowserBusy::kEngineSilenceMs);
    b.busy.check(false);
    QVERIFY(!b.busy.busy());
}

void TestBrowserBusy::movesWithinThePageEndTheRequest() {
    Browser b;
    b.busy.navigationRequested();
    b.busy.urlChanged(kAnchor);
    QVERIFY(!b.busy.busy());
    // Back and Forward between the anchors.
    b.busy.navigationRequested();
    b.busy.urlChanged(kSearch);
    QVERIFY(!b.busy.busy());
    b.busy.navigationRequested();
    b.busy.urlChanged(kAnchor);
    QVERIFY(!b.busy.busy());
    // During a load the address ends nothing.
    b.busy.navigationRequested();
    b.busy.loadStarted(kSearch);
    b.busy.urlChanged(kSearch);
    QVERIFY(b.busy.busy());
}

void TestBrowserBusy::anotherPagesAddressEndsNothing() {
    Browser b;
    b.busy.navigationRequested();
    b.busy.urlChanged(kHome);
    QVERIFY(b.busy.busy());
    b.wait(BrowserBusy::kEngineSilenceMs - 1);
    b.busy.check(false);
    QVERIFY(b.busy.busy());
    b.busy.loadStarted(kHome);
    b.busy.loadFinished(kHome);
    QVERIFY(!b.busy.busy());
}

void TestBrowserBusy::stopEndsEverything() {
    Browser b;
    b.busy.navigationRequested();
    b.busy.stopped();
    QVERIFY(!b.busy.busy());
    b.busy.navigationRequested();
    b.busy.loadStarted(kHome);
    b.busy.stopped();
    QVERIFY(!b.busy.busy());
    // The engine's own report of the stopped load comes after.
    b.busy.loadFinished(kSearch);
    QVERIFY(!b.busy.busy());
}

void TestBrowserBusy::loadsOfTheEnginesOwnAreBusy() {
    // A results page that goes on by itself, with no request of the user's.
    Browser b;
    b.busy.loadStarted(kHome);
    QVERIFY(b.busy.busy());
    b.busy.loadFinished(kHome);
    QVERIFY(!b.busy.busy());
}

QTEST_GUILESS_MAIN(TestBrowserBusy)
#include "tst_browser_busy.moc"
