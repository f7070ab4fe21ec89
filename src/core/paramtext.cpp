// SPDX-License-Identifier: GPL-3.0-or-later
#include "paramtext.h"

#include <QHash>
#include <QRegularExpression>

namespace j3k {

namespace {

const ParamInfo &info(int index) { return paramTable()[std::size_t(index)]; }

const QHash<QString, int> &indexByKey()
{
    static const QHash<QString, int> byKey = [] {
        QHash<QString, int> h;
        for (int i = 0; i < int(ParamCount); ++i)
            h.insert(paramKey(i), i);
        return h;
    }();
    return byKey;
}

}  // namespace

QString paramLabel(int index)
{
    const ParamInfo &p = info(index);
    const QString label = QString::fromLatin1(p.label);
    return p.unit ? QStringLiteral("%1 (%2)").arg(label, QLatin1String(p.unit)) : label;
}

QString paramKey(int index)
{
    static const QRegularExpression notWord(QStringLiteral("[^a-z0-9]+"));
    QString key = QString::fromLatin1(info(index).label).toLower();
    key.replace(notWord, QStringLiteral("_"));
    return key;
}

int paramIndexOfKey(QStringView key) { return indexByKey().value(key.toString(), -1); }

QStringList paramItems(int index)
{
    const ParamInfo &p = info(index);
    return p.items ? QString::fromLatin1(p.items).split(QLatin1Char('|')) : QStringList();
}

QString valueText(int index, int value)
{
    switch (info(index).kind) {
    case ParamKind::Combo:
        return paramItems(index).value(value, QString::number(value));
    case ParamKind::Alarm:
        return QString::number(alarmShown(value), 'f', 1);
    case ParamKind::Spin:
        break;
    }
    return QString::number(value);
}

std::optional<int> parseValueText(int index, QStringView text)
{
    const ParamInfo &p = info(index);
    const QString t = text.trimmed().toString();
    int value = 0;
    bool ok = false;
    switch (p.kind) {
    case ParamKind::Combo:
        value = int(paramItems(index).indexOf(t.toUpper()));
        ok = value >= 0;
        break;
    case ParamKind::Alarm: {
        // Tenths only: "11.15" names no value the transmitter can hold.
        static const QRegularExpression tenths(QStringLiteral("^(\\d{1,2})(?:\\.(\\d))?$"));
        const QRegularExpressionMatch m = tenths.match(t);
        ok = m.hasMatch();
        value = m.captured(1).toInt() * 10 + m.captured(2).toInt();
        break;
    }
    case ParamKind::Spin:
        value = t.toInt(&ok);
        break;
    }
    if (!ok || value < p.min || value > p.max)
        return std::nullopt;
    return value;
}

QString allowedValues(int index)
{
    const ParamInfo &p = info(index);
    if (p.kind == ParamKind::Combo)
        return paramItems(index).join(QLatin1String(", "));
    return QStringLiteral("%1..%2").arg(valueText(index, p.min), valueText(index, p.max));
}

}  // namespace j3k
