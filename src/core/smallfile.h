// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

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

// Names as Unix gives them, bytes, and back, so that a name that is not
// UTF-8 still names its file: each byte that is no part of UTF-8 stands as
// a character of its own, U+DC80 + the byte, which no UTF-8 text holds.
QString fromLocalBytes(QByteArrayView bytes);
QByteArray toLocalBytes(QStringView text);

// Reads `path` whole if it is a regular file of at most `maxBytes`. Anything
// else (a FIFO, a device, a folder, a larger file) is refused without being
// read, and without waiting for a writer to appear.
SmallFileRead readSmallFile(const QString &path, qint64 maxBytes = MaxLoadBytes);

// Why a new file may not take the place of `path`: its name is not UTF-8,
// or something other than a regular file is there. Empty when it may.
QString whyNotReplaceable(const QString &path);

// Puts `bytes` at `path`, which must be a regular file or not exist yet,
// named in UTF-8. Empty when every byte is on disk; otherwise why not, and
// whatever was at `path` is as it was.
QString replaceSmallFile(const QString &path, const QByteArray &bytes);

}  // namespace j3k
