#pragma once

#include "KWJson.h"

#include <QString>
#include <QStringList>

#include <ostream>

// Shared pieces of the command-line tool: what goes to standard output and standard error.

// Exit codes: success, some input failed, wrong usage.
enum TKWCliExit
{
    ceOk = 0,
    ceInputFailed = 1,
    ceUsage = 2
};

// Pretty JSON (indent 2) followed by a line break.
void KWCliWriteJson(std::ostream& AOut, const TKWJson& AValue);
// One line "qomvi-cli: <file>: <reason>" on the error stream.
void KWCliReportFailure(std::ostream& AErr, const QString& AFile, const QString& AReason);
// A value of a ';'-separated line, quoted when it holds a separator, a quote or a line break.
QString KWCliCsvField(const QString& AValue);
// The entries of a "," list argument, trimmed, without empty ones.
QStringList KWCliSplitList(const QString& AArgument);
// The entries joined into a list text: every entry followed by ",".
QString KWCliListText(const QStringList& AEntries);
