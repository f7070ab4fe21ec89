// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl.h"

#include "backups.h"
#include "paramfile.h"
#include "paramjson.h"
#include "paramtext.h"
#include "records.h"
#include "smallfile.h"

#include <QStringList>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ctl {

namespace {

// Why a text is no parameter file, in the words of what it should hold.
QString whyNotParamFile(const QString &text)
{
    if (text.trimmed().isEmpty())
        return tr("empty; expected a parameter file (an S record and a G record, %1 characters)")
            .arg(j3k::ParamFileLength);
    if (!j3k::isWellFormedRecord(j3k::RecordId::S,
                                 QStringView(text).first(qMin(text.size(), qsizetype(j3k::RecordLength)))))
        return tr("line 1, characters 1 to 81: expected an S record (S, 79 hex digits, Y)");
    if (text.size() < j3k::ParamFileLength)
        return tr("%1 characters; expected %2 (an S record and a G record)").arg(text.size()).arg(j3k::ParamFileLength);
    return tr("line 1, from character 82 (or line 2): expected a G record (G, 79 hex digits, Z)");
}

int labelWidth()
{
    static const int width = [] {
        int w = 0;
        for (int i = 0; i < int(j3k::ParamCount); ++i)
            w = qMax(w, int(j3k::paramLabel(i).size()));
        return w;
    }();
    return width;
}

}  // namespace

namespace {

QString failedOutput;  // what became of the last write that failed

// Flushed at once: a full disk or a closed pipe shows here, not at exit.
void put(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) != std::size_t(bytes.size())
        || std::fflush(stream) != 0)
        failedOutput = errno == EPIPE
                           ? tr("output closed")
                           : tr("cannot write the output: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

void print(const QString &text) { put(stdout, text + u'\n'); }

// Each line its own "j3kctl: ", so every refused value reads as a message.
void note(const QString &text)
{
    QString lines;
    for (const QString &line : text.split(u'\n'))
        lines += QStringLiteral("j3kctl: ") + line + u'\n';
    put(stderr, lines);
}

QString outputError() { return failedOutput; }

int fail(const QString &text)
{
    note(text);
    return Failed;
}

Loaded load(const QString &path, Accept accept, Missing missing)
{
    const j3k::SmallFileRead file = j3k::readSmallFile(path);
    if (!file.ok())
        return {{}, tr("%1: %2").arg(path, file.error)};
    const bool json = j3k::looksLikeJson(file.bytes);
    if (json && accept == Accept::ParamFile)
        return {{}, tr("%1: is a JSON export; expected a parameter file (j3kctl import makes one)").arg(path)};
    if (!json && accept == Accept::Json)
        return {{}, tr("%1: expected a JSON export (j3kctl show --json makes one)").arg(path)};
    // Each value that is refused gets a line of its own naming the file.
    const auto refused = [&path](QStringList lines) {
        for (QString &line : lines)
            line = tr("%1: %2").arg(path, line);
        return Loaded{{}, lines.join(u'\n')};
    };
    if (!json) {
        const QString text = QString::fromLatin1(file.bytes);
        const j3k::FileParams params = j3k::paramsFromFileText(text);
        if (!params.isParamFile)
            return {{}, tr("%1: %2").arg(path, whyNotParamFile(text))};
        if (!params.ok())
            return refused(j3k::faultMessages(params.faults));
        return {params.params, {}};
    }
    const j3k::JsonParams fromJson = j3k::paramsFromJson(file.bytes);
    if (!fromJson.ok()) {
        // Keys left out too, so one run names all there is to mend.
        QStringList lines = j3k::faultMessages(fromJson.faults);
        if (!fromJson.error.isEmpty())
            lines = fromJson.error.split(u'\n') + lines;
        for (const QString &key : fromJson.missing)
            lines << tr("\"%1\" missing").arg(key);
        return refused(lines);
    }
    if (missing == Missing::Refuse && !fromJson.missing.isEmpty()) {
        return {{},
                tr("%1: lacks %2 parameter(s): %3; expected every key j3kctl show --json lists, nothing sent")
                    .arg(path)
                    .arg(fromJson.missing.size())
                    .arg(fromJson.missing.join(QLatin1String(", ")))};
    }
    for (const QString &key : fromJson.missing) {
        const int index = j3k::paramIndexOfKey(key);
        note(tr("%1: \"%2\" missing; kept its start value %3")
                 .arg(path, key, j3k::valueText(index, fromJson.params.value(index))));
    }
    return {fromJson.params, {}};
}

QString save(const QString &path, const j3k::ParamSet &params)
{
    const QString error = j3k::replaceSmallFile(path, j3k::paramFileBytes(params));
    return error.isEmpty() ? QString() : tr("%1: cannot write: %2").arg(path, error);
}

QString listing(const j3k::ParamSet &params, const j3k::ParamMask &which)
{
    QStringList lines;
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        if (which.test(std::size_t(i)))
            lines << j3k::paramLabel(i).leftJustified(labelWidth()) + QLatin1String("  ")
                         + j3k::valueText(i, params.value(i));
    }
    return lines.join(u'\n');
}

QString changeLines(const QList<j3k::ParamChange> &changes)
{
    QStringList lines;
    for (const j3k::ParamChange &c : changes) {
        lines << QStringLiteral("%1  %2  ->  %3")
                     .arg(j3k::paramLabel(c.index).leftJustified(labelWidth()), j3k::valueText(c.index, c.a),
                          j3k::valueText(c.index, c.b));
    }
    return lines.join(u'\n');
}

}  // namespace ctl
