// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "browser.h"

class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class QWebEngineView;

namespace asterine {

class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    FrmBrowser(const QString& phrase, UrlOpener& urls, const BrowserSettings& settings);

    QWebEngineView* view() const { return brwWebBrowser_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolBar* buildToolBar(UrlOpener& urls);
    QWidget* buildAddressStrip();
    QString searchPageHtml() const;
    QString locationName() const;

    void documentComplete(bool ok);
    void addressChosen();
    void toolbarClicked(const QString& key);
    void tick();

    BrowserSettings settings_;
    QToolBar* tbToolBar_ = nullptr;
    QComboBox* cboAddress_ = nullptr;
    QWebEngineView* brwWebBrowser_ = nullptr;
    QTimer* timTimer_ = nullptr;

    QString SearchPhrase_;
    bool autoFillDone_ = false;
    bool suppressNavigation_ = false;
    bool busy_ = false;
};

}  // namespace asterine
