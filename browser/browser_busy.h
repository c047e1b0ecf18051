// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the built-in browser is busy, from what the user asks for and
// what the web engine reports: the rules behind its "Working..." caption
// and its Stop key. Qt Core only: fed by the window's events and a clock of
// its own, it needs no web engine.

#include <QUrl>

#include <functional>
#include <optional>

namespace asterine {

class BrowserBusy {
public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    // How long the engine may stay silent before what it was doing is taken
    // to be over: a navigation it was asked for and has not begun (it sends
    // no signal at all for some, such as a Back into a page it skips), or a
    // load it no longer carries on but has not reported ended. Long enough
    // for an engine on a machine whose every core is taken.
    static constexpr qint64 kEngineSilenceMs = 5000;

    // The steady clock of the process when `clock` is empty.
    explicit BrowserBusy(Clock clock = {});

    // From a navigation the user asks for until the page is loaded, has
    // failed or is stopped, and whenever the engine loads a page.
    bool busy() const { return requested_ || loading_; }

    // The user asked for a navigation (an address, Back, Refresh, ...).
    void navigationRequested();
    // The engine's reports, as it sends them.
    void loadStarted(const QUrl& url);
    void loadProgress(int percent);
    void loadFinished(const QUrl& url);
    void urlChanged(const QUrl& url);
    // Stop was clicked, or the page's render process is gone: nothing is
    // loading any more.
    void stopped();
    // What the engine says when asked, now and then while busy: whether it
    // is loading.
    void check(bool engineLoading);

private:
    Clock clock_;
    bool requested_ = false;
    qint64 requestedAt_ = 0;  // or when the engine last showed it at work on it
    bool loading_ = false;
    std::optional<qint64> idleSince_;  // the engine said it is not loading
    // The last page whose load ended, until the user asks for another: the
    // engine may report the start of a load after its end.
    QUrl finished_;
    QUrl shown_;  // the address of the page shown
};

}  // namespace asterine
