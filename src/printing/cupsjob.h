#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

class QPrinter;

namespace fendrimo {

// Handing a finished PDF to the print service ourselves: Qt's CUPS print
// engine drops the service's answer, so a refused job would pass for printed.

// What the job asks of the queue, as the printer setup chose it.
struct CupsJobOptions
{
    int copies = 1;
    QSize paper;        // in hundredths of a millimetre; empty: the queue's default
    bool colour = true; // print-color-mode "color", else "monochrome"
    QString sides;      // "one-sided", "two-sided-long-edge", "two-sided-short-edge"
    QString title;      // the job's name in the queue
    // Further options of the printer's properties dialog (tray, quality,
    // banner pages …), name and value in turn; the ones above take precedence.
    QStringList more;
};

// The options of a printer's current setup: copies, paper, duplex, and colour
// when both the print method (colour) and the printer's colour mode allow it.
CupsJobOptions cupsJobOptions(const QPrinter& printer, bool colour);

// The print service's answer to a job.
struct CupsSubmission
{
    int jobId = 0;
    QString refusal;   // the service's reason, as it words it, without a closing full stop
    bool held = false; // accepted, but the queue is stopped: the job waits in it
    bool ok() const { return jobId > 0; }
};

// Sends pdf as one job to queue ("name" or "name/instance") on the print
// server in force (CUPS_SERVER and the user's client settings). Blocks until
// the service has answered. The print service's library (libcups) is loaded
// for it; when it can't be, the job is refused with the reason.
CupsSubmission submitPdf(const QString& queue, const QByteArray& pdf,
                         const CupsJobOptions& options);

// submitPdf through the library of that name, as dlopen takes it.
CupsSubmission submitPdfThrough(const QString& library, const QString& queue, const QByteArray& pdf,
                                const CupsJobOptions& options);

} // namespace fendrimo
