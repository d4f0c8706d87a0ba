#pragma once

#include "printing/reportpage.h"

#include <QString>

class QPrinter;
class QWidget;

namespace fendrimo {

// What became of a print.
struct PrintOutcome
{
    bool printed = false; // the page was written or the print service took the job
    QString refusal;      // why the print service did not take it
    bool held = false;    // taken, but the queue is stopped: the job waits in it
};

// Prints the report's pages: describes them for the printer's page, then
// draws them in one job. A printer that writes a PDF file gets the pages
// straight; a print service queue gets them as one PDF document whose
// acceptance is checked, so a refused job comes back as a refusal, not as
// printed. Throws Failure when the job can't begin, when the pages can't be
// drawn (the job is aborted first, no half page goes out) or when the page
// can't be handed over.
PrintOutcome printReport(QPrinter& printer, const ReportInput& input);

// Tells the user what the print came to: the print service's refusal as an
// error, a job waiting in a stopped queue as a notice. True when printed.
bool reportPrintOutcome(QWidget* parent, const PrintOutcome& outcome);

} // namespace fendrimo
