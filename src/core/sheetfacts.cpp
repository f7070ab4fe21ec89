// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetfacts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace j3k {

namespace {

template<typename Numbers>
QJsonArray toArray(const Numbers &numbers)
{
    QJsonArray out;
    for (int n : numbers)
        out.append(n);
    return out;
}

// Every rate within what a rate spin box holds, or nothing.
std::optional<std::array<int, 4>> rateArray(const QJsonValue &value)
{
    const ParamInfo &rate = paramTable()[std::size_t(paramIndex(u"spinBox_79"))];
    const QJsonArray array = value.toArray();
    std::array<int, 4> out{};
    if (array.size() != qsizetype(out.size()))
        return std::nullopt;
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = array.at(qsizetype(i)).toInt(-1);
        if (out[i] < rate.min || out[i] > rate.max)
            return std::nullopt;
    }
    return out;
}

}  // namespace

QByteArray sheetFactsToJson(const SheetFacts &facts)
{
    QList<int> values;
    for (int i = 0; i < int(ParamCount); ++i)
        values << facts.values.value(i);
    QJsonObject o{{QStringLiteral("values"), toArray(values)},
                  {QStringLiteral("versionRead"), facts.versionRead},
                  {QStringLiteral("file"), facts.file}};
    if (facts.rates)
        o.insert(QStringLiteral("rates"), QJsonObject{{QStringLiteral("up"), toArray(facts.rates->up)},
                                                      {QStringLiteral("down"), toArray(facts.rates->down)}});
    if (facts.readAt.isValid())
        o.insert(QStringLiteral("readAt"), facts.readAt.toString(Qt::ISODate));
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<SheetFacts> sheetFactsFromJson(const QByteArray &json)
{
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    const QJsonArray values = o.value(QStringLiteral("values")).toArray();
    if (values.size() != qsizetype(ParamCount))
        return std::nullopt;
    SheetFacts facts;
    for (int i = 0; i < int(ParamCount); ++i) {
        const ParamInfo &p = paramTable()[std::size_t(i)];
        const int v = values.at(i).toInt(p.min - 1);
        if (v < p.min || v > p.max || !facts.values.set(i, v))
            return std::nullopt;
    }
    if (o.contains(QStringLiteral("rates"))) {
        const QJsonObject rates = o.value(QStringLiteral("rates")).toObject();
        const auto up = rateArray(rates.value(QStringLiteral("up")));
        const auto down = rateArray(rates.value(QStringLiteral("down")));
        if (!up || !down)
            return std::nullopt;
        facts.rates = DrRates{*up, *down};
    }
    facts.versionRead = o.value(QStringLiteral("versionRead")).toBool();
    facts.file = o.value(QStringLiteral("file")).toString();
    facts.readAt = QDateTime::fromString(o.value(QStringLiteral("readAt")).toString(), Qt::ISODate);
    return facts;
}

}  // namespace j3k
