// SPDX-License-Identifier: GPL-3.0-or-later
// The line's life at length: 10,000 READs of random values set on the
// virtual transmitter, then 300 UPDATEs of random sets, each read back, all
// through TxSession over a pseudo-terminal. Any value read back that is not
// what the transmitter holds (or was just written) is a mismatch; memory is
// measured once the first 100 cycles have warmed everything up.
#include "soak.h"

#include "frames.h"
#include "ptytransmitter.h"
#include "txsession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

namespace {

constexpr int kReads = 10000;
constexpr int kUpdates = 300;
constexpr int kWarmUp = 100;

double rssMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

j3k::ParamSet randomSet(QRandomGenerator &rng)
{
    j3k::ParamSet p;
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        const j3k::ParamInfo &info = j3k::paramTable()[std::size_t(i)];
        p.set(i, rng.bounded(info.min, info.max + 1));
    }
    p.set(u"spinBox_46", rng.bounded(65536));  // VERSION: two bytes in its frame
    return p;
}

j3k::DrRates randomRates(QRandomGenerator &rng)
{
    j3k::DrRates r;
    for (std::size_t ch = 0; ch < r.up.size(); ++ch) {
        r.up[ch] = rng.bounded(101);
        r.down[ch] = rng.bounded(101);
    }
    return r;
}

// How many of the values every frame type carries differ between the
// answer and `held`, with the rates of `base`'s D/R channel; a READ that
// missed a group counts all of that group.
int mismatches(const j3k::ReadAnswer &answer, const j3k::ParamSet &held, const j3k::DrRates &rates)
{
    static const int drChannel = j3k::paramIndex(u"comboBox_2");
    j3k::ParamSet expected = held;
    const auto ch = std::size_t(answer.frames.params.value(drChannel));
    expected.set(drChannel, int(ch));
    expected.set(u"spinBox_79", rates.up[ch]);
    expected.set(u"spinBox_80", rates.down[ch]);
    int wrong = 0;
    for (const quint8 type : j3k::frameTypes()) {
        j3k::ParamSet carried;
        const QList<int> indexes = j3k::FrameDecoder().feed(j3k::encodeFrame(type, held, rates), carried);
        const bool came = answer.frames.types.contains(type);
        for (const int i : indexes)
            wrong += int(!came || answer.frames.params.value(i) != expected.value(i));
    }
    return wrong;
}

}  // namespace

bool soak()
{
    j3k::TxSession session;
    if (!session.openVirtual(PortSettings())) {
        std::printf("soak: no virtual transmitter: %s\n", qPrintable(session.errorString()));
        return false;
    }
    j3k::VirtualTransmitter &tx = session.virtualTransmitter()->transmitter();
    j3k::ReadAnswer last;
    QObject::connect(&session, &j3k::TxSession::readFinished, [&last](const j3k::ReadAnswer &a) { last = a; });
    // Every cycle is over once the session is idle; READ's own time and
    // UPDATE's pause make sure it gets there.
    const auto untilIdle = [&session] {
        while (session.isBusy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    QRandomGenerator rng(2026);
    const auto base = [&rng] {
        j3k::ParamSet b;
        b.set(u"comboBox_2", rng.bounded(4));
        return b;
    };

    QElapsedTimer clock;
    clock.start();
    int cycles = 0;
    int wrong = 0;
    double rssWarm = 0;
    const auto cycleDone = [&] {
        if (++cycles == kWarmUp)
            rssWarm = rssMiB();
    };
    for (int i = 0; i < kReads; ++i) {
        const j3k::ParamSet held = randomSet(rng);
        const j3k::DrRates rates = randomRates(rng);
        tx.hold(held, rates);
        if (!session.startRead(base(), 3000))
            break;
        untilIdle();
        wrong += mismatches(last, held, rates);
        cycleDone();
    }
    const qint64 readsMs = clock.elapsed();
    for (int i = 0; i < kUpdates; ++i) {
        const j3k::ParamSet sent = randomSet(rng);
        if (!session.startUpdate(sent))
            break;
        untilIdle();
        j3k::ParamSet readBase;
        readBase.set(u"comboBox_2", sent.value(u"comboBox_2"));  // the channel whose rates UPDATE wrote
        if (!session.startRead(readBase, 3000))
            break;
        untilIdle();
        j3k::ParamSet written = sent;
        written.set(u"spinBox_46", tx.params().value(u"spinBox_46"));  // VERSION is the transmitter's own
        wrong += mismatches(last, written, tx.rates());
        // The pair UPDATE wrote, whatever the transmitter made of it.
        wrong += int(last.frames.params.value(u"spinBox_79") != sent.value(u"spinBox_79"))
                 + int(last.frames.params.value(u"spinBox_80") != sent.value(u"spinBox_80"));
        cycleDone();
    }
    session.close();
    const double growth = rssMiB() - rssWarm;
    std::printf("soak: %d cycles, %d mismatches, RSS %+.1f MiB (READs %.1f s, UPDATE + READ %.0f s)\n", cycles, wrong,
                growth, readsMs / 1000.0, (clock.elapsed() - readsMs) / 1000.0);
    return cycles == kReads + kUpdates && wrong == 0;
}
