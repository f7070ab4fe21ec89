// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the editor against the same form shown alone (the limit for this
// window), and for context against a bare Qt window, side by side in one
// run, and prints one line per figure with the ratio.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString binDir() { return QCoreApplication::applicationDirPath(); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds from starting the program to its "shown" line.
double startupMs(const QString &program)
{
    QProcess p;
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(binDir() + QLatin1Char('/') + program, {});
    while (!p.canReadLine() && p.waitForReadyRead(10000)) {
    }
    const double ms = t.nsecsElapsed() / 1e6;
    p.waitForFinished(10000);
    return ms;
}

// Resident set size in KiB of the program idling after it showed its window.
double residentKiB(const QString &program)
{
    QProcess p;
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(binDir() + QLatin1Char('/') + program, {QStringLiteral("--stay")});
    while (!p.canReadLine() && p.waitForReadyRead(10000)) {
    }
    QThread::msleep(500);
    QFile status(QStringLiteral("/proc/%1/status").arg(p.processId()));
    double kib = 0;
    if (status.open(QIODevice::ReadOnly)) {
        const QRegularExpression rss(QStringLiteral("VmRSS:\\s+(\\d+)"));
        kib = rss.match(QString::fromLatin1(status.readAll())).captured(1).toDouble();
    }
    p.kill();
    p.waitForFinished();
    return kib;
}

// The system's load average over the last minute, or -1 where it is not known.
double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const double load = file.readLine().split(' ').value(0).toDouble(&ok);
    return ok ? load : -1;
}

void line(const char *what, double editor, double base, const char *unit, const char *goal)
{
    std::printf("%-34s editor %7.1f %-4s base %7.1f %-4s ratio %5.2f  (goal %s)\n", what, editor, unit, base, unit,
                base > 0 ? editor / base : 0.0, goal);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = 15;

    const QStringList probes{QStringLiteral("bench_editor_start"), QStringLiteral("bench_form_start"),
                             QStringLiteral("bench_bare_start"), QStringLiteral("bench_label_start")};
    std::vector<std::vector<double>> times(probes.size()), rss(probes.size());
    const double loadBefore = loadAverage();
    for (const QString &probe : probes)
        startupMs(probe);             // warm the file cache
    for (int i = 0; i < runs; ++i) {  // interleaved, so drift hits all alike
        for (qsizetype p = 0; p < probes.size(); ++p)
            times[p].push_back(startupMs(probes[p]));
    }
    for (int i = 0; i < 3; ++i) {
        for (qsizetype p = 0; p < probes.size(); ++p)
            rss[p].push_back(residentKiB(probes[p]) / 1024);
    }
    // Other work on the machine stretches both sides of every ratio alike and
    // so hides what the editor adds: a busy machine's ratios look better.
    const double load = std::max(loadBefore, loadAverage());
    if (load < 0)
        std::printf("load average: not known here\n");
    else
        std::printf("load average: %.2f%s\n", load, load > 1 ? "  NOT COMPARABLE: above 1, the machine was busy" : "");
    line("start-up to first idle, vs form", median(times[0]), median(times[1]), "ms", "ratio <= 1.10");
    line("resident memory idle, vs form", median(rss[0]), median(rss[1]), "MiB", "ratio <= 1.15");
    line("start-up to first idle, vs bare", median(times[0]), median(times[2]), "ms", "none; no text at all");
    line("start-up to first idle, vs label", median(times[0]), median(times[3]), "ms", "none; fonts alone");
    line("resident memory idle, vs bare", median(rss[0]), median(rss[2]), "MiB", "none; no text at all");
    line("resident memory idle, vs label", median(rss[0]), median(rss[3]), "MiB", "none; fonts alone");
    return 0;
}
