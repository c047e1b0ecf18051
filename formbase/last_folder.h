// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The folder a file dialog opens in: where the user last saved or read a
// file of that kind, kept with the settings. Readings and people each have
// their own; the people's dialogs fall back on the readings' folder.

#include <QString>

namespace asterine {

class SettingsLocation;

enum class FolderUse {
    Readings,  // a reading saved as text or PDF
    People,    // people imported from or exported to CSV
};

// The folder remembered for `use` that still exists, or else the user's
// documents folder.
QString lastFolder(const SettingsLocation& settings, FolderUse use);
// Remembers the folder of `file` for `use`.
void rememberFolder(const SettingsLocation& settings, FolderUse use, const QString& file);

}  // namespace asterine
