// The budgets that need no idle time, for the test command
// (scripts/budgets.sh): the instructions of one start and the peak memory
// against the baseline; for a year of glucose readings in each export's
// shape the instructions per reading and the peak memory. Prints each
// budget, its figure and its limit; ends with 1 when one is broken, 2 when
// a result is missing or unreadable.
//
// fendrimo_budgetcheck --probes probes.jsonl --instructions fendrimo.inclusive
//                      --english-instructions english.inclusive --glucose DIR
// The instructions: `callgrind_annotate --inclusive=yes` of one start, in
// German and in English. DIR: the glucose year's results (budgets.h).

#include "budgets.h"
#include "instructions.h"

#include <QCoreApplication>
#include <QStringList>

using namespace fendrimo::bench;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QStringList names{QStringLiteral("--probes"), QStringLiteral("--instructions"),
                            QStringLiteral("--english-instructions"), QStringLiteral("--glucose")};
    bool usage = arguments.size() != 1 + 2 * names.size();
    for (qsizetype i = 0; !usage && i < names.size(); ++i)
        usage = arguments.at(1 + 2 * i) != names.at(i);
    if (usage)
        fail(QStringLiteral("usage: --probes FILE --instructions FILE --english-instructions FILE "
                            "--glucose DIR"));

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
                        languageBudgets(german, total(6)) +
                        glucoseBudgets(readGlucoseYears(arguments.at(8))))
               ? 1
               : 0;
}
