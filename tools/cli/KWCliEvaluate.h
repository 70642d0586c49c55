#pragma once

#include <QStringList>

#include <ostream>

// `evaluate [--format json|csv] FILE...`: every indicator of each visit document, recomputed
// from its recordings, with the advisor's ratings as stored. Returns the exit code (TKWCliExit).
int KWCliEvaluate(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr);
