// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRandomGenerator>

namespace j3k {

// What a poor USB-serial adapter or Bluetooth bridge does to bytes: each
// one, at `rate`, is lost, doubled or changed to another value (one of the
// three alike). The same seed gives the same faults, so a run that went
// wrong can be run again.
class LineNoise
{
public:
    LineNoise(double rate, quint32 seed)
        : m_rate(rate)
        , m_rng(seed)
    {}

    QByteArray pass(QByteArrayView bytes);
    double rate() const { return m_rate; }

private:
    double m_rate;
    QRandomGenerator m_rng;
};

}  // namespace j3k
