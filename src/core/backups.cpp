// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

#include "paramfile.h"
#include "smallfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace j3k {

namespace {

// The backup's values laid over `base`, which gives what no file carries.
std::optional<ParamSet> readBackup(const QString &path, const ParamSet &base)
{
    const SmallFileRead file = readSmallFile(path);
    if (!file.ok())
        return std::nullopt;
    return paramsFromFileText(QString::fromLatin1(file.bytes), base);
}

}  // namespace

QString BackupStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

BackupStore::BackupStore(QString folder, int keep)
    : m_folder(std::move(folder))
    , m_keep(keep)
{}

QStringList BackupStore::list() const
{
    // The names sort by time; reversed, the newest comes first.
    const QDir dir(m_folder);
    QStringList paths;
    const QStringList names = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString &name : names)
        paths << dir.filePath(name);
    return paths;
}

BackupStore::Result BackupStore::add(const ParamSet &params, const QDateTime &when)
{
    const QStringList existing = list();
    // VERSION is in no file: only what a file holds can make a difference.
    if (!existing.isEmpty() && readBackup(existing.first(), params) == params)
        return {};
    if (!QDir().mkpath(m_folder))
        return {{}, QStringLiteral("cannot create %1").arg(m_folder)};

    // Two READs within one second still get a file each.
    const QString stem = QDir(m_folder).filePath(when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
    QString path = stem + QStringLiteral(".txt");
    for (int n = 2; QFile::exists(path); ++n)
        path = QStringLiteral("%1_%2.txt").arg(stem).arg(n);

    if (const QString error = replaceSmallFile(path, paramFileBytes(params)); !error.isEmpty())
        return {{}, error};

    const QStringList all = list();
    for (qsizetype i = m_keep; i < all.size(); ++i)
        QFile::remove(all[i]);
    return {path, {}};
}

std::optional<ParamSet> paramsFromFileText(QStringView text, const ParamSet &base)
{
    const std::optional<ParamFileRecords> records = splitParamFile(text);
    if (!records)
        return std::nullopt;
    ParamSet params = base;
    applyRecord(RecordId::S, records->s, params);
    applyRecord(RecordId::G, records->g, params);
    return params;
}

}  // namespace j3k
