// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNG files in the hicolor layout:
// icons FOLDER SIZE... gives FOLDER/SIZExSIZE/apps/com.quorvane.Asterine.png.

#include <QDir>

#include <cstdio>

#include "formbase/program_icon.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: asterine_icons FOLDER SIZE...\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        if (size <= 0 || !folder.mkpath(apps) ||
            !asterine::programIconImage(size).save(
                folder.filePath(apps + QStringLiteral("/com.quorvane.Asterine.png"))))
            return 1;
    }
    return 0;
}
