// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace document {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(document::DocumentFile)
};

QString refusal(const QString& path, const QString& reason) {
    return Texts::tr("\u201c%1\u201d could not be saved: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace

std::optional<QString> saveFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.isDir())
        return refusal(path, Texts::tr("a folder of that name is in its place"));
    // A folder that cannot take the file says why in the system's words
    // ("Read-only file system", "Permission denied").
    if (::access(QFile::encodeName(target.absolutePath()).constData(), W_OK | X_OK) != 0)
        return refusal(path, QString::fromLocal8Bit(std::strerror(errno)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return refusal(path, file.errorString());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Flushed before the commit, so that a disk that fills up says so.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Qt may leave the reason unnamed ("Unknown error"); the system's
        // own words for it are plainer.
        const int code = errno;
        const QString reason =
            code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
        file.cancelWriting();
        return refusal(path, reason);
    }
    if (!file.commit())
        return refusal(path, file.errorString());
    return std::nullopt;
}

}  // namespace document
