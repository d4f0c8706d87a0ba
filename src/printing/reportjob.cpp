#include "printing/reportjob.h"

#include "platform/error.h"
#include "printing/reportpainter.h"

#include <QPainter>
#include <QPrinter>

namespace fendrimo {

namespace {

QString cannotBeginText(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QStringLiteral("Die Datei %1 kann nicht geschrieben werden")
            .arg(printer.outputFileName());
    return QStringLiteral("Der Druckauftrag kann nicht gestartet werden");
}

bool printerFailed(const QPrinter& printer, const QPainter& painter)
{
    return printer.printerState() == QPrinter::Error || !painter.isActive();
}

} // namespace

void printReport(QPrinter& printer, const ReportInput& input)
{
    // The page is described before the job begins: once it runs, only the
    // printer itself can fail.
    const QList<QList<ReportStep>> pages = describePages(input, reportPageDepth(printer));

    QPainter painter;
    if (!painter.begin(&printer))
        throw Failure(cannotBeginText(printer));
    bool failed = false;
    try {
        ReportPainter page(painter);
        for (qsizetype i = 0; i < pages.size() && !failed; ++i) {
            if (i > 0 && !printer.newPage())
                failed = true;
            for (const ReportStep& step : pages.at(i)) {
                page.draw(step);
                if (printerFailed(printer, painter)) {
                    failed = true;
                    break;
                }
            }
        }
    } catch (const std::exception&) {
        failed = true;
    }
    if (failed) {
        printer.abort();
        if (painter.isActive())
            painter.end();
        throw Failure(QStringLiteral("Fehler beim Drucken, der Druckauftrag wurde abgebrochen"));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw Failure(QStringLiteral("Die Seite konnte nicht an den Drucker übergeben werden"));
}

} // namespace fendrimo
