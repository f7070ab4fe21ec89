// SPDX-License-Identifier: GPL-3.0-or-later
// A virtual transmitter for trying the editor without hardware: prints a
// serial port path to open in the editor and logs what the editor sends.
#include "ptytransmitter.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void onSignal(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// Quits the event loop on SIGINT or SIGTERM. A signal handler may do almost
// nothing, so it only wakes the loop through a pipe.
bool quitOnSignals(QObject *owner)
{
    if (::pipe(signalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGINT, &action, nullptr) == 0 && ::sigaction(SIGTERM, &action, nullptr) == 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    PtyTransmitter transmitter;
    if (!transmitter.isOpen()) {
        err << "txsim: no pseudo-terminal: " << transmitter.errorString() << Qt::endl;
        return 1;
    }
    if (!quitOnSignals(&transmitter)) {
        err << "txsim: cannot catch SIGINT/SIGTERM" << Qt::endl;
        return 1;
    }
    QObject::connect(&transmitter, &PtyTransmitter::logged, &app,
                     [&out](const QString &line) { out << line << Qt::endl; });

    out << transmitter.slavePath() << Qt::endl;
    err << "txsim: open " << transmitter.slavePath() << " in the editor; Ctrl+C quits" << Qt::endl;
    const int code = app.exec();
    out << "quit" << Qt::endl;
    return code;
}
