// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing a document to a file the user chose.

#include <QByteArray>
#include <QString>

#include <optional>

namespace document {

// Writes `bytes` to `path` as a whole or not at all: through a file beside
// it that takes the path's place only once every byte is written, so that a
// failure leaves any older file of that name as it was. The file is readable
// by the user alone: it holds birth details. Nothing on success; otherwise
// why not, in plain words that name the file.
std::optional<QString> saveFile(const QString& path, const QByteArray& bytes);

}  // namespace document
