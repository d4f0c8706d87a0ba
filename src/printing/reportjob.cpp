#include "printing/reportjob.h"

#include "printing/cupsjob.h"
#include "printing/reportpainter.h"
#include "printing/reportpdf.h"

#include <QPrinter>

#include <utility>

namespace fendrimo {

namespace {

using Problem = PrintOutcome::Problem;

// Qt's PDF printer, or a queue's printer told to print into a file: the
// pages go straight into the file, no print service answers.
bool writesFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

// A job that can't begin on Qt's PDF printer is a file that can't be written.
PrintOutcome notBegun(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return PrintOutcome::stoppedBy(Problem::FileNotWritten, printer.outputFileName());
    return PrintOutcome::stoppedBy(Problem::NotStarted);
}

// What the print came to when its job of pages ended with problem.
PrintOutcome outcomeOf(JobProblem problem)
{
    switch (problem) {
    case JobProblem::None:
        break;
    case JobProblem::NotBegun:
        return PrintOutcome::stoppedBy(Problem::NotStarted);
    case JobProblem::NotDrawn:
        return PrintOutcome::stoppedBy(Problem::Aborted);
    case JobProblem::NotHandedOver:
        return PrintOutcome::stoppedBy(Problem::NotHandedOver);
    }
    return PrintOutcome();
}

// The pages straight on the printer, in one job.
PrintOutcome printOnPrinter(QPrinter& printer, const ReportInput& input)
{
    // The pages are described before the job begins: once it runs, only the
    // printer itself can fail.
    const QList<QList<ReportStep>> pages = describePages(input, reportPageDepth(printer));
    const JobProblem problem = drawPageJob(
        printer, pages, [&printer] { return printer.printerState() == QPrinter::Error; },
        [&printer] { printer.abort(); });
    return problem == JobProblem::NotBegun ? notBegun(printer) : outcomeOf(problem);
}

} // namespace

PrintOutcome PrintOutcome::stoppedBy(Problem problem, QString file)
{
    PrintOutcome outcome;
    outcome.problem = problem;
    outcome.file = std::move(file);
    return outcome;
}

PrintOutcome printReport(QPrinter& printer, const ReportInput& input)
{
    if (writesFile(printer))
        return printOnPrinter(printer, input);
    // The pages as the queue's printer would draw them: its page layout and
    // resolution, so the paper shows exactly what Qt's own job would have.
    const PdfOutcome made =
        reportPdf(input, {printer.pageLayout(), printer.resolution(), printer.docName()});
    if (made.problem != JobProblem::None)
        return outcomeOf(made.problem);
    const CupsSubmission submission =
        submitPdf(printer.printerName(), made.pdf, cupsJobOptions(printer, input.colour));
    PrintOutcome outcome =
        submission.ok() ? PrintOutcome() : PrintOutcome::stoppedBy(Problem::Refused);
    outcome.refusal = submission.refusal;
    outcome.held = submission.held;
    return outcome;
}

} // namespace fendrimo
