// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser_form.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "brand.h"
#include "formbase/colours.h"
#include "formbase/form_font.h"
#include "formbase/link_label.h"
#include "links.h"

namespace asterine {

namespace {

const QString kBlank = QStringLiteral("about:blank");

// A text as a JavaScript string literal: the page gets it only as a value.
QString scriptString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

}  // namespace

FrmBrowser::FrmBrowser(const QString& phrase, UrlOpener& urls, const BrowserSettings& settings)
    : settings_(settings) {
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(brand::windowCaption());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(formFont(8.25));
    resize(scaled(820), scaled(620));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(buildToolBar(urls));
    layout->addWidget(buildAddressStrip());

    brwWebBrowser_ = new QWebEngineView(this);
    brwWebBrowser_->setObjectName(QStringLiteral("brwWebBrowser"));
    layout->addWidget(brwWebBrowser_, 1);

    timTimer_ = new QTimer(this);
    timTimer_->setObjectName(QStringLiteral("timTimer"));
    timTimer_->setInterval(5);
    connect(timTimer_, &QTimer::timeout, this, &FrmBrowser::tick);

    connect(brwWebBrowser_, &QWebEngineView::loadStarted, this, [this] { busy_ = true; });
    connect(brwWebBrowser_, &QWebEngineView::loadFinished, this, &FrmBrowser::documentComplete);

    SearchPhrase_ = phrase;
    brwWebBrowser_->load(QUrl(kBlank));
}

QToolBar* FrmBrowser::buildToolBar(UrlOpener& urls) {
    tbToolBar_ = new QToolBar(this);
    tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {
        {QT_TR_NOOP("Back"), QStyle::SP_ArrowBack},
        {QT_TR_NOOP("Forward"), QStyle::SP_ArrowForward},
        {QT_TR_NOOP("Stop"), QStyle::SP_BrowserStop},
        {QT_TR_NOOP("Refresh"), QStyle::SP_BrowserReload},
        {QT_TR_NOOP("Home"), QStyle::SP_DirHomeIcon},
        {QT_TR_NOOP("Search"), QStyle::SP_FileDialogContentsView},
    };
    for (const auto& [name, icon] : buttons) {
        const QString key = QLatin1String(name);
        QAction* action = tbToolBar_->addAction(style()->standardIcon(icon), tr(name));
        action->setObjectName(key);
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, key] { toolbarClicked(key); });
    }

    auto* banner = new QWidget(tbToolBar_);
    banner->setObjectName(QStringLiteral("Picture1"));
    auto* bannerLayout = new QVBoxLayout(banner);
    bannerLayout->setContentsMargins(12, 0, 4, 0);
    bannerLayout->setSpacing(0);
    auto* forum = new LinkLabel(QStringLiteral("Label61"),
                                tr("Visit the Quorvane forum at %1").arg(brand::shownAddress()),
                                true, banner);
    forum->setFont(formFont(8.25, true, true));
    setAccentColour(forum, QColor(0x80, 0x00, 0x00));
    connect(forum, &LinkLabel::clicked, this, [&urls] { OpenLink(urls, LinkRole::HomePage); });
    auto* other =
        new QLabel(tr("Also from Quorvane Softwares: numerology, tarot and more"), banner);
    other->setObjectName(QStringLiteral("Label1"));
    bannerLayout->addWidget(forum);
    bannerLayout->addWidget(other);
    tbToolBar_->addWidget(banner);
    return tbToolBar_;
}

QWidget* FrmBrowser::buildAddressStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("picAddress"));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* caption = new QLabel(tr("&Address:"), strip);
    caption->setObjectName(QStringLiteral("lblAddress"));
    cboAddress_ = new QComboBox(strip);
    cboAddress_->setObjectName(QStringLiteral("cboAddress"));
    cboAddress_->setEditable(true);
    cboAddress_->setInsertPolicy(QComboBox::NoInsert);
    cboAddress_->setAccessibleName(tr("Address"));
    cboAddress_->lineEdit()->installEventFilter(this);
    caption->setBuddy(cboAddress_);
    connect(cboAddress_, &QComboBox::activated, this, &FrmBrowser::addressChosen);
    layout->addWidget(caption);
    layout->addWidget(cboAddress_, 1);
    return strip;
}

QString FrmBrowser::searchPageHtml() const {
    QFile file(QStringLiteral(":/asterine/search_page.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString html = QString::fromUtf8(file.readAll());
    html.replace(QStringLiteral("@ACTION@"), settings_.searchEndpoint.toString().toHtmlEscaped());
    html.replace(QStringLiteral("@PROVIDER@"), settings_.providerHome.toString().toHtmlEscaped());
    html.replace(QStringLiteral("@LOGO@"), settings_.providerLogo.toString().toHtmlEscaped());
    html.replace(QStringLiteral("@CLIENT@"), settings_.publisherId.toHtmlEscaped());
    return html;
}

QString FrmBrowser::locationName() const {
    const QString title = brwWebBrowser_->title();
    return title.isEmpty() ? brwWebBrowser_->url().toString() : title;
}

void FrmBrowser::documentComplete(bool) {
    busy_ = false;
    const QString address = brwWebBrowser_->url().toString();
    setWindowTitle(locationName());

    if (!autoFillDone_) {
        autoFillDone_ = true;
        if (address == kBlank) {
            brwWebBrowser_->page()->runJavaScript(
                QStringLiteral("document.body.innerHTML = %1;"
                               "document.getElementsByName('q')[0].value = %2;"
                               "document.getElementsByName('sa')[0].click();")
                    .arg(scriptString(searchPageHtml()), scriptString(SearchPhrase_)));
        }
    }

    if (!address.contains(kBlank)) {
        const QString location = brwWebBrowser_->url().toString();
        const int existing =
            cboAddress_->findText(location, Qt::MatchExactly | Qt::MatchCaseSensitive);
        suppressNavigation_ = true;
        if (existing >= 0)
            cboAddress_->removeItem(existing);
        cboAddress_->insertItem(0, location);
        cboAddress_->setCurrentIndex(0);
        cboAddress_->lineEdit()->setCursorPosition(0);
        suppressNavigation_ = false;
    }
}

void FrmBrowser::addressChosen() {
    if (suppressNavigation_)
        return;
    timTimer_->start();
    brwWebBrowser_->load(QUrl::fromUserInput(cboAddress_->currentText()));
}

bool FrmBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboAddress_->lineEdit() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            addressChosen();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmBrowser::toolbarClicked(const QString& key) {
    timTimer_->start();
    if (key == QLatin1String("Back")) {
        brwWebBrowser_->back();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser_->forward();
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser_->reload();
    } else if (key == QLatin1String("Home")) {
        brwWebBrowser_->load(settings_.homePage);
    } else if (key == QLatin1String("Search")) {
        brwWebBrowser_->load(settings_.searchPage);
    } else if (key == QLatin1String("Stop")) {
        timTimer_->stop();
        brwWebBrowser_->stop();
        setWindowTitle(locationName());
    }
}

void FrmBrowser::tick() {
    if (busy_) {
        setWindowTitle(tr("Working..."));
        return;
    }
    timTimer_->stop();
    setWindowTitle(locationName());
}

}  // namespace asterine
