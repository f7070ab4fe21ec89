// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transmitter's data as the tests share it: the worked records, random
// and opposite parameter sets, and files.

#include "frames.h"
#include "paramset.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// The records of the editor's start values, character for character as the
// transmitter has them.
inline const QString kStartS
    = QStringLiteral("S00100000787878787878787870707070707070707070707070707070424210424242424213027F2Y");
inline const QString kStartG
    = QStringLiteral("G01E2D3C4855680DCDCDCDCDC140A642A6A6674747474747474740074747474747474740135006D2Z");
inline const QByteArray kStartFile = (kStartS + kStartG).toLatin1();

// Any in-range parameter set, drawing the range ends often: that is where an
// offset or a field width goes wrong.
inline j3k::ParamSet randomParams(QRandomGenerator &rng)
{
    j3k::ParamSet p;
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        const j3k::ParamInfo &info = j3k::paramTable()[std::size_t(i)];
        const int pick = rng.bounded(6);
        p.set(i, pick == 0 ? info.min : pick == 1 ? info.max : rng.bounded(info.min, info.max + 1));
    }
    return p;
}

// `p` with every parameter but `except` moved to the end of its range it is
// furthest from, so any parameter a check fails to carry shows.
inline j3k::ParamSet opposite(const j3k::ParamSet &p, int except = -1)
{
    j3k::ParamSet out = p;
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        const j3k::ParamInfo &info = j3k::paramTable()[std::size_t(i)];
        if (i != except)
            out.set(i, p.value(i) - info.min < info.max - p.value(i) ? info.max : info.min);
    }
    return out;
}

// Where two parameter sets differ, by name, so a failure says which; empty
// when they agree.
inline QString differences(const j3k::ParamSet &actual, const j3k::ParamSet &expected)
{
    QStringList out;
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        if (actual.value(i) != expected.value(i))
            out << QStringLiteral("%1 is %2, not %3")
                       .arg(QLatin1String(j3k::paramTable()[std::size_t(i)].name))
                       .arg(actual.value(i))
                       .arg(expected.value(i));
    }
    return out.join(QLatin1String("; "));
}

// `set` with "name=value" settings applied.
inline j3k::ParamSet applied(j3k::ParamSet set, const QStringList &settings)
{
    for (const QString &s : settings)
        set.set(s.section(u'=', 0, 0), s.section(u'=', 1).toInt());
    return set;
}

// The file's path, or empty when it could not be written.
// Every D/R channel with the pair `p` shows.
inline j3k::DrRates sameRates(const j3k::ParamSet &p)
{
    j3k::DrRates rates;
    rates.up.fill(p.value(u"spinBox_79"));
    rates.down.fill(p.value(u"spinBox_80"));
    return rates;
}

inline QString writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() ? path : QString();
}

inline QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
