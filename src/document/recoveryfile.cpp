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
#include <QSysInfo>

#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The most edits a crash may cost.
constexpr int kWriteDelayMs = 2000;

// An editor on another host sharing the folder cannot be asked whether it
// runs; it tells by writing its file at least this often, and a file it
// has not written for three times as long is taken for a leftover.
constexpr int kAliveMs = 10 * 60 * 1000;
constexpr qint64 kGoneAfterMs = 3 * kAliveMs;

// Held for as long as the editor runs: on its own host only a dead owner
// makes a lock stale, never its age.
std::unique_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

// The system's words for why `path` cannot be made, which QLockFile keeps
// to itself: "No space left on device" says what to do, "could not be
// locked" does not.
QString whyNotMade(const QString &path)
{
    // Unbuffered: a buffered write fails only in the close, too late for
    // the reason, and probe.remove() then gives up and leaves the file
    // where the lock belongs, so that every later lock fails.
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return probe.errorString();
    // A full folder may still take an empty file.
    const bool written = probe.write(QByteArray(512, '\n')) == 512;
    const QString reason = probe.errorString();
    probe.close();
    QFile::remove(path);
    return written ? RecoveryFile::tr("the reason is unknown") : reason;
}

// A leftover as this editor finds it: its bytes and, when `claim`ed, its
// lock, now this editor's; or, when it is not to be offered, why. A file
// whose editor runs on this host is no leftover, and has no reason.
struct Judged {
    bool leftOver = false;
    QByteArray bytes;
    std::unique_ptr<QLockFile> lock;
    QString reason;
};

Judged judge(const QFileInfo &file, bool claim = true)
{
    Judged j;
    const QString path = file.absoluteFilePath();
    // Never offered, so never deleted by a Discard: what cannot be read
    // cannot be restored, and may be another user's.
    const j3k::SmallFileRead read = j3k::readSmallFile(path);
    if (!read.ok()) {
        j.reason = read.error;
        return j;
    }
#ifdef Q_OS_UNIX
    if (file.ownerId() != ::geteuid()) {
        j.reason = RecoveryFile::tr("it belongs to %1")
                       .arg(file.owner().isEmpty() ? QString::number(file.ownerId()) : file.owner());
        return j;
    }
#endif
    const QString lockPath = path + QStringLiteral(".lock");
    // Every editor locks its file before writing it, so one without a lock
    // is left over. Counting or deleting hundreds needs no lock of each: it
    // would take seconds.
    if (!claim && !QFileInfo::exists(lockPath)) {
        j.leftOver = true;
        return j;
    }
    auto lock = std::make_unique<QLockFile>(lockPath);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError) {
            j.reason = RecoveryFile::tr("its lock cannot be made: %1").arg(whyNotMade(lockPath));
            return j;
        }
        // QLockFile asks whether a lock's editor runs only on the lock's
        // own host; one it cannot read as any editor's (empty, cut short,
        // garbage) it keeps for ever, and so would every start.
        qint64 pid = 0;
        QString host;
        QString app;
        if (lock->getLockInfo(&pid, &host, &app)) {
            if (host.isEmpty() || host == QSysInfo::machineHostName())
                return j;
            const QDateTime lastSign = qMax(file.lastModified(), QFileInfo(lockPath).lastModified());
            if (lastSign.msecsTo(QDateTime::currentDateTime()) < kGoneAfterMs) {
                j.reason = RecoveryFile::tr("an editor on %1 may still be using it").arg(host);
                return j;
            }
        }
        if (!lock->removeStaleLockFile() || !lock->tryLock(0)) {
            j.reason = RecoveryFile::tr("its lock is held");
            return j;
        }
    }
    // Its editor may have removed it just before letting go of the lock.
    if (QFileInfo::exists(path)) {
        j.leftOver = true;
        j.bytes = read.bytes;
        j.lock = std::move(lock);
    }
    return j;
}

QFileInfoList leftOverFiles()
{
    // FIFOs, folders and links too: whatever bears the name is named.
    return QDir(RecoveryFile::folder())
        .entryInfoList({QStringLiteral("recovery-*.txt")},
                       QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Time);
}

}  // namespace

RecoveryFile::RecoveryFile(const ValueHistory &values, QObject *parent)
    : QObject(parent)
    , m_values(values)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kWriteDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryFile::saveNow);
    m_alive.setInterval(kAliveMs);
    connect(&m_alive, &QTimer::timeout, this, &RecoveryFile::saveNow);
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
    const QString lockPath = m_path + QStringLiteral(".lock");
    if (!m_lock && QDir().mkpath(folder()))
        m_lock = lockFor(m_path);
    const QString failure
        = !m_lock ? tr("%1 could not be locked: %2").arg(QDir::toNativeSeparators(lockPath), whyNotMade(lockPath))
                  : j3k::replaceSmallFile(m_path, j3k::paramFileBytes(values));
    if (!failure.isEmpty()) {
        m_failure = failure;
        Q_EMIT writeFailed(failure);
        return false;
    }
    m_alive.start();
    if (!std::exchange(m_failure, QString()).isEmpty())
        Q_EMIT failureOver();
    return true;
}

void RecoveryFile::remove()
{
    m_timer.stop();
    m_alive.stop();
    if (!std::exchange(m_failure, QString()).isEmpty())
        Q_EMIT failureOver();
    if (!m_lock)
        return;
    QFile::remove(m_path);
    m_lock.reset();  // unlocks: the lock file goes after the file
}

RecoveryFile::LeftOvers RecoveryFile::claimLeftOvers()
{
    LeftOvers left;
    if (!m_claimed.isEmpty())
        return left;
    for (const QFileInfo &file : leftOverFiles()) {
        if (file.absoluteFilePath() == m_path)
            continue;
        Judged j = judge(file, left.path.isEmpty());
        if (!j.reason.isEmpty())
            left.unoffered.append({file.fileName(), j.reason});
        if (!j.leftOver)
            continue;
        ++left.deletable;
        if (!left.path.isEmpty()) {
            left.others << file.lastModified();
            continue;
        }
        const j3k::FileParams params = j3k::paramsFromFileText(QString::fromLatin1(j.bytes), m_values.values());
        if (!params.ok()) {
            left.unoffered.append({file.fileName(), params.isParamFile ? tr("it holds values outside their ranges")
                                                                       : tr("it is not a parameter file")});
            continue;
        }
        m_claimed = file.absoluteFilePath();
        m_claimedLock = std::move(j.lock);
        left.path = m_claimed;
        left.written = file.lastModified();
        left.differing = int(j3k::compareParams(m_values.values(), params.params, j3k::recordParams()).size());
    }
    return left;
}

void RecoveryFile::dropClaimed()
{
    if (m_claimed.isEmpty())
        return;
    QFile::remove(m_claimed);
    m_claimedLock.reset();
    m_claimed.clear();
}

void RecoveryFile::dropAll()
{
    dropClaimed();
    for (const QFileInfo &file : leftOverFiles()) {
        if (file.absoluteFilePath() == m_path)
            continue;
        const Judged j = judge(file, false);
        if (j.leftOver)
            QFile::remove(file.absoluteFilePath());  // before its lock goes
    }
}
