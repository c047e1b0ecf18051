// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The signals with which a desktop session, a terminal or the user asks a
// program to end (SIGTERM at logout, SIGINT for Ctrl+C, SIGHUP when the
// terminal goes), turned into a Qt signal on the user-interface thread, so
// that the program ends as it always does and releases what it holds.

#include <QObject>

class QSocketNotifier;

namespace asterine {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Catches the three signals for the life of this object; one at a time.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // One of the signals arrived; emitted from the event loop.
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace asterine
