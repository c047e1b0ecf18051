#pragma once

// The real side effects of the program, as the start-up hands them to the
// application.

#include "services.h"

namespace asterine {

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
