// SPDX-License-Identifier: GPL-3.0-or-later
#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace asterine {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(lockPath.isEmpty() ? defaultLockPath() : lockPath) {
    // A running copy holds the lock however long it runs; only a lock whose
    // process has gone counts as stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    if (lock_.isLocked())
        return true;
    return lock_.tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("asterine.lock"));
}

}  // namespace asterine
