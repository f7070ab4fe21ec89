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

    const QString editorProbe = QStringLiteral("bench_editor_start");
    const QString bareProbe = QStringLiteral("bench_bare_start");
    const QString labelProbe = QStringLiteral("bench_label_start");
    std::vector<double> editor, bare, label;
    for (const QString &probe : {editorProbe, bareProbe, labelProbe})
        startupMs(probe);             // warm the file cache
    for (int i = 0; i < runs; ++i) {  // interleaved, so drift hits all alike
        editor.push_back(startupMs(editorProbe));
        bare.push_back(startupMs(bareProbe));
        label.push_back(startupMs(labelProbe));
    }
    line("start-up to first idle, vs bare", median(editor), median(bare), "ms", "ratio <= 1.5");
    line("start-up to first idle, vs label", median(editor), median(label), "ms", "none; fonts alone");

    std::vector<double> editorRss, bareRss, labelRss;
    for (int i = 0; i < 3; ++i) {
        editorRss.push_back(residentKiB(editorProbe));
        bareRss.push_back(residentKiB(bareProbe));
        labelRss.push_back(residentKiB(labelProbe));
    }
    line("resident memory idle, vs bare", median(editorRss) / 1024, median(bareRss) / 1024, "MiB", "ratio <= 1.3");
    line("resident memory idle, vs label", median(editorRss) / 1024, median(labelRss) / 1024, "MiB",
         "none; fonts alone");
    return 0;
}
