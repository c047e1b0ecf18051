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
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "formbase/colours.h"
#include "formbase/form_font.h"
#include "formbase/link_label.h"
#include "web/brand.h"
#include "web/links.h"

namespace asterine {

namespace {

const QString kBlank = QStringLiteral("about:blank");

// The keys' names as the desktop writes them, for a tooltip.
QString keyNames(const QList<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& key : keys)
        names << key.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(", "));
}

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

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(2, 2, 2, 2);
    layout_->setSpacing(2);
    layout_->addWidget(buildToolBar(urls));
    layout_->addWidget(buildAddressStrip());

    brwWebBrowser_ = new QWebEngineView(this);
    brwWebBrowser_->setObjectName(QStringLiteral("brwWebBrowser"));
    layout_->addWidget(brwWebBrowser_, 1);

    timTimer_ = new QTimer(this);
    timTimer_->setObjectName(QStringLiteral("timTimer"));
    timTimer_->setInterval(5);
    connect(timTimer_, &QTimer::timeout, this, &FrmBrowser::tick);

    buildKeys();

    // The engine reports a load only after it has begun, later than the
    // first tick of the busy timer; the busy state therefore begins with
    // the user's request (navigationRequested) and the engine's reports
    // carry it on until the page is loaded.
    connect(brwWebBrowser_->page(), &QWebEnginePage::loadingChanged, this,
            [this](const QWebEngineLoadingInfo& info) {
                if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                    return;
                busy_.loadStarted(info.url());
                showPageArea(true);
                busyChanged();
            });
    connect(brwWebBrowser_, &QWebEngineView::loadProgress, this,
            [this](int percent) { busy_.loadProgress(percent); });
    connect(brwWebBrowser_, &QWebEngineView::loadFinished, this, &FrmBrowser::documentComplete);
    // On a busy machine the engine may tell a page's name only after it has
    // reported the page loaded; the caption then follows.
    connect(brwWebBrowser_, &QWebEngineView::titleChanged, this, [this] {
        if (!busy())
            setWindowTitle(locationName());
    });
    connect(brwWebBrowser_, &QWebEngineView::urlChanged, this, &FrmBrowser::urlChanged);
    connect(brwWebBrowser_->page(), &QWebEnginePage::renderProcessTerminated, this,
            &FrmBrowser::renderProcessTerminated);

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
        const QList<QKeySequence> keys = buttonKeys(key);
        if (!keys.isEmpty())
            action->setToolTip(tr("%1 (%2)").arg(tr(name), keyNames(keys)));
        // Esc stops only while a page loads (buildKeys); elsewhere it keeps
        // its ordinary meaning.
        if (key != QLatin1String("Stop"))
            action->setShortcuts(keys);
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
    cboAddress_->setToolTip(tr("%1 (%2)").arg(tr("Address"), keyNames(addressKeys())));
    // The keyboard focus of an editable combo box stays on the box, which
    // hands keys on to its line edit without passing them through the line
    // edit's event filters: Enter is caught on the box itself.
    cboAddress_->installEventFilter(this);
    cboAddress_->lineEdit()->installEventFilter(this);
    caption->setBuddy(cboAddress_);
    connect(cboAddress_, &QComboBox::activated, this, &FrmBrowser::addressChosen);
    layout->addWidget(caption);
    layout->addWidget(cboAddress_, 1);
    return strip;
}

QList<QKeySequence> FrmBrowser::buttonKeys(const QString& key) {
    QList<QKeySequence> keys;
    const auto add = [&keys](const QKeySequence& sequence) {
        if (!sequence.isEmpty() && !keys.contains(sequence))
            keys << sequence;
    };
    const auto addPlatform = [&add](QKeySequence::StandardKey standard) {
        for (const QKeySequence& sequence : QKeySequence::keyBindings(standard)) {
            // Some desktops give Backspace to Back and Shift+Backspace to
            // Forward; here Backspace stays an editing key, in the address
            // box and in the fields of the page alike.
            if (sequence[0].key() != Qt::Key_Backspace)
                add(sequence);
        }
    };
    if (key == QLatin1String("Back")) {
        add(QKeySequence(Qt::ALT | Qt::Key_Left));
        addPlatform(QKeySequence::Back);
    } else if (key == QLatin1String("Forward")) {
        add(QKeySequence(Qt::ALT | Qt::Key_Right));
        addPlatform(QKeySequence::Forward);
    } else if (key == QLatin1String("Refresh")) {
        add(QKeySequence(Qt::Key_F5));
        add(QKeySequence(Qt::CTRL | Qt::Key_R));
        addPlatform(QKeySequence::Refresh);
    } else if (key == QLatin1String("Stop")) {
        add(QKeySequence(Qt::Key_Escape));
    } else if (key == QLatin1String("Home")) {
        add(QKeySequence(Qt::ALT | Qt::Key_Home));
    }
    return keys;
}

QList<QKeySequence> FrmBrowser::addressKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::ALT | Qt::Key_D)};
}

