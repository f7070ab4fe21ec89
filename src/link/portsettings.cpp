// SPDX-License-Identifier: GPL-3.0-or-later
#include "portsettings.h"

#include <QCoreApplication>

#include <initializer_list>
#include <utility>

namespace {

// The items are the form's texts, so they are compared as translated.
template<typename T>
T pick(const QString &text, std::initializer_list<std::pair<const char *, T>> items, T otherwise)
{
    for (const auto &[item, value] : items) {
        if (text == QCoreApplication::translate("MainWindow", item))
            return value;
    }
    return otherwise;
}

}  // namespace

PortSettings portSettingsFromTexts(const QString &baudRate, const QString &dataBits, const QString &parity,
                                   const QString &stopBits, const QString &flowControl, bool dtr, bool rts)
{
    PortSettings s;
    // 14400 and 56000 have no QSerialPort name; the driver takes them as
    // plain numbers where the hardware can do them.
    s.baudRate = pick<qint32>(baudRate,
                              {{"115200", 115200},
                               {"57600", 57600},
                               {"56000", 56000},
                               {"38400", 38400},
                               {"19200", 19200},
                               {"14400", 14400},
                               {"4800", 4800},
                               {"2400", 2400}},
                              9600);
    s.dataBits = pick(dataBits, {{"7", QSerialPort::Data7}, {"6", QSerialPort::Data6}, {"5", QSerialPort::Data5}},
                      QSerialPort::Data8);
    s.parity = pick(parity,
                    {{"ODD", QSerialPort::OddParity},
                     {"EVEN", QSerialPort::EvenParity},
                     {"SPACE", QSerialPort::SpaceParity},
                     {"MARK", QSerialPort::MarkParity}},
                    QSerialPort::NoParity);
    s.stopBits
        = pick(stopBits, {{"2", QSerialPort::TwoStop}, {"1.5", QSerialPort::OneAndHalfStop}}, QSerialPort::OneStop);
    s.flowControl
        = pick(flowControl, {{"XONXOFF", QSerialPort::SoftwareControl}, {"HARDWARE", QSerialPort::HardwareControl}},
               QSerialPort::NoFlowControl);
    s.dtr = dtr;
    s.rts = rts;
    return s;
}

void applyPortSettings(QSerialPort &port, const PortSettings &s)
{
    port.setBaudRate(s.baudRate);
    port.setDataBits(s.dataBits);
    port.setParity(s.parity);
    port.setStopBits(s.stopBits);
    port.setFlowControl(s.flowControl);
    port.setDataTerminalReady(s.dtr);
    port.setRequestToSend(s.rts);
    port.clearError();
}
