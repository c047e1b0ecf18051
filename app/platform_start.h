// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the program meets the windowing system as it starts: without OpenGL
// until a window needs it, and in one plain sentence when there is no
// windowing system to meet.

#include <QByteArrayList>

namespace asterine {

// Lives from before the application object is made until the program ends.
class PlatformStart {
public:
    // Call before the application object exists: asks for what the web
    // engine needs and, where the user has not chosen otherwise, for
    // platform plugins without OpenGL; holds back what Qt reports while it
    // connects, and ends the process with one sentence when it cannot.
    PlatformStart();
    ~PlatformStart();
    PlatformStart(const PlatformStart&) = delete;
    PlatformStart& operator=(const PlatformStart&) = delete;

    // Call once the application object exists: hands on what Qt reported.
    void applicationMade();
    // Call once the first window is shown: the choices leave the
    // environment, so that programs started for links do not inherit them.
    void windowShown();

    // The variables chosen, for the tests.
    const QByteArrayList& chosen() const { return chosen_; }

private:
    QByteArrayList chosen_;
};

}  // namespace asterine