// The keys of the toolbar and the address box work wherever the focus is in
// the window, the page included: the page does not claim these keys.
void FrmBrowser::buildKeys() {
    stopKey_ = new QAction(this);
    stopKey_->setObjectName(QStringLiteral("stopKey"));
    stopKey_->setShortcuts(buttonKeys(QStringLiteral("Stop")));
    stopKey_->setEnabled(false);
    connect(stopKey_, &QAction::triggered, this,
            [this] { toolbarClicked(QStringLiteral("Stop")); });
    addAction(stopKey_);

    auto* toAddress = new QAction(this);
    toAddress->setObjectName(QStringLiteral("addressKey"));
    toAddress->setShortcuts(addressKeys());
    connect(toAddress, &QAction::triggered, this, [this] {
        cboAddress_->setFocus(Qt::ShortcutFocusReason);
        cboAddress_->lineEdit()->selectAll();
    });
    addAction(toAddress);
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
    busy_.loadFinished(brwWebBrowser_->url());
    busyChanged();
    if (brwWebBrowser_->page()->renderProcessPid() > 0)
        showPageArea(true);
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
    const QUrl address = QUrl::fromUserInput(cboAddress_->currentText());
    // A javascript: address runs in the page shown and loads nothing.
    if (address.scheme() != QLatin1String("javascript"))
        navigationRequested();
    brwWebBrowser_->load(address);
}

bool FrmBrowser::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == cboAddress_ || watched == cboAddress_->lineEdit()) &&
        event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Taken here, the key never reaches the box's own Enter handling,
        // which would choose a matching entry of the list a second time.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            addressChosen();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmBrowser::toolbarClicked(const QString& key) {
    timTimer_->start();
    QWebEngineHistory* history = brwWebBrowser_->history();
    if (key == QLatin1String("Back")) {
        // Without history the engine does nothing, and nothing is awaited.
        // Nor does it go back into the start page, which the search left
        // without a click of the user's: the engine skips such a page.
        if (history->canGoBack() && history->backItem().url() != QUrl(kBlank)) {
            navigationRequested();
            brwWebBrowser_->back();
        }
    } else if (key == QLatin1String("Forward")) {
        if (history->canGoForward()) {
            navigationRequested();
            brwWebBrowser_->forward();
        }
    } else if (key == QLatin1String("Refresh")) {
        if (!brwWebBrowser_->url().isEmpty()) {
            navigationRequested();
            brwWebBrowser_->reload();
        }
    } else if (key == QLatin1String("Home")) {
        navigationRequested();
        brwWebBrowser_->load(settings_.homePage);
    } else if (key == QLatin1String("Search")) {
        navigationRequested();
        brwWebBrowser_->load(settings_.searchPage);
    } else if (key == QLatin1String("Stop")) {
        timTimer_->stop();
        busy_.stopped();
        brwWebBrowser_->stop();
        busyChanged();
        setWindowTitle(locationName());
    }
}

void FrmBrowser::tick() {
    const bool wasBusy = busy();
    busy_.check(brwWebBrowser_->page()->isLoading());
    if (busy() != wasBusy)
        busyChanged();
    if (busy()) {
        setWindowTitle(tr("Working..."));
        return;
    }
    timTimer_->stop();
    setWindowTitle(locationName());
}

void FrmBrowser::navigationRequested() {
    busy_.navigationRequested();
    busyChanged();
    tick();  // "Working..." from the click on, not from the first tick
}

void FrmBrowser::busyChanged() {
    stopKey_->setEnabled(busy());
}

void FrmBrowser::urlChanged() {
    const bool wasBusy = busy();
    busy_.urlChanged(brwWebBrowser_->url());
    if (busy() != wasBusy)
        busyChanged();
}

// The page shown is gone with its render process. Its address stays in the
// engine's history, so Refresh loads it again; the caption and the address
// box keep what they held, and a notice stands in the page's place until
// the next page loads.
void FrmBrowser::renderProcessTerminated() {
    busy_.stopped();
    busyChanged();
    showPageArea(false);
}

void FrmBrowser::showPageArea(bool page) {
    if (page) {
        if (stoppedNotice_ && !stoppedNotice_->isHidden()) {
            stoppedNotice_->hide();
            brwWebBrowser_->show();
        }
        return;
    }
    if (!stoppedNotice_) {
        stoppedNotice_ = new QLabel(this);
        stoppedNotice_->setObjectName(QStringLiteral("stoppedNotice"));
        stoppedNotice_->setText(
            QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(tr("This page stopped working.").toHtmlEscaped(),
                     tr("Refresh loads it again; Home opens the home page.").toHtmlEscaped()));
        stoppedNotice_->setTextFormat(Qt::RichText);
        stoppedNotice_->setAlignment(Qt::AlignCenter);
        stoppedNotice_->setWordWrap(true);
        stoppedNotice_->setBackgroundRole(QPalette::Base);
        stoppedNotice_->setForegroundRole(QPalette::Text);
        stoppedNotice_->setAutoFillBackground(true);
        stoppedNotice_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        layout_->insertWidget(layout_->indexOf(brwWebBrowser_), stoppedNotice_, 1);
    }
    brwWebBrowser_->hide();
    stoppedNotice_->show();
}

}  // namespace asterine
