// SPDX-License-Identifier: GPL-3.0-or-later
// A virtual transmitter for trying the editor without hardware: prints a
// serial port path to open in the editor and logs what the editor sends.
#include "ptytransmitter.h"
#include "stopsignals.h"

#include <QCoreApplication>
#include <QTextStream>

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
    // Ctrl+C, SIGTERM and SIGHUP end the session as its last line says.
    j3k::StopSignals stop;
    if (!stop.active()) {
        err << "txsim: cannot catch SIGINT/SIGTERM/SIGHUP" << Qt::endl;
        return 1;
    }
    QObject::connect(&stop, &j3k::StopSignals::caught, &app, &QCoreApplication::quit);
    QObject::connect(&transmitter, &PtyTransmitter::logged, &app,
                     [&out](const QString &line) { out << line << Qt::endl; });

    out << transmitter.slavePath() << Qt::endl;
    err << "txsim: open " << transmitter.slavePath() << " in the editor; Ctrl+C quits" << Qt::endl;
    const int code = app.exec();
    out << "quit" << Qt::endl;
    return code;
}
