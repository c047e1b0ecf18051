// SPDX-License-Identifier: GPL-3.0-or-later
// Where the windows open: each wholly within the available area of its
// screen, with room for the window manager's frame, at the desktop's font
// and at a 16 pt one. CTest runs it on a 1600×1000 screen at 100 % and at
// 200 %.

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "browser/browser.h"
#include "display/display_form.h"
#include "entry/main_form.h"
#include "formbase/placement.h"
#include "promo/tell_a_friend_form.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

// The window with the frame a window manager adds, as the placement allows for it.
QRect Outer(const QWidget* window) {
    const FrameAllowance frame;
    return window->geometry().adjusted(-frame.left, -frame.top, frame.right, frame.bottom);
}

QString Describe(const QWidget* window) {
    const QRect outer = Outer(window);
    const QRect room = window->screen()->availableGeometry();
    return QStringLiteral("%1 at %2,%3 %4x%5 on %6x%7")
        .arg(window->objectName())
        .arg(outer.x())
        .arg(outer.y())
        .arg(outer.width())
        .arg(outer.height())
        .arg(room.width())
        .arg(room.height());
}

}  // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void geometryWithinTheArea_data();
    void geometryWithinTheArea();
    void everyWindowOnTheScreen_data();
    void everyWindowOnTheScreen();

private:
    std::unique_ptr<Harness> h;
};

void TestPlacement::cleanup() {
    h.reset();
    QApplication::setFont(QFont());
}

void TestPlacement::geometryWithinTheArea_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("expected");
    const QRect area(0, 30, 1600, 970);  // a panel along the top
    // Centred, its frame allowed for: 8 px sides, 40 px title, 8 px bottom.
    QTest::newRow("small") << QSize(400, 300) << area << QRect(600, 381, 400, 300);
    // Exactly as large as the room: flush with every edge.
    QTest::newRow("fits exactly") << QSize(1584, 922) << area << QRect(8, 70, 1584, 922);
    // Larger than the room: its top-left corner, title bar included, in view.
    QTest::newRow("too large") << QSize(2000, 1200) << area << QRect(8, 70, 2000, 1200);
    QTest::newRow("second screen")
        << QSize(400, 300) << QRect(1600, 0, 1280, 1024) << QRect(2040, 378, 400, 300);
}

void TestPlacement::geometryWithinTheArea() {
    QFETCH(QSize, size);
    QFETCH(QRect, area);
    QFETCH(QRect, expected);
    QCOMPARE(placedGeometry(size, area), expected);
    // A window that may change size is made to fit.
    const QSize fitted = fittedSize(size, area);
    QVERIFY(area.contains(placedGeometry(fitted, area).adjusted(-8, -40, 8, 8)));
    QVERIFY(fitted.width() <= size.width() && fitted.height() <= size.height());
}

void TestPlacement::everyWindowOnTheScreen_data() {
    QTest::addColumn<double>("fontSize");
    QTest::newRow("desktop font") << 0.0;
    QTest::newRow("16 pt font") << 16.0;
}

void TestPlacement::everyWindowOnTheScreen() {
    QFETCH(double, fontSize);
    if (fontSize > 0) {
        QFont desktop = QApplication::font();
        desktop.setPointSizeF(fontSize);
        QApplication::setFont(desktop);
    }
    h = std::make_unique<Harness>();
    h->app->setBrowserSettings(
        BrowserSettings{QUrl(QStringLiteral("about:blank")), {}, {}, {}, {}, {}});
    QVERIFY(h->start());
    const QRect room = h->app->mainForm()->screen()->availableGeometry();
    QCOMPARE(room.size(), QSize(1600, 1000));

    QStringList outside;
    const auto check = [&](QWidget* window) {
        QVERIFY(window);
        if (!room.contains(Outer(window)))
            outside << Describe(window);
    };
    FrmMain* main = h->app->mainForm();
    check(main);
    Child<QLineEdit>(main, "txtMCity")->setText(QStringLiteral("Pune"));
    Child<QLineEdit>(main, "txtMState")->setText(QStringLiteral("Maharashtra"));
    Child<QLineEdit>(main, "txtMCountry")->setText(QStringLiteral("India"));
    Click(main, "cmdBrowser");
    check(h->app->browserForm());

    const ModalWatchdog watchdog;
    QTimer::singleShot(0, this, [&] {
        QWidget* about = QApplication::activeModalWidget();
        check(about);
        QTimer::singleShot(0, this, [&] {
            QWidget* licence = QApplication::activeModalWidget();
            check(licence);
            licence->close();
        });
        Click(about, "cmdLicence");
        about->close();
    });
    Trigger(main, "mnuAbout");

    FillValid(main);
    Click(main, "cmdRashi");
    check(h->app->displayForm());
    Click(h->app->displayForm(), "cmdExit");
    check(h->app->tellAFriendForm());
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1Char(';'))));
}

ASTERINE_WEB_TEST_MAIN(TestPlacement)
#include "tst_placement.moc"
