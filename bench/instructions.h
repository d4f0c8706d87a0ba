#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class QTextStream;

namespace fendrimo::bench {

// One start-up counted by callgrind: instructions by function, each with
// everything it calls (inclusive), and how often each function was called.
// Read from the text callgrind_annotate prints, so that no part of the
// callgrind file format needs to be known here.
struct InstructionProfile
{
    qint64 total = 0;
    QHash<QString, qint64> inclusive; // by function name, as callgrind_annotate names it
    QHash<QString, qint64> calls;

    qint64 cost(const QString& function) const { return inclusive.value(function); }
    qint64 callCount(const QString& function) const { return calls.value(function); }
};

// inclusiveText: `callgrind_annotate --inclusive=yes --threshold=100`;
// callerText: `callgrind_annotate --tree=caller --threshold=100`.
// Fails (empty profile, message in error) when no program total is found.
InstructionProfile readInstructionProfile(const QByteArray& inclusiveText,
                                          const QByteArray& callerText, QString* error);

// The section of the performance report that compares the two start-ups
// phase by phase, in millions of instructions, and Fendrimo's start-up with
// its reference and limit.
void writeInstructionSection(QTextStream& out, const InstructionProfile& fendrimo,
                             const InstructionProfile& baseline, qint64 reference, qint64 limit);

} // namespace fendrimo::bench
