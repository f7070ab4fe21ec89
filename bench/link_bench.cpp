// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's serial path under load, in a real (offscreen) window: how fast
// readMyCom takes frames in, and how long READ and UPDATE take against the
// virtual transmitter behind a pseudo-terminal; what READ's second answer
// costs on a clean line. --soak runs the line's long trial (soak.cpp) and
// times UPDATE's pause at the far end (pausegap.cpp).
#include "frames.h"
#include "mainwindow.h"
#include "pausegap.h"
#include "ptypair.h"
#include "ptytransmitter.h"
#include "soak.h"
#include "txsession.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

// The received count the status line shows.
qint64 receivedCount(const MainWindow &w)
{
    static const QRegularExpression count(QStringLiteral("接收：(\\d+)B"));
    return count.match(w.findChild<QLabel *>(QStringLiteral("fstLabel"))->text()).captured(1).toLongLong();
}

void openPort(MainWindow &w, const QString &port)
{
    w.findChild<QComboBox *>(QStringLiteral("comboBoxComm"))->setCurrentText(port);
    w.findChild<QPushButton *>(QStringLiteral("pushButtonOpen"))->click();
}

void closePort(MainWindow &w) { w.findChild<QPushButton *>(QStringLiteral("pushButtonOpen"))->click(); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Bytes per second through readMyCom: whole READ answers written into a
// pseudo-terminal as fast as it takes them, until the window has counted
// them all.
double receiveRate()
{
    int master = -1, slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return 0;
    termios t{};
    ::tcgetattr(slave, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(slave, TCSANOW, &t);
    ::tcsetattr(master, TCSANOW, &t);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    MainWindow w;
    openPort(w, QString::fromLocal8Bit(name));
    QCoreApplication::processEvents();
    char drain[64];
    while (::read(master, drain, sizeof drain) > 0) {  // the OK notice
    }

    QByteArray payload;
    const QByteArray answer = j3k::encodeFrames(j3k::ParamSet(), j3k::DrRates{});
    while (payload.size() < 4 * 1024 * 1024)
        payload += answer;

    QElapsedTimer timer;
    timer.start();
    qsizetype sent = 0;
    while (receivedCount(w) < payload.size()) {
        if (sent < payload.size()) {
            const ssize_t n = ::write(master, payload.constData() + sent, std::size_t(payload.size() - sent));
            if (n > 0)
                sent += n;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (timer.elapsed() > 60000)
            break;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    closePort(w);
    ::close(master);
    ::close(slave);
    return receivedCount(w) / seconds;
}

// Milliseconds from clicking READ to the last frame applied, against
// VIRTUAL-TX.
double readRoundTripMs()
{
    MainWindow w;
    openPort(w, QStringLiteral("VIRTUAL-TX"));
    // The answer's last frame sets PROG.MIX1's SLA back to CH4.
    auto *slave = w.findChild<QComboBox *>(QStringLiteral("comboBox_12"));
    QCoreApplication::processEvents();
    std::vector<double> runs;
    for (int i = 0; i < 25; ++i) {
        slave->setCurrentIndex(0);
        // READ asks before it replaces that edit; the clock starts at the answer.
        QElapsedTimer timer;
        QTimer::singleShot(0, [&timer] {
            QWidget *box = QApplication::activeModalWidget();
            timer.start();
            box->findChild<QPushButton *>(QStringLiteral("readAnywayButton"))->click();
        });
        w.findChild<QPushButton *>(QStringLiteral("pushButtonRead"))->click();
        while (slave->currentIndex() != 3 && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (slave->currentIndex() != 3)
            return -1;
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    closePort(w);
    return median(runs);
}

// Milliseconds from clicking UPDATE to the G record's last byte at the
// virtual transmitter.
double updateMs()
{
    MainWindow w;
    openPort(w, QStringLiteral("VIRTUAL-TX"));
    // The session owns the virtual transmitter now, not the window.
    auto *session = w.findChild<j3k::TxSession *>();
    PtyTransmitter *tx = session ? session->virtualTransmitter() : nullptr;
    if (!tx)
        return -1;
    std::vector<double> runs;
    for (int i = 0; i < 5; ++i) {
        bool gotG = false;
        const auto c = QObject::connect(tx, &PtyTransmitter::logged, &w, [&](const QString &line) {
            gotG = gotG || line.startsWith(QLatin1String("G record"));
        });
        QElapsedTimer timer;
        timer.start();
        w.findChild<QPushButton *>(QStringLiteral("pushButtonSend2"))->click();
        while (!gotG && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        runs.push_back(timer.nsecsElapsed() / 1e6);
        QObject::disconnect(c);
    }
    closePort(w);
    return median(runs);
}

// READ through TxSession against a transmitter that puts its answer on
// the wire at `baud`: one frame each frame-time, the first a frame-time
// after "RRR". The median of 9 READs, whole, and the part of it the line
// did not take: the editor's own, from the click to the first "RRR", from
// the end of each answer to what follows it.
struct ReadCost {
    double wholeMs = -1;
    double wireMs = 0;  // one answer's time on the wire at that rate, as sent
    double ownMs = -1;
};

ReadCost doubleReadCost(qint32 baud)
{
    PtyPair pty;
    j3k::TxSession session;
    PortSettings settings;
    settings.baudRate = baud;
    settings.portName = pty.slavePath();
    if (!session.open(settings))
        return {};
    const QByteArray answer = j3k::encodeFrames(j3k::ParamSet(), j3k::DrRates{});
    const qint64 frameNs = qint64(j3k::FrameLength) * 10 * 1'000'000'000 / baud;
    QElapsedTimer clock;
    qint64 answerStart = 0;
    qint64 onWire = 0;  // nanoseconds the answers of this READ took
    int frame = 0;
    QTimer pacer;
    pacer.setSingleShot(true);
    pacer.setTimerType(Qt::PreciseTimer);
    const auto next = [&] {
        pacer.start(int(std::max<qint64>(0, answerStart + (frame + 1) * frameNs - clock.nsecsElapsed()) / 1'000'000));
    };
    QObject::connect(&pacer, &QTimer::timeout, [&] {
        pty.write(answer.mid(frame * j3k::FrameLength, j3k::FrameLength));
        if (++frame < j3k::FrameTypeCount)
            next();
        else
            onWire += clock.nsecsElapsed() - answerStart;
    });
    QByteArray heard;
    QObject::connect(&pty, &PtyPair::readyRead, [&] {
        heard += pty.readAll();
        if (heard.endsWith("RRR")) {
            heard.clear();
            answerStart = clock.nsecsElapsed();
            frame = 0;
            next();
        }
    });
    bool done = false;
    QObject::connect(&session, &j3k::TxSession::readFinished, [&](const j3k::ReadAnswer &a) { done = a.complete(); });
    std::vector<double> whole, own;
    for (int i = 0; i < 9; ++i) {
        done = false;
        onWire = 0;
        clock.start();
        if (!session.startRead(j3k::ParamSet(), 5000))
            return {};
        while (session.isReading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const qint64 total = clock.nsecsElapsed();
        if (!done)
            return {};
        whole.push_back(total / 1e6);
        own.push_back((total - onWire) / 1e6);
    }
    return {median(whole), double(answer.size()) * 10 * 1000 / baud, median(own)};
}

void line(const char *what, double value, const char *unit, double ratio, const char *ratioOf, const char *goal)
{
    std::printf("%-34s %10.2f %-6s ratio %7.3f %-24s (goal %s)\n", what, value, unit, ratio, ratioOf, goal);
}

}  // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The editor's serial path measured against VIRTUAL-TX."));
    parser.addHelpOption();
    const QCommandLineOption soakOption(
        QStringLiteral("soak"), QStringLiteral("10,000 READs and 300 UPDATEs with their READ, one line; then UPDATE's "
                                               "S to G gap at the far end, idle and loaded."));
    parser.addOption(soakOption);
    const QCommandLineOption gapOption(QStringLiteral("pause-only"),
                                       QStringLiteral("Only the S to G gap table of --soak."));
    parser.addOption(gapOption);
    parser.process(app);
    if (parser.isSet(gapOption))
        return pauseGapTable() ? 0 : 1;
    if (parser.isSet(soakOption)) {
        const bool soaked = soak();
        return pauseGapTable() && soaked ? 0 : 1;
    }
    constexpr double lineRate = 115200 / 10.0;  // bytes per second, 8N1

    const double rate = receiveRate();
    line("receive path (readMyCom)", rate / 1024, "KiB/s", rate / lineRate, "x the 115200 line", ">= 1000 x");
    const double read = readRoundTripMs();
    line("READ, click to last widget set", read, "ms", read / 50.0, "of the 50 ms goal", "< 50 ms");
    const double update = updateMs();
    line("UPDATE, click to G at the far end", update, "ms", update / 520.0, "of the 520 ms goal", "< 520 ms");
    for (const qint32 baud : {9600, 115200}) {
        const ReadCost cost = doubleReadCost(baud);
        std::printf(
            "READ twice on a clean %6d line  %10.2f ms     = 2 x %.2f ms on the wire + %.2f ms (goal <= 2 ms)\n",
            int(baud), cost.wholeMs, cost.wireMs, cost.ownMs);
    }
    return 0;
}
