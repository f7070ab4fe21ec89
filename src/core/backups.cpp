// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

#include "appnames.h"

#include "paramfile.h"
#include "smallfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace j3k {

namespace fs = std::filesystem;

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

fs::path fsPath(const QString &path) { return fs::path(path.toStdU16String()); }

QString systemReason(const std::error_code &ec) { return QString::fromLocal8Bit(ec.message()); }

// The backup's values laid over `base`, which gives what no file carries.
std::optional<ParamSet> readBackup(const QString &path, const ParamSet &base)
{
    const SmallFileRead file = readSmallFile(path);
    if (!file.ok())
        return std::nullopt;
    const FileParams read = paramsFromFileText(QString::fromLatin1(file.bytes), base);
    return read.ok() ? std::optional<ParamSet>(read.params) : std::nullopt;
}

struct Backup {
    QString path;
    QDateTime time;
    int clash;
};

// The folder's backups, newest first, or the system's reason it cannot be
// listed. Only regular files named as backups count; a link, a folder or any
// other name is someone else's.
std::pair<QList<Backup>, QString> backupsIn(const QString &folder)
{
    QList<Backup> found;
    std::error_code ec;
    fs::directory_iterator it(fsPath(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const QString name = QString::fromStdU16String(it->path().filename().u16string());
        const auto time = BackupStore::backupTime(name);
        std::error_code typeError;
        if (time && it->symlink_status(typeError).type() == fs::file_type::regular && !typeError)
            found.append({QDir(folder).filePath(name), time->first, time->second});
    }
    if (ec)
        return {{}, systemReason(ec)};
    std::sort(found.begin(), found.end(),
              [](const Backup &a, const Backup &b) { return std::tie(a.time, a.clash) > std::tie(b.time, b.clash); });
    return {found, {}};
}

// Creates `path` with `bytes` in it, failing if anything is there already.
// Empty on success, "exists" when the name was taken, else the reason.
QString createNew(const QString &path, const QByteArray &bytes, bool *taken)
{
    QFile file(path);
    *taken = false;
    // A name found taken may be gone by the time it is looked at again,
    // pruned by another writer: then it is tried once more.
    for (int attempt = 0; !file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered); ++attempt) {
        *taken = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
        if (*taken || attempt == 1)
            return file.errorString();
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();  // a part of a backup is no backup
        return reason;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.remove();
        return reason;
    }
    return {};
}

BackupStore::Result failed(const QString &what, const QString &path, const QString &reason)
{
    return {{}, what.arg(QDir::toNativeSeparators(path), reason), reason};
}

}  // namespace

QString BackupStore::defaultFolder() { return dataFolder() + QStringLiteral("/backups"); }

BackupStore::BackupStore(QString folder, int keep)
    : m_folder(std::move(folder))
    , m_keep(std::max(keep, 1))
{}

std::optional<std::pair<QDateTime, int>> BackupStore::backupTime(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2})(?:-([1-9]\\d{0,5}))?\\.txt$"));
    const QRegularExpressionMatch m = pattern.match(fileName);
    if (!m.hasMatch())
        return std::nullopt;
    const QDateTime time = QDateTime::fromString(m.captured(1), kTimeFormat);
    if (!time.isValid())
        return std::nullopt;
    return std::pair{time, m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()};
}

bool BackupStore::datedInFuture(const QDateTime &time, const QDateTime &now) { return time > now.addDays(1); }

QStringList BackupStore::list() const
{
    QStringList paths;
    const QList<Backup> backups = backupsIn(m_folder).first;
    for (const Backup &b : backups)
        paths << b.path;
    return paths;
}

BackupStore::Result BackupStore::add(const ParamSet &params, const QDateTime &when)
{
    std::error_code ec;
    fs::create_directories(fsPath(m_folder), ec);
    if (ec)
        return failed(QCoreApplication::translate("j3k::BackupStore", "cannot make the folder %1: %2"), m_folder,
                      systemReason(ec));
    // A folder that cannot be listed could never be kept to its number.
    const auto [existing, listError] = backupsIn(m_folder);
    if (!listError.isEmpty())
        return failed(QCoreApplication::translate("j3k::BackupStore", "cannot list %1: %2"), m_folder, listError);
    // VERSION is in no file: only what a file holds can make a difference.
    const auto newest = std::find_if(existing.begin(), existing.end(),
                                     [&when](const Backup &b) { return !datedInFuture(b.time, when); });
    if (newest != existing.end() && readBackup(newest->path, params) == params)
        return {};

    const QString stem = QDir(m_folder).filePath(when.toString(kTimeFormat));
    const QByteArray bytes = paramFileBytes(params);
    QString path = stem + QStringLiteral(".txt");
    for (int n = 2;; ++n) {
        bool taken = false;
        const QString error = createNew(path, bytes, &taken);
        if (error.isEmpty())
            break;
        if (!taken || n > 999)
            return failed(QCoreApplication::translate("j3k::BackupStore", "cannot write %1: %2"), path, error);
        path = QStringLiteral("%1-%2.txt").arg(stem).arg(n);
    }

    // Counted after the write, so backups other writers added meanwhile
    // count too; the one just written is kept whatever its name says.
    QList<Backup> all = backupsIn(m_folder).first;
    all.removeIf([&path](const Backup &b) { return b.path == path; });
    for (qsizetype i = m_keep - 1; i < all.size(); ++i)
        QFile::remove(all[i].path);
    return {path, {}};
}

}  // namespace j3k
