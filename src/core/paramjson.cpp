// SPDX-License-Identifier: GPL-3.0-or-later
#include "paramjson.h"

#include "paramtext.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace j3k {

namespace {

const QString kFormat = QStringLiteral("j3k-parameters");
constexpr int kVersion = 1;

QString tr(const char *text) { return QCoreApplication::translate("j3k::ParamJson", text); }

// Line and column (from 1) of a byte offset, for a syntax error.
QString position(const QByteArray &text, int offset)
{
    const QByteArray before = text.first(qBound(0, offset, int(text.size())));
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return tr("line %1, column %2").arg(line).arg(column);
}

// A JSON value as the text valueText() would give; empty for a value that
// is neither a string nor a number.
QString valueAsText(const QJsonValue &v)
{
    if (v.isString())
        return v.toString();
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    return {};
}

}  // namespace

ParamMask fileParams()
{
    static const ParamMask mask = ParamMask().set().reset(std::size_t(paramIndex(u"spinBox_46")));
    return mask;
}

QByteArray paramsToJson(const ParamSet &params, const ParamMask &which)
{
    // Written by hand: QJsonDocument sorts the keys.
    QStringList lines;
    for (int i = 0; i < int(ParamCount); ++i) {
        if (!which.test(std::size_t(i)))
            continue;
        const QString text = valueText(i, params.value(i));
        const bool quoted = paramTable()[std::size_t(i)].kind == ParamKind::Combo;
        lines << QStringLiteral("        \"%1\": %2").arg(paramKey(i), quoted ? u'"' + text + u'"' : text);
    }
    return QStringLiteral("{\n    \"format\": \"%1\",\n    \"version\": %2,\n    \"parameters\": {\n%3\n    }\n}\n")
        .arg(kFormat)
        .arg(kVersion)
        .arg(lines.join(QLatin1String(",\n")))
        .toUtf8();
}

JsonParams paramsFromJson(const QByteArray &json)
{
    JsonParams out;
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        out.error = tr("%1: %2; expected JSON").arg(position(json, parse.offset), parse.errorString());
        return out;
    }
    const QJsonObject top = doc.object();
    if (!doc.isObject() || top.value(QLatin1String("format")).toString() != kFormat) {
        out.error = tr("\"format\" is not \"%1\"; expected an export of j3kctl show --json").arg(kFormat);
        return out;
    }
    if (top.value(QLatin1String("version")) != QJsonValue(kVersion)) {
        out.error = tr("\"version\" is not %1; expected an export of this j3kctl").arg(kVersion);
        return out;
    }
    const QJsonValue parameters = top.value(QLatin1String("parameters"));
    if (!parameters.isObject()) {
        out.error = tr("\"parameters\" is missing or not an object; expected {\"key\": value, ...}");
        return out;
    }
    const QJsonObject given = parameters.toObject();
    for (auto it = given.begin(); it != given.end(); ++it) {
        const int index = paramIndexOfKey(it.key());
        if (index < 0) {
            out.error = tr("unknown key \"%1\"; expected the keys j3kctl show --json lists").arg(it.key());
            return out;
        }
        if (!fileParams().test(std::size_t(index))) {
            out.error = tr("key \"%1\" is the transmitter's own; parameter files do not carry it").arg(it.key());
            return out;
        }
        const std::optional<int> value = parseValueText(index, valueAsText(it.value()));
        if (!value) {
            const QByteArray shown = QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact);
            out.error = tr("\"%1\" is %2; expected %3")
                            .arg(it.key(), QString::fromUtf8(shown.mid(1).chopped(1)), allowedValues(index));
            return out;
        }
        out.params.set(index, *value);
    }
    for (int i = 0; i < int(ParamCount); ++i) {
        if (fileParams().test(std::size_t(i)) && !given.contains(paramKey(i)))
            out.missing << paramKey(i);
    }
    return out;
}

}  // namespace j3k
