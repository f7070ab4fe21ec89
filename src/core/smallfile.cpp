// SPDX-License-Identifier: GPL-3.0-or-later
#include "smallfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace j3k {

namespace {

QString notRegular() { return QCoreApplication::translate("SmallFile", "It is not a regular file."); }

QString tooLarge(qint64 size, qint64 maxBytes)
{
    return QCoreApplication::translate("SmallFile",
                                       "The file is %1 bytes long; a parameter file is 162 bytes, and no file "
                                       "over %2 bytes is read.")
        .arg(size)
        .arg(maxBytes);
}

}  // namespace

QString fromLocalBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        // The shortest piece from here that is UTF-8 and comes back as it
        // was; a byte that starts none stands alone.
        qsizetype n = 1;
        while (n <= 4 && i + n <= bytes.size() && !bytes.sliced(i, n).isValidUtf8())
            ++n;
        if (n > 4 || i + n > bytes.size()) {
            text += QChar(0xDC00 + uchar(bytes[i]));
            n = 1;
        } else {
            text += QString::fromUtf8(bytes.sliced(i, n));
        }
        i += n;
    }
    return text;
}

QByteArray toLocalBytes(QStringView text)
{
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && text[i - 1].isHighSurrogate())) {
            bytes += text.sliced(from, i - from).toUtf8() + char(c - 0xDC00);
            from = i + 1;
        }
    }
    return bytes + text.sliced(from).toUtf8();
}

SmallFileRead readSmallFile(const QString &path, qint64 maxBytes)
{
    QFile file;
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK, opening a FIFO that has no writer waits forever.
    // The type is then taken from what was opened, not from a name that
    // could have changed in between.
    const int fd = ::open(toLocalBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {{}, qt_error_string(errno)};
    struct stat st = {};
    const QString error = ::fstat(fd, &st) != 0  ? qt_error_string(errno)
                          : !S_ISREG(st.st_mode) ? notRegular()
                                                 : QString();
    if (!error.isEmpty()) {
        ::close(fd);
        return {{}, error};
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, file.errorString()};
    }
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {{}, notRegular()};
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
#endif
    if (file.size() > maxBytes)
        return {{}, tooLarge(file.size(), maxBytes)};
    // One byte more than allowed tells a file that grew since its size was
    // taken.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > maxBytes)
        return {{}, tooLarge(file.size(), maxBytes)};
    return {bytes, {}};
}

QString whyNotReplaceable(const QString &path)
{
    // Saving over a device node, a FIFO or a folder would replace it with a
    // regular file (or write into a device); only a file may be replaced.
#ifdef Q_OS_UNIX
    // Qt names files in UTF-8 only, and would write to another name.
    if (toLocalBytes(path) != QFile::encodeName(path))
        return QCoreApplication::translate("SmallFile",
                                           "Its name is not UTF-8; files are written under UTF-8 names only.");
#endif
    const QFileInfo info(path);
    return info.exists() && !info.isFile() ? notRegular() : QString();
}

QString replaceSmallFile(const QString &path, const QByteArray &bytes)
{
    if (const QString refused = whyNotReplaceable(path); !refused.isEmpty())
        return refused;

    // Written beside the target and renamed over it only when whole.
    // Unbuffered, so a failed write shows here: QSaveFile::commit() of Qt 6.4
    // does not see a write that failed while its buffer was flushed, and
    // renames the short file over the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    qint64 done = 0;
    while (done < bytes.size()) {
        // A short write (the size limit reached) is followed by one that
        // fails with the reason.
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return file.errorString();  // the unfinished copy is removed with `file`
        done += n;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

}  // namespace j3k
