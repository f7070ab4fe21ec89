// SPDX-License-Identifier: GPL-3.0-or-later
#include "paramjson.h"

#include "paramtext.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <numeric>
#include <utility>

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

// The edits that make one text the other.
qsizetype editDistance(QStringView a, QStringView b)
{
    QList<qsizetype> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j)
            diagonal = std::exchange(row[j], std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])}));
    }
    return row.last();
}

// QJsonDocument keeps the last of two equal keys without a word, so a text
// naming a parameter twice would lose one of its values unseen. The text has
// parsed, so it is well-formed JSON: only its brackets, commas, colons and
// strings matter here, and a string holds no line break.
QStringList keysGivenTwice(const QByteArray &json)
{
    struct Open {
        bool object;
        bool keyNext;              // in an object, after "{" or ","
        QHash<QString, int> line;  // where each of its keys stands
    };
    QList<Open> open;
    QStringList twice;
    int line = 1;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '\n')
            ++line;
        else if (c == '{' || c == '[')
            open.append({c == '{', c == '{', {}});
        else if ((c == '}' || c == ']') && !open.isEmpty())
            open.removeLast();
        else if ((c == ',' || c == ':') && !open.isEmpty())
            open.last().keyNext = c == ',' && open.last().object;
        if (c != '"')
            continue;
        qsizetype end = i + 1;
        while (end < json.size() && json[end] != '"')
            end += json[end] == '\\' ? 2 : 1;
        if (!open.isEmpty() && open.last().keyNext && end < json.size()) {
            const QString key
                = QJsonDocument::fromJson('[' + json.sliced(i, end + 1 - i) + ']').array().first().toString();
            if (const int first = open.last().line.value(key))
                twice << tr("\"%1\" is given twice, on lines %2 and %3; expected each key once")
                             .arg(key)
                             .arg(first)
                             .arg(line);
            open.last().line.insert(key, line);
        }
        i = end;
    }
    return twice;
}

}  // namespace

QString refusedKey(const QString &key)
{
    const int index = paramIndexOfKey(key);
    if (index >= 0 && fileParams().test(std::size_t(index)))
        return {};
    if (index >= 0) {
        return tr("\"%1\": %2 is the transmitter's own; no parameter file holds it")
            .arg(key, QLatin1String(paramTable()[std::size_t(index)].label));
    }
    // A slip of the keyboard or a different spelling: "subtrim_ch3", "TX-ALARM".
    const QString typed = key.toLower();
    qsizetype nearest = std::max<qsizetype>(2, key.size() / 3) + 1;  // no slip is farther
    QString suggestion;
    for (int i = 0; i < int(ParamCount); ++i) {
        const qsizetype d = editDistance(typed, paramKey(i));
        if (fileParams().test(std::size_t(i)) && d < nearest) {
            nearest = d;
            suggestion = paramKey(i);
        }
    }
    return suggestion.isEmpty() ? tr("\"%1\": unknown key; expected a key j3kctl show --json lists").arg(key)
                                : tr("\"%1\": unknown key; did you mean %2?").arg(key, suggestion);
}

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

// Editors on Windows like to start a UTF-8 file with a byte-order mark.
// QJsonDocument reads past it, and so must this first look.
bool looksLikeJson(const QByteArray &bytes)
{
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    return text.trimmed().startsWith('{');
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
    RawValues values;
    QStringList wrong = keysGivenTwice(json);
    for (auto it = given.begin(); it != given.end(); ++it) {
        if (const QString refused = refusedKey(it.key()); !refused.isEmpty()) {
            wrong << refused;
            continue;
        }
        const int index = paramIndexOfKey(it.key());
        const QString text = valueAsText(it.value());
        const std::optional<int> value = parseValueText(index, text);
        if (!value) {
            const QByteArray shown = QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact);
            wrong << tr("\"%1\" is %2; %3")
                         .arg(it.key(), QString::fromUtf8(shown.mid(1).chopped(1)), refusedValueText(index, text));
            continue;
        }
        values.append({index, *value});
    }
    for (int i = 0; i < int(ParamCount); ++i) {
        if (fileParams().test(std::size_t(i)) && !given.contains(paramKey(i)))
            out.missing << paramKey(i);
    }
    // Every value is looked at before the text is refused, so one message
    // names them all.
    out.error = wrong.join(u'\n');
    out.faults = checkRanges(values);
    if (out.ok())
        applyRawValues(values, out.params);
    return out;
}

}  // namespace j3k
