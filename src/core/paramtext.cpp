// SPDX-License-Identifier: GPL-3.0-or-later
#include "paramtext.h"

#include <QCoreApplication>
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

// A decimal number as people type it: a sign (+ or -), leading zeros, and
// decimals after a point.
struct Number {
    int sign;
    qint64 whole;
    int tenth;   // the first decimal
    bool finer;  // a decimal after the first that is not 0
    qint64 tenths() const { return sign * (whole * 10 + tenth); }
};

std::optional<Number> number(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([+-]?)([0-9]+)(?:\\.([0-9])([0-9]*))?$"));
    static const QRegularExpression notZero(QStringLiteral("[1-9]"));
    const QRegularExpressionMatch m = pattern.match(text);
    bool ok = false;
    const qint64 whole = m.captured(2).toLongLong(&ok);  // base 10: a leading zero makes no octal
    if (!m.hasMatch() || !ok || whole > 99'999'999)
        return std::nullopt;
    return Number{m.captured(1) == u"-" ? -1 : 1, whole, m.captured(3).toInt(), m.captured(4).contains(notZero)};
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
    const QString t = text.trimmed().toString();
    const ParamKind kind = info(index).kind;
    if (kind == ParamKind::Combo) {
        const int item = int(paramItems(index).indexOf(t.toUpper()));
        return item >= 0 ? std::optional<int>(item) : std::nullopt;
    }
    // "11.15" names no value the transmitter can hold, and a spin box holds
    // no tenths; zeros after them change nothing.
    const std::optional<Number> n = number(t);
    if (!n || n->finer || (kind == ParamKind::Spin && n->tenth != 0))
        return std::nullopt;
    return int(kind == ParamKind::Alarm ? n->tenths() : n->sign * n->whole);
}

QString refusedValueText(int index, QStringView text)
{
    const std::optional<Number> n = number(text.trimmed().toString());
    if (info(index).kind == ParamKind::Alarm && n && n->finer) {
        const int below = int(n->tenths()), beside = below + n->sign;
        return QCoreApplication::translate("j3k::ParamText", "%1 takes one decimal (%2 or %3)")
            .arg(QLatin1String(info(index).label), valueText(index, std::min(below, beside)),
                 valueText(index, std::max(below, beside)));
    }
    return QCoreApplication::translate("j3k::ParamText", "expected %1").arg(allowedValues(index));
}

QString allowedValues(int index)
{
    const ParamInfo &p = info(index);
    if (p.kind == ParamKind::Combo)
        return paramItems(index).join(QLatin1String(", "));
    return QStringLiteral("%1..%2").arg(valueText(index, p.min), valueText(index, p.max));
}

}  // namespace j3k
