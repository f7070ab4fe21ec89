#include "paramfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace j3k {

QByteArray paramFileBytes(const ParamSet &params)
{
    return (buildRecord(RecordId::S, params) + buildRecord(RecordId::G, params)).toLatin1();
}

std::optional<ParamFileRecords> splitParamFile(QStringView text)
{
    const QStringView s = text.first(qMin<qsizetype>(RecordLength, text.size()));
    QStringView rest = text.sliced(s.size());
    if (rest.startsWith(u"\r\n"))
        rest = rest.sliced(2);
    else if (rest.startsWith(u'\n'))
        rest = rest.sliced(1);
    const QStringView g = rest.first(qMin<qsizetype>(RecordLength, rest.size()));
    if (!isWellFormedRecord(RecordId::S, s) || !isWellFormedRecord(RecordId::G, g))
        return std::nullopt;
    return ParamFileRecords{s.toString(), g.toString()};
}

FileBytes readParamFile(const QString &path)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("j3k::ParamFile", text); };
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, tr("no such file")};
    if (!info.isFile())
        return {{}, tr("not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    // One byte more than allowed tells a file at the limit from a bigger one.
    QByteArray bytes = file.read(ParamFileReadLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > ParamFileReadLimit)
        return {{}, tr("larger than %1 KiB; a parameter file has 162 characters").arg(ParamFileReadLimit / 1024)};
    return {std::move(bytes), {}};
}

}  // namespace j3k
