// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on files: show, import, set and diff.
#include "ctl.h"

#include "paramjson.h"
#include "paramtext.h"
#include "rangecheck.h"

namespace ctl {

namespace {

QCommandLineOption jsonOption() { return {QStringLiteral("json"), tr("Print a JSON export instead.")}; }

QCommandLineOption outputOption(const char *text)
{
    return {{QStringLiteral("o"), QStringLiteral("output")}, tr(text), QStringLiteral("FILE")};
}

int show(const QCommandLineParser &parser)
{
    const Loaded in = load(parser.positionalArguments().at(0), Accept::Either);
    if (!in.error.isEmpty())
        return fail(in.error);
    if (parser.isSet(QStringLiteral("json")))
        print(QString::fromUtf8(j3k::paramsToJson(in.params)).trimmed());
    else
        print(listing(in.params, j3k::fileParams()));
    return Same;
}

int import(const QCommandLineParser &parser)
{
    const QString out = parser.value(QStringLiteral("o"));
    if (out.isEmpty())
        return fail(tr("import: expected -o FILE, the parameter file to write"));
    const Loaded in = load(parser.positionalArguments().at(0), Accept::Json);
    if (!in.error.isEmpty())
        return fail(in.error);
    const QString error = save(out, in.params);
    return error.isEmpty() ? Same : fail(error);
}

int set(const QCommandLineParser &parser)
{
    const QStringList args = parser.positionalArguments();
    const QString file = args.at(0);
    Loaded in = load(file, Accept::ParamFile);
    if (!in.error.isEmpty())
        return fail(in.error);
    // Every assignment is checked before anything is written.
    j3k::RawValues values;
    for (const QString &assignment : args.mid(1)) {
        const qsizetype eq = assignment.indexOf(u'=');
        const QString key = assignment.left(eq);
        if (eq < 0)
            return fail(tr("%1: \"%2\": expected KEY=VALUE").arg(file, assignment));
        if (const QString refused = j3k::refusedKey(key); !refused.isEmpty())
            return fail(tr("%1: %2").arg(file, refused));
        const int index = j3k::paramIndexOfKey(key);
        const QStringView text = QStringView(assignment).sliced(eq + 1);
        const std::optional<int> value = j3k::parseValueText(index, text);
        if (!value)
            return fail(tr("%1: \"%2\": %3").arg(file, assignment, j3k::refusedValueText(index, text)));
        values.append({index, *value});
    }
    if (const QList<j3k::RangeFault> faults = j3k::checkRanges(values, in.params); !faults.isEmpty())
        return fail(j3k::faultMessages(faults).join(u'\n'));
    j3k::applyRawValues(values, in.params);
    const QString error = save(parser.isSet(QStringLiteral("o")) ? parser.value(QStringLiteral("o")) : file, in.params);
    return error.isEmpty() ? Same : fail(error);
}

int diff(const QCommandLineParser &parser)
{
    const QStringList args = parser.positionalArguments();
    const Loaded a = load(args.at(0), Accept::Either);
    if (!a.error.isEmpty())
        return fail(a.error);
    const Loaded b = load(args.at(1), Accept::Either);
    if (!b.error.isEmpty())
        return fail(b.error);
    const QList<j3k::ParamChange> changes = j3k::compareParams(a.params, b.params, j3k::fileParams());
    if (changes.isEmpty())
        return Same;
    print(changeLines(changes));
    return Different;
}

}  // namespace

const Command showCommand{
    "show",
    "show FILE [--json]",
    QT_TRANSLATE_NOOP("j3kctl", "Lists every parameter of a parameter file (or of a JSON export), one line each."),
    [] { return QList<QCommandLineOption>{jsonOption()}; },
    1,
    1,
    show,
};

const Command importCommand{
    "import",
    "import JSON -o FILE",
    QT_TRANSLATE_NOOP("j3kctl", "Makes a parameter file of a JSON export. Missing keys keep their start values and are "
                                "listed on stderr; an unknown key or a value out of range writes nothing."),
    [] { return QList<QCommandLineOption>{outputOption(QT_TRANSLATE_NOOP("j3kctl", "The parameter file to write."))}; },
    1,
    1,
    import,
};

const Command setCommand{
    "set",
    "set FILE KEY=VALUE... [-o OUT]",
    QT_TRANSLATE_NOOP("j3kctl",
                      "Changes values in a parameter file, in place unless -o is given. The keys are those of "
                      "show --json (sub_trim_ch3=-20, tx_alarm=10.8, d_r_mix=OPEN)."),
    [] {
        return QList<QCommandLineOption>{
            outputOption(QT_TRANSLATE_NOOP("j3kctl", "Write the result here and leave FILE as it is."))};
    },
    2,
    -1,
    set,
};

const Command diffCommand{
    "diff",
    "diff A B",
    QT_TRANSLATE_NOOP("j3kctl", "Lists the parameters that differ between two parameter files or JSON exports. Exit "
                                "status 0 when they are equal, 1 when they differ, 2 on error."),
    [] { return QList<QCommandLineOption>{}; },
    2,
    2,
    diff,
};

}  // namespace ctl
