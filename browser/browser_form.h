// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QWidget>

#include "browser.h"
#include "browser_busy.h"

class QAction;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class QVBoxLayout;
class QWebEngineView;

namespace asterine {

class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    FrmBrowser(const QString& phrase, UrlOpener& urls, const BrowserSettings& settings);

    QWebEngineView* view() const { return brwWebBrowser_; }

    // The keys of a toolbar button, by its key ("Back", "Refresh", ...); the
    // first of them is the one its tooltip names first.
    static QList<QKeySequence> buttonKeys(const QString& key);
    // The keys that take the keyboard to the address box.
    static QList<QKeySequence> addressKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolBar* buildToolBar(UrlOpener& urls);
    QWidget* buildAddressStrip();
    void buildKeys();
    QString searchPageHtml() const;
    QString locationName() const;

    void documentComplete(bool ok);
    void addressChosen();
    void toolbarClicked(const QString& key);
    void tick();

    // The busy state, kept by busy_ (browser_busy.h).
    bool busy() const { return busy_.busy(); }
    void navigationRequested();
    void busyChanged();
    void urlChanged();
    void renderProcessTerminated();
    void showPageArea(bool page);

    BrowserSettings settings_;
    QVBoxLayout* layout_ = nullptr;
    QToolBar* tbToolBar_ = nullptr;
    QComboBox* cboAddress_ = nullptr;
    QWebEngineView* brwWebBrowser_ = nullptr;
    QTimer* timTimer_ = nullptr;
    QAction* stopKey_ = nullptr;
    QLabel* stoppedNotice_ = nullptr;  // made when a page first stops working

    QString SearchPhrase_;
    bool autoFillDone_ = false;
    bool suppressNavigation_ = false;
    BrowserBusy busy_;
};

}  // namespace asterine
