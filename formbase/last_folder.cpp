// SPDX-License-Identifier: GPL-3.0-or-later
#include "last_folder.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <memory>

#include "services.h"

namespace asterine {

namespace {

const QString kLastFolderKey = QStringLiteral("Settings/LastFolder");
const QString kPeopleFolderKey = QStringLiteral("Settings/PeopleFolder");

QString keyOf(FolderUse use) {
    return use == FolderUse::People ? kPeopleFolderKey : kLastFolderKey;
}

}  // namespace

QString lastFolder(const SettingsLocation& settings, FolderUse use) {
    const std::unique_ptr<QSettings> store = settings.open();
    QStringList keys{keyOf(use)};
    if (use == FolderUse::People)
        keys << kLastFolderKey;
    for (const QString& key : keys) {
        const QString folder = store->value(key).toString();
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void rememberFolder(const SettingsLocation& settings, FolderUse use, const QString& file) {
    const std::unique_ptr<QSettings> store = settings.open();
    store->setValue(keyOf(use), QFileInfo(file).absolutePath());
    store->sync();
}

}  // namespace asterine
