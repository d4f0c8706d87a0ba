#pragma once

#include "printing/reportpage.h"

class QPrinter;

namespace fendrimo {

// Prints the report as one page: begins the job, draws the page, ends the job
// and so hands the page to the printer. Throws Failure when the job can't
// begin, when the printer fails while the page is drawn (the job is aborted
// first, no half page goes out) or when the page can't be handed over.
void printReport(QPrinter& printer, const ReportInput& input);

} // namespace fendrimo
