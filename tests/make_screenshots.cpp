// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every form of the program into PNG files in the folder given as the
// first argument, with the program's own widgets and recorded side effects:
//
//     make_screenshots FOLDER [--dark] [--font POINTS] [--language LANGUAGE]
//
// --dark gives the desktop a dark palette, --font its default font size,
// --language its language (de, hi, ar, ...): then only the birth-details
// form and a reading are rendered.

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

#include <array>

#include "display/display_form.h"
#include "entry/main_form.h"
#include "language/translation.h"
#include "promo/tell_a_friend_form.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

void Save(QWidget* window, const QString& folder, const QString& name) {
    window->activateWindow();
    QTest::qWait(100);
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// The result window once its sky is worked out, with the Sky section
// shown, and again with the wheel.
void SaveResult(FrmDisplay* display, const QString& folder, const QString& name) {
    if (!QTest::qWaitFor([display] { return display->skyShown(); }, 60000))
        qWarning("The sky was not worked out");
    Save(display, folder, name);
    auto* tabs = display->findChild<QTabWidget*>(QStringLiteral("tabChart"));
    QWidget* wheel = display->findChild<QWidget*>(QStringLiteral("chartWheel"));
    if (!tabs || !wheel)
        return;
    tabs->setCurrentWidget(wheel);
    Save(display, folder, name + QStringLiteral("-wheel"));
    tabs->setCurrentIndex(0);
}

void Fill(FrmMain* main, const QString& degrees, const QString& minutes) {
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ADA LOVELACE"));
    const std::pair<const char*, const char*> boxes[] = {
        {"txtLonD", "73"}, {"txtLonM", "51"}, {"txtLonS", "2"}, {"txtLatS", "10"}};
    for (const auto& [name, value] : boxes)
        Child<QLineEdit>(main, name)->setText(QLatin1String(value));
    Child<QLineEdit>(main, "txtLatD")->setText(degrees);
    Child<QLineEdit>(main, "txtLatM")->setText(minutes);
    Child<QLineEdit>(main, "txtMCity")->setText(QStringLiteral("Pune"));
    Child<QLineEdit>(main, "txtMState")->setText(QStringLiteral("Maharashtra"));
    Child<QLineEdit>(main, "txtMCountry")->setText(QStringLiteral("India"));
    Child<QComboBox>(main, "cboZone")->setEditText(QStringLiteral("Asia/Kolkata"));
    Child<QComboBox>(main, "cboMonth")->setCurrentIndex(11);
    Child<QComboBox>(main, "cboDate")->setCurrentIndex(9);
    Child<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("1985"));
}

