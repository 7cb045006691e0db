// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Whole-file access for the small record files of the program.
namespace RecordFile {
// The file's bytes, at most maxBytes of them; nothing when it cannot be read
// (missing, a folder, no permission).
std::optional<QByteArray> read(const QString &path, qint64 maxBytes = 1 << 20);
// Writes a new file beside the old one and then puts it in the old one's
// place, so a crash at any moment leaves either the old or the new content
// whole. Returns false, with the old file untouched, when that cannot be done.
bool replace(const QString &path, const QByteArray &bytes);
} // namespace RecordFile
