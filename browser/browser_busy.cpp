// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser_busy.h"

#include <QElapsedTimer>

#include <utility>

namespace asterine {

namespace {

qint64 steadyMs() {
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

// Whether two addresses are of one page, apart from the place in it.
bool samePage(const QUrl& a, const QUrl& b) {
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

}  // namespace

BrowserBusy::BrowserBusy(Clock clock) : clock_(clock ? std::move(clock) : Clock(steadyMs)) {}

void BrowserBusy::navigationRequested() {
    requested_ = true;
    requestedAt_ = clock_();
    finished_.clear();
}

void BrowserBusy::loadStarted(const QUrl& url) {
    // A start told after the end of the same load begins nothing.
    if (!requested_ && !finished_.isEmpty() && url == finished_)
        return;
    // The engine carries the busy state on from here until the load ends.
    loading_ = true;
    requested_ = false;
    idleSince_.reset();
    finished_.clear();
}

void BrowserBusy::loadProgress(int percent) {
    // Progress on the way is the engine at work on what was asked: the time
    // it may take to begin starts again.
    if (requested_ && percent < 100)
        requestedAt_ = clock_();
}

void BrowserBusy::loadFinished(const QUrl& url) {
    // One report ends every load that overlapped it.
    loading_ = false;
    requested_ = false;
    finished_ = url;
}

void BrowserBusy::urlChanged(const QUrl& url) {
    // A move within the page shown (to an anchor, or back and forward
    // between anchors) changes the address without loading anything. The
    // address of another page, which may be told before its load begins,
    // ends nothing.
    if (requested_ && !loading_ && (shown_.isEmpty() || samePage(shown_, url)))
        requested_ = false;
    shown_ = url;
}

void BrowserBusy::stopped() {
    requested_ = false;
    loading_ = false;
}

void BrowserBusy::check(bool engineLoading) {
    const qint64 now = clock_();
    if (engineLoading) {
        idleSince_.reset();
        if (requested_)
            requestedAt_ = now;
        return;
    }
    if (!idleSince_)
        idleSince_ = now;
    // A load the engine no longer carries on is over, once its report of
    // the end has had time to come; a navigation it has not begun in time
    // never will be.
    if (loading_ && now - *idleSince_ >= kEngineSilenceMs)
        loading_ = false;
    if (requested_ && now - requestedAt_ >= kEngineSilenceMs)
        requested_ = false;
}

}  // namespace asterine
