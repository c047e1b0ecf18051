// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace asterine {

void* programModuleFunction(const char* name, const char* symbol) {
    QLibrary module(QDir(QCoreApplication::applicationDirPath())
                        .filePath(QStringLiteral("../lib/asterine/") + QLatin1String(name)));
    return reinterpret_cast<void*>(module.resolve(symbol));
}

}  // namespace asterine
