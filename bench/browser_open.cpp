// SPDX-License-Identifier: GPL-3.0-or-later
// Times one process's cold first opening and a second opening of the search
// browser, from the click to the search request arriving at a loopback web
// server: either Asterine's browser, started as the program starts, without
// OpenGL ("asterine") or with it ("asterine-gl"), or a bare QWebEngineView
// that does the same steps ("bare"). Prints two lines, in milliseconds.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#include "app/platform_start.h"
#include "entry/main_form.h"
#include "tests/support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

// Counts GET requests for the search endpoint and answers each with a page.
class Server {
public:
    Server() {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] {
                    if (socket->readAll().startsWith("GET /custom"))
                        ++searches;
                    socket->write(
                        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n"
                        "<title>r</title>");
                    socket->disconnectFromHost();
                });
            }
        });
        server_.listen(QHostAddress::LocalHost);
    }
    QUrl url(const char* path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    int searches = 0;

private:
    QTcpServer server_;
};

double TimeUntilSearch(Server& server, const std::function<void()>& click) {
    const int before = server.searches;
    QElapsedTimer timer;
    timer.start();
    click();
    while (server.searches == before && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return timer.nsecsElapsed() / 1e6;
}

QString Literal(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// The same steps on a bare view: blank page, injected form, filled, submitted.
std::unique_ptr<QWebEngineView> BareOpen(Server& server) {
    auto view = std::make_unique<QWebEngineView>();
    QWebEngineView* raw = view.get();
    QObject::connect(raw, &QWebEngineView::loadFinished, raw, [raw, &server](bool) {
        if (raw->url() != QUrl(QStringLiteral("about:blank")))
            return;
        const QString html = QStringLiteral(
                                 "<form method=get action='%1'><input name=q>"
                                 "<input type=submit name=sa value=Search></form>")
                                 .arg(server.url("/custom").toString());
        raw->page()->runJavaScript(
            QStringLiteral("document.body.innerHTML = %1;"
                           "document.getElementsByName('q')[0].value = %2;"
                           "document.getElementsByName('sa')[0].click();")
                .arg(Literal(html), Literal(QStringLiteral("Latitude Longitude a b c"))));
    });
    raw->resize(820, 560);
    raw->show();
    raw->load(QUrl(QStringLiteral("about:blank")));
    return view;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("asterine");
    const bool bare = mode == "bare";
    // "asterine" starts as the program does, without OpenGL; "asterine-gl"
    // and "bare" with it, as Qt starts by default.
    std::optional<PlatformStart> platform;
    if (mode == "asterine")
        platform.emplace();
    else
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    if (platform)
        platform->applicationMade();
    Server server;

    if (bare) {
        std::unique_ptr<QWebEngineView> view;
        for (int opening = 0; opening < 2; ++opening) {
            const double ms = TimeUntilSearch(server, [&] {
                view.reset();
                view = BareOpen(server);
            });
            std::printf("%.1f\n", ms);
        }
        return 0;
    }

    Harness h;
    BrowserSettings settings = BrowserSettings::standard();
    settings.searchEndpoint = server.url("/custom");
    settings.providerHome = server.url("/provider");
    settings.providerLogo = server.url("/logo.gif");
    h.app->setBrowserSettings(settings);
    h.start();
    if (platform)
        platform->windowShown();
    FrmMain* main = h.app->mainForm();
    for (const char* name : {"txtMCity", "txtMState", "txtMCountry"})
        Child<QLineEdit>(main, name)->setText(QStringLiteral("a"));
    auto* button = Child<QPushButton>(main, "cmdBrowser");
    for (int opening = 0; opening < 2; ++opening)
        std::printf("%.1f\n", TimeUntilSearch(server, [&] { button->click(); }));
    return 0;
}
