// qomvi-cli: evaluates, lists and exports visits without the window.
#include "KWCliCatalogue.h"
#include "KWCliEvaluate.h"
#include "KWCliOutput.h"
#include "KWCliStorage.h"

#include <QCoreApplication>

#include <functional>
#include <iostream>
#include <map>

namespace {

const char* const Usage =
    "usage: qomvi-cli COMMAND [ARGS]\n"
    "\n"
    "  evaluate [--format json|csv] FILE...\n"
    "      every indicator of each visit document, recomputed from its recordings; numbers\n"
    "      without a value (and reference or target values that do not exist) are null\n"
    "  causes ID...                      cause areas for these weak points, most relevant first\n"
    "  measures --weak ID,ID... --causes NAME,NAME...\n"
    "                                    measures for these weak points and cause areas\n"
    "  codes [GROUP]                     code groups with their codes and labels\n"
    "  visits [--db FILE]                farms and their visits, as the browser lists them\n"
    "  export [--db FILE] --out DIR      every stored visit as a visit folder\n"
    "\n"
    "Exit status: 0 success, 1 some input failed (reported on standard error), 2 wrong usage.\n";

using TCommand = std::function<int(const QStringList&, std::ostream&, std::ostream&)>;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication App(argc, argv);
    QStringList Args = App.arguments();
    Args.removeFirst();
    const std::map<QString, TCommand> Commands = {
        {QStringLiteral("evaluate"), KWCliEvaluate}, {QStringLiteral("causes"), KWCliCauses},
        {QStringLiteral("measures"), KWCliMeasures}, {QStringLiteral("codes"), KWCliCodes},
        {QStringLiteral("visits"), KWCliVisits},     {QStringLiteral("export"), KWCliExport},
    };
    if (!Args.isEmpty() && (Args.first() == QLatin1String("--help") || Args.first() == QLatin1String("-h"))) {
        std::cout << Usage;
        return ceOk;
    }
    const auto Command = Args.isEmpty() ? Commands.end() : Commands.find(Args.first());
    if (Command == Commands.end()) {
        std::cerr << Usage;
        return ceUsage;
    }
    Args.removeFirst();
    return Command->second(Args, std::cout, std::cerr);
}
