// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSerialPort>
#include <QString>

// A port and the line settings the "SETTING" group asks for, as QSerialPort
// takes them.
struct PortSettings {
    qint32 baudRate = 9600;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;
    bool dtr = false;
    bool rts = false;
    QString portName;  // a name QSerialPort knows (ttyUSB0, COM3) or a path
};

// Reads the settings from the texts the settings boxes show. Each text must
// match an item exactly (case and all); any other text gives that setting's
// plain default: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow
// control.
PortSettings portSettingsFromTexts(const QString &baudRate, const QString &dataBits, const QString &parity,
                                   const QString &stopBits, const QString &flowControl, bool dtr, bool rts);

// Sets up an open port. Settings the device cannot take (DTR on a
// pseudo-terminal, 1.5 stop bits on Linux) are left as they are; the port
// works without them.
void applyPortSettings(QSerialPort &port, const PortSettings &s);
