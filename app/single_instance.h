// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One copy of the program per user and machine: a lock file held for the
// life of the process in the user's runtime folder. A lock left behind by a
// copy that crashed or was killed is taken over.

#include <QLockFile>
#include <QString>

namespace asterine {

class SingleInstance {
public:
    // `lockPath` empty: the lock file in the user's runtime folder.
    explicit SingleInstance(const QString& lockPath = {});

    // True when this copy is the only one running; the lock is then held
    // until this object goes away.
    bool acquire();

    static QString defaultLockPath();

private:
    QLockFile lock_;
};

}  // namespace asterine
