// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real side effects of the program, as the start-up hands them to the
// application.

#include <random>

#include "formbase/services.h"

namespace asterine {

class DialogMessageService : public MessageService {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
};

class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QUrl& address) override;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class TimerSeededRandom : public RandomSource {
public:
    void seedFromTimer() override;
    double draw() override;

private:
    std::mt19937_64 generator_;
};

// QSettings in the user's scope, keyed by the executable's base name.
class UserSettingsLocation : public SettingsLocation {
public:
    std::unique_ptr<QSettings> open() const override;
};

class EventLoopEnder : public ProcessEnder {
public:
    void endProcess() override;
};

struct DesktopServices {
    DialogMessageService messages;
    DesktopUrlOpener urls;
    SystemClock clock;
    TimerSeededRandom random;
    UserSettingsLocation settings;
    EventLoopEnder ender;

    Services services() { return {&messages, &urls, &clock, &random, &settings, &ender}; }
};

}  // namespace asterine
