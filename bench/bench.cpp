// Measures the editor against a bare Qt window of the same modules, side by
// side in one run, and prints one line per figure with the ratio.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
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
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
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

void line(const char *what, double editor, double base, const char *unit, const char *goal)
{
    std::printf("%-34s editor %9.1f %-5s base %9.1f %-5s ratio %6.2f   (goal %s)\n", what, editor, unit, base, unit,
                base > 0 ? editor / base : 0.0, goal);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = 15;

    std::vector<double> editor, bare;
    startupMs(QStringLiteral("bench_editor_start"));  // warm the file cache
    startupMs(QStringLiteral("bench_bare_start"));
    for (int i = 0; i < runs; ++i) {  // interleaved, so drift hits both alike
        editor.push_back(startupMs(QStringLiteral("bench_editor_start")));
        bare.push_back(startupMs(QStringLiteral("bench_bare_start")));
    }
    line("start-up to first idle (median)", median(editor), median(bare), "ms", "ratio <= 1.5 x bare window");

    std::vector<double> editorRss, bareRss;
    for (int i = 0; i < 3; ++i) {
        editorRss.push_back(residentKiB(QStringLiteral("bench_editor_start")));
        bareRss.push_back(residentKiB(QStringLiteral("bench_bare_start")));
    }
    line("resident memory, idle (median)", median(editorRss) / 1024, median(bareRss) / 1024, "MiB",
         "ratio <= 1.3 x bare window");
    return 0;
}
