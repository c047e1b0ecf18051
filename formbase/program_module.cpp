// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_module.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace asterine {

void* programModuleFunction(const char* name, const char* symbol) {
    // The program's own file, known before any application object exists:
    // the launcher loads the window's module before there is one.
    const QFileInfo program(QStringLiteral("/proc/self/exe"));
    QLibrary module(QDir(QFileInfo(program.canonicalFilePath()).absolutePath())
                        .filePath(QStringLiteral("../lib/asterine/") + QLatin1String(name)));
    return reinterpret_cast<void*>(module.resolve(symbol));
}

}  // namespace asterine