// A local stand-in for the search provider: answers every request with a
// short results page that repeats the query.
class LocalSearch : public QTcpServer {
public:
    LocalSearch() {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    const QByteArray line = socket->readLine();
                    QString query = QUrl(QString::fromLatin1(line.split(' ').value(1))).query();
                    query.replace(QLatin1Char('+'), QStringLiteral("%20"));
                    const QString q =
                        QUrlQuery(query).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded);
                    const QByteArray body =
                        QStringLiteral(
                            "<html><head><title>%1 - Search</title></head><body "
                            "style='font-family:sans-serif'><h3>Results for %1</h3>"
                            "<p><b>Pune, Maharashtra, India</b><br>Latitude 18&deg; "
                            "31' N, Longitude 73&deg; 51' E</p></body></html>")
                            .arg(q.toHtmlEscaped())
                            .toUtf8();
                    socket->write(
                        "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8"
                        "\r\n\r\n" +
                        body);
                    socket->disconnectFromHost();
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path));
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString folder = arguments.value(1, QStringLiteral("."));
    QDir().mkpath(folder);
    if (arguments.contains(QLatin1String("--dark")))
        QApplication::setPalette(DarkPalette());
    if (const qsizetype font = arguments.indexOf(QLatin1String("--font")); font > 0) {
        QFont desktop = QApplication::font();
        desktop.setPointSizeF(arguments.value(font + 1).toDouble());
        QApplication::setFont(desktop);
    }

    const qsizetype language = arguments.indexOf(QLatin1String("--language"));
    if (language > 0) {
        translation::useLanguage(arguments.value(language + 1), translation::translationsFolder());
        QGuiApplication::setLayoutDirection(QLocale().textDirection());
    }

    Harness h;
    h.random.fallback = 0.6;
    LocalSearch search;
    BrowserSettings settings = BrowserSettings::standard();
    settings.searchEndpoint = search.url(QStringLiteral("/custom"));
    settings.providerHome = search.url(QStringLiteral("/"));
    settings.providerLogo = search.url(QStringLiteral("/logo.gif"));
    settings.homePage = search.url(QStringLiteral("/"));
    settings.searchPage = search.url(QStringLiteral("/"));
    h.app->setBrowserSettings(settings);
    h.start();
    FrmMain* main = h.app->mainForm();
    Save(main, folder, QStringLiteral("birth-details"));
    if (language > 0) {
        // The form and a reading, in the language.
        Fill(main, QStringLiteral("77"), QStringLiteral("33"));
        Save(main, folder, QStringLiteral("birth-details-filled"));
        Click(main, "cmdRashi");
        SaveResult(h.app->displayForm(), folder, QStringLiteral("result-principal-star"));
        return 0;
    }

    // The atlas offering places under the City box: its list is a window of
    // its own, drawn onto the form where it stands.
    auto* city = Child<QLineEdit>(main, "txtMCity");
    city->setFocus();
    QTest::keyClicks(city, "sao p");
    QWidget* places = PlaceList(main);
    if (!places)
        qWarning("The atlas offered no places");
    if (places) {
        QTest::keyClick(city, Qt::Key_Down);
        QTest::qWait(100);
        QPixmap shot = main->grab();
        QPainter painter(&shot);
        painter.drawPixmap(places->mapToGlobal(QPoint()) - main->mapToGlobal(QPoint()),
                           places->grab());
        painter.end();
        shot.save(QDir(folder).filePath(QStringLiteral("birth-details-atlas.png")));
        QTest::keyClick(city, Qt::Key_Escape);
    }
    city->clear();

    // A few people remembered, and the People window finding some of them.
    const std::array<std::array<const char*, 6>, 6> people = {{
        {"ANNA SILVA", "S\u00e3o Paulo", "S\u00e3o Paulo", "Brazil", "23", "1992"},
        {"RAVI KUMAR", "Pune", "Maharashtra", "India", "18", "1985"},
        {"ZO\u00cb MARTIN", "Lyon", "Auvergne-Rh\u00f4ne-Alpes", "France", "45", "2001"},
        {"JAMES O'NEILL", "Cork", "Munster", "Ireland", "51", "1978"},
        {"ANITA ROY", "Kolkata", "West Bengal", "India", "22", "1969"},
        {"\u00c5SA J\u00dcRGENSEN", "\u00c5rhus", "Midtjylland", "Denmark", "56", "1990"},
    }};
    for (const auto& [name, city, state, country, degrees, year] : people) {
        Fill(main, QLatin1String(degrees), QStringLiteral("34"));
        Child<QLineEdit>(main, "txtName")->setText(QString::fromUtf8(name));
        Child<QLineEdit>(main, "txtMCity")->setText(QString::fromUtf8(city));
        Child<QLineEdit>(main, "txtMState")->setText(QString::fromUtf8(state));
        Child<QLineEdit>(main, "txtMCountry")->setText(QString::fromUtf8(country));
        Child<QComboBox>(main, "cboYear")->setCurrentText(QLatin1String(year));
        h.clock.time = h.clock.time.addSecs(3600);
        Trigger(main, "mnuSavePerson");
    }
    Trigger(main, "mnuOpenPerson");
    if (QWidget* window = h.app->peopleWindow()) {
        Save(window, folder, QStringLiteral("people"));
        QTest::keyClicks(Child(window, "txtSearch"), "an");
        Save(window, folder, QStringLiteral("people-search"));
        window->close();
        Harness::settle();
    }

    Fill(main, QStringLiteral("77"), QStringLiteral("33"));
    Save(main, folder, QStringLiteral("birth-details-filled"));
    Click(main, "cmdBrowser");
    QWidget* browser = h.app->browserForm();
    if (!QTest::qWaitFor([&] { return browser->windowTitle().endsWith(QLatin1String("Search")); },
                         20000))
        qWarning("The search results did not arrive");
    QTest::qWait(500);
    Save(browser, folder, QStringLiteral("browser"));
    browser->close();
    Harness::settle();

    Click(main, "cmdRashi");
    SaveResult(h.app->displayForm(), folder, QStringLiteral("result-principal-star"));
    // The reading as a PDF; the script renders its page.
    h.files.answer = QDir(folder).filePath(QStringLiteral("reading.pdf"));
    Trigger(h.app->displayForm(), "mnuExportPdf");
    Click(h.app->displayForm(), "cmdOK");
    Harness::settle();

    Fill(main, QStringLiteral("40"), QStringLiteral("30"));
    Click(main, "cmdRashi");
    SaveResult(h.app->displayForm(), folder, QStringLiteral("result-without-lore"));

    QTimer::singleShot(300, [&] {
        if (QWidget* about = QApplication::activeModalWidget()) {
            Save(about, folder, QStringLiteral("about"));
            about->close();
        }
    });
    Trigger(h.app->displayForm(), "mnuAbout");

    Click(h.app->displayForm(), "cmdExit");
    Harness::settle();
    Save(h.app->tellAFriendForm(), folder, QStringLiteral("farewell"));
    return 0;
}
