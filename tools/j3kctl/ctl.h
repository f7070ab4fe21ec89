// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the commands of j3kctl share: how they talk to the user, and how
// they read and write parameter files and JSON exports.

#include "paramdiff.h"
#include "paramset.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace j3k {
struct ReadAnswer;
}

namespace ctl {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(j3kctl)
};
inline QString tr(const char *text) { return Text::tr(text); }

// Exit statuses: the first three as diff has them. Failed means nothing
// reached the transmitter; Unconfirmed that it may hold a half-written or
// unchecked set. A signal ends the program with 128 + its number.
enum Status { Same = 0, Different = 1, Failed = 2, Unconfirmed = 3 };

// One command: its words on the command line and what runs it.
struct Command {
    const char *name;
    const char *synopsis;     // after "j3kctl ", as --help shows it
    const char *description;  // a sentence or two, translated when shown
    QList<QCommandLineOption> (*options)();
    int minArguments;
    int maxArguments;  // -1: any number
    int (*run)(const QCommandLineParser &parser);
};

extern const Command showCommand, importCommand, setCommand, diffCommand;
extern const Command readCommand, writeCommand, sheetCommand;

void print(const QString &text);  // stdout, a line end added
void note(const QString &text);   // stderr, after "j3kctl: "
int fail(const QString &text);    // note(), then Failed
// What became of output a print() or note() could not write, for the user
// ("output closed"), or empty: a result that did not reach its reader is a
// failure.
QString outputError();

// Parameters from a file, or why there are none; the file's name starts
// the error. Keys a JSON export lacks are noted on stderr, or refused.
struct Loaded {
    j3k::ParamSet params;
    QString error;
};
enum class Accept { ParamFile, Json, Either };
// What becomes of keys a JSON export lacks: start values, or a refusal.
enum class Missing { Note, Refuse };
Loaded load(const QString &path, Accept accept, Missing missing = Missing::Note);

// Writes a parameter file atomically: the old file stays whole until the
// new one is complete. The error text, or empty.
QString save(const QString &path, const j3k::ParamSet &params);

// --port, --baud and --timeout, for the commands on the transmitter.
QList<QCommandLineOption> linkOptions();
// READ on the port those options name, then DIS: Same with the whole
// answer, or the status of a failure already reported.
int readTransmitter(const QCommandLineParser &parser, j3k::ReadAnswer &answer);

// "NAME  VALUE" lines, the names in one column.
QString listing(const j3k::ParamSet &params, const j3k::ParamMask &which);
// "NAME  A-value  ->  B-value" lines.
QString changeLines(const QList<j3k::ParamChange> &changes);

}  // namespace ctl
