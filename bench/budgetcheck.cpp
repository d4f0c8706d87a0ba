// The start-up budgets that need no idle time, for the test command
// (scripts/budgets.sh): the instructions of one start and the peak memory
// against the baseline. Prints each budget, its figure and its limit; ends
// with 1 when one is broken, 2 when a result is missing or unreadable.
//
// fendrimo_budgetcheck --probes probes.jsonl --instructions fendrimo.inclusive
//                      --english-instructions english.inclusive
// The instructions: `callgrind_annotate --inclusive=yes` of one start, in
// German and in English.

#include "budgets.h"
#include "instructions.h"

#include <QCoreApplication>
#include <QStringList>

using namespace fendrimo::bench;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 7 || arguments.at(1) != QLatin1String("--probes") ||
        arguments.at(3) != QLatin1String("--instructions") ||
        arguments.at(5) != QLatin1String("--english-instructions"))
        fail(
            QStringLiteral("usage: --probes FILE --instructions FILE --english-instructions FILE"));

    const QMap<QString, QList<ProbeRun>> probes = readProbes(arguments.at(2));
    const QList<ProbeRun> fendrimo = probes.value(QStringLiteral("fendrimo"));
    const QList<ProbeRun> baseline = probes.value(QStringLiteral("baseline"));
    if (fendrimo.isEmpty() || baseline.isEmpty())
        fail(QStringLiteral("probe results of fendrimo and baseline are needed"));
    const auto total = [&](int at) {
        QString error;
        const InstructionProfile profile =
            readInstructionProfile(readFile(arguments.at(at)), QByteArray(), &error);
        if (!error.isEmpty())
            fail(QStringLiteral("%1: %2").arg(arguments.at(at), error));
        return profile.total;
    };
    const qint64 german = total(4);
    return printBudgets(footprintBudgets(german, fendrimo, baseline) +
                        languageBudgets(german, total(6)))
               ? 1
               : 0;
}
