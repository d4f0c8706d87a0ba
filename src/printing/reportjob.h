#pragma once

#include "printing/reportpage.h"

#include <QString>

class QPrinter;

namespace fendrimo {

// What became of a print.
struct PrintOutcome
{
    // What kept the page from being printed.
    enum class Problem {
        None,
        NoPrinter,      // no output can be had at all
        NotStarted,     // the job can't begin
        FileNotWritten, // the PDF printer can't write its file
        Aborted,        // the pages can't be drawn: the job was aborted, no half page went out
        NotHandedOver,  // the page can't be handed over to the printer
        Refused,        // the print service did not take the job
        Cancelled       // the user cancelled the PDF printer's file name: nothing to tell
    };

    Problem problem = Problem::None;
    QString file;      // FileNotWritten: the file
    QString refusal;   // Refused: the print service's reason
    bool held = false; // taken, but the queue is stopped: the job waits in it

    // The page was written or the print service took the job.
    bool printed() const { return problem == Problem::None; }
    static PrintOutcome stoppedBy(Problem problem, QString file = QString());
};

// Prints the report's pages: describes them for the printer's page, then
// draws them in one job. A printer that writes a PDF file gets the pages
// straight; a print service queue gets them as one PDF document whose
// acceptance is checked, so a refused job comes back as a refusal, not as
// printed. What keeps the job from going out comes back as its problem.
PrintOutcome printReport(QPrinter& printer, const ReportInput& input);

} // namespace fendrimo
