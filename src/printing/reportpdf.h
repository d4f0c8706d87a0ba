#pragma once

#include "printing/reportpage.h"

#include <QByteArray>
#include <QPageLayout>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace fendrimo {

// Draws pages on a paged device already begun by painter, a new page between
// them; false when the device failed on the way: the painter ended, a drawing
// step threw, or deviceFailed (asked after every step, when given) says so.
bool paintPages(QPainter& painter, QPagedPaintDevice& device, const QList<QList<ReportStep>>& pages,
                const std::function<bool()>& deviceFailed = {});

// The same for the pages of input, described for the device's own page depth,
// so a printer, a PDF writer and the preview's printer get the same pages.
bool paintPages(QPainter& painter, QPagedPaintDevice& device, const ReportInput& input);

// What stopped a job of pages on a paged device.
enum class JobProblem {
    None,
    NotBegun,     // the device could not be begun
    NotDrawn,     // it failed while the pages were drawn
    NotHandedOver // it failed as the job ended
};

// One whole job on device: begin, draw the pages, end. deviceFailed, when
// given, is asked after every step and at the end; abort, when given, is
// called before a job that failed while drawing ends, so no half page goes out.
JobProblem drawPageJob(QPagedPaintDevice& device, const QList<QList<ReportStep>>& pages,
                       const std::function<bool()>& deviceFailed = {},
                       const std::function<void()>& abort = {});

// The page a PDF of the report is drawn on, and its title.
struct PdfSetup
{
    QPageLayout layout;
    int resolution = 0; // dots per inch
    QString title;
};

// A PDF file of its own: the layout given, fine enough that every 0.1 mm of
// the page lands on its own pixel column, titled "Basalrate".
PdfSetup pdfFileSetup(const QPageLayout& layout);

// A PDF of the report, or what stopped it.
struct PdfOutcome
{
    QByteArray pdf;
    JobProblem problem = JobProblem::None; // set exactly when there is no pdf
};

// The one way the report becomes a PDF document, for a file as for the print
// service: the pages of input, described for the page of setup, in one job.
PdfOutcome reportPdf(const ReportInput& input, const PdfSetup& setup);

// The file a PDF of the report is proposed as, in folder: the profile file's
// name with ".pdf" for its suffix ("a.b.bar" as "a.b.pdf"), shown as the
// window shows it; "Basalrate.pdf" while the profile has no file. The name
// alone without a folder.
QString proposedPdfFile(const QString& folder, const QString& profileFile);

} // namespace fendrimo
