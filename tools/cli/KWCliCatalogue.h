#pragma once

#include <QStringList>

#include <ostream>

// The catalogue commands: cause areas for weak points, measures for weak points and cause
// areas, and the code lists. Each returns the exit code (TKWCliExit).
int KWCliCauses(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr);
int KWCliMeasures(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr);
int KWCliCodes(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr);
