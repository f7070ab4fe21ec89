// SPDX-License-Identifier: GPL-3.0-or-later
// A virtual transmitter for trying the editor without hardware: prints a
// serial port path to open in the editor and logs what the editor sends.
#include "ptytransmitter.h"
#include "stopsignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A virtual transmitter: prints a serial port path to open in the editor (or give to j3kctl --port), "
        "then answers READ and keeps what UPDATE sends, printing a line for every message. Ctrl+C quits."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption noise(QStringLiteral("noise"),
                                   QStringLiteral("Loses, doubles or changes each byte it sends at RATE (0 to 1, "
                                                  "0.01 is one byte in a hundred), as a poor adapter does."),
                                   QStringLiteral("RATE"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seeds --noise, so the same faults come again (default 1)."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({noise, seed});
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString why = parser.errorText().isEmpty()
                                ? QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first())
                                : parser.errorText();
        err << "txsim: " << why << Qt::endl << parser.helpText();
        return 2;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    bool rateOk = true, seedOk = true;
    const double rate = parser.isSet(noise) ? parser.value(noise).toDouble(&rateOk) : 0.0;
    const quint32 seedValue = parser.value(seed).toUInt(&seedOk);
    if (!rateOk || rate < 0 || rate > 1 || !seedOk) {
        err << "txsim: --noise takes a rate from 0 to 1 and --seed a whole number from 0" << Qt::endl;
        return 2;
    }

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
    if (rate > 0)
        transmitter.setNoise(j3k::LineNoise(rate, seedValue));
    QObject::connect(&stop, &j3k::StopSignals::caught, &app, &QCoreApplication::quit);
    QObject::connect(&transmitter, &PtyTransmitter::logged, &app,
                     [&out](const QString &line) { out << line << Qt::endl; });

    out << transmitter.slavePath() << Qt::endl;
    err << "txsim: open " << transmitter.slavePath() << " in the editor; Ctrl+C quits" << Qt::endl;
    const int code = app.exec();
    out << "quit" << Qt::endl;
    return code;
}
