// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoveryfile.h"

#include "appnames.h"

#include "paramfile.h"
#include "smallfile.h"
#include "transmitterstate.h"
#include "valuehistory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLockFile>

namespace {

// The most edits a crash may cost.
constexpr int kWriteDelayMs = 2000;

// Held for as long as the editor runs: only a dead owner makes a lock
// stale, never its age.
std::unique_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

}  // namespace

RecoveryFile::RecoveryFile(const ValueHistory &values, QObject *parent)
    : QObject(parent)
    , m_values(values)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kWriteDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryFile::saveNow);
}

// The file stays: the editor ends without a normal close.
RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::folder() { return j3k::dataFolder(); }

void RecoveryFile::setBaseline(const j3k::ParamSet &params)
{
    m_baseline = params;
    schedule();
}

void RecoveryFile::setBaseline(const j3k::ParamSet &params, const QList<int> &indexes)
{
    for (int i : indexes)
        m_baseline.set(i, params.value(i));
    schedule();
}

// Not restarted by every edit: a user typing on and on still has the values
// on disk every two seconds.
void RecoveryFile::schedule()
{
    if (!m_timer.isActive())
        m_timer.start();
}

bool RecoveryFile::saveNow()
{
    m_timer.stop();
    const j3k::ParamSet values = m_values.values();
    if (j3k::compareParams(m_baseline, values, j3k::recordParams()).isEmpty()) {
        remove();
        return true;
    }
    if (m_path.isEmpty()) {
        m_path
            = QDir(folder()).filePath(QStringLiteral("recovery-%1-%2.txt")
                                          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))
                                          .arg(QCoreApplication::applicationPid()));
    }
    // Locked before the file exists, so no editor starting meanwhile takes
    // it for a dead one's.
    QString failure;
    if (!m_lock && QDir().mkpath(folder()))
        m_lock = lockFor(m_path);
    if (!m_lock)
        failure = tr("%1 could not be locked").arg(QDir::toNativeSeparators(m_path + QStringLiteral(".lock")));
    else
        failure = j3k::replaceSmallFile(m_path, j3k::paramFileBytes(values));
    if (!failure.isEmpty())
        Q_EMIT writeFailed(failure);
    return failure.isEmpty();
}

void RecoveryFile::remove()
{
    m_timer.stop();
    if (!m_lock)
        return;
    QFile::remove(m_path);
    m_lock.reset();  // unlocks: the lock file goes after the file
}

QString RecoveryFile::claimLeftOver()
{
    if (!m_claimed.isEmpty())
        return {};
    const QFileInfoList files
        = QDir(folder()).entryInfoList({QStringLiteral("recovery-*.txt")}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        const QString path = file.absoluteFilePath();
        if (path == m_path)
            continue;
        std::unique_ptr<QLockFile> lock = lockFor(path);
        // Its editor may have removed it just before letting go of the lock.
        if (lock && QFileInfo::exists(path)) {
            m_claimed = path;
            m_claimedLock = std::move(lock);
            return path;
        }
    }
    return {};
}

void RecoveryFile::dropClaimed()
{
    if (m_claimed.isEmpty())
        return;
    QFile::remove(m_claimed);
    m_claimedLock.reset();
    m_claimed.clear();
}
