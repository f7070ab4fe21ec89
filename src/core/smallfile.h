// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Parameter files are tiny, but the user may point LOAD and SAVE at anything:
// a FIFO, a device, a huge or endless file. These two never block, never read
// more than a small prefix, and never leave a half-written file behind.
namespace j3k {

// The most LOAD reads of a file. A parameter file is 162 bytes and its hex
// dump about 490, so anything near this is not one.
inline constexpr qint64 MaxLoadBytes = 64 * 1024;

struct SmallFileRead {
    QByteArray bytes;  // the whole file, when `error` is empty
    QString error;     // why it was not read, for the user

    bool ok() const { return error.isEmpty(); }
};

// Reads `path` whole if it is a regular file of at most `maxBytes`. Anything
// else (a FIFO, a device, a folder, a larger file) is refused without being
// read, and without waiting for a writer to appear.
SmallFileRead readSmallFile(const QString &path, qint64 maxBytes = MaxLoadBytes);

// Puts `bytes` at `path`, which must be a regular file or not exist yet.
// Empty when every byte is on disk; otherwise why not, and whatever was at
// `path` is as it was.
QString replaceSmallFile(const QString &path, const QByteArray &bytes);

}  // namespace j3k
