#pragma once

#include <QStringList>

#include <ostream>

// The storage commands: farms and visits as the browser lists them, and the export of every
// stored visit as a visit folder. Each returns the exit code (TKWCliExit).
int KWCliVisits(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr);
int KWCliExport(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr);
