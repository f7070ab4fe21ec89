// SPDX-License-Identifier: GPL-3.0-or-later
// UPDATE's pause, timed where the transmitter would time it: the far end of
// a pseudo-terminal, read by a thread of the bench's own that stamps each
// byte as it comes (ptywire.h). The gap is from the S record's last byte to
// the G record's first. The line's thread asks for real-time scheduling;
// the loaded cases run once as it got it and once with the bench putting it
// back among ordinary threads, as a user without the right would have it.
#include "pausegap.h"

#include "ptywire.h"
#include "records.h"
#include "txsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sched.h>
#include <thread>
#include <vector>

namespace {

// The line's thread, by the name TxSession gives it; -1 when not found.
pid_t lineThread()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "j3k line")
            return pid_t(tid.toInt());
    }
    return -1;
}

const char *policyName(pid_t tid)
{
    switch (::sched_getscheduler(tid)) {
    case SCHED_RR:
        return "real-time (SCHED_RR)";
    case SCHED_FIFO:
        return "real-time (SCHED_FIFO)";
    case SCHED_OTHER:
        return "ordinary (SCHED_OTHER)";
    default:
        return "unknown";
    }
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').first() : QByteArray("?");
}

// Threads that spin until they are dropped: every core busy, and as many
// runnable threads as asked for in the load average.
class Spinners
{
public:
    explicit Spinners(int count)
    {
        for (int i = 0; i < count; ++i)
            m_threads.emplace_back([this] {
                while (!m_stop.load(std::memory_order_relaxed)) {
                }
            });
    }
    ~Spinners()
    {
        m_stop = true;
        for (std::thread &t : m_threads)
            t.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_threads;
};

// Milliseconds from S's last byte to G's first at the far end, for `count`
// UPDATEs; `blockMs` holds the caller's thread that long 100 ms into each
// pause. Fewer than `count` when an UPDATE did not get both records out.
std::vector<double> gaps(j3k::TxSession &session, const PtyWire &wire, int count, int blockMs)
{
    std::vector<double> out;
    for (int i = 0; i < count; ++i) {
        const qsizetype s = wire.received().size();
        if (!session.startUpdate(j3k::ParamSet()))
            break;
        if (blockMs > 0)
            QTimer::singleShot(100, Qt::PreciseTimer, [blockMs] { QThread::msleep(ulong(blockMs)); });
        while (session.isBusy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const qsizetype g = s + j3k::RecordLength;  // where G starts
        for (int wait = 0; wire.received().size() < g + j3k::RecordLength && wait < 1000; ++wait)
            QThread::msleep(1);
        const QList<qint64> at = wire.arrivals();
        if (at.size() < g + j3k::RecordLength)
            break;
        out.push_back(double(at[g] - at[g - 1]) / 1e6);
    }
    return out;
}

double percentile(const std::vector<double> &sorted, double p)
{
    const auto rank = std::size_t(std::ceil(p * double(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

bool pauseGapTable()
{
    PtyWire wire;
    j3k::TxSession session;
    PortSettings settings;
    settings.portName = wire.pty.slavePath();
    if (!session.open(settings)) {
        std::printf("S to G: no line: %s\n", qPrintable(session.errorString()));
        return false;
    }
    for (int wait = 0; wire.received().size() < 2 && wait < 1000; ++wait)  // the OK notice
        QThread::msleep(1);
    const pid_t line = lineThread();
    std::printf("S to G at the far end of the line, ms (goal 500-505); far end %s; line thread %s\n",
                wire.realTime ? "real-time" : "ordinary", policyName(line));
    std::printf("%-44s %4s %8s %8s %8s  %-22s %s\n", "case", "n", "p50", "p99", "max", "line thread",
                "load avg (start, end)");
    bool whole = true;
    const auto row = [&](const char *what, int count, int blockMs = 0) {
        const QByteArray loadBefore = loadAverage();
        std::vector<double> ms = gaps(session, wire, count, blockMs);
        whole = whole && int(ms.size()) == count;
        if (ms.empty()) {
            std::printf("%-44s none\n", what);
            return;
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-44s %4d %8.2f %8.2f %8.2f  %-22s %s, %s\n", what, int(ms.size()), percentile(ms, 0.5),
                    percentile(ms, 0.99), ms.back(), policyName(line), loadBefore.constData(),
                    loadAverage().constData());
    };
    const auto setPolicy = [line](int policy) {
        sched_param param{};
        param.sched_priority = policy == SCHED_OTHER ? 0 : 1;
        return line > 0 && ::sched_setscheduler(line, policy, &param) == 0;
    };
    const bool realTime = line > 0 && ::sched_getscheduler(line) != SCHED_OTHER;
    row("idle", 100);
    // 100 of these would take four minutes; 30 show the same.
    row("caller's thread blocked 2 s in each pause", 30, 2000);
    {
        const Spinners load(2);
        row("2 spinning threads (both cores busy)", 100);
        if (realTime && setPolicy(SCHED_OTHER))
            row("2 spinning threads (both cores busy)", 100);
    }
    {
        // The load average follows the runnable threads over a minute or
        // so: the second row sees it nearer 8 than the first.
        const Spinners load(8);
        row("8 spinning threads", 100);
        if (realTime && setPolicy(SCHED_RR))
            row("8 spinning threads", 100);
    }
    session.close();
    return whole;
}
