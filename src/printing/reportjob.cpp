#include "printing/reportjob.h"

#include "platform/error.h"
#include "platform/platform.h"
#include "printing/cupsjob.h"
#include "printing/reportpainter.h"
#include "printing/reportpdf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace fendrimo {

namespace {

using Pages = QList<QList<ReportStep>>;

QString cannotStartText()
{
    return QCoreApplication::translate("ReportJob", "Der Druckauftrag kann nicht gestartet werden");
}

QString cannotBeginText(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QCoreApplication::translate("ReportJob",
                                           "Die Datei %1 kann nicht geschrieben werden")
            .arg(printer.outputFileName());
    return cannotStartText();
}

// Qt's PDF printer, or a queue's printer told to print into a file: the
// pages go straight into the file, no print service answers.
bool writesFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

bool printerInError(const QPagedPaintDevice& device)
{
    const auto* printer = dynamic_cast<const QPrinter*>(&device);
    return printer && printer->printerState() == QPrinter::Error;
}

// One whole job on device: begin, draw the pages, end.
void runJob(QPagedPaintDevice& device, const Pages& pages, const QString& cannotBegin)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw Failure(cannotBegin);
    if (!paintPages(painter, device, pages, [&device] { return printerInError(device); })) {
        if (auto* printer = dynamic_cast<QPrinter*>(&device))
            printer->abort();
        if (painter.isActive())
            painter.end();
        throw Failure(QCoreApplication::translate(
            "ReportJob", "Fehler beim Drucken, der Druckauftrag wurde abgebrochen"));
    }
    if (!painter.end() || printerInError(device))
        throw Failure(QCoreApplication::translate(
            "ReportJob", "Die Seite konnte nicht an den Drucker übergeben werden"));
}

// The pages as the queue's printer would draw them: its page layout and
// resolution, so the paper shows exactly what Qt's own job would have.
QByteArray pagesAsPdf(const QPrinter& printer, const Pages& pages)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        throw Failure(cannotStartText());
    QPdfWriter writer(&buffer);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setCreator(QStringLiteral("Fendrimo"));
    writer.setTitle(printer.docName());
    runJob(writer, pages, cannotStartText());
    return pdf;
}

} // namespace

PrintOutcome printReport(QPrinter& printer, const ReportInput& input)
{
    // The pages are described before the job begins: once it runs, only the
    // printer itself can fail.
    const Pages pages = describePages(input, reportPageDepth(printer));

    PrintOutcome outcome;
    if (writesFile(printer)) {
        runJob(printer, pages, cannotBeginText(printer));
        outcome.printed = true;
        return outcome;
    }
    const QByteArray pdf = pagesAsPdf(printer, pages);
    const CupsSubmission submission =
        submitPdf(printer.printerName(), pdf, cupsJobOptions(printer, input.colour));
    outcome.printed = submission.ok();
    outcome.refusal = submission.refusal;
    outcome.held = submission.held;
    return outcome;
}

bool reportPrintOutcome(QWidget* parent, const PrintOutcome& outcome)
{
    if (!outcome.printed) {
        platform().message(
            parent, MessageType::Fehler,
            QCoreApplication::translate("ReportJob", "Der Druckauftrag wurde nicht angenommen: %1.")
                .arg(outcome.refusal),
            MessageButton::Ok);
        return false;
    }
    if (outcome.held)
        platform().message(parent, MessageType::Information,
                           QCoreApplication::translate(
                               "ReportJob", "Der Drucker ist angehalten: der Druckauftrag wartet "
                                            "in seiner Warteschlange und wird gedruckt, sobald "
                                            "der Drucker wieder freigegeben ist."),
                           MessageButton::Ok);
    return true;
}

} // namespace fendrimo
